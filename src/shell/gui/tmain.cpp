#include "shell/gui/tmain.h"

#include "common/backups.h"
#include "common/settings.h"
#include "cutting/gui/sentreport.h"
#include "entry/gui/tfminput.h"
#include "platform/platform.h"
#include "reports/gui/customerreport.h"
#include "reports/gui/totalsreport.h"
#include "shell/gui/tchangepass.h"
#include "shell/gui/tloadcon.h"
#include "shell/gui/tlogin2.h"
#include "shell/gui/tmenusetup.h"
#include "shell/soundfiles.h"
#include "shell/startup.h"
#include "store/database.h"
#include "store/location.h"
#include "store/schema.h"
#include "ui/dialogs.h"
#include "ui/statuspanel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>

namespace {
const int kPanelWidths[] = {220, 220, 250, 250, 350, 400, 100};
} // namespace

Tmain::Tmain(const QString& executablePath, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Tmain"));
    setWindowTitle(QStringLiteral("หน้าหลัก"));
    setEnabled(false);
    setStyleSheet(
        QStringLiteral("Tmain, QMdiArea { background: black; }"
                       "QStatusBar { background: black; }"
                       "QStatusBar QLabel { color: #4f7dff; font-weight: bold; padding: 0 6px; }"
                       "QMenuBar { font-weight: bold; color: blue; }"));

    const QFileInfo exe(executablePath);
    RunValues run;
    const location::BookPlace place = location::placeBook(exe.absolutePath());
    run.programFolder = place.programFolder;
    placeProblem_ = location::problemText(place);
    run.programFileName = exe.fileName();
    run.executablePath = exe.absoluteFilePath();
    run.versionLabel = startup::versionLabel();
    desk_ = std::make_unique<Desk>(run);

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

    listen();
    prepare();
    if (!damaged_) {
        grabHotKeys();
        buildMenus();
        timer1_->start();
        timer2_->start();
        timer3_->start();
    }
}

Tmain::~Tmain() {
    Platform::instance().releaseHotKeys();
    // Copies under way finish while the desk is whole, and say nothing to a frame going away.
    desk_->disconnect(this);
    desk_->copies().waitForDone();
    // The windows go before the desk they were given.
    delete mdi_;
    mdi_ = nullptr;
}

void Tmain::listen() {
    Desk& desk = *desk_;
    connect(&desk, &Desk::statusChanged, this, [this](int panel, const QString& text) {
        if (StatusPanel* label = panels_.value(panel))
            label->setPanelText(text);
    });
    connect(&desk, &Desk::ending, this, [this] {
        timer1_->stop();
        timer2_->stop();
        timer3_->stop();
    });
    connect(&desk, &Desk::damaged, this, [this](const QString& message) {
        Platform::instance().beep();
        sayBetweenLines(message);
    });
    connect(&desk, &Desk::copyNotWritten, this, &Tmain::sayBetweenLines);
    connect(&desk, &Desk::previewShown, this, [this](bool shown) {
        if (shown)
            showMinimized();
        else
            showMaximized();
    });
    connect(&desk, &Desk::checkByCustomerWanted, this, &Tmain::openCheckByCustomer);
    connect(&desk, &Desk::totalsWanted, this, [this](Kind kind) {
        totals::show(*desk_, QLatin1String(totals::viewOf(kind, totals::Order::byNumber)->className));
    });
    connect(&desk, &Desk::remainingWanted, this, [this] { customerviews::showRemaining(*desk_); });
    // A new draw: the tick counter starts again, and so does the entry form.
    connect(&desk, &Desk::bookChanged, this, [this](BookChange change) {
        if (change != BookChange::startedOver)
            return;
        ticks_ = 0;
        desk_->setStatus(6, QString::number(ticks_));
        for (QMdiSubWindow* window : mdi_->subWindowList()) {
            if (qobject_cast<Tfminput*>(window->widget()))
                window->close();
        }
        QTimer::singleShot(0, this, [this] {
            if (!hasEnded())
                openEntryForm();
        });
    });
    connect(&desk, &Desk::sentLogWanted, this, [this] { cutlog::showCumulative(*desk_); });
    connect(&desk, &Desk::kindNamingModeChanged, this, &Tmain::rebuildMenus);
    connect(&desk, &Desk::entryMenuChanged, this, &Tmain::renewEntryForm);
    // The entry form, when it is the window in front, is made again with the new list.
    connect(&desk, &Desk::customersChanged, this, [this] {
        QTimer::singleShot(0, this, [this] {
            QMdiSubWindow* active = mdi_ ? mdi_->activeSubWindow() : nullptr;
            if (!hasEnded() && active && qobject_cast<Tfminput*>(active->widget()))
                openEntryForm();
        });
    });
}

