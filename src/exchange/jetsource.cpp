// Older desktop database files (Jet .mdb and .mde), read through mdbtools' library.

#include "exchange/sourcebook.h"

#include "store/database.h"

#include <QFile>

#include <mdbtools.h>

#include <vector>

namespace {

class JetSource : public SourceBook {
public:
    explicit JetSource(MdbHandle* mdb) : mdb_(mdb) {}
    ~JetSource() override { mdb_close(mdb_); }

    bool hasTable(const QString& name) override {
        MdbTableDef* table = find(name);
        if (!table)
            return false;
        mdb_free_tabledef(table);
        return true;
    }

    qint64 count(const QString& name) override {
        MdbTableDef* table = find(name);
        if (!table)
            throw missing(name);
        const qint64 rows = table->num_rows;
        mdb_free_tabledef(table);
        return rows;
    }

    void rows(const QString& name, const std::function<void(const QVariantList&)>& each) override {
        MdbTableDef* table = find(name);
        if (!table)
            throw missing(name);
        struct Freer {
            MdbTableDef* table;
            std::vector<char*> buffers;
            ~Freer() {
                for (char* buffer : buffers)
                    g_free(buffer);
                mdb_free_tabledef(table);
            }
        } freer{table, {}};
        mdb_read_columns(table);
        mdb_rewind_table(table);
        const int columns = static_cast<int>(table->num_cols);
        std::vector<int> lengths(static_cast<size_t>(columns), 0);
        for (int i = 0; i < columns; ++i) {
            freer.buffers.push_back(static_cast<char*>(g_malloc0(MDB_BIND_SIZE)));
            mdb_bind_column(table, i + 1, freer.buffers.back(), &lengths[static_cast<size_t>(i)]);
        }
        QVariantList row;
        while (mdb_fetch_row(table)) {
            row.clear();
            for (int i = 0; i < columns; ++i) {
                const int length = lengths[static_cast<size_t>(i)];
                row << (length > 0 ? QVariant(QString::fromUtf8(
                                         freer.buffers[static_cast<size_t>(i)], length))
                                   : QVariant(QMetaType(QMetaType::QString)));
            }
            each(row);
        }
    }

private:
    MdbTableDef* find(const QString& name) {
        QByteArray utf8 = name.toUtf8();
        // A catalog name in another case is the same table, as the desktop database has it.
        GPtrArray* catalog = mdb_read_catalog(mdb_, MDB_TABLE);
        if (catalog) {
            for (guint i = 0; i < catalog->len; ++i) {
                auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
                if (QString::fromUtf8(entry->object_name).compare(name, Qt::CaseInsensitive) == 0)
                    utf8 = QByteArray(entry->object_name);
            }
        }
        return mdb_read_table_by_name(mdb_, utf8.data(), MDB_TABLE);
    }
    static StoreError missing(const QString& name) {
        return StoreError(QStringLiteral("ไม่พบตาราง %1 ในฐานข้อมูลที่เลือก").arg(name));
    }
    MdbHandle* mdb_;
};

} // namespace

std::unique_ptr<SourceBook> SourceBook::openJet(const QString& path) {
    // Text of the oldest files is in the Thai code page.
    if (qEnvironmentVariableIsEmpty("MDB_JET3_CHARSET"))
        qputenv("MDB_JET3_CHARSET", "CP874");
    MdbHandle* mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!mdb)
        return nullptr;
    if (!mdb_read_catalog(mdb, MDB_ANY)) {
        mdb_close(mdb);
        return nullptr;
    }
    return std::make_unique<JetSource>(mdb);
}
