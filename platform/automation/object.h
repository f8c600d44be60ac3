// The plumbing every class of an in-process server shares: reference counting, QueryInterface,
// IDispatch over the class's own member table, class factories, and the count of live objects
// that tells whether the server module may be unloaded.
//
// A class derives from DispatchObject<ITheInterface>, implements the interface's members and
// InvokeMember, which maps dispatch ids onto those members through a DispatchCall.
#pragma once

#include "platform/automation/dispatch_call.h"
#include "platform/automation/interfaces.h"

#include <atomic>
#include <span>
#include <string_view>

namespace automation {

// Objects, class factories and LockServer calls alive in one server module.
class ServerLock {
public:
    void Lock() { ++count_; }
    void Unlock() { --count_; }
    bool Idle() const { return count_ == 0; }

private:
    std::atomic<long> count_{0};
};

// A member name and its dispatch id, for GetIDsOfNames.
struct DispatchMember {
    std::string_view name;
    DISPID id;
};

// Case-insensitive comparison of a UTF-16 member name with an ASCII one.
inline bool SameMemberName(const OLECHAR* name, std::string_view member) {
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; };
    std::size_t i = 0;
    for (; i < member.size(); ++i) {
        if (name[i] == 0 || lower(name[i]) != lower(static_cast<unsigned char>(member[i]))) {
            return false;
        }
    }
    return name[i] == 0;
}

template <class Interface>
class DispatchObject : public Interface {
public:
    DispatchObject(ServerLock& server, const IID& interfaceId,
                   std::span<const DispatchMember> members)
        : server_(server), interfaceId_(interfaceId), members_(members) {
        server_.Lock();
    }
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;
    virtual ~DispatchObject() { server_.Unlock(); }

    HRESULT QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == interfaceId_) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }

    std::uint32_t AddRef() override { return ++references_; }

    std::uint32_t Release() override {
        const std::uint32_t left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT GetTypeInfoCount(std::uint32_t* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = 0;
        return S_OK;
    }

    HRESULT GetTypeInfo(std::uint32_t, LCID, ITypeInfo** typeInfo) override {
        if (typeInfo != nullptr) {
            *typeInfo = nullptr;
        }
        return E_NOTIMPL;
    }

    HRESULT GetIDsOfNames(REFIID iid, OLECHAR** names, std::uint32_t count, LCID,
                          DISPID* ids) override {
        if (!(iid == IID_NULL)) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        if (names == nullptr || ids == nullptr) {
            return E_POINTER;
        }
        HRESULT outcome = S_OK;
        for (std::uint32_t i = 0; i < count; ++i) {
            ids[i] = DISPID_UNKNOWN;
        }
        if (count == 0) {
            return S_OK;
        }
        for (const DispatchMember& member : members_) {
            if (SameMemberName(names[0], member.name)) {
                ids[0] = member.id;
            }
        }
        // Members have no named parameters, so any name after the member's is unknown.
        if (ids[0] == DISPID_UNKNOWN || count > 1) {
            outcome = DISP_E_UNKNOWNNAME;
        }
        return outcome;
    }

    HRESULT Invoke(DISPID member, REFIID iid, LCID, std::uint16_t flags, DISPPARAMS* arguments,
                   VARIANT* result, EXCEPINFO*, std::uint32_t* argumentError) override {
        if (!(iid == IID_NULL)) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        const DISPPARAMS noArguments{};
        DispatchCall call(flags, arguments != nullptr ? *arguments : noArguments, result,
                          argumentError);
        return InvokeMember(member, call);
    }

protected:
    // Runs member `member` through `call`; DISP_E_MEMBERNOTFOUND for an id the class lacks.
    virtual HRESULT InvokeMember(DISPID member, DispatchCall& call) = 0;

private:
    ServerLock& server_;
    const IID& interfaceId_;
    std::span<const DispatchMember> members_;
    std::atomic<std::uint32_t> references_{0};
};

// The class factory of one class: makes new objects with `create`, which answers a new object
// with no references yet, or null when memory runs out.
class ClassFactory final : public IClassFactory {
public:
    using CreateFunction = IUnknown* (*)(ServerLock& server);

    ClassFactory(ServerLock& server, CreateFunction create) : server_(server), create_(create) {
        server_.Lock();
    }
    ClassFactory(const ClassFactory&) = delete;
    ClassFactory& operator=(const ClassFactory&) = delete;
    ~ClassFactory() { server_.Unlock(); }

    HRESULT QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }

    std::uint32_t AddRef() override { return ++references_; }

    std::uint32_t Release() override {
        const std::uint32_t left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        IUnknown* created = create_(server_);
        if (created == nullptr) {
            return E_OUTOFMEMORY;
        }
        // The reference taken here keeps the object alive through QueryInterface, which
        // destroys it by the Release below when it does not support `iid`.
        created->AddRef();
        const HRESULT outcome = created->QueryInterface(iid, object);
        created->Release();
        return outcome;
    }

    HRESULT LockServer(bool lock) override {
        if (lock) {
            server_.Lock();
        } else {
            server_.Unlock();
        }
        return S_OK;
    }

private:
    ServerLock& server_;
    CreateFunction create_;
    std::atomic<std::uint32_t> references_{0};
};

} // namespace automation
