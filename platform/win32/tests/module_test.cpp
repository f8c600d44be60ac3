// Loaded modules found by name, and their functions, also for a library loaded privately.
#include "platform/win32/libloaderapi.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {

TEST(Modules, APrivatelyLoadedLibraryAndItsFunctionsAreFoundByName) {
    EXPECT_EQ(GetModuleHandleA(TALLOWMERE_PRIVATE_MODULE_NAME), nullptr) << "not loaded yet";
    void* library = dlopen(TALLOWMERE_PRIVATE_MODULE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "PrivateModuleAnswer"), nullptr) << "outside the global scope";

    const HMODULE module = GetModuleHandleA(TALLOWMERE_PRIVATE_MODULE_NAME);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(GetModuleHandleA(TALLOWMERE_PRIVATE_MODULE), module) << "by path as by name";
    const auto answer = reinterpret_cast<int (*)()>(GetProcAddress(module, "PrivateModuleAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(GetProcAddress(module, "NoSuchFunction"), nullptr);
    EXPECT_EQ(GetProcAddress(GetModuleHandleA(nullptr), "PrivateModuleAnswer"), nullptr)
        << "the program's search covers the global scope only";
    EXPECT_NE(GetProcAddress(GetModuleHandleA(nullptr), "GetProcAddress"), nullptr);
    EXPECT_EQ(dlclose(library), 0);
}

TEST(Modules, UnknownModulesAndNamesAreNull) {
    EXPECT_EQ(GetModuleHandleA("libnot-a-library-of-this-process.so"), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "GetProcAddress"), nullptr);
    EXPECT_EQ(GetProcAddress(GetModuleHandleA(nullptr), nullptr), nullptr);
}

} // namespace
