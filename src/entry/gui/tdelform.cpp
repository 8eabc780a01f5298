#include "entry/gui/tdelform.h"

#include "common/desk.h"
#include "entry/gui/tfminput.h"
#include "maintenance/deletion.h"
#include "store/database.h"
#include "ui/copyfirst.h"
#include "ui/dialogs.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
bool stamped(const QString& stamp) {
    return !stamp.isEmpty() && stamp != QLatin1String("yy");
}
} // namespace

Tdelform::Tdelform(Desk& desk, Tfminput& form)
    : QWidget(&form, Qt::Tool), desk_(desk), form_(form) {
    setObjectName(QStringLiteral("Tdelform"));
    setWindowTitle(QStringLiteral("เมนูลบข้อมูล"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("เลือกข้อมูลเพื่อลบทั้งข้อมูลประมวลผลและข้อมูลสำรอง"), this);
    auto* choices = new QVBoxLayout(group);
    auto choice = [&](const char* name) {
        auto* button = new QRadioButton(group);
        button->setObjectName(QLatin1String(name));
        choices->addWidget(button);
        return button;
    };
    number_ = choice("r1");
    line_ = choice("r2");
    toEnd_ = choice("r3");
    range_ = choice("r4");
    number_->setChecked(true);
    layout->addWidget(group);
    delete_ = new QPushButton(QStringLiteral("ลบข้อมูล"), this);
    delete_->setObjectName(QStringLiteral("delete"));
    layout->addWidget(delete_);
    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("gu1"));
    gauge_->setRange(0, 100);
    layout->addWidget(gauge_);
    setMinimumWidth(480);

    connect(delete_, &QPushButton::clicked, this, &Tdelform::deletePicked);
    for (QRadioButton* button : {number_, line_, toEnd_, range_})
        connect(button, &QRadioButton::toggled, this, [this] { form_.markPicks(); });
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(300);
    connect(timer_, &QTimer::timeout, this, &Tdelform::onTimer1);
    timer_->start();
    onTimer1();
}

Tdelform::~Tdelform() = default;

void Tdelform::onTimer1() {
    const DeletePicks& picks = form_.deletePicks();
    number_->setText(QStringLiteral("ลบเฉพาะเลข") + picks.num);
    line_->setText(QStringLiteral("ลบเลขทั้งหมดที่ป้อนเวลา") + picks.stamp);
    // An unstamped row has no time to delete by.
    line_->setVisible(stamped(picks.stamp));
    if (!line_->isVisible() && line_->isChecked())
        number_->setChecked(true);
    toEnd_->setText(QStringLiteral("ลบข้อมูลที่เริ่มต้นจากเลข") + picks.num +
                    QStringLiteral("ถึงเลขสุดท้าย"));
    range_->setText(QStringLiteral("ลบข้อมูลที่เริ่มต้นจากเลข") + picks.firstNum +
                    QStringLiteral("ถึงเลข") + picks.lastNum);
    // A new pick after a deletion makes the button usable again.
    if (picks.any() &&
        (picks.id != shown_.id || picks.first != shown_.first || picks.last != shown_.last))
        delete_->setEnabled(true);
    shown_ = picks;
}

bool Tdelform::marks(qint64 id, const QString& stamp) const {
    const DeletePicks& picks = form_.deletePicks();
    if (!picks.any())
        return false;
    if (range_->isChecked() && picks.range())
        return id >= qMin(picks.first, picks.last) && id <= qMax(picks.first, picks.last);
    if (line_->isChecked())
        return stamped(picks.stamp) && stamp == picks.stamp;
    if (toEnd_->isChecked())
        return id >= picks.id && id <= picks.gridLast;
    return id == picks.id;
}

bool Tdelform::run(const std::function<int()>& deletion) {
    gauge_->setValue(10);
    if (!copyBeforeWork(desk_, this, QStringLiteral("D"), QStringLiteral("ลบข้อมูล"))) {
        gauge_->setValue(0);
        return false;
    }
    gauge_->setValue(50);
    try {
        deletion();
    } catch (const StoreError& error) {
        gauge_->setValue(0);
        Dialogs::warning(this, error.message());
        return false;
    }
    gauge_->setValue(100);
    return true;
}

