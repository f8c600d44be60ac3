// The widget of the print-document view: the page images one below the other in a scrolled area,
// on a grey ground as paper lies on a desk; or the status text while there is one.
#pragma once

#include <QLabel>
#include <QScrollArea>

#include <string>
#include <vector>

namespace forms::qt {

class PrintDocumentWidget final : public QScrollArea {
public:
    explicit PrintDocumentWidget(QWidget* parent);

    // Shows `pages` (PNG files' bytes), or `statusText` in their place when it is not empty.
    // The pages are decoded again only when they change, and new pages show from their top
    // left.
    void Show(const std::vector<std::string>& pages, const std::string& statusText);

    // The pages shown (for tests): one label per page, in order.
    QList<QLabel*> PageLabels() const;
    const QLabel& StatusLabel() const { return *status_; }

private:
    QWidget* pagesHolder_;
    QLabel* status_;
    std::vector<std::string> shown_;
};

} // namespace forms::qt
