#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// Every message box, question, input box and file dialog of the program goes through here.
// In test mode nothing is shown: answers come from the queues and every call is recorded.
class Dialogs {
public:
    struct Asked {
        QString kind; // "info", "warning", "question", "input", "file"
        QString title;
        QString text;
        QString proposed;
    };

    static void info(QWidget* parent, const QString& text, const QString& title = QString());
    // An information box that closes itself after the seconds unless closed before.
    static void passingInfo(QWidget* parent, const QString& text, const QString& title,
                            int seconds);
    static void warning(QWidget* parent, const QString& text, const QString& title = QString());
    // Yes/No; true for Yes.
    static bool question(QWidget* parent, const QString& text, const QString& title = QString());
    // An input box; *ok false when cancelled.
    static QString input(QWidget* parent, const QString& caption, const QString& prompt,
                         const QString& proposed, bool* ok);
    // An open-file dialog; empty when cancelled.
    static QString openFileName(QWidget* parent, const QString& caption, const QString& filter);
    // A save-file dialog proposing a name; empty when cancelled. Answered from the file queue.
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                                const QString& filter);

    static void setTestMode(bool on);
    static void setNextAnswer(bool yes);
    static void setNextText(const QString& text, bool ok = true);
    static void setNextFileName(const QString& path);
    static const QList<Asked>& asked();
    static Asked last();
    // Questions, input boxes and file dialogs asked while no answer was queued.
    static const QList<Asked>& unanswered();
    // Answers, texts and file names still queued.
    static int queued();
    // Forgets what was asked; the queues and the unanswered questions stay.
    static void clear();
    // Forgets everything: what was asked, the queues, the unanswered questions and the call below.
    static void reset();
    // Called as each box is asked, where a shown box would hold the program.
    static void setWhenAsked(std::function<void(const Asked&)> call);
};