void Tdelform::deletePicked() {
    onTimer1();
    const DeletePicks picks = form_.deletePicks();
    if (!picks.any() || (range_->isChecked() && !picks.range())) {
        Dialogs::info(this, QStringLiteral("กรุณาเลือกข้อมูลที่ต้องการลบ"));
        return;
    }
    Database& bets = form_.bets();
    // Said once the form shows the book after the deletion.
    QString said;
    if (number_->isChecked()) {
        if (!Dialogs::question(this, QStringLiteral("คุณจะลบเลข") + picks.num +
                                         QStringLiteral("หรือไม่ ?"))) {
            Dialogs::info(this, QStringLiteral("ยกเลิกการลบเลข") + picks.num);
        } else if (run([&] {
                       return deletion::numberOfLine(bets, picks.id, picks.num, picks.kind,
                                                     picks.stamp);
                   })) {
            said = QStringLiteral("ลบเลข") + picks.num + QStringLiteral("เรียบร้อย");
        }
    } else if (line_->isChecked()) {
        if (!Dialogs::question(this, QStringLiteral("คุณจะลบข้อมูลเลขที่ป้อนเวลา") + picks.stamp +
                                         QStringLiteral("หรือไม่ ?"))) {
            Dialogs::info(this, QStringLiteral("ยกเลิกการลบข้อมูลเลขที่ป้อนเวลา") + picks.stamp);
        } else if (run([&] { return deletion::wholeLine(bets, picks.id, picks.stamp); })) {
            said = QStringLiteral("ลบข้อมูลเรียบร้อย");
        }
    } else if (toEnd_->isChecked()) {
        if (!Dialogs::question(this, QStringLiteral("คุณจะลบข้อมูลการป้อนที่เริ่มจากเลข") + picks.num +
                                         QStringLiteral("หรือไม่ ?"))) {
            Dialogs::info(this, QStringLiteral("ยกเลิกการลบข้อมูลการป้อนที่เริ่มจากเลข") + picks.num);
            // A station's entered lines are its own record of what it sent.
        } else if (run([&] {
                       return deletion::rows(bets, picks.id, qMax(picks.id, picks.gridLast),
                                             !desk_.run().isStation());
                   })) {
            said = QStringLiteral("ลบข้อมูลเรียบร้อย");
        }
    } else {
        qint64 count = 0;
        try {
            count = bets.scalar(QStringLiteral("SELECT count(*) FROM tball WHERE id BETWEEN ? AND ?"),
                                {qMin(picks.first, picks.last), qMax(picks.first, picks.last)})
                        .toLongLong();
        } catch (const StoreError& error) {
            Dialogs::warning(this, error.message());
            return;
        }
        const QString rows = QStringLiteral("ลบข้อมูลการป้อนที่เริ่มจากเลข") + picks.firstNum +
                             QStringLiteral("ถึงเลข") + picks.lastNum + QStringLiteral("จำนวน") +
                             QString::number(count) + QStringLiteral("ข้อมูล");
        if (!Dialogs::question(this, QStringLiteral("คุณจะ") + rows + QStringLiteral("หรือไม่ ?"))) {
            Dialogs::info(this, QStringLiteral("ยกเลิกการลบข้อมูลการป้อนที่เริ่มจากเลข") +
                                    picks.firstNum);
        } else if (run([&] { return deletion::rows(bets, picks.first, picks.last, true); })) {
            said = rows + QStringLiteral("เรียบร้อย");
        }
    }
    done();
    if (!said.isEmpty())
        Dialogs::info(this, said);
}

void Tdelform::done() {
    form_.forgetPicks();
    shown_ = form_.deletePicks();
    delete_->setEnabled(false);
    gauge_->setValue(0);
    desk_.bookWritten(BookChange::deleted);
}

void Tdelform::closeEvent(QCloseEvent* event) {
    form_.deleteDialogClosed();
    QWidget::closeEvent(event);
}
