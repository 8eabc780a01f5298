#include "network/gui/tsetip.h"

#include "common/desk.h"
#include "network/gui/shoplogin.h"
#include "network/stationsetup.h"
#include "store/database.h"
#include "ui/dialogs.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

Tsetip::Tsetip(Desk& desk) : desk_(desk) {
    setObjectName(QStringLiteral("Tsetip"));
    setWindowTitle(QStringLiteral("serversetup"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Server Name  /   IP"), this));
    name_ = new QLineEdit(QStringLiteral("SERVER"), this);
    name_->setObjectName(QStringLiteral("Edit1"));
    name_->setMinimumWidth(260);
    layout->addWidget(name_);
    auto* group = new QGroupBox(QStringLiteral("เลือกระบบการป้อน"), this);
    auto* choices = new QHBoxLayout(group);
    server_ = new QRadioButton(QStringLiteral("Server"), group);
    server_->setObjectName(QStringLiteral("r1"));
    lan_ = new QRadioButton(QStringLiteral("Lan"), group);
    lan_->setObjectName(QStringLiteral("r2"));
    choices->addWidget(server_);
    choices->addWidget(lan_);
    layout->addWidget(group);
    auto* save = new QPushButton(QStringLiteral("บันทึก"), this);
    save->setObjectName(QStringLiteral("BitBtn1"));
    layout->addWidget(save);
    connect(save, &QPushButton::clicked, this, &Tsetip::save);

    (desk.run().isStation() ? lan_ : server_)->setChecked(true);
    // The computer named server is always the server.
    if (stationsetup::isServerName(desk.run().computerName)) {
        server_->setChecked(true);
        lan_->setEnabled(false);
    }
    setFocusProxy(name_);
    name_->setFocus();
    name_->selectAll();
}

void Tsetip::save() {
    const QString name = name_->text().trimmed();
    try {
        if (server_->isChecked()) {
            stationsetup::makeServer(desk_.own(), desk_.run().programFolder);
            Dialogs::info(this, QStringLiteral("Set_To_Server_Ok"));
        } else if (lan_->isChecked()) {
            stationsetup::makeStation(desk_.own(), name);
            // The shop's password is asked now, once, if the server wants one.
            if (const std::optional<StoreError> refusal = shoplogin::reach(this, name))
                Dialogs::warning(this, QStringLiteral("ยังเชื่อมต่อฐานข้อมูลร้านที่เครื่อง ") + name +
                                           QStringLiteral(" ไม่ได้\n") + refusal->message());
            Dialogs::info(this, QStringLiteral("Set_To_Lan_Ok"));
        } else {
            return;
        }
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    desk_.endProgram();
}
