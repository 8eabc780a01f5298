#include "entry/servererrand.h"

#include "store/location.h"

#include <QThread>
#include <exception>

ServerErrand::ServerErrand(const QString& stationPath, const QString& serverLocation,
                           const QString& programFolder, QObject* parent)
    : QObject(parent), stationPath_(stationPath), serverLocation_(serverLocation),
      programFolder_(programFolder) {
    thread_ = QThread::create([this] { work(); });
    thread_->setObjectName(QStringLiteral("server errands"));
    thread_->start();
}

ServerErrand::~ServerErrand() {
    {
        std::unique_lock<std::mutex> lock(mutex_);
        finished_.wait(lock, [this] { return !running_; });
        stopping_ = true;
    }
    wake_.notify_all();
    thread_->wait();
    delete thread_;
}

bool ServerErrand::start(Work work, Done done) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (running_ || !delivered_)
            return false;
        work_ = std::move(work);
        done_ = std::move(done);
        running_ = true;
        delivered_ = false;
        refusal_.reset();
    }
    wake_.notify_all();
    return true;
}

bool ServerErrand::busy() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return running_ || !delivered_;
}

void ServerErrand::waitForDone() {
    {
        std::unique_lock<std::mutex> lock(mutex_);
        finished_.wait(lock, [this] { return !running_; });
    }
    deliver();
}

void ServerErrand::report(int percent) {
    QMetaObject::invokeMethod(this, [this, percent] { emit progress(percent); },
                              Qt::QueuedConnection);
}

Database& ServerErrand::server() {
    if (!server_)
        server_ = location::openBook(serverLocation_, programFolder_);
    return *server_;
}

void ServerErrand::work() {
    for (;;) {
        Work work;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || (running_ && work_); });
            if (stopping_)
                break;
            work = std::move(work_);
            work_ = nullptr;
        }
        std::optional<StoreError> refusal;
        try {
            if (!station_)
                station_ = Database::openFile(stationPath_);
            work(*station_, server());
        } catch (const StoreError& error) {
            refusal = error;
            // A refused connection is made again for the next errand.
            if (error.kind() == StoreError::serverGone || error.kind() == StoreError::serverLogin ||
                error.kind() == StoreError::noServerBook)
                server_.reset();
        } catch (const std::exception& error) {
            refusal = StoreError(QString::fromLocal8Bit(error.what()));
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            refusal_ = refusal;
            running_ = false;
        }
        finished_.notify_all();
        QMetaObject::invokeMethod(this, &ServerErrand::deliver, Qt::QueuedConnection);
    }
    // The connections were made on this thread and end on it.
    station_.reset();
    server_.reset();
}

void ServerErrand::deliver() {
    Done done;
    std::optional<StoreError> refusal;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (running_ || delivered_)
            return;
        delivered_ = true;
        done = std::move(done_);
        done_ = nullptr;
        refusal = refusal_;
    }
    if (done)
        done(refusal);
}
