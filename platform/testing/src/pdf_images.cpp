#include "platform/testing/pdf_images.h"

#include "platform/testing/outside_tool.h"

#include <gtest/gtest.h>

#include <sstream>

namespace testkit {

std::vector<PdfImageUse> ReadPdfImages(const std::filesystem::path& pdf) {
    const ToolRun run = RunTool({"pdfimages", "-list", pdf.string()});
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    // "page num type width height color comp bpc enc interp object ID ...", after two heading
    // lines that hold no number first.
    std::vector<PdfImageUse> uses;
    std::istringstream lines(run.output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        PdfImageUse use;
        std::string number;
        std::string type;
        std::string color;
        std::string components;
        std::string bits;
        std::string interpolated;
        if (fields >> use.page >> number >> type >> use.width >> use.height >> color >>
            components >> bits >> use.encoding >> interpolated >> use.object) {
            uses.push_back(use);
        }
    }
    return uses;
}

} // namespace testkit
