#include "platform/gui/linuxplatform.h"

#include "platform/gui/x11hotkeys.h"
#include "platform/processes.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeDatabase>
#include <QPrinterInfo>
#include <QProcess>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QSysInfo>
#include <QUrl>
#include <qguiapplication_platform.h>

#include <arpa/inet.h>
#include <csignal>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {
const QString procRoot = QStringLiteral("/proc");

// The type of the FUSE mount holding path names a file system reached over the network.
bool networkFuse(const QString& path) {
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (!mounts.open(QIODevice::ReadOnly))
        return false;
    QString best;
    QString type;
    for (const QByteArray& line : mounts.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3)
            continue;
        // A space in a mount point is written as \040.
        const QString point = QString::fromLocal8Bit(fields.at(1))
                                  .replace(QStringLiteral("\\040"), QStringLiteral(" "));
        const QString inside = point.endsWith(QLatin1Char('/')) ? point : point + QLatin1Char('/');
        if ((path == point || path.startsWith(inside)) && point.size() >= best.size()) {
            best = point;
            type = QString::fromLatin1(fields.at(2));
        }
    }
    static const QStringList network = {
        QStringLiteral("fuse.sshfs"),     QStringLiteral("fuse.rclone"),
        QStringLiteral("fuse.s3fs"),      QStringLiteral("fuse.gvfsd-fuse"),
        QStringLiteral("fuse.glusterfs"), QStringLiteral("fuse.smbnetfs"),
        QStringLiteral("fuse.curlftpfs"), QStringLiteral("fuse.cephfs"),
        QStringLiteral("fuse.kio-fuse")};
    return network.contains(type);
}
} // namespace

LinuxPlatform::LinuxPlatform() = default;

LinuxPlatform::~LinuxPlatform() {
    // Without the application its X connection is closed, and the grabs went with it.
    if (hotKeys_ && !QGuiApplication::instance())
        hotKeys_->abandon();
    qDeleteAll(sounds_);
}

QString LinuxPlatform::computerName() {
    return QSysInfo::machineHostName();
}

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

bool LinuxPlatform::onNetworkShare(const QString& path) {
    // The nearest folder that exists tells the file system a new file would be made on.
    QFileInfo info(path);
    while (!info.exists() && info.absolutePath() != info.absoluteFilePath())
        info = QFileInfo(info.absolutePath());
    struct statfs fs {};
    if (::statfs(QFile::encodeName(info.absoluteFilePath()).constData(), &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case 0x6969:     // NFS
    case 0x517B:     // SMB
    case 0xFE534D42: // SMB2
    case 0xFF534D42: // CIFS
    case 0x5346414F: // AFS
    case 0x01021997: // 9P
    case 0x73757245: // Coda
    case 0x564C:     // NCP
    case 0x47504653: // GPFS
    case 0x0BD00BD0: // Lustre
    case 0x00C36400: // Ceph
        return true;
    case 0x65735546: // FUSE: local (ntfs-3g) or over the network, by its mount's type
        return networkFuse(info.absoluteFilePath());
    default:
        return false;
    }
}

double LinuxPlatform::freeDiskKilobytes(const QString& path) {
    const QStorageInfo storage(path);
    return storage.isValid() ? storage.bytesAvailable() / 1024.0 : 0.0;
}

int LinuxPlatform::sameProgramCount(const QString& executablePath, bool* ok) {
    return int(processes::sameProgram(procRoot, executablePath, ::getuid(), ok).size());
}

void LinuxPlatform::endSameProgram(const QString& executablePath) {
    bool ok = false;
    const qint64 self = ::getpid();
    for (qint64 pid : processes::sameProgram(procRoot, executablePath, ::getuid(), &ok)) {
        if (pid != self)
            ::kill(pid_t(pid), SIGTERM);
    }
    ::_exit(0);
}

QList<int> LinuxPlatform::grabHotKeys(const QList<int>& qtKeys, std::function<void(int)> pressed) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11) {
        releaseHotKeys();
        return qtKeys;
    }
    if (!hotKeys_) {
        hotKeys_ = std::make_unique<X11HotKeys>(x11->connection());
        qGuiApp->installNativeEventFilter(hotKeys_.get());
    }
    return hotKeys_->grab(qtKeys, std::move(pressed));
}

void LinuxPlatform::releaseHotKeys() {
    if (hotKeys_)
        hotKeys_->release();
}

namespace {
// Whether the desktop names a program for the file's type; true when it cannot be asked.
bool hasDefaultProgram(const QString& file) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (tool.isEmpty())
        return true;
    QProcess query;
    query.start(tool, {QStringLiteral("query"), QStringLiteral("default"),
                       QMimeDatabase().mimeTypeForFile(file).name()});
    if (!query.waitForFinished(5000))
        return true;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}
} // namespace

bool LinuxPlatform::openWithShell(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    if (info.isFile() && !hasDefaultProgram(path))
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

// The font set-up belongs to the system's administrator on Linux; the program does not change
// it. The network cards, the computer's name and the shop's server are in linuxnetwork.cpp.
bool LinuxPlatform::applyThaiFontSettings() {
    return false;
}

void LinuxPlatform::beep() {
    QApplication::beep();
}

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

QString LinuxPlatform::defaultPrinter() {
    return QPrinterInfo::defaultPrinterName();
}
