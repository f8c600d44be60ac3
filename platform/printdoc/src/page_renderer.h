// Replaying display lists with Cairo: PDF files, page images, printing.
#pragma once

#include "platform/printdoc/src/display_list.h"

namespace printdoc {

// Throw run-time errors on failure; a PDF file is replaced atomically, whole or not at all.
void WritePdfFile(const std::vector<Page>& pages, const std::string& title,
                  const std::filesystem::path& file);
std::string RenderPdfBytes(const std::vector<Page>& pages, const std::string& title);
PageImage RenderPageImage(const Page& page, double dotsPerInch);
void PrintPages(const std::vector<Page>& pages, const std::string& title, std::string_view printer);

} // namespace printdoc
