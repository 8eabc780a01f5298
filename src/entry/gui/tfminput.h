#pragma once

#include "entry/normallayout.h"
#include "entry/recorder.h"
#include "store/database.h"

#include "cutting/autocut.h"
#include "entry/gui/tdelform.h"
#include "entry/servererrand.h"
#include "entry/transfer.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class Database;
class DataGrid;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextBrowser;
class Desk;
struct LineOffer;
class HundredPanelView;
class QTimer;
class QVBoxLayout;

// The entry form: the clerk chooses a mode, types a number and its stakes, and each line is
// checked, expanded, recorded and shown with the running totals.
class Tfminput : public QWidget {
    Q_OBJECT
public:
    enum Page { SetPage = 0, HeadPage = 1, NormalPage = 2, StockPage = 3 };

    explicit Tfminput(Desk& desk);
    ~Tfminput() override;

    bool hasMode() const { return mode_.has_value(); }
    NormalMode mode() const { return *mode_; }
    int arrowPosition() const { return arrow_; }
    QString customer() const { return customer_; }
    Page page() const { return page_; }
    // The database bet lines go to.
    Database& bets();
    // A line is being typed: a number typed into (not left selected after a line) or a
    // stake box in use.
    bool lineUnderWay() const;
    // The chat-line import is handing its lines over.
    bool lineInput() const { return lineInput_; }

    // The rows picked in the grid for the delete dialog, and the dialog while it is open.
    const DeletePicks& deletePicks() const { return picks_; }
    void forgetPicks();
    Tdelform* deleteDialog() const { return delform_; }
    void deleteDialogClosed();
    // The grid shows the dialog's marks again.
    void markPicks();

public slots:
    // F1..F10 of the page shown.
    void chooseFunctionKey(int key);
    void showPage(int page);
    void refreshAfterLine();
    void colourTotals();
    void onTimer1();
    void onTimer2();
    void onTimer4();
    void onTimer8();
    void onTimer9();
    // The automatic cut's timer and its countdown, and the button "ตัดยอดทันที".
    void onTimer6();
    void onTimer7();
    void cutNow();
    // The next kind waiting to be cut, unless a line is being typed (it waits for the line).
    void cutNextKind();
    // The hundred-number panel: re-read every 5 seconds while it is shown.
    void onTimer10();
    void refreshPanel();
    // Line input: while the chat-line import runs, each line it hands over is recorded at once.
    void setLineInput(bool on);
    void takeLine(LineOffer* offer);
    // A station's rows to the server: the button "ถ่ายโอนข้อมูลไปที่Server", and the sending
    // timer's tick, which sends once the station holds more rows than its threshold.
    void transferNow();
    void onTimer5();

public:
    // Blocks until the station's work with the server under way is done and said.
    void waitForServer();
    // A station's offer, as the form opens, to empty its book for a new draw.
    void offerClearing();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    // What other windows changed.
    void setDigitSorting(bool separate);
    void readListSwitches();
    void setKindLimits(const QStringList& limits);
    void bookChanged();

private:
    // station and server
    void setUpStation();
    void readServerChoices();
    void stationTick();
    void probeServer();
    void periodicProbed(const std::optional<StoreError>& refusal, const transfer::Probe& probe);
    void noNetworkWarning(bool numbered);
    void manualProbed(const std::optional<StoreError>& refusal, const transfer::Probe& probe,
                      qint64 rows, qint64 badRow);
    void automaticProbed(const std::optional<StoreError>& refusal, const transfer::Probe& probe,
                         qint64 rows);
    void sendRows(bool manual, bool clearRef);
    void transferDone(bool manual, const std::optional<StoreError>& refusal,
                      const transfer::Result& result);
    void paintTransfer();
    void warnRowCeiling();
    QString serverName() const;

