#include "spreading/gui/tinverttot.h"

#include <QCheckBox>

Tinverttot::Tinverttot(Desk& desk) : SpreadWindow(desk, spread::Conversion::todToTop) {
    setObjectName(QStringLiteral("Tinverttot"));
    addMarginRow(Backc::back12);
    threeDoors_ = new QCheckBox(QStringLiteral("กระจายเฉพาะเลข3ประตู"), this);
    threeDoors_->setObjectName(QStringLiteral("threeDoors"));
    addRow(threeDoors_);
}

spread::Options Tinverttot::options() const {
    spread::Options chosen;
    chosen.margin = margin();
    chosen.threeDoorsOnly = threeDoors_->isChecked();
    return chosen;
}
