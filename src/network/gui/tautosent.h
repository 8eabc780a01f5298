#pragma once

#include <QWidget>

class Desk;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "การส่งข้อมูลไปServerอัตโนมัติ": how this station passes its rows to the server, written as it
// is chosen; closing the window ends the program, which takes the choice up at its next start.
class Tautosent : public QWidget {
    Q_OBJECT
public:
    explicit Tautosent(Desk& desk);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void chooseMode(int mode);
    void chooseThreshold(int index);
    void saveCeiling();
    void showControls(int mode);

    Desk& desk_;
    QRadioButton* byCount_;
    QRadioButton* byHand_;
    QRadioButton* lan_;
    QLabel* threshold_;
    QComboBox* thresholds_;
    QLineEdit* ceiling_;
    QPushButton* saveCeiling_;
};
