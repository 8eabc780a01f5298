#include "common/backgroundcopies.h"

#include <QThread>
#include <algorithm>
#include <exception>

BackgroundCopies::BackgroundCopies(QObject* parent) : QObject(parent) {
    thread_ = QThread::create([this] { work(); });
    thread_->setObjectName(QStringLiteral("copies"));
    thread_->start(QThread::LowPriority);
}

BackgroundCopies::~BackgroundCopies() {
    waitForDone();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_->wait();
    delete thread_;
}

bool BackgroundCopies::request(const QString& bookPath, const CopyJob& job) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const bool waiting = std::any_of(queue_.begin(), queue_.end(), [&](const auto& queued) {
            return queued.second.target == job.target;
        });
        if (waiting)
            return false;
        queue_.emplace_back(bookPath, job);
    }
    wake_.notify_all();
    return true;
}

void BackgroundCopies::waitForDone() {
    {
        std::unique_lock<std::mutex> lock(mutex_);
        held_ = false;
        wake_.notify_all();
        done_.wait(lock, [this] { return queue_.empty() && !running_; });
    }
    deliver();
}

void BackgroundCopies::hold() {
    std::lock_guard<std::mutex> lock(mutex_);
    held_ = true;
}

void BackgroundCopies::release() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        held_ = false;
    }
    wake_.notify_all();
}

bool BackgroundCopies::idle() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return queue_.empty() && !running_;
}

void BackgroundCopies::work() {
    for (;;) {
        std::pair<QString, CopyJob> next;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || (!held_ && !queue_.empty()); });
            if (stopping_)
                return;
            next = std::move(queue_.front());
            queue_.pop_front();
            running_ = true;
        }
        CopyResult result;
        result.file = next.second.target;
        try {
            // A connection of this thread, closed before the next copy.
            std::unique_ptr<Database> book = Database::openExistingReadOnly(next.first);
            result = runCopy(*book, next.second);
        } catch (const StoreError& error) {
            result.detail = error.message();
            if (error.kind() == StoreError::damaged)
                result.status = CopyResult::Damaged;
        } catch (const std::exception& error) {
            result.detail = QString::fromLocal8Bit(error.what());
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            results_.push_back(result);
            running_ = false;
        }
        done_.notify_all();
        QMetaObject::invokeMethod(this, &BackgroundCopies::deliver, Qt::QueuedConnection);
    }
}

void BackgroundCopies::deliver() {
    for (;;) {
        CopyResult result;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (results_.empty())
                return;
            result = results_.front();
            results_.pop_front();
        }
        emit finished(result);
    }
}
