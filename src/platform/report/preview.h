#pragma once

// The preview window of a report run: the pages with navigation, zoom and a
// print button. One window per run; it is not modal and deletes itself when
// closed.
//
// The window may open while its report is still being laid out: it shows
// the pages there are, more as they come (pagesAdded), and its page count
// once the layout has ended (setLayingOut). Only the pages in view are
// painted, each time they come into view, so a long report costs the
// window nothing but the pages the user looks at.

#include "platform/report/layout.h"

#include <QWidget>
#include <functional>
#include <memory>

class QAbstractScrollArea;
class QLabel;
class QSpinBox;
class QToolButton;

namespace report {

class PageView;

class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    // printerName and copies preset the print dialog of the print button.
    PreviewWindow(std::shared_ptr<const LaidOutReport> report, const QString& title, const QString& printerName,
                  int copies, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    const LaidOutReport& report() const { return *report_; }
    int pageCount() const;    // the pages there are so far
    int currentPage() const;  // from 1
    double zoomFactor() const;

    // The report is still being laid out: pages come (pagesAdded) and its
    // page count is not known. A print then lays the rest out first, with
    // finish, which is true once every page is there (false: the user
    // cancelled, or the layout failed).
    void setLayingOut(bool layingOut);
    void setLayoutFinisher(std::function<bool()> finish) { finishLayout_ = std::move(finish); }
    bool layingOut() const { return layingOut_; }
    // The layout has added pages (or written texts into them).
    void pagesAdded();

    void goToPage(int page);  // from 1; clamped
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void zoomIn();
    void zoomOut();
    void fitToWidth();

    // What the print button does; by default the printer dialog, then print.
    void setPrintHandler(std::function<void(PreviewWindow&)> handler) { printHandler_ = std::move(handler); }
    void print();

    // The pages' view.
    QAbstractScrollArea* pageView() const;

private:
    void updateNavigation();
    void defaultPrint();

    std::shared_ptr<const LaidOutReport> report_;
    QString printerName_;
    int copies_;
    bool layingOut_ = false;
    PageView* view_ = nullptr;
    QSpinBox* pageBox_ = nullptr;
    QLabel* pageCountLabel_ = nullptr;
    QToolButton* firstButton_ = nullptr;
    QToolButton* prevButton_ = nullptr;
    QToolButton* nextButton_ = nullptr;
    QToolButton* lastButton_ = nullptr;
    std::function<void(PreviewWindow&)> printHandler_;
    std::function<bool()> finishLayout_;
};

}  // namespace report
