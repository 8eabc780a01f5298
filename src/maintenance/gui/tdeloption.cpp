#include "maintenance/gui/tdeloption.h"

#include "common/customers.h"
#include "common/desk.h"
#include "common/settings.h"
#include "maintenance/gui/bookrows.h"
#include "store/database.h"
#include "store/kindcaptions.h"
#include "ui/choicebox.h"
#include "ui/dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>

namespace {
// The kind chooser's captions: only naming mode 1 names its kinds otherwise.
QString chooserCaption(Kind kind, int mode) {
    return kindCaption(kind, mode == 1 ? 1 : 0);
}
} // namespace

Tdeloption::Tdeloption(Desk& desk)
    : desk_(desk), db_(desk.openBook()), mode_(desk.run().kindNamingMode) {
    setObjectName(QStringLiteral("Tdeloption"));
    setWindowTitle(QStringLiteral("ลบข้อมูลตามเงื่อนไข"));
    auto* grid = new QGridLayout(this);

    auto* tables = new QGroupBox(QStringLiteral("ตารางข้อมูล"), this);
    auto* tablesLayout = new QHBoxLayout(tables);
    book_ = new QRadioButton(QStringLiteral("ข้อมูลประมวลผล"), tables);
    book_->setObjectName(QStringLiteral("r1"));
    entered_ = new QRadioButton(QStringLiteral("ข้อมูลสำรอง"), tables);
    entered_->setObjectName(QStringLiteral("r2"));
    tablesLayout->addWidget(book_);
    tablesLayout->addWidget(entered_);
    book_->setChecked(true);
    grid->addWidget(tables, 0, 0, 1, 2);

    auto* conditions = new QGroupBox(QStringLiteral("เลือกเงื่อนไขการลบ"), this);
    auto* conditionsLayout = new QGridLayout(conditions);
    byCustomer_ = new QRadioButton(QStringLiteral("ลบจากรหัสลูกค้า"), conditions);
    byCustomer_->setObjectName(QStringLiteral("p1"));
    byEntry_ = new QRadioButton(QStringLiteral("ลบจากลำดับการป้อน"), conditions);
    byEntry_->setObjectName(QStringLiteral("p2"));
    byKind_ = new QRadioButton(QStringLiteral("ลบจากชนิดเลข"), conditions);
    byKind_->setObjectName(QStringLiteral("p3"));
    byCustomer_->setChecked(true);

    customer_ = choiceBox(conditions, "dbc1", false);
    customer_->setMinimumWidth(200);
    try {
        customer_->addItems(customers::names(*db_, SettingsRecord(desk.own()).customersByName(),
                                             true));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    showChoiceText(customer_, QStringLiteral("เลือกรหัสลูกค้า"));
    entry_ = new QLineEdit(conditions);
    entry_->setObjectName(QStringLiteral("n1"));
    entry_->setValidator(new QIntValidator(0, 2000000000, entry_));
    entry_->setPlaceholderText(QStringLiteral("ป้อนลำดับเริ่มต้นลบ"));
    upTo_ = new QCheckBox(QStringLiteral("ลบมาก>>น้อย"), conditions);
    upTo_->setObjectName(QStringLiteral("cb1"));
    kind_ = choiceBox(conditions, "c1", false);
    for (Kind kind : listingOrder())
        kind_->addItem(chooserCaption(kind, mode_), kindCode(kind));
    showChoiceText(kind_, QStringLiteral("เลือกชนิดเลข"));

    conditionsLayout->addWidget(byCustomer_, 0, 0);
    conditionsLayout->addWidget(customer_, 0, 1);
    conditionsLayout->addWidget(byEntry_, 1, 0);
    conditionsLayout->addWidget(entry_, 1, 1);
    conditionsLayout->addWidget(upTo_, 1, 2);
    conditionsLayout->addWidget(byKind_, 2, 0);
    conditionsLayout->addWidget(kind_, 2, 1);
    grid->addWidget(conditions, 1, 0, 1, 2);

    auto* remove = new QPushButton(QStringLiteral("ลบข้อมูล"), this);
    remove->setObjectName(QStringLiteral("delete"));
    auto* again = new QPushButton(QStringLiteral("Reset"), this);
    again->setObjectName(QStringLiteral("reset"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(remove);
    buttons->addWidget(again);
    buttons->addStretch();
    grid->addLayout(buttons, 2, 0, 1, 2);

    rows_ = new BookRows(this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setModel(rows_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setMinimumSize(720, 360);
    grid->addWidget(grid_, 3, 0, 1, 2);
    grid->setRowStretch(3, 1);

    for (QRadioButton* choice : {book_, entered_, byCustomer_, byEntry_, byKind_})
        connect(choice, &QRadioButton::clicked, this, &Tdeloption::showAll);
    connect(customer_, qOverload<int>(&QComboBox::activated), this, &Tdeloption::customerChosen);
    connect(kind_, qOverload<int>(&QComboBox::activated), this, &Tdeloption::kindChosen);
    connect(grid_, &QTableView::clicked, this,
            [this](const QModelIndex& index) { rowClicked(index.row()); });
    connect(remove, &QPushButton::clicked, this, &Tdeloption::deleteChosen);
    connect(again, &QPushButton::clicked, this, &Tdeloption::reset);
    // Columns as wide as the first rows need, once per choice.
    connect(rows_, &QAbstractItemModel::modelReset, grid_, [this] {
        QTimer::singleShot(0, grid_, [this] { grid_->resizeColumnsToContents(); });
    });
    connect(rows_, &BookRows::failed, this,
            [this](const QString& message) { Dialogs::warning(this, message); });
    showAll();
}

Tdeloption::~Tdeloption() = default;

deletion::Table Tdeloption::table() const {
    return entered_->isChecked() ? deletion::Table::entered : deletion::Table::book;
}

void Tdeloption::showAll() {
    rows_->show(*db_, deletion::tableName(table()));
}

void Tdeloption::customerChosen() {
    customerName_ = customer_->currentText();
    rows_->show(*db_, deletion::tableName(table()), QStringLiteral("cus"), customerName_);
}

void Tdeloption::kindChosen() {
    rows_->show(*db_, deletion::tableName(table()), QStringLiteral("codeins"),
                kind_->currentData());
}

void Tdeloption::reset() {
    book_->setChecked(true);
    showAll();
}

void Tdeloption::rowClicked(int row) {
    if (row < 0 || row >= rows_->rowCount())
        return;
    const BookRows::Row& r = rows_->row(row);
    if (byCustomer_->isChecked()) {
        // Lines of a name no longer among the customers are taken back too.
        customerName_ = r.cus;
        customer_->setCurrentIndex(customer_->findText(r.cus));
        if (customer_->currentIndex() < 0)
            showChoiceText(customer_, r.cus);
    } else if (byEntry_->isChecked()) {
        entry_->setText(QString::number(r.id));
    } else {
        kind_->setCurrentIndex(kind_->findData(r.codeins));
    }
}

void Tdeloption::run(const std::function<int()>& deletion) {
    try {
        deletion();
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    desk_.bookWritten(BookChange::deleted);
    Dialogs::info(this, QStringLiteral("ลบเรียบร้อย"));
    showAll();
}

void Tdeloption::deleteChosen() {
    const deletion::Table from = table();
    const QString ending = deletion::questionEnding(from);
    Database& db = *db_;
    if (byCustomer_->isChecked()) {
        const QString name = customerName_;
        if (name.isEmpty()) {
            Dialogs::info(this, QStringLiteral("กรุณาเลือกรหัสในการลบ"));
            return;
        }
        if (!Dialogs::question(this, QStringLiteral("คุณจะลบข้อมูลที่มีรหัส=") + name + ending)) {
            Dialogs::info(this, QStringLiteral("ยกเลิกการลบ"));
            return;
        }
        run([&] { return deletion::byCustomer(db, from, name); });
    } else if (byEntry_->isChecked()) {
        bool number = false;
        const qint64 id = entry_->text().trimmed().toLongLong(&number);
        if (!number) {
            Dialogs::info(this, QStringLiteral("กรุณาป้อนลำดับเริ่มต้น"));
            return;
        }
        if (!Dialogs::question(this, QStringLiteral("คุณจะลบข้อมูลที่เริ่มจากลำดับ=") +
                                         QString::number(id) + ending)) {
            Dialogs::info(this, QStringLiteral("ยกเลิกการลบ"));
            return;
        }
        const bool upTo = upTo_->isChecked();
        run([&] { return deletion::byEntry(db, from, id, upTo); });
    } else {
        Kind kind;
        if (kind_->currentIndex() < 0 || !kindFromCode(kind_->currentData().toString(), &kind)) {
            Dialogs::info(this, QStringLiteral("กรุณาเลือกชนิดเลข"));
            return;
        }
        if (!Dialogs::question(this, QStringLiteral("คุณจะลบข้อมูล") + kind_->currentText() +
                                         ending)) {
            Dialogs::info(this, QStringLiteral("ยกเลิกการลบ"));
            return;
        }
        run([&] { return deletion::byKind(db, from, kind); });
    }
}
