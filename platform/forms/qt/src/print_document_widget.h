// The widget of the print-document view: the page images one below the other in a scrolled area,
// on a grey ground as paper lies on a desk; or the status text while there is one.
#pragma once

#include "platform/forms/image.h"

#include <QLabel>
#include <QScrollArea>

#include <string>
#include <vector>

namespace forms::qt {

class PrintDocumentWidget final : public QScrollArea {
public:
    explicit PrintDocumentWidget(QWidget* parent);

    // Shows `pages`, or `statusText` in their place when it is not empty. Each page becomes a
    // picture for the screen once: pages shown before at the same place are kept, so that a
    // document shown first page first and then whole converts its first page once. A new
    // document (its first page not the one shown) shows from its top left.
    void Show(const std::vector<Image>& pages, const std::string& statusText);

    // The pages shown (for tests): one label per page, in order.
    QList<QLabel*> PageLabels() const;
    const QLabel& StatusLabel() const { return *status_; }

private:
    QWidget* pagesHolder_;
    QLabel* status_;
    std::vector<Image> shown_;
};

} // namespace forms::qt
