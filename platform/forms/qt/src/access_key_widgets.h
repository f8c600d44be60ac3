// Widgets that draw a caption with its access key underlined while holding no Qt shortcut for
// it: Alt with the key goes to the skin's key handling and through the model, which decides
// what answers (user_actions.h, PressAccessKey). Qt's own mnemonics would act behind the
// model's back (an option shown chosen that the model never chose).
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QTabBar>

namespace forms::qt {

// The caption for a widget that shows "&" as it is and makes no shortcut of it: every "&"
// doubled.
QString EscapedAmpersands(const QString& caption);
// The caption as a person reads it, and as the accessibility bus tells it: without the "&"
// that marks the access key ("&&" stands for one "&").
QString PlainCaption(const QString& caption);

// A label's caption, wrapped and aligned, its access key underlined.
class AccessKeyLabel final : public QLabel {
public:
    explicit AccessKeyLabel(QWidget* parent) : QLabel(parent) {}
    // `caption` keeps its "&"; the label's text() is the caption without it.
    void SetCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

// A frame's box with its caption, which is also its accessible name.
class AccessKeyGroupBox final : public QGroupBox {
public:
    explicit AccessKeyGroupBox(QWidget* parent) : QGroupBox(parent) {}
    void SetCaption(const QString& caption);

protected:
    void initStyleOption(QStyleOptionGroupBox* option) const override;

private:
    QString caption_;
};

// A tab bar whose tab captions keep their "&"; each tab's accessible name is its plain caption.
class AccessKeyTabBar final : public QTabBar {
public:
    explicit AccessKeyTabBar(QWidget* parent) : QTabBar(parent) {}
    void SetTabCaption(int tab, const QString& caption);
    // The caption as set, "&" included.
    QString TabCaption(int tab) const;

protected:
    void initStyleOption(QStyleOptionTab* option, int tab) const override;
};

} // namespace forms::qt
