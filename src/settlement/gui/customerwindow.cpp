#include "settlement/gui/customerwindow.h"

#include "common/customerbook.h"
#include "common/desk.h"
#include "common/settings.h"
#include "store/database.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"

#include <QCloseEvent>
#include <QStyledItemDelegate>
#include <QTableView>

namespace {
// A column that is shown and never edited.
class ReadOnlyDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        return nullptr;
    }
};
} // namespace

CustomerWindow::CustomerWindow(Desk& desk, const QString& objectName, const QString& title,
                               int gridExtras)
    : desk_(desk) {
    setObjectName(objectName);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    // Room for the name and the ten kind columns.
    setMinimumSize(900, 420);
    grid_ = new DataGrid(QStringLiteral("DBGrid1"), gridExtras, this);
    try {
        db_ = desk.openShared();
        namingMode_ = SettingsRecord(*db_).kindNamingMode();
    } catch (const StoreError& error) {
        db_.reset();
        failed(error.message());
    }
}

CustomerWindow::~CustomerWindow() {
    // The grid's model holds queries on the connection: it goes first.
    delete grid_;
}

bool CustomerWindow::openList(const QStringList& numberFields, const QStringList& captions,
                              const QString& readOnlyField) {
    if (!db_)
        return false;
    QList<DataGrid::Column> columns{{QStringLiteral("name"), QStringLiteral("ชื่อลูกค้า")}};
    for (int i = 0; i < numberFields.size(); ++i)
        columns.push_back({numberFields.at(i), captions.value(i)});
    if (!readOnlyField.isEmpty())
        columns.push_back({readOnlyField, QStringLiteral("ID")});
    numberFields_ = numberFields;
    grid_->open(db_->handle(), QStringLiteral("cus"), columns, QStringLiteral("id2"));
    if (!readOnlyField.isEmpty()) {
        grid_->view()->setItemDelegateForColumn(grid_->columnOf(readOnlyField),
                                                new ReadOnlyDelegate(grid_));
    }
    grid_->setPostCheck([this] { return uncheckedCell(); });
    grid_->model()->setFilter(customerbook::listCondition());
    return true;
}

void CustomerWindow::showInOrder(bool byName) {
    if (!db_ || !grid_->model())
        return;
    grid_->model()->setSort(grid_->columnOf(customerbook::orderField(byName)), Qt::AscendingOrder);
    grid_->reselect(true);
}

QString CustomerWindow::uncheckedCell() const {
    const QSqlTableModel* model = grid_->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (const QString& field : numberFields_) {
            const QModelIndex index = model->index(row, grid_->columnOf(field));
            const QVariant value = model->data(index);
            if (model->isDirty(index) && !customerbook::isNumberValue(value)) {
                return QStringLiteral("ชื่อลูกค้า %1: %2")
                    .arg(grid_->value(row, QStringLiteral("name")).toString(),
                         customerbook::numberRefusal(value.toString()));
            }
        }
    }
    return QString();
}

bool CustomerWindow::settle() {
    if (!grid_->model() || !grid_->model()->isDirty())
        return true;
    return grid_->post();
}

void CustomerWindow::codesFromNames(const QString& refusal) {
    if (!db_)
        return;
    try {
        if (!customerbook::codesFromNames(*db_))
            Dialogs::warning(this, refusal);
    } catch (const StoreError& error) {
        failed(error.message());
    }
}

void CustomerWindow::failed(const QString& message) {
    Dialogs::warning(this, message);
}

void CustomerWindow::closeEvent(QCloseEvent* event) {
    if (!settle()) {
        event->ignore();
        return;
    }
    codesFromNames(QStringLiteral("ไม่สามารถ บันทึก มีรหัส ซำ้  กรณาตรวจสอบ"));
    event->accept();
    closed();
}
