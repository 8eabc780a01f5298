#include "common/desk.h"

#include "platform/platform.h"
#include "store/database.h"
#include "store/location.h"

Desk::Desk(const RunValues& run, QObject* parent) : QObject(parent), run_(run) {
    for (int i = 0; i < 7; ++i)
        status_ << QString();
    connect(&copies_, &BackgroundCopies::finished, this, [this](const CopyResult& result) {
        if (result.status == CopyResult::Damaged)
            bookFoundDamaged();
        else if (result.status == CopyResult::Failed)
            copyFailed(result.file + QStringLiteral(": ") + result.detail);
    });
}

void Desk::copyFailed(const QString& detail) {
    if (copyFailureSaid_)
        return;
    copyFailureSaid_ = true;
    emit copyNotWritten(QStringLiteral("ทำสำเนาฐานข้อมูลสำรองไม่สำเร็จ ฐานข้อมูลยังบันทึกได้ตามปกติ "
                                       "แต่สำเนาล่าสุดไม่ได้ทำใหม่\n") +
                        detail);
}

void Desk::bookFoundDamaged() {
    if (damageSaid_)
        return;
    damageSaid_ = true;
    emit damaged(damagedBookMessage());
}

Desk::~Desk() = default;

Database& Desk::own() {
    if (!own_)
        own_ = openOwn();
    return *own_;
}

void Desk::releaseOwn() {
    own_.reset();
}

std::unique_ptr<Database> Desk::openOwn() const {
    return location::openBook(run_.ownPath(), run_.programFolder);
}

std::unique_ptr<Database> Desk::openShared() const {
    return Database::openExisting(run_.sharedPath);
}

Backups Desk::backups() {
    return Backups(own(), run_.programFolder, run_.isStation() ? QString() : betsLocation(false));
}

QString Desk::betsLocation(bool lanAuto) const {
    const QString path =
        location::betDatabasePath(run_.ownPath(), run_.sharedPath, run_.isStation(), lanAuto);
    return path == run_.ownPath() ? QString() : path;
}

std::unique_ptr<Database> Desk::openOwnLines() const {
    const QString location = betsLocation(false);
    return location.isEmpty() ? openOwn() : Database::openExisting(location);
}

QString Desk::status(int panel) const {
    return status_.value(panel);
}

void Desk::setStatus(int panel, const QString& text) {
    if (panel < 0 || panel >= status_.size() || status_.at(panel) == text)
        return;
    status_[panel] = text;
    emit statusChanged(panel, text);
}

void Desk::endProgram() {
    if (ended_)
        return;
    ended_ = true;
    emit ending();
    Platform::instance().endSameProgram(run_.executablePath);
}

void Desk::kindNamingModeSaved(int mode) {
    if (mode == run_.kindNamingMode)
        return;
    run_.kindNamingMode = mode;
    emit kindNamingModeChanged(mode);
}
