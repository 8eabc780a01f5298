#pragma once

#include "shell/runvalues.h"
#include "store/kinds.h"

#include <QMainWindow>
#include <QVector>
#include <functional>
#include <memory>

class Database;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QMenu;
class Tfminput;

// The frame of the program: the database prepared at start, the status bar, the timers and
// the way the run ends.
class Tmain : public QMainWindow {
    Q_OBJECT
public:
    explicit Tmain(const QString& executablePath, QWidget* parent = nullptr);
    ~Tmain() override;

    // True when start-up found the database damaged and the program was ended.
    bool isDamaged() const { return damaged_; }
    const RunValues& run() const { return run_; }
    // The own database; opened again when Timer2 has let it go.
    Database& own();
    QMdiArea* mdi() const { return mdi_; }

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    int ticks() const { return ticks_; }
    int lowDiskWarnings() const { return lowDiskWarnings_; }
    void setLowDiskWarnings(int count) { lowDiskWarnings_ = count; }
    bool hasEnded() const { return ended_; }
    // The open entry form, if any.
    Tfminput* entryForm() const;

    void setClosingFromLogin() { closingFromLogin_ = true; }
    // Closes without the exit question (the commands that end the program after saving).
    void closeWithoutAsking();
    // Every process of this executable ends, this one included.
    void endProgram();
    // Starts a tool of the program folder; a missing one is named in Thai. endAfter ends the
    // program once the tool runs.
    bool startTool(const QString& relativePath, bool endAfter);
    void openTeamViewer();

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
    // Captions of the menus follow a new kind naming mode.
    void setKindNamingMode(int mode);
    // Set-up windows; each exists once and comes to the front when opened again.
    void openRates();
    void openKindLimits();
    void openCustomers();
    void openCustomerRates();
    void openNumberLimits();
    void openClosedNumbers();

    // Ctrl + a letter: Q, D, N, F, Z, L, S.
    bool hotKey(int key);
    void openProgramFolder(bool endAfter);
    void openNetworkPanel();
    void findServer();
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
    void prepareShown();
    void buildStatusBar();
    void buildMenus();
    // Asks for a secret in an input box proposing "****"; false (and the message) when wrong.
    bool askSecret(const QString& prompt, const QString& secret, const QString& wrong);
    bool askCode();
    void finishClose();
    // Says that this computer cannot do what was asked.
    void unsupported();
    // Puts a new window into the frame; a database error is shown and nothing opens.
    QMdiSubWindow* addWindow(const std::function<QWidget*()>& create);
    template <typename Window> void openSingle();
    void updateSizes();

    RunValues run_;
    std::unique_ptr<Database> own_;
    QMdiArea* mdi_ = nullptr;
    QMenu* popup_ = nullptr;
    QVector<QLabel*> panels_;
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    QTimer* timer3_ = nullptr;
    int ticks_ = 0;
    int lowDiskWarnings_ = 0;
    bool damaged_ = false;
    bool shownOnce_ = false;
    bool closingFromLogin_ = false;
    bool closeWithoutAsking_ = false;
    bool ended_ = false;
};
