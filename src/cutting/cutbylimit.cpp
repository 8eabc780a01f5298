#include "cutting/cutbylimit.h"

#include "common/backups.h"
#include "common/kindlimits.h"
#include "common/settings.h"
#include "cutting/groupcut.h"
#include "store/kindcaptions.h"

namespace cut {

namespace {

// The progress bar after each kind of the menu cut, in its order.
const int kProgress[kKindCount] = {20, 25, 30, 40, 50, 60, 70, 80, 90, 95};

// Zero rows the menu cut appends to the log after a kind: always, and first when the kind had
// no totals; the i-th row's number is first + i.
struct Filler {
    Kind kind;
    int always;
    int whenEmpty;
    int first;
};
const Filler kFillers[] = {
    {Kind::h2, 100, 0, 0},      {Kind::l2, 100, 0, 0},  {Kind::t2, 50, 200, 0},
    {Kind::h1, 50, 200, 0},     {Kind::l1, 50, 200, 0}, {Kind::h4, 50, 200, 1234},
    {Kind::h5, 50, 200, 12345},
};

void appendFillerRows(Database& db, Kind kind, bool hadTotals) {
    for (const Filler& filler : kFillers) {
        if (filler.kind != kind)
            continue;
        QStringList rows;
        QVariantList binds;
        const int rep = kindInfo(kind).rep;
        for (int run : {hadTotals ? 0 : filler.whenEmpty, filler.always}) {
            for (int i = 1; i <= run; ++i) {
                rows << QStringLiteral("(?, 0, %1, '0', '%2')").arg(rep).arg(kindCode(kind));
                binds << QString::number(filler.first + i);
            }
        }
        db.exec(QStringLiteral("INSERT INTO sentall (num, %1, rep, cod, name) VALUES %2")
                    .arg(stakeColumn(kind), rows.join(QLatin1Char(','))),
                binds);
    }
}

} // namespace

std::array<qint64, kKindCount> kindLimits(Database& book) {
    return wholeRow(book, QStringLiteral("change2"));
}

const std::array<Kind, kKindCount>& immediateOrder() {
    static const std::array<Kind, kKindCount> order = {Kind::h3, Kind::t3, Kind::l3, Kind::h5,
                                                       Kind::h4, Kind::t2, Kind::h2, Kind::l2,
                                                       Kind::h1, Kind::l1};
    return order;
}

bool kindOfSelector(int selector, Kind* out) {
    if (selector < 1 || selector > kKindCount)
        return false;
    *out = immediateOrder()[static_cast<size_t>(selector - 1)];
    return true;
}

CopyResult preCutCopy(Backups& backups) {
    return backups.numberedCopy(QStringLiteral("N"));
}

QString startText() {
    return QStringLiteral("การตัดยอดอาจใช้เวลาซักครู่");
}

QString doneText() {
    return QStringLiteral("ตัดยอดเรียบร้อย");
}

QString kindStatus(Kind kind, int namingMode, qint64 limit) {
    QString caption = kindCaption(kind, namingMode);
    if (kind == Kind::t2 && namingMode == 2)
        caption.prepend(QLatin1Char(' '));
    return QStringLiteral("ตัดยอด") + caption + QLatin1Char('=') + QString::number(limit);
}

MenuCutResult menuCut(Database& book, const MenuCutOptions& options) {
    Session session(book);
    SettingsRecord settings(book);
    MenuCutResult result;
    result.number = settings.number(Backc::back8) + 1;
    settings.set(Backc::back8, QString::number(result.number));
    const std::array<qint64, kKindCount> limits = kindLimits(book);

    book.exec(QStringLiteral("DELETE FROM t3cut"));
    for (Kind kind : listingOrder())
        book.exec(QStringLiteral("DELETE FROM ") + sentTable(kind));
    book.exec(QStringLiteral("DELETE FROM sentall2"));

    // The lines of every kind to cut go in one pass, the kept sums set kind by kind after.
    const std::array<int, kKindCount> counts = numbersWithTotals(book);
    QStringList codes;
    for (Kind kind : listingOrder()) {
        if (counts[static_cast<size_t>(kind)] > 0)
            codes << kindCode(kind);
    }
    if (!codes.isEmpty()) {
        suspendSums(book);
        removeLines(book, codes);
    }

    int index = 0;
    QVector<Kind> groupsTaken;
    for (Kind kind : listingOrder()) {
        MenuStep step;
        step.index = index;
        step.outcome.kind = kind;
        const qint64 limit = limits[static_cast<size_t>(kind)];
        const bool hasTotals = counts[static_cast<size_t>(kind)] > 0;
        if (hasTotals) {
            step.status = kindStatus(kind, options.namingMode, limit);
            KindCut job;
            job.kind = kind;
            job.variant = Variant::menu;
            job.limit = limit;
            job.number = result.number;
            job.fiftyPercent = options.fiftyPercent;
            step.outcome = cutKind(book, job, true, session.now());
            if (isGroupKind(kind))
                groupsTaken << kind;
        }
        appendFillerRows(book, kind, hasTotals);
        // The bar moves to 95 after h5 only when h5 was cut.
        step.progress = kind == Kind::h5 && !hasTotals ? kProgress[index - 1] : kProgress[index];
        result.steps.push_back(step);
        if (options.progress)
            options.progress(step);
        ++index;
    }

    if (!codes.isEmpty())
        resumeSums(book);
    // Every other kept list of the group kinds is forgotten; those cut here go on.
    book.exec(QStringLiteral("DELETE FROM tbkeptsync"));
    for (Kind kind : groupsTaken)
        keptListTaken(book, kind, limits[static_cast<size_t>(kind)]);
    session.keepsKeptLists();
    session.commit();
    return result;
}

KindOutcome immediateCut(Database& book, Kind kind) {
    Session session(book);
    KindCut job;
    job.kind = kind;
    job.variant = Variant::immediate;
    job.limit = kindLimits(book)[static_cast<size_t>(kind)];
    const KindOutcome outcome = cutKind(book, job, false, session.now());
    session.keepsKeptLists();
    session.commit();
    return outcome;
}

QVector<Kind> kindsToCut(Database& book, const QStringList& limits) {
    const std::array<bool, kKindCount> over = kindsOverLimit(book, limits);
    QVector<Kind> kinds;
    for (Kind kind : immediateOrder()) {
        if (over[static_cast<size_t>(kind)])
            kinds << kind;
    }
    return kinds;
}

} // namespace cut
