// The main window's commands that go to the computer: tools, folders, hot keys, adapters.

#include "platform/platform.h"
#include "shell/gui/tmain.h"
#include "shell/gui/tools.h"
#include "store/defaults.h"
#include "ui/dialogs.h"

#include <QHostAddress>

namespace {
const char kUnsupported[] = "เครื่องนี้ไม่รองรับคำสั่งนี้";

// A dotted IPv4 address of four parts.
bool isAddress(const QString& text) {
    QHostAddress address;
    return text.count(QLatin1Char('.')) == 3 && address.setAddress(text) &&
           address.protocol() == QAbstractSocket::IPv4Protocol;
}
} // namespace

void Tmain::unsupported() {
    Dialogs::info(this, QString::fromUtf8(kUnsupported));
}

bool Tmain::startTool(const QString& relativePath, bool endAfter) {
    return tools::start(this, *desk_, relativePath, endAfter);
}

bool Tmain::hotKey(int key) {
    Platform& platform = Platform::instance();
    switch (key) {
    case Qt::Key_Q:
        endProgram();
        return true;
    case Qt::Key_Z:
        if (isEnabled())
            openEntryForm();
        return isEnabled();
    case Qt::Key_D:
        openProgramFolder(false);
        return true;
    case Qt::Key_N:
        openNetworkPanel();
        return true;
    case Qt::Key_F:
        platform.openWithShell(run().programFolder + QStringLiteral("tabulox.theme"));
        return true;
    case Qt::Key_L:
        openNetworkPanel();
        return true;
    case Qt::Key_S:
        platform.openComputerShares(QStringLiteral("server"));
        return true;
    default:
        return false;
    }
}

void Tmain::openProgramFolder(bool endAfter) {
    Platform::instance().openWithShell(run().programFolder);
    if (endAfter)
        endProgram();
}

void Tmain::openNetworkPanel() {
    if (!Platform::instance().openNetworkPanel())
        unsupported();
}

void Tmain::setFixedAddress() {
    if (!askSecret(QStringLiteral("ป้อนรหัสผ่านเพื่อตั้งค่า"), defaults::setupPassword(),
                   QStringLiteral("passwordไม่ถูกต้อง")))
        return;
    bool ok = false;
    const QString address =
        Dialogs::input(this, QStringLiteral("ป้อนIp-Address"),
                       QStringLiteral("ป้อนค่าIp-Addressที่ต้องการ"), QStringLiteral("192.168.0.1"), &ok)
            .trimmed();
    if (!ok)
        return;
    if (!isAddress(address)) {
        Dialogs::warning(this, QStringLiteral("Ip-Addressไม่ถูกต้อง"));
        return;
    }
    sayChange(Platform::instance().setFixedAddress(address),
              QStringLiteral("ตั้งค่าIp-Address=") + address + QStringLiteral("เรียบร้อย"));
}

void Tmain::resetAddress() {
    sayChange(Platform::instance().setAutomaticAddress(), QStringLiteral("ResetIpเรียบร้อย"));
}

bool Tmain::sayChange(const Platform::Change& change, const QString& doneText) {
    if (!change.ok()) {
        Dialogs::warning(this, Platform::refusalText(change));
        return false;
    }
    if (!doneText.isEmpty())
        Dialogs::info(this, doneText);
    return true;
}

void Tmain::askAddress() {
    const QString proposed = QStringLiteral("192.168.0.");
    bool ok = false;
    const QString address = Dialogs::input(this, QStringLiteral("ป้อนIp-Address"),
                                           QStringLiteral("ป้อนค่าIp-Addressที่ต้องการ"), proposed, &ok)
                                .trimmed();
    if (!ok)
        return;
    // The proposal left as it was asks for an automatic address.
    if (address != proposed && !isAddress(address)) {
        Dialogs::warning(this, QStringLiteral("Ip-Addressไม่ถูกต้อง"));
        return;
    }
    Platform& platform = Platform::instance();
    sayChange(address == proposed ? platform.setAutomaticAddress() : platform.setFixedAddress(address),
              QStringLiteral("ตั้งค่าIp-Address=") + address + QStringLiteral("เรียบร้อย"));
}

void Tmain::setComputerName() {
    if (!askCode())
        return;
    bool ok = false;
    const QString name = Dialogs::input(this, QStringLiteral("ป้อนชื่อ"), QStringLiteral("ป้อนชื่อ"),
                                        QStringLiteral("SERVER"), &ok)
                             .trimmed();
    if (!ok || name.isEmpty())
        return;
    Platform& platform = Platform::instance();
    if (sayChange(platform.setComputerName(name), QString()))
        sayChange(platform.restartComputer(), QString());
}

bool Tmain::fixThaiFont(bool endAfter) {
    if (!Platform::instance().applyThaiFontSettings()) {
        unsupported();
        return false;
    }
    Dialogs::info(this, QStringLiteral("Restartnow"));
    if (endAfter)
        endProgram();
    return true;
}
