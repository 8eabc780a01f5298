#include "settlement/gui/tcheck.h"

#include "common/desk.h"
#include "platform/platform.h"
#include "settlement/gui/drawboxes.h"
#include "settlement/gui/winnersreport.h"
#include "settlement/winnersbook.h"
#include "store/database.h"
#include "store/kindcaptions.h"
#include "ui/choicebox.h"
#include "ui/dialogs.h"
#include "ui/subwindow.h"
#include "ui/workbookfile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

// The rows' captions before a check.
QString rowCaption(Kind kind, int mode) {
    switch (kind) {
    case Kind::t2:
        return mode == 1   ? QStringLiteral("หัว2ตัว")
               : mode == 2 ? QStringLiteral("2ตัวx")
                           : QStringLiteral("คู่โต๊ด");
    case Kind::h4:
        return mode == 1 ? QStringLiteral("หัว3ตัวโต๊ด") : QStringLiteral("กลุ่ม4ตัว");
    case Kind::h5:
        return mode == 1 ? QStringLiteral("หัว3ตัว") : QStringLiteral("กลุ่ม5ตัว");
    default:
        return QString::fromUtf8(kindInfo(kind).caption);
    }
}

QLineEdit* box(QWidget* parent, int number, bool readOnly) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("Edit%1").arg(number));
    edit->setReadOnly(readOnly);
    edit->setAlignment(Qt::AlignRight);
    edit->setMinimumWidth(110);
    return edit;
}

const char kTotalCaption[] = "สรุปผลรวม";

} // namespace

