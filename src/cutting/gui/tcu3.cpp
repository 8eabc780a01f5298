#include "cutting/gui/tcu3.h"

#include "common/desk.h"
#include "common/settings.h"
#include "store/database.h"
#include "store/kindcaptions.h"
#include "ui/dialogs.h"

#include <QCheckBox>
#include <QVBoxLayout>

Tcu3::Tcu3(Desk& desk)
    : KindValueForm(QStringLiteral("change2"), desk.openShared(), desk.run().kindNamingMode,
                    kindCaptions(desk.run().kindNamingMode)),
      desk_(desk) {
    setObjectName(QStringLiteral("Tcu3"));
    setWindowTitle(QStringLiteral("ตั้งค่าการอั้น"));
    chkcolor_ = new QCheckBox(QStringLiteral(" แจ้งเตือน สีแดง ตัวเลข"), this);
    chkcolor_->setObjectName(QStringLiteral("chkcolor"));
    try {
        redWarning_ = SettingsRecord(db()).redWarning();
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    chkcolor_->setChecked(redWarning_);
    connect(chkcolor_, &QCheckBox::toggled, this, [this](bool on) {
        try {
            SettingsRecord(db()).setFlag(Backc::back26, on);
            redWarning_ = on;
        } catch (const StoreError& error) {
            Dialogs::warning(this, error.message());
        }
    });
    body()->addWidget(chkcolor_);
    setFixedSize(sizeHint().expandedTo(QSize(420, 0)));
}

void Tcu3::saved() {
    Dialogs::info(this, QStringLiteral("บันทึกค่าเรียบร้อย"));
}

void Tcu3::refreshed() {
    // The entry form colours its totals itself after each line; here only new limits,
    // saved on this computer or another, are told.
    if (values() == told_)
        return;
    told_ = values();
    desk_.kindLimitsSaved(values());
}
