#include "spreading/gui/th1toh3.h"

#include "store/database.h"
#include "store/kindrow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

Th1toh3::Th1toh3(Desk& desk) : SpreadWindow(desk, spread::Conversion::runToTop) {
    setObjectName(QStringLiteral("Th1toh3"));
    discount_ = wholeNumber(
        kindrow::read(*book_, QStringLiteral("change3")).value(static_cast<int>(Kind::h1)));
    statusLine()->setText(QStringLiteral("ส่วนลด= %1%").arg(discount_));
    auto* method = new QGroupBox(QStringLiteral("เลือกวิธีการคำนวณ"), this);
    method->setObjectName(QStringLiteral("method"));
    auto* row = new QHBoxLayout(method);
    auto* full = new QRadioButton(QStringLiteral("คิดเต็มจำนวน"), method);
    full->setObjectName(QStringLiteral("full"));
    full->setChecked(true);
    deduct_ = new QRadioButton(QStringLiteral("หัก%ส่วนลด"), method);
    deduct_->setObjectName(QStringLiteral("deduct"));
    row->addWidget(full);
    row->addWidget(deduct_);
    addRow(method);
    stake_ = new QLabel(this);
    stake_->setObjectName(QStringLiteral("stake"));
    addRow(stake_);
}

spread::Options Th1toh3::options() const {
    spread::Options chosen;
    chosen.deductDiscount = deduct_->isChecked();
    chosen.discount = discount_;
    return chosen;
}

void Th1toh3::stepped(const spread::Progress& step) {
    if (!step.status.isEmpty() && step.status != stake_->text()) {
        stake_->setText(step.status);
        stake_->repaint();
    }
}
