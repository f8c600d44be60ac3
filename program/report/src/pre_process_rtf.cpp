#include "program/report/pre_process_rtf.h"

#include "program/report/report_error.h"

#include "output/output.h"
#include "platform/automation/interface_pointer.h"
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

// The Template object's error codes for a file that could not be read or written.
constexpr std::int32_t kReadFailure = 1011;
constexpr std::int32_t kWriteFailure = 1021;

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

Variant ValueOf(const Substitution& substitution) {
    if (const auto* text = std::get_if<std::string>(&substitution.value)) {
        return Variant::FromText(*text);
    }
    return Variant::FromDouble(std::get<double>(substitution.value));
}

} // namespace

void PreProcessRTF(const StretchReportInputs& inputs, const calc::StretchProjection& projection,
                   const std::filesystem::path& source, const std::filesystem::path& target) {
    // Everything is computed before the object is touched, so that a fault in the projection
    // stops the report before any file is written.
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
    Check(fill->FileRead(&error, *Variant::FromText(source.string())));
    if (ErrorCode(error) == kReadFailure) {
        throw ReportError("The report template " + source.filename().string() +
                          " could not be read.");
    }
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
    Check(fill->FileWrite(&error, *Variant::FromText(target.string())));
    if (ErrorCode(error) == kWriteFailure) {
        throw ReportError("The filled report " + target.filename().string() +
                          " could not be written.");
    }
}

} // namespace report
