#include "printing/gui/reportpreview.h"

#include "common/desk.h"
#include "store/database.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace printing {

namespace {
struct State {
    bool testMode = false;
    QList<ReportPreview::Shown> shown;
};

State& state() {
    static State s;
    return s;
}
} // namespace

PageView::PageView(const ReportPainter& painter, QWidget* parent)
    : QWidget(parent), painter_(painter) {
    setObjectName(QStringLiteral("page"));
    setMinimumSize(300, 220);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(120, 120, 120));
    setPalette(palette);
}

void PageView::setPage(int page) {
    page_ = std::clamp(page, 0, painter_.layout().pageCount() - 1);
    update();
}

void PageView::paintEvent(QPaintEvent*) {
    const QSizeF size = painter_.geometry().page;
    const double scale = std::min((width() - 16) / size.width(), (height() - 16) / size.height());
    if (scale <= 0)
        return;
    const QSizeF shown = size * scale;
    const QPointF corner((width() - shown.width()) / 2, (height() - shown.height()) / 2);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(corner + QPointF(3, 3), shown), QColor(60, 60, 60));
    painter.fillRect(QRectF(corner, shown), Qt::white);
    painter.translate(corner);
    painter.scale(scale, scale);
    painter_.paintPage(painter, page_);
}

ReportPreview::ReportPreview(const Report& report, const QString& title, QWidget* parent)
    : QDialog(parent), painter_(report) {
    setObjectName(QStringLiteral("preview"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QToolBar(this);
    layout->addWidget(bar);
    banner_ = new QLabel(this);
    banner_->setObjectName(QStringLiteral("banner"));
    banner_->setStyleSheet(QStringLiteral("background: #ffe45c; color: #b00000; font-weight: bold; "
                                          "padding: 4px;"));
    banner_->setAlignment(Qt::AlignCenter);
    banner_->hide();
    layout->addWidget(banner_);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("pages"));
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setWidgetResizable(true);
    view_ = new PageView(painter_);
    scroll_->setWidget(view_);
    layout->addWidget(scroll_, 1);

    auto add = [&](const QString& name, const QString& caption, QKeySequence key, auto slot) {
        QAction* action = bar->addAction(caption, this, slot);
        action->setObjectName(name);
        action->setShortcut(key);
        return action;
    };
    add(QStringLiteral("print"), QStringLiteral("พิมพ์"), QKeySequence::Print, &ReportPreview::print);
    add(QStringLiteral("pdf"), QStringLiteral("บันทึกเป็น PDF"), QKeySequence::Save,
        &ReportPreview::savePdf);
    bar->addSeparator();
    add(QStringLiteral("first"), QStringLiteral("หน้าแรก"), QKeySequence(Qt::Key_Home),
        &ReportPreview::firstPage);
    add(QStringLiteral("previous"), QStringLiteral("หน้าก่อน"), QKeySequence(Qt::Key_PageUp),
        &ReportPreview::previousPage);
    add(QStringLiteral("next"), QStringLiteral("หน้าถัดไป"), QKeySequence(Qt::Key_PageDown),
        &ReportPreview::nextPage);
    add(QStringLiteral("last"), QStringLiteral("หน้าสุดท้าย"), QKeySequence(Qt::Key_End),
        &ReportPreview::lastPage);
    bar->addSeparator();
    add(QStringLiteral("zoomIn"), QStringLiteral("ขยาย"), QKeySequence::ZoomIn,
        &ReportPreview::zoomIn);
    add(QStringLiteral("zoomOut"), QStringLiteral("ย่อ"), QKeySequence::ZoomOut,
        &ReportPreview::zoomOut);
    add(QStringLiteral("fit"), QStringLiteral("เต็มหน้า"), QKeySequence(Qt::CTRL | Qt::Key_0),
        &ReportPreview::fitPage);
    bar->addSeparator();
    pageLabel_ = new QLabel(bar);
    pageLabel_->setObjectName(QStringLiteral("pageLabel"));
    bar->addWidget(pageLabel_);
    add(QStringLiteral("close"), QStringLiteral("ปิด"), QKeySequence(Qt::Key_Escape),
        &QDialog::accept);
    resize(1100, 760);
    turnTo(0);
}

void ReportPreview::turnTo(int page) {
    view_->setPage(page);
    pageLabel_->setText(QStringLiteral(" หน้า %1 / %2 ").arg(this->page() + 1).arg(pageCount()));
}

void ReportPreview::setZoom(double zoom) {
    zoom_ = std::clamp(zoom, 1.0, 4.0);
    if (zoom_ <= 1.0) {
        scroll_->setWidgetResizable(true);
        return;
    }
    // The page at the scale that fits the window, times the zoom.
    const QSize port = scroll_->viewport()->size();
    const QSizeF page = painter_.geometry().page;
    const double fit =
        std::min((port.width() - 16) / page.width(), (port.height() - 16) / page.height());
    scroll_->setWidgetResizable(false);
    view_->resize((page * std::max(fit, 0.1) * zoom_).toSize() + QSize(16, 16));
}

bool ReportPreview::printTo(QPrinter& printer) const {
    painter_.setUp(printer);
    const bool range = printer.printRange() == QPrinter::PageRange;
    return painter_.paint(printer, range ? printer.fromPage() : 1, range ? printer.toPage() : 0);
}

void ReportPreview::print() {
    QPrinter printer(QPrinter::HighResolution);
    painter_.setUp(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, pageCount());
    dialog.setWindowTitle(windowTitle());
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printTo(printer))
        Dialogs::warning(this, QStringLiteral("พิมพ์ไม่ได้ กรุณาตรวจสอบเครื่องพิมพ์"));
}

