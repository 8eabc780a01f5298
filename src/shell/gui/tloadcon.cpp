#include "shell/gui/tloadcon.h"

#include "common/desk.h"
#include "common/settingsload.h"
#include "store/database.h"
#include "ui/dialogs.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

Tloadcon::Tloadcon(Desk& desk) : desk_(desk) {
    setObjectName(QStringLiteral("Tloadcon"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("โหลดข้อมูลการตั้งค่า"));
    auto* layout = new QVBoxLayout(this);
    path_ = new QLineEdit(this);
    path_->setObjectName(QStringLiteral("path"));
    path_->setReadOnly(true);
    g1_ = new QProgressBar(this);
    g1_->setObjectName(QStringLiteral("g1"));
    g1_->setRange(0, 100);
    g1_->setValue(0);
    auto* button = new QPushButton(QStringLiteral("เลือกข้อมูล"), this);
    button->setObjectName(QStringLiteral("BitBtn1"));
    layout->addWidget(path_);
    layout->addWidget(g1_);
    layout->addWidget(button);
    resize(420, 140);
    connect(button, &QPushButton::clicked, this, &Tloadcon::choose);
}

void Tloadcon::choose() {
    const QString file = Dialogs::openFileName(this, QStringLiteral("เลือกFile Access"),
                                               QStringLiteral("ฐานข้อมูล (*.mde *.mdb)"));
    if (file.isEmpty())
        return;
    path_->setText(file);
    g1_->setValue(10);
    try {
        std::unique_ptr<Database> from = Database::openExistingReadOnly(file);
        loadSettings(desk_.own(), *from, [this](int value) { g1_->setValue(value); });
        desk_.settingsLoadedFrom(file);
    } catch (const StoreError& error) {
        g1_->setValue(0);
        Dialogs::warning(this, error.message());
        return;
    }
    Dialogs::info(this, QStringLiteral("การโหลดข้อมูลเสร็จสมบูรณ์"));
}
