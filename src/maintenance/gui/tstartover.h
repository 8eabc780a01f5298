#pragma once

#include "common/copyjob.h"
#include "maintenance/startover.h"

#include <QWidget>

class BookJob;
class Desk;
class QLabel;
class QProgressBar;

// "ลบข้อมูลทั้งหมดเพื่อเริ่มใหม่", after the four-digit code: the copy lastdb/lastdatadel.mde,
// the question, then the draw kept in its archive and the book emptied for the next one, with
// its stages on the bar. The work runs off the window's thread; the window cannot be closed
// meanwhile.
class Tstartover : public QWidget {
    Q_OBJECT
public:
    explicit Tstartover(Desk& desk);
    ~Tstartover() override;

    BookJob* job() const { return job_; }
    int progress() const;
    QString status() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void copied(const QString& refusal);
    void emptied(const QString& refusal);
    void finish();

    Desk& desk_;
    BookJob* job_;
    QProgressBar* bar_;
    QLabel* status_;
    CopyResult copy_;
    startover::Outcome outcome_;
    bool done_ = false;
};
