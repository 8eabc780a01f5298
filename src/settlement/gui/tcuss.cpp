#include "settlement/gui/tcuss.h"

#include "common/customerbook.h"
#include "common/desk.h"
#include "common/settings.h"
#include "store/database.h"
#include "store/kindcaptions.h"
#include "store/kinds.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString kPercentDefault = QStringLiteral("20");
}

Tcuss::Tcuss(Desk& desk)
    : CustomerWindow(desk, QStringLiteral("Tcuss"), QStringLiteral("ป้อนข้อมูลลูกค้า"),
                     DataGrid::withInsertDelete) {
    build();
    QStringList captions;
    for (Kind kind : listingOrder())
        captions << customerCaption(kind, namingMode(), CustomerText::percentColumn);
    if (!openList(customerbook::percentColumns(), captions, QStringLiteral("id")))
        return;
    try {
        rates_ = customerbook::overallRates(*db());
        // A customer added in the grid gets the overall pay rates, as every new customer does.
        connect(grid()->model(), &QSqlTableModel::primeInsert, this,
                [this](int, QSqlRecord& record) {
                    const QStringList& columns = customerbook::rateColumns();
                    for (int i = 0; i < columns.size() && i < rates_.size(); ++i) {
                        record.setValue(columns.at(i), rates_.at(i));
                        record.setGenerated(columns.at(i), true);
                    }
                });
        const bool byName = SettingsRecord(*db()).customersByName();
        // The box and the stored order agree from the start.
        if (byName != customerbook::orderedByName(*db()))
            customerbook::setOrderedByName(*db(), byName);
        f2_->setChecked(byName);
        showInOrder(byName);
    } catch (const StoreError& error) {
        failed(error.message());
    }
    connect(f2_, &QCheckBox::toggled, this, &Tcuss::orderToggled);
}

void Tcuss::build() {
    f2_ = new QCheckBox(QStringLiteral("เรียงตามชื่อ"), this);
    f2_->setObjectName(QStringLiteral("f2"));
    edit1_ = new QLineEdit(QStringLiteral("5"), this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setMaximumWidth(70);
    edit1_->installEventFilter(this);
    auto* label1 = new QLabel(QStringLiteral("ป้อนจำนวนตัวเลข"), this);
    label1->setObjectName(QStringLiteral("Label1"));

    struct Button {
        const char* caption;
        void (Tcuss::*action)();
    };
    const Button buttons[] = {{"เพิ่มรายชื่อ%ไม่เท่ากัน", &Tcuss::addWithPercents},
                              {"เพิ่มรายชื่อ%เท่ากัน", &Tcuss::addWithOnePercent},
                              {"copyรายชื่อ", &Tcuss::copySeries},
                              {"ลบรายชื่อทั้งหมด", &Tcuss::removeAll},
                              {"ตรวจสอบ", &Tcuss::check}};
    QList<QPushButton*> made;
    for (int i = 0; i < 5; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(buttons[i].caption), this);
        button->setObjectName(QStringLiteral("BitBtn%1").arg(i + 1));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, buttons[i].action);
        made << button;
    }

    auto* top = new QHBoxLayout;
    top->addWidget(f2_);
    top->addSpacing(12);
    top->addWidget(made[0]);
    top->addWidget(made[1]);
    top->addSpacing(12);
    top->addWidget(label1);
    top->addWidget(edit1_);
    top->addWidget(made[2]);
    top->addSpacing(12);
    top->addWidget(made[3]);
    top->addWidget(made[4]);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid());
    resize(1000, 560);
}

bool Tcuss::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit1_ && event->type() == QEvent::MouseButtonPress)
        edit1_->clear();
    return CustomerWindow::eventFilter(watched, event);
}

void Tcuss::orderToggled(bool byName) {
    if (!db() || !settle())
        return;
    try {
        customerbook::setOrderedByName(*db(), byName);
    } catch (const StoreError& error) {
        failed(error.message());
        return;
    }
    showInOrder(byName);
}

