#include "shell/gui/tmain.h"

#include "entry/gui/tfminput.h"
#include "maintenance/backups.h"
#include "platform/platform.h"
#include "shell/gui/tchangepass.h"
#include "shell/gui/tloadcon.h"
#include "shell/gui/tmenusetup.h"
#include "shell/settings.h"
#include "shell/soundfiles.h"
#include "shell/startup.h"
#include "store/database.h"
#include "store/location.h"
#include "store/schema.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>

namespace {
const int kPanelWidths[] = {220, 220, 250, 250, 350, 400, 100};
const char kLowDisk[] = "พื้นที่Diskต่ำกว่า20GB กรุณาลบข้อมูล";
} // namespace

Tmain::Tmain(const QString& executablePath, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Tmain"));
    setWindowTitle(QStringLiteral("หน้าหลัก"));
    setEnabled(false);
    setStyleSheet(QStringLiteral(
        "Tmain, QMdiArea { background: black; }"
        "QStatusBar { background: black; }"
        "QStatusBar QLabel { color: #4f7dff; font-weight: bold; padding: 0 6px; }"
        "QMenuBar { font-weight: bold; color: blue; }"));

    const QFileInfo exe(executablePath);
    run_.programFolder = location::programFolder(exe.absolutePath());
    run_.programFileName = exe.fileName();
    run_.versionLabel = startup::versionLabel();

    mdi_ = new QMdiArea(this);
    mdi_->setBackground(Qt::black);
    // A small window opened over the maximised entry form keeps its own size.
    mdi_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    setCentralWidget(mdi_);
    buildStatusBar();

    // Ctrl+Q ends the program from any window of it, the disabled frame and the login included.
    qApp->installEventFilter(this);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(10000);
    connect(timer1_, &QTimer::timeout, this, &Tmain::onTimer1);
    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(3000);
    connect(timer2_, &QTimer::timeout, this, &Tmain::onTimer2);
    timer3_ = new QTimer(this);
    timer3_->setObjectName(QStringLiteral("Timer3"));
    timer3_->setInterval(10000);
    connect(timer3_, &QTimer::timeout, this, &Tmain::onTimer3);

    prepare();
    if (!damaged_) {
        buildMenus();
        timer1_->start();
        timer2_->start();
        timer3_->start();
    }
}

Tmain::~Tmain() = default;

Database& Tmain::own() {
    if (!own_)
        own_ = location::openBook(run_.ownPath(), run_.programFolder);
    return *own_;
}

bool Tmain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !ended_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::ControlModifier && hotKey(key->key()))
            return true;
    }
    // A click on the empty area of the frame opens the entry form afresh, as Ctrl+Z does.
    if (event->type() == QEvent::MouseButtonPress && watched == mdi_->viewport() && isEnabled() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        !mdi_->viewport()->childAt(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        openEntryForm();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tmain::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sb1"));
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < 7; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("sb1panel%1").arg(i));
        panel->setMinimumWidth(kPanelWidths[i] * 2 / 3);
        if (i == 6)
            panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        bar->addPermanentWidget(panel, i == 6 ? 0 : 1);
        panels_ << panel;
    }
}

QString Tmain::panelText(int panel) const { return panels_.value(panel)->text(); }

void Tmain::setPanelText(int panel, const QString& text) {
    if (QLabel* label = panels_.value(panel))
        label->setText(text);
}

void Tmain::prepare() {
    Platform& platform = Platform::instance();
    run_.computerName = platform.computerName();
    run_.address = platform.address();

    // The own database; a file that cannot be read is damaged.
    try {
        QDir().mkpath(run_.programFolder + QStringLiteral("db"));
        own_ = location::openBook(run_.ownPath(), run_.programFolder);
        startup::probe(*own_);
    } catch (const StoreError&) {
        damaged_ = true;
        Dialogs::info(this, QStringLiteral("ฐานข้อมูลมีปัญหาต้องกด Repair1  เพื่อซ่อมแซมโดยMsAccess2010"));
        platform.openWithShell(run_.programFolder + QStringLiteral("db"));
        platform.startProgram(run_.programFolder + QStringLiteral("AA_v3.exe"), {});
        endProgram();
        return;
    }
    soundfiles::writeMissing(run_.programFolder);

    setPanelText(4, QStringLiteral("Name=") + run_.computerName);
    setPanelText(0, QStringLiteral("Ip= ") + run_.address);

    Database& db = *own_;
    SettingsRecord settings(db);
    try {
        run_.tran = startup::correctServerPath(db, run_.programFolder);
        run_.serverPath = settings.text(Cstr::cstr2);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    const location::Shared shared = location::resolveShared(run_.serverPath, run_.ownPath());
    run_.sharedPath = shared.path;
    run_.serverFound = shared.serverFound;

    for (const QString& message : schema::upgradeOldLayout(db))
        Dialogs::warning(this, message);

    try {
        ticks_ = settings.number(Backc::back2);
    } catch (const StoreError&) {
        ticks_ = 0;
    }
    try {
        // The menus are built with it.
        run_.kindNamingMode = settings.number(Backc::back13);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    setPanelText(6, QString::number(ticks_));

    const double freeKb = platform.freeDiskKilobytes(run_.programFolder);
    setPanelText(5, startup::diskFreeText(freeKb));
    if (startup::lowDisk(freeKb)) {
        platform.beep();
        Dialogs::warning(this, QString::fromUtf8(kLowDisk));
    }

    Backups(db, run_.programFolder).firstRunBackup();
    startup::applyServerName(db, run_.computerName, run_.programFolder);
}

void Tmain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_ || damaged_)
        return;
    shownOnce_ = true;
    prepareShown();
}

