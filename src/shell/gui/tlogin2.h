#pragma once

#include <QDialog>

class Desk;
class QCheckBox;
class QLineEdit;
class QProgressBar;
class QTimer;

// The login form: the password, the news switch and the repair and support tools.
class Tlogin2 : public QDialog {
    Q_OBJECT
public:
    Tlogin2(Desk& desk, QWidget* parent);

    // False when the form ended the program while it was created (a second instance).
    bool isUsable() const { return usable_; }
    bool loggedIn() const { return loggedIn_; }

signals:
    // The right password was typed.
    void passwordAccepted();
    // The form was closed before a right password.
    void closedBeforeLogin();

public slots:
    void login();
    // Runs 2 s after a correct password: the form frees itself.
    void onFreeTimer();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void newsSwitched(bool on);
    bool startTool(const QString& relativePath, bool endAfter);

    Desk& desk_;
    QLineEdit* edit1_ = nullptr;
    QCheckBox* cb1_ = nullptr;
    QProgressBar* g1_ = nullptr;
    QTimer* freeTimer_ = nullptr;
    QString stored_;
    bool usable_ = true;
    bool loggedIn_ = false;
};
