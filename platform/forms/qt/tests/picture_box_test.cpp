// The picture box in the skin: its picture is decoded for the screen when the picture changes,
// not at every other change of the box.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QLabel>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/forms/controls/picture_box.h"
#include "platform/forms/qt/skin.h"

namespace forms::qt {
namespace {

// The program's one QApplication is registered by skin_test.cpp.

struct PictureForm : Form {
    explicit PictureForm(Application& app) : Form(app, "frmPicture") {
        Move(0, 0, 6000, 4500);
        picGraph.Move(120, 120, 3000, 2000);
    }
    PictureBox picGraph{*this, "picGraph"};
};

// A 24-bit BMP file of `width` x 1 pixels, all of colour 0xRRGGBB.
std::string OneRowBmp(int width, std::uint32_t colour) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const int fileBytes = 54 + rowBytes;
    std::string bmp(static_cast<std::size_t>(fileBytes), '\0');
    const auto put32 = [&bmp](std::size_t at, std::uint32_t value) {
        for (int byte = 0; byte < 4; ++byte) {
            bmp[at + byte] = static_cast<char>((value >> (8 * byte)) & 0xFF);
        }
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, static_cast<std::uint32_t>(fileBytes));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, 1);
    bmp[26] = 1;  // planes
    bmp[28] = 24; // bits a pixel
    for (int x = 0; x < width; ++x) {
        bmp[54 + 3 * x] = static_cast<char>(colour & 0xFF);
        bmp[54 + 3 * x + 1] = static_cast<char>((colour >> 8) & 0xFF);
        bmp[54 + 3 * x + 2] = static_cast<char>((colour >> 16) & 0xFF);
    }
    return bmp;
}

TEST(PictureBoxTest, APictureIsDecodedWhenItChangesNotWhenTheBoxMoves) {
    Application app;
    Skin skin{app};
    PictureForm& form = app.Create<PictureForm>();
    form.Show();
    QCoreApplication::processEvents();
    auto* label = dynamic_cast<QLabel*>(skin.WidgetOf(form.picGraph));
    ASSERT_NE(label, nullptr);

    std::optional<Picture> red = Picture::FromBytes(OneRowBmp(3, 0xFF0000));
    ASSERT_TRUE(red);
    form.picGraph.SetPicture(*red);
    QCoreApplication::processEvents();
    ASSERT_FALSE(label->pixmap().isNull());
    EXPECT_EQ(label->pixmap().toImage().pixel(1, 0), 0xFFFF0000u);
    const qint64 decoded = label->pixmap().cacheKey();

    // Moved and given the same picture again: the picture shown is the one decoded before.
    form.picGraph.Move(240, 240, 3000, 2000);
    form.picGraph.SetPicture(*red);
    QCoreApplication::processEvents();
    EXPECT_EQ(label->pixmap().cacheKey(), decoded);

    std::optional<Picture> blue = Picture::FromBytes(OneRowBmp(4, 0x0000FF));
    ASSERT_TRUE(blue);
    form.picGraph.SetPicture(*blue);
    QCoreApplication::processEvents();
    EXPECT_EQ(label->pixmap().width(), 4);
    EXPECT_EQ(label->pixmap().toImage().pixel(2, 0), 0xFF0000FFu);

    form.picGraph.SetPicture({});
    QCoreApplication::processEvents();
    EXPECT_TRUE(label->pixmap().isNull());
}

} // namespace
} // namespace forms::qt
