// Test support: the Output module registered in a registry of the test's own, objects held by
// smart pointers, and VARIANT arguments made in one line.
#pragma once

#include "output/output.h"
#include "platform/automation/creation.h"
#include "platform/automation/registry.h"
#include "platform/automation/text.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace testing_output {

struct ReleaseObject {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <class Interface>
using Held = std::unique_ptr<Interface, ReleaseObject>;

// Creates an object of class `classId` as `Interface`; null, with a test failure, when it cannot.
template <class Interface>
Held<Interface> Create(REFCLSID classId, REFIID interfaceId) {
    void* object = nullptr;
    EXPECT_EQ(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, interfaceId, &object), S_OK);
    return Held<Interface>(static_cast<Interface*>(object));
}

inline VARIANT Text(const std::string& text) {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = automation::BstrFromText(text);
    return value;
}

inline VARIANT Int(std::int32_t number) {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = number;
    return value;
}

inline VARIANT Real(double number) {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_R8;
    value.dblVal = number;
    return value;
}

// Replaces what `target` holds, freeing it.
inline void Set(automation::Variant& target, VARIANT value) {
    VariantClear(&target);
    *target = value;
}

// The text a VARIANT holds, or a note of its type when it holds no text.
inline std::string TextOf(const VARIANT& value) {
    if (value.vt != VT_BSTR) {
        return "<not a text: type " + std::to_string(value.vt) + ">";
    }
    return automation::TextFromBstr(value.bstrVal);
}

// Registers the module, as built next to the tests, in a registry file of this test alone.
class RegisteredModule : public ::testing::Test {
protected:
    void SetUp() override {
        sandbox_.SetEnvironment("TALLOWMERE_REGISTRY", registryFile_.string());
        ASSERT_EQ(automation::RegisterServer(OUTPUT_MODULE), S_OK);
    }

    automation::Registry Registry() const { return automation::Registry::Load(registryFile_); }
    const std::filesystem::path& RegistryFile() const { return registryFile_; }

private:
    testkit::Sandbox sandbox_;
    const std::filesystem::path registryFile_ = sandbox_.Root() / "registry.ini";
};

} // namespace testing_output
