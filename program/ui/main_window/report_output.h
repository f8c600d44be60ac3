// The report, graph, print and PDF steps of the main window's output chains. The window runs
// validation and the calculation itself and hands the rest to this interface, so that the
// windows do not depend on how reports are produced.
#pragma once

#include "program/calc/stretch_projection.h"

#include <filesystem>

namespace ui {

class frmMain;

class ReportOutput {
public:
    virtual ~ReportOutput() = default;

    // Fills the report of the current illustration type and lays it out for screen, printer
    // and PDF; for the Stretch projection with `drawGraph` the graph is drawn first. `work` is
    // the result array the calculation filled. False when no report was produced (the reason
    // has been shown); the chain then stops.
    virtual bool ProduceReport(frmMain& main, calc::StretchProjection& work, bool drawGraph) = 0;
    // Draws the graph of the calculated Stretch projection.
    virtual void DrawGraph(frmMain& main, calc::StretchProjection& work) = 0;
    // Prints the report last produced.
    virtual void PrintReport(frmMain& main) = 0;
    // Writes the report last produced as a PDF file at `path`; a failure is an exception.
    virtual void ExportPdf(frmMain& main, const std::filesystem::path& path) = 0;
};

} // namespace ui
