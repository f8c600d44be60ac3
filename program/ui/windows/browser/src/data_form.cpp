#include "program/ui/windows/browser/data_form.h"

#include "program/store/illustration_file.h"
#include "program/store/illustration_record.h"
#include "program/ui/main_window/main_form.h"
#include "program/ui/main_window/src/form_record.h"
#include "program/ui/support/src/text_helpers.h"

#include "platform/forms/application.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <vector>

namespace ui {

namespace {

constexpr const char* kReadError = "Error Reading Database";
constexpr const char* kWriteError = "Error Writing to Database";
// A pause this long in typing starts a new type-ahead search.
constexpr int kTypeAheadPauseMs = 1000;

enum Column { kName, kDate, kType, kPlanType, kPlan, kYear, kDistribution, kRecord, kColumns };

// What a row shows of each illustration type: the name, plan name and year fields.
struct TypeColumns {
    const char* typeText;
    std::array<const char*, 3> nameTags; // first, middle, last
    const char* planNameTag;
    const char* yearTag;
    bool yearIsLastFour; // the year is the last four characters of the date in `yearTag`
    bool showsDistribution;
};

const std::array<TypeColumns, 4> kTypeColumns = {{
    {"RMD", {"8-PartFirst", "8-PartMiddle", "8-PartLast"}, "8-PlanName0", "3-Year0", false, true},
    {"RMBD", {"8-BeneFirst", "8-BeneMiddle", "8-BeneLast"}, "8-PlanName1", "3-Year1", false, true},
    {"SEPP",
     {"8-EqualFirst", "8-EqualMiddle", "8-EqualLast"},
     "8-EqualPlanName",
     "7-EqualDate",
     true,
     true},
    {"Stretch",
     {"8-StretchPFirst", "8-StretchPMiddle", "8-StretchPLast"},
     "8-StretchPlanName",
     "6-IllustrationDate",
     true,
     false},
}};

// The plan-type texts of the RMD and RMBD records (positions 901-920 and 921-940).
constexpr std::size_t kPlanTypeOffset[2] = {900, 920};
constexpr std::size_t kPlanTypeWidth = 20;

// The trimmed text of a tagged field in a record.
std::string FieldOf(std::string_view record, std::string_view tag,
                    forms::MessageBoxService& messages) {
    const std::optional<store::RecordSlot> slot = store::DataFindPointers(tag, messages);
    const auto offset = static_cast<std::size_t>(slot->position - 1);
    return runtime::Trim(record.substr(offset, static_cast<std::size_t>(slot->width)));
}

std::string LastFour(const std::string& text) {
    return text.size() > 4 ? text.substr(text.size() - 4) : text;
}

std::array<std::string, kColumns> RowOf(std::string_view record, long long position,
                                        forms::MessageBoxService& messages) {
    std::array<std::string, kColumns> row;
    row[kRecord] = std::to_string(position);
    const int type = record[1] - '0';
    if (type < 0 || type >= static_cast<int>(kTypeColumns.size())) {
        return row; // listed so that the user sees it; opening it says what is wrong
    }
    const TypeColumns& columns = kTypeColumns[static_cast<std::size_t>(type)];
    row[kName] = FormatFullName(FieldOf(record, columns.nameTags[0], messages),
                                FieldOf(record, columns.nameTags[1], messages),
                                FieldOf(record, columns.nameTags[2], messages));
    row[kDate] = FieldOf(record, "6-IllustrationDate", messages);
    row[kType] = columns.typeText;
    row[kPlanType] = type < 2 ? runtime::Trim(record.substr(kPlanTypeOffset[type], kPlanTypeWidth))
                              : std::string("IRA");
    row[kPlan] = FieldOf(record, columns.planNameTag, messages);
    const std::string year = FieldOf(record, columns.yearTag, messages);
    row[kYear] = columns.yearIsLastFour ? LastFour(year) : year;
    if (columns.showsDistribution) {
        row[kDistribution] = FieldOf(record, "6-RMD_Amt", messages);
    }
    return row;
}

// The file-error message of a button: the error's number and text under the step's title.
void ShowFileError(forms::MessageBoxService& messages, const runtime::RuntimeError& error,
                   const std::string& title) {
    const std::string prompt = "An error occurred. Type:" + runtime::Str(error.Number()) + ".\r\n" +
                               runtime::ErrorText(error.Number());
    messages.ShowMessageBox(
        forms::MessageBoxRequest::FromStyle(prompt, forms::vbOKOnly + forms::vbCritical, title));
}

} // namespace

frmData::frmData(forms::Application& app, forms::MessageBoxService& messages)
    : forms::Form(app, "frmData"), VSFlexGrid1(*this, "VSFlexGrid1"), cmdOK(*this, "cmdOK"),
      cmdNew(*this, "cmdNew"), cmdCopy(*this, "cmdCopy"), cmdDelete(*this, "cmdDelete"),
      cmdUndelete(*this, "cmdUndelete"), cmdCancel(*this, "cmdCancel"), cmdHelp(*this, "cmdHelp"),
      lblUnreadable(*this, "lblUnreadable"), Timer1(*this, "Timer1"), messages_(messages) {
    DesignWindow();
    Timer1.SetInterval(kTypeAheadPauseMs);
    Timer1.SetEnabled(false);

    Load = [this] {
        SetupGrid();
        FillGrid();
        if (VSFlexGrid1.Rows() > 1) {
            SelectRow(1);
        }
        SetLeft((App().GetScreen().width - Width()) / 2);
        SetTop((App().GetScreen().height - Height()) / 2);
    };
    cmdOK.Click = [this] { OpenSelected(); };
    cmdNew.Click = [this] { NewIllustration(); };
    cmdCopy.Click = [this] { CopySelected(); };
    cmdDelete.Click = [this] { DeleteSelected(); };
    cmdUndelete.Click = [this] { UndeleteAll(); };
    cmdCancel.Click = [this] { forms::UnloadForm(*this); };
    VSFlexGrid1.KeyPress = [this](int& keyAscii) { TypeAhead(keyAscii); };
    Timer1.Tick = [this] {
        prefix_.clear();
        Timer1.SetEnabled(false);
    };
}

bool frmData::ShowFor(frmMain& main) {
    main_ = &main;
    answered_ = false;
    Show(forms::ShowMode::Modal, &main);
    return answered_;
}

void frmData::SetupGrid() {
    VSFlexGrid1.SetCols(kColumns);
    for (int col = 0; col < kColumns; ++col) {
        VSFlexGrid1.SetColumn(col, GridColumns()[static_cast<std::size_t>(col)]);
    }
}

void frmData::FillGrid() {
    std::vector<std::string> records;
    try {
        records = store::ReadIllustrationRecords();
    } catch (const runtime::RuntimeError& error) {
        ShowFileError(messages_, error, kReadError);
    }
    VSFlexGrid1.SetRows(1);
    VSFlexGrid1.SetRedraw(false);
    unreadable_ = store::EndsInPartialRecord() ? 1 : 0;
    for (std::size_t index = 0; index < records.size(); ++index) {
        const std::string& record = records[index];
        if (record.empty() || record[0] != store::kLiveRecord) {
            if (record.empty() || record[0] != store::kDeletedRecord) {
                ++unreadable_;
            }
            continue;
        }
        const int row = VSFlexGrid1.AddRow();
        const auto cells = RowOf(record, static_cast<long long>(index) + 1, messages_);
        for (int col = 0; col < kColumns; ++col) {
            VSFlexGrid1.SetTextMatrix(row, col, cells[static_cast<std::size_t>(col)]);
        }
    }
    VSFlexGrid1.SetRedraw(true);
    if (VSFlexGrid1.Rows() > 1) {
        VSFlexGrid1.SortAscendingIgnoringCase(kName);
    }
    UpdateCaptionAndButtons();
}

void frmData::UpdateCaptionAndButtons() {
    const int rows = VSFlexGrid1.Rows() - 1;
    SetCaption(std::to_string(rows) + " Saved Illustrations");
    for (forms::CommandButton* button : {&cmdOK, &cmdCopy, &cmdDelete}) {
        button->SetEnabled(rows >= 1);
    }
    cmdCancel.SetEnabled(true);
    cmdUndelete.SetEnabled(store::IllustrationRecordCount() > rows);
    lblUnreadable.SetCaption(
        std::to_string(unreadable_) +
        (unreadable_ == 1 ? " record of this file cannot be read; Compact on the Options menu "
                            "will remove it."
                          : " records of this file cannot be read; Compact on the Options menu "
                            "will remove them."));
    lblUnreadable.SetVisible(unreadable_ > 0);
}

void frmData::TypeAhead(int keyAscii) {
    prefix_ += static_cast<char>(std::toupper(static_cast<unsigned char>(keyAscii)));
    Timer1.SetEnabled(true);
    for (int row = 1; row < VSFlexGrid1.Rows(); ++row) {
        std::string name = VSFlexGrid1.TextMatrix(row, kName).substr(0, prefix_.size());
        for (char& c : name) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        if (name == prefix_) {
            SelectRow(row);
            return;
        }
    }
}

long long frmData::SelectedPosition() const {
    const int row = VSFlexGrid1.Row();
    if (row < 1 || row >= VSFlexGrid1.Rows()) {
        return 0;
    }
    return std::stoll(VSFlexGrid1.TextMatrix(row, kRecord));
}

void frmData::SelectRow(int row) {
    VSFlexGrid1.SetRow(row);
    VSFlexGrid1.SetTopRow(row);
}

void frmData::CopySelected() {
    const long long position = SelectedPosition();
    if (position < 1) {
        return;
    }
    const int row = VSFlexGrid1.Row();
    std::string record;
    try {
        record = store::ReadRecord(position);
    } catch (const runtime::RuntimeError& error) {
        ShowFileError(messages_, error, std::string("CmdCopy: ") + kReadError);
        return;
    }
    try {
        store::AppendCopy(std::move(record), messages_);
    } catch (const runtime::RuntimeError& error) {
        ShowFileError(messages_, error, std::string("CmdCopy: ") + kWriteError);
        return;
    }
    FillGrid();
    SelectRow(row);
}

void frmData::DeleteSelected() {
    const long long position = SelectedPosition();
    if (position < 1) {
        return;
    }
    const int row = VSFlexGrid1.Row();
    try {
        store::DeleteRecord(position);
    } catch (const runtime::RuntimeError& error) {
        ShowFileError(messages_, error, std::string("CmdDelete: ") + kReadError);
        return;
    }
    FillGrid();
    const int lastRow = VSFlexGrid1.Rows() - 1;
    if (row > 1 && lastRow >= 1) {
        SelectRow(std::min(row, lastRow));
    }
}

void frmData::UndeleteAll() {
    const int row = VSFlexGrid1.Row();
    std::string file;
    try {
        file = store::ReadIllustrationFile();
    } catch (const runtime::RuntimeError& error) {
        ShowFileError(messages_, error, kReadError);
        return;
    }
    try {
        store::UndeleteRecords(std::move(file));
    } catch (const runtime::RuntimeError& error) {
        ShowFileError(messages_, error, kWriteError);
        return;
    }
    FillGrid();
    if (row >= 1 && row < VSFlexGrid1.Rows()) {
        SelectRow(row);
    }
}

void frmData::OpenSelected() {
    const long long position = SelectedPosition();
    if (position < 1 || main_ == nullptr) {
        return;
    }
    std::string record;
    try {
        record = store::ReadRecord(position);
    } catch (const runtime::RuntimeError& error) {
        ShowFileError(messages_, error, std::string("CmdOK: ") + kReadError);
        return;
    }
    if (LoadRecordIntoForm(*main_, record, position, messages_)) {
        answered_ = true;
        forms::UnloadForm(*this);
    }
}

void frmData::NewIllustration() {
    if (main_ != nullptr) {
        main_->Store().NewIllustration(*main_);
        answered_ = true;
    }
    forms::UnloadForm(*this);
}

} // namespace ui
