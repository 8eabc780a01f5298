#include "entry/gui/tfminput.h"

#include "platform/platform.h"
#include "settlement/customers.h"
#include "shell/desk.h"
#include "shell/settings.h"
#include "store/database.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"
#include "store/kindcaptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

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
    edit->setMinimumHeight(44);
    return edit;
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QTimer* timer(QObject* parent, const char* name, int interval) {
    auto* t = new QTimer(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setInterval(interval);
    return t;
}
} // namespace

Tfminput::Tfminput(Desk& desk) : desk_(desk) {
    setObjectName(QStringLiteral("Tfminput"));
    setWindowTitle(QStringLiteral("ป้อนข้อมูล"));
    setAttribute(Qt::WA_DeleteOnClose);
    customer_ = customers::combined();

    const RunValues& run = desk.run();
    station_ = run.isStation();
    try {
        ownDb_ = desk.openOwn();
        lanAuto_ = SettingsRecord(*ownDb_).lanAuto();
        betsDb_ = desk.openBets(lanAuto_);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }

    buildWidgets();
    readOptions();
    applyMenuLayout();
    openGrids();

    timer1_ = timer(this, "Timer1", 6000);
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, &Tfminput::onTimer1);
    timer2_ = timer(this, "Timer2", 1000);
    connect(timer2_, &QTimer::timeout, this, &Tfminput::onTimer2);
    timer4_ = timer(this, "Timer4", 10000);
    connect(timer4_, &QTimer::timeout, this, &Tfminput::onTimer4);
    timer8_ = timer(this, "Timer8", 1000);
    connect(timer8_, &QTimer::timeout, this, &Tfminput::onTimer8);
    timer9_ = timer(this, "Timer9", 2000);
    connect(timer9_, &QTimer::timeout, this, &Tfminput::onTimer9);
    timer1_->start();
    timer2_->start();
    timer9_->start();

    // Station or server, in the status bar.
    if (station_) {
        desk.setStatus(2, lanAuto_ ? QStringLiteral("ระบบLan=Auto") : QStringLiteral("ระบบLan"));
        desk.setStatus(1, QStringLiteral("Db=") + run.serverPath.mid(2, 20));
        comboBox2_->setEnabled(false);
    } else {
        desk.setStatus(2, QStringLiteral("ระบบServer"));
        desk.setStatus(1, QStringLiteral("Db=Local "));
    }

    // Default mode of the normal page (or the stock page when it is the only one shown).
    showPage(p2_->isTabVisible(NormalPage) || !p2_->isTabVisible(StockPage) ? NormalPage
                                                                              : StockPage);
    int defaultKey = 0;
    try {
        defaultKey = SettingsRecord(own()).defaultFunctionKey();
    } catch (const StoreError&) {
    }
    if (page_ == NormalPage && defaultKey != 0) {
        chooseFunctionKey(defaultKey);
        label1_->setText(QStringLiteral("เมนูเริ่มต้น==>>") + label1_->text());
        label24_->setText(label1_->text());
    }

    readSums();
    if (label16_->text() != QLatin1String("0"))
        refreshAfterLine();
    colourTotals();

    if (Platform::instance().defaultPrinter().isEmpty()) {
        Dialogs::warning(this, QStringLiteral("ไม่พบPrinter เริ้มต้น  สำหรับโปรแกรม ให้เลือกPrinter "
                                              "จากรายการ หรือติดตั้งDriver"));
    }
    if (run.newsPage && web1_) {
        web1_->setVisible(true);
        web1_->setHtml(QStringLiteral("<h3>ข่าวสารTabulox</h3><p>%1</p>")
                           .arg(run.versionLabel.toHtmlEscaped()));
    }
    setFocusProxy(num_);
    num_->setFocus();

    connect(&desk, &Desk::kindLimitsChanged, this, &Tfminput::setKindLimits);
    connect(&desk, &Desk::listSwitchesChanged, this, &Tfminput::readListSwitches);
    connect(&desk, &Desk::digitSortingChanged, this, &Tfminput::setDigitSorting);
    connect(&desk, &Desk::bookChanged, this, &Tfminput::bookChanged);
    connect(&desk, &Desk::settingsLoaded, this, [this] {
        readListSwitches();
        colourTotals();
    });
}

Tfminput::~Tfminput() {
    // The grids' models hold queries on the form's connections: they go first.
    delete grids_;
}