Tcheck::Tcheck(Desk& desk)
    : desk_(desk), book_(desk.openShared()), mode_(desk.run().kindNamingMode) {
    setObjectName(QStringLiteral("Tcheck"));
    setWindowTitle(QStringLiteral("หน้าตรวจรางวัล"));
    auto* grid = new QGridLayout(this);
    auto* title = new QLabel(QStringLiteral("ตรวจรางวัล(ประมวลผลตามยอดที่เก็บ)"), this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    title->setFont(big);
    grid->addWidget(title, 0, 0, 1, 6);

    draw_ = new DrawBoxes(this);
    grid->addWidget(draw_, 1, 0, 1, 6);

    const int head = 5;
    grid->addWidget(new QLabel(QStringLiteral("%ส่วนลด"), this), head, 1);
    grid->addWidget(new QLabel(QStringLiteral("ยอดที่เก็บ"), this), head, 2);
    grid->addWidget(new QLabel(QStringLiteral("ยอดที่จ่าย"), this), head, 3);
    grid->addWidget(new QLabel(QStringLiteral("สรุป"), this), head, 4);
    for (int row = 0; row < kKindCount; ++row) {
        const size_t r = static_cast<size_t>(row);
        const Kind kind = prizecheck::rowOrder()[r];
        captions_[r] = new QLabel(rowCaption(kind, mode_), this);
        captions_[r]->setObjectName(QStringLiteral("caption%1").arg(row + 1));
        captions_[r]->setMinimumWidth(260);
        percents_[r] = box(this, 7 + row, false);
        percents_[r]->setMinimumWidth(60);
        kept_[r] = box(this, 17 + row, true);
        paid_[r] = box(this, 27 + row, true);
        net_[r] = box(this, 37 + row, true);
        grid->addWidget(captions_[r], head + 1 + row, 0);
        grid->addWidget(percents_[r], head + 1 + row, 1);
        grid->addWidget(kept_[r], head + 1 + row, 2);
        grid->addWidget(paid_[r], head + 1 + row, 3);
        grid->addWidget(net_[r], head + 1 + row, 4);
    }
    const int foot = head + 1 + kKindCount;
    totalCaption_ = new QLabel(QString::fromUtf8(kTotalCaption), this);
    totalCaption_->setObjectName(QStringLiteral("totalCaption"));
    totalCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(totalCaption_, foot, 3);
    total_ = box(this, 47, true);
    grid->addWidget(total_, foot, 4);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("progress"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    grid->addWidget(bar_, foot + 1, 0, 1, 5);

    // The commands on the right.
    auto button = [&](const char* name, const QString& caption, int row, void (Tcheck::*slot)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, slot);
        grid->addWidget(b, row, 5);
        return b;
    };
    check_ = button("check", QStringLiteral("ตรวจรางวัล"), head + 1, &Tcheck::startCheck);
    button("average", QStringLiteral("หาค่า%ส่วนลดแบบเฉลี่ย"), head + 2, &Tcheck::fillAveragePercents);
    button("keepAll", QStringLiteral("ตัดยอดปัจจุบันเก็บทั้งหมด"), head + 3, &Tcheck::keepAllCurrent);
    auto* byName = new QLabel(QStringLiteral("ตรวจรางวัลแยกตามชื่อ"), this);
    grid->addWidget(byName, head + 5, 5);
    winners_ = choiceBox(this, "c1", false);
    winners_->addItem(QStringLiteral("ตรวจแบบรวมโดยExcel"));
    for (Kind kind : prizecheck::rowOrder())
        winners_->addItem(QString::fromUtf8(kindInfo(kind).caption));
    winners_->setMaxVisibleItems(11);
    showChoiceText(winners_, QStringLiteral("เลือกชนิดข้อมูล"));
    connect(winners_, qOverload<int>(&QComboBox::activated), this, &Tcheck::showWinners);
    grid->addWidget(winners_, head + 6, 5);
    // Naming modes 1 and 2 have no winners by customer here.
    byName->setVisible(mode_ == 0);
    winners_->setVisible(mode_ == 0);
    button("accounts", QStringLiteral("สรุปบัญชีรายชื่อ"), head + 8, &Tcheck::openAccounts);
    grid->setColumnStretch(6, 1);
    grid->setRowStretch(foot + 2, 1);

    draw_->load(*book_);
    const auto percents = prizecheck::storedPercents(*book_);
    for (int row = 0; row < kKindCount; ++row)
        percents_[static_cast<size_t>(row)]->setText(percents[static_cast<size_t>(row)]);

    tick_ = new QTimer(this);
    tick_->setObjectName(QStringLiteral("Timer1"));
    tick_->setSingleShot(true);
    tick_->setInterval(1000);
    connect(tick_, &QTimer::timeout, this, &Tcheck::runCheck);
    close_ = new QTimer(this);
    close_->setObjectName(QStringLiteral("Timer2"));
    close_->setSingleShot(true);
    close_->setInterval(500 * 1000);
    connect(close_, &QTimer::timeout, this, &Tcheck::onCloseTimer);
    close_->start();
    // The check by customer ends this window with it. Its draw was stored last and is the one
    // kept, so this window takes it up before storing its own boxes on closing.
    connect(
        &desk_, &Desk::checkByCustomerDone, this,
        [this] {
            draw_->load(*book_);
            closeWithFrame(this);
        },
        Qt::QueuedConnection);
}

Tcheck::~Tcheck() = default;

Draw Tcheck::typedDraw() const {
    return draw_->draw();
}

void Tcheck::clearResults() {
    for (int row = 0; row < kKindCount; ++row) {
        const size_t r = static_cast<size_t>(row);
        captions_[r]->clear();
        kept_[r]->clear();
        paid_[r]->clear();
        net_[r]->clear();
    }
    total_->clear();
}

void Tcheck::showKindCaptions() {
    for (int row = 0; row < kKindCount; ++row) {
        const size_t r = static_cast<size_t>(row);
        captions_[r]->setText(rowCaption(prizecheck::rowOrder()[r], mode_));
    }
}

void Tcheck::startCheck() {
    // A refused percent or first prize leaves the window as it was.
    std::array<qint64, kKindCount> percents{};
    if (!readPercents(&percents) || !draw_->takeFirst())
        return;
    check_->setEnabled(false);
    clearResults();
    bar_->setValue(0);
    tick_->start();
}

bool Tcheck::readPercents(std::array<qint64, kKindCount>* percents) {
    for (int row = 0; row < kKindCount; ++row) {
        const size_t r = static_cast<size_t>(row);
        const prizecheck::Percent percent = prizecheck::percentOf(percents_[r]->text());
        if (!percent.fault.isEmpty()) {
            Dialogs::warning(this, QStringLiteral("%ส่วนลดของ") +
                                       rowCaption(prizecheck::rowOrder()[r], mode_) +
                                       percent.fault);
            percents_[r]->setFocus();
            percents_[r]->selectAll();
            return false;
        }
        (*percents)[r] = percent.value;
    }
    return true;
}

void Tcheck::runCheck() {
    tick_->stop();
    std::array<qint64, kKindCount> percents{};
    // A box changed while the check waited for its tick.
    if (!readPercents(&percents) || !draw_->takeFirst()) {
        showKindCaptions();
        check_->setEnabled(true);
        return;
    }
    try {
        const Draw draw = typedDraw();
        {
            Transaction write(*book_);
            prizecheck::storePercents(*book_, percents);
            drawstore::store(*book_, draw);
            write.commit();
        }
        bar_->setValue(30);
        showResult(prizecheck::check(*book_, draw, percents, mode_));
        bar_->setValue(100);
        Platform::instance().beep();
    } catch (const StoreError& error) {
        showKindCaptions();
        Dialogs::warning(this, error.message());
    }
    check_->setEnabled(true);
}

void Tcheck::showResult(const prizecheck::Result& result) {
    for (int row = 0; row < kKindCount; ++row) {
        const size_t r = static_cast<size_t>(row);
        const prizecheck::KindResult& k = result.rows[r];
        captions_[r]->setText(k.caption);
        kept_[r]->setText(QString::number(k.kept));
        paid_[r]->setText(QString::number(k.paid));
        net_[r]->setText(QString::number(k.net));
    }
    total_->setText(QString::number(result.total));
    const QString caption = result.totalCaption();
    if (!caption.isEmpty())
        totalCaption_->setText(caption);
}

void Tcheck::fillAveragePercents() {
    try {
        const auto averages = prizecheck::averagePercents(*book_);
        for (int row = 0; row < kKindCount; ++row)
            percents_[static_cast<size_t>(row)]->setText(averages[static_cast<size_t>(row)]);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

void Tcheck::keepAllCurrent() {
    try {
        prizecheck::keepAllCurrent(*book_);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

void Tcheck::showWinners(int item) {
    if (item < 0 || item > kKindCount)
        return;
    const Draw draw = typedDraw();
    if (item == 0) {
        std::optional<workbook::Book> book;
        try {
            book = winnersbook::build(*book_, draw, mode_);
        } catch (const StoreError& error) {
            Dialogs::warning(this, error.message());
            return;
        }
        workbookfile::saveAndOpen(this, desk_.run().programFolder + QStringLiteral("excel"), *book);
        return;
    }
    const Kind kind = prizecheck::rowOrder()[static_cast<size_t>(item - 1)];
    winnersreport::show(desk_, *book_, kind, winning::ruleOf(kind, mode_, draw));
}

void Tcheck::openAccounts() {
    desk_.checkByCustomerAsked();
}

void Tcheck::closeEvent(QCloseEvent* event) {
    draw_->store(*book_);
    QWidget::closeEvent(event);
}

void Tcheck::onCloseTimer() {
    // Closing under an open message box would pull the box away from its caller.
    if (QApplication::activeModalWidget()) {
        close_->start(1000);
        return;
    }
    closeWithFrame(this);
}
