#include "store/kindcaptions.h"

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

namespace {
// What the customer windows name differently from the mode-0 captions.
struct CustomerRenamed {
    Kind kind;
    int mode;
    const char* percentColumn;
    const char* rateColumn;
    const char* prompt; // after "ป้อนเปอร์เซ็น"
};

const CustomerRenamed kCustomerRenamed[] = {
    {Kind::t2, 0, "คู่โต๊ด", "คู่โต๊ด", "2ตัวโต๊ด"},
    {Kind::h4, 0, "4ตัว", "4ตัว", "4ตัว"},
    {Kind::h5, 0, "5ตัว", "5ตัว", "5ตัว"},
    {Kind::t2, 1, "หัว2ตัว", "หัว2ตัว", "หัว2ตัว"},
    {Kind::h4, 1, "หัว3ตัวโต๊ด", "หัว3ตัวโต๊ด", "หัว3ตัวโต๊ด"},
    {Kind::h5, 1, "หัว3ตัว", "หัว3ตัว", "หัว3ตัว"},
    {Kind::t2, 2, "เลข2ตัวX", " 2ตัวX", " 2ตัวX"},
    {Kind::h4, 2, "4ตัว", "กลุ่ม4ตัว", "4ตัว"},
    {Kind::h5, 2, "5ตัว", "กลุ่ม5ตัว", "5ตัว"},
};
} // namespace

QString customerCaption(Kind kind, int namingMode, CustomerText text) {
    const int mode = namingMode == 1 || namingMode == 2 ? namingMode : 0;
    QString name = plain(kind);
    for (const CustomerRenamed& entry : kCustomerRenamed) {
        if (entry.kind != kind || entry.mode != mode)
            continue;
        name = QString::fromUtf8(text == CustomerText::percentColumn ? entry.percentColumn
                                 : text == CustomerText::rateColumn  ? entry.rateColumn
                                                                     : entry.prompt);
    }
    return text == CustomerText::percentPrompt ? QStringLiteral("ป้อนเปอร์เซ็น") + name : name;
}
