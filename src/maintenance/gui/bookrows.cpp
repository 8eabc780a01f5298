#include "maintenance/gui/bookrows.h"

#include "printing/layout.h"
#include "store/database.h"

#include <QSqlQuery>

namespace {
constexpr int kPage = 500;
} // namespace

BookRows::BookRows(QObject* parent) : QAbstractTableModel(parent) {}

void BookRows::show(Database& db, const QString& table, const QString& column,
                    const QVariant& value) {
    beginResetModel();
    db_ = &db;
    table_ = table;
    column_ = column;
    value_ = value;
    rows_.clear();
    more_ = true;
    endResetModel();
    fetchMore(QModelIndex());
}

void BookRows::clear() {
    beginResetModel();
    db_ = nullptr;
    rows_.clear();
    more_ = false;
    endResetModel();
}

int BookRows::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.size();
}

int BookRows::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 7;
}

QVariant BookRows::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size())
        return QVariant();
    const Row& r = rows_.at(index.row());
    if (role == Qt::TextAlignmentRole && index.column() >= 1 && index.column() <= 3)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case 0:
        return r.num;
    case 1:
        return printing::amountText(r.h);
    case 2:
        return printing::amountText(r.t);
    case 3:
        return printing::amountText(r.l);
    case 4:
        return r.cus;
    case 5:
        return r.tim;
    default:
        return r.id;
    }
}

QVariant BookRows::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const captions[] = {"เลข", "บน", "โต๊ด", "ล่าง", "รหัส", "เวลาที่ป้อน", "ลำดับ"};
    return section >= 0 && section < 7 ? QString::fromUtf8(captions[section]) : QVariant();
}

bool BookRows::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && db_ && more_;
}

void BookRows::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent))
        return;
    QString sql = QStringLiteral("SELECT num, h, t, l, cus, tim, codeins, id FROM %1 WHERE id > ?")
                      .arg(table_);
    QVariantList binds{rows_.isEmpty() ? qint64(0) : rows_.last().id};
    if (!column_.isEmpty()) {
        sql += QStringLiteral(" AND %1 = ?").arg(column_);
        binds << value_;
    }
    sql += QStringLiteral(" ORDER BY id LIMIT %1").arg(kPage);
    QVector<Row> page;
    try {
        QSqlQuery query = db_->exec(sql, binds);
        while (query.next()) {
            Row r;
            r.num = query.value(0).toString();
            r.h = query.value(1).toDouble();
            r.t = query.value(2).toDouble();
            r.l = query.value(3).toDouble();
            r.cus = query.value(4).toString();
            r.tim = query.value(5).toString();
            r.codeins = query.value(6).toString();
            r.id = query.value(7).toLongLong();
            page.push_back(r);
        }
    } catch (const StoreError& error) {
        // Asked by the grid as it paints: the window says it.
        more_ = false;
        emit failed(error.message());
        return;
    }
    more_ = page.size() == kPage;
    if (page.isEmpty())
        return;
    beginInsertRows(QModelIndex(), rows_.size(), rows_.size() + page.size() - 1);
    rows_ += page;
    endInsertRows();
}
