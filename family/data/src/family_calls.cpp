#include "family/data/src/family_calls.h"

namespace dorrick::family {

namespace {

// The result the running dialog ended with; one modal dialog runs at a time.
LRESULT dialogResult = 0;

} // namespace

LRESULT RunModalDialog(HWND owner, std::string_view /*templateName*/, DialogProcedure procedure,
                       LPARAM parameter) {
    dialogResult = 0;
    procedure(owner, kInitDialog, 0, parameter);
    procedure(owner, kStartWork, 0, parameter);
    procedure(owner, kDestroy, 0, 0);
    return dialogResult;
}

void EndDialog(HWND /*dialog*/, LRESULT result) {
    dialogResult = result;
}

void ShowProgress(HWND /*dialog*/, int /*percent*/) {}

int MessageBox(HWND /*owner*/, std::string_view /*text*/, std::string_view /*caption*/,
               unsigned /*style*/) {
    return kIdMessageOk;
}

void AnswerHelpQuery(HWND /*dialog*/, WPARAM /*wParam*/, int /*context*/) {}

} // namespace dorrick::family
