#include "entry/gui/tfminput.h"

#include "entry/gui/hundredpanelview.h"

#include "common/customers.h"
#include "common/desk.h"
#include "common/settings.h"
#include "platform/platform.h"
#include "store/database.h"
#include "store/kindcaptions.h"
#include "store/location.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

// The form's widgets, built once; their behaviour is in the other files of the form.

namespace {
const char kDesignBanner[] = "กรุณาเลือกวิธีการป้อนข้อมูลF1-F9หรือกดลูกศรขึ้น-ลง";

// Totals in the order the panel shows them.
const std::array<Kind, kKindCount> kTotalsOrder = {Kind::h3, Kind::t3, Kind::l3, Kind::h5,
                                                   Kind::h4, Kind::t2, Kind::h2, Kind::l2,
                                                   Kind::h1, Kind::l1};

QLineEdit* field(QWidget* parent, const char* name, const QString& hint) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(hint);
    edit->setMaxLength(20);
    QFont font = edit->font();
    font.setPointSize(20);
    font.setBold(true);
    edit->setFont(font);
    edit->setMinimumHeight(40);
    return edit;
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}
} // namespace

void Tfminput::buildWidgets() {
    setStyleSheet(
        QStringLiteral("QLineEdit#num { background: #1030c0; color: yellow; }"
                       "QLabel#Label1 { color: #0030a0; font-size: 16pt; font-weight: bold; }"
                       "QLabel#Label4 { font-size: 12pt; }"
                       "QLabel#lsum { font-size: 16pt; font-weight: bold; }"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 4, 6, 4);
    outer->setSpacing(4);

    // Banner and status.
    auto* top = new QGridLayout;
    top->setHorizontalSpacing(14);
    banner_ = label(this, "Label1", QString::fromUtf8(kDesignBanner));
    bannerOverlay_ = label(this, "Label24", banner_->text());
    // Over the banner for its first seconds: opaque, so the two never show through each other.
    bannerOverlay_->setStyleSheet(
        QStringLiteral("color: red; font-size: 16pt; font-weight: bold;"));
    bannerOverlay_->setAutoFillBackground(true);
    statusLine_ = label(this, "Label4", QString());
    clock_ = label(this, "Label5", QString());
    rowCount_ = label(this, "Label16", QStringLiteral("0"));
    refreshCountdown_ = label(this, "Label25", QString());
    // One line: the banner, what the last Enter did, the row count and the clock.
    top->addWidget(banner_, 0, 0);
    top->addWidget(bannerOverlay_, 0, 0);
    top->addWidget(statusLine_, 0, 1);
    top->addWidget(label(this, "Label15", QStringLiteral("จำนวนข้อมูล")), 0, 2, Qt::AlignRight);
    top->addWidget(rowCount_, 0, 3);
    top->addWidget(refreshCountdown_, 0, 4);
    top->addWidget(clock_, 0, 5);
    top->setColumnStretch(0, 3);
    top->setColumnStretch(1, 2);
    refreshCountdown_->setToolTip(QStringLiteral("วินาทีก่อนการRefreshข้อมูล"));
    outer->addLayout(top);

    // Customer, sheet and options.
    auto* choices = new QHBoxLayout;
    customerCaption_ = label(this, "Label19", QStringLiteral("เลือกชื่อ"));
    customerCaption_->setCursor(Qt::PointingHandCursor);
    customerCaption_->installEventFilter(this);
    customerBox_ = new QComboBox(this);
    customerBox_->setObjectName(QStringLiteral("dbc1"));
    customerBox_->setToolTip(QStringLiteral("กดเลือกชื่อ"));
    customerBox_->setMinimumWidth(200);
    sheetBox_ = new QComboBox(this);
    sheetBox_->setObjectName(QStringLiteral("ComboBox1"));
    sheetBox_->setToolTip(QStringLiteral("กดเลือกแผ่น"));
    sheetBox_->setPlaceholderText(QStringLiteral("เลือกแผ่น"));
    QStringList sheets;
    for (int i = 1; i <= 2000; ++i)
        sheets << customers::sheetCaption(i);
    sheetBox_->addItems(sheets);
    sheetBox_->setCurrentIndex(-1);
    autoInputBox_ = new QCheckBox(QStringLiteral("Autoinput"), this);
    autoInputBox_->setObjectName(QStringLiteral("cip"));
    autorunBox_ = new QCheckBox(QStringLiteral("Autorun"), this);
    autorunBox_->setObjectName(QStringLiteral("autorun"));
    soundBox_ = new QCheckBox(this);
    soundBox_->setObjectName(QStringLiteral("cbsound"));
    soundState_ = label(this, "Label22", QString());
    separateDigitsBox_ = new QCheckBox(QStringLiteral("แยกกลุ่มตัวโต๊ด"), this);
    separateDigitsBox_->setObjectName(QStringLiteral("f2c"));
    // One line high: the rows below need the height.
    auto* warnBox = new QWidget(this);
    auto* warnLayout = new QHBoxLayout(warnBox);
    warnLayout->setContentsMargins(0, 0, 0, 0);
    warnLayout->addWidget(new QLabel(QStringLiteral("เตือนการเลือกชื่อ"), warnBox));
    warnNameOn_ = new QRadioButton(QStringLiteral("เปิด"), warnBox);
    warnNameOn_->setObjectName(QStringLiteral("r1"));
    warnNameOff_ = new QRadioButton(QStringLiteral("ปิด"), warnBox);
    warnNameOff_->setObjectName(QStringLiteral("r2"));
    warnLayout->addWidget(warnNameOn_);
    warnLayout->addWidget(warnNameOff_);
    choices->addWidget(customerCaption_);
    choices->addWidget(customerBox_);
    choices->addWidget(sheetBox_);
    choices->addWidget(autoInputBox_);
    choices->addWidget(autorunBox_);
    choices->addWidget(soundBox_);
    choices->addWidget(soundState_);
    choices->addWidget(separateDigitsBox_);
    choices->addWidget(warnBox);
    choices->addStretch();
    outer->addLayout(choices);

    // The fields of a line.
    auto* fields = new QGridLayout;
    numberCaption_ = label(this, "Label2", QStringLiteral("เลข"));
    stake1Caption_ = label(this, "l1", QStringLiteral("จำนวน"));
    stake2Caption_ = label(this, "l2", QStringLiteral("จำนวน"));
    keepStake1_ = new QCheckBox(this);
    keepStake1_->setObjectName(QStringLiteral("cb1"));
    keepStake2_ = new QCheckBox(this);
    keepStake2_->setObjectName(QStringLiteral("cb2"));
    number_ = field(this, "num", QStringLiteral("ป้อนตัวเลข"));
    number_->setMaximumWidth(200);
    stake1_ = field(this, "n1", QStringLiteral("ป้อนเงิน"));
    stake1_->setFixedWidth(185);
    stake2_ = field(this, "n2", QString());
    stake2_->setFixedWidth(185);
    stake3_ = field(this, "nu3", QString());
    stake3_->setFixedWidth(150);
    auto* l1Row = new QHBoxLayout;
    l1Row->addWidget(keepStake1_);
    l1Row->addWidget(stake1Caption_);
    l1Row->addStretch();
    auto* l2Row = new QHBoxLayout;
    l2Row->addWidget(keepStake2_);
    l2Row->addWidget(stake2Caption_);
    l2Row->addStretch();
    fields->addWidget(numberCaption_, 0, 0);
    fields->addLayout(l1Row, 0, 1);
    fields->addLayout(l2Row, 0, 2);
    fields->addWidget(number_, 1, 0);
    fields->addWidget(stake1_, 1, 1);
    fields->addWidget(stake2_, 1, 2);
    fields->addWidget(stake3_, 1, 3);
    lineProgress_ = new QProgressBar(this);
    lineProgress_->setObjectName(QStringLiteral("pg1"));
    lineGauge_ = new QProgressBar(this);
    lineGauge_->setObjectName(QStringLiteral("gu1"));
    for (QProgressBar* bar : {lineProgress_, lineGauge_}) {
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setMaximumHeight(14);
    }
    fields->addWidget(lineProgress_, 2, 0, 1, 2);
    fields->addWidget(lineGauge_, 2, 2, 1, 2);
    optionBoxes_ = new QVBoxLayout;
    optionBoxes_->setSpacing(0);
    fields->addLayout(optionBoxes_, 0, 4, 3, 1);
    fields->setColumnStretch(5, 1);

    // The fields over the mode panel, the totals beside them.
    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    middle->addLayout(left, 3);
    middle->addWidget(buildTotals(), 2);
    outer->addLayout(middle);

    // Mode panel.
    pages_ = new QTabWidget(this);
    pages_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    pages_->setObjectName(QStringLiteral("p2"));
    pages_->addTab(buildModePage(EntryPage::set), QStringLiteral("ชุด"));
    pages_->addTab(buildModePage(EntryPage::head), QStringLiteral("หัว"));
    pages_->addTab(buildNormalPage(), QStringLiteral("ปกติ"));
    pages_->addTab(buildModePage(EntryPage::stock), QStringLiteral("หุ้น"));
    pages_->setFocusPolicy(Qt::NoFocus);
    pages_->tabBar()->setFocusPolicy(Qt::NoFocus);
    connect(pages_, &QTabWidget::tabBarClicked, this, &Tfminput::showPage);
    left->addWidget(pages_);

    // Grids of entered rows.
    auto* bottom = new QHBoxLayout;
    gridTabs_ = new QTabWidget(this);
    gridTabs_->setObjectName(QStringLiteral("PageControl1"));
    bookGrid_ = new DataGrid(QStringLiteral("DBGrid1"), DataGrid::none, gridTabs_);
    auto* backupPage = new QWidget(gridTabs_);
    auto* backupLayout = new QVBoxLayout(backupPage);
    enteredGrid_ = new DataGrid(QStringLiteral("DBGrid2"), DataGrid::withDelete, backupPage);
    enteredNote_ = label(backupPage, "Label30", QStringLiteral("การป้อนระบบLanไม่ต้องแก้ไขข้อมูลสำรอง"));
    enteredNote_->setVisible(false);
    backupLayout->addWidget(enteredNote_);
    backupLayout->addWidget(enteredGrid_);
    gridTabs_->addTab(bookGrid_, QStringLiteral("ข้อมูลประมวลผล"));
    gridTabs_->addTab(backupPage, QStringLiteral("ข้อมูลสำรอง"));
    bottom->addWidget(gridTabs_, 3);
    panel_ = new HundredPanelView(this);
    panel_->setVisible(false);
    bottom->addWidget(panel_, 4);
    auto* side = new QVBoxLayout;
    rowsShownBox_ = new QComboBox(this);
    rowsShownBox_->setObjectName(QStringLiteral("ComboBox2"));
    rowsShownBox_->setToolTip(QStringLiteral("จำนวนข้อมูลในตาราง"));
    QStringList rows = {"10", "30", "50", "100", "200", "500", "1000", "2000"};
    for (int n = 3000; n <= 9000; n += 1000)
        rows << QString::number(n);
    rows << QStringLiteral("10000") << QStringLiteral("15000") << QStringLiteral("20000");
    rowsShownBox_->addItems(rows);
    cancelButton_ = new QPushButton(QStringLiteral("&ยกเลิกการป้อนข้อมูล"), this);
    cancelButton_->setObjectName(QStringLiteral("BitBtn3"));
    cancelButton_->setFocusPolicy(Qt::NoFocus);
    newsPanel_ = new QTextBrowser(this);
    newsPanel_->setObjectName(QStringLiteral("web1"));
    newsPanel_->setVisible(false);
    transfer_ = new QPushButton(QStringLiteral("ถ่ายโอนข้อมูลไปที่Server"), this);
    transfer_->setObjectName(QStringLiteral("tran"));
    transfer_->setToolTip(QStringLiteral("ถ่ายโอนข้อมูล"));
    transfer_->setFocusPolicy(Qt::NoFocus);
    transfer_->setVisible(false);
    transferCheck_ = new QCheckBox(QStringLiteral("Checkการถ่ายโอน"), this);
    transferCheck_->setObjectName(QStringLiteral("chktran"));
    transferCheck_->setFocusPolicy(Qt::NoFocus);
    transferCheck_->setVisible(false);
    side->addWidget(label(this, "Label26", QStringLiteral("จำนวนข้อมูลในตาราง")));
    side->addWidget(rowsShownBox_);
    side->addWidget(cancelButton_);
    side->addWidget(transfer_);
    side->addWidget(transferCheck_);
    side->addWidget(newsPanel_);
    side->addStretch();
    bottom->addLayout(side, 1);
    outer->addLayout(bottom, 1);

    for (QLineEdit* edit : {number_, stake1_, stake2_, stake3_})
        edit->installEventFilter(this);
    connect(number_, &QLineEdit::textEdited, this, &Tfminput::numEdited);
    connect(number_, &QLineEdit::textChanged, this, [this] { typedNumber_.clear(); });
    for (QLineEdit* edit : {stake1_, stake2_, stake3_})
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { stakeEdited(edit); });
    connect(keepStake1_, &QCheckBox::clicked, this, [this](bool on) {
        if (!on)
            dropStake(1);
    });
    connect(keepStake2_, &QCheckBox::clicked, this, [this](bool on) {
        if (!on)
            dropStake(2);
    });
    connect(customerBox_, QOverload<int>::of(&QComboBox::activated), this,
            &Tfminput::customerPicked);
    connect(sheetBox_, QOverload<int>::of(&QComboBox::activated), this, &Tfminput::sheetPicked);
    connect(rowsShownBox_, QOverload<int>::of(&QComboBox::activated), this,
            &Tfminput::rowsShownChanged);
    connect(cancelButton_, &QPushButton::clicked, this, &Tfminput::cancelLine);
    connect(transfer_, &QPushButton::clicked, this, &Tfminput::transferNow);
    connect(transferCheck_, &QCheckBox::toggled, this,
            [this](bool on) { saveSwitch(Backc::back25, on); });
    connect(bookGrid_, &DataGrid::rowClicked, this, &Tfminput::gridClicked);
    connect(bookGrid_, &DataGrid::posted, this, &Tfminput::readSums);
    connect(enteredGrid_, &DataGrid::rowClicked, this, [this](int) {
        refreshTimer_->stop();
        restart_ = 10;
    });
}

