// The computer's network settings on Linux: NetworkManager for the cards' addresses,
// hostnamectl for the computer's name, and Debian's cluster tools for the shop's book server.

#include "platform/gui/linuxplatform.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <unistd.h>

namespace {

struct Ran {
    bool started = false;
    int code = -1;
    QString out;
    QString err;
};

Ran run(const QString& program, const QStringList& arguments, const QByteArray& input = {},
        int waitMs = 120000) {
    Ran ran;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return ran;
    ran.started = true;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(waitMs)) {
        process.kill();
        process.waitForFinished(5000);
        ran.err = QStringLiteral("timeout");
        return ran;
    }
    ran.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    ran.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    ran.err = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return ran;
}

bool refusedForRights(const Ran& ran) {
    static const QRegularExpression denied(
        QStringLiteral("not authori[sz]ed|insufficient privileges|access denied|permission "
                       "denied|authentication required|must be root|request dismissed"),
        QRegularExpression::CaseInsensitiveOption);
    return denied.match(ran.err + QLatin1Char(' ') + ran.out).hasMatch();
}

Platform::Change outcomeOf(const Ran& ran) {
    Platform::Change change;
    if (ran.code == 0)
        change.status = Platform::Change::done;
    else if (refusedForRights(ran))
        change.status = Platform::Change::noRight;
    change.detail = ran.err.isEmpty() ? ran.out.trimmed() : ran.err;
    return change;
}

Platform::Change missing(const QString& tool) {
    Platform::Change change;
    change.status = Platform::Change::noTool;
    change.detail = tool;
    return change;
}

// The active connections of network cards (wired and wireless), by name.
QStringList cardConnections(const QString& nmcli, Ran* listed) {
    *listed = run(nmcli, {QStringLiteral("-t"), QStringLiteral("-f"), QStringLiteral("NAME,TYPE"),
                          QStringLiteral("connection"), QStringLiteral("show"),
                          QStringLiteral("--active")});
    QStringList names;
    for (const QString& line : listed->out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // Fields are split by ':'; a ':' inside a name comes as "\:".
        const int split = line.lastIndexOf(QLatin1Char(':'));
        if (split <= 0)
            continue;
        const QString type = line.mid(split + 1);
        if (type != QLatin1String("802-3-ethernet") && type != QLatin1String("802-11-wireless"))
            continue;
        QString name = line.left(split);
        name.replace(QLatin1String("\\:"), QLatin1String(":"));
        name.replace(QLatin1String("\\\\"), QLatin1String("\\"));
        names << name;
    }
    return names;
}

// Each card's connection changed and brought up again; one that refuses keeps its address.
Platform::Change changeCards(const QStringList& settings) {
    const QString nmcli = QStandardPaths::findExecutable(QStringLiteral("nmcli"));
    if (nmcli.isEmpty())
        return missing(QStringLiteral("nmcli (NetworkManager)"));
    Ran listed;
    const QStringList cards = cardConnections(nmcli, &listed);
    if (listed.code != 0)
        return outcomeOf(listed);
    Platform::Change result;
    result.detail = QStringLiteral("ไม่พบการ์ดเครือข่ายที่เชื่อมต่ออยู่");
    for (const QString& card : cards) {
        const Ran modified =
            run(nmcli, QStringList{QStringLiteral("connection"), QStringLiteral("modify"), card} +
                           settings);
        const Ran up = modified.code == 0
                           ? run(nmcli, {QStringLiteral("connection"), QStringLiteral("up"), card})
                           : modified;
        const Platform::Change change = outcomeOf(up);
        if (change.ok() || result.status != Platform::Change::done)
            result = change;
    }
    return result;
}

// A script run as the system's administrator: at once when the program runs as root, else
// through the desktop's password prompt (pkexec). Its input goes on its standard input.
Ran runAsAdministrator(const QString& script, const QByteArray& input, bool* allowed) {
    *allowed = true;
    if (::getuid() == 0)
        return run(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script}, input);
    const QString pkexec = QStandardPaths::findExecutable(QStringLiteral("pkexec"));
    if (pkexec.isEmpty()) {
        *allowed = false;
        return {};
    }
    Ran ran = run(pkexec, {QStringLiteral("/bin/sh"), QStringLiteral("-c"), script}, input);
    // pkexec: 126 the prompt was dismissed, 127 not allowed.
    if (ran.code == 126 || ran.code == 127)
        *allowed = false;
    return ran;
}

const char kOpenScript[] = R"(set -e
read -r PW
found=$(pg_lsclusters -h | awk '$2 == "tabulox" {print $1, $3, $4}')
if [ -n "$found" ]; then
    V=${found%% *}
    rest=${found#* }
    PORT=${rest%% *}
    case "$rest" in *online*) echo "PORT=$PORT"; exit 10;; esac
