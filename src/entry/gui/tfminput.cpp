#include "entry/gui/tfminput.h"

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
        betsLocation_ = desk.betsLocation(lanAuto_);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }

    buildWidgets();
    readOptions();
    applyMenuLayout();
    try {
        bets();
        if (!gridsOpen_)
            openGrids();
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }

    bannerTimer_ = timer(this, "Timer1", 6000);
    bannerTimer_->setSingleShot(true);
    connect(bannerTimer_, &QTimer::timeout, this, &Tfminput::onTimer1);
    clockTimer_ = timer(this, "Timer2", 1000);
    connect(clockTimer_, &QTimer::timeout, this, &Tfminput::onTimer2);
    refreshTimer_ = timer(this, "Timer4", 10000);
    connect(refreshTimer_, &QTimer::timeout, this, &Tfminput::onTimer4);
    keystrokeTimer_ = timer(this, "Timer8", 1000);
    connect(keystrokeTimer_, &QTimer::timeout, this, &Tfminput::onTimer8);
    panelTimer_ = timer(this, "Timer10", 5000);
    connect(panelTimer_, &QTimer::timeout, this, &Tfminput::onTimer10);
    restartTimer_ = timer(this, "Timer9", 2000);
    connect(restartTimer_, &QTimer::timeout, this, &Tfminput::onTimer9);
    sendTimer_ = timer(this, "Timer5", 30000);
    connect(sendTimer_, &QTimer::timeout, this, &Tfminput::onTimer5);
    bannerTimer_->start();
    clockTimer_->start();
    restartTimer_->start();
    setUpAutoCut();

    // Station or server, in the status bar.
    if (station_) {
        desk.setStatus(2, lanAuto_ ? QStringLiteral("ระบบLan=Auto") : QStringLiteral("ระบบLan"));
        desk.setStatus(1, QStringLiteral("Db=") + (Database::isServerAddress(run.serverPath)
                                                       ? location::shownLocation(run.serverPath)
                                                       : run.serverPath.mid(2, 20)));
        rowsShownBox_->setEnabled(false);
    } else {
        desk.setStatus(2, QStringLiteral("ระบบServer"));
        desk.setStatus(1, !betsLocation_.isEmpty()
                              ? QStringLiteral("Db=") + location::shownLocation(betsLocation_)
                              : QStringLiteral("Db=Local ") + run.ownPath());
    }

    // Default mode of the normal page (or the stock page when it is the only one shown).
    showPage(pages_->isTabVisible(NormalPage) || !pages_->isTabVisible(StockPage) ? NormalPage
                                                                                  : StockPage);
    int defaultKey = 0;
    try {
        defaultKey = SettingsRecord(own()).defaultFunctionKey();
    } catch (const StoreError&) {
    }
    if (page_ == NormalPage && defaultKey != 0) {
        chooseFunctionKey(defaultKey);
        banner_->setText(QStringLiteral("เมนูเริ่มต้น==>>") + banner_->text());
        bannerOverlay_->setText(banner_->text());
    }

    // A station whose server was missing before does not wait for it again.
    const bool serverMissing = station_ && run.serverMissing;
    setUpStation();
    readSums();
    if (!serverMissing) {
        if (rowCount_->text() != QLatin1String("0"))
            refreshAfterLine();
        colourTotals();
    }

    if (Platform::instance().defaultPrinter().isEmpty()) {
        Dialogs::warning(this, QStringLiteral("ไม่พบPrinter เริ้มต้น  สำหรับโปรแกรม ให้เลือกPrinter "
                                              "จากรายการ หรือติดตั้งDriver"));
    }
    if (run.newsPage && newsPanel_) {
        newsPanel_->setVisible(true);
        newsPanel_->setHtml(QStringLiteral("<h3>ข่าวสารTabulox</h3><p>%1</p>")
                                .arg(run.versionLabel.toHtmlEscaped()));
    }
    setFocusProxy(number_);
    number_->setFocus();

    connect(&desk, &Desk::kindLimitsChanged, this, &Tfminput::setKindLimits);
    connect(&desk, &Desk::listSwitchesChanged, this, &Tfminput::readListSwitches);
    connect(&desk, &Desk::digitSortingChanged, this, &Tfminput::setDigitSorting);
    connect(&desk, &Desk::bookChanged, this, &Tfminput::bookChanged);
    connect(&desk, &Desk::lineInputChanged, this, &Tfminput::setLineInput);
    connect(&desk, &Desk::lineOffered, this, &Tfminput::takeLine);
    connect(&desk, &Desk::settingsLoaded, this, [this] {
        readListSwitches();
        colourTotals();
    });
}