bool Tmain::eventFilter(QObject* watched, QEvent* event) {
    // The hot keys the desktop would not give us work while a window of the program has the
    // focus.
    if (event->type() == QEvent::KeyPress && !hasEnded()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::ControlModifier && appWideKeys_.contains(key->key()) &&
            hotKey(key->key()))
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

void Tmain::grabHotKeys() {
    const QList<int> keys = {Qt::Key_Q, Qt::Key_D, Qt::Key_N, Qt::Key_F,
                             Qt::Key_Z, Qt::Key_L, Qt::Key_S};
    appWideKeys_ = Platform::instance().grabHotKeys(keys, [this](int key) {
        if (!hasEnded())
            hotKey(key);
    });
    if (appWideKeys_.isEmpty())
        return;
    QStringList names;
    for (int key : std::as_const(appWideKeys_))
        names << QStringLiteral("Ctrl+") + QKeySequence(key).toString();
    Dialogs::info(this, QStringLiteral("ปุ่มลัด ") + names.join(QStringLiteral(", ")) +
                            QStringLiteral(" ใช้ได้เฉพาะเมื่อหน้าต่างของโปรแกรมทำงานอยู่ "
                                           "เพราะเครื่องนี้ไม่ให้ใช้ปุ่มนี้กับทุกหน้าต่าง"));
}

void Tmain::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sb1"));
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < 7; ++i) {
        auto* panel = new StatusPanel(bar);
        panel->setObjectName(QStringLiteral("sb1panel%1").arg(i));
        panel->setMinimumWidth(kPanelWidths[i] * 2 / 3);
        if (i == 6)
            panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        bar->addPermanentWidget(panel, i == 6 ? 0 : 1);
        panels_ << panel;
    }
}

QString Tmain::panelText(int panel) const {
    return panels_.value(panel)->text();
}

