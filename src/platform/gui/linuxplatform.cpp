#include "platform/gui/linuxplatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QSoundEffect>
#include <QStorageInfo>
#include <QSysInfo>
#include <QUrl>

#include <arpa/inet.h>
#include <csignal>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <unistd.h>

namespace {
// Executable name of a running process, from /proc.
QString processName(const QString& pid) {
    const QString exe = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
    if (!exe.isEmpty())
        return QFileInfo(exe).fileName();
    QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (cmdline.open(QIODevice::ReadOnly)) {
        const QByteArray first = cmdline.readAll().split('\0').value(0);
        return QFileInfo(QString::fromLocal8Bit(first)).fileName();
    }
    return QString();
}

QStringList processIds() {
    QStringList ids;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool numeric = false;
        entry.toInt(&numeric);
        if (numeric)
            ids << entry;
    }
    return ids;
}
} // namespace

LinuxPlatform::~LinuxPlatform() { qDeleteAll(sounds_); }

QString LinuxPlatform::computerName() { return QSysInfo::machineHostName(); }

QString LinuxPlatform::address() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return QStringLiteral("No. IP Address");
    QString first;
    QString loopback;
    for (ifaddrs* it = list; it; it = it->ifa_next) {
        if (!it->ifa_addr || it->ifa_addr->sa_family != AF_INET)
            continue;
        char text[INET_ADDRSTRLEN] = {};
        const auto* in = reinterpret_cast<const sockaddr_in*>(it->ifa_addr);
        inet_ntop(AF_INET, &in->sin_addr, text, sizeof text);
        const QString ip = QString::fromLatin1(text);
        if (ip.startsWith(QLatin1String("127.")))
            loopback = loopback.isEmpty() ? ip : loopback;
        else if (first.isEmpty())
            first = ip;
    }
    freeifaddrs(list);
    if (!first.isEmpty())
        return first;
    return loopback.isEmpty() ? QStringLiteral("No. IP Address") : loopback;
}

double LinuxPlatform::freeDiskKilobytes(const QString& path) {
    const QStorageInfo storage(path);
    return storage.isValid() ? storage.bytesAvailable() / 1024.0 : 0.0;
}

QStringList LinuxPlatform::processNames(bool* ok) {
    QStringList names;
    const QStringList ids = processIds();
    *ok = !ids.isEmpty();
    for (const QString& pid : ids) {
        const QString name = processName(pid);
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

void LinuxPlatform::endProcessesNamed(const QString& exeName) {
    const QString self = QString::number(getpid());
    for (const QString& pid : processIds()) {
        if (pid != self && processName(pid).compare(exeName, Qt::CaseInsensitive) == 0)
            ::kill(pid.toInt(), SIGTERM);
    }
    ::_exit(0);
}

bool LinuxPlatform::openWithShell(const QString& path) {
    if (!QFileInfo::exists(path))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool LinuxPlatform::startProgram(const QString& path, const QStringList& arguments) {
    if (!QFileInfo(path).isExecutable())
        return false;
    return QProcess::startDetached(path, arguments, QFileInfo(path).absolutePath());
}

bool LinuxPlatform::showFolderProperties(const QString& folder) {
    // The desktop has no properties dialog to ask for; show the folder itself.
    return openWithShell(folder);
}

bool LinuxPlatform::openComputerShares(const QString& computer) {
    return QDesktopServices::openUrl(QUrl(QStringLiteral("smb://") + computer + QLatin1Char('/')));
}

bool LinuxPlatform::openNetworkPanel() {
    const QString editor = QStandardPaths::findExecutable(QStringLiteral("nm-connection-editor"));
    return !editor.isEmpty() && QProcess::startDetached(editor, {});
}

// Adapters, the computer's name, restarting and the font set-up belong to the system's
// administrator on Linux; the program does not change them.
bool LinuxPlatform::setFixedAddress(const QString&) { return false; }
bool LinuxPlatform::setAutomaticAddress() { return false; }
bool LinuxPlatform::setComputerName(const QString&) { return false; }
bool LinuxPlatform::restartComputer() { return false; }
bool LinuxPlatform::applyThaiFontSettings() { return false; }

void LinuxPlatform::beep() { QApplication::beep(); }

void LinuxPlatform::playSound(const QString& wavFile) {
    if (!QFileInfo::exists(wavFile))
        return;
    QSoundEffect*& effect = sounds_[wavFile];
    if (!effect) {
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(wavFile));
    }
    effect->play();
}

QString LinuxPlatform::defaultPrinter() { return QPrinterInfo::defaultPrinterName(); }
