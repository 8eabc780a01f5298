#pragma once

#include <QWidget>
#include <memory>

// A window of a past draw in the main window's frame: the draw's banner above it, and what the
// window was made with (the draw's desk) kept until the window has gone.
class BannerFrame : public QWidget {
    Q_OBJECT
public:
    BannerFrame(QWidget* window, const QString& banner, const QString& title,
                std::shared_ptr<void> keep);
    ~BannerFrame() override;

    QWidget* window() const { return window_; }

private:
    QWidget* window_;
    std::shared_ptr<void> keep_;
};
