#include "spreading/gui/tinvert6tot.h"

#include "common/desk.h"
#include "store/database.h"
#include "ui/dialogs.h"

#include <QCheckBox>

namespace {
QString captionOf(bool full) {
    return full ? QStringLiteral("กระจาย3ตัวบน6กลับ =6/6") : QStringLiteral("กระจาย3ตัวบน6กลับ =5/6");
}
} // namespace

Tinvert6tot::Tinvert6tot(Desk& desk) : SpreadWindow(desk, spread::Conversion::topToTod) {
    setObjectName(QStringLiteral("Tinvert6tot"));
    const bool full = SettingsRecord(desk_.own()).fullTodSpread();
    full_ = new QCheckBox(QStringLiteral("  X 6"), this);
    full_->setObjectName(QStringLiteral("x6"));
    full_->setChecked(full);
    setWindowTitle(captionOf(full));
    connect(full_, &QCheckBox::clicked, this, &Tinvert6tot::setFull);
    addRow(full_);
}

void Tinvert6tot::setFull(bool full) {
    try {
        SettingsRecord(desk_.own()).setFlag(Backc::back29, full);
    } catch (const StoreError& error) {
        full_->setChecked(!full);
        Dialogs::warning(this, error.message());
        return;
    }
    setWindowTitle(captionOf(full));
    if (full)
        Dialogs::info(this, QStringLiteral("กระจายแบบเต็มจำนวน"));
}

spread::Options Tinvert6tot::options() const {
    spread::Options chosen;
    chosen.fullAmount = full_->isChecked();
    return chosen;
}
