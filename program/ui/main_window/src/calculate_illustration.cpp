#include "program/ui/main_window/calculate_illustration.h"

#include "program/calc/beneficiary_rmd.h"
#include "program/calc/equal_payments.h"
#include "program/calc/planholder_rmd.h"
#include "program/calc/representative_line.h"
#include "program/calc/stretch_calculation.h"
#include "program/ui/support/src/field_kind.h"

#include "platform/forms/application.h"
#include "platform/forms/message_box.h"
#include "platform/runtime/date_format.h"
#include "platform/system/clock.h"

namespace ui {

calc::RepresentativeInfo ReadRepresentative(const frmRepInfo& repInfo) {
    const auto text = [&](int index) { return repInfo.txtInput(index).Text(); };
    calc::RepresentativeInfo info;
    info.firstName = text(0);
    info.middleInitial = text(1);
    info.lastName = text(2);
    info.agency = text(4);
    info.workPhone = text(5);
    info.mobilePhone = text(6);
    info.fax = text(7);
    info.email = text(8);
    info.street = text(9);
    info.city = text(10);
    info.zip = text(11);
    info.state = repInfo.cmboState.Text();
    return info;
}

namespace {

std::string TodayText() {
    const auto today = sys::Today();
    const auto date = runtime::Date::FromParts(
        static_cast<int>(today.year()), static_cast<int>(static_cast<unsigned>(today.month())),
        static_cast<int>(static_cast<unsigned>(today.day())));
    return runtime::FormatDate(date.value(), "MM/DD/YYYY");
}

void Write(frmMain& main, const illustration::FieldWrites& writes) {
    for (const illustration::FieldWrite& write : writes) {
        main.SetField(write.value, write.tag);
    }
}

void ShowDetails(frmMain& main, const std::optional<illustration::CalculationDetails>& details) {
    if (details) {
        main.App().MsgBox(details->text, forms::vbOKOnly | forms::vbInformation, details->title);
    }
}

void CalculatePlanholder(frmMain& main, const std::string& yearEndDate,
                         calc::FactorLibrary& factors) {
    calc::PlanholderRmdInputs in;
    in.birthDate = main.validated.birthDate;
    in.spouseBirthDate = main.GetField("7-SpouseDOB");
    in.deathDate = main.validated.deathDate;
    in.calculationYear = main.validated.calculationYear;
    in.yearEndDate = yearEndDate;
    in.accountValue = main.validated.accountValue;
    in.planType = main.validated.planType;
    in.planName = main.GetField("8-PlanName0");
    in.retirementDate = main.GetField("7-PlanRetDate");
    in.planholderName = main.validated.name;
    in.representativeLine = main.RepresentativeLine;
    in.detailedMode = main.DetailedCalculations;
    const calc::PlanholderRmdResult result = calc::CalculatePlanholderRmd(in, factors);
    ShowDetails(main, result.details);
    Write(main, result.writes);
}

void CalculateBeneficiary(frmMain& main, const std::string& yearEndDate,
                          calc::FactorLibrary& factors) {
    calc::BeneficiaryRmdInputs in;
    in.deathDate = main.GetField("7-DD1");
    in.beneficiaryBirthDate = main.validated.birthDate;
    in.beneficiaryName = main.validated.name;
    in.calculationYear = main.validated.calculationYear;
    in.yearEndDate = yearEndDate;
    in.accountValue = main.validated.accountValue;
    in.planType = main.validated.planType;
    in.planName = main.GetField("8-PlanName1");
    in.survivingSpouse = main.chkSurvivingSpouse.Value() == forms::vbChecked;
    if (in.survivingSpouse) {
        in.originalBirthDate = main.GetField("7-OriginalDOB");
    }
    in.representativeLine = main.RepresentativeLine;
    in.detailedMode = main.DetailedCalculations;
    const calc::BeneficiaryRmdResult result = calc::CalculateBeneficiaryRmd(in, factors);
    if (result.error) {
        main.App().MsgBox(*result.error, forms::vbOKOnly);
        return;
    }
    main.validated.birthDate = result.beneficiaryBirthDate;
    main.validated.yearAfterDeathDate = result.yearAfterDeathDate;
    ShowDetails(main, result.details);
    Write(main, result.writes);
}

void CalculateEqual(frmMain& main, calc::FactorLibrary& factors) {
    calc::EqualPaymentInputs in;
    in.calculationDate = main.GetField("7-EqualDate");
    in.birthDate = main.GetField("7-EqualDOB");
    in.spouseBirthDate = main.GetField("7-EqualSpouseDOB1");
    in.rmdAccountValue = main.GetField("6-EqualAcctValue1");
    in.fixedAccountValue = main.GetField("6-EqualAcctValue2");
    in.interestRate = RateAsShown(main.GetField("1-EqualROR"));
    in.planName = main.GetField("8-EqualPlanName");
    in.rmdOnly = main.chkRMDOnce.Value() != forms::vbUnchecked;
    for (int option = 0; option < calc::kPaymentOptions && !in.chosenOption; ++option) {
        if (main.optEqualPmt(option).Value()) {
            in.chosenOption = option;
        }
    }
    in.planholderName = main.validated.name;
    in.representativeLine = main.RepresentativeLine;
    const calc::EqualPaymentResult result = calc::CalculateEqualPayments(in, factors);
    main.validated.calculationYear = result.calculationYear;
    Write(main, result.writes);
}

void CalculateStretch(frmMain& main, calc::StretchProjection& projection,
                      calc::FactorLibrary& factors) {
    calc::StretchFields fields;
    fields.rateOfReturn = main.GetField("1-StretchROR");
    fields.accountValue = main.GetField("6-StretchAcctValue");
    fields.contribution = main.GetField("6-StretchAcctCont");
    fields.contributionYears = main.GetField("2-StretchContYrs");
    fields.illustrationDate = main.GetField("6-IllustrationDate");
    fields.roth = main.chkRoth.Value() == forms::vbChecked;
    fields.planholderBirthDate = main.GetField("7-StretchPDOB");
    fields.planholderYears = main.GetField("2-StretchPLEO");
    fields.spouseBirthDate = main.GetField("7-StretchSDOB");
    fields.spouseYears = main.GetField("2-StretchSLEO");
    fields.beneficiaryBirthDate = main.GetField("7-StretchBDOB");
    const calc::StretchResult result = calc::CalculateStretch(fields, factors, projection);
    main.PlanholderLE = result.planholderLE;
    main.SpouseLE = result.spouseLE;
    main.LastYearIndex = result.lastYearIndex;
    main.BeneLastYearIndex = result.beneLastYearIndex;
    std::int16_t showSpouse = result.spousePhase ? 1 : 0;
    main.RefreshGraphList(showSpouse);
}

} // namespace

void CalculateIllustration(frmMain& main, const frmRepInfo& repInfo,
                           calc::StretchProjection& result, calc::FactorLibrary& factors) {
    main.UpdatePlanRetDateField();
    main.RepresentativeLine = calc::BuildRepresentativeLine(ReadRepresentative(repInfo));
    main.SetField(main.validated.calculationYear, "R-YYYY");
    const std::string yearEndDate = "12/31/" + main.validated.calculationYear;
    if (!main.Program().IllustrationSaved) {
        main.SetField(TodayText(), "6-IllustrationDate");
    }
    using illustration::IllustrationType;
    switch (main.Program().IllustrationType) {
    case IllustrationType::PlanholderRmd:
        result.ResetToSingleElement();
        CalculatePlanholder(main, yearEndDate, factors);
        break;
    case IllustrationType::BeneficiaryRmd:
        result.ResetToSingleElement();
        CalculateBeneficiary(main, yearEndDate, factors);
        break;
    case IllustrationType::EqualPayments:
        CalculateEqual(main, factors);
        break;
    case IllustrationType::Stretch:
        CalculateStretch(main, result, factors);
        break;
    case IllustrationType::None:
    default:
        break;
    }
}

} // namespace ui
