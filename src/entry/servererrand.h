#pragma once

#include "store/database.h"

#include <QObject>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class QThread;

// A station's work with the server's book, done off the window's thread so a server that is
// slow or gone never holds the clerk up: one errand at a time, on connections of the worker's
// own (the station's book and the server's, kept open between errands and opened again after
// a refusal). done() comes on the thread that made this object.
class ServerErrand : public QObject {
    Q_OBJECT
public:
    ServerErrand(const QString& stationPath, const QString& serverLocation,
                 const QString& programFolder, QObject* parent = nullptr);
    ~ServerErrand() override;

    using Work = std::function<void(Database& station, Database& server)>;
    // What refused the errand (none when it was done).
    using Done = std::function<void(const std::optional<StoreError>& refusal)>;
    // Starts an errand; false (and nothing done) while another is under way.
    bool start(Work work, Done done);
    bool busy() const;
    // Blocks until the errand under way is done and its done() has run.
    void waitForDone();
    // From inside an errand: the share of it done, told on the object's thread.
    void report(int percent);

signals:
    void progress(int percent);

private:
    void work();
    void deliver();
    Database& server();

    const QString stationPath_;
    const QString serverLocation_;
    const QString programFolder_;
    std::unique_ptr<Database> station_;
    std::unique_ptr<Database> server_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable finished_;
    Work work_;
    Done done_;
    bool running_ = false;    // an errand is queued or under way
    bool delivered_ = true;   // its done() has run
    std::optional<StoreError> refusal_;
    bool stopping_ = false;
    QThread* thread_ = nullptr;
};
