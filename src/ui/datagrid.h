#pragma once

#include <QSqlTableModel>
#include <QWidget>
#include <functional>

class QTableView;
class QPushButton;

// A table of one database table with its navigator (first, prior, next, last, edit, post,
// cancel and, when asked, delete). Edits are written when posted; the row colours come
// from a callback.
class DataGrid : public QWidget {
    Q_OBJECT
public:
    struct Column {
        QString field;
        QString caption;
    };
    DataGrid(const QString& objectName, bool withDelete, QWidget* parent = nullptr);

    // Shows table rows matching filter (an SQL condition without values), ordered by sortField.
    void open(const QSqlDatabase& db, const QString& table, const QList<Column>& columns,
              const QString& sortField);
    void setFilter(const QString& filter, bool fetchAll = true);
    // Reads the rows again; all of them when fetchAll, else as the view scrolls.
    void reselect(bool fetchAll = false);
    void goLast();

    QTableView* view() const { return view_; }
    QSqlTableModel* model() const { return model_; }
    // The value of a field in a row of the grid.
    QVariant value(int row, const QString& field) const;

    // Colours of a cell: background and text, invalid for the defaults.
    using CellColours = std::function<QPair<QColor, QColor>(int row, int column)>;
    void setCellColours(CellColours colours) { colours_ = std::move(colours); }
    QPair<QColor, QColor> coloursOf(int row, int column) const;
    // Position of a field among the table's columns.
    int columnOf(const QString& field) const;

signals:
    void rowClicked(int row);
    void posted();

private:
    void post();
    void cancelEdit();
    void removeCurrent();

    QTableView* view_;
    QSqlTableModel* model_ = nullptr;
    CellColours colours_;
};