void ReportPreview::setBanner(const QString& text) {
    banner_->setText(text);
    banner_->setVisible(!text.isEmpty());
}

void ReportPreview::savePdf() {
    QString name = windowTitle().isEmpty() ? QStringLiteral("report") : windowTitle();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString path = Dialogs::saveFileName(this, QStringLiteral("บันทึกเป็น PDF"),
                                               QDir::home().filePath(name + QStringLiteral(".pdf")),
                                               QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!writePdf(painter_.report(), path, &error))
        Dialogs::warning(this, error);
}

void ReportPreview::show(Desk& desk, const Report& shownReport, const QString& shownTitle) {
    // A past draw's report says which draw it is, on the screen and on paper.
    Report report = shownReport;
    QString title = shownTitle;
    const RunValues& run = desk.run();
    if (desk.readOnly()) {
        report.heading += QStringLiteral("  (") + run.archiveTitle + QLatin1Char(')');
        title += QStringLiteral(" - ") + run.archiveBanner;
    }
    desk.previewOpened();
    if (state().testMode) {
        state().shown.append({title, report});
    } else {
        // A window of its own: a dialog owned by the minimised main window would go with it.
        ReportPreview preview(report, title);
        if (desk.readOnly())
            preview.setBanner(run.archiveBanner);
        preview.setWindowModality(Qt::ApplicationModal);
        preview.setWindowState(Qt::WindowMaximized);
        preview.exec();
    }
    desk.previewClosed();
}

void ReportPreview::showRead(Desk& desk, const std::function<Shown(Database&)>& read) {
    Shown shown;
    try {
        shown = read(*desk.openShared());
    } catch (const StoreError& error) {
        Dialogs::warning(nullptr, error.message());
        return;
    }
    show(desk, shown.report, shown.title);
}

void ReportPreview::setTestMode(bool on) {
    state().testMode = on;
}

const QList<ReportPreview::Shown>& ReportPreview::shown() {
    return state().shown;
}

void ReportPreview::reset() {
    state().shown.clear();
}

} // namespace printing
