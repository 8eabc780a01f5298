#pragma once

#include <QProxyStyle>

// The program's look: hints show quickly, in blue on ivory.
class AppStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override;
    static QString styleSheet();
    // The program's font, style and style sheet for the whole application.
    static void apply();
};
