#include "cutting/gui/tautocut.h"

#include "common/desk.h"
#include "cutting/autocut.h"
#include "store/database.h"
#include "ui/dialogs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

Tautocut::Tautocut(Desk& desk) : desk_(desk), book_(desk.openShared()) {
    setObjectName(QStringLiteral("Tautocut"));
    setWindowTitle(QStringLiteral("ตัดยอดอั้นอัตโนมัติ"));
    const autocut::Setting setting = autocut::read(*book_);
    auto* grid = new QGridLayout(this);
    on_ = new QRadioButton(QStringLiteral("เปิด"), this);
    on_->setObjectName(QStringLiteral("on"));
    off_ = new QRadioButton(QStringLiteral("ปิด"), this);
    off_->setObjectName(QStringLiteral("off"));
    (setting.on ? on_ : off_)->setChecked(true);
    grid->addWidget(on_, 0, 0);
    grid->addWidget(off_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("เลือกเวลาในการตัดยอด"), this), 1, 0);
    interval_ = new QComboBox(this);
    interval_->setObjectName(QStringLiteral("interval"));
    interval_->addItems(autocut::intervalCaptions());
    interval_->setCurrentIndex(autocut::intervals().indexOf(setting.intervalMs));
    grid->addWidget(interval_, 1, 1);

    connect(on_, &QRadioButton::clicked, this,
            [this] { write([](Database& db) { autocut::setOn(db, true); }); });
    connect(off_, &QRadioButton::clicked, this,
            [this] { write([](Database& db) { autocut::setOn(db, false); }); });
    connect(interval_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        const int ms = autocut::intervals().value(index);
        write([ms](Database& db) { autocut::setInterval(db, ms); });
    });
}

Tautocut::~Tautocut() = default;

void Tautocut::write(const std::function<void(Database&)>& change) {
    try {
        change(*book_);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

void Tautocut::closeEvent(QCloseEvent* event) {
    event->accept();
    desk_.endProgram();
}
