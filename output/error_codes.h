// The error codes of the module's classes and their texts. The thousands digit names the class;
// 0 is success for every class.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace output {

enum class TemplateError : std::int32_t {
    OK = 0,
    NoData = 1001,
    ReadFailure = 1011,
    WriteFailure = 1021,
};

enum class CanvasError : std::int32_t {
    OK = 0,
    InvalidDevice = 2001,
    CanvasEmpty = 2011,
    InvalidPage = 2021,
    InvalidFormat = 2031,
    CannotAccessFile = 2041,
    PolygonError = 2051,
    TransactionError = 2061,
};

enum class PreviewError : std::int32_t {
    OK = 0,
    InvalidFormat = 3001,
    CannotAccessFile = 3011,
    InvalidParentWindow = 3021,
    InvalidImageIndex = 3031,
};

enum class GraphError : std::int32_t {
    OK = 0,
    InvalidFormat = 4001,
    CannotAccessFile = 4011,
    CannotMakeBitmap = 4021,
    PixelFormatFailure = 4031,
    CannotMakeRenderContext = 4041,
    InvalidID = 4051,
    InvalidIndex = 4061,
    InvalidValue = 4071,
    InvalidType = 4081,
    CannotAddDuplicate = 4091,
};

struct ErrorEntry {
    std::int32_t code;
    const char* text;
};

inline constexpr ErrorEntry kTemplateErrors[] = {
    {0, "OK."},
    {1001, "No data."},
    {1011, "Read failure."},
    {1021, "Write failure."},
};

inline constexpr ErrorEntry kCanvasErrors[] = {
    {0, "OK."},
    {2001, "Invalid device."},
    {2011, "Canvas is empty."},
    {2021, "Invalid page."},
    {2031, "Invalid format."},
    {2041, "Cannot access file."},
    {2051, "Polygon error."},
    {2061, "Transaction error."},
};

inline constexpr ErrorEntry kPreviewErrors[] = {
    {0, "OK."},
    {3001, "Invalid format."},
    {3011, "Cannot access file."},
    {3021, "Invalid parent window."},
    {3031, "Invalid image index."},
};

inline constexpr ErrorEntry kGraphErrors[] = {
    {0, "OK."},
    {4001, "Invalid format."},
    {4011, "Cannot access file."},
    {4021, "Cannot make bitmap."},
    {4031, "Pixel format failure."},
    {4041, "Cannot make render context."},
    {4051, "Invalid ID."},
    {4061, "Invalid index."},
    {4071, "Invalid value."},
    {4081, "Invalid type."},
    {4091, "Cannot add duplicate."},
};

// The text of `code` in one class's table; "UNKNOWN." for a code the class does not have.
inline std::string ErrorTextOf(std::span<const ErrorEntry> errors, std::int32_t code) {
    for (const ErrorEntry& entry : errors) {
        if (entry.code == code) {
            return entry.text;
        }
    }
    return "UNKNOWN.";
}

} // namespace output
