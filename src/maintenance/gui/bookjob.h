#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QThread;

// Work on the book off the window's thread: its stages come as progress(), its end as
// finished() with the refusal's words (empty when it was done). The work opens connections of
// its own; one work runs at a time.
class BookJob : public QObject {
    Q_OBJECT
public:
    using Progress = std::function<void(int percent, const QString& status)>;
    using Work = std::function<void(const Progress& progress)>;

    explicit BookJob(QObject* parent = nullptr);
    // Waits for the work under way.
    ~BookJob() override;

    void start(Work work);
    bool running() const { return thread_ != nullptr; }
    // Blocks until the work has ended and finished() was emitted.
    void wait();

signals:
    void progress(int percent, const QString& status);
    void finished(const QString& refusal);

private:
    void end(const QString& refusal);

    QThread* thread_ = nullptr;
};