Tfminput::~Tfminput() {
    // The grids' models hold queries on the form's connections: they go first.
    delete gridTabs_;
}

Database& Tfminput::own() {
    if (!ownDb_)
        ownDb_ = desk_.openOwn();
    return *ownDb_;
}

Database& Tfminput::bets() {
    if (betsDb_)
        return *betsDb_;
    if (betsLocation_.isEmpty())
        return own();
    // Lines wait for the shared book; they never go to the own book in its place. A server
    // that did not answer is asked again after a pause, not at every refresh.
    if (betsRefusal_ && betsRetry_.isValid() && betsRetry_.elapsed() < kBetsRetryMs)
        throw *betsRefusal_;
    try {
        betsDb_ = Database::openExisting(betsLocation_);
    } catch (const StoreError& error) {
        betsRefusal_ = error;
        betsRetry_.start();
        throw;
    }
    betsRefusal_.reset();
    if (!gridsOpen_)
        openGrids();
    return *betsDb_;
}

void Tfminput::setDigitSorting(bool separate) {
    const QSignalBlocker blocker(separateDigitsBox_);
    separateDigitsBox_->setChecked(separate);
}

void Tfminput::readOptions() {
    try {
        SettingsRecord settings(own());
        warnName_ = settings.warnName();
        const QSignalBlocker b1(warnNameOn_), b2(warnNameOff_), b3(soundBox_), b4(autorunBox_),
            b5(autoInputBox_), b6(separateDigitsBox_);
        (warnName_ ? warnNameOn_ : warnNameOff_)->setChecked(true);
        soundBox_->setChecked(settings.keySound());
        soundState_->setText(soundBox_->isChecked() ? QStringLiteral("[เปิดเสียง]")
                                                    : QStringLiteral("[Xปิดเสียง]"));
        autorunBox_->setChecked(settings.autorun());
        autoInputBox_->setChecked(settings.autoInput());
        separateDigitsBox_->setChecked(settings.separateDigits());
        rowsShown_ = settings.rowsShown();
        const int index = rowsShownBox_->findText(QString::number(rowsShown_));
        if (index >= 0)
            rowsShownBox_->setCurrentIndex(index);
        namingMode_ = settings.kindNamingMode();
        warnClosed_ = settings.closedWarning();
        inputLimit_ = static_cast<double>(settings.inputLimit());
        panelWanted_ = settings.hundredPanel();
        customerBox_->addItem(customers::combined());
        customerBox_->addItems(customers::names(bets(), settings.customersByName()));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    connect(warnNameOn_, &QRadioButton::toggled, this, [this](bool on) {
        warnName_ = on;
        saveSwitch(Disp::disp1, on);
    });
    connect(soundBox_, &QCheckBox::toggled, this, [this](bool on) {
        saveSwitch(Disp::disp2, on);
        soundState_->setText(on ? QStringLiteral("[เปิดเสียง]") : QStringLiteral("[Xปิดเสียง]"));
    });
    connect(autorunBox_, &QCheckBox::toggled, this, [this](bool on) {
        saveSwitch(Disp::disp3, on);
        Dialogs::info(this, on ? QStringLiteral("เปิดการใช้งานระบบ Autorunเลข2ตัว00-99")
                               : QStringLiteral("ปิดการใช้งานระบบ Autorunเลข2ตัว00-99"));
    });
    connect(autoInputBox_, &QCheckBox::toggled, this, [this](bool on) {
        saveSwitch(AutoInput::disp1, on);
        Dialogs::info(this, on ? QStringLiteral("เปิดการใช้งานระบบ Autoinput")
                               : QStringLiteral("ปิดการใช้งานระบบ Autoinput"));
    });
    connect(separateDigitsBox_, &QCheckBox::toggled, this, [this](bool on) {
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
        static const Emenu texts[] = {Emenu::f1t, Emenu::f2t, Emenu::f3t, Emenu::f4t, Emenu::f5t,
                                      Emenu::f6t, Emenu::f7t, Emenu::f8t, Emenu::f9t, Emenu::f10t};
        for (int i = 0; i < 10; ++i) {
            const QString caption = buttonCaption(i + 1, settings.text(texts[i]), namingMode_);
            captions_ << caption;
            QPushButton* button = modeButtons_[static_cast<size_t>(i)];
            button->setText(caption);
            button->setToolTip(caption);
            button->setVisible(settings.shown(flags[i]));
        }
        // The option boxes follow their buttons' switches (the page may not be shown yet).
        f4Shown_ = settings.shown(Emenu::f4);
        f7Shown_ = settings.shown(Emenu::f7);
        showOptionBoxes();
        pages_->setTabVisible(SetPage, settings.shown(Emenu::t2));
        pages_->setTabVisible(HeadPage, settings.shown(Emenu::t3));
        pages_->setTabVisible(StockPage, settings.shown(Emenu::t4));
        pages_->setTabVisible(NormalPage, settings.shown(Emenu::t1));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    for (Kind kind : columnOrder()) {
        totalCaptions_[static_cast<size_t>(kind)]->setText(totalCaption(kind, namingMode_));
        totals_[static_cast<size_t>(kind)]->setToolTip(totalHint(kind, namingMode_));
    }
}

void Tfminput::openGrids() {
    const QList<DataGrid::Column> columns = {{QStringLiteral("num"), QStringLiteral("เลข")},
                                             {QStringLiteral("h"), QStringLiteral("บน")},
                                             {QStringLiteral("t"), QStringLiteral("โต๊ด")},
                                             {QStringLiteral("l"), QStringLiteral("ล่าง")},
                                             {QStringLiteral("cus"), QStringLiteral("รหัส")},
                                             {QStringLiteral("tim"), QStringLiteral("เวลาที่ป้อน")},
                                             {QStringLiteral("id"), QStringLiteral("ลำดับ")}};
    Database& book = bets();
    gridsOpen_ = true;
    bookGrid_->open(book.handle(), QStringLiteral("tball"), columns, QStringLiteral("id"));
    bookGrid_->setCellColours([this](int row, int column) { return cellColours(row, column); });
    bookGrid_->setFilter(QStringLiteral("id > 0 AND id < 0"));
    if (station_) {
        enteredNote_->setVisible(true);
        enteredGrid_->setVisible(false);
        return;
    }
    // The entered lines are read as the clerk scrolls, on a connection of their own, and only
    // while their page is shown: the form's own connection never waits on that read.
    try {
        enteredDb_ =
            betsLocation_.isEmpty() ? desk_.openOwn() : Database::openExisting(betsLocation_);
    } catch (const StoreError&) {
        enteredDb_.reset(); // the lines' own connection shows them
    }
    enteredGrid_->open((enteredDb_ ? *enteredDb_ : book).handle(), QStringLiteral("tballcus"),
                       columns, QStringLiteral("id"));
    connect(gridTabs_, &QTabWidget::currentChanged, this, &Tfminput::showEnteredRows,
            Qt::UniqueConnection);
    showEnteredRows();
}

void Tfminput::showEnteredRows() {
    if (!enteredGrid_->model()) // a station shows no entered lines
        return;
    if (gridTabs_->currentIndex() == 1)
        enteredGrid_->reselect();
    else
        enteredGrid_->release();
}

void Tfminput::closeEvent(QCloseEvent* event) {
    nameChosen_ = false;
    // The delete dialog's picks are this form's.
    if (delform_)
        delform_->close();
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
    options.sortDigits = !separateDigitsBox_->isChecked();
    options.kindNamingMode = namingMode_;
    options.addStraightToSet = straightPlusSetBox_->isChecked();
    options.bottomBeforeTod = bottomBeforeTodBox_->isChecked();
    options.twoDigitsTopBottomOnly = twoDigitsTopBottomBox_->isChecked();
    return options;
}
