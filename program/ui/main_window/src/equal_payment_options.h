// The S&EPP tab's seven payment choices: enabled when their inputs are there, captioned with
// the amounts the calculation gives them.
#pragma once

#include "program/calc/factor_library.h"
#include "program/ui/main_window/main_form.h"

namespace ui {

// With chkRMDOnce checked only the three RMD-method choices apply (the amortization balance and
// rate are set to "0" and closed); otherwise all seven do. Choices are enabled when the first
// name and the balances (and rate) they need are there; enabled choices on a showing S&EPP tab
// get their amounts from a validated calculation ("R-Payment1" to "R-Payment7"), others show
// "0.00". Without a beneficiary date of birth the joint choices are closed, and a selected joint
// choice moves to the single-life choice of its group. A selected choice that ends closed is
// cleared.
void RefreshEqualPaymentOptions(frmMain& main,
                                calc::FactorLibrary& factors = calc::FactorLibrary::Program());

} // namespace ui
