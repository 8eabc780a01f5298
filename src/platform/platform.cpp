#include "platform/platform.h"

#include "platform/fakeplatform.h"

namespace {
Platform* installed = nullptr;
} // namespace

Platform& Platform::instance() {
    if (installed)
        return *installed;
    // Nothing installed (a core tool, a benchmark): a platform that does nothing.
    static FakePlatform quiet;
    return quiet;
}

void Platform::install(Platform* platform) { installed = platform; }

QString Platform::refusalText(const Change& change) {
    switch (change.status) {
    case Change::done:
    case Change::already:
        return QString();
    case Change::noTool:
        return QStringLiteral("เครื่องนี้ไม่มีโปรแกรม ") + change.detail +
               QStringLiteral(" จึงทำคำสั่งนี้ไม่ได้ ไม่มีการเปลี่ยนแปลงใดๆ");
    case Change::noRight:
        return QStringLiteral("ผู้ใช้นี้ไม่มีสิทธิ์เปลี่ยนการตั้งค่าของเครื่อง ไม่มีการเปลี่ยนแปลงใดๆ") +
               (change.detail.isEmpty() ? QString() : QStringLiteral(" (") + change.detail + QLatin1Char(')'));
    case Change::failed:
        break;
    }
    return QStringLiteral("ทำคำสั่งนี้ไม่สำเร็จ") +
           (change.detail.isEmpty() ? QString() : QStringLiteral(": ") + change.detail);
}
