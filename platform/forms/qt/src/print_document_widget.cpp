#include "platform/forms/qt/src/print_document_widget.h"

#include <QPixmap>
#include <QScrollBar>
#include <QVBoxLayout>

#include "platform/qt/text.h"

namespace forms::qt {

namespace {

constexpr int kPageGapPixels = 12;

} // namespace

PrintDocumentWidget::PrintDocumentWidget(QWidget* parent)
    : QScrollArea(parent), pagesHolder_(new QWidget), status_(new QLabel) {
    auto* layout = new QVBoxLayout(pagesHolder_);
    layout->setSpacing(kPageGapPixels);
    layout->setContentsMargins(kPageGapPixels, kPageGapPixels, kPageGapPixels, kPageGapPixels);
    layout->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    layout->addWidget(status_);
    status_->setAlignment(Qt::AlignCenter);
    status_->hide();
    setWidget(pagesHolder_);
    setWidgetResizable(true);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackgroundRole(QPalette::Dark);
}

void PrintDocumentWidget::Show(const std::vector<std::string>& pages,
                               const std::string& statusText) {
    status_->setText(qtkit::FromWindows1252(statusText));
    status_->setVisible(!statusText.empty());
    if (pages != shown_) {
        for (QLabel* label : PageLabels()) {
            delete label;
        }
        for (const std::string& page : pages) {
            QPixmap pixmap;
            pixmap.loadFromData(reinterpret_cast<const uchar*>(page.data()),
                                static_cast<uint>(page.size()), "PNG");
            auto* label = new QLabel(pagesHolder_);
            label->setObjectName("page");
            label->setPixmap(pixmap);
            pagesHolder_->layout()->addWidget(label);
        }
        shown_ = pages;
        // A new document is read from the top left of its first page, wherever the last one
        // was scrolled to.
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
    }
    for (QLabel* label : PageLabels()) {
        label->setVisible(statusText.empty());
    }
}

QList<QLabel*> PrintDocumentWidget::PageLabels() const {
    return pagesHolder_->findChildren<QLabel*>("page", Qt::FindDirectChildrenOnly);
}

} // namespace forms::qt
