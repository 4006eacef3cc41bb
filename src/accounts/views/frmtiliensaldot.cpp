#include "accounts/views/frmtiliensaldot.h"

#include "accounts/views/viewdata.h"
#include "platform/sys/mousecursor.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>

namespace accounts {

namespace {

using detail::RowColumn;
using detail::RowDisplay;

constexpr int kVisibleRows = RowDisplay::kRows;

// Columns in twips: the same places in the headings, the rows and the totals.
constexpr int kTiliLeft = 120, kTiliWidth = 4200;
constexpr int kDebetLeft = 4400, kKreditLeft = 6200, kErotusLeft = 8000, kAmountWidth = 1700;

}  // namespace

frmTilienSaldot::frmTilienSaldot()
    : AmountView(QStringLiteral("frmTilienSaldot"),
                 {QStringLiteral("tilisald.rpt"), QStringLiteral("Tilien saldot"), QStringLiteral("+{tlSaldot.tlsID}")}) {
    setWindowTitle(QStringLiteral("Tilien saldot"));
    mPaivitaSaldot = buildMenu("mPaivitaSaldot", QStringLiteral("Päivitä saldot"));
    cPaivitaSaldot = ui::makeButton(this, "cPaivitaSaldot", QStringLiteral("&Päivitä saldot"));
    cSulje = ui::makeButton(this, "cSulje", QStringLiteral("&Sulje"));
    buildRows({{QStringLiteral("lblTili"), QStringLiteral("Tili"), kTiliLeft, kTiliWidth, false}},
              {{&lblTiliHeader, QStringLiteral("lblTiliHeader"), QStringLiteral("Tili"), kTiliLeft, kTiliWidth, false}},
              {&lblYhteensa, QStringLiteral("lblYhteensa"), QStringLiteral("Yhteensä"), kTiliLeft, kTiliWidth, false},
              {kDebetLeft, kKreditLeft, kErotusLeft, kAmountWidth});

    auto* top = new QHBoxLayout;
    top->addWidget(cPaivitaSaldot);
    top->addStretch();
    top->addWidget(cSulje);
    layOut(top);

    ui::Events::of(cPaivitaSaldot).onClick([this] { PaivitaSaldot(); });
    ui::Events::of(mPaivitaSaldot).onClick([this] { cPaivitaSaldot->click(); });
}

frmTilienSaldot::~frmTilienSaldot() = default;

void frmTilienSaldot::Load() {
    run([this] {
        heldRowCount_ = TilienMaara();
        CreateRowControls(heldRowCount_);
        CalculateSaldot();
    });
}

void frmTilienSaldot::ReadBookAgain() { PaivitaSaldot(); }

void frmTilienSaldot::CreateRowControls(int n) {
    const int m = std::max(n, kVisibleRows);
    tili_.assign(size_t(m), QString());
    clearAmounts(size_t(m));
    rows_->CreateRows();
    ui::ChangeGuard quiet(scrlBar);
    scrlBar->setMinimum(0);
    scrlBar->setValue(0);
    detail::SetScrollRows(scrlBar, m);
}

void frmTilienSaldot::RemoveRowControls() {
    tili_.assign(2, QString());
    clearAmounts(2);
    rows_->RemoveRows();
}

void frmTilienSaldot::CalculateSaldot() {
    // The work table is emptied and refilled whole, or left as it was.
    const std::vector<SaldoRivi> saldot = TilienSaldot();
    KirjoitaSaldot(saldot);

    // The arrays: one entry per account, at least 19.
    const int n = int(saldot.size());
    const int m = std::max(n, kVisibleRows);
    tili_.assign(size_t(m), QString());
    clearAmounts(size_t(m));
    for (size_t i = 0; i < saldot.size(); ++i) {
        tili_[i] = saldot[i].tili;
        debet_[i] = saldot[i].debet;
        kredit_[i] = saldot[i].kredit;
    }
    if (n != heldRowCount_) {
        // The chart changed between the count and the computation.
        heldRowCount_ = n;
        detail::SetScrollRows(scrlBar, m);
    }
    showTotals();
    ShowRows();
}

void frmTilienSaldot::ShowRows() {
    showRows(int(tili_.size()), [this](int i) { return QStringList{tili_[size_t(i)]}; });
}

void frmTilienSaldot::PaivitaSaldot() {
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    run([this] {
        const int c = TilienMaara();
        if (c != heldRowCount_) {
            RemoveRowControls();
            CreateRowControls(c);
            heldRowCount_ = c;
        }
        CalculateSaldot();
    });
}

}  // namespace accounts
