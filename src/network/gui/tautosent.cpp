#include "network/gui/tautosent.h"

#include "common/desk.h"
#include "network/sending.h"
#include "store/database.h"
#include "ui/dialogs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

Tautosent::Tautosent(Desk& desk) : desk_(desk) {
    setObjectName(QStringLiteral("Tautosent"));
    setWindowTitle(QStringLiteral("การส่งข้อมูลไปServerอัตโนมัติ"));
    setMinimumWidth(480);
    auto* grid = new QGridLayout(this);
    auto* modes = new QGroupBox(QStringLiteral("การส่งข้อมูล"), this);
    auto* modeRow = new QHBoxLayout(modes);
    byHand_ = new QRadioButton(QStringLiteral("ปิด"), modes);
    byHand_->setObjectName(QStringLiteral("r2"));
    byCount_ = new QRadioButton(QStringLiteral("Auto1"), modes);
    byCount_->setObjectName(QStringLiteral("r1"));
    lan_ = new QRadioButton(QStringLiteral("Auto2"), modes);
    lan_->setObjectName(QStringLiteral("r3"));
    modeRow->addWidget(byHand_);
    modeRow->addWidget(byCount_);
    modeRow->addWidget(lan_);
    grid->addWidget(modes, 0, 0, 1, 2);

    threshold_ = new QLabel(this);
    threshold_->setObjectName(QStringLiteral("Label2"));
    thresholds_ = new QComboBox(this);
    thresholds_->setObjectName(QStringLiteral("dbc1"));
    thresholds_->setPlaceholderText(QStringLiteral("เลือกจำนวนข้อมูลที่ต้องการ"));
    thresholds_->setMinimumWidth(230);
    thresholds_->addItems(sending::thresholdChoices());
    thresholds_->setCurrentIndex(-1);
    grid->addWidget(threshold_, 1, 0);
    grid->addWidget(thresholds_, 1, 1);
    ceiling_ = new QLineEdit(this);
    ceiling_->setObjectName(QStringLiteral("Edit1"));
    saveCeiling_ = new QPushButton(QStringLiteral("บันทึกค่าสูงสุด"), this);
    saveCeiling_->setObjectName(QStringLiteral("BitBtn1"));
    grid->addWidget(ceiling_, 2, 0);
    grid->addWidget(saveCeiling_, 2, 1);

    int mode = 0;
    try {
        const sending::Settings settings = sending::read(desk.own());
        mode = static_cast<int>(settings.mode);
        threshold_->setText(sending::thresholdText(settings.threshold));
        ceiling_->setText(settings.ceiling);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    QRadioButton* const buttons[] = {byHand_, byCount_, lan_};
    buttons[mode]->setChecked(true);
    showControls(mode);

    for (int i = 0; i < 3; ++i)
        connect(buttons[i], &QRadioButton::clicked, this, [this, i] { chooseMode(i); });
    connect(thresholds_, qOverload<int>(&QComboBox::activated), this,
            &Tautosent::chooseThreshold);
    connect(saveCeiling_, &QPushButton::clicked, this, &Tautosent::saveCeiling);
}

void Tautosent::showControls(int mode) {
    const auto chosen = static_cast<sending::Mode>(mode);
    threshold_->setVisible(chosen == sending::Mode::byCount);
    thresholds_->setVisible(chosen == sending::Mode::byCount);
    ceiling_->setVisible(chosen == sending::Mode::byHand);
    saveCeiling_->setVisible(chosen == sending::Mode::byHand);
}

void Tautosent::chooseMode(int mode) {
    try {
        Database& own = desk_.own();
        sending::setMode(own, static_cast<sending::Mode>(mode));
        const sending::Settings settings = sending::read(own);
        threshold_->setText(sending::thresholdText(settings.threshold));
        ceiling_->setText(settings.ceiling);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    showControls(mode);
}

void Tautosent::chooseThreshold(int index) {
    const int rows = sending::thresholdOf(thresholds_->itemText(index));
    try {
        sending::setThreshold(desk_.own(), rows);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    threshold_->setText(sending::thresholdText(rows));
}

void Tautosent::saveCeiling() {
    try {
        sending::setCeiling(desk_.own(), ceiling_->text());
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    Dialogs::info(this, QStringLiteral("บันทึกค่าเรียบร้อย"));
}

void Tautosent::closeEvent(QCloseEvent* event) {
    event->accept();
    desk_.endProgram();
}
