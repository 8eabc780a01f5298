#include "cutting/gui/tnumlimitf.h"

#include "common/settings.h"
#include "store/database.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {
const char* const kItems[] = {"3ตัวบน", "3ตัวโต๊ด", "3ตัวล่าง",  "2ตัวบน",    "2ตัวล่าง",   "คู่โต๊ด",
                              "วิ่งบน",  "วิ่งล่าง",  "3ตัวบนชุด", "3ตัวล่างชุด", "2ตัวบนล่าง", "2ตัวบนล่าง+กลับ"};
// Item 6 in head naming.
const char kHeadItem[] = "หัว3ตัวบน";
constexpr int kHeadItemIndex = 5;

const BulkChoice kChoices[] = {BulkChoice::takeAll, BulkChoice::ownAmount, BulkChoice::sendAll};

const NumberListForm::Texts kTexts = {"Tnumlimitf", "ตั้งค่ารับเลขแบบเฉพาะตัวเลข", "ป้อนเงิน+ENTER",
                                      "ใส่จำนวนเงิน+ENTER", "ป้อนเลขที่ต้องการรับหรือส่งทั้งหมด"};
} // namespace

Tnumlimitf::Tnumlimitf(Desk& desk) : NumberListForm(desk, NumberList::limits, kTexts) {
    build();
}

QStringList Tnumlimitf::itemCaptions() const {
    QStringList captions;
    for (const char* caption : kItems)
        captions << QString::fromUtf8(caption);
    if (namingMode() == 1)
        captions[kHeadItemIndex] = QString::fromUtf8(kHeadItem);
    return captions;
}

bool Tnumlimitf::item(int index, EntryItem* out) const {
    return limitItem(index, namingMode(), out);
}

QVector<Kind> Tnumlimitf::shownKinds() const {
    return limitKinds();
}

BulkChoice Tnumlimitf::choice() const {
    const int index = c5_->currentIndex();
    return index < 0 ? BulkChoice::none : kChoices[index];
}

BulkOutcome Tnumlimitf::fill(const BulkRequest& request, const std::function<void(int)>& progress) {
    return bulkFillLimits(*db(), choice(), request, progress);
}

void Tnumlimitf::fillRefused() {
    if (choice() == BulkChoice::none)
        c5_->setFocus();
}

void Tnumlimitf::addBulkChoices(QBoxLayout* row) {
    c5_ = new QComboBox(this);
    c5_->setObjectName(QStringLiteral("c5"));
    c5_->setToolTip(QStringLiteral("รับ/ส่ง"));
    c5_->addItems(
        {QStringLiteral("รับทั้งหมด"), QStringLiteral("กำหนดตัวเลขเอง"), QStringLiteral("ส่งทั้งหมด")});
    c5_->setPlaceholderText(QStringLiteral("รับ/ส่ง"));
    c5_->setCurrentIndex(-1);
    connect(c5_, &QComboBox::currentIndexChanged, this, &Tnumlimitf::choiceMade);
    row->addWidget(c5_);
}

void Tnumlimitf::choiceMade(int index) {
    if (index < 0)
        return;
    bulkAmount()->setText(bulkPreset(kChoices[index]));
    if (kChoices[index] == BulkChoice::ownAmount) {
        bulkAmount()->setFocus();
        bulkAmount()->selectAll();
    }
}

void Tnumlimitf::addSwitches(QBoxLayout* column) {
    f2_ = new QCheckBox(QStringLiteral("รับเลขอั้น50%"), this);
    f2_->setObjectName(QStringLiteral("f2"));
    if (db()) {
        try {
            fiftyPercent_ = SettingsRecord(*db()).fiftyPercent();
        } catch (const StoreError&) {
        }
    }
    f2_->setChecked(fiftyPercent_);
    connect(f2_, &QCheckBox::toggled, this, [this](bool on) {
        fiftyPercent_ = saveSwitch(setFiftyPercent, on, fiftyPercent_);
        const QSignalBlocker blocker(f2_);
        f2_->setChecked(fiftyPercent_);
    });
    column->addWidget(f2_);
}
