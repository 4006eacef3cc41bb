#include "accounts/views/frmtilitarkastelu.h"

#include "accounts/views/viewdata.h"
#include "accounts/views/viewsupport.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "platform/ui/twips.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace accounts {

namespace {

using detail::RowColumn;
using detail::RowDisplay;

// The number column is wide enough for its heading in a larger system font
// ("Numero", "Nummer").
constexpr int kNumeroLeft = 120, kNumeroWidth = 1150;
constexpr int kPaivaLeft = 1350, kPaivaWidth = 1200;
constexpr int kSeliteLeft = 2650, kSeliteWidth = 3500;
constexpr int kDebetLeft = 6250, kKreditLeft = 7850, kErotusLeft = 9450, kAmountWidth = 1500;

}  // namespace

frmTilitarkastelu::frmTilitarkastelu()
    : AmountView(QStringLiteral("frmTilitarkastelu"), {QStringLiteral("tilitark.rpt"), QStringLiteral("Tilitarkastelu"),
                                                       QStringLiteral("+{tlTarkastelut.tltID}")}) {
    setWindowTitle(QStringLiteral("Tilien tarkastelu"));
    mPaivita = buildMenu("mPaivita", QStringLiteral("Päivitä"));
    cPaivita = ui::makeButton(this, "cPaivita", QStringLiteral("&Päivitä tiedot"));
    lblTilinNimi = detail::MakeLabel(this, QStringLiteral("lblTilinNimi"), QStringLiteral("Tilin nimi:"), false);
    cmbTilit = new QComboBox(this);
    cmbTilit->setObjectName(QStringLiteral("cmbTilit"));
    cmbTilit->setEditable(true);
    cmbTilit->setInsertPolicy(QComboBox::NoInsert);
    cmbTilit->setMinimumWidth(ui::TwipsToPixelsX(this, 4000));
    lblTilinNimi->setBuddy(cmbTilit);
    cSulje = ui::makeButton(this, "cSulje", QStringLiteral("&Sulje"));
    buildRows({{QStringLiteral("lblNumero"), QStringLiteral("Numero"), kNumeroLeft, kNumeroWidth, false},
               {QStringLiteral("lblPaiva"), QStringLiteral("Päivä"), kPaivaLeft, kPaivaWidth, false},
               {QStringLiteral("lblSelite"), QStringLiteral("Selite"), kSeliteLeft, kSeliteWidth, false}},
              {{&Label1, QStringLiteral("Label1"), QStringLiteral("Numero"), kNumeroLeft, kNumeroWidth, false},
               {&lblPvmHeader, QStringLiteral("lblPvmHeader"), QStringLiteral("Päivä"), kPaivaLeft, kPaivaWidth, false},
               {&Label3, QStringLiteral("Label3"), QStringLiteral("Selite"), kSeliteLeft, kSeliteWidth, false}},
              {&lblYhteensa, QStringLiteral("lblYhteensa"), QStringLiteral("Yhteensä"), kSeliteLeft, kSeliteWidth, false},
              {kDebetLeft, kKreditLeft, kErotusLeft, kAmountWidth});

    auto* top = new QHBoxLayout;
    top->addWidget(cPaivita);
    top->addSpacing(12);
    top->addWidget(lblTilinNimi);
    top->addWidget(cmbTilit, 1);
    top->addSpacing(12);
    top->addWidget(cSulje);
    layOut(top);

    setTabOrder(cPaivita, cmbTilit);
    setTabOrder(cmbTilit, cSulje);

    ui::Events::of(cPaivita).onClick([this] { Paivita(); });
    ui::Events::of(mPaivita).onClick([this] { cPaivita->click(); });
    // Choosing a line lists it, also when it is the line already chosen.
    connect(cmbTilit, &QComboBox::activated, this, [this](int) { Paivita(); });
}

frmTilitarkastelu::~frmTilitarkastelu() = default;

void frmTilitarkastelu::Load() {
    run([this] {
        FillTilit();
        CreateRowControls();
        CalculateTarkastelu(0);
    });
}

void frmTilitarkastelu::ReadBookAgain() { Paivita(); }

void frmTilitarkastelu::FillTilit() { detail::FillAccountCombo(cmbTilit); }

void frmTilitarkastelu::CreateRowControls() { rows_->CreateRows(); }

void frmTilitarkastelu::CalculateTarkastelu(long id) {
    const std::vector<TarkasteluRivi> found = TilinViennit(id);
    KirjoitaTarkastelu(found);

    const size_t n = std::max<size_t>(found.size(), 1);
    numero_.assign(n, 0);
    paiva_.assign(n, dao::Date::zero());
    selite_.assign(n, QString());
    clearAmounts(n);
    for (size_t i = 0; i < found.size(); ++i) {
        numero_[i] = found[i].numero;
        paiva_[i] = found[i].paiva;
        selite_[i] = found[i].selite;
        debet_[i] = found[i].debet;
        kredit_[i] = found[i].kredit;
    }
    noEntries_ = found.empty();
    {
        ui::ChangeGuard quiet(scrlBar);
        scrlBar->setValue(0);
        detail::SetScrollRows(scrlBar, int(found.size()));
    }
    showTotals();
    ShowRows();
}

void frmTilitarkastelu::ShowRows() {
    showRows(noEntries_ ? 0 : int(numero_.size()), [this](int k) {
        const size_t i = size_t(k);
        return QStringList{QString::number(numero_[i]), detail::GeneralDateText(paiva_[i]), selite_[i]};
    });
}

void frmTilitarkastelu::Paivita() {
    long id = 0;
    if (!detail::ChosenItemData(cmbTilit, &id)) return;
    run([this, id] { CalculateTarkastelu(id); });
}

void frmTilitarkastelu::Sulje() {
    run([this] { CalculateTarkastelu(0); });
    ui::Forms::unload(*this);
}

}  // namespace accounts
