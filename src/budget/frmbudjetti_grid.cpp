// The budget grid: filling the 16 visible lines, the line look, the three
// kinds of totals, typing into the amount cells and moving with the arrow
// keys.

#include "budget/frmbudjetti.h"

#include "core/ui/amountbox.h"
#include "core/ui/helpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace budget {

namespace {

// A total in the regional currency form; a sum beyond the amounts the
// program keeps shows as "#" marks.
template <class F>
QString totalText(F sum) {
    try {
        return sum().toCurrencyString();
    } catch (const dao::DaoError&) {
        return QStringLiteral("########");
    }
}

}  // namespace

// ================================================================ display

void frmBudjetti::NaytaRivit() {
    bNaytetaan = true;
    const int first = scrlRivi->value();
    const int months = scrlKuukausi->value();
    for (int i = 0; i < kVisibleLines; ++i) {
        const size_t r = size_t(first + i);
        const bool exists = r < lines_.size();
        tOtsakkeet[size_t(i)]->setText(exists ? texts_[r] : QString());
        tOtsakkeet[size_t(i)]->setCursorPosition(0);
        if (!exists || lines_[r]->IsEmpty()) {
            MuotoileRivi(i, false);
            for (int k = 1; k <= kColumns; ++k) Cell(k, i)->setText(QString());
            tYhteensaRivi[size_t(i)]->setText(QString());
        } else {
            MuotoileRivi(i, true);
            for (int k = 1; k <= kColumns; ++k)
                Cell(k, i)->setText(lines_[r]->KuukausiArvo(months + k).toText());
        }
    }
    bNaytetaan = false;
    for (int i = 0; i < kVisibleLines; ++i)
        for (int c = 0; c < kColumns; ++c) LaskeSummat(c, i);
}

void frmBudjetti::MuotoileRivi(int i, bool tilirivi) {
    QLineEdit* title = tOtsakkeet[size_t(i)];
    QFont f = title->font();
    if (f.bold() == tilirivi) {
        // Headings and filler lines stand out in bold.
        f.setBold(!tilirivi);
        title->setFont(f);
    }
    for (int k = 1; k <= kColumns; ++k) {
        QLineEdit* cell = Cell(k, i);
        cell->setEnabled(tilirivi);
        cell->setVisible(tilirivi);
        QPalette pal = cell->palette();
        pal.setColor(QPalette::Base, palette().color(tilirivi ? QPalette::Base : QPalette::Button));
        cell->setPalette(pal);
    }
    tYhteensaRivi[size_t(i)]->setVisible(tilirivi);
}

void frmBudjetti::LaskeSummat(int column, int i) {
    if (bNaytetaan) return;
    const size_t r = size_t(scrlRivi->value() + i);
    if (r >= lines_.size() || lines_[r]->IsEmpty()) {
        tYhteensaRivi[size_t(i)]->setText(QString());
    } else {
        const cBudjetti& line = *lines_[r];
        tYhteensaRivi[size_t(i)]->setText(totalText([&] { return line.Vuosi(); }));
    }
    // Each record once: an account shown on two lines is one budget.
    const int m = scrlKuukausi->value() + column + 1;
    tYhteensaSarake[size_t(column)]->setText(totalText([&] {
        dao::Currency sum;
        for (const cBudjetti* rec : records_) sum += rec->KuukausiArvo(m);
        return sum;
    }));
    tGrossTotal->setText(totalText([&] {
        dao::Currency sum;
        for (const cBudjetti* rec : records_) sum += rec->Vuosi();
        return sum;
    }));
}

// ================================================================ typing

