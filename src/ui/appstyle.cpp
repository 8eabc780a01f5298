#include "ui/appstyle.h"

#include <QApplication>
#include <QFont>

int AppStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                        QStyleHintReturn* data) const {
    if (hint == SH_ToolTip_WakeUpDelay)
        return 100;
    if (hint == SH_ToolTip_FallAsleepDelay)
        return 1500;
    return QProxyStyle::styleHint(hint, option, widget, data);
}

QString AppStyle::styleSheet() {
    return QStringLiteral("QToolTip { background-color: #FFFFF0; color: blue; "
                          "border: 1px solid gray; font-size: 14pt; }");
}

void AppStyle::apply() {
    QApplication::setFont(QFont(QStringLiteral("Loma"), 11));
    QApplication::setStyle(new AppStyle);
    qApp->setStyleSheet(styleSheet());
}
