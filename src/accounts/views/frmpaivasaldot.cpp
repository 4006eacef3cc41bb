#include "accounts/views/frmpaivasaldot.h"

#include "accounts/views/viewdata.h"
#include "accounts/views/viewsupport.h"
#include "core/globals.h"
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
    scrlBar = detail::MakeRowScrollBar(frameTiedot);
    detail::PlaceTwips(scrlBar, rowsWidth, 30, kScrollWidth, height - 60);
    frameTiedot->setFixedSize(ui::TwipsToPixelsX(this, rowsWidth + kScrollWidth + 30), ui::TwipsToPixelsY(this, height));

    Frame1 = detail::MakeHeadings(
        this, rowsWidth,
        {{&lblPvmHeader, QStringLiteral("lblPvmHeader"), QStringLiteral("Päivä"), kPaivaLeft, kPaivaWidth, false},
         {&lblDebetHeader, QStringLiteral("lblDebetHeader"), QStringLiteral("Debet"), kDebetLeft, kAmountWidth, true},
         {&lblKreditHeader, QStringLiteral("lblKreditHeader"), QStringLiteral("Kredit"), kKreditLeft, kAmountWidth, true},
         {&lblErotusHeader, QStringLiteral("lblErotusHeader"), QStringLiteral("Erotus"), kErotusLeft, kAmountWidth, true},
         {&lblSaldoHeader, QStringLiteral("lblSaldoHeader"), QStringLiteral("Saldo yht."), kSaldoLeft, kAmountWidth, true}});

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
    const std::vector<PaivaSaldo> paivat = TilinPaivaSaldot(tlID, core::TilikausiAlku, core::TilikausiLoppu);
    hasDays_ = !paivat.empty();
    // Without days, one unfilled slot.
    const size_t n = std::max<size_t>(paivat.size(), 1);
    paiva_.assign(n, dao::Date::zero());
    debet_.assign(n, dao::Currency());
    kredit_.assign(n, dao::Currency());
    erotus_.assign(n, dao::Currency());
    saldo_.assign(n, dao::Currency());
    for (size_t i = 0; i < paivat.size(); ++i) {
        paiva_[i] = paivat[i].paiva;
        debet_[i] = paivat[i].debet;
        kredit_[i] = paivat[i].kredit;
        erotus_[i] = paivat[i].debet - paivat[i].kredit;
        saldo_[i] = paivat[i].saldo;
    }
    {
        ui::ChangeGuard quiet(scrlBar);
        scrlBar->setValue(0);
        detail::SetScrollRows(scrlBar, int(paivat.size()));
    }
    ShowRows();
}

void frmPaivaSaldot::ShowRows() {
    const int count = hasDays_ ? int(paiva_.size()) : 0;
    rows_->showRows(scrlBar->value(), count, [this](int p) -> QStringList {
        const size_t s = size_t(p);
        return {detail::GeneralDateText(paiva_[s]), debet_[s].toCurrencyString(), kredit_[s].toCurrencyString(),
                erotus_[s].toCurrencyString(), saldo_[s].toCurrencyString()};
    });
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
