#pragma once

#include <QStringList>
#include <QWidget>

class Desk;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QSlider;
class QTimer;

// Bets pasted or loaded from the chat program, fed line by line into the entry form, which
// records each at once (Line input) while this window is open.
class Tformline : public QWidget {
    Q_OBJECT
public:
    explicit Tformline(Desk& desk);
    ~Tformline() override;

    bool importing() const;
    // What the last import skipped: "บรรทัดที่ n: line (why)".
    const QStringList& skipped() const { return skipped_; }

public slots:
    void paste();
    void loadText();
    void saveText();
    void reset();
    void check();
    // "เพิ่มข้อมูลลงตาราง": the lines from the first (or where the import stood) on.
    void startImport();
    // Timer1: the next line.
    void onTimer1();

private:
    void showParse(const QString& line);
    void caretMoved();
    void edited();
    void finishImport();
    void highlight(int line);
    void setOrder(bool bottomBeforeTod);

    Desk& desk_;
    QPlainTextEdit* box_;
    QLineEdit* lineShown_;
    QLineEdit* number_;
    QLineEdit* top_;
    QLineEdit* tod_;
    QLineEdit* bottom_;
    QLabel* lineCount_;
    QLabel* delayShown_;
    QLabel* format_;
    QCheckBox* clearBox_;
    QCheckBox* orderBox_;
    QSlider* delay_;
    QProgressBar* bar_;
    QTimer* timer_;
    QStringList lines_;
    int next_ = 0;
    int taken_ = 0;
    QStringList skipped_;
    bool feeding_ = false; // the box is changed by the import itself
};
