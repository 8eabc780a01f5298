#pragma once

#include <QWidget>

class BackgroundWork;
class Desk;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

// The exchange file of the latest sent amounts: written for an upstream dealer, and such a file
// added to the book as bets of one customer.
class Tsentdb : public QWidget {
    Q_OBJECT
public:
    explicit Tsentdb(Desk& desk);

    bool adding() const;
    void waitForAdding();

public slots:
    void exportSent();
    void addFile();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void added(std::exception_ptr error);

    Desk& desk_;
    QComboBox* kinds_;
    QComboBox* customers_;
    QLineEdit* path_;
    QPushButton* exportButton_;
    QPushButton* addButton_;
    QProgressBar* bar_;
    QTimer* progressTimer_;
    BackgroundWork* work_;
    QString customer_;
    QString addedText_;
};
