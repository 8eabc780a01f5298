#include "cutting/gui/tfmcut.h"

#include "common/desk.h"
#include "common/settings.h"
#include "store/database.h"
#include "store/kindcaptions.h"
#include "store/kindrow.h"
#include "ui/dialogs.h"
#include "ui/kindvalueform.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The discount percents of change3, saved one kind at a time.
class DiscountForm : public KindValueForm {
public:
    DiscountForm(Desk& desk, QWidget* parent)
        : KindValueForm(QStringLiteral("change3"), desk.openShared(), desk.run().kindNamingMode,
                        kindCaptions(desk.run().kindNamingMode), parent) {
        setObjectName(QStringLiteral("percents"));
        setAttribute(Qt::WA_DeleteOnClose, false);
        setValueText(QStringLiteral("20"));
    }

protected:
    void saved() override { Dialogs::info(this, QStringLiteral("บันทึกค่าเรียบร้อย")); }
};

// A whole amount typed into a box, or the message why not.
bool wholeTyped(QWidget* parent, const QString& typed, qint64* value) {
    const QString refused = kindrow::refusal(typed);
    if (!refused.isEmpty()) {
        Dialogs::warning(parent, refused);
        return false;
    }
    *value = typed.toLongLong();
    return true;
}

QString noRateText(Kind kind, int namingMode) {
    return QStringLiteral("อัตราจ่ายของ") + kindCaption(kind, namingMode) +
           QStringLiteral("เป็น 0 กรุณาตั้งอัตราการจ่ายก่อน");
}

} // namespace

Tfmcut::Tfmcut(Desk& desk) : CutWindow(desk, CutVariant::trial) {
    setObjectName(QStringLiteral("Tfmcut"));
    setWindowTitle(QStringLiteral("หน้าตัดยอดและวิเคราะห์"));
    auto* layout = new QVBoxLayout(mainPage());
    percents_ = new DiscountForm(desk, mainPage());
    layout->addWidget(percents_);
    for (const char* hint : {"ควรตั้งค่า%ส่วนลดก่อนการวิเคราะห์", "เพื่อให้ผลการวิเคราะห์ผิดพลาดน้อยที่สุด",
                             "หรือใช้ค่า%เฉลี่ยจากข้อมูลลูกค้า"}) {
        auto* label = new QLabel(QString::fromUtf8(hint), mainPage());
        label->setStyleSheet(QStringLiteral("color: blue;"));
        layout->addWidget(label);
    }
    auto* averages = new QPushButton(QStringLiteral("ใช้ค่า%เฉลี่ยจากข้อมูลลูกค้า"), mainPage());
    averages->setObjectName(QStringLiteral("averages"));
    connect(averages, &QPushButton::clicked, this, &Tfmcut::useCustomerAverages);
    layout->addWidget(averages, 0, Qt::AlignLeft);
    layout->addStretch(1);

    for (Kind kind : listingOrder())
        connect(cutPage(kind), &CutPage::fightAsked, this, &Tfmcut::fight);
    failed([this] { fiftyPercent_ = SettingsRecord(book()).fiftyPercent(); });
}

Tfmcut::~Tfmcut() = default;

void Tfmcut::useCustomerAverages() {
    std::array<qint64, kKindCount> averages{};
    if (failed([&] { averages = analysis::useCustomerAverages(book()); }))
        return;
    QStringList lines;
    for (Kind kind : columnOrder())
        lines << kindCaption(kind, namingMode()) + QLatin1Char('=') +
                     QString::number(averages[static_cast<size_t>(kind)]);
    percents_->onRefreshTick();
    Dialogs::info(this, lines.join(QLatin1Char('\n')));
}

void Tfmcut::fight(Kind kind) {
    CutPage* page = cutPage(kind);
    qint64 capital = 0;
    if (!wholeTyped(this, page->capitalText(), &capital))
        return;
    readRates();
    failed([&] {
        const double sum = analysis::kindSum(book(), kind);
        const qint64 discount = analysis::discountPercents(book())[static_cast<size_t>(kind)];
        const std::optional<analysis::Fight> fight =
            analysis::fight(sum, discount, capital, rateOf(kind));
        page->showRate(rateOf(kind));
        if (!fight) {
            Dialogs::warning(this, noRateText(kind, namingMode()));
            return;
        }
        page->showNet(fight->net);
        page->setKeep(fight->keep);
    });
}

void Tfmcut::cut(Kind kind) {
    CutPage* page = cutPage(kind);
    analysis::TrialCut job;
    job.kind = kind;
    if (!wholeTyped(this, page->keepText(), &job.keep))
        return;
    job.rounding = page->rounding();
    job.fiftyPercent = fiftyPercent_;
    page->showRoundingStatus(analysis::roundingText(job.rounding));
    readRates();
    const bool failure = failed([&] {
        analysis::trialCut(book(), job);
        page->showSent(keptsent::read(book(), kind, keptsent::Part::sent, false, namingMode()));
        const qint64 discount = analysis::discountPercents(book())[static_cast<size_t>(kind)];
        resultPage(kind)->showResult(
            analysis::result(analysis::keptFigures(book(), kind), kind, rateOf(kind), discount,
                             QString::number(job.keep) + QStringLiteral("บาท")));
    });
    if (!failure)
        showResultPage(kind);
}

void Tfmcut::halve(Kind kind) {
    if (failed([&] { analysis::halveSent(book(), kind, true); }))
        return;
    Dialogs::info(this, QStringLiteral("แบ่งยอดส่งเรียบร้อย"));
}
