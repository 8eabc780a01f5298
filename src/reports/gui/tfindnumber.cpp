#include "reports/gui/tfindnumber.h"

#include "common/desk.h"
#include "store/database.h"
#include "ui/choicebox.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"
#include "ui/windowlook.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlRecord>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>

namespace {

// Edits typed into the grid: checked as text against the row's kind before they reach the
// model; the number of the row and its time stay as they were stored.
class CheckedEdits : public QStyledItemDelegate {
public:
    CheckedEdits(Tfindnumber* window, DataGrid* grid)
        : QStyledItemDelegate(grid), window_(window), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        const QString field = fieldOf(index);
        if (field == QLatin1String("id") || field == QLatin1String("tim"))
            return nullptr;
        return new QLineEdit(parent);
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        const QVariant value = index.data(Qt::EditRole);
        QString text = value.toString();
        if (fieldOf(index) != QLatin1String("num") && fieldOf(index) != QLatin1String("cus"))
            text = QString::number(value.toDouble(), 'f', 0);
        static_cast<QLineEdit*>(editor)->setText(text);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        const QString field = fieldOf(index);
        const QString typed = static_cast<QLineEdit*>(editor)->text().trimmed();
        if (typed == index.data(Qt::EditRole).toString())
            return;
        Kind kind = Kind::h3;
        kindFromCode(grid_->value(index.row(), QStringLiteral("codeins")).toString(), &kind);
        const QString refusal = search::editRefusal(field, typed, kind);
        if (!refusal.isEmpty()) {
            QTimer::singleShot(0, window_,
                               [window = window_, refusal] { window->refuseEdit(refusal); });
            return;
        }
        const bool text = field == QLatin1String("num") || field == QLatin1String("cus");
        model->setData(index, text ? QVariant(typed) : QVariant(typed.toDouble()));
        QTimer::singleShot(0, grid_, [grid = grid_] { grid->post(); });
    }

private:
    QString fieldOf(const QModelIndex& index) const {
        return grid_->model()->record().fieldName(index.column());
    }

    Tfindnumber* window_;
    DataGrid* grid_;
};

} // namespace

Tfindnumber::Tfindnumber(Desk& desk) : desk_(desk), db_(desk.openOwnLines()) {
    setObjectName(QStringLiteral("Tfindnumber"));
    setWindowTitle(QStringLiteral("ค้นหาตัวเลขซ้ำซ้อน"));
    paintBackground(this, QColor(0xc0, 0xdc, 0xc0));

    auto* layout = new QGridLayout(this);
    title_ = titleLabel(this, QStringLiteral("ค้นหาตัวเลข"));
    layout->addWidget(title_, 0, 0, 1, 4);
    layout->addWidget(new QLabel(QStringLiteral("เลือกชนิดเลข"), this), 1, 0);
    kind_ = choiceBox(this, "kind", false);
    kind_->addItems(search::kindChoices(desk.run().kindNamingMode));
    kind_->setMaxVisibleItems(kKindCount);
    kind_->setMinimumWidth(160);
    showChoiceText(kind_, QStringLiteral("เลือกข้อมูล"));
    layout->addWidget(kind_, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("ป้อนตัวเลข"), this), 2, 0);
    number_ = new QLineEdit(this);
    number_->setObjectName(QStringLiteral("num"));
    number_->setMaxLength(5);
    layout->addWidget(number_, 2, 1);
    auto* find = new QPushButton(QStringLiteral("ค้นหา"), this);
    find->setObjectName(QStringLiteral("find"));
    layout->addWidget(find, 2, 2);
    auto* reset = new QPushButton(QStringLiteral("Reset"), this);
    reset->setObjectName(QStringLiteral("reset"));
    layout->addWidget(reset, 2, 3);
    layout->addWidget(new QLabel(QStringLiteral("เลือกข้อมูล"), this), 3, 0);
    auto* choice = new QHBoxLayout;
    processed_ = new QRadioButton(QStringLiteral("ข้อมูลประมวลผล"), this);
    processed_->setObjectName(QStringLiteral("processed"));
    processed_->setChecked(true);
    entered_ = new QRadioButton(QStringLiteral("ข้อมูลสำรอง"), this);
    entered_->setObjectName(QStringLiteral("entered"));
    choice->addWidget(processed_);
    choice->addWidget(entered_);
    choice->addStretch();
    layout->addLayout(choice, 3, 1, 1, 3);
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("result"));
    layout->addWidget(result_, 4, 0, 1, 4);

    grid_ = new DataGrid(QStringLiteral("DBGrid1"), DataGrid::withDelete, this);
    grid_->view()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->view()->setItemDelegate(new CheckedEdits(this, grid_));
    grid_->view()->setMinimumSize(620, 330);
    layout->addWidget(grid_, 5, 0, 1, 4);
    layout->setRowStretch(5, 1);

    connect(kind_, qOverload<int>(&QComboBox::activated), this, [this] {
        number_->setFocus();
        number_->selectAll();
    });
    connect(find, &QPushButton::clicked, this, &Tfindnumber::find);
    connect(number_, &QLineEdit::returnPressed, this, &Tfindnumber::find);
    connect(reset, &QPushButton::clicked, this, &Tfindnumber::reset);
    for (QRadioButton* button : {processed_, entered_}) {
        connect(button, &QRadioButton::clicked, this, [this, button] {
            title_->setText(QStringLiteral("ค้นหาตัวเลขจาก") + button->text());
            this->find();
        });
    }
    connect(grid_, &DataGrid::posted, this,
            [this] { desk_.bookWritten(BookChange::linesWritten); });

    openTable();
    grid_->setFilter(QString(), false);
}

Tfindnumber::~Tfindnumber() = default;

QString Tfindnumber::resultText() const {
    return result_->text();
}

QString Tfindnumber::titleText() const {
    return title_->text();
}

void Tfindnumber::refuseEdit(const QString& refusal) {
    Dialogs::warning(this, refusal);
}

search::Table Tfindnumber::table() const {
    return entered_->isChecked() ? search::Table::entered : search::Table::processed;
}

void Tfindnumber::openTable() {
    opened_ = table();
    grid_->open(db_->handle(), search::tableName(opened_),
                {{QStringLiteral("num"), QStringLiteral("เลข")},
                 {QStringLiteral("h"), QStringLiteral("บน")},
                 {QStringLiteral("t"), QStringLiteral("โต๊ด")},
                 {QStringLiteral("l"), QStringLiteral("ล่าง")},
                 {QStringLiteral("cus"), QStringLiteral("รหัส")},
                 {QStringLiteral("tim"), QStringLiteral("เวลาที่ป้อน")},
                 {QStringLiteral("id"), QStringLiteral("ลำดับ")}},
                QStringLiteral("id"));
    colourHeader();
}

void Tfindnumber::colourHeader() {
    const QColor colour =
        opened_ == search::Table::processed ? palette().color(QPalette::Link) : QColor(Qt::red);
    grid_->view()->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; color: white; }")
            .arg(colour.name()));
}

void Tfindnumber::find() {
    if (kind_->currentIndex() < 0) {
        Dialogs::warning(this, search::noKindText());
        return;
    }
    QVector<qint64> ids;
    try {
        ids = search::rowsOf(*db_, table(), search::kindOfChoice(kind_->currentIndex()),
                             number_->text().trimmed());
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    if (table() != opened_)
        openTable();
    grid_->setFilter(search::idFilter(ids), true);
    result_->setText(search::foundText(ids.size()));
}

void Tfindnumber::reset() {
    openTable();
    grid_->setFilter(QString(), false);
}
