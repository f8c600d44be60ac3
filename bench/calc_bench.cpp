// The illustration calculations: one calculation of each illustration type through the factor
// library (bound by name, as the program binds it), and one income tax calculation. The
// calculations alone, without the windows; bench-ui measures the main window's entry.
#include "program/calc/beneficiary_rmd.h"
#include "program/calc/calc_tax.h"
#include "program/calc/equal_payments.h"
#include "program/calc/planholder_rmd.h"
#include "program/calc/stretch_calculation.h"
#include "program/ui/main_window/calculate_illustration.h"

#include <benchmark/benchmark.h>

namespace {

using namespace calc;

void BM_PlanholderRmd(benchmark::State& state) {
    PlanholderRmdInputs in;
    in.birthDate = "05/01/1935";
    in.spouseBirthDate = "02/01/1948";
    in.calculationYear = "2010";
    in.yearEndDate = "12/31/2010";
    in.accountValue = "100000";
    in.planType = "IRA";
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalculatePlanholderRmd(in, FactorLibrary::Program()));
    }
}
BENCHMARK(BM_PlanholderRmd);

void BM_BeneficiaryRmd(benchmark::State& state) {
    BeneficiaryRmdInputs in;
    in.deathDate = "03/15/2004";
    in.beneficiaryBirthDate = "06/01/1928";
    in.calculationYear = "2007";
    in.yearEndDate = "12/31/2007";
    in.accountValue = "100000";
    in.planType = "IRA";
    in.survivingSpouse = true;
    in.originalBirthDate = "02/01/1930";
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalculateBeneficiaryRmd(in, FactorLibrary::Program()));
    }
}
BENCHMARK(BM_BeneficiaryRmd);

void BM_EqualPayments(benchmark::State& state) {
    EqualPaymentInputs in;
    in.calculationDate = "04/01/2010";
    in.birthDate = "02/10/1940";
    in.spouseBirthDate = "06/01/1945";
    in.rmdAccountValue = "100000";
    in.fixedAccountValue = "100000";
    in.interestRate = "5.00";
    in.chosenOption = 6;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalculateEqualPayments(in, FactorLibrary::Program()));
    }
}
BENCHMARK(BM_EqualPayments);

// A long projection: 20 planholder years, 10 spouse years, and a young beneficiary who holds
// the account until it is empty.
void BM_Stretch(benchmark::State& state) {
    StretchFields fields;
    fields.rateOfReturn = "6.00";
    fields.accountValue = "250000";
    fields.contribution = "5000";
    fields.contributionYears = "3";
    fields.illustrationDate = "01/05/2010";
    fields.planholderBirthDate = "06/15/1945";
    fields.planholderYears = "20";
    fields.spouseBirthDate = "01/01/1948";
    fields.spouseYears = "30";
    fields.beneficiaryBirthDate = "03/03/1975";
    StretchProjection projection;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalculateStretch(fields, FactorLibrary::Program(), projection));
    }
}
BENCHMARK(BM_Stretch);

void BM_CalcTaxCalculate(benchmark::State& state) {
    CalcTax tax;
    for (auto _ : state) {
        tax.Initialize();
        tax.SetState("NY");
        tax.SetExemptions(2);
        tax.SetFilingStatus(FilingStatus::MarriedFilingJointly);
        tax.SetIncome(50000 + 12345.67);
        tax.SetTaxYear(2009);
        tax.Calculate();
        benchmark::DoNotOptimize(tax.TaxState());
    }
}
BENCHMARK(BM_CalcTaxCalculate);

} // namespace
