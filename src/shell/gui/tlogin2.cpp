#include "shell/gui/tlogin2.h"

#include "common/desk.h"
#include "common/settings.h"
#include "platform/platform.h"
#include "shell/gui/tools.h"
#include "shell/startup.h"
#include "store/database.h"
#include "store/defaults.h"
#include "store/password.h"
#include "ui/dialogs.h"
#include "ui/maskedit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace {
QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& hint = QString()) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QToolButton* image(QWidget* parent, const char* name, QStyle::StandardPixmap icon,
                   const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(parent->style()->standardIcon(icon));
    b->setIconSize(QSize(32, 32));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    return b;
}
} // namespace

Tlogin2::Tlogin2(Desk& desk, QWidget* parent) : QDialog(parent), desk_(desk) {
    setObjectName(QStringLiteral("Tlogin2"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(desk.run().versionLabel + QStringLiteral("-Login"));

    auto* grid = new QGridLayout(this);
    auto* label = new QLabel(QStringLiteral("ป้อนPassword"), this);
    label->setObjectName(QStringLiteral("StaticText1"));
    edit1_ = newMaskedEdit(QLatin1Char('#'), this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setToolTip(QStringLiteral("ป้อนรหัสผ่าน"));
    edit1_->setText(defaults::loginDefault());
    auto* button1 = button(this, "Button1", QStringLiteral("Login"), QStringLiteral("เข้าสู่โปรแกรม"));
    button1->setDefault(true);
    button1->setAutoDefault(true);
    cb1_ = new QCheckBox(QStringLiteral("Show_Update"), this);
    cb1_->setObjectName(QStringLiteral("cb1"));

    grid->addWidget(label, 0, 0);
    grid->addWidget(edit1_, 0, 1, 1, 2);
    grid->addWidget(button1, 0, 3);
    grid->addWidget(cb1_, 1, 1);

    auto* repair1 =
        button(this, "BitBtn1", QStringLiteral("Repair 1"), QStringLiteral("แก้ปัญหาฐานข้อมูล"));
    auto* repair2 = button(this, "BitBtn5", QStringLiteral("Repair 2"));
    auto* repair3 = button(this, "BitBtn7", QStringLiteral("Repair 3"));
    auto* backups = button(this, "BitBtn2", QStringLiteral("&แสดงฐานข้อมูลสำรอง"));
    auto* winSetup =
        button(this, "BitBtn4", QStringLiteral("Win-Setup"), QStringLiteral("ตั้งค่าWindows8,10"));
    auto* update = button(this, "BitBtn6", QStringLiteral("&Update"));
    auto* closeButton =
        button(this, "BitBtn3", QStringLiteral("&Close"), QStringLiteral("ออกจากโปรแกรม"));
    grid->addWidget(repair1, 2, 0);
    grid->addWidget(repair2, 2, 1);
    grid->addWidget(repair3, 2, 2);
    grid->addWidget(backups, 2, 3);
    grid->addWidget(winSetup, 3, 0);
    grid->addWidget(update, 3, 1);
    grid->addWidget(closeButton, 3, 3);

    auto* images = new QHBoxLayout;
    auto* image1 =
        image(this, "Image1", QStyle::SP_DesktopIcon, QStringLiteral("DownloadโปรแกรมAAV3"));
    auto* image2 =
        image(this, "Image2", QStyle::SP_ComputerIcon, QStringLiteral("DownloadโปรแกรมTeamViewer"));
    auto* image3 =
        image(this, "Image3", QStyle::SP_FileDialogDetailedView, QStringLiteral("ตั้งค่าPrinter"));
    auto* image4 = image(this, "Image4", QStyle::SP_DriveNetIcon, QStringLiteral("ตั้งค่าระบบLAN"));
    for (QToolButton* b : {image1, image2, image3, image4})
        images->addWidget(b);
    images->addStretch();
    grid->addLayout(images, 4, 0, 1, 4);
    g1_ = new QProgressBar(this);
    g1_->setObjectName(QStringLiteral("g1"));
    g1_->setToolTip(QStringLiteral("กำลังDownload"));
    g1_->setVisible(false);
    grid->addWidget(g1_, 5, 0, 1, 4);

    freeTimer_ = new QTimer(this);
    freeTimer_->setObjectName(QStringLiteral("Timer1"));
    freeTimer_->setInterval(2000);
    connect(freeTimer_, &QTimer::timeout, this, &Tlogin2::onFreeTimer);

    const QString folder = desk.run().programFolder;
    connect(button1, &QPushButton::clicked, this, &Tlogin2::login);
    connect(cb1_, &QCheckBox::toggled, this, &Tlogin2::newsSwitched);
    connect(repair1, &QPushButton::clicked, this, [this, folder] {
        if (Platform::instance().openWithShell(folder + QStringLiteral("db/tabulox.mde")))
            desk_.endProgram();
        else
            Dialogs::warning(this, QStringLiteral("ไม่พบโปรแกรมที่เปิดไฟล์ฐานข้อมูลได้ในเครื่องนี้"));
    });
    connect(repair2, &QPushButton::clicked, this,
            [this] { startTool(QStringLiteral("db/repair"), true); });
    connect(repair3, &QPushButton::clicked, this,
            [this] { startTool(QStringLiteral("autorepair"), true); });
    connect(backups, &QPushButton::clicked, this,
            [this] { startTool(QStringLiteral("backupbrowser"), true); });
    connect(winSetup, &QPushButton::clicked, this, [this, folder] {
        Platform::instance().openWithShell(folder + QStringLiteral("db"));
        const bool repair = startTool(QStringLiteral("db/repair"), false);
        if (startTool(QStringLiteral("winsetup"), false) || repair)
            desk_.endProgram();
    });
    connect(update, &QPushButton::clicked, this,
            [this] { startTool(QStringLiteral("updater"), false); });
    connect(closeButton, &QPushButton::clicked, this, [this] { desk_.endProgram(); });
    connect(image1, &QToolButton::clicked, this,
            [this] { startTool(QStringLiteral("AA_v3.exe"), false); });
    connect(image2, &QToolButton::clicked, this, [this] { tools::openTeamViewer(this, desk_); });
    connect(image3, &QToolButton::clicked, this, [this] {
        Dialogs::info(this,
                      QStringLiteral("เครื่องพิมพ์ปัจจุบัน: ") + Platform::instance().defaultPrinter());
    });
    // The sharing of the book is the desktop's network settings here.
    connect(image4, &QToolButton::clicked, this, [this] {
        if (!Platform::instance().openNetworkPanel())
            Dialogs::warning(this, QStringLiteral("เครื่องนี้ไม่รองรับคำสั่งนี้"));
    });

    // Creation: one instance only, the database size, the stored password, the news switch.
    if (desk.run().instanceCount > 1) {
        Dialogs::warning(this, QStringLiteral("โปรแกรมเปิดมากกว่า1จอ ต้องปิดก่อน"));
        usable_ = false;
        desk.endProgram();
        return;
    }
    const qint64 size = startup::databaseBytes(desk.run().ownPath());
    desk.setStatus(3, startup::dbSizeText(size));
    if (startup::dbTooLarge(size))
        Dialogs::warning(this, startup::dbSizeWarning(size));
    try {
        SettingsRecord settings(desk.own());
        stored_ = settings.text(Pass::pass);
        const QSignalBlocker blocker(cb1_);
        cb1_->setChecked(settings.newsPage());
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    edit1_->setFocus();
    edit1_->selectAll();
}

void Tlogin2::login() {
    if (passwordTransform(edit1_->text()) != stored_) {
        Dialogs::warning(this, QStringLiteral("Passwordไม่ถูกต้อง"));
        return;
    }
    loggedIn_ = true;
    // Out of the clerk's way at once, freed 2 s later. (Minimising a window that belongs to
    // the main window would minimise the main window with it on X11.)
    hide();
    emit passwordAccepted();
    freeTimer_->start();
}

void Tlogin2::onFreeTimer() {
    freeTimer_->stop();
    deleteLater();
}

void Tlogin2::newsSwitched(bool on) {
    try {
        SettingsRecord(desk_.own()).setFlag(Backc::back15, on);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

bool Tlogin2::startTool(const QString& relativePath, bool endAfter) {
    return tools::start(this, desk_, relativePath, endAfter);
}

void Tlogin2::reject() {
    close();
}

void Tlogin2::closeEvent(QCloseEvent* event) {
    if (!loggedIn_ && usable_)
        emit closedBeforeLogin();
    event->accept();
}
