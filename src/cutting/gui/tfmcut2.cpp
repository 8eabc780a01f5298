#include "cutting/gui/tfmcut2.h"

#include "common/desk.h"
#include "common/settings.h"
#include "cutting/cutlog.h"
#include "cutting/deductout.h"
#include "cutting/gui/tfmshowcut.h"
#include "printing/gui/reportpreview.h"
#include "store/database.h"
#include "store/kindcaptions.h"
#include "ui/choicebox.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

Tfmcut2::Tfmcut2(Desk& desk, Mode mode) : CutWindow(desk, CutVariant::deductOut), mode_(mode) {
    setObjectName(QStringLiteral("Tfmcut2"));
    setWindowTitle(QStringLiteral("ตัดยอดแบบหักออก"));
    auto* grid = new QGridLayout(mainPage());
    auto* prompt = new QLabel(QStringLiteral("เลือกรายการที่ต้องการ"), mainPage());
    grid->addWidget(prompt, 0, 0, 1, 2);
    kinds_ = choiceBox(mainPage(), "c1", false);
    kinds_->addItems(kindCaptions(namingMode(), listingOrder()));
    kinds_->setMinimumWidth(200);
    showChoiceText(kinds_, QStringLiteral("เลือกชนิดเลข"));
    grid->addWidget(kinds_, 1, 0);
    cuts_ = choiceBox(mainPage(), "c2", false);
    cuts_->setMinimumWidth(300);
    cuts_->setMaxVisibleItems(20);
    showChoiceText(cuts_, QStringLiteral("เลือกข้อมูล"));
    grid->addWidget(cuts_, 1, 1);
    auto* print = new QPushButton(QStringLiteral("แสดงยอด"), mainPage());
    print->setObjectName(QStringLiteral("print"));
    auto* restore = new QPushButton(QStringLiteral("เรียกคืนข้อมูล"), mainPage());
    restore->setObjectName(QStringLiteral("restore"));
    grid->addWidget(print, 2, 0);
    grid->addWidget(restore, 2, 1);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(2, 1);
    connect(kinds_, qOverload<int>(&QComboBox::currentIndexChanged), this, &Tfmcut2::fillCuts);
    connect(print, &QPushButton::clicked, this, &Tfmcut2::printChosen);
    connect(restore, &QPushButton::clicked, this, &Tfmcut2::restoreChosen);

    failed([this] { fiftyPercent_ = SettingsRecord(book()).fiftyPercent(); });
    if (mode == Mode::cut) {
        for (QWidget* w : std::initializer_list<QWidget*>{prompt, kinds_, cuts_, print, restore})
            w->hide();
        hideMainPage();
        showCutPage(Kind::h3);
        return;
    }
    showMainPageOnly();
    setHeaderText(QStringLiteral("ข้อมูลการตัดยอดแบบหักออกทั้งหมด"));
    if (mode == Mode::coloredLog) {
        setAttribute(Qt::WA_StyledBackground);
        setStyleSheet(QStringLiteral("#Tfmcut2 { background: #8fd18f; }"));
    }
}

Tfmcut2::~Tfmcut2() = default;

void Tfmcut2::fillCuts() {
    cuts_->clear();
    const int index = kinds_->currentIndex();
    if (index >= 0) {
        const Kind kind = listingOrder()[static_cast<size_t>(index)];
        failed([&] { cuts_->addItems(deductout::choices(book(), kind, namingMode())); });
    }
    showChoiceText(cuts_, QStringLiteral("เลือกข้อมูล"));
}

bool Tfmcut2::chosen(bool restoring, Kind* kind, int* cut) {
    if (kinds_->currentIndex() < 0) {
        Dialogs::info(this, deductout::noKindText());
        return false;
    }
    *kind = listingOrder()[static_cast<size_t>(kinds_->currentIndex())];
    int count = 0;
    if (failed([&] { count = deductout::counters(book())[static_cast<size_t>(*kind)]; }))
        return false;
    *cut = deductout::cutOfChoice(count, cuts_->currentIndex());
    if (*cut < 0) {
        Dialogs::info(this, deductout::noChoiceText(count, restoring));
        return false;
    }
    if (count == 0) {
        Dialogs::info(this, deductout::noCutsText());
        return false;
    }
    return true;
}

void Tfmcut2::printChosen() {
    Kind kind = Kind::h3;
    int cut = 0;
    if (!chosen(false, &kind, &cut))
        return;
    const int mode = namingMode();
    printing::ReportPreview::showRead(desk(), [=](Database& db) {
        const keptsent::Listing listing = deductout::logOf(db, kind, cut, mode);
        return printing::ReportPreview::Shown{
            listing.title, Tfmshowcut::report(listing, Tfmshowcut::acrossFor(kind))};
    });
}

void Tfmcut2::restoreChosen() {
    Kind kind = Kind::h3;
    int cut = 0;
    if (!chosen(true, &kind, &cut))
        return;
    const QString item = cuts_->currentText();
    if (!Dialogs::question(this, cutlog::takeBackQuestion(item))) {
        Dialogs::info(this, deductout::restoreCancelled());
        return;
    }
    if (failed([&] { deductout::restore(book(), kind, cut, namingMode()); }))
        return;
    desk().bookWritten(BookChange::takenBack);
    Dialogs::info(this, cutlog::takeBackDone(item));
    fillCuts();
}

void Tfmcut2::cut(Kind kind) {
    CutPage* page = cutPage(kind);
    const QString typed = page->keepText();
    const QString refused = deductout::valueRefusal(typed, page->percent());
    if (!refused.isEmpty()) {
        Dialogs::warning(this, refused);
        return;
    }
    deductout::Cut job;
    job.kind = kind;
    job.value = typed.toLongLong();
    job.percent = page->percent();
    job.swap = page->swap();
    job.fiftyPercent = fiftyPercent_;
    job.namingMode = namingMode();
    if (failed([&] { deductout::cutKind(book(), job); }))
        return;
    desk().bookWritten(BookChange::cut);
    readRates();
    const QString keep =
        QString::number(job.value) + (job.percent ? QStringLiteral("%") : QStringLiteral("บาท"));
    failed([&] {
        resultPage(kind)->showResult(analysis::result(analysis::keptFigures(book(), kind), kind,
                                                      rateOf(kind), std::nullopt, keep));
    });
    showResultPage(kind);
}

void Tfmcut2::halve(Kind kind) {
    if (failed([&] { analysis::halveSent(book(), kind, false); }))
        return;
    Dialogs::info(this, QStringLiteral("แบ่งยอดส่งเรียบร้อย"));
}
