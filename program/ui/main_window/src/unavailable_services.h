// The report output and the store of a program that has neither yet: every request that would
// need one says so in a message, and nothing pretends to have printed or saved.
#pragma once

#include "program/ui/main_window/illustration_store.h"
#include "program/ui/main_window/report_output.h"

#include <memory>

namespace forms {
class Application;
}

namespace ui {

std::unique_ptr<ReportOutput> MakeUnavailableReportOutput(forms::Application& app);
std::unique_ptr<IllustrationStore> MakeUnavailableIllustrationStore(forms::Application& app);

} // namespace ui
