#include "ui/bannerframe.h"

#include <QLabel>
#include <QVBoxLayout>

BannerFrame::BannerFrame(QWidget* window, const QString& banner, const QString& title,
                         std::shared_ptr<void> keep)
    : window_(window), keep_(std::move(keep)) {
    setObjectName(QStringLiteral("BannerFrame"));
    setWindowTitle(window->windowTitle() + QStringLiteral(" - ") + title);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* label = new QLabel(banner, this);
    label->setObjectName(QStringLiteral("banner"));
    label->setStyleSheet(QStringLiteral("background: #ffe45c; color: #b00000; font-weight: bold; "
                                        "padding: 4px;"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    layout->addWidget(label);
    layout->addWidget(window, 1);
}

BannerFrame::~BannerFrame() {
    // The window goes while what it was made with is still there.
    delete window_;
}
