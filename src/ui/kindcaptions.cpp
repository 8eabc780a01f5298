#include "ui/kindcaptions.h"

namespace {
// The captions that differ from mode 0; every other kind keeps its mode-0 caption.
struct Renamed {
    Kind kind;
    int mode;
    const char* item;
    const char* menu;
    const char* total; // without the "="
};

const Renamed kRenamed[] = {
    {Kind::h5, 1, "หัว3ตัว", "หัว3ตัว", "หัว3ตัว"},
    {Kind::h4, 1, "หัว3ตัวโต๊ด", "หัว3ตัวโต๊ด", "หัว3ตัวโต๊ด"},
    {Kind::t2, 1, "หัว2ตัว", "หัว2ตัวหน้า", "หัว2ตัว"},
    {Kind::t2, 2, "2ตัวX", "เลข2ตัวx", "เลข2ตัวx"},
};

const Renamed* renamed(Kind kind, int namingMode) {
    for (const Renamed& entry : kRenamed) {
        if (entry.kind == kind && entry.mode == namingMode)
            return &entry;
    }
    return nullptr;
}

QString plain(Kind kind) {
    return QString::fromUtf8(kindInfo(kind).caption);
}

QString totalName(Kind kind, int namingMode) {
    const Renamed* entry = renamed(kind, namingMode);
    return entry ? QString::fromUtf8(entry->total) : plain(kind);
}
} // namespace

QString kindCaption(Kind kind, int namingMode) {
    const Renamed* entry = renamed(kind, namingMode);
    return entry ? QString::fromUtf8(entry->item) : plain(kind);
}

QString menuCaption(Kind kind, int namingMode) {
    const Renamed* entry = renamed(kind, namingMode);
    return entry ? QString::fromUtf8(entry->menu) : plain(kind);
}

QString totalCaption(Kind kind, int namingMode) {
    return totalName(kind, namingMode) + QLatin1Char('=');
}

QString totalHint(Kind kind, int namingMode) {
    return QStringLiteral("แสดงยอด") + totalName(kind, namingMode);
}

QStringList kindCaptions(int namingMode, const std::array<Kind, kKindCount>& order) {
    QStringList captions;
    for (Kind kind : order)
        captions << kindCaption(kind, namingMode);
    return captions;
}
