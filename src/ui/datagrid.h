#pragma once

#include <QSqlTableModel>
#include <QWidget>
#include <functional>

class QTableView;
class QPushButton;

// A table of one database table with its navigator (first, prior, next, last, edit, post,
// cancel and, when asked, insert and delete). Edits are written when posted, after the
// post check agrees; the row colours come from a callback.
class DataGrid : public QWidget {
    Q_OBJECT
public:
    struct Column {
        QString field;
        QString caption;
    };
    enum Extra { none = 0, withDelete = 1, withInsert = 2, withInsertDelete = 3 };
    DataGrid(const QString& objectName, int extras, QWidget* parent = nullptr);

    // Shows table rows matching filter (an SQL condition without values), ordered by sortField.
    void open(const QSqlDatabase& db, const QString& table, const QList<Column>& columns,
              const QString& sortField);
    void setFilter(const QString& filter, bool fetchAll = true);
    // Reads the rows again; all of them when fetchAll, else as the view scrolls.
    void reselect(bool fetchAll = false);
    // Lets go of the rows not yet read: a read left half-way holds an SQLite connection on the
    // book as it was, so that it neither sees nor may write what others wrote since.
    void release();
    void goLast();

    QTableView* view() const { return view_; }
    QSqlTableModel* model() const { return model_; }
    // The value of a field in a row of the grid.
    QVariant value(int row, const QString& field) const;

    // Colours of a cell: background and text, invalid for the defaults.
    using CellColours = std::function<QPair<QColor, QColor>(int row, int column)>;
    void setCellColours(CellColours colours) { colours_ = std::move(colours); }
    QPair<QColor, QColor> coloursOf(int row, int column) const;
    // Asked before edited rows are written: an empty text lets them go, any other text is
    // shown and the edits stay in the grid unwritten.
    using PostCheck = std::function<QString()>;
    void setPostCheck(PostCheck check) { check_ = std::move(check); }
    // Writes the edited rows; false (the message shown) when refused.
    bool post();
    // Position of a field among the table's columns.
    int columnOf(const QString& field) const;

signals:
    void rowClicked(int row);
    void posted();

private:
    void insertRow();
    void cancelEdit();
    void removeCurrent();

    QTableView* view_;
    QSqlTableModel* model_ = nullptr;
    CellColours colours_;
    PostCheck check_;
};
