#include "accounts/views/frmtiliensaldot.h"

#include "accounts/views/tiliensaldo.h"
#include "accounts/views/viewsupport.h"
#include "core/dbc.h"
#include "core/nz.h"
#include "core/puoli.h"
#include "core/ui/translator.h"
#include "platform/sys/mousecursor.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "platform/ui/twips.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace accounts {

namespace {

using detail::RowColumn;
using detail::RowDisplay;

constexpr int kVisibleRows = RowDisplay::kRows;

// Columns in twips: the same places in the headings, the rows and the totals.
constexpr int kTiliLeft = 120, kTiliWidth = 4200;
constexpr int kDebetLeft = 4400, kKreditLeft = 6200, kErotusLeft = 8000, kAmountWidth = 1700;
constexpr int kStripHeight = 360;

}  // namespace

frmTilienSaldot::frmTilienSaldot() : ui::Form(QStringLiteral("frmTilienSaldot")) {
    setWindowTitle(QStringLiteral("Tilien saldot"));

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    mTiedosto = ui::addMenu(menuBar, QStringLiteral("mTiedosto"), QStringLiteral("Tiedosto"));
    auto action = [this](const char* name, const QString& caption, QKeySequence key) {
        return ui::addWindowAction(mTiedosto, this, name, caption, key);
    };
    mPaivitaSaldot = action("mPaivitaSaldot", QStringLiteral("Päivitä saldot"), QKeySequence(Qt::Key_F5));
    mTulosta = action("mTulosta", QStringLiteral("Tulosta"), QKeySequence(Qt::Key_F7));
    mTiedosto->addSeparator();
    mSulje = action("mSulje", QStringLiteral("Sulje"), QKeySequence());

    cPaivitaSaldot = ui::makeButton(this, "cPaivitaSaldot", QStringLiteral("&Päivitä saldot"));
    cSulje = ui::makeButton(this, "cSulje", QStringLiteral("&Sulje"));

    // The rows.
    Frame2 = ui::makeFrame(this, "Frame2");
    frameTiedot = ui::makeFrame(Frame2, "frameTiedot");
    frameTiedot->setFrameShape(QFrame::Box);
    rows_ = std::make_unique<RowDisplay>(
        frameTiedot, std::vector<RowColumn>{{QStringLiteral("lblTili"), QStringLiteral("Tili"), kTiliLeft, kTiliWidth, false},
                                            {QStringLiteral("lblDebet"), QStringLiteral("Debet"), kDebetLeft, kAmountWidth, true},
                                            {QStringLiteral("lblKredit"), QStringLiteral("Kredit"), kKreditLeft, kAmountWidth, true},
                                            {QStringLiteral("lblErotus"), QStringLiteral("Erotus"), kErotusLeft, kAmountWidth, true}});
    const int width = rows_->widthTwips();
    const int height = RowDisplay::heightTwips();
    detail::PlaceTwips(frameTiedot, 0, 0, width, height);

    // The totals under the rows.
    Frame3 = ui::makeFrame(Frame2, "Frame3");
    Frame3->setFrameShape(QFrame::Box);
    detail::PlaceTwips(Frame3, 0, height + 60, width, kStripHeight + 60);
    lblYhteensa = detail::MakeLabel(Frame3, QStringLiteral("lblYhteensa"), QStringLiteral("Yhteensä"), false);
    lblDebetSumma = detail::MakeLabel(Frame3, QStringLiteral("lblDebetSumma"), QStringLiteral("Debet"), true);
    lblKreditSumma = detail::MakeLabel(Frame3, QStringLiteral("lblKreditSumma"), QStringLiteral("Kredit"), true);
    lblErotusSumma = detail::MakeLabel(Frame3, QStringLiteral("lblErotusSumma"), QStringLiteral("Erotus"), true);
    detail::PlaceTwips(lblYhteensa, kTiliLeft, 60, kTiliWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblDebetSumma, kDebetLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblKreditSumma, kKreditLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblErotusSumma, kErotusLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    Frame2->setFixedSize(ui::TwipsToPixelsX(this, width), ui::TwipsToPixelsY(this, height + 60 + kStripHeight + 60));

    // The column headings.
    Frame1 = ui::makeFrame(this, "Frame1");
    Frame1->setFixedSize(ui::TwipsToPixelsX(this, width), ui::TwipsToPixelsY(this, kStripHeight));
    lblTiliHeader = detail::MakeLabel(Frame1, QStringLiteral("lblTiliHeader"), QStringLiteral("Tili"), false);
    lblDebetHeader = detail::MakeLabel(Frame1, QStringLiteral("lblDebetHeader"), QStringLiteral("Debet"), true);
    lblKreditHeader = detail::MakeLabel(Frame1, QStringLiteral("lblKreditHeader"), QStringLiteral("Kredit"), true);
    lblErotusHeader = detail::MakeLabel(Frame1, QStringLiteral("lblErotusHeader"), QStringLiteral("Erotus"), true);
    detail::PlaceTwips(lblTiliHeader, kTiliLeft, 60, kTiliWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblDebetHeader, kDebetLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblKreditHeader, kKreditLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblErotusHeader, kErotusLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    for (QLabel* l : {lblTiliHeader, lblDebetHeader, lblKreditHeader, lblErotusHeader}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }

    scrlBar = new QScrollBar(Qt::Vertical, this);
    scrlBar->setObjectName(QStringLiteral("scrlBar"));
    scrlBar->setSingleStep(1);
    scrlBar->setPageStep(1);
    scrlBar->setMinimum(0);
    scrlBar->setFixedHeight(ui::TwipsToPixelsY(this, height));

    auto* top = new QHBoxLayout;
    top->addWidget(cPaivitaSaldot);
    top->addStretch();
    top->addWidget(cSulje);
    auto* body = new QHBoxLayout;
    body->addWidget(Frame2, 0, Qt::AlignTop);
    body->addWidget(scrlBar, 0, Qt::AlignTop);
    body->addStretch();
    auto* headings = new QHBoxLayout;
    headings->addWidget(Frame1);
    headings->addStretch();
    auto* page = new QVBoxLayout(this);
    page->setMenuBar(menuBar);
    page->addLayout(top);
    page->addLayout(headings);
    page->addLayout(body);
    page->addStretch();
    page->setSizeConstraint(QLayout::SetFixedSize);

    ui::Events::of(cPaivitaSaldot).onClick([this] { PaivitaSaldot(); });
    ui::Events::of(mPaivitaSaldot).onClick([this] { cPaivitaSaldot->click(); });
    ui::Events::of(cSulje).onClick([this] { Sulje(); });
    ui::Events::of(mSulje).onClick([this] { cSulje->click(); });
    ui::Events::of(mTulosta).onClick([this] { Tulosta(); });
    ui::Events::of(scrlBar).onChange([this] { ShowRows(); });
}

frmTilienSaldot::~frmTilienSaldot() = default;

void frmTilienSaldot::Load() {
    run([this] {
        heldRowCount_ = CountTilit();
        CreateRowControls(heldRowCount_);
        CalculateSaldot();
    });
}

void frmTilienSaldot::ReadBookAgain() { PaivitaSaldot(); }

int frmTilienSaldot::CountTilit() {
    dao::Database db = core::DBCon().AvaaDB();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT COUNT(tlID) FROM tl"), dao::RecordsetType::Snapshot);
    int n = 0;
    if (!rs.isEOF()) n = int(core::NzLong(rs.value(QStringLiteral("Expr1000"))));
    rs.Close();
    return n;
}

void frmTilienSaldot::setScrollMax(int entries) {
    // One step even when everything fits: the bar then moves one row.
    scrlBar->setMaximum(entries <= kVisibleRows ? 1 : entries - kVisibleRows);
}

void frmTilienSaldot::CreateRowControls(int n) {
    const int m = std::max(n, kVisibleRows);
    tili_.assign(size_t(m), QString());
    debet_.assign(size_t(m), dao::Currency());
    kredit_.assign(size_t(m), dao::Currency());
    erotus_.assign(size_t(m), dao::Currency());
    rows_->CreateRows();
    ui::ChangeGuard quiet(scrlBar);
    scrlBar->setMinimum(0);
    scrlBar->setValue(0);
    setScrollMax(m);
}

void frmTilienSaldot::RemoveRowControls() {
    tili_.assign(2, QString());
    debet_.assign(2, dao::Currency());
    kredit_.assign(2, dao::Currency());
    erotus_.assign(2, dao::Currency());
    rows_->RemoveRows();
}

void frmTilienSaldot::CalculateSaldot() {
    dao::Database db = core::DBCon().AvaaDB();

    // The sums of every account's entries by side, in one pass over the
    // entries of the year's vouchers; automatic entries left out. Only
    // debit and credit codes count, amounts as stored.
    struct Sums {
        dao::Currency d, k;
    };
    QHash<long, Sums> sums;
    {
        dao::Recordset rs = db.OpenRecordset(
            QStringLiteral("SELECT vitlID, viTyyppi, viArvo FROM to, vi WHERE toID = vitoID AND viAutomaatti = False"),
            dao::RecordsetType::ForwardOnly);
        for (; !rs.isEOF(); rs.MoveNext()) {
            const QString side = core::NzString(rs.value(QStringLiteral("viTyyppi")));
            const bool debet = core::OnDebet(side);
            if (!debet && !core::OnKredit(side)) continue;
            Sums& s = sums[core::NzLong(rs.value(QStringLiteral("vitlID")))];
            const dao::Currency a = core::NzCurrency(rs.value(QStringLiteral("viArvo")));
            (debet ? s.d : s.k) += a;
        }
        rs.Close();
    }

    std::vector<QString> tili;
    std::vector<dao::Currency> debet, kredit;
    dao::Currency totalD, totalK;
    {
        dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT tlID, tlNumero, tlNimi FROM tl ORDER BY tlNumero, tlID"),
                                             dao::RecordsetType::ForwardOnly);
        for (; !rs.isEOF(); rs.MoveNext()) {
            tili.push_back(QString::number(core::NzLong(rs.value(QStringLiteral("tlNumero")))) + QLatin1Char(' ') +
                           core::NzString(rs.value(QStringLiteral("tlNimi"))));
            const Sums s = sums.value(core::NzLong(rs.value(QStringLiteral("tlID"))));
            debet.push_back(s.d);
            kredit.push_back(s.k);
            totalD += s.d;
            totalK += s.k;
        }
        rs.Close();
    }

    // The work table is emptied and refilled whole, or left as it was.
    dao::InTransaction(db, [&] {
        cTilienSaldot().Tyhjenna();
        for (size_t i = 0; i < tili.size(); ++i) {
            cTilienSaldo row;
            row.setTili(tili[i]);
            row.setDebet(debet[i]);
            row.setKredit(kredit[i]);
            row.setErotus(debet[i] - kredit[i]);
            row.Save(true);
            row.Release();
        }
    });

    // The arrays: one entry per account, at least 19.
    const int n = int(tili.size());
    const int m = std::max(n, kVisibleRows);
    tili_.assign(size_t(m), QString());
    debet_.assign(size_t(m), dao::Currency());
    kredit_.assign(size_t(m), dao::Currency());
    erotus_.assign(size_t(m), dao::Currency());
    for (int i = 0; i < n; ++i) {
        tili_[size_t(i)] = tili[size_t(i)];
        debet_[size_t(i)] = debet[size_t(i)];
        kredit_[size_t(i)] = kredit[size_t(i)];
        erotus_[size_t(i)] = debet[size_t(i)] - kredit[size_t(i)];
    }
    if (n != heldRowCount_) {
        // The chart changed between the count and the computation.
        heldRowCount_ = n;
        setScrollMax(m);
    }

    lblDebetSumma->setText(totalD.toCurrencyString());
    lblKreditSumma->setText(totalK.toCurrencyString());
    lblErotusSumma->setText((totalD - totalK).toCurrencyString());
    ShowRows();
}

void frmTilienSaldot::ShowRows() {
    const int last = int(tili_.size()) - 1;
    for (int r = 0; r < kVisibleRows; ++r) {
        const int k = scrlBar->value() + r;
        if (k > last) {
            rows_->clearRow(r);
            continue;
        }
        rows_->setRow(r, {tili_[size_t(k)], debet_[size_t(k)].toCurrencyString(),
                          kredit_[size_t(k)].toCurrencyString(), erotus_[size_t(k)].toCurrencyString()});
    }
}

void frmTilienSaldot::PaivitaSaldot() {
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    run([this] {
        const int c = CountTilit();
        if (c != heldRowCount_) {
            RemoveRowControls();
            CreateRowControls(c);
            heldRowCount_ = c;
        }
        CalculateSaldot();
    });
}

void frmTilienSaldot::Tulosta() {
    run([] {
        // The heading titles the preview and names the printed document.
        detail::PrintWorkTable(QStringLiteral("tilisald.rpt"),
                               core::TranslateStr(QStringLiteral("frmTilienSaldot"), QStringLiteral("Tilien saldot")),
                               QStringLiteral("+{tlSaldot.tlsID}"));
    });
}

void frmTilienSaldot::Sulje() { ui::Forms::unload(*this); }

}  // namespace accounts
