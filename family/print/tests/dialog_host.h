// A host for the library's modal dialogs in the tests: a window that owns them, records the help
// messages it receives, and runs a step of the test on its dialog once the dialog shows, from
// within the messages the dialog's work dispatches. While a host lives, message boxes are
// answered with Enter and their captions kept.
#pragma once

#include "platform/win32/windows.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace pressel_test {

class DialogHost {
public:
    DialogHost();
    ~DialogHost();
    DialogHost(const DialogHost&) = delete;
    DialogHost& operator=(const DialogHost&) = delete;

    HWND Window() const { return window_; }

    // Runs `act` once on the first visible window the host owns, as soon as one shows.
    void WhenDialogShows(std::function<void(HWND dialog)> act);

    // The captions of the message boxes shown so far.
    std::vector<std::string> captions;
    // UM_HELPFOUND and UM_HELPCONTEXT as received, with their wParam.
    std::vector<std::pair<UINT, WPARAM>> helpMessages;

private:
    static LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::function<void(HWND)> act_;
};

} // namespace pressel_test
