#include "platform/forms/controls/print_document_view.h"

namespace forms {

PrintDocumentView::PrintDocumentView(Form& form, std::string name)
    : ControlWith(form, std::move(name)) {}

const std::vector<Image>& PrintDocumentView::Pages() const {
    return Get(&PrintDocumentViewProperties::pages);
}

void PrintDocumentView::SetPages(std::vector<Image> pages) {
    Set(&PrintDocumentViewProperties::pages, std::move(pages));
}

int PrintDocumentView::PageCount() const {
    return static_cast<int>(Pages().size());
}

const std::string& PrintDocumentView::StatusText() const {
    return Get(&PrintDocumentViewProperties::statusText);
}

void PrintDocumentView::SetStatusText(std::string text) {
    Set(&PrintDocumentViewProperties::statusText, std::move(text));
}

} // namespace forms
