#include "ui/datagrid.h"

#include <algorithm>

#include "store/database.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSqlError>
#include <QSqlRecord>
#include <QTableView>
#include <QVBoxLayout>

namespace {
// Table model that asks the grid for its row colours.
class ColouredModel : public QSqlTableModel {
public:
    ColouredModel(DataGrid* grid, const QSqlDatabase& db) : QSqlTableModel(grid, db), grid_(grid) {}
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::BackgroundRole || role == Qt::ForegroundRole) {
            const QPair<QColor, QColor> colours = grid_->coloursOf(index.row(), index.column());
            const QColor& colour = role == Qt::BackgroundRole ? colours.first : colours.second;
            if (colour.isValid())
                return colour;
        }
        return QSqlTableModel::data(index, role);
    }
    // Reads no rows, with the table's columns, in place of a read left half-way.
    bool selectNothing() {
        nothing_ = true;
        const bool selected = select();
        nothing_ = false;
        return selected;
    }

protected:
    QString selectStatement() const override {
        const QString sql = QSqlTableModel::selectStatement();
        return nothing_ ? sql + QStringLiteral(" LIMIT 0") : sql;
    }

private:
    DataGrid* grid_;
    bool nothing_ = false;
};
} // namespace

DataGrid::DataGrid(const QString& objectName, int extras, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName + QStringLiteral("Panel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new QTableView(this);
    view_->setObjectName(objectName);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    // Rows as tall as the font's lines and no taller, so a short screen still shows many.
    const int line = view_->fontMetrics().height();
    view_->verticalHeader()->setMinimumSectionSize(line);
    view_->verticalHeader()->setDefaultSectionSize(std::max(22, line));
    view_->verticalHeader()->hide();
    layout->addWidget(view_);

    auto* navigator = new QHBoxLayout;
    struct Button {
        const char* name;
        QString text;
        std::function<void()> action;
    };
    const QList<Button> buttons = {
        {"first", QStringLiteral("|<"), [this] { view_->selectRow(0); }},
        {"prior", QStringLiteral("<"),
         [this] { view_->selectRow(qMax(0, view_->currentIndex().row() - 1)); }},
        {"next", QStringLiteral(">"),
         [this] { view_->selectRow(view_->currentIndex().row() + 1); }},
        {"last", QStringLiteral(">|"), [this] { goLast(); }},
        {"edit", QStringLiteral("แก้ไข"), [this] { view_->edit(view_->currentIndex()); }},
        {"post", QStringLiteral("บันทึก"), [this] { post(); }},
        {"cancel", QStringLiteral("ยกเลิก"), [this] { cancelEdit(); }},
    };
    for (const Button& b : buttons) {
        auto* button = new QPushButton(b.text, this);
        button->setObjectName(objectName + QStringLiteral("_") + QString::fromLatin1(b.name));
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, b.action);
        navigator->addWidget(button);
    }
    if (extras & withInsert) {
        auto* button = new QPushButton(QStringLiteral("เพิ่ม"), this);
        button->setObjectName(objectName + QStringLiteral("_insert"));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, &DataGrid::insertRow);
        navigator->addWidget(button);
    }
    if (extras & withDelete) {
        auto* button = new QPushButton(QStringLiteral("ลบ"), this);
        button->setObjectName(objectName + QStringLiteral("_delete"));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, &DataGrid::removeCurrent);
        navigator->addWidget(button);
    }
    navigator->addStretch();
    layout->addLayout(navigator);
    connect(view_, &QTableView::clicked, this,
            [this](const QModelIndex& index) { emit rowClicked(index.row()); });
}

