#include "shell/gui/tmenusetup.h"

#include "common/desk.h"
#include "common/settings.h"
#include "store/database.h"
#include "ui/dialogs.h"
#include "ui/subwindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
const Emenu kFlags[] = {Emenu::f1, Emenu::f2, Emenu::f3, Emenu::f4, Emenu::f5,
                        Emenu::f6, Emenu::f7, Emenu::f8, Emenu::f9, Emenu::f10};
const Emenu kCaptions[] = {Emenu::f1t, Emenu::f2t, Emenu::f3t, Emenu::f4t, Emenu::f5t,
                           Emenu::f6t, Emenu::f7t, Emenu::f8t, Emenu::f9t, Emenu::f10t};
const char* const kFlagNames[] = {"CheckBox1",  "CheckBox2",  "CheckBox3", "CheckBox4",
                                  "CheckBox5",  "CheckBox6",  "CheckBox7", "CheckBox81",
                                  "CheckBox91", "CheckBox100"};

// The entry form's pages 0, 1, 3 and 2, each with the emenu flag that shows it.
struct PageBox {
    const char* name;
    const char* caption;
    Emenu flag;
};
const PageBox kPages[] = {{"CheckBox8", "ชุด", Emenu::t2},
                          {"CheckBox9", "หัว", Emenu::t3},
                          {"CheckBox10", "หุ้น", Emenu::t4},
                          {"CheckBox11", "ปกติ", Emenu::t1}};
constexpr int kHeadPage = 1;

const char* const kDefaultModes[] = {
    "3ตัวชุด-กลุ่ม(F1)",    "3ตัวบน+โต๊ด(F2)",    "3ตัวล่าง-คู่โต๊ด(F3)",   "2บนกลับ-3ตรงชุด(F4)",
    "2ตัวล่าง+กลับ(F5)",   "วิ่ง-2ตัวบน+ล่าง(F6)", "รวมบน+โต๊ด+ล่าง(F7)", "2ตัวบน+กลับ-ล่าง+กลับ(F8)",
    "บนAll In One(F9)", "รวมล่าง(F10)"};

const char* const kNamingModes[] = {"เลขกลุ่ม4,5ตัว", "เลขหัว2,3ตัว", "เลข2ตัวX"};
const char* const kNamingMessages[] = {"เปิดเมนูการป้อนเลขกลุ่มเรียบร้อย", "เปิดเมนูการป้อนเลขหัวเรียบร้อย",
                                       "เปิดเมนูการป้อนเลข2ตัวxเรียบร้อย"};

} // namespace

Tmenusetup::Tmenusetup(Desk& desk) : desk_(desk) {
    setObjectName(QStringLiteral("Tmenusetup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ตั้งค่าการแสดงเมนู"));
    build();
    load();

    // Connected after loading: what the opening sets is no choice of the user.
    connect(r2_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            chooseNamingMode(id, true);
    });
    connect(pages_[kHeadPage], &QCheckBox::clicked, this, &Tmenusetup::headPageClicked);
    connect(f2c_, &QCheckBox::toggled, this, &Tmenusetup::digitSortingToggled);
}

