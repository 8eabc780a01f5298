#include "store/password.h"

#include <cstdint>

namespace {
// Windows-874 bytes 0x80-0x9F that are not Thai letters.
struct Extra {
    char16_t unicode;
    unsigned char byte;
};
constexpr Extra kExtras[] = {{0x20AC, 0x80}, {0x2026, 0x85}, {0x2018, 0x91}, {0x2019, 0x92},
                             {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96},
                             {0x2014, 0x97}, {0x00A0, 0xA0}};
} // namespace

QByteArray toThaiCodePage(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        unsigned char byte = '?';
        if (u < 0x80) {
            byte = static_cast<unsigned char>(u);
        } else if ((u >= 0x0E01 && u <= 0x0E3A) || (u >= 0x0E3F && u <= 0x0E5B)) {
            byte = static_cast<unsigned char>(u - 0x0E00 + 0xA0);
        } else {
            for (const Extra& extra : kExtras) {
                if (extra.unicode == u)
                    byte = extra.byte;
            }
        }
        out.append(static_cast<char>(byte));
    }
    return out;
}

QString passwordTransform(const QString& text) {
    const QByteArray bytes = toThaiCodePage(text);
    if (bytes.size() < 2)
        return QStringLiteral("0");
    uint32_t h = 0; // unsigned arithmetic gives the 32-bit wrap without overflow
    for (const char c : bytes)
        h = (h + static_cast<unsigned char>(c)) * 7u;
    return QString::number(static_cast<int32_t>(h));
}
