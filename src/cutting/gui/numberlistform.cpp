#include "cutting/gui/numberlistform.h"

#include "common/desk.h"
#include "common/digits.h"
#include "common/settings.h"
#include "cutting/numberlimits.h"
#include "store/amounts.h"
#include "store/database.h"
#include "store/location.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

namespace {
// Title of each grid's number column.
struct GridTitle {
    Kind kind;
    const char* title;
};
const GridTitle kGridTitles[] = {
    {Kind::h3, "เลข3ตัวบน"}, {Kind::t3, "เลข3ตัวโต๊ด"}, {Kind::l3, "เลข3ตัวล่าง"},
    {Kind::h2, "เลข2ตัวบน"}, {Kind::l2, "เลข2ตัวล่าง"}, {Kind::t2, "เลข2ตัวโต๊ด"},
    {Kind::h1, "วิ่งบน"},     {Kind::l1, "วิ่งล่าง"},
};
// In head naming the t2 list holds three head digits.
const char kHeadTitle[] = "หัว3ตัว";
constexpr int kGridColumns = 4;

QLabel* caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QComboBox* chooser(const char* name, const QString& placeholder, const QStringList& items,
                   QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(placeholder);
    box->addItems(items);
    box->setPlaceholderText(placeholder);
    box->setCurrentIndex(-1);
    return box;
}

// An amount stored in a list: a number of at least 0 that the book can hold.
bool isAmount(const QVariant& value) {
    bool ok = false;
    const double amount = value.toString().trimmed().toDouble(&ok);
    return ok && inAmountRange(amount) && amount >= 0;
}
} // namespace

NumberListForm::NumberListForm(Desk& desk, NumberList list, const Texts& texts)
    : desk_(desk), list_(list), texts_(texts) {
    setObjectName(QString::fromLatin1(texts.objectName));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(texts.title));
    try {
        db_ = desk.openOwn();
        namingMode_ = SettingsRecord(*db_).kindNamingMode();
    } catch (const StoreError& error) {
        db_.reset();
        namingMode_ = desk.run().kindNamingMode;
        Dialogs::warning(this, error.message());
    }
}

NumberListForm::~NumberListForm() {
    // The grids' models use the connection; they go before it closes.
    for (DataGrid* grid : std::as_const(grids_))
        delete grid;
    grids_.clear();
}

void NumberListForm::build() {
    auto* gridArea = new QGridLayout;
    gridArea->setSpacing(8);
    const QVector<Kind> shown = shownKinds();
    int place = 0;
    for (Kind kind : limitKinds()) {
        QWidget* box = buildGrid(kind);
        gridArea->addWidget(box, place / kGridColumns, place % kGridColumns);
        box->setVisible(shown.contains(kind));
        ++place;
    }

    auto* sidePanel = new QWidget(this);
    sidePanel->setFixedWidth(330);
    auto* side = new QVBoxLayout(sidePanel);
    side->setContentsMargins(0, 0, 0, 0);
    side->setSpacing(10);
    side->addWidget(buildEntry());
    side->addWidget(buildBulk());
    auto* switches = new QVBoxLayout;
    addSwitches(switches);
    side->addLayout(switches);
    bt2_ = new QPushButton(QStringLiteral("โหลดข้อมูลจากServer"), sidePanel);
    bt2_->setObjectName(QStringLiteral("bt2"));
    connect(bt2_, &QPushButton::clicked, this, &NumberListForm::copyFromServer);
    side->addWidget(bt2_);
    // Only a station has a server to copy from.
    bt2_->setVisible(desk_.run().isStation());
    auto* all = new QPushButton(QStringLiteral("ลบข้อมูลทั้งหมด"), sidePanel);
    all->setObjectName(QStringLiteral("delall"));
    connect(all, &QPushButton::clicked, this, &NumberListForm::deleteAll);
    side->addWidget(all);
    side->addStretch();

    // A fixed-size content, centred when the area shows the window maximised.
    auto* content = new QWidget(this);
    auto* across = new QHBoxLayout(content);
    across->setContentsMargins(12, 12, 12, 12);
    across->setSpacing(14);
    across->addLayout(gridArea);
    across->addWidget(sidePanel);
    content->setFixedSize(content->sizeHint());
    auto* outer = new QGridLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(content, 0, 0, Qt::AlignCenter);
}

