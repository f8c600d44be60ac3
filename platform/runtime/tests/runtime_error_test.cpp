#include "platform/runtime/runtime_error.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

using runtime::ErrorNumber;

TEST(RuntimeError, CarriesNumberAndText) {
    struct Case {
        ErrorNumber number;
        const char* text;
    };
    const Case cases[] = {
        {ErrorNumber::Overflow, "Overflow"},
        {ErrorNumber::SubscriptOutOfRange, "Subscript out of range"},
        {ErrorNumber::BadRecordNumber, "Bad record number"},
        {ErrorNumber::PathFileAccessError, "Path/File access error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const runtime::RuntimeError error(c.number);
        EXPECT_EQ(error.Number(), static_cast<int>(c.number));
        EXPECT_STREQ(error.what(), c.text);
        EXPECT_EQ(runtime::ErrorText(static_cast<int>(c.number)), c.text);
    }
    EXPECT_EQ(runtime::ErrorText(1234), "Application-defined or object-defined error");
}

TEST(RuntimeError, MapsErrno) {
    struct Case {
        int errnoValue;
        ErrorNumber expected;
    };
    const Case cases[] = {
        {ENOENT, ErrorNumber::FileNotFound},      {ENOTDIR, ErrorNumber::PathNotFound},
        {EACCES, ErrorNumber::PermissionDenied},  {ENOSPC, ErrorNumber::DiskFull},
        {EEXIST, ErrorNumber::FileAlreadyExists}, {EISDIR, ErrorNumber::PathFileAccessError},
        {EIO, ErrorNumber::DeviceIOError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.errnoValue);
        EXPECT_EQ(runtime::ErrorFromErrno(c.errnoValue), c.expected);
    }
    EXPECT_EQ(runtime::ErrorFromErrno(EPIPE, ErrorNumber::DiskNotReady), ErrorNumber::DiskNotReady);
}

} // namespace
