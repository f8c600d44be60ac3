#include "program/report/pre_process_rtf.h"

#include "output/output.h"
#include "program/report/report_error.h"

#include "platform/automation/interface_pointer.h"
#include "platform/automation/text.h"
#include "platform/automation/variant.h"

#include <string>

namespace report {

namespace {

using automation::Variant;

// The template language of the Stretch template: conditional blocks and repeated tables.
struct MarkerSetting {
    HRESULT (output::ITemplate::*put)(VARIANT);
    const char* text;
};
constexpr MarkerSetting kMarkers[] = {{&output::ITemplate::put_LogicIf, "$#if"},
                                      {&output::ITemplate::put_LogicElse, "$#else"},
                                      {&output::ITemplate::put_LogicEnd, "$#endif"},
                                      {&output::ITemplate::put_TableStart, "$#table"},
                                      {&output::ITemplate::put_TableStop, "$#endtable"},
                                      {&output::ITemplate::put_EntryStart, "$#entry"},
                                      {&output::ITemplate::put_EntryStop, "$#endentry"}};

constexpr const char* kFillFailed = "The Stretch report could not be filled.";

void Check(HRESULT outcome) {
    if (outcome != S_OK) {
        throw ReportError(kFillFailed);
    }
}

// The code a method left in its Error output; 0 when it left none.
std::int32_t ErrorCode(const Variant& error) {
    return error->vt == VT_I4 ? error->lVal : 0;
}

// The text a method left in a text output.
std::string TextOf(const Variant& text) {
    return text->vt == VT_BSTR ? automation::TextFromBstr(text->bstrVal) : std::string();
}

Variant ValueOf(const Substitution& substitution) {
    if (const auto* text = std::get_if<std::string>(&substitution.value)) {
        return Variant::FromText(*text);
    }
    return Variant::FromDouble(std::get<double>(substitution.value));
}

} // namespace

std::string PreProcessRTF(const StretchReportInputs& inputs,
                          const calc::StretchProjection& projection, std::string_view source) {
    // Everything is computed before the object is touched, so that a fault in the projection
    // stops the report before the template is filled.
    const std::vector<Substitution> substitutions = StretchSubstitutions(inputs, projection);
    const std::vector<StretchTable> tables = StretchTables(inputs, projection);

    automation::InterfacePointer<output::ITemplate> fill;
    if (automation::CreateObject(output::CLSID_Template, output::IID_ITemplate, fill) != S_OK) {
        throw ReportError("The report template engine is not available.");
    }
    for (const MarkerSetting& marker : kMarkers) {
        Check((fill.Get()->*marker.put)(*Variant::FromText(marker.text)));
    }
    Variant error;
    Check(fill->TextRead(&error, *Variant::FromText(source)));
    Check(fill->KillInfo(&error));
    for (const Substitution& substitution : substitutions) {
        Check(fill->SubToken(*Variant::FromText(substitution.key), *ValueOf(substitution)));
    }
    Check(fill->DoLogic(&error));
    Check(fill->DoSub(&error));
    for (const StretchTable& table : tables) {
        Check(fill->TableClear());
        for (const std::string& entry : table.entries) {
            Check(fill->TableEntry(*Variant::FromText(entry)));
        }
        Check(fill->DoTable(&error, *Variant::FromText(table.name)));
    }
    Variant filled;
    Check(fill->TextWrite(&error, &filled));
    if (ErrorCode(error) != 0) {
        throw ReportError(kFillFailed);
    }
    return TextOf(filled);
}

} // namespace report
