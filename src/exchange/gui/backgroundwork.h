#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <exception>
#include <functional>

class QThread;

// Work of many rows done on a thread of its own, so the window is painted and its progress
// shown meanwhile. The work opens its own connections there; what it throws comes back with
// finished() on the window's thread.
class BackgroundWork : public QObject {
    Q_OBJECT
public:
    explicit BackgroundWork(QObject* parent = nullptr);
    ~BackgroundWork() override;

    // Progress the work sets: a stage and whole percent of it.
    struct Progress {
        std::atomic<int> stage{0};
        std::atomic<int> percent{0};
    };
    void start(std::function<void(Progress&)> work);
    bool running() const { return thread_ != nullptr; }
    const Progress& progress() const { return progress_; }
    // Blocks until the work is done and finished() was emitted.
    void wait();

signals:
    // error is null when the work went through.
    void finished(std::exception_ptr error);

private:
    void done();
    QThread* thread_ = nullptr;
    Progress progress_;
    std::exception_ptr error_;
};