else
    V=$(ls /usr/lib/postgresql | sort -V | tail -n 1)
    PORT=5432
    while pg_lsclusters -h | awk '{print $3}' | grep -qx "$PORT"; do PORT=$((PORT + 1)); done
    pg_createcluster "$V" tabulox -p "$PORT" --start-conf auto >/dev/null
    pg_conftool "$V" tabulox set listen_addresses '*'
    echo "host tabulox tabulox samenet scram-sha-256" >>"/etc/postgresql/$V/tabulox/pg_hba.conf"
fi
echo auto >"/etc/postgresql/$V/tabulox/start.conf"
pg_ctlcluster "$V" tabulox start
systemctl enable postgresql >/dev/null 2>&1 || true
runuser -u postgres -- psql -q -X -p "$PORT" -d postgres -v ON_ERROR_STOP=1 <<EOF
DO \$\$BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'tabulox') THEN CREATE ROLE tabulox LOGIN; END IF; END\$\$;
ALTER ROLE tabulox PASSWORD '$PW';
EOF
if ! runuser -u postgres -- psql -tAqX -p "$PORT" -d postgres -c "SELECT 1 FROM pg_database WHERE datname = 'tabulox'" | grep -q 1; then
    runuser -u postgres -- createdb -p "$PORT" -O tabulox tabulox
fi
echo "PORT=$PORT"
)";

const char kCloseScript[] = R"(found=$(pg_lsclusters -h | awk '$2 == "tabulox" {print $1}')
[ -n "$found" ] || exit 0
pg_ctlcluster "$found" tabulox stop || true
echo manual >"/etc/postgresql/$found/tabulox/start.conf"
)";

} // namespace

Platform::Change LinuxPlatform::setFixedAddress(const QString& address) {
    return changeCards({QStringLiteral("ipv4.method"), QStringLiteral("manual"),
                        QStringLiteral("ipv4.addresses"), address + QStringLiteral("/24")});
}

Platform::Change LinuxPlatform::setAutomaticAddress() {
    return changeCards({QStringLiteral("ipv4.method"), QStringLiteral("auto"),
                        QStringLiteral("ipv4.addresses"), QString(),
                        QStringLiteral("ipv4.gateway"), QString()});
}

Platform::Change LinuxPlatform::setComputerName(const QString& name) {
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9-]{0,62})$"));
    if (!valid.match(name).hasMatch()) {
        Change change;
        change.detail = QStringLiteral("ชื่อเครื่องต้องเป็นตัวอักษรอังกฤษ ตัวเลข หรือ - ไม่เกิน 63 ตัว");
        return change;
    }
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("hostnamectl"));
    if (tool.isEmpty())
        return missing(QStringLiteral("hostnamectl"));
    return outcomeOf(run(tool, {QStringLiteral("set-hostname"), name}));
}

Platform::Change LinuxPlatform::restartComputer() {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("systemctl"));
    if (tool.isEmpty())
        return missing(QStringLiteral("systemctl"));
    return outcomeOf(run(tool, {QStringLiteral("reboot")}));
}

Platform::Change LinuxPlatform::openShopServer(const QString& password) {
    // The password goes into a statement: letters and digits only.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9]{8,64}$"));
    if (!plain.match(password).hasMatch()) {
        Change change;
        change.detail = QStringLiteral("รหัสผ่านต้องเป็นตัวอักษรอังกฤษหรือตัวเลข 8 ตัวขึ้นไป");
        return change;
    }
    if (QStandardPaths::findExecutable(QStringLiteral("pg_createcluster")).isEmpty())
        return missing(QStringLiteral("PostgreSQL (แพ็กเกจ postgresql)"));
    bool allowed = true;
    const Ran ran = runAsAdministrator(QString::fromUtf8(kOpenScript), password.toLatin1() + '\n',
                                       &allowed);
    Change change = outcomeOf(ran);
    if (!allowed)
        change.status = Change::noRight;
    else if (ran.code == 10)
        change.status = Change::already;
    static const QRegularExpression port(QStringLiteral("PORT=(\\d+)"));
    const QRegularExpressionMatch found = port.match(ran.out);
    if (found.hasMatch())
        change.port = found.captured(1).toInt();
    return change;
}

Platform::Change LinuxPlatform::closeShopServer() {
    if (QStandardPaths::findExecutable(QStringLiteral("pg_ctlcluster")).isEmpty())
        return missing(QStringLiteral("PostgreSQL (แพ็กเกจ postgresql)"));
    bool allowed = true;
    Change change = outcomeOf(runAsAdministrator(QString::fromUtf8(kCloseScript), {}, &allowed));
    if (!allowed)
        change.status = Change::noRight;
    return change;
}
