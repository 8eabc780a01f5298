#include "cutting/gui/tcu3.h"

#include "entry/gui/tfminput.h"
#include "shell/gui/tmain.h"
#include "shell/settings.h"
#include "store/database.h"
#include "ui/dialogs.h"
#include "ui/kindcaptions.h"

#include <QCheckBox>
#include <QVBoxLayout>

Tcu3::Tcu3(Tmain* main)
    : KindValueForm(QStringLiteral("change2"), main->run().sharedPath, main->run().kindNamingMode,
                    kindCaptions(main->run().kindNamingMode), main),
      main_(main) {
    setObjectName(QStringLiteral("Tcu3"));
    setWindowTitle(QStringLiteral("ตั้งค่าการอั้น"));
    chkcolor_ = new QCheckBox(QStringLiteral(" แจ้งเตือน สีแดง ตัวเลข"), this);
    chkcolor_->setObjectName(QStringLiteral("chkcolor"));
    try {
        redWarning_ = SettingsRecord(db()).text(Backc::back26) != QLatin1String("0");
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    chkcolor_->setChecked(redWarning_);
    connect(chkcolor_, &QCheckBox::toggled, this, [this](bool on) {
        try {
            SettingsRecord(db()).set(Backc::back26, on ? QStringLiteral("1") : QStringLiteral("0"));
            redWarning_ = on;
        } catch (const StoreError& error) {
            Dialogs::warning(this, error.message());
        }
    });
    body()->addWidget(chkcolor_);
    setFixedSize(sizeHint().expandedTo(QSize(420, 0)));
}

void Tcu3::saved() { Dialogs::info(this, QStringLiteral("บันทึกค่าเรียบร้อย")); }

void Tcu3::refreshed() {
    // The entry form colours its totals itself after each line; here only new limits,
    // saved on this computer or another, make it look again.
    if (values() == pushed_)
        return;
    pushed_ = values();
    if (Tfminput* form = main_->entryForm())
        form->setKindLimits(values());
}
