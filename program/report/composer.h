// What report production hands to the composition of the pages: the filled rich text of one
// report and what decorates its pages. The composer lays the text out on the print document
// (pictures, logos and a footer on every page) and keeps the finished document for the screen,
// the printer and the PDF export, until the next report replaces it.
//
// Report production fills the text and draws the Stretch graph first; the composer only reads
// what it is given and the files named here.
#pragma once

#include "program/illustration/illustration_type.h"

#include <filesystem>
#include <memory>
#include <string>

namespace report {

// The Stretch report's section switches (the report menu's check marks). Other types ignore
// them.
struct ReportSections {
    bool cover = false;
    bool wrenhall = false;
    bool taxes = false;
    bool ledger = false;
    bool graph = false;
};

// A drawn Stretch graph (graph_production.h): the bytes of its BMP file, shared by everything
// that shows it.
using GraphPicture = std::shared_ptr<const std::string>;

struct Composition {
    illustration::IllustrationType type = illustration::IllustrationType::None;
    // The filled report text: rich text, Windows-1252, with no template token left.
    std::string richText;
    ReportSections sections;
    // Stretch: the tax page is part of the text (its section is on and there is a balance to
    // compare). Its pictures are placed only then, and the ledger pages follow it.
    bool taxPage = false;
    // The resource archive the pictures and logos are read from, and the work folder of the
    // report's files.
    std::filesystem::path resourceArchive;
    std::filesystem::path workFolder;
    // The Stretch graph, when its section is on; none otherwise.
    GraphPicture graph;
    // The document's name, which titles the PDF file and names the print job: the program's
    // file description.
    std::string documentName;
    // The footer: the illustration date as a long date ("January 5, 2004"), and the program's
    // label and version ("Tallowmere Version 1.4").
    std::string illustrationDate;
    std::string programLabel;
    int majorVersion = 0;
    int minorVersion = 0;
};

// Composition, printing and export of the report document. Each member throws ReportError
// (report_error.h) with the message to show when it fails; a failed composition leaves no
// document behind, so nothing half-composed is printed or exported.
class Composer {
public:
    virtual ~Composer() = default;

    // Lays out a new document from `composition`, replacing the previous one.
    virtual void Compose(const Composition& composition) = 0;
    // The number of pages of the composed document; 0 when there is none.
    virtual int PageCount() const = 0;
    // The printer Print prints on: the user's default printer; empty when none is chosen.
    virtual std::string PrinterName() const = 0;
    // Prints the composed document on the user's default printer.
    virtual void Print() = 0;
    // Writes the composed document as a PDF file at `path`, replaced atomically.
    virtual void ExportPdf(const std::filesystem::path& path) = 0;
};

} // namespace report