Database& Tfminput::own() {
    if (!ownDb_)
        ownDb_ = desk_.openOwn();
    return *ownDb_;
}

Database& Tfminput::bets() { return betsDb_ ? *betsDb_ : own(); }

void Tfminput::setDigitSorting(bool separate) {
    const QSignalBlocker blocker(f2c_);
    f2c_->setChecked(separate);
}

void Tfminput::buildWidgets() {
    setStyleSheet(QStringLiteral("QLineEdit#num { background: #1030c0; color: yellow; }"
                                 "QLabel#Label1 { color: #0030a0; font-size: 16pt; font-weight: bold; }"
                                 "QLabel#Label4 { font-size: 12pt; }"
                                 "QLabel#lsum { font-size: 16pt; font-weight: bold; }"));
    auto* outer = new QVBoxLayout(this);

    // Banner and status.
    auto* top = new QGridLayout;
    label1_ = label(this, "Label1", QString::fromUtf8(kDesignBanner));
    label24_ = label(this, "Label24", label1_->text());
    // Over the banner for its first seconds: opaque, so the two never show through each other.
    label24_->setStyleSheet(QStringLiteral("color: red; font-size: 16pt; font-weight: bold;"));
    label24_->setAutoFillBackground(true);
    label4_ = label(this, "Label4", QString());
    label5_ = label(this, "Label5", QString());
    label16_ = label(this, "Label16", QStringLiteral("0"));
    label25_ = label(this, "Label25", QString());
    top->addWidget(label1_, 0, 0, 1, 3);
    top->addWidget(label24_, 0, 0, 1, 3);
    top->addWidget(label5_, 0, 3);
    top->addWidget(label4_, 1, 0, 1, 2);
    top->addWidget(label(this, "Label15", QStringLiteral("จำนวนข้อมูล")), 1, 2, Qt::AlignRight);
    top->addWidget(label16_, 1, 3);
    top->addWidget(label25_, 1, 4);
    label25_->setToolTip(QStringLiteral("วินาทีก่อนการRefreshข้อมูล"));
    outer->addLayout(top);

    // Customer, sheet and options.
    auto* choices = new QHBoxLayout;
    label19_ = label(this, "Label19", QStringLiteral("เลือกชื่อ"));
    label19_->setCursor(Qt::PointingHandCursor);
    label19_->installEventFilter(this);
    dbc1_ = new QComboBox(this);
    dbc1_->setObjectName(QStringLiteral("dbc1"));
    dbc1_->setToolTip(QStringLiteral("กดเลือกชื่อ"));
    dbc1_->setMinimumWidth(200);
    comboBox1_ = new QComboBox(this);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->setToolTip(QStringLiteral("กดเลือกแผ่น"));
    comboBox1_->setPlaceholderText(QStringLiteral("เลือกแผ่น"));
    QStringList sheets;
    for (int i = 1; i <= 2000; ++i)
        sheets << customers::sheetCaption(i);
    comboBox1_->addItems(sheets);
    comboBox1_->setCurrentIndex(-1);
    cip_ = new QCheckBox(QStringLiteral("Autoinput"), this);
    cip_->setObjectName(QStringLiteral("cip"));
    autorun_ = new QCheckBox(QStringLiteral("Autorun"), this);
    autorun_->setObjectName(QStringLiteral("autorun"));
    cbsound_ = new QCheckBox(this);
    cbsound_->setObjectName(QStringLiteral("cbsound"));
    label22_ = label(this, "Label22", QString());
    f2c_ = new QCheckBox(QStringLiteral("แยกกลุ่มตัวโต๊ด"), this);
    f2c_->setObjectName(QStringLiteral("f2c"));
    auto* warnBox = new QGroupBox(QStringLiteral("เตือนการเลือกชื่อ"), this);
    auto* warnLayout = new QHBoxLayout(warnBox);
    r1_ = new QRadioButton(QStringLiteral("เปิด"), warnBox);
    r1_->setObjectName(QStringLiteral("r1"));
    r2_ = new QRadioButton(QStringLiteral("ปิด"), warnBox);
    r2_->setObjectName(QStringLiteral("r2"));
    warnLayout->addWidget(r1_);
    warnLayout->addWidget(r2_);
    choices->addWidget(label19_);
    choices->addWidget(dbc1_);
    choices->addWidget(comboBox1_);
    choices->addWidget(cip_);
    choices->addWidget(autorun_);
    choices->addWidget(cbsound_);
    choices->addWidget(label22_);
    choices->addWidget(f2c_);
    choices->addWidget(warnBox);
    choices->addStretch();
    outer->addLayout(choices);

    // The fields of a line.
    auto* fields = new QGridLayout;
    label2_ = label(this, "Label2", QStringLiteral("เลข"));
    l1_ = label(this, "l1", QStringLiteral("จำนวน"));
    l2_ = label(this, "l2", QStringLiteral("จำนวน"));
    cb1_ = new QCheckBox(this);
    cb1_->setObjectName(QStringLiteral("cb1"));
    cb2_ = new QCheckBox(this);
    cb2_->setObjectName(QStringLiteral("cb2"));
    num_ = field(this, "num", QStringLiteral("ป้อนตัวเลข"));
    num_->setMaximumWidth(200);
    n1_ = field(this, "n1", QStringLiteral("ป้อนเงิน"));
    n1_->setFixedWidth(185);
    n2_ = field(this, "n2", QString());
    n2_->setFixedWidth(185);
    nu3_ = field(this, "nu3", QString());
    nu3_->setFixedWidth(150);
    auto* l1Row = new QHBoxLayout;
    l1Row->addWidget(cb1_);
    l1Row->addWidget(l1_);
    l1Row->addStretch();
    auto* l2Row = new QHBoxLayout;
    l2Row->addWidget(cb2_);
    l2Row->addWidget(l2_);
    l2Row->addStretch();
    fields->addWidget(label2_, 0, 0);
    fields->addLayout(l1Row, 0, 1);
    fields->addLayout(l2Row, 0, 2);
    fields->addWidget(num_, 1, 0);
    fields->addWidget(n1_, 1, 1);
    fields->addWidget(n2_, 1, 2);
    fields->addWidget(nu3_, 1, 3);
    pg1_ = new QProgressBar(this);
    pg1_->setObjectName(QStringLiteral("pg1"));
    gu1_ = new QProgressBar(this);
    gu1_->setObjectName(QStringLiteral("gu1"));
    for (QProgressBar* bar : {pg1_, gu1_}) {
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setMaximumHeight(14);
    }
    fields->addWidget(pg1_, 2, 0, 1, 2);
    fields->addWidget(gu1_, 2, 2, 1, 2);
    fields->setColumnStretch(4, 1);
    fields->setRowStretch(3, 1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(fields, 3);
    middle->addWidget(buildTotals(), 2);
    outer->addLayout(middle);

    // Mode panel.
    p2_ = new QTabWidget(this);
    p2_->setObjectName(QStringLiteral("p2"));
    p2_->addTab(new QWidget(p2_), QStringLiteral("ชุด"));
    p2_->addTab(new QWidget(p2_), QStringLiteral("หัว"));
    p2_->addTab(buildNormalPage(), QStringLiteral("ปกติ"));
    p2_->addTab(new QWidget(p2_), QStringLiteral("หุ้น"));
    p2_->setFocusPolicy(Qt::NoFocus);
    p2_->tabBar()->setFocusPolicy(Qt::NoFocus);
    connect(p2_, &QTabWidget::tabBarClicked, this, &Tfminput::showPage);
    outer->addWidget(p2_);

    // Grids of entered rows.
    auto* bottom = new QHBoxLayout;
    grids_ = new QTabWidget(this);
    grids_->setObjectName(QStringLiteral("PageControl1"));
    dbGrid1_ = new DataGrid(QStringLiteral("DBGrid1"), DataGrid::none, grids_);
    auto* backupPage = new QWidget(grids_);
    auto* backupLayout = new QVBoxLayout(backupPage);
    dbGrid2_ = new DataGrid(QStringLiteral("DBGrid2"), DataGrid::withDelete, backupPage);
    backupNote_ = label(backupPage, "Label30", QStringLiteral("การป้อนระบบLanไม่ต้องแก้ไขข้อมูลสำรอง"));
    backupNote_->setVisible(false);
    backupLayout->addWidget(backupNote_);
    backupLayout->addWidget(dbGrid2_);
    grids_->addTab(dbGrid1_, QStringLiteral("ข้อมูลประมวลผล"));
    grids_->addTab(backupPage, QStringLiteral("ข้อมูลสำรอง"));
    bottom->addWidget(grids_, 3);
    auto* side = new QVBoxLayout;
    comboBox2_ = new QComboBox(this);
    comboBox2_->setObjectName(QStringLiteral("ComboBox2"));
    comboBox2_->setToolTip(QStringLiteral("จำนวนข้อมูลในตาราง"));
    QStringList rows = {"10", "30", "50", "100", "200", "500", "1000", "2000"};
    for (int n = 3000; n <= 9000; n += 1000)
        rows << QString::number(n);
    rows << QStringLiteral("10000") << QStringLiteral("15000") << QStringLiteral("20000");
    comboBox2_->addItems(rows);
    bitBtn3_ = new QPushButton(QStringLiteral("&ยกเลิกการป้อนข้อมูล"), this);
    bitBtn3_->setObjectName(QStringLiteral("BitBtn3"));
    bitBtn3_->setFocusPolicy(Qt::NoFocus);
    web1_ = new QTextBrowser(this);
    web1_->setObjectName(QStringLiteral("web1"));
    web1_->setVisible(false);
    side->addWidget(label(this, "Label26", QStringLiteral("จำนวนข้อมูลในตาราง")));
    side->addWidget(comboBox2_);
    side->addWidget(bitBtn3_);
    side->addWidget(web1_);
    side->addStretch();
    bottom->addLayout(side, 1);
    outer->addLayout(bottom, 1);

    for (QLineEdit* edit : {num_, n1_, n2_, nu3_})
        edit->installEventFilter(this);
    connect(num_, &QLineEdit::textEdited, this, &Tfminput::numEdited);
    for (QLineEdit* edit : {n1_, n2_})
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { stakeEdited(edit); });
    connect(cb1_, &QCheckBox::clicked, this, [this](bool on) {
        if (!on)
            dropStake(1);
    });
    connect(cb2_, &QCheckBox::clicked, this, [this](bool on) {
        if (!on)
            dropStake(2);
    });
    connect(dbc1_, QOverload<int>::of(&QComboBox::activated), this, &Tfminput::customerPicked);
    connect(comboBox1_, QOverload<int>::of(&QComboBox::activated), this, &Tfminput::sheetPicked);
    connect(comboBox2_, QOverload<int>::of(&QComboBox::activated), this, &Tfminput::rowsShownChanged);
    connect(bitBtn3_, &QPushButton::clicked, this, &Tfminput::cancelLine);
    connect(dbGrid1_, &DataGrid::rowClicked, this, &Tfminput::gridClicked);
    connect(dbGrid1_, &DataGrid::posted, this, &Tfminput::readSums);
    connect(dbGrid2_, &DataGrid::rowClicked, this, [this](int) {
        timer4_->stop();
        restart_ = 10;
    });
}