void Tmain::prepareShown() {
    Platform& platform = Platform::instance();
    bool listed = false;
    const QStringList processes = platform.processNames(&listed);
    if (!listed)
        Dialogs::info(this, QStringLiteral("Error showing process list"));
    run_.instanceCount = startup::instanceCount(processes, run_.programFileName);

    try {
        Database& db = own();
        SettingsRecord settings(db);
        run_.stationCeiling = startup::stationCeiling(db);
        run_.customerOrder = settings.number(Backc::back21);
        run_.tran = startup::correctServerPath(db, run_.programFolder);
        run_.newsPage = settings.number(Backc::back15) == 1;
        startup::prepareRef(db);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

void Tmain::updateSizes() {
    const double freeKb = Platform::instance().freeDiskKilobytes(run_.programFolder);
    setPanelText(3, startup::dbSizeText(startup::databaseBytes(run_.ownPath())));
    setPanelText(5, startup::diskFreeText(freeKb));
    if (lowDiskWarnings_ < 5 && startup::lowDisk(freeKb)) {
        ++lowDiskWarnings_;
        Platform::instance().beep();
        if (lowDiskWarnings_ == 1)
            Dialogs::warning(this, QString::fromUtf8(kLowDisk));
    }
}

void Tmain::onTimer1() {
    try {
        Backups(own(), run_.programFolder).autoTimeTick(ticks_);
    } catch (const StoreError&) {
        ++ticks_;
    }
    setPanelText(6, QString::number(ticks_));
    updateSizes();
}

void Tmain::onTimer2() {
    timer2_->stop();
    own_.reset();
}

void Tmain::onTimer3() {
    run_.address = Platform::instance().address();
    setPanelText(0, QStringLiteral("Ip= ") + run_.address);
}

void Tmain::loggedIn() {
    setEnabled(true);
    openEntryForm();
}

void Tmain::openEntryForm() {
    // A new form replaces the one that is active, so it reads the settings again.
    if (QMdiSubWindow* active = mdi_->activeSubWindow()) {
        if (qobject_cast<Tfminput*>(active->widget()))
            active->close();
    }
    if (QMdiSubWindow* window = addWindow([this] { return new Tfminput(this); })) {
        window->showMaximized();
        window->widget()->setFocus();
    }
}

QMdiSubWindow* Tmain::addWindow(const std::function<QWidget*()>& create) {
    QWidget* form = nullptr;
    try {
        form = create();
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return nullptr;
    }
    QMdiSubWindow* window = mdi_->addSubWindow(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

Tfminput* Tmain::entryForm() const {
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        if (auto* form = qobject_cast<Tfminput*>(window->widget()))
            return form;
    }
    return nullptr;
}

void Tmain::openChangePassword() {
    auto* window = new Tchangepass(this);
    mdi_->addSubWindow(window)->show();
}

void Tmain::openLoadSettings() {
    auto* window = new Tloadcon(this);
    mdi_->addSubWindow(window)->show();
}

void Tmain::openMenuSetup() {
    // One entry form: the one there is comes to the front, or a new one opens.
    if (Tfminput* form = entryForm()) {
        if (auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
            mdi_->setActiveSubWindow(window);
    } else {
        openEntryForm();
    }
    QMdiSubWindow* window = mdi_->addSubWindow(new Tmenusetup(this));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void Tmain::closeWithoutAsking() {
    closeWithoutAsking_ = true;
    close();
}

void Tmain::closeEvent(QCloseEvent* event) {
    if (ended_) {
        event->accept();
        return;
    }
    if (!closingFromLogin_ && !closeWithoutAsking_ &&
        !Dialogs::question(this, QStringLiteral("คุณจะออกจากโปรแกรมหรือไม่ ?"))) {
        event->ignore();
        return;
    }
    // Every window finishes its work first (edits still in a grid are written); one that
    // refuses to close keeps the program open.
    mdi_->closeAllSubWindows();
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        if (window->isVisible()) {
            closeWithoutAsking_ = false;
            event->ignore();
            return;
        }
    }
    finishClose();
    event->accept();
}

void Tmain::finishClose() {
    try {
        Database& db = own();
        SettingsRecord settings(db);
        try {
            settings.set(Backc::back2, QString::number(ticks_));
        } catch (const StoreError&) {
            settings.set(Backc::back2, QStringLiteral("1"));
        }
        Backups(db, run_.programFolder).closeCopy();
        db.exec(QStringLiteral("DELETE FROM cusexe"));
        db.exec(QStringLiteral("DELETE FROM cusexe2"));
    } catch (const StoreError&) {
        // Closing goes on: the book itself is already written.
    }
    endProgram();
}

void Tmain::endProgram() {
    ended_ = true;
    timer1_->stop();
    timer2_->stop();
    timer3_->stop();
    Platform::instance().endProcessesNamed(run_.programFileName);
}
