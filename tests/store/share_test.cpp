#include "entry/recorder.h"
#include "platform/fakeplatform.h"
#include "store/location.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

// A book file on a network share is never opened: the engine's locks do not hold there.
class ShareTest : public testing::Test {
    Q_OBJECT
private slots:
    void bookOnAShareIsNeverOpened();
    void noBookIsMadeOnAShare();
};

namespace {
QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

void ShareTest::bookOnAShareIsNeverOpened() {
    TempBook book;
    Recorder(book.db()).recordLine({{"123", Kind::h3, 10}}, "a");
    book.db().exec("PRAGMA wal_checkpoint(TRUNCATE)");
    const QString path = book.dbPath();
    // The same folder, now reached over the network.
    testing::freshPlatform().networkFolders << book.folder();
    const QByteArray before = bytesOf(path);

    for (auto open : std::initializer_list<std::function<void()>>{
             [&] { Database::openFile(path); }, [&] { Database::openExisting(path); },
             [&] { Database::openExistingReadOnly(path); },
             [&] { location::openBook(path, book.folder()); }}) {
        try {
            open();
            QFAIL("a book on a network share was opened");
        } catch (const StoreError& error) {
            QCOMPARE(error.kind(), StoreError::readOnly);
            QCOMPARE(error.message(), Database::networkShareText(path));
            QVERIFY(error.message().contains("postgresql://"));
        }
    }
    QCOMPARE(bytesOf(path), before);
}

void ShareTest::noBookIsMadeOnAShare() {
    QTemporaryDir dir;
    testing::freshPlatform().networkFolders << dir.path();
    const QString path = location::ownDatabasePath(dir.path());
    try {
        location::openBook(path, dir.path() + "/");
        QFAIL("a book was made on a network share");
    } catch (const StoreError& error) {
        QCOMPARE(error.message(), Database::networkShareText(path));
    }
    QVERIFY(!QFileInfo::exists(path));
}

TABULOX_TEST(ShareTest)
#include "share_test.moc"
