#include "platform/report/preview.h"

#include "platform/report/error.h"
#include "platform/report/progress.h"
#include "platform/report/render.h"
#include "platform/report/texts.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/printers.h"

#include <QAbstractScrollArea>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace report {

// The pages one under another on a grey ground, at a zoom; only the pages
// in view are painted, from their laid-out form, each time they are.
class PageView final : public QAbstractScrollArea {
public:
    PageView(std::shared_ptr<const LaidOutReport> report, QWidget* parent)
        : QAbstractScrollArea(parent), report_(std::move(report)) {
        setObjectName(QStringLiteral("pages"));
        setFocusPolicy(Qt::StrongFocus);
        viewport()->setAutoFillBackground(false);
        verticalScrollBar()->setSingleStep(kGap * 2);
        horizontalScrollBar()->setSingleStep(kGap * 2);
        connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
            if (!placing_) current_ = pageAt(verticalScrollBar()->value() + viewport()->height() / 3);
            if (moved) moved();
        });
    }

    int pageCount() const { return int(report_->pages.size()); }
    int current() const { return current_; }  // from 0
    double zoom() const { return zoom_; }

    void setZoom(double zoom) {
        fit_ = false;
        applyZoom(std::clamp(zoom, 0.1, 8.0));
    }
    void fitToWidth() {
        fit_ = true;
        applyZoom(widthZoom());
    }

    // The page (from 0) with its top at the view's top.
    void showPage(int page) {
        current_ = std::clamp(page, 0, std::max(0, pageCount() - 1));
        placeAt(top(current_) - kGap, 0);
    }

    // The layout added pages: painted when they come into view. Texts
    // written into the pages there are: every page in view is painted anew.
    void pagesAdded(bool textsWritten) {
        updateRanges();
        const double bottom = verticalScrollBar()->value() + viewport()->height();
        if (textsWritten || painted_ * (pageHeight() + kGap) < bottom) viewport()->update();
        painted_ = pageCount();
    }

    std::function<void()> moved;  // the current page changed

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(viewport());
        painter.fillRect(viewport()->rect(), palette().color(QPalette::Dark));
        const int n = pageCount();
        if (n == 0) return;
        const double y0 = verticalScrollBar()->value();
        const double h = pageHeight();
        const double x = pageLeft();
        const int first = pageAt(int(y0)), last = pageAt(int(y0) + viewport()->height());
        const double dpiX = viewport()->logicalDpiX(), dpiY = viewport()->logicalDpiY();
        for (int i = first; i <= last && i < n; ++i) {
            const QRectF paper(x, top(i) - y0, pageWidth(), h);
            painter.fillRect(paper.translated(3, 3), palette().color(QPalette::Shadow));
            painter.fillRect(paper, Qt::white);
            painter.save();
            painter.setClipRect(paper);
            painter.translate(paper.topLeft());
            painter.scale(zoom_, zoom_);
            paintPage(painter, *report_, i, dpiX, dpiY);
            painter.restore();
        }
    }

    void resizeEvent(QResizeEvent* event) override {
        QAbstractScrollArea::resizeEvent(event);
        if (fit_) applyZoom(widthZoom());
        else updateRanges();
    }

private:
    static constexpr int kGap = 10;  // pixels around and between the pages

    double pixelsPerPoint() const { return zoom_ * viewport()->logicalDpiX() / 72.0; }
    double pageWidth() const { return report_->pageSize.width() * pixelsPerPoint(); }
    double pageHeight() const { return report_->pageSize.height() * pixelsPerPoint(); }
    double top(int page) const { return kGap + page * (pageHeight() + kGap); }
    double pageLeft() const {
        return std::max<double>(kGap, (viewport()->width() - pageWidth()) / 2) - horizontalScrollBar()->value();
    }
    int pageAt(int y) const {
        return std::clamp(int(std::floor((y - kGap / 2.0) / (pageHeight() + kGap))), 0, std::max(0, pageCount() - 1));
    }
    double widthZoom() const {
        const double paper = report_->pageSize.width() * viewport()->logicalDpiX() / 72.0;
        return paper > 0 ? std::max(0.1, (viewport()->width() - 2.0 * kGap) / paper) : 1.0;
    }

    // The zoom changed: the view shows the same part of the current page.
    void applyZoom(double zoom) {
        const double within = verticalScrollBar()->value() / (pageHeight() + kGap) - current_;
        zoom_ = zoom;
        placeAt((current_ + within) * (pageHeight() + kGap), horizontalScrollBar()->value());
    }

    void placeAt(double y, int x) {
        placing_ = true;
        updateRanges();
        verticalScrollBar()->setValue(int(std::lround(y)));
        horizontalScrollBar()->setValue(x);
        placing_ = false;
        viewport()->update();
        if (moved) moved();
    }

    void updateRanges() {
        const QSize room = viewport()->size();
        const int height = int(std::ceil(top(pageCount())));
        const int width = int(std::ceil(pageWidth() + 2 * kGap));
        verticalScrollBar()->setRange(0, std::max(0, height - room.height()));
        verticalScrollBar()->setPageStep(room.height());
        horizontalScrollBar()->setRange(0, std::max(0, width - room.width()));
        horizontalScrollBar()->setPageStep(room.width());
    }

    std::shared_ptr<const LaidOutReport> report_;
    double zoom_ = 1.0;
    bool fit_ = true;
    int current_ = 0;
    bool placing_ = false;
    int painted_ = 0;  // the pages there were at the last update
};

