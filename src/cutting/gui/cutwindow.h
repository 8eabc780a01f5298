#pragma once

#include "cutting/gui/cutpages.h"

#include <QWidget>
#include <array>
#include <memory>

class Database;
class Desk;
class QLabel;
class QListWidget;
class QStackedWidget;
class Tfmshowcut;

// What the two cut windows share: the list of pages on the left (the main page, a cut page and
// a result page per kind), the header naming the page shown, the statistics of a cut page as it
// is shown, and the result page's reports. Showing a page only reads: the kind's latest kept
// and sent lists stay until a cut replaces them.
class CutWindow : public QWidget {
    Q_OBJECT
public:
    CutWindow(Desk& desk, CutVariant variant);
    ~CutWindow() override;

    Database& book() { return *book_; }
    QString header() const;
    // 0 the main page, 1..10 the cut pages, 11..20 the result pages (listing order).
    int page() const;
    CutPage* cutPage(Kind kind) const;
    ResultPage* resultPage(Kind kind) const;
    Tfmshowcut* reports() const { return reports_; }

public slots:
    void showPage(int page);
    void showCutPage(Kind kind);
    void showResultPage(Kind kind);

protected:
    Desk& desk() { return desk_; }
    int namingMode() const { return namingMode_; }
    // The main page's own widgets go here.
    QWidget* mainPage() const { return mainPage_; }
    void setHeaderText(const QString& text);
    // Hides the cut and result pages (the log alone), or the main page (nothing on it to use).
    void showMainPageOnly();
    void hideMainPage();
    // The pay rates as the window read them.
    qint64 rateOf(Kind kind) const { return rates_[static_cast<size_t>(kind)]; }
    void readRates();

    virtual void cut(Kind kind) = 0;
    virtual void halve(Kind kind) = 0;
    // Tells what went wrong; true when it did.
    bool failed(const std::function<void()>& work);

private:
    void pageShown(int page);
    void showSent(Kind kind);

    Desk& desk_;
    CutVariant variant_;
    int namingMode_;
    std::unique_ptr<Database> book_;
    QLabel* header_;
    QListWidget* list_;
    QStackedWidget* stack_;
    QWidget* mainPage_;
    std::array<CutPage*, kKindCount> cutPages_{};
    std::array<ResultPage*, kKindCount> resultPages_{};
    std::array<qint64, kKindCount> rates_{};
    Tfmshowcut* reports_;
};
