// The print-document view: shows the pages of a composed document (the report on the Report
// tab) one below the other, each as a rendered page image, for the user to scroll through.
// While a document is being composed it shows the document's status text instead.
#pragma once

#include "platform/forms/control.h"
#include "platform/forms/image.h"

#include <string>
#include <vector>

namespace forms {

struct PrintDocumentViewProperties {
    std::vector<Image> pages; // page 1 first
    std::string statusText;
};

class PrintDocumentView final : public ControlWith<PrintDocumentViewProperties> {
public:
    PrintDocumentView(Form& form, std::string name);

    ControlKind Kind() const override { return ControlKind::PrintDocumentView; }

    // The images of the pages shown; none shows an empty view.
    const std::vector<Image>& Pages() const;
    void SetPages(std::vector<Image> pages);
    int PageCount() const;

    // Shown in place of the pages while it is not empty ("Creating Document . . .").
    const std::string& StatusText() const;
    void SetStatusText(std::string text);
};

} // namespace forms
