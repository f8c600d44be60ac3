// The main window's report step for tests that drive the window: it records what the output
// chains asked for and produces nothing, so that no "not available" box interrupts them.
#pragma once

#include "program/ui/main_window/report_output.h"

#include <filesystem>

namespace ui {

// The report step of the output chains: counts the reports asked for and draws nothing.
struct RecordedReports : ReportOutput {
    bool ProduceReport(frmMain&, calc::StretchProjection&, bool) override {
        ++reports;
        return true;
    }
    void DrawGraph(frmMain&, calc::StretchProjection&) override { ++graphs; }
    void PrintReport(frmMain&) override {}
    void ExportPdf(frmMain&, const std::filesystem::path&) override {}

    int reports = 0;
    int graphs = 0;
};

} // namespace ui
