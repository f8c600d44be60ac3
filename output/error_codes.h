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

// One code of a class's enum above with its text; the tables name the enumerators, so that a code
// is written once.
struct ErrorEntry {
    template <typename Error>
    constexpr ErrorEntry(Error error, const char* message)
        : code(static_cast<std::int32_t>(error)), text(message) {}

    std::int32_t code;
    const char* text;
};

inline constexpr ErrorEntry kTemplateErrors[] = {
    {TemplateError::OK, "OK."},
    {TemplateError::NoData, "No data."},
    {TemplateError::ReadFailure, "Read failure."},
    {TemplateError::WriteFailure, "Write failure."},
};

inline constexpr ErrorEntry kCanvasErrors[] = {
    {CanvasError::OK, "OK."},
    {CanvasError::InvalidDevice, "Invalid device."},
    {CanvasError::CanvasEmpty, "Canvas is empty."},
    {CanvasError::InvalidPage, "Invalid page."},
    {CanvasError::InvalidFormat, "Invalid format."},
    {CanvasError::CannotAccessFile, "Cannot access file."},
    {CanvasError::PolygonError, "Polygon error."},
    {CanvasError::TransactionError, "Transaction error."},
};

inline constexpr ErrorEntry kPreviewErrors[] = {
    {PreviewError::OK, "OK."},
    {PreviewError::InvalidFormat, "Invalid format."},
    {PreviewError::CannotAccessFile, "Cannot access file."},
    {PreviewError::InvalidParentWindow, "Invalid parent window."},
    {PreviewError::InvalidImageIndex, "Invalid image index."},
};

inline constexpr ErrorEntry kGraphErrors[] = {
    {GraphError::OK, "OK."},
    {GraphError::InvalidFormat, "Invalid format."},
    {GraphError::CannotAccessFile, "Cannot access file."},
    {GraphError::CannotMakeBitmap, "Cannot make bitmap."},
    {GraphError::PixelFormatFailure, "Pixel format failure."},
    {GraphError::CannotMakeRenderContext, "Cannot make render context."},
    {GraphError::InvalidID, "Invalid ID."},
    {GraphError::InvalidIndex, "Invalid index."},
    {GraphError::InvalidValue, "Invalid value."},
    {GraphError::InvalidType, "Invalid type."},
    {GraphError::CannotAddDuplicate, "Cannot add duplicate."},
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