void Tmain::prepare() {
    Platform& platform = Platform::instance();
    Desk& desk = *desk_;
    RunValues& run = desk.runValues();
    run.computerName = platform.computerName();
    run.address = platform.address();

    if (!openOwnBook())
        return;
    soundfiles::writeMissing(run.programFolder);

    desk.setStatus(4, QStringLiteral("Name=") + run.computerName);
    desk.setStatus(0, QStringLiteral("Ip= ") + run.address);

    try {
        Database& db = desk.own();
        run.tran = startup::correctServerPath(db, run.programFolder);
        run.serverPath = SettingsRecord(db).text(Cstr::cstr2);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    const location::Shared shared = location::resolveShared(run.serverPath, run.ownPath());
    run.sharedPath = shared.path;
    run.serverFound = shared.serverFound;

    try {
        for (const QString& message : schema::upgradeOldLayout(desk.own()))
            Dialogs::warning(this, message);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }

    try {
        ticks_ = SettingsRecord(desk.own()).number(Backc::back2);
    } catch (const StoreError&) {
        ticks_ = 0;
    }
    try {
        // The menus are built with it.
        run.kindNamingMode = SettingsRecord(desk.own()).kindNamingMode();
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    desk.setStatus(6, QString::number(ticks_));

    // The first-run copy is taken before any warning box can hold the start.
    try {
        const std::optional<CopyResult> first =
            Backups(desk.own(), run.programFolder).firstRunBackup();
        if (first && first->status == CopyResult::Damaged)
            desk.bookFoundDamaged();
        startup::applyServerName(desk.own(), run.computerName, run.programFolder);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }

    const double freeKb = platform.freeDiskKilobytes(run.programFolder);
    desk.setStatus(5, startup::diskFreeText(freeKb));
    if (startup::lowDisk(freeKb)) {
        platform.beep();
        Dialogs::warning(this, startup::lowDiskWarning());
        lowDiskSaid_ = QDateTime::currentDateTime();
    }
}

bool Tmain::openOwnBook() {
    Platform& platform = Platform::instance();
    Desk& desk = *desk_;
    const RunValues& run = desk.run();
    const QString book = run.ownPath();
    // A book that is there but cannot be written is said; another book is never taken up.
    if (!placeProblem_.isEmpty()) {
        damaged_ = true;
        Dialogs::warning(this, placeProblem_);
        endProgram();
        return false;
    }
    for (;;) {
        try {
            QDir().mkpath(run.programFolder + QStringLiteral("db"));
            startup::probe(desk.own());
            desk.setStatus(1, QStringLiteral("Db=Local ") + book);
            return true;
        } catch (const StoreError& error) {
            desk.releaseOwn();
            // Held by another program: the book is sound, so ask again rather than repair.
            if (error.kind() == StoreError::inUse) {
                if (Dialogs::question(this,
                                      QStringLiteral("ฐานข้อมูล ") + book +
                                          QStringLiteral(" กำลังถูกใช้งานโดยโปรแกรมอื่น "
                                                         "(ฐานข้อมูลไม่ได้เสียหาย)\n"
                                                         "ปิดโปรแกรมนั้นแล้วกด Yes เพื่อลองเปิดอีกครั้ง "
                                                         "หรือกด No เพื่อออกจากโปรแกรม")))
                    continue;
                damaged_ = true;
                endProgram();
                return false;
            }
            damaged_ = true;
            // A full disk or a folder that cannot be written is said as it is: a repair of a
            // sound book is never offered for it.
            if (error.kind() != StoreError::damaged) {
                Dialogs::warning(this, QStringLiteral("เปิดฐานข้อมูล ") + book +
                                           QStringLiteral(" ไม่ได้\n") + error.message());
                endProgram();
                return false;
            }
            Dialogs::info(
                this, QStringLiteral("ฐานข้อมูลมีปัญหาต้องกด Repair1  เพื่อซ่อมแซมโดยMsAccess2010\n") +
                          QStringLiteral("ไฟล์ ") + book +
                          QStringLiteral(" (โปรแกรมไม่ได้แก้ไขไฟล์นี้)\n"
                                         "สำเนาก่อนหน้าอยู่ในโฟลเดอร์ dbbackup, lastdb และ dbautotime"));
            platform.openWithShell(run.programFolder + QStringLiteral("db"));
            platform.startProgram(run.programFolder + QStringLiteral("AA_v3.exe"), {});
            endProgram();
            return false;
        }
    }
}

void Tmain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_ || damaged_)
        return;
    shownOnce_ = true;
    prepareShown();
    // Every page of the book is read once it is open, without holding up the clerk.
    desk_->copies().request(run().ownPath(), CopyJob::check(run().ownPath()));
}

