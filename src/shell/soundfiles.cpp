#include "shell/soundfiles.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace {
constexpr int kRate = 16000;

// A mono 16-bit tone of the given pitch and length, faded at both ends.
QByteArray tone(double hertz, double seconds) {
    const int samples = static_cast<int>(kRate * seconds);
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 dataBytes = static_cast<quint32>(samples * 2);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(kRate) << quint32(kRate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    const int fade = kRate / 100;
    for (int i = 0; i < samples; ++i) {
        double envelope = 1.0;
        if (i < fade)
            envelope = double(i) / fade;
        else if (samples - i < fade)
            envelope = double(samples - i) / fade;
        const double value = std::sin(2 * M_PI * hertz * i / kRate) * envelope * 12000;
        out << qint16(value);
    }
    return data;
}

double pitchOf(const QString& name) {
    bool digit = false;
    const int n = name.toInt(&digit);
    if (digit)
        return 440.0 * std::pow(2.0, n / 12.0);
    static const QStringList named = {QStringLiteral("enter"), QStringLiteral("mu"),
                                      QStringLiteral("pl"),    QStringLiteral("su"),
                                      QStringLiteral("de"),    QStringLiteral("sound"),
                                      QStringLiteral("beep")};
    return 1000.0 + 150.0 * named.indexOf(name);
}
} // namespace

namespace soundfiles {

QStringList names() {
    QStringList result;
    for (int i = 0; i <= 9; ++i)
        result << QString::number(i);
    result << QStringLiteral("enter") << QStringLiteral("mu") << QStringLiteral("pl")
           << QStringLiteral("su") << QStringLiteral("de") << QStringLiteral("sound")
           << QStringLiteral("beep");
    return result;
}

int writeMissing(const QString& programFolder) {
    const QString folder = programFolder + QStringLiteral("sound/");
    QDir().mkpath(folder);
    int written = 0;
    for (const QString& name : names()) {
        QFile file(folder + name + QStringLiteral(".wav"));
        if (file.exists() || !file.open(QIODevice::WriteOnly))
            continue;
        const bool effect = name == QLatin1String("sound") || name == QLatin1String("beep");
        if (file.write(tone(pitchOf(name), effect ? 0.35 : 0.12)) > 0)
            ++written;
    }
    return written;
}

} // namespace soundfiles