QWidget* Tfminput::buildNormalPage() {
    auto* page = new QWidget(pages_);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(2);
    static const char* const names[] = {"f1", "f2", "f3",  "f4",  "f5",
                                        "f6", "f7", "f81", "f91", "f100"};
    for (int i = 0; i < 10; ++i) {
        auto* button = new QPushButton(page);
        button->setObjectName(QString::fromLatin1(names[i]));
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumHeight(28);
        connect(button, &QPushButton::clicked, this, [this, i] { chooseFunctionKey(i + 1); });
        grid->addWidget(button, i / 5, i % 5);
        modeButtons_[static_cast<size_t>(i)] = button;
    }
    straightPlusSetBox_ = new QCheckBox(QStringLiteral("ตรง+กลับ"), this);
    straightPlusSetBox_->setObjectName(QStringLiteral("f4c"));
    bottomBeforeTodBox_ = new QCheckBox(QStringLiteral("บน+ล่าง+โต๊ด"), this);
    bottomBeforeTodBox_->setObjectName(QStringLiteral("f7c"));
    twoDigitsTopBottomBox_ = new QCheckBox(QStringLiteral("2ตัวบน+ล่าง"), this);
    twoDigitsTopBottomBox_->setObjectName(QStringLiteral("f7c2"));
    twoDigitsTopBottomBox_->setChecked(true);
    for (QCheckBox* box : {straightPlusSetBox_, bottomBeforeTodBox_, twoDigitsTopBottomBox_})
        box->setFocusPolicy(Qt::NoFocus);
    optionBoxes_->addWidget(straightPlusSetBox_);
    optionBoxes_->addWidget(bottomBeforeTodBox_);
    optionBoxes_->addWidget(twoDigitsTopBottomBox_);
    optionBoxes_->addStretch();
    connect(straightPlusSetBox_, &QCheckBox::clicked, this, [this](bool on) {
        Dialogs::info(this, on ? QStringLiteral("เงินของตัวตรง จะบวกกับเงินของตัวกลับ")
                               : QStringLiteral("เงินของตัวตรงไม่บวกกับเงินของตัวกลับ"));
        if (mode_ && entryMode(*mode_).option == ModeOption::straightPlusSet)
            chooseFunctionKey(entryMode(*mode_).functionKey);
    });
    connect(bottomBeforeTodBox_, &QCheckBox::clicked, this, [this](bool on) {
        Dialogs::info(this, on ? QStringLiteral("ป้อนบน+ล่าง+โต๊ด") : QStringLiteral("ป้อนบน+โต๊ด+ล่าง"));
        applyLayout();
    });
    connect(twoDigitsTopBottomBox_, &QCheckBox::clicked, this, [this](bool on) {
        Dialogs::info(this,
                      on ? QStringLiteral("ป้อน2ตัวบน+ล่าง") : QStringLiteral("ป้อน2ตัวบน+ล่าง+โต๊ด"));
        applyLayout();
    });
    return page;
}