void Tmain::prepareShown() {
    Platform& platform = Platform::instance();
    RunValues& run = desk_->runValues();
    bool listed = false;
    run.instanceCount = platform.sameProgramCount(run.executablePath, &listed);
    if (!listed)
        Dialogs::info(this, QStringLiteral("Error showing process list"));

    try {
        Database& db = own();
        SettingsRecord settings(db);
        run.stationCeiling = startup::stationCeiling(db);
        run.tran = startup::correctServerPath(db, run.programFolder);
        run.newsPage = settings.newsPage();
        startup::prepareRef(db);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

void Tmain::updateSizes() {
    const double freeKb = Platform::instance().freeDiskKilobytes(run().programFolder);
    desk_->setStatus(3, startup::dbSizeText(startup::databaseBytes(run().ownPath())));
    desk_->setStatus(5, startup::diskFreeText(freeKb));
    if (lowDiskWarnings_ < 5 && startup::lowDisk(freeKb)) {
        ++lowDiskWarnings_;
        Platform::instance().beep();
        // The box once within the hour.
        const QDateTime now = QDateTime::currentDateTime();
        if (!lowDiskSaid_.isValid() || lowDiskSaid_.secsTo(now) >= 3600) {
            lowDiskSaid_ = now;
            sayBetweenLines(startup::lowDiskWarning());
        }
    }
    sayWaiting();
}

void Tmain::sayBetweenLines(const QString& message) {
    if (!waiting_.contains(message))
        waiting_ << message;
    sayWaiting();
}

void Tmain::sayWaiting() {
    // A box in the middle of a line would take its keys: it waits for the line to be done.
    if (waiting_.isEmpty() || hasEnded())
        return;
    if (Tfminput* form = entryForm(); form && form->lineUnderWay())
        return;
    const QStringList messages = waiting_;
    waiting_.clear();
    for (const QString& message : messages)
        Dialogs::warning(this, message);
}

void Tmain::onTimer1() {
    try {
        desk_->backups().autoTimeTick(ticks_, desk_->copies());
    } catch (const StoreError&) {
        ++ticks_;
    }
    desk_->setStatus(6, QString::number(ticks_));
    updateSizes();
}

void Tmain::onTimer2() {
    timer2_->stop();
    desk_->releaseOwn();
}

void Tmain::onTimer3() {
    RunValues& run = desk_->runValues();
    run.address = Platform::instance().address();
    desk_->setStatus(0, QStringLiteral("Ip= ") + run.address);
}

Tlogin2* Tmain::openLogin() {
    auto* login = new Tlogin2(*desk_, this);
    connect(login, &Tlogin2::passwordAccepted, this, [this] {
        loggedIn();
        activateWindow();
    });
    connect(login, &Tlogin2::closedBeforeLogin, this, [this] {
        closingFromLogin_ = true;
        close();
    });
    return login;
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
    if (QMdiSubWindow* window = addWindow([this] { return new Tfminput(*desk_); })) {
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

void Tmain::showCentred(QMdiSubWindow* window) {
    window->showNormal();
    window->adjustSize();
    window->move(qMax(0, (mdi_->width() - window->width()) / 2),
                 qMax(0, (mdi_->height() - window->height()) / 2));
}

void Tmain::openChangePassword() {
    if (QMdiSubWindow* window = addWindow([this] { return new Tchangepass(*desk_); }))
        showCentred(window);
}

void Tmain::openLoadSettings() {
    if (QMdiSubWindow* window = addWindow([this] { return new Tloadcon(*desk_); }))
        showCentred(window);
}

void Tmain::openMenuSetup() {
    // One entry form: the one there is comes to the front, or a new one opens.
    if (Tfminput* form = entryForm()) {
        if (auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
            mdi_->setActiveSubWindow(window);
    } else {
        openEntryForm();
    }
    if (QMdiSubWindow* window = addWindow([this] { return new Tmenusetup(*desk_); }))
        window->show();
}

void Tmain::renewEntryForm() {
    // The form there is comes to the front, so a new one replaces it.
    if (Tfminput* form = entryForm()) {
        if (auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
            mdi_->setActiveSubWindow(window);
    }
    openEntryForm();
}

void Tmain::closeWithoutAsking() {
    closeWithoutAsking_ = true;
    close();
}

void Tmain::closeEvent(QCloseEvent* event) {
    if (hasEnded()) {
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
        desk_->copies().waitForDone();
        const CopyResult copy = desk_->backups().closeCopy();
        if (copy.status == CopyResult::Damaged)
            desk_->bookFoundDamaged();
        else if (copy.status == CopyResult::Failed)
            desk_->copyFailed(copy.file + QStringLiteral(": ") + copy.detail);
        sayWaiting();
        db.exec(QStringLiteral("DELETE FROM cusexe"));
        db.exec(QStringLiteral("DELETE FROM cusexe2"));
    } catch (const StoreError&) {
        // Closing goes on: the book itself is already written.
    }
    endProgram();
}

void Tmain::endProgram() {
    desk_->endProgram();
}
