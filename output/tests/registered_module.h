// Test support: the Output module registered in a registry of the test's own, and objects of it
// created in one line.
#pragma once

#include "output/output.h"
#include "platform/automation/creation.h"
#include "platform/automation/interface_pointer.h"
#include "platform/automation/registry.h"
#include "platform/automation/text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

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

// Registers the module, as built next to the tests, in a registry file of this test alone.
class RegisteredModule : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        registryFile_ = std::filesystem::current_path() / "registries" /
                        (std::string(test->test_suite_name()) + "." + test->name() + ".ini");
        std::filesystem::remove(registryFile_);
        setenv("TALLOWMERE_REGISTRY", registryFile_.c_str(), 1);
        ASSERT_EQ(automation::RegisterServer(OUTPUT_MODULE), S_OK);
    }

    automation::Registry Registry() const {
        return automation::Registry::Load(registryFile_).value_or(automation::Registry());
    }
    const std::filesystem::path& RegistryFile() const { return registryFile_; }

private:
    std::filesystem::path registryFile_;
};

} // namespace testing_output
