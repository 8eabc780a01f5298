#include "ui/windowlook.h"

#include <QLabel>

QLabel* titleLabel(QWidget* parent, const QString& text) {
    auto* title = new QLabel(text, parent);
    title->setObjectName(QStringLiteral("title"));
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    title->setFont(big);
    return title;
}

void paintBackground(QWidget* window, const QColor& colour) {
    window->setAutoFillBackground(true);
    QPalette colours = window->palette();
    colours.setColor(QPalette::Window, colour);
    window->setPalette(colours);
}
