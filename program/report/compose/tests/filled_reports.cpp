#include "program/report/compose/tests/filled_reports.h"

#include <vector>

namespace compose::testing {

namespace {

const char* const kHead = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}"
                          "{\\f1\\fswiss Arial;}{\\f2\\fmodern Courier New;}}"
                          "{\\info{\\title Client report}{\\author Tallowmere}}"
                          "\\margl1440\\margr1440\\margt720\\margb864\r\n";

std::string Title(const std::string& title) {
    return "\\pard\\plain\\f1\\fs32\\b\\qc\\sa240 " + title + "\\par\r\n";
}

std::string Client() {
    return std::string("\\pard\\plain\\f0\\fs24 Prepared for {\\b ") + kClientName +
           "}\\par\r\nPrepared by " + kRepresentativeLine + "\\par\r\n";
}

// A ledger: year, age and the distribution right-aligned on their stops, the heading underlined.
std::string Ledger(int firstYear, int rows, int firstAmount) {
    std::string text = "\\pard\\plain\\f0\\fs20\\sb120\\tqr\\tx2500\\tqr\\tx6000{\\ul\\b Year\\tab "
                       "Age\\tab Distribution}\\par\r\n";
    for (int row = 0; row < rows; ++row) {
        text += std::to_string(firstYear + row) + "\\tab " + std::to_string(73 + row) + "\\tab $" +
                std::to_string(firstAmount + 731 * row) + ".50\\par\r\n";
    }
    return text;
}

// What a cut block leaves: its opening marker's "~", hidden.
const char* const kCutBlock = "{\\v ~}";

} // namespace

std::string FilledReport(illustration::IllustrationType type,
                         const report::ReportSections& sections, bool taxPage) {
    using illustration::IllustrationType;
    std::string text = kHead;
    switch (type) {
    case IllustrationType::PlanholderRmd:
        text += Title("Required Minimum Distribution Illustration") + Client() +
                Ledger(2024, 12, 18867) + kCutBlock +
                "\\pard\\plain\\f0\\fs18\\qj\\sb240 Distributions must begin by April 1 of the "
                "year after the planholder reaches the required beginning age.\\par\r\n";
        break;
    case IllustrationType::BeneficiaryRmd:
        text += Title("Beneficiary Required Minimum Distributions") + Client() +
                Ledger(2025, 10, 9412) + kCutBlock;
        break;
    case IllustrationType::EqualPayments:
        text += Title("Substantially Equal Periodic Payments") + Client() +
                "\\pard\\plain\\f0\\fs22\\tqr\\tx6000 Annual payment\\tab $24,118.00\\par\r\n" +
                Ledger(2024, 5, 24118);
        break;
    case IllustrationType::Stretch: {
        std::vector<std::string> pages;
        if (sections.cover) {
            pages.push_back(Title("The Stretch Projection") + Client());
        }
        if (sections.wrenhall) {
            pages.push_back(Title("Why Stretch the Account") +
                            "\\pard\\plain\\f0\\fs22 Inherited balances may grow tax-deferred "
                            "over the beneficiary's life expectancy.\\par\r\n");
        }
        if (taxPage) {
            pages.push_back(Title("Income Tax Comparison") +
                            "\\pard\\plain\\f0\\fs22\\tqr\\tx6000 Lump sum\\tab $412,500\\par\r\n");
        }
        if (sections.ledger) {
            pages.push_back(Title("Planholder Ledger") + Client() + Ledger(2024, 20, 18867));
            pages.push_back(Title("Beneficiary Ledger") + Ledger(2044, 20, 21004));
        }
        if (sections.graph) {
            pages.push_back(Title("The Account over the Years"));
        }
        for (std::size_t page = 0; page < pages.size(); ++page) {
            text += (page > 0 ? "\\page\r\n" : "") + pages[page];
        }
        text += kCutBlock;
        break;
    }
    case IllustrationType::None:
        break;
    }
    return text + "}";
}

} // namespace compose::testing
