#include "ui/maskedit.h"

#include <QProxyStyle>

namespace {
class MaskStyle : public QProxyStyle {
public:
    explicit MaskStyle(QChar mask) : mask_(mask) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return mask_.unicode();
        if (hint == SH_LineEdit_PasswordMaskDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

private:
    QChar mask_;
};
} // namespace

QLineEdit* newMaskedEdit(QChar mask, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    auto* style = new MaskStyle(mask);
    style->setParent(edit);
    edit->setStyle(style);
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}