QWidget* Tfminput::buildTotals() {
    auto* box = new QGroupBox(QStringLiteral("ยอดรวม"), this);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    grid->setContentsMargins(6, 2, 6, 2);
    for (size_t i = 0; i < kTotalsOrder.size(); ++i) {
        const Kind kind = kTotalsOrder[i];
        auto* caption = label(box, "", QString());
        caption->setObjectName(QStringLiteral("caption_") + kindCode(kind));
        auto* value = label(box, "", QStringLiteral("0"));
        value->setObjectName(QStringLiteral("total_") + kindCode(kind));
        value->setMinimumWidth(110);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setAutoFillBackground(true);
        value->setCursor(Qt::PointingHandCursor);
        value->installEventFilter(this);
        grid->addWidget(caption, static_cast<int>(i / 2), static_cast<int>(i % 2) * 2);
        grid->addWidget(value, static_cast<int>(i / 2), static_cast<int>(i % 2) * 2 + 1);
        totals_[static_cast<size_t>(kind)] = value;
        totalCaptions_[static_cast<size_t>(kind)] = caption;
    }
    grandTotal_ = label(box, "lsum", QStringLiteral("0"));
    grandTotal_->setToolTip(QStringLiteral("แสดงยอดคงเหลือปัจุบัน"));
    grandTotal_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grandTotal_->setCursor(Qt::PointingHandCursor);
    grandTotal_->installEventFilter(this);
    grid->addWidget(label(box, "Label17", QStringLiteral("รวมทั้งหมด=")), 5, 0);
    grid->addWidget(grandTotal_, 5, 3);
    cutButton_ = new QPushButton(QStringLiteral("ตัดยอดทันที"), box);
    cutButton_->setObjectName(QStringLiteral("Label21"));
    cutButton_->setEnabled(false);
    connect(cutButton_, &QPushButton::clicked, this, &Tfminput::cutNow);
    cutBar_ = new QProgressBar(box);
    cutBar_->setObjectName(QStringLiteral("pg2"));
    cutBar_->setToolTip(QStringLiteral("แสดงยอดเกินอั้นสะสม"));
    cutBar_->setRange(0, 100);
    cutBar_->setCursor(Qt::PointingHandCursor);
    cutBar_->installEventFilter(this);
    cutBar_->hide();
    // The cut button and its bar share the grand total's line.
    auto* cutLine = new QHBoxLayout;
    cutLine->addWidget(cutButton_);
    cutLine->addWidget(cutBar_);
    grid->addLayout(cutLine, 5, 1, 1, 2);
    return box;
}

