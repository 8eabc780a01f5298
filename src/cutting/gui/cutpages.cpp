#include "cutting/gui/cutpages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

struct PageNames {
    Kind kind;
    const char* cut[3]; // by naming mode
    const char* result[3];
};

const PageNames kPages[] = {
    {Kind::h3, {"ตัดยอด3ตัวบน", "ตัดยอด3ตัวบน", "ตัดยอด3ตัวบน"}, {"ผล3ตัวบน", "ผล3ตัวบน", "ผล3ตัวบน"}},
    {Kind::t3, {"ตัดยอด3ตัวโต๊ด", "ตัดยอด3ตัวโต๊ด", "ตัดยอด3ตัวโต๊ด"}, {"ผล3ตัวโต๊ด", "ผล3ตัวโต๊ด", "ผล3ตัวโต๊ด"}},
    {Kind::l3, {"ตัดยอด3ตัวล่าง", "ตัดยอด3ตัวล่าง", "ตัดยอด3ตัวล่าง"}, {"ผล3ตัวล่าง", "ผล3ตัวล่าง", "ผล3ตัวล่าง"}},
    {Kind::h2, {"ตัดยอด2ตัวบน", "ตัดยอด2ตัวบน", "ตัดยอด2ตัวบน"}, {"ผล2บน", "ผล2บน", "ผล2บน"}},
    {Kind::l2, {"ตัดยอด2ตัวล่าง", "ตัดยอด2ตัวล่าง", "ตัดยอด2ตัวล่าง"}, {"ผล2ล่าง", "ผล2ล่าง", "ผล2ล่าง"}},
    {Kind::t2, {"ตัดยอดคู่โต๊ด", "ตัดยอดหัว2ตัว", "ตัดยอด2ตัวX"}, {"ผลคู่โต๊ด", "ผลหัว2ตัว", "ผล2ตัวX"}},
    {Kind::h1, {"ตัดยอดวิ่งบน", "ตัดยอดวิ่งบน", "ตัดยอดวิ่งบน"}, {"ผลวิ่งบน", "ผลวิ่งบน", "ผลวิ่งบน"}},
    {Kind::l1, {"ตัดยอดวิ่งล่าง", "ตัดยอดวิ่งล่าง", "ตัดยอดวิ่งล่าง"}, {"ผลวิ่งล่าง", "ผลวิ่งล่าง", "ผลวิ่งล่าง"}},
    {Kind::h4, {"ตัดยอดกลุ่ม4ตัว", "ตัดยอดหัว3ตัวโต๊ด", "ตัดยอดกลุ่ม4ตัว"}, {"ผล4ตัว", "ผล3ตัวโต๊ด", "ผลกลุ่ม4ตัว"}},
    {Kind::h5, {"ตัดยอดกลุ่ม5ตัว", "ตัดยอดหัว3ตัว", "ตัดยอดกลุ่ม5ตัว"}, {"ผล5ตัว", "ผลหัว3ตัว", "ผลกลุ่ม5ตัว"}},
};

const PageNames& namesOf(Kind kind) {
    for (const PageNames& names : kPages) {
        if (names.kind == kind)
            return names;
    }
    return kPages[0];
}

int modeIndex(int namingMode) {
    return namingMode == 1 || namingMode == 2 ? namingMode : 0;
}

QLabel* label(QWidget* parent, const char* name, const QString& text = QString()) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLineEdit* amountBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(QStringLiteral("0"), parent);
    box->setObjectName(QLatin1String(name));
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(160);
    return box;
}

QString whole(double value) {
    return analysis::figureText(value);
}

} // namespace

QString cutPageCaption(Kind kind, int namingMode) {
    return QString::fromUtf8(namesOf(kind).cut[modeIndex(namingMode)]);
}

QString resultPageCaption(Kind kind, int namingMode) {
    return QString::fromUtf8(namesOf(kind).result[modeIndex(namingMode)]);
}

