#pragma once

#include <QString>
#include <QWidget>

class Desk;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class Tfminput;

// The rows picked in the entry form's grid for the delete dialog.
struct DeletePicks {
    qint64 id = 0; // the row picked last; 0 for none
    QString num, kind, stamp;
    // The two ends of a range, picked by alternate clicks; 0 while not picked.
    qint64 first = 0, last = 0;
    QString firstNum, lastNum;
    qint64 gridLast = 0; // the last row the grid shows
    bool any() const { return id != 0; }
    bool range() const { return first != 0 && last != 0; }
};

// "เมนูลบข้อมูล": takes back rows picked in the entry form's grid from the book and the entered
// lines: one number of a line, a whole line, from a row to the end, or a picked range. Its
// choices follow the picks as the clerk clicks on; a numbered copy D comes before each deletion.
class Tdelform : public QWidget {
    Q_OBJECT
public:
    Tdelform(Desk& desk, Tfminput& form);
    ~Tdelform() override;

    // Whether the grid marks the row: the picked row, the picked range, or the rows of the
    // picked line when the line is to go.
    bool marks(qint64 id, const QString& stamp) const;

public slots:
    // The captions after the picks (the timer's tick).
    void onTimer1();
    void deletePicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The copy D, the deletion and the news of it; false when it did not happen.
    bool run(const std::function<int()>& deletion);
    void done();

    Desk& desk_;
    Tfminput& form_;
    QRadioButton* number_;
    QRadioButton* line_;
    QRadioButton* toEnd_;
    QRadioButton* range_;
    QPushButton* delete_;
    QProgressBar* gauge_;
    QTimer* timer_;
    DeletePicks shown_;
};