QWidget* Tfminput::buildNormalPage() {
    auto* page = new QWidget(p2_);
    auto* grid = new QGridLayout(page);
    static const char* const names[] = {"f1", "f2", "f3", "f4", "f5", "f6", "f7", "f81", "f91", "f100"};
    for (int i = 0; i < 10; ++i) {
        auto* button = new QPushButton(page);
        button->setObjectName(QString::fromLatin1(names[i]));
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumHeight(34);
        connect(button, &QPushButton::clicked, this, [this, i] { chooseFunctionKey(i + 1); });
        grid->addWidget(button, i / 5, i % 5);
        buttons_[static_cast<size_t>(i)] = button;
    }
    f4c_ = new QCheckBox(QStringLiteral("ตรง+กลับ"), page);
    f4c_->setObjectName(QStringLiteral("f4c"));
    f7c_ = new QCheckBox(QStringLiteral("บน+ล่าง+โต๊ด"), page);
    f7c_->setObjectName(QStringLiteral("f7c"));
    f7c2_ = new QCheckBox(QStringLiteral("2ตัวบน+ล่าง"), page);
    f7c2_->setObjectName(QStringLiteral("f7c2"));
    f7c2_->setChecked(true);
    for (QCheckBox* box : {f4c_, f7c_, f7c2_})
        box->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(f4c_, 2, 3);
    grid->addWidget(f7c_, 2, 1);
    grid->addWidget(f7c2_, 2, 2);
    connect(f4c_, &QCheckBox::clicked, this, [this](bool on) {
        Dialogs::info(this, on ? QStringLiteral("เงินของตัวตรง จะบวกกับเงินของตัวกลับ")
                               : QStringLiteral("เงินของตัวตรงไม่บวกกับเงินของตัวกลับ"));
        if (mode_ == NormalMode::F4)
            chooseFunctionKey(4);
    });
    connect(f7c_, &QCheckBox::clicked, this, [this](bool on) {
        Dialogs::info(this, on ? QStringLiteral("ป้อนบน+ล่าง+โต๊ด") : QStringLiteral("ป้อนบน+โต๊ด+ล่าง"));
        applyLayout();
    });
    connect(f7c2_, &QCheckBox::clicked, this, [this](bool on) {
        Dialogs::info(this, on ? QStringLiteral("ป้อน2ตัวบน+ล่าง") : QStringLiteral("ป้อน2ตัวบน+ล่าง+โต๊ด"));
        applyLayout();
    });
    return page;
}