CutPage::CutPage(Kind kind, CutVariant variant, QWidget* parent) : QWidget(parent), kind_(kind) {
    setObjectName(QStringLiteral("cut_") + kindCode(kind));
    auto* grid = new QGridLayout(this);
    lowest_ = label(this, "lowest");
    highest_ = label(this, "highest");
    average_ = label(this, "average");
    grid->addWidget(lowest_, 0, 0, 1, 2);
    grid->addWidget(highest_, 1, 0, 1, 2);
    grid->addWidget(average_, 2, 0, 1, 2);

    grid->addWidget(new QLabel(QStringLiteral("ป้อนจำนวนที่ต้องการเก็บ"), this), 3, 0);
    keep_ = amountBox(this, "keep");
    keep_->installEventFilter(this);
    grid->addWidget(keep_, 3, 1);
    QPushButton* cut = button(this, "cutButton", QStringLiteral("ตัดยอด"));
    connect(cut, &QPushButton::clicked, this, [this] { emit cutAsked(kind_); });
    connect(keep_, &QLineEdit::returnPressed, cut, &QPushButton::click);
    grid->addWidget(cut, 3, 2);
    int row = 4;

    if (variant == CutVariant::deductOut) {
        auto* choice = new QGroupBox(QStringLiteral("เลือกค่าที่ใช้ตัดยอด"), this);
        auto* inner = new QVBoxLayout(choice);
        auto* amount = new QRadioButton(QStringLiteral("ค่าจริง"), choice);
        amount->setObjectName(QStringLiteral("amount"));
        amount->setChecked(true);
        percent_ = new QRadioButton(QStringLiteral("ค่าเปอร์เซ็นต์"), choice);
        percent_->setObjectName(QStringLiteral("percent"));
        inner->addWidget(amount);
        inner->addWidget(percent_);
        grid->addWidget(choice, row++, 0, 1, 2);
        swap_ = new QCheckBox(QStringLiteral("สลับยอด"), this);
        swap_->setObjectName(QStringLiteral("swap"));
        grid->addWidget(swap_, row++, 0, 1, 2);
    }
    if (variant == CutVariant::trial && analysis::hasFight(kind)) {
        grid->addWidget(new QLabel(QStringLiteral("ใส่ทุนเพิ่ม"), this), row, 0);
        capital_ = amountBox(this, "capital");
        capital_->installEventFilter(this);
        grid->addWidget(capital_, row, 1);
        QPushButton* fight = button(this, "fight", QStringLiteral("คำนวณสู้"));
        connect(fight, &QPushButton::clicked, this, [this] { emit fightAsked(kind_); });
        grid->addWidget(fight, row++, 2);
        net_ = label(this, "net");
        rate_ = label(this, "rate");
        grid->addWidget(net_, row++, 0, 1, 3);
        grid->addWidget(rate_, row++, 0, 1, 3);
    }
    if (variant == CutVariant::trial && analysis::hasRounding(kind)) {
        rounding_ = new QCheckBox(QStringLiteral("ปัดเศษ"), this);
        rounding_->setObjectName(QStringLiteral("rounding"));
        grid->addWidget(rounding_, row, 0);
        roundingChoice_ = new QComboBox(this);
        roundingChoice_->setObjectName(QStringLiteral("roundingChoice"));
        roundingChoice_->setToolTip(QStringLiteral("เลือกค่าปัดเศษ"));
        roundingChoice_->addItems(analysis::roundingCaptions());
        roundingChoice_->setCurrentIndex(2); // 50-100
        grid->addWidget(roundingChoice_, row, 1);
        roundingStatus_ = label(this, "roundingStatus");
        grid->addWidget(roundingStatus_, row++, 2);
        sentGrid_ = new QTableWidget(0, 2, this);
        sentGrid_->setObjectName(QStringLiteral("sentGrid"));
        sentGrid_->setHorizontalHeaderLabels({QStringLiteral("เลข"), QStringLiteral("ยอดส่ง")});
        sentGrid_->horizontalHeader()->setStretchLastSection(true);
        sentGrid_->verticalHeader()->hide();
        sentGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        sentGrid_->setMinimumWidth(260);
        grid->addWidget(sentGrid_, 0, 4, row + 1, 1);
        connect(rounding_, &QCheckBox::toggled, this, &CutPage::roundingToggled);
        roundingToggled(false);
    }
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(3, 12);
}

bool CutPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            box->clear();
    }
    return QWidget::eventFilter(watched, event);
}

void CutPage::roundingToggled(bool on) {
    roundingChoice_->setVisible(on);
    sentGrid_->setVisible(on);
    roundingStatus_->setVisible(on);
}

void CutPage::showStatistics(const analysis::Statistics& statistics) {
    lowest_->setText(QStringLiteral("ยอดต่ำสุด=") + whole(statistics.lowest));
    highest_->setText(QStringLiteral("ยอดสูงสุด=") + whole(statistics.highest));
    average_->setText(QStringLiteral("ยอดเฉลี่ยต่อตัว=") + QString::number(statistics.average));
}

