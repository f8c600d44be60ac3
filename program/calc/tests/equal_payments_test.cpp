#include "program/calc/equal_payments.h"

#include "program/calc/tests/field_writes_lookup.h"

#include <gtest/gtest.h>

namespace {

using namespace calc;

// A planholder who is 70 on December 31, 2010, without a spouse, at 5 percent.
EqualPaymentInputs Seventy() {
    EqualPaymentInputs in;
    in.calculationDate = "4/1/2010";
    in.birthDate = "02/10/1940";
    in.rmdAccountValue = "$100,000";
    in.fixedAccountValue = "100,000";
    in.interestRate = "5.00%";
    in.planName = "Plan";
    in.chosenOption = 1;
    in.planholderName = "Ann Lee";
    in.representativeLine = "Ann B. Lee \\bullet  Agency\\par ";
    return in;
}

TEST(EqualPaymentsTest, SevenOptionsAtSeventy) {
    const EqualPaymentResult result = CalculateEqualPayments(Seventy(), FactorLibrary::Program());
    ExpectWritten(result.writes, {{"R-Factor1", "17.0"},
                                  {"R-Factor2", "27.4"},
                                  {"R-Factor3", "1.0"},
                                  {"R-Payment1", "$5,882.35"},
                                  {"R-Payment2", "$3,649.64"},
                                  {"R-Payment3", "$100,000.00"},
                                  // Amortization over 17.0 and 27.4 years; over 1.0 year.
                                  {"R-Payment4", "$8,869.91"},
                                  {"R-Payment5", "$6,781.24"},
                                  {"R-Payment6", "$105,000.00"},
                                  // Annuity factor about 11.33417.
                                  {"R-Payment7", "$8,822.88"},
                                  {"R-IRSPen", "~S"},
                                  {"R-RBD", "~@"},
                                  {"R-BT", "1"},
                                  {"R-Age", "70"},
                                  {"R-BeneDOB", ""},
                                  {"R-YYYY", "2010"},
                                  {"R-YYY1", "2009"},
                                  {"R-CalcDate", "April 1, 2010"},
                                  {"R-PHDOB", "February 10, 1940"},
                                  {"R-PlanValue", "$100,000"},
                                  {"R-PValue", "$100,000"},
                                  {"R-AA", "5.00%"},
                                  {"R-PlanName", "Plan"},
                                  {"R-PHName", "Ann Lee"},
                                  {"R-1", " "},
                                  {"R-2", " X"},
                                  {"R-3", " "},
                                  {"R-7", " "},
                                  {"6-RMD_Amt", "$3,649.64"},
                                  {"R-NameAgent", "Ann B. Lee "},
                                  {"R-Aname", "Ann B. Lee \\bullet  Agency\\par "}});
    EXPECT_EQ(result.calculationYear, "2010");
}

TEST(EqualPaymentsTest, ASpouseGivesTheJointDivisor) {
    EqualPaymentInputs in = Seventy();
    in.spouseBirthDate = "6/1/1945";
    const EqualPaymentResult result = CalculateEqualPayments(in, FactorLibrary::Program());
    // Ages 70 and 65: joint-and-last-survivor 22.9... at the actual ages.
    const illustration::FieldWrites& w = result.writes;
    EXPECT_EQ(Written(w, "R-RBD"), "~J");
    EXPECT_EQ(Written(w, "R-BT"), "65");
    EXPECT_EQ(Written(w, "R-BeneDOB"), "June 1, 1945");
    EXPECT_NE(Written(w, "R-Factor3"), "1.0");
}

TEST(EqualPaymentsTest, RmdOnlyLeavesTheFixedPaymentsAtZero) {
    EqualPaymentInputs in = Seventy();
    in.rmdOnly = true;
    const EqualPaymentResult result = CalculateEqualPayments(in, FactorLibrary::Program());
    ExpectWritten(result.writes, {{"R-IRSPen", "~K"},
                                  {"R-Payment4", "$0.00"},
                                  {"R-Payment5", "$0.00"},
                                  {"R-Payment6", "$0.00"},
                                  {"R-Payment7", "$0.00"},
                                  {"R-AA", "5.00%"},
                                  {"R-PValue", "$100,000"}});
}

TEST(EqualPaymentsTest, PaymentsKeepTheirCents) {
    EqualPaymentInputs in = Seventy();
    in.rmdAccountValue = "2000000";
    in.chosenOption = 0;
    const EqualPaymentResult result = CalculateEqualPayments(in, FactorLibrary::Program());
    // 2000000 / 17.0 = 117647.0588: $117,647.06, also as the chosen amount.
    ExpectWritten(result.writes, {{"R-Payment1", "$117,647.06"}, {"6-RMD_Amt", "$117,647.06"}});
}

TEST(EqualPaymentsTest, NoAnnuityPaymentFrom115) {
    EqualPaymentInputs in = Seventy();
    in.birthDate = "01/01/1894";
    in.chosenOption.reset();
    const EqualPaymentResult result = CalculateEqualPayments(in, FactorLibrary::Program());
    ExpectWritten(result.writes, {{"R-Age", "116"},
                                  {"R-Payment7", "$0.00"},
                                  // A code in place of the single-life divisor counts as 1.0.
                                  {"R-Factor1", "1.0"},
                                  {"R-Payment1", "$100,000.00"},
                                  {"6-RMD_Amt", ""}});
}

TEST(EqualPaymentsTest, TheAgentNameNeedsASeparatorAfterTheFirstCharacter) {
    EqualPaymentInputs in = Seventy();
    in.representativeLine = " \\bullet  Agency\\par ";
    const EqualPaymentResult result = CalculateEqualPayments(in, FactorLibrary::Program());
    EXPECT_EQ(Written(result.writes, "R-NameAgent"), "(not written)");
    EXPECT_EQ(Written(result.writes, "R-Aname"), " \\bullet  Agency\\par ");
}

TEST(EqualPaymentsTest, WithoutInterestTheBalanceIsSpreadEvenly) {
    EqualPaymentInputs in = Seventy();
    in.interestRate = "0";
    const EqualPaymentResult result = CalculateEqualPayments(in, FactorLibrary::Program());
    // 100000 over 17.0 years, and over 1.0 year.
    ExpectWritten(result.writes, {{"R-Payment4", "$5,882.35"}, {"R-Payment6", "$100,000.00"}});
}

} // namespace
