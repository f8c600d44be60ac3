#include "platform/forms/qt/src/access_key_widgets.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QStyleOptionTab>

namespace forms::qt {

QString EscapedAmpersands(const QString& caption) {
    QString escaped = caption;
    escaped.replace('&', "&&");
    return escaped;
}

QString PlainCaption(const QString& caption) {
    QString plain;
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption[at] == '&') {
            if (at + 1 < caption.size() && caption[at + 1] == '&') {
                plain += '&';
                ++at;
            }
            continue;
        }
        plain += caption[at];
    }
    return plain;
}

void AccessKeyLabel::SetCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    // The text without "&" keeps what Qt measures and reads out to the caption as shown.
    setText(PlainCaption(caption));
    update();
}

void AccessKeyLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this); // the palette's colour group follows the label's state
    const int flags = static_cast<int>(alignment()) | Qt::TextWordWrap | Qt::TextShowMnemonic;
    style()->drawItemText(&painter, contentsRect(), flags, option.palette, isEnabled(), caption_,
                          foregroundRole());
}

void AccessKeyGroupBox::SetCaption(const QString& caption) {
    if (caption != caption_) {
        caption_ = caption;
        // The box's title is empty (initStyleOption), so Qt would give it no name of its own.
        setAccessibleName(PlainCaption(caption));
        update();
    }
}

void AccessKeyGroupBox::initStyleOption(QStyleOptionGroupBox* option) const {
    // The box's own title stays empty, so that Qt holds no shortcut for it; the style draws
    // this caption in its place.
    QGroupBox::initStyleOption(option);
    option->text = caption_;
    if (!caption_.isEmpty()) {
        option->subControls |= QStyle::SC_GroupBoxLabel;
    }
}

void AccessKeyTabBar::SetTabCaption(int tab, const QString& caption) {
    // A text with every "&" doubled has no mnemonic, so Qt holds no shortcut for the tab.
    setTabText(tab, EscapedAmpersands(caption));
    setAccessibleTabName(tab, PlainCaption(caption));
}

QString AccessKeyTabBar::TabCaption(int tab) const {
    QString caption = tabText(tab);
    caption.replace("&&", "&");
    return caption;
}

void AccessKeyTabBar::initStyleOption(QStyleOptionTab* option, int tab) const {
    QTabBar::initStyleOption(option, tab);
    option->text = TabCaption(tab);
}

} // namespace forms::qt
