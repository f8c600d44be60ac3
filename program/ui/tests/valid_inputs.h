// Inputs of each illustration type that pass every check of their type on 06/15/2011, the day
// the window tests fix the clock to.
#pragma once

#include "program/illustration/illustration_type.h"

#include <map>
#include <string>

namespace ui {

using Fields = std::map<std::string, std::string>;

inline const Fields kValidRmd = {{"8-PartFirst", "John"},  {"8-PartMiddle", "Q"},
                                 {"8-PartLast", "Sample"}, {"7-PartDOB", "03/15/1940"},
                                 {"3-Year0", "2011"},      {"6-AcctValue0", "$100,000"}};
inline const Fields kValidRmbd = {
    {"8-BeneFirst", "Sally"},       {"8-BeneLast", "Sample"}, {"7-BeneDOB", "12/07/1941"},
    {"7-DD1", "05/01/2008"},        {"3-Year1", "2011"},      {"6-AcctValue1", "50000"},
    {"7-OriginalDOB", "02/02/1938"}};
inline const Fields kValidEqual = {
    {"8-EqualFirst", "John"},         {"8-EqualLast", "Sample"},
    {"7-EqualDOB", "01/01/1950"},     {"8-EqualPlanName", "IRA Plan"},
    {"7-EqualDate", "06/01/2011"},    {"6-EqualAcctValue1", "$100,000"},
    {"6-EqualAcctValue2", "100000"},  {"1-EqualROR", "4.00%"},
    {"7-EqualSpouseDOB1", "1/1/1952"}};
inline const Fields kValidStretch = {
    {"8-StretchPFirst", "John"},      {"8-StretchPLast", "Sample"},
    {"7-StretchPDOB", "01/01/1950"},  {"2-StretchPLEO", "20"},
    {"8-StretchSFirst", "Susan"},     {"8-StretchSLast", "Sample"},
    {"7-StretchSDOB", "01/01/1955"},  {"2-StretchSLEO", "25"},
    {"8-StretchBFirst", "Jack"},      {"8-StretchBLast", "Sample"},
    {"7-StretchBDOB", "01/01/1990"},  {"8-StretchPlanName", "IRA Plan"},
    {"6-StretchAcctValue", "100000"}, {"6-StretchAcctCont", "0"},
    {"1-StretchROR", "8.00%"}};

inline const Fields& ValidInputs(illustration::IllustrationType type) {
    switch (type) {
    case illustration::IllustrationType::PlanholderRmd:
        return kValidRmd;
    case illustration::IllustrationType::BeneficiaryRmd:
        return kValidRmbd;
    case illustration::IllustrationType::EqualPayments:
        return kValidEqual;
    default:
        return kValidStretch;
    }
}

} // namespace ui