void DataGrid::open(const QSqlDatabase& db, const QString& table, const QList<Column>& columns,
                    const QString& sortField) {
    delete model_;
    model_ = new ColouredModel(this, db);
    model_->setTable(table);
    model_->setEditStrategy(QSqlTableModel::OnManualSubmit);
    const QSqlRecord record = model_->record();
    model_->setSort(record.indexOf(sortField), Qt::AscendingOrder);
    view_->setModel(model_);
    for (int i = 0; i < record.count(); ++i)
        view_->setColumnHidden(i, true);
    for (const Column& column : columns) {
        const int index = record.indexOf(column.field);
        model_->setHeaderData(index, Qt::Horizontal, column.caption);
        view_->setColumnHidden(index, false);
    }
}

void DataGrid::setFilter(const QString& filter, bool fetchAll) {
    if (!model_)
        return;
    model_->setFilter(filter);
    reselect(fetchAll);
}

void DataGrid::reselect(bool fetchAll) {
    if (!model_)
        return;
    if (!model_->select()) {
        qWarning("grid %s: %s", qPrintable(view_->objectName()),
                 qPrintable(model_->lastError().text()));
        Dialogs::warning(this, model_->lastError().databaseText());
    }
    while (fetchAll && model_->canFetchMore())
        model_->fetchMore();
    view_->resizeColumnsToContents();
}

void DataGrid::release() {
    if (model_ && model_->canFetchMore())
        static_cast<ColouredModel*>(model_)->selectNothing();
}

void DataGrid::goLast() {
    if (model_ && model_->rowCount() > 0) {
        view_->selectRow(model_->rowCount() - 1);
        view_->scrollToBottom();
    }
}

QVariant DataGrid::value(int row, const QString& field) const {
    return model_->data(model_->index(row, model_->record().indexOf(field)));
}

QPair<QColor, QColor> DataGrid::coloursOf(int row, int column) const {
    return colours_ ? colours_(row, column) : QPair<QColor, QColor>();
}

int DataGrid::columnOf(const QString& field) const {
    return model_->record().indexOf(field);
}

bool DataGrid::post() {
    if (!model_)
        return false;
    // A cell still being typed in counts as edited.
    QWidget* editor = QApplication::focusWidget();
    if (editor && editor != view_ && view_->isAncestorOf(editor)) {
        emit view_->itemDelegate()->commitData(editor);
        emit view_->itemDelegate()->closeEditor(editor);
    }
    if (check_) {
        const QString refusal = check_();
        if (!refusal.isEmpty()) {
            Dialogs::warning(this, refusal);
            return false;
        }
    }
    // One post is one transaction: every edited row is written, or none is and the grid
    // shows the table as it stays.
    QSqlDatabase db = model_->database();
    QString failure;
    if (!db.transaction()) {
        failure = StoreError::fromEngine(db.lastError()).message();
    } else if (!model_->submitAll()) {
        failure = StoreError::fromEngine(model_->lastError()).message();
        db.rollback();
    } else if (!db.commit()) {
        failure = StoreError::fromEngine(db.lastError()).message();
        db.rollback();
    }
    if (failure.isEmpty()) {
        emit posted();
        return true;
    }
    model_->revertAll();
    model_->select();
    Dialogs::warning(this, QStringLiteral("ไม่ได้บันทึกข้อมูลที่แก้ไข: ") + failure);
    return false;
}

void DataGrid::insertRow() {
    if (!model_)
        return;
    const int row = model_->rowCount();
    model_->insertRow(row);
    for (int column = 0; column < model_->columnCount(); ++column) {
        if (!view_->isColumnHidden(column)) {
            const QModelIndex index = model_->index(row, column);
            view_->setCurrentIndex(index);
            view_->scrollTo(index);
            view_->edit(index);
            break;
        }
    }
}

void DataGrid::cancelEdit() {
    model_->revertAll();
}

void DataGrid::removeCurrent() {
    const int row = view_->currentIndex().row();
    if (row < 0 || !Dialogs::question(this, QStringLiteral("ต้องการลบข้อมูลแถวนี้หรือไม่ ?")))
        return;
    model_->removeRow(row);
    post();
}
