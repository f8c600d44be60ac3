// A picture loaded from a BMP, JPEG, GIF or icon file: the file's bytes, kept for drawing, and the
// size read from its header.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace forms {

enum class PictureFormat { None, Bmp, Jpeg, Gif, Icon };

class Picture {
public:
    Picture() = default;

    PictureFormat Format() const { return format_; }
    bool IsEmpty() const { return format_ == PictureFormat::None; }
    const std::string& Bytes() const { return bytes_; }
    int WidthPixels() const { return width_; }
    int HeightPixels() const { return height_; }

    // Reads the size from a BMP, JPEG, GIF or icon image held in `bytes` (an icon: its first
    // image; a GIF: its logical screen); nothing when the bytes are not a well-formed header of
    // one of them. A GIF's first image is decoded as well, and a GIF whose first image does not
    // decode is refused; the pixels of the other formats are not decoded here.
    static std::optional<Picture> FromBytes(std::string bytes);

private:
    PictureFormat format_ = PictureFormat::None;
    std::string bytes_;
    int width_ = 0;
    int height_ = 0;
};

// The runtime's LoadPicture: reads the file. Raises error 53 for a missing or unreadable file
// and error 481 for a file that is not a BMP, JPEG, GIF or icon picture.
Picture LoadPicture(const std::string& path);

} // namespace forms
