#include "program/calc/calc_tax.h"

#include "program/calc/src/federal_tax.h"
#include "program/calc/src/state_tax.h"

namespace calc {

void CalcTax::Initialize() {
    *this = CalcTax();
}

void CalcTax::Calculate() {
    if (income_ == 0 || taxYear_ == 0) {
        taxFederal_ = 0;
        taxState_ = 0;
        maxFedBracket_ = 0;
        maxStateBracket_ = 0;
        taxYear_ = 0;
        return;
    }
    taxFederal_ = FederalTax(income_, filingStatus_, exemptions_, maxFedBracket_, taxYear_);
    taxState_ = StateTax({income_, state_, filingStatus_, exemptions_, taxFederal_, maxFedBracket_},
                         maxStateBracket_);
    if (taxFederal_ < 0) {
        taxFederal_ = 0;
    }
    if (taxState_ < 0) {
        taxState_ = 0;
    }
}

} // namespace calc
