// The picture box in the skin: its picture is decoded for the screen when the picture changes,
// not at every other change of the box.
#include "platform/forms/controls/picture_box.h"

#include "platform/forms/qt/skin.h"
#include "platform/forms/qt/testing/pictures.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QLabel>

namespace {

using namespace forms;
using namespace forms::qt;

// The program's one QApplication is registered by skin_test.cpp.

struct PictureForm : Form {
    explicit PictureForm(Application& app) : Form(app, "frmPicture") {
        Move(0, 0, 6000, 4500);
        picGraph.Move(120, 120, 3000, 2000);
    }
    PictureBox picGraph{*this, "picGraph"};
};

// A BMP picture of `width` x 1 pixels, all of `colour`.
Picture OneRow(int width, Qt::GlobalColor colour) {
    QImage image(width, 1, QImage::Format_RGB32);
    image.fill(colour);
    return *Picture::FromBytes(forms::qt::testing::PictureFileBytes(image, "BMP"));
}

TEST(PictureBoxTest, APictureIsDecodedWhenItChangesNotWhenTheBoxMoves) {
    Application app;
    Skin skin{app};
    PictureForm& form = app.Create<PictureForm>();
    form.Show();
    QCoreApplication::processEvents();
    auto* label = dynamic_cast<QLabel*>(skin.WidgetOf(form.picGraph));
    ASSERT_NE(label, nullptr);

    const Picture red = OneRow(3, Qt::red);
    form.picGraph.SetPicture(red);
    QCoreApplication::processEvents();
    ASSERT_FALSE(label->pixmap().isNull());
    EXPECT_EQ(label->pixmap().toImage().pixel(1, 0), 0xFFFF0000u);
    const qint64 decoded = label->pixmap().cacheKey();

    // Moved and given the same picture again: the picture shown is the one decoded before.
    form.picGraph.Move(240, 240, 3000, 2000);
    form.picGraph.SetPicture(red);
    QCoreApplication::processEvents();
    EXPECT_EQ(label->pixmap().cacheKey(), decoded);

    form.picGraph.SetPicture(OneRow(4, Qt::blue));
    QCoreApplication::processEvents();
    EXPECT_EQ(label->pixmap().width(), 4);
    EXPECT_EQ(label->pixmap().toImage().pixel(2, 0), 0xFF0000FFu);

    form.picGraph.SetPicture({});
    QCoreApplication::processEvents();
    EXPECT_TRUE(label->pixmap().isNull());
}

} // namespace