QString Tcuss::ask(const QString& prompt, const QString& proposed) {
    bool ok = false;
    const QString answer = Dialogs::input(this, prompt, prompt, proposed, &ok);
    return ok ? answer : proposed;
}

void Tcuss::addWithPercents() {
    add(false);
}

void Tcuss::addWithOnePercent() {
    add(true);
}

void Tcuss::add(bool onePercent) {
    if (!db() || !settle())
        return;
    const QString name = ask(QStringLiteral("ป้อนชื่อลูกค้า"), QString());
    if (const QString refusal = customerbook::nameRefusal(name); !refusal.isEmpty()) {
        Dialogs::warning(this, refusal);
        return;
    }
    QStringList percents;
    if (onePercent) {
        const QString percent = ask(QStringLiteral("ป้อนเปอร์เซ็นโดยรวม"), kPercentDefault);
        for (int i = 0; i < kKindCount; ++i)
            percents << percent;
    } else {
        for (Kind kind : listingOrder()) {
            percents << ask(customerCaption(kind, namingMode(), CustomerText::percentPrompt),
                            kPercentDefault);
            // A value that is no number ends the questions at once.
            if (const QString refusal = customerbook::numberRefusal(percents.last());
                !refusal.isEmpty()) {
                Dialogs::warning(this, refusal);
                return;
            }
        }
    }
    try {
        const customerbook::Outcome outcome = customerbook::add(*db(), name, percents, rates_);
        if (!outcome.done) {
            Dialogs::warning(this, outcome.message);
            return;
        }
    } catch (const StoreError& error) {
        failed(error.message());
        return;
    }
    showAdded();
}

void Tcuss::showAdded() {
    showInOrder(false);
    grid()->goLast();
}

void Tcuss::copySeries() {
    if (!db() || !settle())
        return;
    const int row = grid()->view()->currentIndex().row();
    QString name;
    QVariantList percents;
    if (row >= 0) {
        name = grid()->value(row, QStringLiteral("name")).toString();
        for (const QString& field : customerbook::percentColumns())
            percents << grid()->value(row, field);
    }
    customerbook::Outcome outcome;
    try {
        outcome = customerbook::copySeries(*db(), name, percents, rates_, edit1_->text());
    } catch (const StoreError& error) {
        failed(error.message());
        return;
    }
    if (!outcome.done) {
        Dialogs::warning(this, outcome.message);
        return;
    }
    showAdded();
    Dialogs::info(this, outcome.message);
}

void Tcuss::removeAll() {
    if (!db())
        return;
    if (!Dialogs::question(this, QStringLiteral("คุณจะลบรายชื่อทั้งหมดหรือไม่ ?"))) {
        Dialogs::info(this, QStringLiteral("ยกเลิกการลบข้อมูล"));
        return;
    }
    try {
        customerbook::removeAll(*db());
    } catch (const StoreError& error) {
        failed(error.message());
        return;
    }
    grid()->model()->revertAll();
    grid()->reselect(true);
    Dialogs::info(this, QStringLiteral("ลบข้อมูลเรียบร้อย"));
}

void Tcuss::check() {
    if (!db() || !settle())
        return;
    try {
        const bool byName = customerbook::orderedByName(*db());
        for (const QString& name : customerbook::mismatchedNames(*db(), byName))
            Dialogs::warning(this, QStringLiteral("ชื่อลูกค้า ") + name +
                                       QStringLiteral(" ผิดปกติ  กรุณาตรวจสอบ"));
        codesFromNames(QStringLiteral("ไม่สามารถ บันทึก มีรหัส ซำ้  กรุณาตรวจสอบ"));
        showInOrder(byName);
    } catch (const StoreError& error) {
        failed(error.message());
    }
}

void Tcuss::closed() {
    desk().customersSaved();
}
