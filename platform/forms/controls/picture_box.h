// The picture box: shows a picture and holds controls.
#pragma once

#include "platform/forms/control.h"
#include "platform/forms/picture.h"

#include <string>

namespace forms {

struct PictureBoxProperties {
    Picture picture;
    bool autoSize = false;
};

class PictureBox final : public ControlWith<PictureBoxProperties> {
public:
    PictureBox(Form& form, std::string name);

    ControlKind Kind() const override { return ControlKind::PictureBox; }

    const forms::Picture& GetPicture() const;
    // With AutoSize on, the box takes the picture's size (15 twips a pixel).
    void SetPicture(forms::Picture picture);
    // The runtime's Picture = LoadPicture(path); the errors of LoadPicture.
    void LoadPictureFile(const std::string& path);
    bool AutoSize() const;
    void SetAutoSize(bool autoSize);
    // The inside of the box in twips.
    int ScaleWidth() const { return Width(); }
    int ScaleHeight() const { return Height(); }
    bool TakesFocus() const override { return true; }

    // What a user's click does: raises Click.
    void Press() { Raise(Click); }

    Event<> Click;

private:
    void FitPicture();
};

} // namespace forms
