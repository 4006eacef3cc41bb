#include "accounts/views/frmtilitarkastelu.h"

#include "accounts/views/tilitarkastelu.h"
#include "accounts/views/viewsupport.h"
#include "core/dbc.h"
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

namespace accounts {

namespace {

using detail::RowColumn;
using detail::RowDisplay;

constexpr int kVisibleRows = RowDisplay::kRows;

// The number column is wide enough for its heading in a larger system font
// ("Numero", "Nummer").
constexpr int kNumeroLeft = 120, kNumeroWidth = 1150;
constexpr int kPaivaLeft = 1350, kPaivaWidth = 1200;
constexpr int kSeliteLeft = 2650, kSeliteWidth = 3500;
constexpr int kDebetLeft = 6250, kKreditLeft = 7850, kErotusLeft = 9450, kAmountWidth = 1500;
constexpr int kStripHeight = 360;

}  // namespace

frmTilitarkastelu::frmTilitarkastelu() : ui::Form(QStringLiteral("frmTilitarkastelu")) {
    setWindowTitle(QStringLiteral("Tilien tarkastelu"));

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    mTiedosto = ui::addMenu(menuBar, QStringLiteral("mTiedosto"), QStringLiteral("Tiedosto"));
    auto action = [this](const char* name, const QString& caption, QKeySequence key) {
        return ui::addWindowAction(mTiedosto, this, name, caption, key);
    };
    mPaivita = action("mPaivita", QStringLiteral("Päivitä"), QKeySequence(Qt::Key_F5));
    mTulosta = action("mTulosta", QStringLiteral("Tulosta"), QKeySequence(Qt::Key_F7));
    mTiedosto->addSeparator();
    mSulje = action("mSulje", QStringLiteral("Sulje"), QKeySequence());

    cPaivita = ui::makeButton(this, "cPaivita", QStringLiteral("&Päivitä tiedot"));
    lblTilinNimi = detail::MakeLabel(this, QStringLiteral("lblTilinNimi"), QStringLiteral("Tilin nimi:"), false);
    cmbTilit = new QComboBox(this);
    cmbTilit->setObjectName(QStringLiteral("cmbTilit"));
    cmbTilit->setEditable(true);
    cmbTilit->setInsertPolicy(QComboBox::NoInsert);
    cmbTilit->setMinimumWidth(ui::TwipsToPixelsX(this, 4000));
    lblTilinNimi->setBuddy(cmbTilit);
    cSulje = ui::makeButton(this, "cSulje", QStringLiteral("&Sulje"));

    Frame2 = ui::makeFrame(this, "Frame2");
    frameTiedot = ui::makeFrame(Frame2, "frameTiedot");
    frameTiedot->setFrameShape(QFrame::Box);
    rows_ = std::make_unique<RowDisplay>(
        frameTiedot,
        std::vector<RowColumn>{{QStringLiteral("lblNumero"), QStringLiteral("Numero"), kNumeroLeft, kNumeroWidth, false},
                               {QStringLiteral("lblPaiva"), QStringLiteral("Päivä"), kPaivaLeft, kPaivaWidth, false},
                               {QStringLiteral("lblSelite"), QStringLiteral("Selite"), kSeliteLeft, kSeliteWidth, false},
                               {QStringLiteral("lblDebet"), QStringLiteral("Debet"), kDebetLeft, kAmountWidth, true},
                               {QStringLiteral("lblKredit"), QStringLiteral("Kredit"), kKreditLeft, kAmountWidth, true},
                               {QStringLiteral("lblErotus"), QStringLiteral("Erotus"), kErotusLeft, kAmountWidth, true}});
    const int width = rows_->widthTwips();
    const int height = RowDisplay::heightTwips();
    detail::PlaceTwips(frameTiedot, 0, 0, width, height);

    Frame3 = ui::makeFrame(Frame2, "Frame3");
    Frame3->setFrameShape(QFrame::Box);
    detail::PlaceTwips(Frame3, 0, height + 60, width, kStripHeight + 60);
    lblYhteensa = detail::MakeLabel(Frame3, QStringLiteral("lblYhteensa"), QStringLiteral("Yhteensä"), false);
    lblDebetSumma = detail::MakeLabel(Frame3, QStringLiteral("lblDebetSumma"), QStringLiteral("Debet"), true);
    lblKreditSumma = detail::MakeLabel(Frame3, QStringLiteral("lblKreditSumma"), QStringLiteral("Kredit"), true);
    lblErotusSumma = detail::MakeLabel(Frame3, QStringLiteral("lblErotusSumma"), QStringLiteral("Erotus"), true);
    detail::PlaceTwips(lblYhteensa, kSeliteLeft, 60, kSeliteWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblDebetSumma, kDebetLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblKreditSumma, kKreditLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblErotusSumma, kErotusLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    Frame2->setFixedSize(ui::TwipsToPixelsX(this, width), ui::TwipsToPixelsY(this, height + 60 + kStripHeight + 60));

    Frame1 = ui::makeFrame(this, "Frame1");
    Frame1->setFixedSize(ui::TwipsToPixelsX(this, width), ui::TwipsToPixelsY(this, kStripHeight));
    Label1 = detail::MakeLabel(Frame1, QStringLiteral("Label1"), QStringLiteral("Numero"), false);
    lblPvmHeader = detail::MakeLabel(Frame1, QStringLiteral("lblPvmHeader"), QStringLiteral("Päivä"), false);
    Label3 = detail::MakeLabel(Frame1, QStringLiteral("Label3"), QStringLiteral("Selite"), false);
    lblDebetHeader = detail::MakeLabel(Frame1, QStringLiteral("lblDebetHeader"), QStringLiteral("Debet"), true);
    lblKreditHeader = detail::MakeLabel(Frame1, QStringLiteral("lblKreditHeader"), QStringLiteral("Kredit"), true);
    lblErotusHeader = detail::MakeLabel(Frame1, QStringLiteral("lblErotusHeader"), QStringLiteral("Erotus"), true);
    detail::PlaceTwips(Label1, kNumeroLeft, 60, kNumeroWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblPvmHeader, kPaivaLeft, 60, kPaivaWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(Label3, kSeliteLeft, 60, kSeliteWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblDebetHeader, kDebetLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblKreditHeader, kKreditLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    detail::PlaceTwips(lblErotusHeader, kErotusLeft, 60, kAmountWidth, RowDisplay::kLabelHeight);
    for (QLabel* l : {Label1, lblPvmHeader, Label3, lblDebetHeader, lblKreditHeader, lblErotusHeader}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }

    scrlBar = new QScrollBar(Qt::Vertical, this);
    scrlBar->setObjectName(QStringLiteral("scrlBar"));
    scrlBar->setMinimum(0);
    scrlBar->setMaximum(1);
    scrlBar->setSingleStep(1);
    scrlBar->setPageStep(1);
    scrlBar->setFixedHeight(ui::TwipsToPixelsY(this, height));

    auto* top = new QHBoxLayout;
    top->addWidget(cPaivita);
    top->addSpacing(12);
    top->addWidget(lblTilinNimi);
    top->addWidget(cmbTilit, 1);
    top->addSpacing(12);
    top->addWidget(cSulje);
    auto* headings = new QHBoxLayout;
    headings->addWidget(Frame1);
    headings->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(Frame2, 0, Qt::AlignTop);
    body->addWidget(scrlBar, 0, Qt::AlignTop);
    body->addStretch();
    auto* page = new QVBoxLayout(this);
    page->setMenuBar(menuBar);
    page->addLayout(top);
    page->addLayout(headings);
    page->addLayout(body);
    page->addStretch();
    page->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(cPaivita, cmbTilit);
    setTabOrder(cmbTilit, cSulje);

    ui::Events::of(cPaivita).onClick([this] { Paivita(); });
    ui::Events::of(mPaivita).onClick([this] { cPaivita->click(); });
    // Choosing a line lists it, also when it is the line already chosen.
    connect(cmbTilit, &QComboBox::activated, this, [this](int) { Paivita(); });
    ui::Events::of(cSulje).onClick([this] { Sulje(); });
    ui::Events::of(mSulje).onClick([this] { cSulje->click(); });
    ui::Events::of(mTulosta).onClick([this] { Tulosta(); });
    ui::Events::of(scrlBar).onChange([this] { ShowRows(); });
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
    dao::Database db = core::DBCon().AvaaDB();

    struct Row {
        long numero;
        dao::Date paiva;
        QString selite;
        dao::Currency d, k;
    };
    std::vector<Row> found;
    dao::Currency totalD, totalK;
    {
        // Entries of one date come in voucher and entry order.
        dao::Recordset rs = db.OpenRecordset(
            QStringLiteral("SELECT toNumero, toPvm, toSelite, viTyyppi, viArvo FROM vi, to "
                           "WHERE toNumero >= 0 AND vitoID = toID AND vitlID = ? ORDER BY toPvm, toNumero, viID"),
            dao::RecordsetType::ForwardOnly, {dao::Variant(id)});
        for (; !rs.isEOF(); rs.MoveNext()) {
            Row r{core::NzLong(rs.value(QStringLiteral("toNumero"))), core::NzDate(rs.value(QStringLiteral("toPvm"))),
                  core::NzString(rs.value(QStringLiteral("toSelite"))), {}, {}};
            // The side: debit or credit; any other entry is listed with zeros.
            const QString side = core::NzString(rs.value(QStringLiteral("viTyyppi")));
            const dao::Currency a = core::NzCurrency(rs.value(QStringLiteral("viArvo")));
            if (core::OnDebet(side)) {
                r.d = a;
                totalD += a;
            } else if (core::OnKredit(side)) {
                r.k = a;
                totalK += a;
            }
            found.push_back(std::move(r));
        }
        rs.Close();
    }

    dao::InTransaction(db, [&] {
        cTiliTarkastelut().Tyhjenna();
        for (const Row& r : found) {
            cTiliTarkastelu row;
            row.setNumero(r.numero);
            row.setSelite(r.selite);
            row.setPaiva(r.paiva);
            row.setDebet(r.d);
            row.setKredit(r.k);
            row.setErotus(r.d - r.k);
            row.Save(true);
            row.Release();
        }
    });

    const size_t n = std::max<size_t>(found.size(), 1);
    numero_.assign(n, 0);
    paiva_.assign(n, dao::Date::zero());
    selite_.assign(n, QString());
    debet_.assign(n, dao::Currency());
    kredit_.assign(n, dao::Currency());
    erotus_.assign(n, dao::Currency());
    for (size_t i = 0; i < found.size(); ++i) {
        numero_[i] = found[i].numero;
        paiva_[i] = found[i].paiva;
        selite_[i] = found[i].selite;
        debet_[i] = found[i].d;
        kredit_[i] = found[i].k;
        erotus_[i] = found[i].d - found[i].k;
    }
    noEntries_ = found.empty();
    {
        ui::ChangeGuard quiet(scrlBar);
        scrlBar->setValue(0);
        const int count = int(found.size());
        scrlBar->setMaximum(count < 20 ? 1 : count - kVisibleRows);
    }

    lblDebetSumma->setText(totalD.toCurrencyString());
    lblKreditSumma->setText(totalK.toCurrencyString());
    lblErotusSumma->setText((totalD - totalK).toCurrencyString());
    ShowRows();
}

void frmTilitarkastelu::ShowRows() {
    const int last = int(numero_.size()) - 1;
    for (int r = 0; r < kVisibleRows; ++r) {
        const int k = scrlBar->value() + r;
        if (noEntries_ || k > last) {
            rows_->clearRow(r);
            continue;
        }
        const size_t i = size_t(k);
        rows_->setRow(r, {QString::number(numero_[i]), detail::GeneralDateText(paiva_[i]), selite_[i],
                          debet_[i].toCurrencyString(), kredit_[i].toCurrencyString(),
                          erotus_[i].toCurrencyString()});
    }
}

void frmTilitarkastelu::Paivita() {
    long id = 0;
    if (!detail::ChosenItemData(cmbTilit, &id)) return;
    run([this, id] { CalculateTarkastelu(id); });
}

void frmTilitarkastelu::Tulosta() {
    run([] {
        // The heading titles the preview and names the printed document.
        detail::PrintWorkTable(QStringLiteral("tilitark.rpt"),
                               core::TranslateStr(QStringLiteral("frmTilitarkastelu"), QStringLiteral("Tilitarkastelu")),
                               QStringLiteral("+{tlTarkastelut.tltID}"));
    });
}

void frmTilitarkastelu::Sulje() {
    run([this] { CalculateTarkastelu(0); });
    ui::Forms::unload(*this);
}

}  // namespace accounts
