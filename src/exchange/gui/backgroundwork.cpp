#include "exchange/gui/backgroundwork.h"

#include <QThread>

BackgroundWork::BackgroundWork(QObject* parent) : QObject(parent) {}

BackgroundWork::~BackgroundWork() {
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
}

void BackgroundWork::start(std::function<void(Progress&)> work) {
    if (thread_)
        return;
    progress_.stage = 0;
    progress_.percent = 0;
    error_ = nullptr;
    thread_ = QThread::create([this, work = std::move(work)] {
        try {
            work(progress_);
        } catch (...) {
            error_ = std::current_exception();
        }
    });
    connect(thread_, &QThread::finished, this, &BackgroundWork::done, Qt::QueuedConnection);
    thread_->start();
}

void BackgroundWork::wait() {
    if (!thread_)
        return;
    thread_->wait();
    done();
}

void BackgroundWork::done() {
    if (!thread_)
        return;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    emit finished(error_);
}
