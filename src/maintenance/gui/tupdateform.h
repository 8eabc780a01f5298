#pragma once

#include <QWidget>

class BookJob;
class Desk;
class QProgressBar;

// "ปรับปรุงตารางข้อมูล": no buttons; the book is consolidated as soon as the window opens, off
// the window's thread, the bar following the kinds; then it closes and says so.
class Tupdateform : public QWidget {
    Q_OBJECT
public:
    explicit Tupdateform(Desk& desk);

    BookJob* job() const { return job_; }
    int progress() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void consolidated(const QString& refusal);

    Desk& desk_;
    BookJob* job_;
    QProgressBar* bar_;
    bool done_ = false;
};