QWidget* Tfminput::buildTotals() {
    auto* box = new QGroupBox(QStringLiteral("ยอดรวม"), this);
    auto* grid = new QGridLayout(box);
    for (size_t i = 0; i < kTotalsOrder.size(); ++i) {
        const Kind kind = kTotalsOrder[i];
        auto* caption = label(box, "", QString());
        caption->setObjectName(QStringLiteral("caption_") + kindCode(kind));
        auto* value = label(box, "", QStringLiteral("0"));
        value->setObjectName(QStringLiteral("total_") + kindCode(kind));
        value->setMinimumWidth(110);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setAutoFillBackground(true);
        grid->addWidget(caption, static_cast<int>(i / 2), static_cast<int>(i % 2) * 2);
        grid->addWidget(value, static_cast<int>(i / 2), static_cast<int>(i % 2) * 2 + 1);
        totals_[static_cast<size_t>(kind)] = value;
        totalCaptions_[static_cast<size_t>(kind)] = caption;
    }
    lsum_ = label(box, "lsum", QStringLiteral("0"));
    lsum_->setToolTip(QStringLiteral("แสดงยอดคงเหลือปัจุบัน"));
    lsum_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label(box, "Label17", QStringLiteral("รวมทั้งหมด=")), 5, 0);
    grid->addWidget(lsum_, 5, 1, 1, 3);
    return box;
}

