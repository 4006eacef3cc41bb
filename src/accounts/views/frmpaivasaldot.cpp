#include "accounts/views/frmpaivasaldot.h"

#include "accounts/views/viewsupport.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/puoli.h"
#include "core/ui/translator.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "platform/ui/twips.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <optional>

namespace accounts {

namespace {

using detail::RowColumn;
using detail::RowDisplay;

constexpr int kVisibleRows = RowDisplay::kRows;

// The date column is wide enough for the message of an account without
// entries ("Ei tapahtumia.", and its translation, also in a larger system
// font) as well as for a date.
constexpr int kPaivaLeft = 120, kPaivaWidth = 1900;
constexpr int kDebetLeft = 2100, kKreditLeft = 3900, kErotusLeft = 5700, kSaldoLeft = 7500, kAmountWidth = 1700;
constexpr int kStripHeight = 360;
constexpr int kScrollWidth = 255;

}  // namespace

frmPaivaSaldot::frmPaivaSaldot() : ui::Form(QStringLiteral("frmPaivaSaldot")) {
    setWindowTitle(QStringLiteral("Kolvio - Päiväsaldot"));

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    mTiedosto = ui::addMenu(menuBar, QStringLiteral("mTiedosto"), QStringLiteral("&Tiedosto"));
    mPaivita = ui::addWindowAction(mTiedosto, this, QStringLiteral("mPaivita"), QStringLiteral("Päivitä"),
                                   QKeySequence(Qt::Key_F5));
    mTiedosto->addSeparator();
    mSulje = ui::addMenuAction(mTiedosto, QStringLiteral("mSulje"), QStringLiteral("Sulje"));

    cPaivita = ui::makeButton(this, "cPaivita", QStringLiteral("&Päivitä tiedot"));
    lblTilinNimi = detail::MakeLabel(this, QStringLiteral("lblTilinNimi"), QStringLiteral("Tilin nimi:"), false);
    cmbTilit = new QComboBox(this);
    cmbTilit->setObjectName(QStringLiteral("cmbTilit"));
    cmbTilit->setEditable(true);
    cmbTilit->setInsertPolicy(QComboBox::NoInsert);
    cmbTilit->setMinimumWidth(ui::TwipsToPixelsX(this, 4000));
    lblTilinNimi->setBuddy(cmbTilit);
    cSulje = ui::makeButton(this, "cSulje", QStringLiteral("&Sulje"));

    frameTiedot = ui::makeFrame(this, "frameTiedot");
    frameTiedot->setFrameShape(QFrame::Box);
    rows_ = std::make_unique<RowDisplay>(
        frameTiedot, std::vector<RowColumn>{{QStringLiteral("lblPaiva"), QString(), kPaivaLeft, kPaivaWidth, false},
                                            {QStringLiteral("lblDebet"), QString(), kDebetLeft, kAmountWidth, true},
                                            {QStringLiteral("lblKredit"), QString(), kKreditLeft, kAmountWidth, true},
                                            {QStringLiteral("lblErotus"), QString(), kErotusLeft, kAmountWidth, true},
                                            {QStringLiteral("lblSaldo"), QString(), kSaldoLeft, kAmountWidth, true}});
    const int rowsWidth = rows_->widthTwips();
    const int height = RowDisplay::heightTwips();
    scrlBar = new QScrollBar(Qt::Vertical, frameTiedot);
    scrlBar->setObjectName(QStringLiteral("scrlBar"));
    scrlBar->setMinimum(0);
    scrlBar->setMaximum(1);
    scrlBar->setSingleStep(1);
    scrlBar->setPageStep(1);
    detail::PlaceTwips(scrlBar, rowsWidth, 30, kScrollWidth, height - 60);
    frameTiedot->setFixedSize(ui::TwipsToPixelsX(this, rowsWidth + kScrollWidth + 30), ui::TwipsToPixelsY(this, height));

    Frame1 = ui::makeFrame(this, "Frame1");
    Frame1->setFixedSize(ui::TwipsToPixelsX(this, rowsWidth), ui::TwipsToPixelsY(this, kStripHeight));
    lblPvmHeader = detail::MakeLabel(Frame1, QStringLiteral("lblPvmHeader"), QStringLiteral("Päivä"), false);
    lblDebetHeader = detail::MakeLabel(Frame1, QStringLiteral("lblDebetHeader"), QStringLiteral("Debet"), true);
    lblKreditHeader = detail::MakeLabel(Frame1, QStringLiteral("lblKreditHeader"), QStringLiteral("Kredit"), true);
    lblErotusHeader = detail::MakeLabel(Frame1, QStringLiteral("lblErotusHeader"), QStringLiteral("Erotus"), true);
    lblSaldoHeader = detail::MakeLabel(Frame1, QStringLiteral("lblSaldoHeader"), QStringLiteral("Saldo yht."), true);
    detail::PlaceTwips(lblPvmHeader, kPaivaLeft, 60, kPaivaWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblDebetHeader, kDebetLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblKreditHeader, kKreditLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblErotusHeader, kErotusLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblSaldoHeader, kSaldoLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    for (QLabel* l : {lblPvmHeader, lblDebetHeader, lblKreditHeader, lblErotusHeader, lblSaldoHeader}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(cPaivita);
    top->addSpacing(12);
    top->addWidget(lblTilinNimi);
    top->addWidget(cmbTilit, 1);
    top->addSpacing(12);
    top->addWidget(cSulje);
    auto* page = new QVBoxLayout(this);
    page->setMenuBar(menuBar);
    page->addLayout(top);
    page->addWidget(Frame1, 0, Qt::AlignLeft);
    page->addWidget(frameTiedot, 0, Qt::AlignLeft);
    page->addStretch();
    resize(ui::TwipsToPixelsX(this, kWidthTwips), ui::TwipsToPixelsY(this, kHeightTwips));

    setTabOrder(cPaivita, cmbTilit);
    setTabOrder(cmbTilit, cSulje);

    ui::Events::of(cPaivita).onClick([this] { Paivita(); });
    ui::Events::of(mPaivita).onClick([this] { Paivita(); });
    ui::Events::of(cSulje).onClick([this] { Sulje(); });
    ui::Events::of(mSulje).onClick([this] { Sulje(); });
    ui::Events::of(scrlBar).onChange([this] { ShowRows(); });
}

frmPaivaSaldot::~frmPaivaSaldot() = default;

void frmPaivaSaldot::Load() {
    run([this] {
        FillTilit();
        CreateRowControls();
        CalculatePaivaSaldot(0);
    });
}

void frmPaivaSaldot::ReadBookAgain() { Paivita(); }

void frmPaivaSaldot::FillTilit() { detail::FillAccountCombo(cmbTilit); }

void frmPaivaSaldot::CreateRowControls() {
    rows_->CreateRows();
    for (int i = 1; i < kVisibleRows; ++i) rows_->clearRow(i);
}

void frmPaivaSaldot::CalculatePaivaSaldot(long tlID) {
    dao::Database db = core::DBCon().AvaaDB();
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT toPvm, viTyyppi, viArvo FROM vi, to WHERE toNumero >= 0 AND toPvm >= ? AND toPvm <= ? "
                       "AND vitoID = toID AND vitlID = ? ORDER BY toPvm"),
        dao::RecordsetType::ForwardOnly,
        {dao::Variant(core::TilikausiAlku), dao::Variant(core::TilikausiLoppu), dao::Variant(tlID)});

    std::vector<dao::Date> paiva;
    std::vector<dao::Currency> debet, kredit, erotus, saldo;
    std::optional<dao::Date> day;  // none before the first entry
    dao::Currency dayD, dayK, totalD, totalK;
    auto closeDay = [&] {
        paiva.push_back(*day);
        debet.push_back(dayD);
        kredit.push_back(dayK);
        erotus.push_back(dayD - dayK);
        saldo.push_back(totalD - totalK);
    };
    for (; !rs.isEOF(); rs.MoveNext()) {
        const dao::Date d = core::NzDate(rs.value(QStringLiteral("toPvm")));
        if (!day || d != *day) {
            if (day) closeDay();
            dayD = dao::Currency();
            dayK = dao::Currency();
            day = d;
        }
        // Only debit and credit codes add to the sums; any entry still opens its day.
        const QString side = core::NzString(rs.value(QStringLiteral("viTyyppi")));
        const dao::Currency a = core::NzCurrency(rs.value(QStringLiteral("viArvo")));
        if (core::OnDebet(side)) {
            dayD += a;
            totalD += a;
        } else if (core::OnKredit(side)) {
            dayK += a;
            totalK += a;
        }
    }
    rs.Close();
    if (day) closeDay();

    hasDays_ = !paiva.empty();
    if (!hasDays_) {
        // One unfilled slot.
        paiva.assign(1, dao::Date::zero());
        debet.assign(1, dao::Currency());
        kredit.assign(1, dao::Currency());
        erotus.assign(1, dao::Currency());
        saldo.assign(1, dao::Currency());
    }
    paiva_ = std::move(paiva);
    debet_ = std::move(debet);
    kredit_ = std::move(kredit);
    erotus_ = std::move(erotus);
    saldo_ = std::move(saldo);
    {
        ui::ChangeGuard quiet(scrlBar);
        scrlBar->setValue(0);
        const int n = hasDays_ ? int(paiva_.size()) : 0;
        scrlBar->setMaximum(n < 20 ? 1 : n - kVisibleRows);
    }
    ShowRows();
}

void frmPaivaSaldot::ShowRows() {
    const int last = int(paiva_.size()) - 1;
    for (int i = 0; i < kVisibleRows; ++i) {
        const int p = scrlBar->value() + i;
        if (!hasDays_ || p > last) {
            rows_->clearRow(i);
            continue;
        }
        const size_t s = size_t(p);
        rows_->setRow(i, {detail::GeneralDateText(paiva_[s]), debet_[s].toCurrencyString(),
                          kredit_[s].toCurrencyString(), erotus_[s].toCurrencyString(),
                          saldo_[s].toCurrencyString()});
    }
    if (!hasDays_)
        rows_->label(0, 0)->setText(core::TranslateStr(QStringLiteral("frmPaivaSaldot"), QStringLiteral("Ei tapahtumia.")));
}

void frmPaivaSaldot::Paivita() {
    long id = 0;
    if (!detail::ChosenItemData(cmbTilit, &id)) return;
    run([this, id] { CalculatePaivaSaldot(id); });
}

void frmPaivaSaldot::Sulje() { ui::Forms::unload(*this); }

}  // namespace accounts
