#include "exchange/gui/tcreatelineform.h"

#include "common/desk.h"
#include "exchange/gui/exchangedesk.h"
#include "exchange/linetext.h"
#include "store/database.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

Tcreatelineform::Tcreatelineform(Desk& desk) : desk_(desk) {
    setObjectName(QStringLiteral("Tcreatelineform"));
    setWindowTitle(QStringLiteral("สร้างรหัสสำหรับส่งLine"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* grid = new QGridLayout(this);
    auto* heading = new QLabel(QStringLiteral("สร้างรหัสสำหรับส่งไปโปรแกรมLine"), this);
    heading->setStyleSheet(QStringLiteral("font-weight: bold; color: blue; font-size: 14pt;"));
    grid->addWidget(heading, 0, 0, 1, 2);
    grid_ = new DataGrid(QStringLiteral("DBGrid1"), DataGrid::none, this);
    grid_->setMinimumSize(420, 400);
    grid->addWidget(grid_, 1, 0, 6, 1);
    try {
        book_ = exchangedesk::openBets(desk);
        grid_->open(book_->handle(), QStringLiteral("tball"),
                    {{QStringLiteral("num"), QStringLiteral("เลข")},
                     {QStringLiteral("h"), QStringLiteral("บน")},
                     {QStringLiteral("t"), QStringLiteral("โต๊ด")},
                     {QStringLiteral("l"), QStringLiteral("ล่าง")},
                     {QStringLiteral("cus"), QStringLiteral("รหัส")},
                     {QStringLiteral("id"), QStringLiteral("ลำดับ")}},
                    QStringLiteral("id"));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    box_ = new QPlainTextEdit(this);
    box_->setObjectName(QStringLiteral("me1"));
    box_->setMinimumWidth(240);
    grid->addWidget(box_, 1, 1);
    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("g1"));
    grid->addWidget(gauge_, 2, 1);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("pg1"));
    grid->addWidget(bar_, 3, 1);
    auto* buttons = new QGridLayout;
    const struct {
        const char* name;
        const char* caption;
        void (Tcreatelineform::*slot)();
    } actions[] = {{"build", "สร้างรหัส", &Tcreatelineform::build},
                   {"selectAll", "เลือกทั้งหมด", &Tcreatelineform::selectAll},
                   {"copy", "Copy", &Tcreatelineform::copy},
                   {"saveTxt", "SaveTxt", &Tcreatelineform::saveText},
                   {"reset", "Reset", &Tcreatelineform::reset}};
    int column = 0;
    for (const auto& action : actions) {
        auto* b = new QPushButton(QString::fromUtf8(action.caption), this);
        b->setObjectName(QLatin1String(action.name));
        buttons->addWidget(b, column / 3, column % 3);
        ++column;
        connect(b, &QPushButton::clicked, this, action.slot);
    }
    grid->addLayout(buttons, 4, 1);
}

Tcreatelineform::~Tcreatelineform() {
    // The grid's model goes before the connection it reads.
    delete grid_;
}

int Tcreatelineform::lineCount() const {
    return linetext::linesOf(box_->toPlainText()).size();
}

void Tcreatelineform::build() {
    linetext::Codes codes;
    try {
        codes = linetext::codes(*exchangedesk::openBets(desk_), [this](int percent) {
            gauge_->setValue(percent);
            bar_->setValue(percent);
        });
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    box_->setPlainText(codes.lines.join(QLatin1Char('\n')));
    grid_->reselect(true);
    QString text = QStringLiteral("สร้างข้อมูลจำนวน ") + QString::number(codes.lines.size()) +
                   QStringLiteral(" บรรทัด  เรียบร้อย");
    if (codes.withoutCode > 0)
        text +=
            QStringLiteral("\n(%1 แถวไม่มีรูปแบบรหัส เช่น เลข2ตัวที่มีทั้งบนและโต๊ด)").arg(codes.withoutCode);
    Dialogs::info(this, text);
}

void Tcreatelineform::selectAll() {
    box_->selectAll();
    box_->setFocus();
}

void Tcreatelineform::copy() {
    selectAll();
    QApplication::clipboard()->setText(box_->toPlainText());
    Dialogs::info(this, QStringLiteral("Copyข้อมูลจำนวน ") + QString::number(lineCount()) +
                            QStringLiteral(" บรรทัด  เรียบร้อย"));
}

void Tcreatelineform::saveText() {
    exchangedesk::saveText(this, desk_, box_->toPlainText());
}

void Tcreatelineform::reset() {
    box_->clear();
    gauge_->setValue(0);
    bar_->setValue(0);
    grid_->view()->scrollToTop();
    grid_->view()->selectRow(0);
}
