#include "platform/forms/qt/src/print_document_widget.h"

#include "platform/qt/text.h"

#include <QImage>
#include <QPixmap>
#include <QScrollBar>
#include <QVBoxLayout>

namespace forms::qt {

namespace {

constexpr int kPageGapPixels = 12;

// The page's pixels as they are (opaque 0xAARRGGBB is Qt's RGB32), copied once for the screen.
QPixmap PixmapOf(const Image& page) {
    if (page.IsEmpty()) {
        return {};
    }
    const QImage image(reinterpret_cast<const uchar*>(page.Pixels()), page.Width(), page.Height(),
                       static_cast<qsizetype>(page.Width()) * 4, QImage::Format_RGB32);
    return QPixmap::fromImage(image);
}

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

void PrintDocumentWidget::Show(const std::vector<Image>& pages, const std::string& statusText) {
    status_->setText(qtkit::FromWindows1252(statusText));
    status_->setVisible(!statusText.empty());
    std::size_t kept = 0;
    while (kept < pages.size() && kept < shown_.size() && pages[kept] == shown_[kept]) {
        ++kept;
    }
    if (kept < shown_.size() || kept < pages.size()) {
        const QList<QLabel*> labels = PageLabels();
        for (qsizetype label = static_cast<qsizetype>(kept); label < labels.size(); ++label) {
            delete labels[label];
        }
        for (std::size_t page = kept; page < pages.size(); ++page) {
            auto* label = new QLabel(pagesHolder_);
            label->setObjectName("page");
            label->setPixmap(PixmapOf(pages[page]));
            pagesHolder_->layout()->addWidget(label);
        }
        shown_ = pages;
        // A new document is read from the top left of its first page, wherever the last one
        // was scrolled to.
        if (kept == 0) {
            horizontalScrollBar()->setValue(0);
            verticalScrollBar()->setValue(0);
        }
    }
    for (QLabel* label : PageLabels()) {
        label->setVisible(statusText.empty());
    }
}

QList<QLabel*> PrintDocumentWidget::PageLabels() const {
    return pagesHolder_->findChildren<QLabel*>("page", Qt::FindDirectChildrenOnly);
}

} // namespace forms::qt
