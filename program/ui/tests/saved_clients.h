// The clients of a representative's day, each prepared in the main window as she prepares it:
// the fields typed and the choices made in the order the window lets her, through the driver.
#pragma once

#include "program/ui/tests/program_session.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace ui {

using illustration::IllustrationType;

inline constexpr int kGraphTab = 5;

// A client as a representative prepares one: the File menu's New item of the type, then the
// fields typed and the choices made in the order the window lets her.
struct Client {
    const char* name;
    IllustrationType type;
    std::function<void(ProgramSession&)> prepare;
};

inline forms::Menu& NewItem(frmMain& main, IllustrationType type) {
    switch (type) {
    case IllustrationType::PlanholderRmd:
        return main.mnuFileNew;
    case IllustrationType::BeneficiaryRmd:
        return main.mnuFileNewRBD;
    case IllustrationType::EqualPayments:
        return main.mnuFileNewEqual;
    default:
        return main.mnuFileNewStretch;
    }
}

inline void TypeAll(ProgramSession& s,
                    const std::vector<std::pair<std::string, std::string>>& fields) {
    for (const auto& [tag, text] : fields) {
        s.Type(tag, text);
    }
}

inline void TypeRmd(ProgramSession& s, const char* first) {
    TypeAll(s, {{"8-PartFirst", first},
                {"8-PartLast", "Kim"},
                {"7-PartDOB", "03/15/1940"},
                {"8-PlanName0", "Acme Savings"},
                {"3-Year0", "2011"},
                {"6-AcctValue0", "320000"}});
}

inline void TypeRmbd(ProgramSession& s, const char* first) {
    TypeAll(s, {{"8-BeneFirst", first},
                {"8-BeneLast", "Moreno"},
                {"7-BeneDOB", "12/07/1941"},
                {"8-PlanName1", "Inherited Account"},
                {"7-DD1", "05/01/2008"},
                {"3-Year1", "2011"},
                {"6-AcctValue1", "210000"}});
}

// A 72(t) client with a beneficiary; the payment option chosen with its amount on screen.
inline Client EqualClient(const char* name, int option, bool rmdOnce) {
    return {name, IllustrationType::EqualPayments, [option, rmdOnce](ProgramSession& s) {
                TypeAll(s, {{"8-EqualFirst", "Linda"},
                            {"8-EqualLast", "Park"},
                            {"7-EqualDOB", "04/04/1950"},
                            {"7-EqualSpouseDOB1", "12/12/1952"},
                            {"8-EqualPlanName", "Park Rollover"},
                            {"7-EqualDate", "06/01/2011"},
                            {"6-EqualAcctValue1", "400000"}});
                if (rmdOnce) {
                    s.driver.Click(s.main.chkRMDOnce);
                } else {
                    TypeAll(s, {{"6-EqualAcctValue2", "400000"}, {"1-EqualROR", "4.5"}});
                    s.driver.PressTab(); // the rate left opens the options
                }
                s.driver.Click(s.main.optEqualPmt(option));
            }};
}

// The graph page's choices of a Stretch client, made on the graph page once it shows.
struct GraphChoices {
    const char* entry;
    bool background = false;
    bool grayScale = false;
    bool topView = false;
    int scroll = 0; // 0: the bar is not moved
};

inline void ChooseOnTheGraphPage(ProgramSession& s, const GraphChoices& graph) {
    s.driver.ChooseTab(s.main.TabOne1, kGraphTab);
    ASSERT_TRUE(s.main.Timer1.Enabled()) << "the graph page found the inputs wrong";
    s.driver.Tick(s.main.Timer1);
    s.driver.ChooseItem(s.main.lstGraph, graph.entry);
    const std::pair<forms::CheckBox*, bool> boxes[] = {{&s.main.chkBackground, graph.background},
                                                       {&s.main.chkGrayScale, graph.grayScale},
                                                       {&s.main.chkTopView, graph.topView}};
    for (const auto& [box, on] : boxes) {
        if (on) {
            s.driver.Click(*box);
        }
    }
    if (graph.scroll != 0) {
        s.driver.Scroll(s.main.hScrollGraph, graph.scroll);
    }
}

// A Stretch client: a spouse unless skipped, the state (none with the tax page off), Roth, and
// the graph page's choices.
inline Client StretchClient(const char* name, bool skip, const char* state, bool roth,
                            GraphChoices graph) {
    return {name, IllustrationType::Stretch, [=](ProgramSession& s) {
                TypeAll(s, {{"8-StretchPFirst", "Harold"},
                            {"8-StretchPLast", "Brennan"},
                            {"7-StretchPDOB", "02/11/1948"},
                            {"2-StretchPLEO", "20"}});
                if (skip) {
                    s.driver.Click(s.main.chkSkipSpouse);
                } else {
                    TypeAll(s, {{"8-StretchSFirst", "Frances"},
                                {"8-StretchSLast", "Brennan"},
                                {"7-StretchSDOB", "01/20/1955"},
                                {"2-StretchSLEO", "28"}});
                }
                TypeAll(s, {{"8-StretchBFirst", "Megan"},
                            {"8-StretchBLast", "Brennan"},
                            {"7-StretchBDOB", "09/23/1980"},
                            {"8-StretchPlanName", "Brennan IRA"},
                            {"6-StretchAcctValue", "500000"},
                            {"1-StretchROR", "5.5"}});
                if (*state != '\0') {
                    s.driver.ChooseItem(s.main.cmboState, state);
                } else if (s.main.mnuReportTaxes.Checked()) {
                    s.driver.ChooseMenuItem(s.main.mnuReportTaxes);
                }
                if (roth) {
                    s.driver.Click(s.main.chkRoth);
                }
                ChooseOnTheGraphPage(s, graph);
            }};
}

