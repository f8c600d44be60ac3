// Draws the library's 48 shared bitmaps as 16-colour BMP files: ten button sets of four states
// (normal, pushed, focused, disabled) with their labels in a small pixel font, and the four
// message-box icons with their masks. Run at build time; the files become the library's BITMAP
// resources.
//
// usage: vistel_draw_bitmaps <output folder>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

// The 16 colours of the standard palette, by index.
enum Colour : std::uint8_t {
    kBlack = 0,
    kDarkRed = 1,
    kDarkBlue = 4,
    kFace = 7,
    kShadow = 8,
    kRed = 9,
    kYellow = 11,
    kBlue = 12,
    kWhite = 15,
};

constexpr std::array<std::uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 22;
constexpr int kIconWidth = 48;
constexpr int kIconHeight = 64;
constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

// 5 x 7 glyphs, one row of five columns per string, '#' set.
const std::map<char, std::array<const char*, kGlyphHeight>>& Glyphs() {
    static const std::map<char, std::array<const char*, kGlyphHeight>> kGlyphs = {
        {'A', {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
        {'C', {" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "}},
        {'D', {"#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "}},
        {'E', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
        {'H', {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
        {'I', {" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
        {'K', {"#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"}},
        {'L', {"#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"}},
        {'N', {"#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"}},
        {'O', {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
        {'P', {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "}},
        {'S', {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "}},
        {'T', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "}},
        {'U', {"#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
        {'X', {"#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"}},
        {'Y', {"#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "}},
        {'?', {" ### ", "#   #", "    #", "   # ", "  #  ", "     ", "  #  "}},
        {'!', {"  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "     ", "  #  "}},
        {'i', {"  #  ", "     ", " ##  ", "  #  ", "  #  ", "  #  ", " ### "}},
    };
    return kGlyphs;
}

class Picture {
public:
    Picture(int width, int height, Colour fill)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

    void Set(int x, int y, Colour colour) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) {
            pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
        }
    }

    void Row(int x0, int x1, int y, Colour colour) {
        for (int x = x0; x <= x1; ++x) {
            Set(x, y, colour);
        }
    }

    void Column(int x, int y0, int y1, Colour colour) {
        for (int y = y0; y <= y1; ++y) {
            Set(x, y, colour);
        }
    }

    // Text in the pixel font, each pixel `scale` x `scale`, from its top-left corner.
    void Text(const std::string& text, int left, int top, int scale, Colour colour) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto& rows = Glyphs().at(text[i]);
            const int glyphLeft = left + static_cast<int>(i) * (kGlyphWidth + 1) * scale;
            for (int row = 0; row < kGlyphHeight; ++row) {
                for (int column = 0; column < kGlyphWidth; ++column) {
                    if (rows[static_cast<std::size_t>(row)][column] != '#') {
                        continue;
                    }
                    for (int dy = 0; dy < scale; ++dy) {
                        for (int dx = 0; dx < scale; ++dx) {
                            Set(glyphLeft + column * scale + dx, top + row * scale + dy, colour);
                        }
                    }
                }
            }
        }
    }

    // A 4-bit BMP file, rows from the bottom as the format stores them.
    bool Write(const std::filesystem::path& file) const {
        const int rowBytes = ((width_ * 4 + 31) / 32) * 4;
        const std::uint32_t imageSize = static_cast<std::uint32_t>(rowBytes * height_);
        const std::uint32_t offset = 14 + 40 + 16 * 4;
        std::vector<std::uint8_t> bytes;
        auto put16 = [&](std::uint32_t v) {
            bytes.push_back(static_cast<std::uint8_t>(v));
            bytes.push_back(static_cast<std::uint8_t>(v >> 8));
        };
        auto put32 = [&](std::uint32_t v) {
            put16(v & 0xFFFF);
            put16(v >> 16);
        };
        bytes.push_back('B');
        bytes.push_back('M');
        put32(offset + imageSize);
        put32(0);
        put32(offset);
        put32(40);
        put32(static_cast<std::uint32_t>(width_));
        put32(static_cast<std::uint32_t>(height_));
        put16(1);
        put16(4);
        put32(0);
        put32(imageSize);
        put32(0);
        put32(0);
        put32(16);
        put32(0);
        for (std::uint32_t rgb : kPalette) {
            bytes.push_back(static_cast<std::uint8_t>(rgb));
            bytes.push_back(static_cast<std::uint8_t>(rgb >> 8));
            bytes.push_back(static_cast<std::uint8_t>(rgb >> 16));
            bytes.push_back(0);
        }
        for (int y = height_ - 1; y >= 0; --y) {
            std::vector<std::uint8_t> row(static_cast<std::size_t>(rowBytes), 0);
            for (int x = 0; x < width_; ++x) {
                const std::uint8_t index = pixels_[static_cast<std::size_t>(y * width_ + x)];
                row[static_cast<std::size_t>(x / 2)] |=
                    static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
            }
            bytes.insert(bytes.end(), row.begin(), row.end());
        }
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out);
    }

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};

enum class ButtonState { kNormal, kPushed, kFocused, kDisabled };

Picture DrawButton(const std::string& label, ButtonState state) {
    Picture picture(kButtonWidth, kButtonHeight, kFace);
    const int right = kButtonWidth - 1;
    const int bottom = kButtonHeight - 1;
    int shift = 0;
    if (state == ButtonState::kPushed) {
        picture.Row(0, right, 0, kBlack);
        picture.Column(0, 0, bottom, kBlack);
        picture.Row(1, right - 1, 1, kShadow);
        picture.Column(1, 1, bottom - 1, kShadow);
        picture.Row(0, right, bottom, kWhite);
        picture.Column(right, 0, bottom, kWhite);
        shift = 1;
    } else {
        picture.Row(0, right - 1, 0, kWhite);
        picture.Column(0, 0, bottom - 1, kWhite);
        picture.Row(0, right, bottom, kBlack);
        picture.Column(right, 0, bottom, kBlack);
        picture.Row(1, right - 1, bottom - 1, kShadow);
        picture.Column(right - 1, 1, bottom - 1, kShadow);
    }
    if (state == ButtonState::kFocused) {
        for (int x = 4; x <= right - 4; x += 2) {
            picture.Set(x, 3, kBlack);
            picture.Set(x, bottom - 3, kBlack);
        }
        for (int y = 3; y <= bottom - 3; y += 2) {
            picture.Set(4, y, kBlack);
            picture.Set(right - 4, y, kBlack);
        }
    }
    const int textWidth = static_cast<int>(label.size()) * (kGlyphWidth + 1) - 1;
    const int left = (kButtonWidth - textWidth) / 2 + shift;
    const int top = (kButtonHeight - kGlyphHeight) / 2 + shift;
    if (state == ButtonState::kDisabled) {
        picture.Text(label, left + 1, top + 1, 1, kWhite);
        picture.Text(label, left, top, 1, kShadow);
    } else {
        picture.Text(label, left, top, 1, kBlack);
    }
    return picture;
}

// An icon's round or triangular sign, coloured `sign` in the picture and black in the mask.
bool InsideSign(bool triangle, int x, int y) {
    const int centreX = kIconWidth / 2;
    const int centreY = kIconHeight / 2;
    if (triangle) {
        const int top = 8;
        const int base = kIconHeight - 8;
        if (y < top || y > base) {
            return false;
        }
        const int halfWidth = (y - top) * (kIconWidth / 2 - 1) / (base - top);
        return x >= centreX - halfWidth && x <= centreX + halfWidth;
    }
    const int radius = kIconWidth / 2 - 1;
    return (x - centreX) * (x - centreX) + (y - centreY) * (y - centreY) <= radius * radius;
}

struct Icon {
    const char* name;
    bool triangle;
    Colour sign;
    char mark;
    Colour markColour;
};

void DrawIcon(const Icon& icon, Picture& picture, Picture& mask) {
    for (int y = 0; y < kIconHeight; ++y) {
        for (int x = 0; x < kIconWidth; ++x) {
            if (InsideSign(icon.triangle, x, y)) {
                picture.Set(x, y, icon.sign);
                mask.Set(x, y, kBlack);
            }
        }
    }
    constexpr int kScale = 4;
    const int left = (kIconWidth - kGlyphWidth * kScale) / 2;
    const int top = (kIconHeight - kGlyphHeight * kScale) / 2 + (icon.triangle ? 6 : 0);
    picture.Text(std::string(1, icon.mark), left, top, kScale, icon.markColour);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    bool written = true;
    const std::pair<const char*, const char*> sets[] = {
        {"Ok", "OK"},       {"Cancel", "CANCEL"}, {"Yes", "YES"},       {"No", "NO"},
        {"Help", "HELP"},   {"Add", "ADD"},       {"Delete", "DELETE"}, {"Edit", "EDIT"},
        {"Setup", "SETUP"}, {"Exit", "EXIT"}};
    const std::pair<ButtonState, const char*> states[] = {{ButtonState::kNormal, "1"},
                                                          {ButtonState::kPushed, "3"},
                                                          {ButtonState::kFocused, "5"},
                                                          {ButtonState::kDisabled, "7"}};
    for (const auto& [name, label] : sets) {
        for (const auto& [state, suffix] : states) {
            written =
                DrawButton(label, state).Write(folder / (std::string(name) + suffix + ".bmp")) &&
                written;
        }
    }
    const Icon icons[] = {{"Stop", false, kRed, 'X', kWhite},
                          {"Question", false, kBlue, '?', kWhite},
                          {"Exclamation", true, kYellow, '!', kBlack},
                          {"Information", false, kDarkBlue, 'i', kWhite}};
    for (const Icon& icon : icons) {
        Picture picture(kIconWidth, kIconHeight, kBlack);
        Picture mask(kIconWidth, kIconHeight, kWhite);
        DrawIcon(icon, picture, mask);
        written = picture.Write(folder / (std::string("MB") + icon.name + ".bmp")) && written;
        written = mask.Write(folder / (std::string("MK") + icon.name + ".bmp")) && written;
    }
    if (!written) {
        std::fprintf(stderr, "%s: could not write the bitmaps into %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
