// The main window as far as the calculations use it: the illustration's field array `txtInput`
// over the field model, the controls the calculations read, and the values that input
// validation and the calculations leave in the window between events.
#pragma once

#include "program/illustration/illustration_fields.h"
#include "program/ui/main_window/illustration_store.h"
#include "program/ui/main_window/report_output.h"
#include "program/ui/support/field_suggestions.h"
#include "program/ui/support/program_state.h"
#include "program/ui/windows/representative/rep_info_form.h"

#include "platform/forms/control_array.h"
#include "platform/forms/controls/buttons.h"
#include "platform/forms/controls/frame.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/line.h"
#include "platform/forms/controls/lists.h"
#include "platform/forms/controls/menu.h"
#include "platform/forms/controls/picture_box.h"
#include "platform/forms/controls/print_document_view.h"
#include "platform/forms/controls/resizer.h"
#include "platform/forms/controls/scroll_bar.h"
#include "platform/forms/controls/tab_control.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/controls/timer.h"
#include "platform/forms/form.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// The entries of the graph list as the window is designed: a series for each phase of the
// Stretch projection, the spouse's only while a spouse is not skipped, then all years.
inline constexpr std::array<const char*, 4> kGraphSeries = {"Planholder", "Spouse Beneficiary",
                                                            "Non-Spouse Beneficiary", "All Years"};

// What a successful input validation leaves in the window for the calculation of the current
// illustration type.
struct ValidatedInputs {
    std::string name{};               // the planholder's (the beneficiary's for RMBD) display name
    std::string birthDate{};          // "7-PartDOB", or "7-BeneDOB" for RMBD
    std::string spouseBirthDate{};    // "7-SpouseDOB" with the joint choice, else empty
    std::string deathDate{};          // "7-DD0", or empty
    std::string calculationYear{};    // "3-Year0" or "3-Year1"; the 72(t) calculation sets its own
    std::string accountValue{};       // the cleaned account value
    std::string planType{};           // the plan type list's text
    std::string yearAfterDeathDate{}; // set by the RMBD calculation
};

class frmMain : public forms::Form {
public:
    frmMain(forms::Application& app, ProgramState& program);

    ProgramState& Program() const { return program_; }
    // The model behind `txtInput`: writing either one updates the other. The window's own
    // handlers keep that binding: the Change handler of `txtInput` calls FieldTextChanged, and
    // the Load handler calls ShowFields (a loaded form's controls start from their design
    // texts, while the model keeps the illustration). A handler the window puts in their place
    // calls them first.
    illustration::IllustrationFields& Fields() { return fields_; }
    const illustration::IllustrationFields& Fields() const { return fields_; }
    void FieldTextChanged(int index);
    void ShowFields();

    // Field access by tag on this window's fields; unknown tags show their message under the
    // program's title. A value set into an input replaces any example validation put there.
    std::string GetField(std::string_view tag) const;
    void SetField(std::string_view value, std::string_view tag);
    std::int16_t SetIndex(std::string_view tag);

    // For the RMD illustration: the retirement date is open only for plan types beginning "4";
    // otherwise it is emptied, disabled and greyed.
    void UpdatePlanRetDateField();
    // 1: make sure the graph list offers the spouse's series; 0: remove it.
    void RefreshGraphList(std::int16_t& show);

