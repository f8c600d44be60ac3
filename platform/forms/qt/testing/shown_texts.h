// The texts a widget of the skin shows, each measured in the font the widget draws it with and
// set against the room the widget's style leaves it, so that a test can tell that no caption,
// amount, list item, tab or column title of a window is clipped.
#pragma once

#include <QSize>
#include <QString>

#include <vector>

class QWidget;

namespace forms::qt::testing {

struct ShownText {
    QString text; // as drawn: access-key ampersands are not counted
    QSize needed; // pixels the text takes; wrapped to the room where the widget wraps it
    QSize room;   // pixels the widget leaves for it
    bool Fits() const { return needed.width() <= room.width() && needed.height() <= room.height(); }
};

// Every non-empty text `widget` shows: the caption of a label, button, check box, option button
// or frame; the text of a text box; each item of a combo or list box; the caption of each
// visible tab of a tab bar; the title and each cell of each visible column of a table. Other
// widgets show none.
std::vector<ShownText> ShownTexts(const QWidget& widget);

} // namespace forms::qt::testing