void frmBudjetti::soluMuuttui(int k, int i) {
    // Filling the grid writes the cells; what it shows is already stored.
    if (bNaytetaan) return;
    QLineEdit* cell = Cell(k, i);
    const size_t r = size_t(scrlRivi->value() + i);
    if (r >= lines_.size()) return;
    cBudjetti& line = *lines_[r];
    const int m = scrlKuukausi->value() + k;
    // A text that is no amount (a lone "-" as well) leaves the month with
    // the amount it had; leaving the cell refuses it.
    line.setKuukausiArvo(m, core::TypedAmount(cell));
    LaskeSummat(k - 1, i);
    // Another visible line of the same account shows the new amount too.
    bNaytetaan = true;
    for (int j = 0; j < kVisibleLines; ++j) {
        const size_t other = size_t(scrlRivi->value() + j);
        if (j == i || other >= lines_.size() || lines_[other] != lines_[r]) continue;
        Cell(k, j)->setText(line.KuukausiArvo(m).toText());
        tYhteensaRivi[size_t(j)]->setText(totalText([&] { return line.Vuosi(); }));
    }
    bNaytetaan = false;
}

bool frmBudjetti::hyvaksySolu(int k, int i) {
    const QString title = tOtsakkeet[size_t(i)]->text().trimmed();
    const QString month = lblKuukausi[size_t(k - 1)]->text();
    return core::AcceptAmountBox(Cell(k, i), title.isEmpty() ? month : month + QStringLiteral(" (") + title + u')');
}

void frmBudjetti::hyvaksyKohdistettuSolu() {
    const QWidget* f = focusWidget();
    for (int k = 1; k <= kColumns; ++k)
        for (int i = 0; i < kVisibleLines; ++i)
            if (Cell(k, i) == f) hyvaksySolu(k, i);
}

// ================================================================ arrow keys

// The focus to target, by way of bounce when given, so that entering the
// target always selects its text, also when it had the focus already.
void frmBudjetti::siirry(QLineEdit* bounce, QLineEdit* target) {
    if (bounce && bounce->isVisible() && bounce->isEnabled()) bounce->setFocus(Qt::OtherFocusReason);
    target->setFocus(Qt::OtherFocusReason);
    core::HighlightText(target);
}

void frmBudjetti::nuoli(int k, int i, int keyCode) {
    // A refused text keeps the focus where it was.
    if (!hyvaksySolu(k, i)) return;
    auto bounceCell = [this](int column, int line) { return Cell(column == 1 ? 2 : column - 1, line); };
    auto isAccountLine = [this](int r) { return r >= 0 && size_t(r) < lines_.size() && !lines_[size_t(r)]->IsEmpty(); };
    const int r = scrlRivi->value() + i;
    const int U = UpperBound();
    switch (keyCode) {
    case 37:  // Left
        if (k > 1) {
            siirry(nullptr, Cell(k - 1, i));
        } else {
            if (scrlKuukausi->value() > 0) scrlKuukausi->setValue(scrlKuukausi->value() - 1);
            siirry(Cell(2, i), Cell(1, i));
        }
        break;
    case 39:  // Right
        if (k < kColumns) {
            siirry(nullptr, Cell(k + 1, i));
        } else {
            if (scrlKuukausi->value() < kMonthScrollMax) scrlKuukausi->setValue(scrlKuukausi->value() + 1);
            siirry(Cell(kColumns - 1, i), Cell(kColumns, i));
        }
        break;
    case 40: {  // Down
        int t = r + 1;
        while (t <= U && !isAccountLine(t)) ++t;
        if (t > U) return;
        const int d = t - r;
        if (d <= kVisibleLines - 1 - i) {
            siirry(bounceCell(k, i + d), Cell(k, i + d));
        } else {
            scrlRivi->setValue(scrlRivi->value() + d - (kVisibleLines - 1 - i));
            siirry(bounceCell(k, kVisibleLines - 1), Cell(k, kVisibleLines - 1));
        }
        break;
    }
    case 38: {  // Up
        if (r == 0) return;
        int t = r - 1;
        while (t >= 0 && !isAccountLine(t)) --t;
        if (t < 0) return;
        const int d = r - t;
        if (d <= i) {
            siirry(bounceCell(k, i - d), Cell(k, i - d));
        } else {
            scrlRivi->setValue(scrlRivi->value() + i - d);
            siirry(bounceCell(k, 0), Cell(k, 0));
        }
        break;
    }
    default: break;
    }
}

}  // namespace budget
