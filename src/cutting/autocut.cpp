#include "cutting/autocut.h"

#include "common/settings.h"

namespace autocut {

Setting read(Database& db) {
    const SettingsRecord settings(db);
    Setting setting;
    setting.on = settings.text(Autocut::ex).trimmed() == QLatin1String("1");
    const int interval = settings.number(Autocut::tim);
    if (interval > 0)
        setting.intervalMs = interval;
    return setting;
}

void setOn(Database& db, bool on) {
    SettingsRecord(db).set(Autocut::ex, on ? QStringLiteral("1") : QStringLiteral("0"));
}

void setInterval(Database& db, int intervalMs) {
    SettingsRecord(db).set(Autocut::tim, QString::number(intervalMs));
}

const QList<int>& intervals() {
    static const QList<int> values = {30000, 60000, 300000, 600000};
    return values;
}

QStringList intervalCaptions() {
    return {QStringLiteral("30วินาที"), QStringLiteral("1นาที"), QStringLiteral("5นาที"),
            QStringLiteral("10นาที")};
}

Countdown::Shown Countdown::tick() {
    Shown shown;
    const qint64 t = interval_;
    shown.percent = static_cast<int>((static_cast<qint64>(elapsed_) + 1000) * 100 / t);
    const double seconds = t / 1000.0;
    shown.secondsLeft = static_cast<int>(seconds - seconds * shown.percent / 100.0);
    shown.red = shown.percent > 80;
    shown.warnRows = shown.percent >= 95;
    elapsed_ += 1000;
    if (elapsed_ > interval_)
        elapsed_ = 0;
    return shown;
}

} // namespace autocut