    // automatic cut
    void setUpAutoCut();
    // The immediate cut of each kind, its total box red while it is cut: one kind at a time,
    // a line confirmed meanwhile recorded before the next.
    void cutKinds(const QVector<Kind>& kinds);
    void cutsDone();
    void paintTotal(Kind kind, bool over);

    // construction
    void buildWidgets();
    QWidget* buildNormalPage();
    // The buttons of the head, set or stock page, from the page's mode rows.
    QWidget* buildModePage(EntryPage page);
    void choosePageRow(const EntryModeRow& row);
    // The stock page's panel shown or hidden as back9 says, its timer with it.
    void showPanel(bool shown);
    void togglePanel();
    QWidget* buildTotals();
    void readOptions();
    void applyMenuLayout();
    void openGrids();
    void showEnteredRows();

    // modes
    void chooseMode(NormalMode mode, const QString& banner, QPushButton* button);
    void applyLayout();
    void clearButtonColours();
    // Whether the normal page's option box of a mode is ticked.
    bool optionTicked(ModeOption option) const;
    void stepArrow(int delta);
    void setArrow(int position);
    void dropStake(int field);

    // typing cycle
    bool numKey(QKeyEvent* key);
    bool stakeKey(QLineEdit* field, QKeyEvent* key);
    QString numberKept(const QString& typed) const;
    void numEdited(const QString& text);
    void stakeEdited(QLineEdit* field);
    void keepOnly(QLineEdit* field, const QString& kept);
    void enterNum();
    void enterN1();
    void enterN2();
    void enterNu3();
    bool closedRefused();
    bool limitRefused(const QStringList& stakes, bool warnOnly);
    // False when the line was refused (said) and nothing was written.
    bool recordLine();
    void afterLine();
    void playKeySound(QKeyEvent* key);
    void focusField(QLineEdit* field);
    void warnNoMode();

    // customers and sheets
    void customerPicked(int index);
    void sheetPicked(int index);

    // grid
    void gridClicked(int row);
    void cancelLine();
    void openDeleteDialog();
    void rowsShownChanged(int index);
    void readSums();
    QPair<QColor, QColor> cellColours(int row, int column) const;

    NormalOptions normalOptions() const;
    // Writes a "1"/"0" option; a failure is shown and reported false.
    template <typename Field> bool saveSwitch(Field field, bool on);
    Database& own();

    Desk& desk_;
    std::unique_ptr<Database> ownDb_;     // the form's own connection to the own database
    QString betsLocation_;                // the shared book the lines go to; empty for the own
    std::unique_ptr<Database> betsDb_;    // open while betsLocation_ can be reached
    bool gridsOpen_ = false;
    static constexpr qint64 kBetsRetryMs = 15000;
    std::optional<StoreError> betsRefusal_; // why betsLocation_ could not be had, and since when
    QElapsedTimer betsRetry_;
    std::optional<NormalMode> mode_;
    ModeLayout layout_;
    int arrow_ = 0;
    Page page_ = NormalPage;
    QString customer_;
    QString typedNumber_; // what was typed into an empty num and dropped
    bool nameChosen_ = false;
    bool cancelPressed_ = false;
    bool rowClicked_ = false;
    DeletePicks picks_;
    int picksClicked_ = 0;
    QPointer<Tdelform> delform_;
    bool lineInput_ = false;
    int idle_ = 0;
    int keystrokes_ = 0;
    quint8 restart_ = 0;
    qint64 lastIdBefore_ = 0;
    qint64 lastIdAfter_ = 0;
    qint64 previousCount_ = 0;
    QStringList captions_; // F1..F10 as shown

    // options
    bool warnName_ = false;
    bool warnClosed_ = false;
    double inputLimit_ = 0;
    QStringList kindLimits_; // empty: read from the own database
    int rowsShown_ = 100;
    int namingMode_ = 0;
    bool station_ = false;
    bool lanAuto_ = false;

