#include "program/calc/calculate_illustration.h"

#include "program/calc/beneficiary_rmd.h"
#include "program/calc/equal_payments.h"
#include "program/calc/planholder_rmd.h"
#include "program/calc/representative_line.h"
#include "program/calc/stretch_calculation.h"

#include "platform/forms/application.h"
#include "platform/forms/message_box.h"
#include "platform/runtime/date_format.h"
#include "platform/system/clock.h"

namespace calc {

namespace {

RepresentativeInfo ReadRepresentative(const ui::frmRepInfo& repInfo) {
    const auto text = [&](int index) { return repInfo.txtInput(index).Text(); };
    RepresentativeInfo info;
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

std::string TodayText() {
    const auto today = sys::Today();
    const auto date = runtime::Date::FromParts(
        static_cast<int>(today.year()), static_cast<int>(static_cast<unsigned>(today.month())),
        static_cast<int>(static_cast<unsigned>(today.day())));
    return runtime::FormatDate(date.value(), "MM/DD/YYYY");
}

void Write(ui::frmMain& main, const FieldWrites& writes) {
    for (const FieldWrite& write : writes) {
        main.SetField(write.value, write.tag);
    }
}

void ShowDetails(ui::frmMain& main, const std::optional<CalculationDetails>& details) {
    if (details) {
        main.App().MsgBox(details->text, forms::vbOKOnly | forms::vbInformation, details->title);
    }
}

void CalculatePlanholder(ui::frmMain& main, const std::string& yearEndDate,
                         FactorLibrary& factors) {
    PlanholderRmdInputs in;
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
    const PlanholderRmdResult result = CalculatePlanholderRmd(in, factors);
    ShowDetails(main, result.details);
    Write(main, result.writes);
}

void CalculateBeneficiary(ui::frmMain& main, const std::string& yearEndDate,
                          FactorLibrary& factors) {
    BeneficiaryRmdInputs in;
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
    const BeneficiaryRmdResult result = CalculateBeneficiaryRmd(in, factors);
    if (result.error) {
        main.App().MsgBox(*result.error, forms::vbOKOnly);
        return;
    }
    main.validated.birthDate = result.beneficiaryBirthDate;
    main.validated.yearAfterDeathDate = result.yearAfterDeathDate;
    ShowDetails(main, result.details);
    Write(main, result.writes);
}

void CalculateEqual(ui::frmMain& main, FactorLibrary& factors) {
    EqualPaymentInputs in;
    in.calculationDate = main.GetField("7-EqualDate");
    in.birthDate = main.GetField("7-EqualDOB");
    in.spouseBirthDate = main.GetField("7-EqualSpouseDOB1");
    in.rmdAccountValue = main.GetField("6-EqualAcctValue1");
    in.fixedAccountValue = main.GetField("6-EqualAcctValue2");
    in.interestRate = main.GetField("1-EqualROR");
    in.planName = main.GetField("8-EqualPlanName");
    in.rmdOnly = main.chkRMDOnce.Value() != forms::vbUnchecked;
    for (int option = 0; option < kPaymentOptions && !in.chosenOption; ++option) {
        if (main.optEqualPmt(option).Value()) {
            in.chosenOption = option;
        }
    }
    in.planholderName = main.validated.name;
    in.representativeLine = main.RepresentativeLine;
    const EqualPaymentResult result = CalculateEqualPayments(in, factors);
    main.validated.calculationYear = result.calculationYear;
    Write(main, result.writes);
}

void CalculateStretch(ui::frmMain& main, StretchProjection& projection, FactorLibrary& factors) {
    StretchFields fields;
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
    const StretchResult result = calc::CalculateStretch(fields, factors, projection);
    main.PlanholderLE = result.planholderLE;
    main.SpouseLE = result.spouseLE;
    main.LastYearIndex = result.lastYearIndex;
    main.BeneLastYearIndex = result.beneLastYearIndex;
    std::int16_t showSpouse = result.spousePhase ? 1 : 0;
    main.RefreshGraphList(showSpouse);
}

} // namespace

void CalculateIllustration(ui::frmMain& main, const ui::frmRepInfo& repInfo,
                           StretchProjection& result, FactorLibrary& factors) {
    main.UpdatePlanRetDateField();
    main.RepresentativeLine = BuildRepresentativeLine(ReadRepresentative(repInfo));
    main.SetField(main.validated.calculationYear, "R-YYYY");
    const std::string yearEndDate = "12/31/" + main.validated.calculationYear;
    if (!main.Program().IllustrationSaved) {
        main.SetField(TodayText(), "6-IllustrationDate");
    }
    switch (main.Program().IllustrationType) {
    case 0:
        result.ResetToSingleElement();
        CalculatePlanholder(main, yearEndDate, factors);
        break;
    case 1:
        result.ResetToSingleElement();
        CalculateBeneficiary(main, yearEndDate, factors);
        break;
    case 2:
        CalculateEqual(main, factors);
        break;
    case 3:
        CalculateStretch(main, result, factors);
        break;
    default:
        break;
    }
}

} // namespace calc