namespace {

QToolButton* button(QWidget* parent, const QString& objectName, const QString& text, const QString& tip) {
    auto* b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setText(text);
    b->setToolTip(tip);
    b->setAutoRaise(true);
    return b;
}

}  // namespace

PreviewWindow::PreviewWindow(std::shared_ptr<const LaidOutReport> report, const QString& title,
                             const QString& printerName, int copies, QWidget* parent)
    : QWidget(parent, Qt::Window), report_(std::move(report)), printerName_(printerName), copies_(copies) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("reportPreview"));
    setWindowTitle(title);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 4, 4, 4);
    // The buttons' texts and tool tips in the user's language.
    firstButton_ = button(this, QStringLiteral("first"), QStringLiteral("|<"),
                          TranslateText(QStringLiteral("reportPreview"), QStringLiteral("Ensimmäinen sivu")));
    prevButton_ = button(this, QStringLiteral("previous"), QStringLiteral("<"),
                         TranslateText(QStringLiteral("reportPreview"), QStringLiteral("Edellinen sivu")));
    pageBox_ = new QSpinBox(this);
    pageBox_->setObjectName(QStringLiteral("pageNumber"));
    pageCountLabel_ = new QLabel(this);
    pageCountLabel_->setObjectName(QStringLiteral("pageCount"));
    nextButton_ = button(this, QStringLiteral("next"), QStringLiteral(">"),
                         TranslateText(QStringLiteral("reportPreview"), QStringLiteral("Seuraava sivu")));
    lastButton_ = button(this, QStringLiteral("last"), QStringLiteral(">|"),
                         TranslateText(QStringLiteral("reportPreview"), QStringLiteral("Viimeinen sivu")));
    auto* zoomInButton = button(this, QStringLiteral("zoomIn"), QStringLiteral("+"),
                                TranslateText(QStringLiteral("reportPreview"), QStringLiteral("Suurenna")));
    auto* zoomOutButton = button(this, QStringLiteral("zoomOut"), QStringLiteral("-"),
                                 TranslateText(QStringLiteral("reportPreview"), QStringLiteral("Pienennä")));
    auto* fitButton = button(this, QStringLiteral("fitWidth"),
                             TranslateText(QStringLiteral("reportPreview"), QStringLiteral("Sovita")),
                             TranslateText(QStringLiteral("reportPreview"), QStringLiteral("Sovita leveyteen")));
    auto* printButton = button(this, QStringLiteral("print"),
                               TranslateText(QStringLiteral("reportPreview"), QStringLiteral("Tulosta")),
                               TranslateText(QStringLiteral("reportPreview"), QStringLiteral("Tulosta raportti")));
    bar->addWidget(firstButton_);
    bar->addWidget(prevButton_);
    bar->addWidget(pageBox_);
    bar->addWidget(pageCountLabel_);
    bar->addWidget(nextButton_);
    bar->addWidget(lastButton_);
    bar->addSpacing(16);
    bar->addWidget(zoomOutButton);
    bar->addWidget(zoomInButton);
    bar->addWidget(fitButton);
    bar->addStretch(1);
    bar->addWidget(printButton);

    view_ = new PageView(report_, this);
    view_->moved = [this] { updateNavigation(); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);

    connect(firstButton_, &QToolButton::clicked, this, &PreviewWindow::firstPage);
    connect(prevButton_, &QToolButton::clicked, this, &PreviewWindow::previousPage);
    connect(nextButton_, &QToolButton::clicked, this, &PreviewWindow::nextPage);
    connect(lastButton_, &QToolButton::clicked, this, &PreviewWindow::lastPage);
    connect(zoomInButton, &QToolButton::clicked, this, &PreviewWindow::zoomIn);
    connect(zoomOutButton, &QToolButton::clicked, this, &PreviewWindow::zoomOut);
    connect(fitButton, &QToolButton::clicked, this, &PreviewWindow::fitToWidth);
    connect(printButton, &QToolButton::clicked, this, &PreviewWindow::print);
    connect(pageBox_, &QSpinBox::valueChanged, this, [this](int p) {
        if (p != currentPage()) goToPage(p);
    });

    resize(900, 1000);
    view_->fitToWidth();
    setLayingOut(false);
}