void Tmenusetup::build() {
    auto* menus = new QGroupBox(QStringLiteral("เลือกเมนูการป้อน"), this);
    auto* menuGrid = new QGridLayout(menus);
    menuGrid->setHorizontalSpacing(12);
    for (int i = 0; i < 10; ++i) {
        flags_[i] = new QCheckBox(QStringLiteral("F%1").arg(i + 1), menus);
        flags_[i]->setObjectName(QString::fromLatin1(kFlagNames[i]));
        captions_[i] = new QLineEdit(menus);
        captions_[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        captions_[i]->setMaxLength(50); // the width of an emenu field
        captions_[i]->setMinimumWidth(260);
        menuGrid->addWidget(flags_[i], i, 0);
        menuGrid->addWidget(captions_[i], i, 1);
    }
    auto* pageRow = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        pages_[i] = new QCheckBox(QString::fromUtf8(kPages[i].caption), menus);
        pages_[i]->setObjectName(QString::fromLatin1(kPages[i].name));
        pageRow->addWidget(pages_[i]);
    }
    pageRow->addStretch();
    menuGrid->setRowMinimumHeight(10, 8);
    menuGrid->addLayout(pageRow, 11, 0, 1, 2);

    auto* defaults = new QGroupBox(QStringLiteral("เลือกเมนูเริ่มต้น"), this);
    auto* defaultColumn = new QVBoxLayout(defaults);
    defaultMode_ = new QButtonGroup(this);
    for (int i = 0; i < 10; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(kDefaultModes[i]), defaults);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        defaultMode_->addButton(radio, i + 1);
        defaultColumn->addWidget(radio);
    }
    defaultColumn->addStretch();

    auto* naming = new QGroupBox(QStringLiteral("เลือกเลขกลุ่มหรือเลขหัว"), this);
    naming->setObjectName(QStringLiteral("r2"));
    auto* namingRow = new QHBoxLayout(naming);
    r2_ = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(kNamingModes[i]), naming);
        radio->setObjectName(QStringLiteral("r2item%1").arg(i));
        r2_->addButton(radio, i);
        namingRow->addWidget(radio);
    }

    f2c_ = new QCheckBox(QStringLiteral("แยกกลุ่มตัวโต๊ด"), this);
    f2c_->setObjectName(QStringLiteral("f2c"));
    auto* saveButton = new QPushButton(QStringLiteral("บันทึกค่า"), this);
    saveButton->setObjectName(QStringLiteral("BitBtn1"));
    saveButton->setMinimumSize(140, 40);
    connect(saveButton, &QPushButton::clicked, this, &Tmenusetup::save);

    auto* groups = new QHBoxLayout;
    groups->addWidget(menus, 3);
    groups->addWidget(defaults, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(naming);
    bottom->addSpacing(16);
    bottom->addWidget(f2c_);
    bottom->addStretch();
    bottom->addWidget(saveButton);
    auto* content = new QVBoxLayout;
    content->addLayout(groups);
    content->addLayout(bottom);

    // Centred when the area shows the window maximised.
    auto* across = new QHBoxLayout;
    across->addStretch();
    across->addLayout(content);
    across->addStretch();
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 16, 16, 16);
    outer->addStretch();
    outer->addLayout(across);
    outer->addStretch();
}

void Tmenusetup::load() {
    int mode = 0;
    try {
        SettingsRecord settings(desk_.own());
        for (int i = 0; i < 10; ++i) {
            flags_[i]->setChecked(settings.shown(kFlags[i]));
            captions_[i]->setText(settings.text(kCaptions[i]));
        }
        for (int i = 0; i < 4; ++i)
            pages_[i]->setChecked(settings.shown(kPages[i].flag));
        if (QAbstractButton* radio = defaultMode_->button(settings.defaultFunctionKey()))
            radio->setChecked(true);
        mode = settings.kindNamingMode();
        f2c_->setChecked(settings.separateDigits());
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    r2_->button(mode)->setChecked(true);
    chooseNamingMode(mode, false);
}

void Tmenusetup::chooseNamingMode(int mode, bool announce) {
    try {
        Database& db = desk_.own();
        Transaction transaction(db);
        SettingsRecord settings(db);
        settings.setFlag(Emenu::t3, mode == 1);
        settings.set(Backc::back13, QString::number(mode));
        transaction.commit();
        namingMode_ = mode;
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        const QSignalBlocker blocker(r2_);
        r2_->button(namingMode_)->setChecked(true);
        announce = false;
    }
    // The head page goes with the head names; set here, it does not choose a mode itself.
    pages_[kHeadPage]->setChecked(namingMode_ == 1);
    if (announce)
        Dialogs::info(this, QString::fromUtf8(kNamingMessages[mode]));
}

void Tmenusetup::headPageClicked(bool on) {
    r2_->button(on ? 1 : 0)->setChecked(true);
}

void Tmenusetup::digitSortingToggled(bool on) {
    try {
        SettingsRecord(desk_.own()).setFlag(Backc::back5, on);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        const QSignalBlocker blocker(f2c_);
        f2c_->setChecked(!on);
        return;
    }
    Dialogs::info(this, on ? QStringLiteral("แยกกลุ่มตัวโต๊ด") : QStringLiteral("รวมกลุ่มตัวโต๊ด"));
    desk_.digitSortingSaved(on);
}

void Tmenusetup::save() {
    try {
        Database& db = desk_.own();
        Transaction transaction(db);
        SettingsRecord settings(db);
        for (int i = 0; i < 10; ++i) {
            settings.setFlag(kFlags[i], flags_[i]->isChecked());
            settings.set(kCaptions[i], captions_[i]->text());
        }
        for (int i = 0; i < 4; ++i)
            settings.setFlag(kPages[i].flag, pages_[i]->isChecked());
        if (defaultMode_->checkedId() > 0)
            settings.set(Backc::back10, QString::number(defaultMode_->checkedId()));
        transaction.commit();
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    Dialogs::info(this, QStringLiteral("ตั้งค่าเรียบร้อย"));

    // The menus take the naming mode; the entry form reads its menu when it is made.
    Desk& desk = desk_;
    closeWithFrame(this);
    desk.kindNamingModeSaved(namingMode_);
    desk.entryMenuSaved();
}
