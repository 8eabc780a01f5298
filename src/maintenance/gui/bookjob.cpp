#include "maintenance/gui/bookjob.h"

#include "store/database.h"

#include <QCoreApplication>
#include <QThread>
#include <exception>

BookJob::BookJob(QObject* parent) : QObject(parent) {}

BookJob::~BookJob() {
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
}

void BookJob::start(Work work) {
    if (thread_)
        return;
    thread_ = QThread::create([this, work = std::move(work)] {
        QString refusal;
        try {
            work([this](int percent, const QString& status) {
                QMetaObject::invokeMethod(
                    this, [this, percent, status] { emit progress(percent, status); },
                    Qt::QueuedConnection);
            });
        } catch (const StoreError& error) {
            refusal = error.message();
        } catch (const std::exception& error) {
            refusal = QString::fromLocal8Bit(error.what());
        }
        QMetaObject::invokeMethod(
            this, [this, refusal] { end(refusal); }, Qt::QueuedConnection);
    });
    thread_->setObjectName(QStringLiteral("bookjob"));
    thread_->start();
}

void BookJob::end(const QString& refusal) {
    if (thread_) {
        thread_->wait();
        delete thread_;
        thread_ = nullptr;
    }
    emit finished(refusal);
}

void BookJob::wait() {
    if (!thread_)
        return;
    thread_->wait();
    // The stages and the end were posted to this object; they are delivered now, in order.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}
