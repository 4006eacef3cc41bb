#include "platform/report/preview.h"

#include "platform/report/error.h"
#include "platform/report/render.h"
#include "platform/report/texts.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/printers.h"

#include <QEvent>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace report {

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

    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    setUpPrinter(*printer_, *report_);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 4, 4, 4);
    // The buttons' texts and tool tips in the user's language.
    firstButton_ = button(this, QStringLiteral("first"), QStringLiteral("|<"),
                          TranslateText(QStringLiteral("reportPreview"), QStringLiteral("Ensimmäinen sivu")));
    prevButton_ = button(this, QStringLiteral("previous"), QStringLiteral("<"),
                         TranslateText(QStringLiteral("reportPreview"), QStringLiteral("Edellinen sivu")));
    pageBox_ = new QSpinBox(this);
    pageBox_->setObjectName(QStringLiteral("pageNumber"));
    pageBox_->setRange(1, std::max(1, report_->pageCount()));
    pageCountLabel_ = new QLabel(QStringLiteral("/ %1").arg(report_->pageCount()), this);
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

    preview_ = new QPrintPreviewWidget(printer_.get(), this);
    preview_->setObjectName(QStringLiteral("pages"));
    preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, &PreviewWindow::paintRequested);
    connect(preview_, &QPrintPreviewWidget::previewChanged, this, [this] {
        if (holdTop_) showTopOfFirstPage();
        updateNavigation();
    });
    // The pages are fitted to the view's width around the view's centre, at
    // every resize too (the desktop maximising the window as it opens), which
    // would leave the page's heading above the view. Until the user moves in
    // the pages the view stays at the top of the first page.
    if (auto* view = preview_->findChild<QGraphicsView*>()) {
        view_ = view;
        const auto release = [this] { holdTop_ = false; };
        connect(view->verticalScrollBar(), &QScrollBar::actionTriggered, this, release);
        connect(view->horizontalScrollBar(), &QScrollBar::actionTriggered, this, release);
        view->viewport()->installEventFilter(this);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(preview_, 1);

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
    preview_->updatePreview();
    preview_->fitToWidth();
    updateNavigation();
}

PreviewWindow::~PreviewWindow() = default;

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
    // A press in the pages starts a drag or a wheel turns them: the user moves.
    if (view_ && watched == view_->viewport() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::Wheel))
        holdTop_ = false;
    return QWidget::eventFilter(watched, event);
}

void PreviewWindow::showTopOfFirstPage() {
    if (!view_) return;
    view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->minimum());
    view_->horizontalScrollBar()->setValue(view_->horizontalScrollBar()->minimum());
}

// The preview's printer paints into the preview's pages, never into a file.
void PreviewWindow::paintRequested(QPrinter* printer) { printPages(*printer, *report_, PdfPainting::PageAfterPage); }

int PreviewWindow::pageCount() const { return report_->pageCount(); }
int PreviewWindow::currentPage() const { return preview_->currentPage(); }
double PreviewWindow::zoomFactor() const { return preview_->zoomFactor(); }

void PreviewWindow::goToPage(int page) {
    holdTop_ = false;
    preview_->setCurrentPage(std::clamp(page, 1, std::max(1, pageCount())));
    updateNavigation();
}
void PreviewWindow::firstPage() { goToPage(1); }
void PreviewWindow::previousPage() { goToPage(currentPage() - 1); }
void PreviewWindow::nextPage() { goToPage(currentPage() + 1); }
void PreviewWindow::lastPage() { goToPage(pageCount()); }
void PreviewWindow::zoomIn() {
    holdTop_ = false;
    preview_->zoomIn(1.25);
}
void PreviewWindow::zoomOut() {
    holdTop_ = false;
    preview_->zoomOut(1.25);
}
void PreviewWindow::fitToWidth() {
    holdTop_ = false;
    preview_->fitToWidth();
}

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
        printPages(printer, *report_);
    } catch (const ReportError& e) {
        ui::Dialogs().messageBox(e.description(), windowTitle(), ui::Buttons::OK, ui::Icon::Exclamation);
    }
}

}  // namespace report