// Every type, and every choice that changes the window: Skip with each graph entry, the graph
// page's boxes and scroll bar, a state of each kind (the first, a taxed one, an untaxed one,
// the district, the last, none), Roth, the joint table with and without a spouse, the 401(k)
// retirement date, the beneficiary's surviving spouse and Roth plan, each payment option and
// the annual recalculation.
inline std::vector<Client> Clients() {
    return {
        StretchClient("Skip, All Years", true, "NY", true, {"All Years", false, true, true, 28}),
        {"RMD, joint with a spouse", IllustrationType::PlanholderRmd,
         [](ProgramSession& s) {
             s.driver.Click(s.main.optUseJoint(0));
             TypeRmd(s, "Walter");
             s.Type("7-SpouseDOB", "07/04/1955");
         }},
        {"RMD, 401(k) retired", IllustrationType::PlanholderRmd,
         [](ProgramSession& s) {
             s.driver.ChooseItem(s.main.cmboPlanType(0), "401(k)");
             TypeRmd(s, "Nora");
             s.Type("7-PlanRetDate", "12/31/2010");
         }},
        {"RMD, not joint after a spouse date, died", IllustrationType::PlanholderRmd,
         [](ProgramSession& s) {
             s.driver.ChooseItem(s.main.cmboPlanType(0), "SIMPLE IRA");
             s.driver.Click(s.main.optUseJoint(0));
             TypeRmd(s, "Otto");
             s.Type("7-SpouseDOB", "07/04/1955");
             s.driver.Click(s.main.optUseJoint(1));
             s.Type("7-DD0", "05/05/2011");
         }},
        {"RMBD, surviving spouse", IllustrationType::BeneficiaryRmd,
         [](ProgramSession& s) {
             s.driver.Click(s.main.chkSurvivingSpouse);
             TypeRmbd(s, "Grace");
             s.Type("7-OriginalDOB", "01/05/1939");
         }},
        {"RMBD, Roth IRA", IllustrationType::BeneficiaryRmd,
         [](ProgramSession& s) {
             s.driver.ChooseItem(s.main.cmboPlanType(1), "Roth IRA");
             TypeRmbd(s, "Paul");
         }},
        {"RMBD, 401(k)", IllustrationType::BeneficiaryRmd,
         [](ProgramSession& s) {
             s.driver.ChooseItem(s.main.cmboPlanType(1), "401(k)");
             TypeRmbd(s, "Rita");
         }},
        EqualClient("SEPP, RMD single life", 0, false),
        EqualClient("SEPP, RMD uniform", 1, false),
        EqualClient("SEPP, RMD joint", 2, false),
        EqualClient("SEPP, fixed single life", 3, false),
        EqualClient("SEPP, fixed uniform", 4, false),
        EqualClient("SEPP, fixed joint", 5, false),
        EqualClient("SEPP, annuitization", 6, false),
        EqualClient("SEPP, annual recalculation", 1, true),
        StretchClient("spouse, Planholder", false, "AL", false, {"Planholder", false, false, true}),
        StretchClient("spouse, Spouse Beneficiary", false, "CA", false,
                      {"Spouse Beneficiary", true, false, false, 80}),
        StretchClient("spouse, Non-Spouse Beneficiary", false, "TX", true,
                      {"Non-Spouse Beneficiary", false, true, false}),
        StretchClient("spouse, All Years", false, "DC", false, {"All Years", true, true, true, 60}),
        StretchClient("Skip, Planholder", true, "PR", false, {"Planholder", true, false, false}),
        StretchClient("Skip, Non-Spouse Beneficiary", true, "", true,
                      {"Non-Spouse Beneficiary", false, false, true, 30}),
    };
}

// A client with every choice away from the window's design, as one the user was typing when
// she chose to open another: a Stretch client with the spouse skipped, the Roth, a state, every
// graph box and the bar where the client's graph left its range and thumb, and the choices of
// the other types' tabs as the last client of each type left them.
inline void ChangeEveryChoice(ProgramSession& s) {
    s.driver.ChooseMenuItem(s.main.mnuFileNewStretch);
    frmMain& main = s.main;
    for (forms::CheckBox* box : {&main.chkSkipSpouse, &main.chkRoth}) {
        s.driver.Click(*box);
    }
    s.driver.ChooseItem(main.cmboState, "WY");
    main.lstGraph.SetListIndex(main.lstGraph.ListCount() - 1); // "All Years"
    for (forms::CheckBox* box : {&main.chkBackground, &main.chkGrayScale, &main.chkTopView,
                                 &main.chkRMDOnce, &main.chkSurvivingSpouse}) {
        box->SetValue(forms::vbChecked);
    }
    main.hScrollGraph.SetMin(70);
    main.hScrollGraph.SetMax(92);
    main.hScrollGraph.SetValue(85);
    main.cmboPlanType(0).SetListIndex(main.cmboPlanType(0).ListCount() - 1);
    main.cmboPlanType(1).SetListIndex(1);
    main.optUseJoint(0).SetValue(true);
    main.optEqualPmt(6).SetValue(true);
    s.program.IllustrationSaved = false;
}

} // namespace ui
