#include "network/gui/tsharef.h"

#include "common/desk.h"
#include "network/stationsetup.h"
#include "platform/platform.h"
#include "store/location.h"
#include "ui/dialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const int kDefaultPort = 5432;
}

Tsharef::Tsharef(Desk& desk) : desk_(desk) {
    setObjectName(QStringLiteral("Tsharef"));
    setWindowTitle(QStringLiteral("Restartserver"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("RestartServer"), this);
    caption->setObjectName(QStringLiteral("Label1"));
    caption->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold; color: #0030a0;"));
    layout->addWidget(caption);
    place_ = new QLabel(this);
    place_->setObjectName(QStringLiteral("Label2"));
    place_->setWordWrap(true);
    place_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    place_->setMinimumWidth(420);
    place_->setText(QStringLiteral("ฐานข้อมูลปัจจุบันคือ ") + location::shownLocation(desk.run().sharedPath));
    layout->addWidget(place_);
    auto* open = new QPushButton(QStringLiteral("เปิดการทำงาน"), this);
    open->setObjectName(QStringLiteral("BitBtn1"));
    auto* close = new QPushButton(QStringLiteral("ปิดการทำงาน"), this);
    close->setObjectName(QStringLiteral("BitBtn2"));
    layout->addWidget(open);
    layout->addWidget(close);
    connect(open, &QPushButton::clicked, this, &Tsharef::openShare);
    connect(close, &QPushButton::clicked, this, &Tsharef::closeShare);
}

void Tsharef::openShare() {
    // The password this computer keeps for its own server, else a new one.
    QString password = pgpass::find(QStringLiteral("localhost"), -1);
    if (password.isEmpty())
        password = pgpass::newPassword();
    place_->setText(QStringLiteral("ฐานข้อมูลปัจจุบันคือ ") +
                    location::shownLocation(location::shopAddress(QStringLiteral("localhost"))));
    Platform::Change change = Platform::instance().openShopServer(password);
    if (change.status == Platform::Change::already) {
        Dialogs::warning(this, QStringLiteral("Server กำลังทำงานอยู่"),
                         QStringLiteral("Server กำลังทำงานอยู่ ให้ปิดการทำงานก่อนเปิดการทำงาน"));
        return;
    }
    if (!change.ok()) {
        Dialogs::warning(this, Platform::refusalText(change));
        return;
    }
    const int port = change.port == kDefaultPort ? -1 : change.port;
    const QString address = location::shopAddress(QStringLiteral("localhost"), port);
    try {
        pgpass::keep(QStringLiteral("localhost"), -1, password);
        stationsetup::makeBookServer(desk_.own(), address);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    place_->setText(QStringLiteral("ฐานข้อมูลปัจจุบันคือ ") + location::shownLocation(address) +
                    QStringLiteral("\nเครื่องลูกตั้งชื่อเครื่องนี้ (") + desk_.run().computerName +
                    (port > 0 ? QLatin1Char(':') + QString::number(port) : QString()) +
                    QStringLiteral(") ในเมนู 7.ระบบการป้อน และใช้รหัสผ่าน ") + password +
                    QStringLiteral("\nเครื่องนี้จะบันทึกลงฐานข้อมูลร้านเมื่อเปิดโปรแกรมครั้งต่อไป"));
    Dialogs::info(this, QStringLiteral("เปิดการทำงานเรียบร้อย"), QStringLiteral("เปิดการทำงานเรียบร้อย"));
}

void Tsharef::closeShare() {
    const Platform::Change change = Platform::instance().closeShopServer();
    if (!change.ok() && change.status != Platform::Change::already) {
        Dialogs::warning(this, Platform::refusalText(change));
        return;
    }
    Dialogs::info(this, QStringLiteral("ปิดการทำงานของ Serverเรียบร้อย "),
                  QStringLiteral("ปิดการทำงานของ Serverเรียบร้อย"));
}
