#include "cutting/gui/tcutover.h"

#include "common/desk.h"
#include "cutting/cutlog.h"
#include "cutting/gui/sentreport.h"
#include "store/database.h"
#include "ui/choicebox.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

Tcutover::Tcutover(Desk& desk) : desk_(desk), book_(desk.openShared()) {
    setObjectName(QStringLiteral("Tcutover"));
    setWindowTitle(QStringLiteral("ข้อมูลการตัดยอดเกินอั้น"));
    auto* grid = new QGridLayout(this);
    chooser_ = choiceBox(this, "chooser", false);
    chooser_->setMinimumWidth(320);
    chooser_->setMaxVisibleItems(20);
    grid->addWidget(chooser_, 0, 0, 1, 3);
    auto button = [&](const char* name, const QString& caption, int column,
                      void (Tcutover::*slot)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, slot);
        grid->addWidget(b, 1, column);
    };
    button("print", QStringLiteral("แสดงยอด"), 0, &Tcutover::printChosen);
    button("latest", QStringLiteral("สรุปยอดเกินอั้นล่าสุด"), 1, &Tcutover::printLatest);
    button("takeBack", QStringLiteral("คืนค่าการตัดยอด"), 2, &Tcutover::takeBack);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(3, 1);
    fill();
}

Tcutover::~Tcutover() = default;

void Tcutover::fill() {
    chooser_->clear();
    chooser_->addItems(cutlog::choices(*book_));
    showChoiceText(chooser_, QStringLiteral("เลือกข้อมูล"));
}

int Tcutover::chosenCut() {
    const int cut = cutlog::cutOfChoice(*book_, chooser_->currentIndex());
    if (cut < 0)
        Dialogs::info(this, cutlog::noChoiceText());
    return cut;
}

void Tcutover::printChosen() {
    try {
        const int cut = chosenCut();
        if (cut < 0)
            return;
        cutlog::show(desk_, cutlog::logOf(*book_, cut));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

void Tcutover::printLatest() {
    try {
        cutlog::show(desk_, cutlog::latestCutLog(*book_));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

void Tcutover::takeBack() {
    try {
        const int cut = chosenCut();
        if (cut < 0)
            return;
        const QString item = chooser_->currentText();
        if (!Dialogs::question(this, cutlog::takeBackQuestion(item))) {
            Dialogs::info(this, cutlog::takeBackCancelled(item));
            return;
        }
        cutlog::takeBack(*book_, cut);
        desk_.bookWritten(BookChange::takenBack);
        Dialogs::info(this, cutlog::takeBackDone(item));
        fill();
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}
