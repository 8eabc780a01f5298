#pragma once

#include "common/backgroundcopies.h"
#include "common/backups.h"
#include "common/runvalues.h"
#include "store/kinds.h"

#include <QObject>
#include <QStringList>
#include <memory>

class Database;

// A chat line handed to the entry form: the number and the amount part as the line has them;
// the form says whether it took the line, how many rows it wrote, or why not.
struct LineOffer {
    QString number;
    QString amounts;
    bool bottomBeforeTod = false; // three amounts read as top, bottom, tod
    bool heard = false;           // an entry form was there to take it
    bool taken = false;
    int records = 0;
    QString why;
};

// What changed in the book, for the windows that show it.
enum class BookChange {
    linesWritten,
    cut,
    takenBack,
    deleted,
    imported,
    spread,
    consolidated,
    rebuilt,
    startedOver
};

// What every window is given: the facts of this run, the computer's own book, the ways to
// open the shared book and the book bet lines go to, and the news of what changed. A window
// changes something through the core, says so here, and the windows that show it listen;
// no window calls another.
class Desk : public QObject {
    Q_OBJECT
public:
    explicit Desk(const RunValues& run, QObject* parent = nullptr);
    ~Desk() override;

    const RunValues& run() const { return run_; }
    // Set while the main window starts.
    RunValues& runValues() { return run_; }

    // The desk's connection to the own book; opened again after releaseOwn().
    Database& own();
    void releaseOwn();
    // Connections of a window's own, freed with the window; each throws StoreError.
    // The own book, its missing tables made.
    std::unique_ptr<Database> openOwn() const;
    // The shared book of limits, customers, rates and totals; never created here.
    std::unique_ptr<Database> openShared() const;
    // The book the entry form writes bet lines to: the server's on a station in automatic
    // LAN mode, none (nullptr: the own book) otherwise.
    // Where the entry form's lines go: empty for the own book, else the shared book's location.
    QString betsLocation(bool lanAuto) const;
    // The book of this computer's own lines and draw, which the spreading, the searches, the
    // start-over, the deletions and the consolidation work on: the own book, or on a server
    // computer whose shared book is on a database server, that book (the book desk.backups()
    // copies). Throws StoreError.
    QString bookLocation() const;
    std::unique_ptr<Database> openBook() const;
    std::unique_ptr<Database> openOwnLines() const { return openBook(); }
    // A desk over an archived draw: its books cannot be written.
    bool readOnly() const { return !run_.archive.isEmpty(); }

    // Copies of the own book written off the window's thread.
    BackgroundCopies& copies() { return copies_; }
    // The copies of this computer's book: the book its lines go to on a server computer whose
    // shared book is on a database server, the own book otherwise.
    Backups backups();
    // A copy was refused because the book is damaged; said once per run.
    void bookFoundDamaged();
    // A copy could not be written (a full disk, a folder); said once per run.
    void copyFailed(const QString& detail);

    // The status bar's panels.
    QString status(int panel) const;
    void setStatus(int panel, const QString& text);

    // Ends the run at once: every copy of this program ends, this one last.
    void endProgram();
    bool hasEnded() const { return ended_; }

    // What a window changed.
    void kindLimitsSaved(const QStringList& limits) { emit kindLimitsChanged(limits); }
    void listSwitchesSaved() { emit listSwitchesChanged(); }
    void digitSortingSaved(bool separate) { emit digitSortingChanged(separate); }
    // A new kind naming mode is told only when it differs from the one of the run.
    void kindNamingModeSaved(int mode);
    void entryMenuSaved() { emit entryMenuChanged(); }
    void customersSaved() { emit customersChanged(); }
    void ratesSaved() { emit ratesChanged(); }
    void bookWritten(BookChange change) { emit bookChanged(change); }
    void settingsLoadedFrom(const QString& file) { emit settingsLoaded(file); }
    // The prize check asks for the check by customer; closing that one ends the prize check.
    void checkByCustomerAsked() { emit checkByCustomerWanted(); }
    void checkByCustomerClosed() { emit checkByCustomerDone(); }
    // A window asks for a kind's totals view or for everybody's remaining stakes; the frame
    // shows them.
    void totalsAsked(Kind kind) { emit totalsWanted(kind); }
    void remainingAsked() { emit remainingWanted(); }
    // The entry form's countdown bar asks for every cut's sent amounts.
    void sentLogAsked() { emit sentLogWanted(); }
    // The chat-line import runs: the entry form takes its lines meanwhile (Line input).
    void lineInputSwitched(bool on) { emit lineInputChanged(on); }
    // Hands a line to the entry form; offer says what became of it.
    void offerLine(LineOffer& offer) {
        offer.taken = false;
        offer.heard = false;
        offer.why = QStringLiteral("ไม่ได้เปิดหน้าป้อนข้อมูล");
        emit lineOffered(&offer);
    }
    // A report's preview opens and closes; the main window steps aside meanwhile.
    void previewOpened() { emit previewShown(true); }
    void previewClosed() { emit previewShown(false); }

signals:
    void statusChanged(int panel, const QString& text);
    // The book failed its check, or a copy of it could not be written; the message says what
    // to do.
    void damaged(const QString& message);
    void copyNotWritten(const QString& message);
    void ending();
    // The ten kind limits in column order, as the limits window read them.
    void kindLimitsChanged(const QStringList& limits);
    // The closed-number warning or the watched-number switch.
    void listSwitchesChanged();
    void digitSortingChanged(bool separate);
    void kindNamingModeChanged(int mode);
    // The entry form's buttons, captions, pages or default mode.
    void entryMenuChanged();
    void customersChanged();
    void ratesChanged();
    void bookChanged(BookChange change);
    void settingsLoaded(const QString& file);
    void previewShown(bool shown);
    void checkByCustomerWanted();
    void checkByCustomerDone();
    void totalsWanted(Kind kind);
    void remainingWanted();
    void sentLogWanted();
    void lineInputChanged(bool on);
    void lineOffered(LineOffer* offer);

private:
    RunValues run_;
    BackgroundCopies copies_;
    std::unique_ptr<Database> own_;
    bool damageSaid_ = false;
    bool copyFailureSaid_ = false;
    QStringList status_;
    bool ended_ = false;
};
