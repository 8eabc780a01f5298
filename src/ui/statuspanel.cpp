#include "ui/statuspanel.h"

#include <QPainter>
#include <QStyle>

StatusPanel::StatusPanel(QWidget* parent) : QLabel(parent) {}

void StatusPanel::setPanelText(const QString& text) {
    setText(text);
    setToolTip(text);
}

QSize StatusPanel::sizeHint() const {
    return {minimumWidth(), QLabel::sizeHint().height()};
}

QSize StatusPanel::minimumSizeHint() const {
    return {minimumWidth(), QLabel::minimumSizeHint().height()};
}

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), 0, -margin(), 0);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}
