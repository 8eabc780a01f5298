#include "exchange/gui/exportwindows.h"

#include "common/customers.h"
#include "common/desk.h"
#include "exchange/gui/exchangedesk.h"
#include "ui/choicebox.h"
#include "ui/dialogs.h"
#include "ui/workbookfile.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

ExcelExport::ExcelExport(Desk& desk, const QString& className, const QString& caption, bool summary)
    : desk_(desk), summary_(summary) {
    setObjectName(className);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    grid_ = new QGridLayout(this);
    auto* heading = new QLabel(caption, this);
    heading->setStyleSheet(QStringLiteral("font-weight: bold; color: blue;"));
    grid_->addWidget(heading, 0, 0, 1, 2);
    grid_->addWidget(new QLabel(QStringLiteral("เลือกข้อมูล"), this), 1, 0);
    kinds_ = choiceBox(this, "c1", false);
    if (summary_)
        kinds_->addItem(QStringLiteral("รวม"));
    const int mode = desk.run().kindNamingMode;
    for (Kind kind : exports::kindItems())
        kinds_->addItem(exports::itemCaption(kind, mode));
    showChoiceText(kinds_, QStringLiteral("เลือกข้อมูล"));
    kinds_->setMinimumWidth(220);
    grid_->addWidget(kinds_, 1, 1);
    exportButton_ = new QPushButton(QStringLiteral("ส่งออกข้อมูลExcel"), this);
    exportButton_->setObjectName(QStringLiteral("export"));
    grid_->addWidget(exportButton_, 3, 0, 1, 2);
    connect(kinds_, qOverload<int>(&QComboBox::activated), this, &ExcelExport::kindChosen);
    connect(exportButton_, &QPushButton::clicked, this, &ExcelExport::exportChosen);
}

std::optional<Kind> ExcelExport::kind() const {
    const int index = kinds_->currentIndex() - (summary_ ? 1 : 0);
    if (!chosen_ || index < 0 || index >= kKindCount)
        return std::nullopt;
    return exports::kindItems()[static_cast<size_t>(index)];
}

bool ExcelExport::summaryChosen() const {
    return chosen_ && summary_ && kinds_->currentIndex() == 0;
}

void ExcelExport::kindChosen(int) {
    chosen_ = true;
    // The summary is written as soon as it is chosen.
    if (summaryChosen() && write([this](Database& db) { return summaryBook(db); }))
        Dialogs::info(this, doneText());
}

workbook::Book ExcelExport::summaryBook(Database&) {
    return workbook::Book(QString());
}

workbook::Book ExcelExport::kindBook(Database&, Kind) {
    return workbook::Book(QString());
}

bool ExcelExport::write(const std::function<workbook::Book(Database&)>& build) {
    std::optional<workbook::Book> book;
    try {
        book = build(*desk_.openShared());
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return false;
    }
    written_ =
        workbookfile::saveAndOpen(this, desk_.run().programFolder + QStringLiteral("excel"), *book);
    return !written_.isEmpty();
}

void ExcelExport::exportChosen() {
    if (!chosen_) {
        Dialogs::warning(this, QStringLiteral("กรุณาเลือกข้อมูลก่อน"));
        return;
    }
    // The summary once more, as a new workbook.
    if (summaryChosen()) {
        if (write([this](Database& db) { return summaryBook(db); }))
            Dialogs::info(this, doneText());
        return;
    }
    const Kind chosenKind = *kind();
    if (write([this, chosenKind](Database& db) { return kindBook(db, chosenKind); }))
        Dialogs::info(this, doneText());
}

// ---- the three sources ----

Texcelnow::Texcelnow(Desk& desk)
    : ExcelExport(desk, QStringLiteral("Texcelnow"), QStringLiteral("ส่งออกยอดปัจจุบันไปExcel"), true) {
}

workbook::Book Texcelnow::kindBook(Database& db, Kind kind) {
    return exports::kindBook(db, exports::Source::current, kind, desk().run().kindNamingMode);
}

workbook::Book Texcelnow::summaryBook(Database& db) {
    return exports::summaryBook(db, exports::Source::current);
}

QString Texcelnow::doneText() const {
    return exports::doneText(exports::Source::current);
}

Texportcut::Texportcut(Desk& desk)
    : ExcelExport(desk, QStringLiteral("Texportcut"), QStringLiteral("ส่งออกยอดเก็บล่าสุดไปExcel"),
                  false) {}

workbook::Book Texportcut::kindBook(Database& db, Kind kind) {
    return exports::kindBook(db, exports::Source::kept, kind, desk().run().kindNamingMode);
}

QString Texportcut::doneText() const {
    return exports::doneText(exports::Source::kept);
}

Texport2::Texport2(Desk& desk)
    : ExcelExport(desk, QStringLiteral("Texport2"), QStringLiteral("ส่งออกยอดส่งล่าสุดไปExcel"), true) {
}

workbook::Book Texport2::kindBook(Database& db, Kind kind) {
    return exports::kindBook(db, exports::Source::sent, kind, desk().run().kindNamingMode);
}

workbook::Book Texport2::summaryBook(Database& db) {
    return exports::summaryBook(db, exports::Source::sent);
}

QString Texport2::doneText() const {
    return exports::doneText(exports::Source::sent);
}

// ---- the entry order ----

Tlogexcel::Tlogexcel(Desk& desk)
    : ExcelExport(desk, QStringLiteral("Tlogexcel"), QStringLiteral("ลำดับการป้อนแบบExcel"), true) {
    grid()->addWidget(new QLabel(QStringLiteral("เลือกรหัสการป้อน"), this), 2, 0);
    customers_ = choiceBox(this, "dbc1", false);
    try {
        customers_->addItems(exchangedesk::customerNames(desk, *desk.openShared()));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    grid()->addWidget(customers_, 2, 1);
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("title"));
    title_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    grid()->addWidget(title_, 4, 0, 1, 2);
    auto* again = new QPushButton(QStringLiteral("เริ่มต้นใหม่"), this);
    again->setObjectName(QStringLiteral("restart"));
    grid()->addWidget(again, 5, 0, 1, 2);
    connect(customers_, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { customer_ = customers_->itemText(index); });
    connect(again, &QPushButton::clicked, this, &Tlogexcel::restart);
    restart();
}

void Tlogexcel::restart() {
    customer_.clear();
    showChoiceText(customers_, customers::combined());
    kindBox()->setCurrentIndex(0);
    title_->setText(exports::logTitle(std::nullopt, desk().run().kindNamingMode));
}

std::optional<Kind> Tlogexcel::logKind() const {
    const int index = kindBox()->currentIndex();
    if (index < 1 || index > kKindCount)
        return std::nullopt;
    return exports::kindItems()[static_cast<size_t>(index - 1)];
}

void Tlogexcel::kindChosen(int) {
    // "รวม" is every kind here; a kind names its title.
    title_->setText(exports::logTitle(logKind(), desk().run().kindNamingMode));
}

QString Tlogexcel::doneText() const {
    return QStringLiteral("ส่งออกข้อมูลเรียบร้อย");
}

void Tlogexcel::exportChosen() {
    const std::optional<Kind> chosenKind = logKind();
    const QString shown = customer_.isEmpty() ? customers::combined() : customer_;
    const QString caption = exports::logCaption(shown, title_->text());
    setWindowTitle(caption);
    const QString customer = customer_;
    if (write([&](Database& db) { return exports::logBook(db, caption, customer, chosenKind); }))
        Dialogs::info(this, doneText());
}