QWidget* NumberListForm::buildGrid(Kind kind) {
    const QString code = kindCode(kind);
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("box") + code);
    // The navigator of eight narrow grids needs small buttons.
    box->setStyleSheet(QStringLiteral("QPushButton { padding: 2px 4px; }"));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    const QString name = QStringLiteral("grid") + code;
    auto* grid = new DataGrid(name, DataGrid::withInsertDelete, box);
    grid->view()->setFixedSize(200, 230);
    grid->view()->horizontalHeader()->setStretchLastSection(true);
    // Insert, delete, post and cancel are enough for a short list; the table scrolls itself.
    for (const char* button : {"first", "prior", "next", "last", "edit"}) {
        const QString buttonName = name + QLatin1Char('_') + QLatin1String(button);
        if (auto* found = grid->findChild<QPushButton*>(buttonName))
            found->hide();
    }
    grids_.insert(kind, grid);
    if (db_) {
        grid->open(db_->handle(), listTable(list_),
                   {{QStringLiteral("num"), gridTitle(kind)},
                    {QStringLiteral("h"), QStringLiteral("จำนวน")}},
                   QStringLiteral("id"));
        // A row added in the grid belongs to the grid's kind and starts at 0.
        connect(grid->model(), &QSqlTableModel::primeInsert, grid, [code](int, QSqlRecord& record) {
            record.setValue(QStringLiteral("codeins"), code);
            record.setGenerated(QStringLiteral("codeins"), true);
            record.setValue(QStringLiteral("h"), 0);
            record.setGenerated(QStringLiteral("h"), true);
        });
        grid->setPostCheck([this, kind] { return checkEdits(kind); });
        grid->setFilter(QStringLiteral("codeins = '%1'").arg(code));
        grid->goLast();
    }
    layout->addWidget(grid);
    auto* remove = new QPushButton(QStringLiteral("ลบข้อมูล"), box);
    remove->setObjectName(QStringLiteral("del") + code);
    connect(remove, &QPushButton::clicked, this, [this, kind] { deleteKind(kind); });
    layout->addWidget(remove);
    return box;
}

QWidget* NumberListForm::buildEntry() {
    auto* box = new QGroupBox(this);
    auto* layout = new QGridLayout(box);
    c1_ = chooser("c1", QStringLiteral("เลือกชนิดเลข"), itemCaptions(), box);
    connect(c1_, &QComboBox::currentIndexChanged, this, &NumberListForm::itemChosen);
    path_ = new QLineEdit(box);
    path_->setObjectName(QStringLiteral("path"));
    path_->setToolTip(QStringLiteral("ป้อนตัวเลข"));
    // Digits only, pasted text too.
    path_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), path_));
    path_->installEventFilter(this);
    connect(path_, &QLineEdit::textEdited, this, &NumberListForm::pathEdited);
    n2_ = new QLineEdit(QStringLiteral("0"), box);
    n2_->setObjectName(QStringLiteral("n2"));
    n2_->setToolTip(QString::fromUtf8(texts_.amountHint));
    connect(n2_, &QLineEdit::returnPressed, this, &NumberListForm::enterAmount);
    for (QLineEdit* edit : {path_, n2_}) {
        QFont font = edit->font();
        font.setPointSize(16);
        font.setBold(true);
        edit->setFont(font);
    }
    layout->addWidget(c1_, 0, 0, 1, 2);
    layout->addWidget(caption(QStringLiteral("ป้อนเลข"), box), 1, 0);
    layout->addWidget(path_, 1, 1);
    layout->addWidget(caption(QString::fromUtf8(texts_.amountCaption), box), 2, 0);
    layout->addWidget(n2_, 2, 1);
    return box;
}

