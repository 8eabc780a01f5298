#include "cutting/gui/tnumlimitf2.h"

#include "common/desk.h"
#include "common/settings.h"
#include "cutting/closednumbers.h"
#include "store/database.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QSignalBlocker>

namespace {
const char* const kItems[] = {"3ตัวบน",   "3ตัวโต๊ด",   "3ตัวล่าง",   "2ตัวบน",       "2ตัวล่าง",
                              "3ตัวบนชุด", "3ตัวล่างชุด", "2ตัวบนล่าง", "2ตัวบนล่าง+กลับ"};
// Offered in head naming only.
const char kHeadItem[] = "หัว3ตัวบน";

const NumberListForm::Texts kTexts = {"Tnumlimitf2", "แจ้งเตือนเลขปิดรับและแสดงเลขเฝ้าระวัง",
                                      "ป้อน0+ENTER", "0+ENTER", "เลือกข้อมูลที่ต้องการ"};

QCheckBox* switchBox(const char* name, const QString& text, bool on, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(on);
    return box;
}
} // namespace

Tnumlimitf2::Tnumlimitf2(Desk& desk) : NumberListForm(desk, NumberList::closed, kTexts) {
    build();
}

QStringList Tnumlimitf2::itemCaptions() const {
    QStringList captions;
    for (const char* caption : kItems)
        captions << QString::fromUtf8(caption);
    if (namingMode() == 1)
        captions << QString::fromUtf8(kHeadItem);
    return captions;
}

bool Tnumlimitf2::item(int index, EntryItem* out) const {
    return closedItem(index, namingMode(), out);
}

QVector<Kind> Tnumlimitf2::shownKinds() const {
    return closedKinds(namingMode());
}

void Tnumlimitf2::addSwitches(QBoxLayout* column) {
    if (db()) {
        try {
            const SettingsRecord settings(*db());
            closedWarning_ = settings.closedWarning();
            watch_ = settings.watchNumbers();
        } catch (const StoreError&) {
        }
    }
    f3_ = switchBox("f3", QStringLiteral("แจ้งเตือนเลขปิดรับ"), closedWarning_, this);
    f4_ = switchBox("f4", QStringLiteral("แสดงเลขเฝ้าระวัง"), watch_, this);
    connect(f3_, &QCheckBox::toggled, this, [this](bool on) {
        closedWarning_ = saveSwitch(setClosedWarning, on, closedWarning_);
        const QSignalBlocker blocker(f3_);
        f3_->setChecked(closedWarning_);
        tellEntryForm();
    });
    connect(f4_, &QCheckBox::toggled, this, [this](bool on) {
        watch_ = saveSwitch(setWatch, on, watch_);
        const QSignalBlocker blocker(f4_);
        f4_->setChecked(watch_);
        tellEntryForm();
    });
    column->addWidget(f3_);
    column->addWidget(f4_);
}

void Tnumlimitf2::tellEntryForm() {
    desk().listSwitchesSaved();
}
