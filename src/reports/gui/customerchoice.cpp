#include "reports/gui/customerchoice.h"

#include "common/customers.h"
#include "common/desk.h"
#include "common/settings.h"
#include "store/database.h"
#include "ui/choicebox.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kChooseName = QStringLiteral("เลือกชื่อ");
const QString kAllKinds = QStringLiteral("รวม");

} // namespace

CustomerChoice::CustomerChoice(Desk& desk, const QString& objectName, const QString& title,
                               const QStringList& kinds)
    : desk_(desk), db_(desk.openShared()) {
    setObjectName(objectName);
    setWindowTitle(title);
    byName_ = SettingsRecord(*db_).customersByName();

    grid_ = new QGridLayout(this);
    grid_->addWidget(new QLabel(QStringLiteral("เลือกชนิดเลข"), this), 0, 0);
    kindBox_ = choiceBox(this, "kind", false);
    kindBox_->setMinimumWidth(220);
    kindBox_->addItems(kinds);
    grid_->addWidget(kindBox_, 0, 1);
    grid_->addWidget(new QLabel(QStringLiteral("เลือกชื่อที่ต้องการ"), this), 1, 0);
    nameBox_ = choiceBox(this, "name", true);
    nameBox_->setMinimumWidth(220);
    nameBox_->setMaxVisibleItems(20);
    grid_->addWidget(nameBox_, 1, 1);
    auto* restart = new QPushButton(QStringLiteral("เริ่มต้นใหม่"), this);
    restart->setObjectName(QStringLiteral("restart"));
    grid_->addWidget(restart, 3, 0);

    connect(kindBox_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        kind_ = index + 1;
        setNameText(kChooseName);
        kindChosen();
    });
    connect(nameBox_, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { chooseName(nameBox_->itemText(index)); });
    // A typed name that is in the list is taken by the chooser itself.
    connect(nameBox_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        const QString typed = nameBox_->currentText();
        if (nameBox_->findText(typed) < 0)
            chooseName(typed);
    });
    connect(restart, &QPushButton::clicked, this, &CustomerChoice::restarted);

    loadNames(true);
    setKindText(kAllKinds);
}

CustomerChoice::~CustomerChoice() = default;

void CustomerChoice::chooseName(const QString& name) {
    setNameText(name);
    try {
        nameChosen(name);
    } catch (const StoreError& error) {
        failed(error.message());
    }
}

void CustomerChoice::loadNames(bool withSheets) {
    try {
        const QStringList names = customers::names(*db_, byName_, withSheets);
        nameBox_->clear();
        nameBox_->addItems(names);
    } catch (const StoreError& error) {
        failed(error.message());
    }
    setNameText(kChooseName);
}

void CustomerChoice::setKindText(const QString& text) {
    showChoiceText(kindBox_, text);
}

void CustomerChoice::setNameText(const QString& text) {
    showChoiceText(nameBox_, text);
}

void CustomerChoice::restarted() {
    kind_ = 0;
    setKindText(kAllKinds);
    setNameText(kChooseName);
}

void CustomerChoice::failed(const QString& message) {
    Dialogs::warning(this, message);
}
