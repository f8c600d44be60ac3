// The income tax calculator of the Stretch report's tax comparison: the federal and the state
// income tax on an annual income for one tax year, with the rate of the bracket reached under
// each.
//
// One object serves a whole report: set the inputs, Calculate, read the results, and
// Initialize (or set every input again) before the next calculation. Calculate may rewrite
// TaxYear, so a caller sets it before every Calculate.
#pragma once

#include "program/calc/filing_status.h"

#include <cstdint>
#include <string>
#include <utility>

namespace calc {

class CalcTax {
public:
    // Annual income in dollars, before the exemptions are taken off.
    double Income() const { return income_; }
    void SetIncome(double income) { income_ = income; }
    // Two-letter state code.
    const std::string& State() const { return state_; }
    void SetState(std::string state) { state_ = std::move(state); }
    calc::FilingStatus FilingStatus() const { return filingStatus_; }
    void SetFilingStatus(calc::FilingStatus filingStatus) { filingStatus_ = filingStatus; }
    // Number of personal exemptions.
    std::int16_t Exemptions() const { return exemptions_; }
    void SetExemptions(std::int16_t exemptions) { exemptions_ = exemptions; }
    // Rate in percent of the federal bracket the taxable income falls in.
    double MaxFedBracket() const { return maxFedBracket_; }
    void SetMaxFedBracket(double rate) { maxFedBracket_ = rate; }
    // Rate in percent of the state bracket reached.
    double MaxStateBracket() const { return maxStateBracket_; }
    void SetMaxStateBracket(double rate) { maxStateBracket_ = rate; }
    // Federal income tax in dollars, never negative after Calculate.
    double TaxFederal() const { return taxFederal_; }
    void SetTaxFederal(double tax) { taxFederal_ = tax; }
    // State income tax in dollars, never negative after Calculate.
    double TaxState() const { return taxState_; }
    void SetTaxState(double tax) { taxState_ = tax; }
    // The tax year. Calculate sets it to the year after the federal schedules for a year they do
    // not hold, and to 0 when it computes nothing.
    std::int16_t TaxYear() const { return taxYear_; }
    void SetTaxYear(std::int16_t year) { taxYear_ = year; }

    // Sets every number to 0 and the state to empty.
    void Initialize();

    // With a non-zero income and tax year: the federal tax, then the state tax (which reads the
    // federal results), then each negative tax set to 0; the bracket rates keep what the walks
    // left. Otherwise the four results and the tax year are set to 0.
    void Calculate();

private:
    double income_ = 0;
    std::string state_;
    calc::FilingStatus filingStatus_{};
    std::int16_t exemptions_ = 0;
    double maxFedBracket_ = 0;
    double maxStateBracket_ = 0;
    double taxFederal_ = 0;
    double taxState_ = 0;
    std::int16_t taxYear_ = 0;
};

} // namespace calc
