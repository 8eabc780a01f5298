#pragma once

#include <QWidget>

class BackgroundWork;
class Desk;
class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

// The merge of another computer's book into this one.
class Taddaccess : public QWidget {
    Q_OBJECT
public:
    explicit Taddaccess(Desk& desk);

    bool merging() const;
    // Blocks until a merge under way is done and said.
    void waitForMerge();

public slots:
    void chooseFile();
    void merge();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showProgress();
    void merged(std::exception_ptr error);

    Desk& desk_;
    QLineEdit* path_;
    QPushButton* choose_;
    QPushButton* run_;
    QCheckBox* apart_;
    QProgressBar* gauge_;
    QProgressBar* bar_;
    QTimer* progressTimer_;
    BackgroundWork* work_;
    qint64 rows_ = 0;
};