void Tfminput::readOptions() {
    try {
        SettingsRecord settings(own());
        warnName_ = settings.warnName();
        const QSignalBlocker b1(r1_), b2(r2_), b3(cbsound_), b4(autorun_), b5(cip_), b6(f2c_);
        (warnName_ ? r1_ : r2_)->setChecked(true);
        cbsound_->setChecked(settings.keySound());
        label22_->setText(cbsound_->isChecked() ? QStringLiteral("[เปิดเสียง]")
                                                : QStringLiteral("[Xปิดเสียง]"));
        autorun_->setChecked(settings.autorun());
        cip_->setChecked(settings.autoInput());
        f2c_->setChecked(settings.separateDigits());
        rowsShown_ = settings.rowsShown();
        const int index = comboBox2_->findText(QString::number(rowsShown_));
        if (index >= 0)
            comboBox2_->setCurrentIndex(index);
        namingMode_ = settings.kindNamingMode();
        warnClosed_ = settings.closedWarning();
        inputLimit_ = static_cast<double>(settings.inputLimit());
        dbc1_->addItem(customers::combined());
        dbc1_->addItems(customers::names(own(), settings.customersByName()));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    connect(r1_, &QRadioButton::toggled, this, [this](bool on) {
        warnName_ = on;
        saveSwitch(Disp::disp1, on);
    });
    connect(cbsound_, &QCheckBox::toggled, this, [this](bool on) {
        saveSwitch(Disp::disp2, on);
        label22_->setText(on ? QStringLiteral("[เปิดเสียง]") : QStringLiteral("[Xปิดเสียง]"));
    });
    connect(autorun_, &QCheckBox::toggled, this, [this](bool on) {
        saveSwitch(Disp::disp3, on);
        Dialogs::info(this, on ? QStringLiteral("เปิดการใช้งานระบบ Autorunเลข2ตัว00-99")
                               : QStringLiteral("ปิดการใช้งานระบบ Autorunเลข2ตัว00-99"));
    });
    connect(cip_, &QCheckBox::toggled, this, [this](bool on) {
        saveSwitch(AutoInput::disp1, on);
        Dialogs::info(this, on ? QStringLiteral("เปิดการใช้งานระบบ Autoinput")
                               : QStringLiteral("ปิดการใช้งานระบบ Autoinput"));
    });
    connect(f2c_, &QCheckBox::toggled, this, [this](bool on) {
        if (saveSwitch(Backc::back5, on))
            desk_.digitSortingSaved(on);
        Dialogs::info(this, on ? QStringLiteral("แยกกลุ่มตัวโต๊ด") : QStringLiteral("รวมกลุ่มตัวโต๊ด"));
    });
}

void Tfminput::readListSwitches() {
    try {
        warnClosed_ = SettingsRecord(own()).closedWarning();
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

void Tfminput::applyMenuLayout() {
    captions_.clear();
    try {
        SettingsRecord settings(own());
        static const Emenu flags[] = {Emenu::f1, Emenu::f2, Emenu::f3, Emenu::f4, Emenu::f5,
                                      Emenu::f6, Emenu::f7, Emenu::f8, Emenu::f9, Emenu::f10};
        static const Emenu texts[] = {Emenu::f1t, Emenu::f2t, Emenu::f3t, Emenu::f4t,
                                      Emenu::f5t, Emenu::f6t, Emenu::f7t, Emenu::f8t,
                                      Emenu::f9t, Emenu::f10t};
        for (int i = 0; i < 10; ++i) {
            const QString caption = buttonCaption(i + 1, settings.text(texts[i]), namingMode_);
            captions_ << caption;
            QPushButton* button = buttons_[static_cast<size_t>(i)];
            button->setText(caption);
            button->setToolTip(caption);
            button->setVisible(settings.shown(flags[i]));
        }
        f4c_->setVisible(buttons_[3]->isVisibleTo(this));
        f7c_->setVisible(buttons_[6]->isVisibleTo(this));
        f7c2_->setVisible(buttons_[6]->isVisibleTo(this));
        p2_->setTabVisible(SetPage, settings.shown(Emenu::t2));
        p2_->setTabVisible(HeadPage, settings.shown(Emenu::t3));
        p2_->setTabVisible(StockPage, settings.shown(Emenu::t4));
        p2_->setTabVisible(NormalPage, settings.shown(Emenu::t1));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    for (Kind kind : columnOrder()) {
        totalCaptions_[static_cast<size_t>(kind)]->setText(totalCaption(kind, namingMode_));
        totals_[static_cast<size_t>(kind)]->setToolTip(totalHint(kind, namingMode_));
    }
}

void Tfminput::openGrids() {
    const QList<DataGrid::Column> columns = {
        {QStringLiteral("num"), QStringLiteral("เลข")},   {QStringLiteral("h"), QStringLiteral("บน")},
        {QStringLiteral("t"), QStringLiteral("โต๊ด")},    {QStringLiteral("l"), QStringLiteral("ล่าง")},
        {QStringLiteral("cus"), QStringLiteral("รหัส")},  {QStringLiteral("tim"), QStringLiteral("เวลาที่ป้อน")},
        {QStringLiteral("id"), QStringLiteral("ลำดับ")}};
    dbGrid1_->open(bets().handle(), QStringLiteral("tball"), columns, QStringLiteral("id"));
    dbGrid1_->setCellColours([this](int row, int column) { return cellColours(row, column); });
    dbGrid1_->setFilter(QStringLiteral("id > 0 AND id < 0"));
    if (station_) {
        backupNote_->setVisible(true);
        dbGrid2_->setVisible(false);
        return;
    }
    dbGrid2_->open(own().handle(), QStringLiteral("tballcus"), columns, QStringLiteral("id"));
    dbGrid2_->reselect();
}

void Tfminput::closeEvent(QCloseEvent* event) {
    nameChosen_ = false;
    QWidget::closeEvent(event);
}

template <typename Field> bool Tfminput::saveSwitch(Field field, bool on) {
    try {
        SettingsRecord(own()).setFlag(field, on);
        return true;
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return false;
    }
}

NormalOptions Tfminput::normalOptions() const {
    NormalOptions options;
    options.sortDigits = !f2c_->isChecked();
    options.kindNamingMode = namingMode_;
    options.addStraightToSet = f4c_->isChecked();
    options.bottomBeforeTod = f7c_->isChecked();
    options.twoDigitsTopBottomOnly = f7c2_->isChecked();
    return options;
}
