// What a user gives a line edit through Qt's own ways, for the skin's tests: a paste from the
// edit's context menu and a drop of text on it.
#pragma once

#include <QString>

class QWidget;

namespace forms::qt::testing {

// Opens the edit's context menu at its top left and chooses Paste; false when no menu with a
// Paste came up.
bool PasteFromTheEditMenu(QWidget& edit);
// Drags text over the edit and drops it near its top left.
void DropText(QWidget& edit, const QString& text);

} // namespace forms::qt::testing
