#include "network/stationsetup.h"

#include "common/settings.h"
#include "store/location.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>

namespace stationsetup {

bool isServerName(const QString& computerName) {
    return computerName == QLatin1String("server") || computerName == QLatin1String("SERVER");
}

void makeServer(Database& own, const QString& programFolder) {
    Transaction transaction(own);
    SettingsRecord settings(own);
    if (!Database::isServerAddress(settings.text(Cstr::cstr2)))
        settings.set(Cstr::cstr2, programFolder);
    settings.set(Cstr::tran, QStringLiteral("0"));
    transaction.commit();
}

void makeBookServer(Database& own, const QString& address) {
    location::createServerBook(address);
    Transaction transaction(own);
    SettingsRecord settings(own);
    settings.set(Cstr::cstr2, address);
    settings.set(Cstr::tran, QStringLiteral("0"));
    transaction.commit();
}

void addMarkers(Database& book) {
    book.execTogether({{QStringLiteral("INSERT INTO tballsave2 (num) VALUES (?)"), {QStringLiteral("77")}},
                       {QStringLiteral("INSERT INTO tballsave2 (num) VALUES (?)"), {QStringLiteral("87")}}});
}

bool validComputer(const QString& computer) {
    return Database::isServerAddress(location::sharedLocation(QStringLiteral("\\\\") + computer));
}

namespace {
void writeStation(Database& own, const QString& computer, bool reset) {
    if (!validComputer(computer))
        throw StoreError(QStringLiteral("ชื่อเครื่องหรือ Ip ไม่ถูกต้อง: ") + computer);
    Transaction transaction(own);
    SettingsRecord settings(own);
    settings.set(Cstr::cstr2, QStringLiteral("\\\\") + computer);
    settings.set(Cstr::tran, QStringLiteral("1"));
    if (reset) {
        settings.set(Backc::back6, QStringLiteral("0"));
        settings.set(Backc::back22, QStringLiteral("200"));
    }
    transaction.commit();
}
} // namespace

void makeStation(Database& own, const QString& computer) {
    writeStation(own, computer, false);
}

void resetToStation(Database& own, const QString& computer) {
    writeStation(own, computer, true);
}

} // namespace stationsetup

namespace pgpass {

QString file() {
    const QString given = qEnvironmentVariable("PGPASSFILE");
    return given.isEmpty() ? QDir::homePath() + QStringLiteral("/.pgpass") : given;
}

namespace {
QString escaped(QString field) {
    field.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    field.replace(QLatin1Char(':'), QLatin1String("\\:"));
    return field;
}

QString lineStart(const QString& host, int port) {
    return escaped(host) + QLatin1Char(':') +
           (port > 0 ? QString::number(port) : QStringLiteral("*")) +
           QStringLiteral(":tabulox:tabulox:");
}

QStringList lines() {
    QFile old(file());
    if (!old.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(old.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
} // namespace

QString find(const QString& host, int port) {
    const QString start = lineStart(host, port);
    for (const QString& line : lines()) {
        if (line.startsWith(start)) {
            QString password = line.mid(start.size());
            password.replace(QLatin1String("\\:"), QLatin1String(":"));
            password.replace(QLatin1String("\\\\"), QLatin1String("\\"));
            return password;
        }
    }
    return QString();
}

QString newPassword() {
    static const char letters[] = "abcdefghijkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789";
    QString password;
    for (int i = 0; i < 24; ++i)
        password += QLatin1Char(letters[QRandomGenerator::system()->bounded(int(sizeof letters) - 1)]);
    return password;
}

void keep(const QString& host, int port, const QString& password) {
    const QString start = lineStart(host, port);
    // First, before any line that matches every computer.
    QStringList kept{start + escaped(password)};
    for (const QString& line : lines()) {
        if (!line.startsWith(start))
            kept << line;
    }
    QSaveFile out(file());
    if (!out.open(QIODevice::WriteOnly) ||
        !out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        out.write((kept.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) < 0 ||
        !out.commit())
        throw StoreError(QStringLiteral("บันทึกรหัสผ่านลงไฟล์ ") + file() +
                         QStringLiteral(" ไม่ได้: ") + out.errorString());
}

} // namespace pgpass
