#include "program/report/substitute_rtf.h"

#include "program/calc/rich_text_escape.h"

#include "platform/runtime/date_parse.h"

#include <algorithm>
#include <array>

namespace report {

namespace {

// The most blocks one marker removes, and the most occurrences of one tag replaced.
constexpr int kRepetitionsPerField = 10;

// Fields whose text the calculations write as rich text: the representative line with its
// bullets and paragraph break, and the planholder's dates with the date of death on a line of
// its own.
constexpr std::array<std::string_view, 3> kRichTextTags = {"R-Aname", "R-NameAgent", "R-PHDOB"};

// The last report field: the one before the first element after 101 with an empty tag.
int LastReportField(const illustration::IllustrationFields& fields) {
    int index = illustration::kFirstReportField + 1;
    while (illustration::IllustrationFields::Exists(index) && !fields.Tag(index).empty()) {
        ++index;
    }
    return index - 1;
}

void RemoveBlocks(std::string& text, const std::string& marker) {
    for (int removed = 0; removed < kRepetitionsPerField; ++removed) {
        const std::size_t open = text.find(marker);
        if (open == std::string::npos) {
            return;
        }
        const std::size_t close = text.find(marker, open + 1);
        if (close == std::string::npos) {
            return;
        }
        text.erase(open + 1, close + marker.size() - (open + 1));
    }
}

void ReplaceTag(std::string& text, std::string_view tag, const std::string& value) {
    for (int replaced = 0; replaced < kRepetitionsPerField; ++replaced) {
        // Each replacement searches from the start again, so a value holding its own tag is
        // found once more: the bound of ten ends that.
        const std::size_t at = text.find(tag);
        if (at == std::string::npos) {
            return;
        }
        text.replace(at, tag.size(), value);
    }
}

} // namespace

std::string TemplateMember(illustration::IllustrationType type, std::string_view spouseBirthDate) {
    using illustration::IllustrationType;
    switch (type) {
    case IllustrationType::PlanholderRmd:
        return runtime::IsDate(spouseBirthDate) ? "RMDPartSpouse.rtf" : "RMDPartNone.rtf";
    case IllustrationType::BeneficiaryRmd:
        return "RMDBene.rtf";
    case IllustrationType::EqualPayments:
        return "Equal.rtf";
    case IllustrationType::Stretch:
        return "Stretch.rtf";
    case IllustrationType::None:
    default:
        return {};
    }
}

std::string SubstituteRTF(std::string templateText,
                          const illustration::IllustrationFields& fields) {
    const int last = LastReportField(fields);
    for (int index = illustration::kFirstReportField; index <= last; ++index) {
        const std::string& text = fields.Text(index);
        if (!text.empty() && text.front() == '~') {
            RemoveBlocks(templateText, text);
        }
    }
    for (int index = illustration::kFirstReportField; index <= last; ++index) {
        const std::string_view tag = fields.Tag(index);
        if (tag.empty()) {
            continue;
        }
        const bool richText =
            std::find(kRichTextTags.begin(), kRichTextTags.end(), tag) != kRichTextTags.end();
        ReplaceTag(templateText, tag,
                   richText ? fields.Text(index) : calc::EscapeRichText(fields.Text(index)));
    }
    return templateText;
}

} // namespace report
