#include "shell/gui/tchangepass.h"

#include "common/desk.h"
#include "common/settings.h"
#include "store/database.h"
#include "store/password.h"
#include "ui/dialogs.h"
#include "ui/maskedit.h"
#include "ui/subwindow.h"

#include <QFormLayout>
#include <QPushButton>

Tchangepass::Tchangepass(Desk& desk) : desk_(desk) {
    setObjectName(QStringLiteral("Tchangepass"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("เปลี่ยนรหัสผ่าน"));
    auto* form = new QFormLayout(this);
    edit1_ = newMaskedEdit(QLatin1Char('*'), this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit2_ = newMaskedEdit(QLatin1Char('*'), this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    auto* button = new QPushButton(QStringLiteral("เปลี่ยนรหัส"), this);
    button->setObjectName(QStringLiteral("BitBtn1"));
    form->addRow(QStringLiteral("รหัสเดิม"), edit1_);
    form->addRow(QStringLiteral("รหัสใหม่"), edit2_);
    form->addRow(button);
    connect(button, &QPushButton::clicked, this, &Tchangepass::change);
    connect(edit2_, &QLineEdit::returnPressed, this, &Tchangepass::change);
}

void Tchangepass::change() {
    try {
        SettingsRecord settings(desk_.own());
        if (passwordTransform(edit1_->text()) != settings.text(Pass::pass)) {
            Dialogs::info(this, QStringLiteral("รหัสผ่านเดิมไม่ถูกต้อง"),
                          QStringLiteral("โปรตรวจสอบอีกครั้ง"));
            return;
        }
        settings.set(Pass::pass, passwordTransform(edit2_->text()));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    Dialogs::info(this, QStringLiteral("เปลี่ยนรหัสผ่านสำเร็จรหัสใหม่ของคุณคือ") + edit2_->text());
    closeWithFrame(this);
}
