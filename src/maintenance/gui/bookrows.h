#pragma once

#include <QAbstractTableModel>
#include <QVector>

class Database;

// Rows of tball or tballcus for a grid, read a page at a time in entry order as the grid
// scrolls, so a book of a million rows opens at once. A condition's value is bound, never a
// part of the statement.
class BookRows : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit BookRows(QObject* parent = nullptr);

    // column: "cus" or "codeins" for the rows holding value; empty for every row.
    void show(Database& db, const QString& table, const QString& column = QString(),
              const QVariant& value = QVariant());
    void clear();

    struct Row {
        QString num, cus, tim, codeins;
        double h = 0, t = 0, l = 0;
        qint64 id = 0;
    };
    const Row& row(int index) const { return rows_.at(index); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

signals:
    // The rows could not be read.
    void failed(const QString& message);

private:
    Database* db_ = nullptr;
    QString table_, column_;
    QVariant value_;
    QVector<Row> rows_;
    bool more_ = false;
};
