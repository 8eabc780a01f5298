#pragma once

#include "common/desk.h"
#include "platform/platform.h"
#include "store/kinds.h"

#include <QDateTime>
#include <QMainWindow>
#include <QVector>
#include <functional>
#include <memory>

class Database;
class StatusPanel;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QMenu;
class Tfminput;
class Tlogin2;
struct PastDrawView;

// The frame of the program: the desk every window is given, the menus built from the
// command table, the status bar, the timers and the way the run ends. It is the one window
// that knows the others.
class Tmain : public QMainWindow {
    Q_OBJECT
public:
    explicit Tmain(const QString& executablePath, QWidget* parent = nullptr);
    ~Tmain() override;

    // True when start-up found the database damaged and the program was ended.
    bool isDamaged() const { return damaged_; }
    Desk& desk() { return *desk_; }
    const RunValues& run() const { return desk_->run(); }
    // The own database; opened again when Timer2 has let it go.
    Database& own() { return desk_->own(); }
    QMdiArea* mdi() const { return mdi_; }

    QString panelText(int panel) const;
    int ticks() const { return ticks_; }
    int lowDiskWarnings() const { return lowDiskWarnings_; }
    void setLowDiskWarnings(int count) { lowDiskWarnings_ = count; }
    bool hasEnded() const { return desk_->hasEnded(); }
    // The open entry form, if any.
    Tfminput* entryForm() const;

    // The login form over the frame; a correct password logs in, closing it ends the run.
    Tlogin2* openLogin();
    // Closes without the exit question (the commands that end the program after saving).
    void closeWithoutAsking();
    // Every copy of this program ends, this one included.
    void endProgram();

    // One menu or pop-up command: where it sits, its caption and what it does; a command
    // with nothing to do yet shows disabled with the hint "ยังไม่มีในรุ่นนี้".
    struct Command {
        QStringList menu; // the menu and its submenus; empty for the pop-up menu
        QString caption;
        std::function<void()> run;
        bool visible = true;
        bool enabled = true;
        bool separatorBefore = false;
    };
    // Every command, in menu order, with the captions of the run's kind naming mode.
    QVector<Command> commands();

public slots:
    void onTimer1();
    void onTimer2();
    void onTimer3();
    // A correct password: the frame takes input and the entry form opens.
    void loggedIn();
    void openEntryForm();
    void openChangePassword();
    void openLoadSettings();
    // Commands the main window does itself.
    void runNumbers(Kind kind);
    void loadSampleData();
    void setInputLimit();
    void setDigitSorting(bool separate);
    void switchRefresh();
    void stopWarnings();
    // The menu set-up window, over the entry form.
    void openMenuSetup();
    // Set-up windows; each exists once and comes to the front when opened again.
    void openRates();
    void openKindLimits();
    void openCustomers();
    void openCustomerRates();
    void openNumberLimits();
    void openClosedNumbers();
    // The check by customer, asked for by the prize check.
    void openCheckByCustomer();

    // Ctrl + a letter: Q, D, N, F, Z, L, S.
    bool hotKey(int key);
    void openProgramFolder(bool endAfter);
    void openNetworkPanel();
    // The network commands: the shop's book on a server computer tried, the marker rows of
    // the server, a station's book made again from the rows it sent.
    void findServer();
    void testNetwork();
    void restartServer();
    void loadSentRows();
    // The computer's role after the four-digit code; the program ends to take it up.
    void resetToServer();
    void resetToLan();
    // "10.Ip-Address" after the set-up password; the pop-up's address commands.
    void setFixedAddress();
    void resetAddress();
    void askAddress();
    void setComputerName();
    // The Thai font settings; false when this computer cannot take them.
    bool fixThaiFont(bool endAfter);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void prepare();
    // Opens the own book at start; false (the reason said, the program ended) when it cannot.
    bool openOwnBook();
    void prepareShown();
    void buildStatusBar();
    // The hot keys, for the whole desktop where it allows.
    void grabHotKeys();
    void buildMenus();
    void rebuildMenus();
    void listen();
    // Asks for a secret in an input box proposing "****"; false (and the message) when wrong.
    bool askSecret(const QString& prompt, const QString& secret, const QString& wrong);
    bool askCode();
    bool startTool(const QString& relativePath, bool endAfter);
    void finishClose();
    // Says that this computer cannot do what was asked.
    void unsupported();
    // Says a change of the computer's settings: doneText when done (nothing when empty), else
    // why nothing changed; true when done.
    bool sayChange(const Platform::Change& change, const QString& doneText);
    // Puts a new window into the frame; a database error is shown and nothing opens.
    QMdiSubWindow* addWindow(const std::function<QWidget*()>& create);
    // A small window at its own size, centred over the frame.
    void showCentred(QMdiSubWindow* window);
    template <typename Window> void openSingle(bool maximised = false);
    // The past draws' list with the views it can show of a draw.
    void openPastDraws();
    QVector<PastDrawView> pastDrawViews();
    // A window of a past draw, under its banner; the draw's desk lives as long as the window.
    void openPastView(const std::shared_ptr<Desk>& draw,
                      const std::function<QWidget*(Desk&)>& create);
    // The deletions and the consolidation first take their numbered copy.
    void openAfterCopy(const QString& prefix, const QString& action,
                       const std::function<void()>& open);
    // Opens the menu cut's progress window, or closes it when it is open.
    void toggleMenuCut();
    // The automatic cut's switch as the shared book holds it (off when it cannot be read).
    bool autoCutOn();
    // The entry form in front is made again (it reads its settings when it is made).
    void renewEntryForm();
    void updateSizes();
    // A box that must not take the keys of a line: shown now, or once the line is done.
    void sayBetweenLines(const QString& message);
    void sayWaiting();

    std::unique_ptr<Desk> desk_;
    QString placeProblem_; // why the book in the program folder cannot be used
    QMdiArea* mdi_ = nullptr;
    QMenu* popup_ = nullptr;
    QVector<StatusPanel*> panels_;
    QList<int> appWideKeys_; // hot keys the desktop refused: caught inside the program
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    QTimer* timer3_ = nullptr;
    int ticks_ = 0;
    int lowDiskWarnings_ = 0;
    QDateTime lowDiskSaid_;
    QStringList waiting_; // boxes waiting for the line under way
    bool damaged_ = false;
    bool shownOnce_ = false;
    bool closingFromLogin_ = false;
    bool closeWithoutAsking_ = false;
};