    // The window's controls, declared as one table in main_form_design.cpp: the arrays' elements
    // are made first and placed by the table, the other controls are made by it.
    forms::ControlArray<forms::TextBox> txtInput;
    forms::ControlArray<forms::ComboBox> cmboPlanType;    // 0 RMD, 1 beneficiary RMD
    forms::ControlArray<forms::OptionButton> optUseJoint; // 0 "Yes", 1 "No": the joint table
    forms::ControlArray<forms::OptionButton> optEqualPmt; // 0 to 6
    forms::ControlArray<forms::Label> lblEqualPmt;        // 0 to 6
    forms::ControlArray<forms::CommandButton> cmdCalc;    // 0 planholder, 1 spouse
    forms::ControlArray<forms::Label> lblInput; // the inputs' caption labels, by field index
    forms::ControlArray<forms::Label> Label3;   // "* Required fields" on tabs 0 to 3; 4 the graph's
    forms::ControlArray<forms::Resizer> ElasticOne2; // the pages of tabs 0 to 5
    forms::ControlArray<forms::Frame> Frame1;        // the input frames

private:
    // The controls the window's control table made, found by name as the members below bind
    // them.
    struct DesignedControls {
        std::vector<forms::Control*> controls;
        template <class T>
        T& Named(std::string_view name) const {
            for (forms::Control* control : controls) {
                if (control->Name() == name) {
                    return dynamic_cast<T&>(*control);
                }
            }
            throw std::logic_error("the main window declares no control " + std::string(name));
        }
    };
    DesignedControls designed_;

public:
    forms::Resizer& ElasticOne1;
    forms::Line& Line1;
    forms::Line& Line2;
    forms::TabControl& TabOne1; // 0 Planholder to 5 Graph; input tab = type
    forms::CheckBox& chkSurvivingSpouse;
    forms::CommandButton& cmdToday;
    forms::CheckBox& chkRMDOnce;
    forms::CommandButton& cmdIRS;
    forms::CheckBox& chkSkipSpouse;
    forms::ComboBox& cmboState;
    forms::CheckBox& chkRoth;
    forms::PrintDocumentView& VSPrinter1; // the composed report's pages, on the Report tab
    forms::PictureBox& picGraph;
    forms::ListBox& lstGraph;
    forms::HScrollBar& hScrollGraph;
    forms::CheckBox& chkBackground;
    forms::CheckBox& chkTopView;
    forms::CheckBox& chkGrayScale;
    forms::Timer& Timer1;
    forms::Menu& mnuFile;
    forms::Menu& mnuFileNew;
    forms::Menu& mnuFileNewRBD;
    forms::Menu& mnuFileNewEqual;
    forms::Menu& mnuFileNewStretch;
    forms::Menu& mnuNul1;
    forms::Menu& mnuFileLoad;
    forms::Menu& mnuFileSave;
    forms::Menu& mnuNul2;
    forms::Menu& mnuFilePrint;
    forms::Menu& mnuNul0; // above the PDF item, hidden with it
    forms::Menu& mnuFileExportPDF;
    forms::Menu& mnuNul3;
    forms::Menu& mnuFileExit;
    forms::Menu& mnuReport;
    forms::Menu& mnuReportCover;
    forms::Menu& mnuReportWrenhall;
    forms::Menu& mnuReportGraph;
    forms::Menu& mnuReportLedger;
    forms::Menu& mnuReportTaxes;
    forms::Menu& mnuOptions;
    forms::Menu& mnuOptionsAdvisor;
    forms::Menu& mnuOptionsCompact;
    forms::Menu& mnuOptionsNul00; // above the floppy items, hidden with them
    forms::Menu& mnuOptionsBackup;
    forms::Menu& mnuOptionsRestore;
    forms::Menu& mnuOptionsNul01; // above the Internet items, hidden with them
    forms::Menu& mnuOptionsInternetBackup;
    forms::Menu& mnuOptionsInternetRestore;
    forms::Menu& mnuDebugMode;
    forms::Menu& mnuHelp;
    forms::Menu& mnuHelpContents;
    forms::Menu& mnuHelpQuickStart;
    forms::Menu& mnuHelpFAQ;
    forms::Menu& mnuHelpSupport;
    forms::Menu& mnuHelpUpdate;
    forms::Menu& mnuHelpNul0;
    forms::Menu& mnuHelpAbout;

    ValidatedInputs validated;
    bool DetailedCalculations = false;
    // The representative's name, agency, address and contacts, rebuilt by every calculation.
    std::string RepresentativeLine;
    // Left by the Stretch calculation for the report.
    int PlanholderLE = 0;
    int SpouseLE = 0;
    int LastYearIndex = 0;
    int BeneLastYearIndex = 0;

    // The saved-illustration browser once the program has one: validation is silent while it
    // shows.
    const forms::Form* DataBrowser = nullptr;
    // The representative window the calculation reads; the payment options calculate.
    const frmRepInfo* RepInfo = nullptr;
    // Warnings that validation shows once in the window's life.
    bool RateWarned = false;
    bool SpouseWarned = false;
    // The examples validation put into the fields it found wrong.
    FieldSuggestions Suggestions;
    // The field a failed check is moving the focus to, until it has it (-1: none). The focus
    // events of the controls the focus passes on the way are no edits of the user's.
    int ValidationFocus = -1;

    // Set by Form_Load: the smallest window the layout serves (a smaller one is laid out for
    // it), the last input index, the INI file of the window's placement.
    int MinFormWidth = 0;
    int MinFormHeight = 0;
    int LastInputIndex = 0;
    std::filesystem::path IniPath;

    // Where the output chains and the stored data go; until SetServices names others, both
    // say that they are not available.
    void SetServices(ReportOutput& output, IllustrationStore& store);
    ReportOutput& Output() const { return *output_; }
    IllustrationStore& Store() const { return *store_; }

    // The window's procedures that other windows call.
    void SetupIllustrationType();
    // The Unload event's work: with `askFirst`, the exit question; then the save question,
    // the placement and the end of the program. False when the user stays.
    bool ExitProgram(bool askFirst);
    // The graph page under the window's size, before the graph is drawn: the picture as wide as
    // the page allows at 4:3, the list, scroll bar, check boxes and hint under it.
    void LayOutGraphPage();

private:
    std::unique_ptr<ReportOutput> unavailableOutput_;
    std::unique_ptr<IllustrationStore> unavailableStore_;
    ReportOutput* output_;
    IllustrationStore* store_;
    // Set once the saved-illustration browser has been shown at start.
    bool browserAnswered_ = false;
    // Set once the window has been laid out at its minimum height or taller.
    bool heightLaidOut_ = false;

    // Makes the arrays' elements and loads the control table.
    std::vector<forms::Control*> DesignWindow();
    void WireWindowEvents();
    void WireControlEvents();
    void WireMenus();
    void FormLoad();
    void FormPaint();
    void FormResize();
    // The hint lines of the input tabs under the last frame of their tab.
    void PlaceHintLines();

    void ShowFieldMessage(const std::string& text);

    ProgramState& program_;
    illustration::IllustrationFields fields_;
};

} // namespace ui