void CutPage::showRate(qint64 rate) {
    if (rate_)
        rate_->setText(QStringLiteral("อัตราจ่าย=") + QString::number(rate));
}

void CutPage::showNet(qint64 net) {
    if (net_)
        net_->setText(QStringLiteral("ยอดสุทธิหลังหักส่วนลด=") + whole(net));
}

void CutPage::setKeep(qint64 keep) {
    keep_->setText(QString::number(keep));
}

QString CutPage::keepText() const {
    return keep_->text().trimmed();
}

QString CutPage::capitalText() const {
    return capital_ ? capital_->text().trimmed() : QString();
}

analysis::Rounding CutPage::rounding() const {
    if (!rounding_ || !rounding_->isChecked())
        return analysis::Rounding::none;
    return static_cast<analysis::Rounding>(roundingChoice_->currentIndex() + 1);
}

void CutPage::showRoundingStatus(const QString& text) {
    if (roundingStatus_)
        roundingStatus_->setText(text);
}

void CutPage::showSent(const keptsent::Listing& sent) {
    if (!sentGrid_)
        return;
    sentGrid_->setRowCount(sent.lines.size());
    for (int row = 0; row < sent.lines.size(); ++row) {
        sentGrid_->setItem(row, 0, new QTableWidgetItem(sent.lines.at(row).num));
        auto* amount = new QTableWidgetItem(analysis::figureText(sent.lines.at(row).amount));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sentGrid_->setItem(row, 1, amount);
    }
}

bool CutPage::percent() const {
    return percent_ && percent_->isChecked();
}

bool CutPage::swap() const {
    return swap_ && swap_->isChecked();
}

ResultPage::ResultPage(Kind kind, CutVariant variant, QWidget* parent)
    : QWidget(parent), kind_(kind) {
    setObjectName(QStringLiteral("result_") + kindCode(kind));
    auto* layout = new QVBoxLayout(this);
    title_ = label(this, "title");
    QFont big = title_->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    title_->setFont(big);
    layout->addWidget(title_);
    largest_ = label(this, "largest");
    smallest_ = label(this, "smallest");
    kept_ = label(this, "kept");
    atLargest_ = label(this, "atLargest");
    atSmallest_ = label(this, "atSmallest");
    for (QLabel* l : {largest_, smallest_, kept_, atLargest_, atSmallest_}) {
        l->setWordWrap(true);
        layout->addWidget(l);
    }

    auto* buttons = new QHBoxLayout;
    QPushButton* kept = button(this, "showKept", QStringLiteral("แสดงยอดที่เก็บ"));
    QPushButton* sent = button(this, "showSent", QStringLiteral("แสดงยอดที่ส่ง"));
    QPushButton* halve = button(this, "halve", QStringLiteral("แบ่งยอดส่ง50%"));
    connect(kept, &QPushButton::clicked, this, [this] { emit keptAsked(kind_); });
    connect(sent, &QPushButton::clicked, this, [this] { emit sentAsked(kind_); });
    connect(halve, &QPushButton::clicked, this, [this] { emit halveAsked(kind_); });
    for (QPushButton* b : {kept, sent, halve})
        buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    byAmount_ = new QCheckBox(QStringLiteral("เรียงจำนวนจากมากไปน้อย"), this);
    byAmount_->setObjectName(QStringLiteral("byAmount"));
    layout->addWidget(byAmount_);
    if (variant == CutVariant::trial && analysis::hasSecondSent(kind)) {
        separate_ = new QCheckBox(QStringLiteral("แยกเลขอั้น"), this);
        separate_->setObjectName(QStringLiteral("separate"));
        layout->addWidget(separate_);
    }
    layout->addStretch(1);
}

void ResultPage::showResult(const analysis::Result& result) {
    title_->setText(result.title);
    largest_->setText(result.largest);
    smallest_->setText(result.smallest);
    kept_->setText(result.kept);
    auto paint = [](QLabel* l, const analysis::Outcome& outcome) {
        l->setText(outcome.text);
        l->setStyleSheet(outcome.kind == analysis::Outcome::profit ? QStringLiteral("color: green;")
                         : outcome.kind == analysis::Outcome::loss ? QStringLiteral("color: red;")
                                                                   : QString());
        l->setProperty("outcome", static_cast<int>(outcome.kind));
    };
    paint(atLargest_, result.atLargest);
    paint(atSmallest_, result.atSmallest);
}

bool ResultPage::byAmount() const {
    return byAmount_->isChecked();
}

bool ResultPage::separate() const {
    return separate_ && separate_->isChecked();
}