PreviewWindow::~PreviewWindow() = default;

QAbstractScrollArea* PreviewWindow::pageView() const { return view_; }

int PreviewWindow::pageCount() const { return view_->pageCount(); }
int PreviewWindow::currentPage() const { return view_->current() + 1; }
double PreviewWindow::zoomFactor() const { return view_->zoom(); }

void PreviewWindow::setLayingOut(bool layingOut) {
    layingOut_ = layingOut;
    view_->pagesAdded(true);  // the texts that show the page count are written at the end
    pagesAdded();
}

void PreviewWindow::pagesAdded() {
    view_->pagesAdded(false);
    const int count = pageCount();
    {
        const QSignalBlocker block(pageBox_);
        pageBox_->setRange(1, std::max(1, count));
    }
    // While the layout goes on, the count is of the pages so far.
    pageCountLabel_->setText(layingOut_ ? QStringLiteral("/ %1\u2026").arg(count) : QStringLiteral("/ %1").arg(count));
    updateNavigation();
}

void PreviewWindow::goToPage(int page) {
    view_->showPage(std::clamp(page, 1, std::max(1, pageCount())) - 1);
    updateNavigation();
}
void PreviewWindow::firstPage() { goToPage(1); }
void PreviewWindow::previousPage() { goToPage(currentPage() - 1); }
void PreviewWindow::nextPage() { goToPage(currentPage() + 1); }
void PreviewWindow::lastPage() { goToPage(pageCount()); }
void PreviewWindow::zoomIn() { view_->setZoom(view_->zoom() * 1.25); }
void PreviewWindow::zoomOut() { view_->setZoom(view_->zoom() / 1.25); }
void PreviewWindow::fitToWidth() { view_->fitToWidth(); }

void PreviewWindow::updateNavigation() {
    const int page = currentPage(), count = pageCount();
    const QSignalBlocker block(pageBox_);
    pageBox_->setValue(std::max(1, page));
    firstButton_->setEnabled(page > 1);
    prevButton_->setEnabled(page > 1);
    nextButton_->setEnabled(page < count);
    lastButton_->setEnabled(page < count);
}

void PreviewWindow::print() {
    // The pages still coming are laid out first; a cancel there prints
    // nothing. (A copy is called: the layout takes its own back as it ends.)
    if (const auto finish = finishLayout_; layingOut_ && !(finish && finish())) return;
    if (printHandler_)
        printHandler_(*this);
    else
        defaultPrint();
}

void PreviewWindow::defaultPrint() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(std::max(1, copies_));
    setUpPrinter(printer, *report_);
    // One question: the printer, or the PDF file with a name made from the
    // report's title.
    ui::PrinterChoice choice;
    if (printerName_ == ui::kPdfPrinter || QPrinterInfo::availablePrinterNames().contains(printerName_))
        choice.printer = printerName_;
    choice.pdfFile = ui::ProposedPdfFile(windowTitle());
    choice.target = &printer;
    choice.pageCount = std::max(1, pageCount());
    if (!ui::Dialogs().choosePrinter(choice)) return;
    try {
        // A long report is painted with its progress shown; what a printer
        // has been sent cannot be taken back, so only a file is cancelled.
        RunProgress progress(windowTitle());
        const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
        progress.setStage(toFile ? RunProgress::Stage::LayingOut : RunProgress::Stage::Printing);
        PageWriter writer(printer);
        writer.setWhileWaiting([&] { progress.step(); });
        const int count = report_->pageCount();
        auto pause = std::chrono::steady_clock::now() + RunProgress::kSlice;
        for (int i = 0; i < count; ++i) {
            writer.page(report_->pages[size_t(i)], *report_);
            if (std::chrono::steady_clock::now() < pause) continue;
            progress.setPages(i + 1, count);
            progress.setWork(i + 1, count);
            progress.step();
            pause = std::chrono::steady_clock::now() + RunProgress::kSlice;
        }
        writer.lastPage(*report_, {});
        if (toFile) progress.setStage(RunProgress::Stage::Writing);
        if (writer.finishesOnAnyThread()) progress.beside([&] { writer.finish(); }, [&] { return writer.abandon(); });
        else writer.finish();
    } catch (const RunCancelled&) {
        // Nothing was written.
    } catch (const ReportError& e) {
        ui::Dialogs().messageBox(e.description(), windowTitle(), ui::Buttons::OK, ui::Icon::Exclamation);
    }
}

}  // namespace report
