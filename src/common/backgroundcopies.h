#pragma once

#include "common/copyjob.h"

#include <QObject>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <utility>

class QThread;

// Copies of the book written on a worker thread, one at a time, so the window goes on while
// the book is read (a reader never blocks the writer of the book). Each copy opens its own
// connection to the book inside the worker; finished() comes on the thread that made this
// object.
class BackgroundCopies : public QObject {
    Q_OBJECT
public:
    explicit BackgroundCopies(QObject* parent = nullptr);
    // Writes every copy still queued first.
    ~BackgroundCopies() override;

    // Queues a copy of the database file at bookPath and returns at once; false when a copy to
    // the same target is already waiting.
    bool request(const QString& bookPath, const CopyJob& job);
    // Blocks until every queued copy is written and its finished() was emitted; ends a hold.
    void waitForDone();
    // While held no queued copy starts (the one running goes on): for work that removes the
    // copies' folders.
    void hold();
    void release();
    bool idle() const;

signals:
    void finished(const CopyResult& result);

private:
    void work();
    void deliver();

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::deque<std::pair<QString, CopyJob>> queue_; // waiting, not the one running
    std::deque<CopyResult> results_;                // written, not yet delivered
    bool running_ = false;
    bool held_ = false;
    bool stopping_ = false;
    QThread* thread_ = nullptr;
};
