// The saved-illustration browser: the live records of the illustration file in a grid, sorted by
// name, with type-ahead on the name, and the buttons that open, start, copy, delete and undelete
// illustrations.
//
// A row's hidden "Record" cell holds the record's position in the file, and every button acts
// on that position: the number stored inside a record may be stale (an old copy, a file put
// together by hand), its place in the file never is.
//
// Records the grid cannot list (a status that is neither live nor deleted, a partial record at
// the file's end) are counted on the line under the grid, which says that compaction removes
// them; the line is hidden while there are none.
#pragma once

#include "platform/forms/controls/buttons.h"
#include "platform/forms/controls/grid.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/timer.h"
#include "platform/forms/form.h"
#include "platform/forms/message_box.h"

#include <span>
#include <string>

namespace ui {

class frmMain;

class frmData : public forms::Form {
public:
    frmData(forms::Application& app, forms::MessageBoxService& messages);

    // Shows the browser modally over `main`, whose illustration its buttons open and start.
    // True when one was opened or started; false when the browser was left without either.
    bool ShowFor(frmMain& main);

    forms::Grid VSFlexGrid1;
    forms::CommandButton cmdOK;
    forms::CommandButton cmdNew;
    forms::CommandButton cmdCopy;
    forms::CommandButton cmdDelete;
    forms::CommandButton cmdUndelete;
    forms::CommandButton cmdCancel;
    forms::CommandButton cmdHelp;
    forms::Label lblUnreadable;
    // Empties the type-ahead prefix after a pause in typing.
    forms::Timer Timer1;

    void SetupGrid();
    void FillGrid();
    void UpdateCaptionAndButtons();
    // Selects the first row whose name begins with the prefix typed so far and `keyAscii`.
    void TypeAhead(int keyAscii);
    const std::string& TypeAheadPrefix() const { return prefix_; }

private:
    // Loads the control table; the grid's columns, in the order of the row's cells.
    void DesignWindow();
    static std::span<const forms::GridColumn> GridColumns();
    // The record position of the selected row; 0 when no row is selected.
    long long SelectedPosition() const;
    void SelectRow(int row);
    void CopySelected();
    void DeleteSelected();
    void UndeleteAll();
    void OpenSelected();
    void NewIllustration();

    forms::MessageBoxService& messages_;
    frmMain* main_ = nullptr;
    bool answered_ = false;
    std::string prefix_;
    // The records of the file that the grid does not list, as FillGrid last counted them.
    long long unreadable_ = 0;
};

} // namespace ui
