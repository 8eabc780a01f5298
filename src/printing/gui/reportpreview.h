#pragma once

#include "printing/reportpainter.h"

#include <QDialog>
#include <QList>
#include <QWidget>
#include <functional>

class Database;
class Desk;
class QLabel;
class QPrinter;
class QScrollArea;

namespace printing {

// One page of a report, drawn when it is shown and fitted to the widget.
class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(const ReportPainter& painter, QWidget* parent = nullptr);
    int page() const { return page_; }
    void setPage(int page);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ReportPainter& painter_;
    int page_ = 0;
};

// The preview of a report: one page at a time, drawn as it is turned to, so a report of
// hundreds of pages opens at once; printed to the system's printers or saved as a PDF.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    ReportPreview(const Report& report, const QString& title, QWidget* parent = nullptr);

    // 0-based.
    int page() const { return view_->page(); }
    int pageCount() const { return painter_.layout().pageCount(); }
    const ReportPainter& painter() const { return painter_; }

    // A line above the pages (a past draw's banner).
    void setBanner(const QString& text);

    // Pages from..to of the printer (all when its range is unset); false when it failed.
    bool printTo(QPrinter& printer) const;

    // The one way a report is shown: modal, with the main window minimised meanwhile and
    // maximised after. In test mode nothing is shown: the report is kept and the call returns.
    static void show(Desk& desk, const Report& report, const QString& title);
    struct Shown {
        QString title;
        Report report;
    };
    // Reads a report from the shared book and shows it; a book that cannot be read is said.
    static void showRead(Desk& desk, const std::function<Shown(Database&)>& read);
    static void setTestMode(bool on);
    static const QList<Shown>& shown();
    static void reset();

public slots:
    void firstPage() { turnTo(0); }
    void previousPage() { turnTo(page() - 1); }
    void nextPage() { turnTo(page() + 1); }
    void lastPage() { turnTo(pageCount() - 1); }
    void print();
    void savePdf();
    // 1 is the whole page in the window; larger scrolls.
    void zoomIn() { setZoom(zoom_ * 1.25); }
    void zoomOut() { setZoom(zoom_ / 1.25); }
    void fitPage() { setZoom(1); }

public:
    double zoom() const { return zoom_; }
    const PageView* view() const { return view_; }
    const QScrollArea* scrollArea() const { return scroll_; }

private:
    void turnTo(int page);
    void setZoom(double zoom);

    ReportPainter painter_;
    PageView* view_;
    QScrollArea* scroll_;
    QLabel* pageLabel_;
    QLabel* banner_ = nullptr;
    double zoom_ = 1;
};

} // namespace printing
