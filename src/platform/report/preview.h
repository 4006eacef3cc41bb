#pragma once

// The preview window of a report run: the pages with navigation, zoom and a
// print button. One window per run; it is not modal and deletes itself when
// closed.

#include "platform/report/layout.h"

#include <QWidget>
#include <functional>
#include <memory>

class QGraphicsView;
class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QSpinBox;
class QToolButton;

namespace report {

class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    // printerName and copies preset the print dialog of the print button.
    PreviewWindow(std::shared_ptr<const LaidOutReport> report, const QString& title, const QString& printerName,
                  int copies, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    const LaidOutReport& report() const { return *report_; }
    int pageCount() const;
    int currentPage() const;  // from 1
    double zoomFactor() const;

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

    QPrintPreviewWidget* previewWidget() const { return preview_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintRequested(QPrinter* printer);
    void showTopOfFirstPage();
    void updateNavigation();
    void defaultPrint();

    std::shared_ptr<const LaidOutReport> report_;
    QString printerName_;
    int copies_;
    std::unique_ptr<QPrinter> printer_;
    QPrintPreviewWidget* preview_ = nullptr;
    QSpinBox* pageBox_ = nullptr;
    QLabel* pageCountLabel_ = nullptr;
    QToolButton* firstButton_ = nullptr;
    QToolButton* prevButton_ = nullptr;
    QToolButton* nextButton_ = nullptr;
    QToolButton* lastButton_ = nullptr;
    std::function<void(PreviewWindow&)> printHandler_;
    QGraphicsView* view_ = nullptr;  // the pages' view inside preview_
    bool holdTop_ = true;            // the user has not moved in the pages yet
};

}  // namespace report
