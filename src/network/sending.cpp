#include "network/sending.h"

#include "common/batchinflight.h"
#include "common/settings.h"
#include "store/dialect.h"

#include <QRandomGenerator>

namespace sending {

namespace {
const int kThresholds[] = {10, 50, 100, 150, 200, 250, 300, 350, 400};
const QString kRows = QStringLiteral("บรรทัด");
} // namespace

Settings read(Database& own) {
    SettingsRecord record(own);
    Settings settings;
    const QString mode = record.sendMode();
    settings.mode = mode == QLatin1String("1")   ? Mode::byCount
                    : mode == QLatin1String("2") ? Mode::lan
                                                 : Mode::byHand;
    settings.threshold = record.number(Backc::back7);
    settings.ceiling = record.text(Backc::back22);
    return settings;
}

void setMode(Database& own, Mode mode) {
    SettingsRecord(own).set(Backc::back6, mode == Mode::byCount ? QStringLiteral("1")
                                          : mode == Mode::lan   ? QStringLiteral("2")
                                                                : QStringLiteral("0"));
}

QStringList thresholdChoices() {
    QStringList choices;
    for (int rows : kThresholds)
        choices << QString::number(rows) + kRows;
    return choices;
}

int thresholdOf(const QString& choice) {
    for (int rows : kThresholds) {
        if (choice == QString::number(rows) + kRows)
            return rows;
    }
    return 0;
}

void setThreshold(Database& own, int rows) {
    SettingsRecord(own).set(Backc::back7, QString::number(rows));
}

QString thresholdText(int rows) {
    return QStringLiteral("ค่าเริ่มต้น=") + QString::number(rows) + kRows;
}

void setCeiling(Database& own, const QString& text) {
    bool number = false;
    const int rows = text.trimmed().toInt(&number);
    if (!number || rows < 1)
        throw StoreError(QStringLiteral("ค่าสูงสุดต้องเป็นตัวเลขจำนวนเต็มตั้งแต่ 1 ขึ้นไป"));
    SettingsRecord(own).set(Backc::back22, QString::number(rows));
}

int rebuildFromSent(Database& own) {
    Transaction transaction(own, dialect::beginWrite(own.engine()));
    inflight::refuseChange(own);
    own.exec(QStringLiteral("DELETE FROM tball"));
    own.exec(QStringLiteral("DELETE FROM tballcus"));
    int rows = 0;
    for (const QString& table : {QStringLiteral("tball"), QStringLiteral("tballcus")}) {
        rows = own.exec(QStringLiteral("INSERT INTO %1 (num,h,t,l,cus,codeins) SELECT num, h, t, "
                                       "l, cus, codeins FROM tballsent")
                            .arg(table))
                   .numRowsAffected();
    }
    transaction.commit();
    return rows;
}

QString testName() {
    static const char letters[] = "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ";
    QString name;
    for (int i = 0; i < 8; ++i)
        name += QLatin1Char(letters[QRandomGenerator::system()->bounded(34)]);
    return name;
}

void tryShopBook(const QString& location, const QString& mark) {
    std::unique_ptr<Database> book = Database::openExisting(location);
    Transaction transaction(*book);
    book->exec(QStringLiteral("INSERT INTO tot (num) VALUES (?)"), {mark});
    book->exec(QStringLiteral("DELETE FROM tot WHERE num = ?"), {mark});
    transaction.commit();
}

} // namespace sending
