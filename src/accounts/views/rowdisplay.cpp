#include "accounts/views/rowdisplay.h"

#include "platform/ui/controls.h"
#include "platform/ui/twips.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPalette>
#include <QScrollBar>
#include <QVBoxLayout>

namespace accounts::detail {

void PlaceTwips(QWidget* w, int left, int top, int width, int height) {
    const QWidget* ref = w->parentWidget() ? w->parentWidget() : w;
    QRect r = ui::TwipsToPixels(ref, QRect(left, top, width, height));
    // A label is at least as tall as a line of its font, about the same
    // middle, so that a larger system font is not cut at the top or bottom.
    if (qobject_cast<QLabel*>(w)) {
        const int need = w->fontMetrics().height();
        if (r.height() < need) r.adjust(0, -(need - r.height()) / 2, 0, need - r.height() - (need - r.height()) / 2);
    }
    w->setGeometry(r);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, bool right) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    l->setTextFormat(Qt::PlainText);
    return l;
}

RowDisplay::RowDisplay(QWidget* frame, std::vector<RowColumn> columns)
    : frame_(frame), columns_(std::move(columns)), labels_(columns_.size()) {
    for (int c = 0; c < columnCount(); ++c) labels_[size_t(c)] << makeLabel(c, 0);
    lines_ << makeLine(0);
}

QLabel* RowDisplay::makeLabel(int column, int row) {
    const RowColumn& col = columns_[size_t(column)];
    QLabel* l = MakeLabel(frame_, ui::ArrayName(col.name, row), row == 0 ? col.caption : QString(), col.right);
    PlaceTwips(l, col.left, kFirstTop + kRowStep * row, col.width, kLabelHeight);
    return l;
}

QFrame* RowDisplay::makeLine(int row) {
    auto* f = new QFrame(frame_);
    f->setObjectName(ui::ArrayName(QStringLiteral("lineSeparator"), row));
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Plain);
    f->setLineWidth(1);
    // The colour of the application workspace.
    QPalette p = f->palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Mid));
    f->setPalette(p);
    PlaceTwips(f, 60, kLineY + kRowStep * row, widthTwips() - 120, 15);
    return f;
}

void RowDisplay::CreateRows() {
    for (int i = highestIndex() + 1; i < kRows; ++i) {
        for (int c = 0; c < columnCount(); ++c) {
            QLabel* l = makeLabel(c, i);
            l->setFont(labels_[size_t(c)].front()->font());
            l->show();
            labels_[size_t(c)] << l;
        }
        QFrame* f = makeLine(i);
        f->raise();
        f->show();
        lines_ << f;
    }
}

void RowDisplay::RemoveRows() {
    for (int c = 0; c < columnCount(); ++c) {
        QList<QLabel*>& col = labels_[size_t(c)];
        while (col.size() > 1) delete col.takeLast();
    }
    while (lines_.size() > 1) delete lines_.takeLast();
}

QLabel* RowDisplay::label(int column, int row) const {
    if (column < 0 || column >= columnCount()) return nullptr;
    const QList<QLabel*>& col = labels_[size_t(column)];
    return row >= 0 && row < col.size() ? col[row] : nullptr;
}

QFrame* RowDisplay::line(int row) const { return row >= 0 && row < lines_.size() ? lines_[row] : nullptr; }

void RowDisplay::setRow(int row, const QStringList& texts) {
    for (int c = 0; c < columnCount(); ++c)
        if (QLabel* l = label(c, row)) l->setText(c < texts.size() ? texts[c] : QString());
}

void RowDisplay::clearRow(int row) { setRow(row, {}); }

void RowDisplay::showRows(int first, int count, const std::function<QStringList(int)>& texts) {
    for (int r = 0; r < kRows; ++r) {
        const int i = first + r;
        if (i < count)
            setRow(r, texts(i));
        else
            clearRow(r);
    }
}

int RowDisplay::widthTwips() const {
    int w = 0;
    for (const RowColumn& c : columns_) w = std::max(w, c.left + c.width);
    return w + 120;
}

// ---------------------------------------------------------------- around the rows

void MakeStripLabels(QWidget* strip, std::initializer_list<StripLabel> labels, bool bold) {
    for (const StripLabel& l : labels) {
        QLabel* made = MakeLabel(strip, l.name, l.caption, l.right);
        PlaceTwips(made, l.left, 60, l.width, RowDisplay::kLabelHeight);
        if (bold) {
            QFont f = made->font();
            f.setBold(true);
            made->setFont(f);
        }
        *l.label = made;
    }
}

QFrame* MakeHeadings(QWidget* window, int widthTwips, std::initializer_list<StripLabel> labels) {
    QFrame* strip = ui::makeFrame(window, QStringLiteral("Frame1"));
    strip->setFixedSize(ui::TwipsToPixelsX(window, widthTwips), ui::TwipsToPixelsY(window, kStripHeight));
    MakeStripLabels(strip, labels, true);
    return strip;
}

RowsFrame MakeRowsFrame(QWidget* window) {
    RowsFrame f;
    f.outer = ui::makeFrame(window, QStringLiteral("Frame2"));
    f.rows = ui::makeFrame(f.outer, QStringLiteral("frameTiedot"));
    f.rows->setFrameShape(QFrame::Box);
    return f;
}

QFrame* PlaceTotals(const RowsFrame& frames, const RowDisplay& display, std::initializer_list<StripLabel> labels) {
    const int width = display.widthTwips();
    const int height = RowDisplay::heightTwips();
    PlaceTwips(frames.rows, 0, 0, width, height);
    QFrame* totals = ui::makeFrame(frames.outer, QStringLiteral("Frame3"));
    totals->setFrameShape(QFrame::Box);
    PlaceTwips(totals, 0, height + 60, width, kStripHeight + 60);
    MakeStripLabels(totals, labels, false);
    frames.outer->setFixedSize(ui::TwipsToPixelsX(frames.outer->window(), width),
                               ui::TwipsToPixelsY(frames.outer->window(), height + 60 + kStripHeight + 60));
    return totals;
}

QScrollBar* MakeRowScrollBar(QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setObjectName(QStringLiteral("scrlBar"));
    bar->setMinimum(0);
    bar->setMaximum(1);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}

void SetScrollRows(QScrollBar* bar, int count) {
    bar->setMaximum(count <= RowDisplay::kRows ? 1 : count - RowDisplay::kRows);
}

void LayOutView(QWidget* window, QMenuBar* menuBar, QHBoxLayout* top, QFrame* headings, QFrame* rows, QScrollBar* bar) {
    auto* headingRow = new QHBoxLayout;
    headingRow->addWidget(headings);
    headingRow->addStretch();
    bar->setFixedHeight(ui::TwipsToPixelsY(window, RowDisplay::heightTwips()));
    auto* body = new QHBoxLayout;
    body->addWidget(rows, 0, Qt::AlignTop);
    body->addWidget(bar, 0, Qt::AlignTop);
    body->addStretch();
    auto* page = new QVBoxLayout(window);
    page->setMenuBar(menuBar);
    page->addLayout(top);
    page->addLayout(headingRow);
    page->addLayout(body);
    page->addStretch();
    page->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace accounts::detail
