// Test support: the Output module registered in a registry of the test's own, and objects of it
// created in one line.
#pragma once

#include "output/output.h"

#include "platform/automation/creation.h"
#include "platform/automation/interface_pointer.h"
#include "platform/automation/registry.h"
#include "platform/automation/text.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace testing_output {

// Creates an object of class `classId` as `Interface`; null, with a test failure, when it cannot.
template <class Interface>
automation::InterfacePointer<Interface> Create(REFCLSID classId, REFIID interfaceId) {
    automation::InterfacePointer<Interface> object;
    EXPECT_EQ(automation::CreateObject(classId, interfaceId, object), S_OK);
    return object;
}

// The text a VARIANT holds, or a note of its type when it holds no text.
inline std::string TextOf(const VARIANT& value) {
    if (value.vt != VT_BSTR) {
        return "<not a text: type " + std::to_string(value.vt) + ">";
    }
    return automation::TextFromBstr(value.bstrVal);
}

// Calls one member through Invoke. Arguments are given in the member's order; an [out]
// argument is a VARIANT* and is passed by reference.
class Invoker {
public:
    explicit Invoker(IDispatch* object) : object_(object) {}

    HRESULT Call(DISPID member, std::uint16_t flags, std::vector<VARIANT*> arguments,
                 VARIANT* result = nullptr) {
        std::vector<VARIANT> reversed;
        for (auto it = arguments.rbegin(); it != arguments.rend(); ++it) {
            reversed.push_back(**it);
        }
        DISPID putId = DISPID_PROPERTYPUT;
        DISPPARAMS parameters{reversed.data(), flags == DISPATCH_PROPERTYPUT ? &putId : nullptr,
                              static_cast<std::uint32_t>(reversed.size()),
                              flags == DISPATCH_PROPERTYPUT ? 1u : 0u};
        return object_->Invoke(member, IID_NULL, 0, flags, &parameters, result, nullptr, nullptr);
    }

private:
    IDispatch* object_;
};

// Registers the module, as built next to the tests, in a registry file of this test alone.
class RegisteredModule : public ::testing::Test {
protected:
    void SetUp() override {
        sandbox_.SetEnvironment("TALLOWMERE_REGISTRY", registryFile_.string());
        ASSERT_EQ(automation::RegisterServer(OUTPUT_MODULE), S_OK);
    }

    automation::Registry Registry() const {
        return automation::Registry::Load(registryFile_).value_or(automation::Registry());
    }
    const std::filesystem::path& RegistryFile() const { return registryFile_; }

private:
    testkit::Sandbox sandbox_;
    const std::filesystem::path registryFile_ = sandbox_.Root() / "registry.ini";
};

} // namespace testing_output
