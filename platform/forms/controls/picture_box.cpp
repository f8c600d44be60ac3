#include "platform/forms/controls/picture_box.h"

#include "platform/forms/application.h"

namespace forms {

PictureBox::PictureBox(Form& form, std::string name) : ControlWith(form, std::move(name)) {
    SetBackColor(Color::kButtonFace);
    SetTabStop(false);
}

const Picture& PictureBox::GetPicture() const {
    Touch();
    return p_.picture;
}

void PictureBox::SetPicture(forms::Picture picture) {
    Touch();
    p_.picture = std::move(picture);
    FitPicture();
    Changed();
}

void PictureBox::LoadPictureFile(const std::string& path) {
    SetPicture(LoadPicture(path));
}

bool PictureBox::AutoSize() const {
    return Get(&PictureBoxProperties::autoSize);
}

void PictureBox::SetAutoSize(bool autoSize) {
    Touch();
    p_.autoSize = autoSize;
    FitPicture();
    Changed();
}

void PictureBox::FitPicture() {
    if (!p_.autoSize || p_.picture.IsEmpty()) {
        return;
    }
    const Screen& screen = App().GetScreen();
    SetWidth(p_.picture.WidthPixels() * screen.twipsPerPixelX);
    SetHeight(p_.picture.HeightPixels() * screen.twipsPerPixelY);
}

} // namespace forms
