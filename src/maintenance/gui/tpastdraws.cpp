#include "maintenance/gui/tpastdraws.h"

#include "common/desk.h"
#include "common/drawdate.h"
#include "common/settings.h"
#include "printing/layout.h"
#include "store/database.h"
#include "ui/dialogs.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QString netText(const archive::Summary& s) {
    if (!s.net)
        return QStringLiteral("ยังไม่ได้ตรวจ");
    if (*s.net == 0)
        return QStringLiteral("เท่าทุน");
    return (*s.net > 0 ? QStringLiteral("กำไร ") : QStringLiteral("ขาดทุน ")) +
           printing::amountText(static_cast<double>(qAbs(*s.net)));
}

QTableWidgetItem* cell(const QString& text, bool number = false) {
    auto* item = new QTableWidgetItem(text);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}
} // namespace

Tpastdraws::Tpastdraws(Desk& desk, QVector<PastDrawView> views)
    : desk_(desk), views_(std::move(views)) {
    setObjectName(QStringLiteral("Tpastdraws"));
    setWindowTitle(QStringLiteral("งวดที่ผ่านมา"));
    auto* layout = new QVBoxLayout(this);

    list_ = new QTableWidget(0, 8, this);
    list_->setObjectName(QStringLiteral("draws"));
    list_->setHorizontalHeaderLabels({QStringLiteral("วันที่งวด"), QStringLiteral("เก็บเมื่อ"),
                                      QStringLiteral("บรรทัด"), QStringLiteral("รายการ"),
                                      QStringLiteral("ยอดรวม"), QStringLiteral("ยอดเก็บ"),
                                      QStringLiteral("ยอดส่ง"), QStringLiteral("ผลตรวจรางวัล")});
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setMinimumSize(860, 220);
    layout->addWidget(list_, 1);

    open_ = new QPushButton(QStringLiteral("เปิดดูงวดนี้"), this);
    open_->setObjectName(QStringLiteral("open"));
    layout->addWidget(open_, 0, Qt::AlignLeft);

    banner_ = new QLabel(QStringLiteral("เลือกงวดแล้วกด เปิดดูงวดนี้"), this);
    banner_->setObjectName(QStringLiteral("banner"));
    banner_->setAlignment(Qt::AlignCenter);
    banner_->setWordWrap(true);
    layout->addWidget(banner_);

    auto* group = new QGroupBox(QStringLiteral("แสดงยอดของงวดที่เลือก"), this);
    auto* grid = new QGridLayout(group);
    const int perRow = 6;
    for (int i = 0; i < views_.size(); ++i) {
        auto* button = new QPushButton(views_[i].caption, group);
        button->setObjectName(QStringLiteral("view%1").arg(i));
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this, [this, i] { openView(i); });
        grid->addWidget(button, i / perRow, i % perRow);
        buttons_ << button;
    }
    layout->addWidget(group);

    connect(open_, &QPushButton::clicked, this, &Tpastdraws::openChosen);
    connect(list_, &QTableWidget::cellDoubleClicked, this, &Tpastdraws::openChosen);
    reload();
}

Tpastdraws::~Tpastdraws() = default;

void Tpastdraws::reload() {
    entries_ = archive::list(desk_.run().programFolder);
    list_->setRowCount(entries_.size());
    for (int row = 0; row < entries_.size(); ++row) {
        const archive::Entry& e = entries_[row];
        const archive::Summary& s = e.summary;
        list_->setItem(row, 0, cell(drawdate::thaiShort(s.drawDate)));
        list_->setItem(row, 1, cell(s.savedAt));
        if (!e.problem.isEmpty()) {
            list_->setItem(row, 2, cell(QStringLiteral("อ่านไม่ได้: ") + e.problem));
            list_->setSpan(row, 2, 1, 6);
            continue;
        }
        list_->setItem(row, 2, cell(QString::number(s.lines), true));
        list_->setItem(row, 3, cell(QString::number(s.records), true));
        list_->setItem(row, 4, cell(printing::amountText(s.stakes), true));
        list_->setItem(row, 5, cell(printing::amountText(s.kept), true));
        list_->setItem(row, 6, cell(printing::amountText(s.sent), true));
        list_->setItem(row, 7, cell(netText(s), true));
    }
    if (entries_.isEmpty()) {
        banner_->setText(QStringLiteral("ยังไม่มีงวดที่เก็บไว้ งวดจะถูกเก็บเมื่อสั่ง ลบข้อมูลทั้งหมดเพื่อเริ่มใหม่"));
    } else if (list_->currentRow() < 0) {
        list_->selectRow(0);
    }
    open_->setEnabled(!entries_.isEmpty());
}

void Tpastdraws::openChosen() {
    const int row = list_->currentRow();
    if (row < 0 || row >= entries_.size())
        return;
    const archive::Entry& entry = entries_[row];
    RunValues run = desk_.run();
    run.archive = entry.file;
    run.sharedPath = entry.file;
    run.archiveBanner = archive::banner(entry.summary);
    run.archiveTitle = archive::title(entry.summary);
    try {
        // The draw is shown with the kind names it was kept with.
        run.kindNamingMode = SettingsRecord(*archive::open(entry.file)).kindNamingMode();
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    draw_ = std::make_shared<Desk>(run);
    // Its previews step the main window aside as any other.
    connect(draw_.get(), &Desk::previewShown, &desk_, [&desk = desk_](bool shown) {
        shown ? desk.previewOpened() : desk.previewClosed();
    });
    shown_ = entry.summary;
    banner_->setText(run.archiveBanner);
    banner_->setStyleSheet(QStringLiteral("background: #ffe45c; color: #b00000; font-weight: bold; "
                                          "padding: 4px;"));
    for (int i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setEnabled(!views_[i].needsCheck || shown_.net.has_value());
}

void Tpastdraws::openView(int index) {
    if (!draw_ || index < 0 || index >= views_.size())
        return;
    views_[index].open(draw_);
}
