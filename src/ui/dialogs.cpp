#include "ui/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QQueue>
#include <QTimer>

#include <functional>

namespace {
struct State {
    bool testMode = false;
    QQueue<bool> answers;
    QQueue<QPair<QString, bool>> texts;
    QQueue<QString> files;
    QList<Dialogs::Asked> asked;
    QList<Dialogs::Asked> unanswered;
    std::function<void(const Dialogs::Asked&)> whenAsked;
};

State& state() {
    static State s;
    return s;
}

QString titleOr(const QString& title) {
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

void record(const QString& kind, const QString& title, const QString& text,
            const QString& proposed = QString()) {
    state().asked.append({kind, title, text, proposed});
    if (state().whenAsked)
        state().whenAsked(state().asked.last());
}

// A question with no answer queued: answered No (or cancelled) and noted.
void noteUnanswered() {
    state().unanswered.append(state().asked.last());
}
} // namespace

void Dialogs::info(QWidget* parent, const QString& text, const QString& title) {
    if (state().testMode)
        return record(QStringLiteral("info"), title, text);
    QMessageBox::information(parent, titleOr(title), text);
}

void Dialogs::passingInfo(QWidget* parent, const QString& text, const QString& title,
                          int seconds) {
    if (state().testMode)
        return record(QStringLiteral("info"), title, text);
    QMessageBox box(QMessageBox::Information, titleOr(title), text, QMessageBox::Ok, parent);
    QTimer::singleShot(seconds * 1000, &box, &QMessageBox::accept);
    box.exec();
}

void Dialogs::warning(QWidget* parent, const QString& text, const QString& title) {
    if (state().testMode)
        return record(QStringLiteral("warning"), title, text);
    QMessageBox::warning(parent, titleOr(title), text);
}

bool Dialogs::question(QWidget* parent, const QString& text, const QString& title) {
    if (state().testMode) {
        record(QStringLiteral("question"), title, text);
        if (state().answers.isEmpty()) {
            noteUnanswered();
            return false;
        }
        return state().answers.dequeue();
    }
    return QMessageBox::question(parent, titleOr(title), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QString Dialogs::input(QWidget* parent, const QString& caption, const QString& prompt,
                       const QString& proposed, bool* ok) {
    if (state().testMode) {
        record(QStringLiteral("input"), caption, prompt, proposed);
        if (state().texts.isEmpty()) {
            noteUnanswered();
            *ok = false;
            return QString();
        }
        const auto answer = state().texts.dequeue();
        *ok = answer.second;
        return answer.first;
    }
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(proposed);
    // Wide enough for the caption in the title bar, with room for its buttons.
    const QString title = caption + QStringLiteral(" — ") + QApplication::applicationDisplayName();
    if (auto* edit = dialog.findChild<QLineEdit*>())
        edit->setMinimumWidth(qMin(dialog.fontMetrics().horizontalAdvance(title) + 120, 900));
    *ok = dialog.exec() == QDialog::Accepted;
    return *ok ? dialog.textValue() : QString();
}

QString Dialogs::openFileName(QWidget* parent, const QString& caption, const QString& filter) {
    if (state().testMode) {
        record(QStringLiteral("file"), caption, filter);
        if (state().files.isEmpty()) {
            noteUnanswered();
            return QString();
        }
        return state().files.dequeue();
    }
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString Dialogs::saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                              const QString& filter) {
    if (state().testMode) {
        record(QStringLiteral("file"), caption, filter, proposed);
        if (state().files.isEmpty()) {
            noteUnanswered();
            return QString();
        }
        return state().files.dequeue();
    }
    return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

void Dialogs::setTestMode(bool on) {
    state().testMode = on;
}
void Dialogs::setNextAnswer(bool yes) {
    state().answers.enqueue(yes);
}
void Dialogs::setNextText(const QString& text, bool ok) {
    state().texts.enqueue({text, ok});
}
void Dialogs::setNextFileName(const QString& path) {
    state().files.enqueue(path);
}
const QList<Dialogs::Asked>& Dialogs::asked() {
    return state().asked;
}
Dialogs::Asked Dialogs::last() {
    return state().asked.isEmpty() ? Asked() : state().asked.last();
}
const QList<Dialogs::Asked>& Dialogs::unanswered() {
    return state().unanswered;
}

int Dialogs::queued() {
    return int(state().answers.size() + state().texts.size() + state().files.size());
}

void Dialogs::clear() {
    state().asked.clear();
}

void Dialogs::reset() {
    state().answers.clear();
    state().texts.clear();
    state().files.clear();
    state().asked.clear();
    state().unanswered.clear();
    state().whenAsked = nullptr;
}

void Dialogs::setWhenAsked(std::function<void(const Asked&)> call) {
    state().whenAsked = std::move(call);
}
