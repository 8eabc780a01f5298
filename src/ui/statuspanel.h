#pragma once

#include <QLabel>

// A panel of the status bar: a text longer than the panel shows with its middle left out
// and whole in its hint, instead of cut off or pushing the other panels away.
class StatusPanel : public QLabel {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr);
    void setPanelText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