    // widgets, named by their role; their object names are the component names (num, n1 ...)
    QLineEdit* number_ = nullptr;
    QLineEdit* stake1_ = nullptr;
    QLineEdit* stake2_ = nullptr;
    QLineEdit* stake3_ = nullptr;
    QLabel* numberCaption_ = nullptr;
    QLabel* stake1Caption_ = nullptr;
    QLabel* stake2Caption_ = nullptr;
    QCheckBox* keepStake1_ = nullptr;
    QCheckBox* keepStake2_ = nullptr;
    QCheckBox* autoInputBox_ = nullptr;
    QCheckBox* autorunBox_ = nullptr;
    QCheckBox* soundBox_ = nullptr;
    QLabel* soundState_ = nullptr;
    QRadioButton* warnNameOn_ = nullptr;
    QRadioButton* warnNameOff_ = nullptr;
    QCheckBox* separateDigitsBox_ = nullptr;
    QVBoxLayout* optionBoxes_ = nullptr; // F4's and F7's options, beside the stakes
    bool f4Shown_ = true;
    bool f7Shown_ = true;
    void showOptionBoxes();
    QCheckBox* straightPlusSetBox_ = nullptr;
    QCheckBox* bottomBeforeTodBox_ = nullptr;
    QCheckBox* twoDigitsTopBottomBox_ = nullptr;
    QLabel* banner_ = nullptr;
    QLabel* bannerOverlay_ = nullptr;
    QLabel* statusLine_ = nullptr;
    QLabel* rowCount_ = nullptr;
    QLabel* clock_ = nullptr;
    QLabel* customerCaption_ = nullptr;
    QLabel* refreshCountdown_ = nullptr;
    QComboBox* customerBox_ = nullptr;
    QComboBox* sheetBox_ = nullptr;
    QComboBox* rowsShownBox_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QTabWidget* gridTabs_ = nullptr;
    DataGrid* bookGrid_ = nullptr;
    DataGrid* enteredGrid_ = nullptr;
    std::unique_ptr<Database> enteredDb_; // the entered grid's own connection
    QLabel* enteredNote_ = nullptr;
    std::array<QLabel*, kKindCount> totals_{};
    std::array<QLabel*, kKindCount> totalCaptions_{};
    QLabel* grandTotal_ = nullptr;
    QProgressBar* lineProgress_ = nullptr;
    QProgressBar* lineGauge_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QTextBrowser* newsPanel_ = nullptr;
    std::array<QPushButton*, 10> modeButtons_{};
    QVector<QPair<NormalMode, QPushButton*>> pageButtons_; // head, set and stock pages
    HundredPanelView* panel_ = nullptr;
    QPushButton* panelToggle_ = nullptr;
    QTimer* panelTimer_ = nullptr;
    bool panelWanted_ = false; // back9
    QTimer* bannerTimer_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    QTimer* refreshTimer_ = nullptr;
    QTimer* autoCutTimer_ = nullptr;
    QTimer* countdownTimer_ = nullptr;
    QPushButton* cutButton_ = nullptr;
    QProgressBar* cutBar_ = nullptr;
    std::optional<autocut::Countdown> countdown_;
    bool cutComing_ = false;
    QVector<Kind> cutQueue_; // kinds waiting for their immediate cut
    bool cutting_ = false;   // a run of immediate cuts is under way
    QTimer* cutStep_ = nullptr;
    QTimer* keystrokeTimer_ = nullptr;
    QTimer* restartTimer_ = nullptr;

    // station
    QPushButton* transfer_ = nullptr;
    QCheckBox* transferCheck_ = nullptr;
    QTimer* sendTimer_ = nullptr;
    std::unique_ptr<ServerErrand> errand_;
    QString sendMode_;  // back6 as this opening uses it
    int threshold_ = 0; // back7
    bool probing_ = false;         // the periodic probe of the server is under way
    bool sendAfterProbe_ = false;  // the sending timer came meanwhile
    bool serverReached_ = true;    // the last probe reached the server's book
};