QWidget* NumberListForm::buildBulk() {
    auto* box = new QGroupBox(QString::fromUtf8(texts_.bulkCaption), this);
    auto* across = new QHBoxLayout(box);
    auto* row = new QVBoxLayout;
    addBulkChoices(row);
    QStringList kinds;
    for (Kind kind : {Kind::h3, Kind::l3, Kind::h2, Kind::l2})
        kinds << QString::fromUtf8(kindInfo(kind).caption);
    c2_ = chooser("c2", QStringLiteral("ชนิด"), kinds, box);
    c3_ = chooser("c3", QStringLiteral("หลัก"),
                  {QStringLiteral("หลักร้อย"), QStringLiteral("หลักสิบ"), QStringLiteral("หลักหน่วย")},
                  box);
    QStringList digits;
    for (int d = 0; d <= 9; ++d)
        digits << QString::number(d);
    c4_ = chooser("c4", QStringLiteral("ตัวเลข"), digits, box);
    // Kind and position start at their first choice; the digit must be chosen.
    c2_->setCurrentIndex(0);
    c3_->setCurrentIndex(0);
    e1_ = new QLineEdit(QStringLiteral("0"), box);
    e1_->setObjectName(QStringLiteral("e1"));
    e1_->setToolTip(QStringLiteral("จำนวนเงิน"));
    auto* run = new QPushButton(QStringLiteral("ประมวลผล"), box);
    run->setObjectName(QStringLiteral("run"));
    connect(run, &QPushButton::clicked, this, &NumberListForm::runFill);
    for (QWidget* widget : std::initializer_list<QWidget*>{c2_, c3_, c4_, e1_, run})
        row->addWidget(widget);
    progress_ = new QProgressBar(box);
    progress_->setObjectName(QStringLiteral("pg"));
    progress_->setOrientation(Qt::Vertical);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    across->addLayout(row, 1);
    across->addWidget(progress_);
    return box;
}

QString NumberListForm::gridTitle(Kind kind) const {
    if (kind == Kind::t2 && namingMode_ == 1)
        return QString::fromUtf8(kHeadTitle);
    for (const GridTitle& entry : kGridTitles) {
        if (entry.kind == kind)
            return QString::fromUtf8(entry.title);
    }
    return QString();
}

int NumberListForm::widthOf(Kind kind) const {
    EntryItem entry;
    for (int index = 1; index <= itemCaptions().size(); ++index) {
        if (item(index, &entry) && entry.kinds == QVector<Kind>{kind})
            return entry.width;
    }
    return kindInfo(kind).digits;
}

void NumberListForm::reopen(Kind kind) {
    DataGrid* grid = grids_.value(kind);
    if (!grid || !db_)
        return;
    grid->reselect(true);
    grid->goLast();
}

void NumberListForm::reopenAll() {
    for (Kind kind : limitKinds())
        reopen(kind);
}

QString NumberListForm::checkEdits(Kind kind) const {
    const DataGrid* grid = grids_.value(kind);
    const QSqlTableModel* model = grid ? grid->model() : nullptr;
    if (!model || !db_)
        return QString();
    const int numColumn = model->fieldIndex(QStringLiteral("num"));
    const int amountColumn = model->fieldIndex(QStringLiteral("h"));
    const int idColumn = model->fieldIndex(QStringLiteral("id"));
    QStringList kept;
    QVector<int> edited;
    for (int row = 0; row < model->rowCount(); ++row) {
        // "!" marks a row removed and not yet written: it is written as a deletion.
        if (model->headerData(row, Qt::Vertical).toString() == QLatin1String("!"))
            continue;
        kept << model->index(row, numColumn).data().toString();
        for (int column = 0; column < model->columnCount(); ++column) {
            if (model->isDirty(model->index(row, column))) {
                edited << row;
                break;
            }
        }
    }
    const int width = widthOf(kind);
    for (int row : edited) {
        const QString num = model->index(row, numColumn).data().toString();
        if (!isDigits(num) || num.size() != width)
            return incompleteNumberMessage(width);
        if (!isAmount(model->index(row, amountColumn).data()))
            return QString::fromUtf8(listtext::badAmount);
        if (kept.count(num) > 1 || listedElsewhere(kind, num, model->index(row, idColumn).data()))
            return QString::fromUtf8(listtext::listed);
    }
    return QString();
}

bool NumberListForm::listedElsewhere(Kind kind, const QString& num, const QVariant& id) const {
    // A row of the kind written since the grid was read counts too.
    QString sql =
        QStringLiteral("SELECT 1 FROM %1 WHERE num = ? AND codeins = ?").arg(listTable(list_));
    QVariantList binds{num, kindCode(kind)};
    if (!id.isNull()) {
        sql += QStringLiteral(" AND id <> ?");
        binds << id;
    }
    try {
        return db_->scalar(sql, binds).isValid();
    } catch (const StoreError&) {
        return false; // the write that follows reports the database's error
    }
}
