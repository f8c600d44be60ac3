#include "platform/automation/interface_pointer.h"

#include <gtest/gtest.h>

namespace {

inline constexpr IID IID_ICounted = automation::GuidLiteral("6E1A1B52-8C2D-4B8F-9A53-0C2B7A1E4D01");

// An object that counts its references and answers for IUnknown and IDispatch only.
struct CountedObject final : IDispatch {
    HRESULT QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch) {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return ++references; }
    std::uint32_t Release() override { return --references; }
    HRESULT GetTypeInfoCount(std::uint32_t*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(std::uint32_t, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, OLECHAR**, std::uint32_t, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT Invoke(DISPID, REFIID, LCID, std::uint16_t, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                   std::uint32_t*) override {
        return E_NOTIMPL;
    }
    std::uint32_t references = 1;
};

TEST(InterfacePointer, HoldsOneReferenceEach) {
    CountedObject object;
    {
        auto held = automation::InterfacePointer<IUnknown>::Adopt(&object);
        EXPECT_EQ(object.references, 1u);
        auto copy = held;
        EXPECT_EQ(object.references, 2u);
        auto moved = std::move(copy);
        EXPECT_EQ(object.references, 2u);
        EXPECT_EQ(copy, nullptr);

        auto dispatch = held.As<IDispatch>(IID_IDispatch);
        EXPECT_EQ(dispatch.Get(), &object);
        EXPECT_EQ(object.references, 3u);
        EXPECT_EQ(held.As<IDispatch>(IID_ICounted), nullptr);
        EXPECT_EQ(object.references, 3u);

        held->QueryInterface(IID_IUnknown, moved.Receive()); // the old reference goes first
        EXPECT_EQ(object.references, 3u);
        held.Reset();
        EXPECT_EQ(held, nullptr);
        EXPECT_EQ(object.references, 2u);
    }
    EXPECT_EQ(object.references, 0u);
}

} // namespace
