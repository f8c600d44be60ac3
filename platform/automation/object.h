// The plumbing every class of an in-process server shares: reference counting, QueryInterface,
// IDispatch over the class's own member table, class factories, and the count of live objects
// that tells whether the server module may be unloaded.
//
// A class derives from DispatchObject<ITheInterface>, implements the interface's members and
// hands over its member table (dispatch_member.h), which maps names and dispatch ids onto them.
#pragma once

#include "platform/automation/dispatch_member.h"
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

// What every object of a server shares: it keeps the server module loaded while it lives,
// counts its references and destroys itself at the last Release, and answers QueryInterface for
// IUnknown and for the interfaces Supports names, all served by the one `Interface` it
// implements.
template <class Interface>
class ServerObject : public Interface {
public:
    explicit ServerObject(ServerLock& server) : server_(server) { server_.Lock(); }
    ServerObject(const ServerObject&) = delete;
    ServerObject& operator=(const ServerObject&) = delete;

    HRESULT QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (iid == IID_IUnknown || Supports(iid)) {
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

protected:
    virtual ~ServerObject() { server_.Unlock(); }

    // True for the interfaces besides IUnknown that the object answers for.
    virtual bool Supports(REFIID iid) const = 0;

    ServerLock& Server() const { return server_; }

private:
    ServerLock& server_;
    std::atomic<std::uint32_t> references_{0};
};

template <class Interface>
class DispatchObject : public ServerObject<Interface> {
public:
    DispatchObject(ServerLock& server, const IID& interfaceId,
                   std::span<const DispatchMember<Interface>> members)
        : ServerObject<Interface>(server), interfaceId_(interfaceId), members_(members) {}

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
        for (const DispatchMember<Interface>& member : members_) {
            if (SameMemberName(names[0], member.Name())) {
                ids[0] = member.Id();
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
        // The result is the callee's to fill: whatever the caller left in it is not freed.
        if (result != nullptr) {
            VariantInit(result);
        }
        const DISPPARAMS noArguments{};
        DispatchCall call(flags, arguments != nullptr ? *arguments : noArguments, result,
                          argumentError);
        for (const DispatchMember<Interface>& row : members_) {
            if (row.Id() == member) {
                return row.Invoke(*this, call);
            }
        }
        return DISP_E_MEMBERNOTFOUND;
    }

protected:
    bool Supports(REFIID iid) const override { return iid == IID_IDispatch || iid == interfaceId_; }

    std::span<const DispatchMember<Interface>> Members() const { return members_; }

private:
    const IID& interfaceId_;
    std::span<const DispatchMember<Interface>> members_;
};

// The class factory of one class: makes new objects with `create`, which answers a new object
// with no references yet, or null when memory runs out.
class ClassFactory final : public ServerObject<IClassFactory> {
public:
    using CreateFunction = IUnknown* (*)(ServerLock& server);

    ClassFactory(ServerLock& server, CreateFunction create)
        : ServerObject<IClassFactory>(server), create_(create) {}

    HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        IUnknown* created = create_(Server());
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
            Server().Lock();
        } else {
            Server().Unlock();
        }
        return S_OK;
    }

private:
    bool Supports(REFIID iid) const override { return iid == IID_IClassFactory; }

    CreateFunction create_;
};

} // namespace automation
