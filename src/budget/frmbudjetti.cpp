// The budget window: its controls and layout, opening and closing, the model
// list, the three years and the building of the lines. The grid is in
// frmbudjetti_grid.cpp, the commands in frmbudjetti_commands.cpp and the
// report in frmbudjetti_report.cpp.

#include "budget/frmbudjetti.h"

#include "budget/budjettirivit.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/records/modellist.h"
#include "core/ui/amountbox.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "shell/openers.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <map>

namespace budget {

namespace {

using ui::named;

// A cell that keeps its place in the grid while hidden.
void keepPlace(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

// The look of the title and total cells: read by the user, not typed in.
void makeDisplayCell(QLineEdit* cell, bool bold, bool right) {
    cell->setReadOnly(true);
    cell->setFocusPolicy(Qt::ClickFocus);
    QPalette pal = cell->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    cell->setPalette(pal);
    if (bold) {
        QFont f = cell->font();
        f.setBold(true);
        cell->setFont(f);
    }
    if (right) cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace

// ================================================================ construction

frmBudjetti::frmBudjetti() : ui::Form(QStringLiteral("frmBudjetti")) {
    setWindowTitle(QStringLiteral("Budjetti"));
    for (auto& p : placeholders_) {
        p = std::make_shared<cBudjetti>();
        p->setIsEmpty(true);
    }
    emptyLines();

    auto* outer = new QVBoxLayout(this);
    buildMenus();
    outer->setMenuBar(menuBar);
    buildTop();
    buildGrid();

    auto* top = new QGridLayout;
    top->addWidget(lblMalli, 0, 0);
    top->addWidget(cmbTuloslaskelmat, 0, 1);
    top->addWidget(lblTilikausi, 1, 0);
    top->addWidget(lblJakso, 1, 1);
    top->setColumnStretch(1, 1);
    auto* periods = new QHBoxLayout;
    periods->addWidget(cEdellinen);
    periods->addWidget(cNykyinen);
    periods->addWidget(cTuleva);
    periods->addStretch(1);
    top->addLayout(periods, 1, 2);
    outer->addLayout(top);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cTallenna, cPeru, cPoista, cTulosta, cSulje}) buttons->addWidget(b);
    buttons->addStretch(1);
    outer->addLayout(buttons);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(1);
    grid->addWidget(lblOtsake, 0, 0);
    for (int k = 0; k < kColumns; ++k) grid->addWidget(lblKuukausi[size_t(k)], 0, 1 + k);
    grid->addWidget(lblYhteensa[0], 0, 1 + kColumns);
    for (int i = 0; i < kVisibleLines; ++i) {
        grid->addWidget(tOtsakkeet[size_t(i)], 1 + i, 0);
        for (int k = 0; k < kColumns; ++k) grid->addWidget(tArvo[size_t(k)][size_t(i)], 1 + i, 1 + k);
        grid->addWidget(tYhteensaRivi[size_t(i)], 1 + i, 1 + kColumns);
    }
    grid->addWidget(scrlRivi, 1, 2 + kColumns, kVisibleLines, 1);
    grid->addWidget(lblYhteensa[1], 1 + kVisibleLines, 0);
    for (int k = 0; k < kColumns; ++k) grid->addWidget(tYhteensaSarake[size_t(k)], 1 + kVisibleLines, 1 + k);
    grid->addWidget(tGrossTotal, 1 + kVisibleLines, 1 + kColumns);
    grid->addWidget(scrlKuukausi, 2 + kVisibleLines, 1, 1, kColumns);
    grid->setColumnStretch(0, 3);
    for (int k = 0; k < kColumns + 1; ++k) grid->setColumnStretch(1 + k, 1);
    outer->addLayout(grid);

    frameLasketaan = named(new QGroupBox(this), "frameLasketaan");
    lblLasketaan = named(new QLabel(QStringLiteral("LASKENTA KÄYNNISSÄ..."), frameLasketaan), "lblLasketaan");
    lblLasketaan->setAlignment(Qt::AlignCenter);
    pBar = named(new QProgressBar(frameLasketaan), "pBar");
    pBar->setTextVisible(false);
    pBar->setValue(0);
    auto* frame = new QVBoxLayout(frameLasketaan);
    frame->addWidget(lblLasketaan);
    frame->addWidget(pBar);
    frameLasketaan->hide();
    outer->addWidget(frameLasketaan);
    outer->addStretch(1);

    connectEvents();
    resize(900, 560);
}

frmBudjetti::~frmBudjetti() {
    if (QWidget* f = QApplication::focusWidget(); f && isAncestorOf(f)) f->clearFocus();
}

void frmBudjetti::buildMenus() {
    menuBar = named(new QMenuBar(this), "menuBar");
    auto menu = [this](const char* name, const QString& caption) { return ui::addMenu(menuBar, name, caption); };
    auto action = [this](QMenu* m, const char* name, const QString& caption, QKeySequence key = {}) {
        return ui::addWindowAction(m, this, name, caption, key);
    };
    mTiedosto = menu("mTiedosto", QStringLiteral("&Tiedosto"));
    mEdellinen = action(mTiedosto, "mEdellinen", QStringLiteral("Edellinen budjetti"));
    mNykyinen = action(mTiedosto, "mNykyinen", QStringLiteral("Nykyinen budjetti"));
    mTuleva = action(mTiedosto, "mTuleva", QStringLiteral("Tuleva budjetti"));
    mTiedosto->addSeparator();
    mTulosta = action(mTiedosto, "mTulosta", QStringLiteral("Tulosta"));
    mTiedosto->addSeparator();
    mSulje = action(mTiedosto, "mSulje", QStringLiteral("Sulje"));

    mTietue = menu("mTietue", QStringLiteral("T&ietue"));
    mTallenna = action(mTietue, "mTallenna", QStringLiteral("Tallenna"), QKeySequence(Qt::Key_F3));
    mPoista = action(mTietue, "mPoista", QStringLiteral("Poista"), QKeySequence(Qt::Key_F4));
    mPeru = action(mTietue, "mPeru", QStringLiteral("Peru"), QKeySequence(Qt::CTRL | Qt::Key_Z));

    mToiminto = menu("mToiminto", QStringLiteral("Toiminto"));
    mKopioiNykyinenTulevaksi =
        action(mToiminto, "mKopioiNykyinenTulevaksi", QStringLiteral("Kopioi nykyinen budjetti tulevan pohjaksi"));
}

void frmBudjetti::buildTop() {
    auto button = [this](const char* name, const QString& caption, const QString& tip) {
        auto* b = named(new QPushButton(caption, this), name);
        b->setToolTip(tip);
        b->setFocusPolicy(Qt::TabFocus);
        b->setAutoDefault(false);
        controls_ << b;
        return b;
    };
    lblMalli = named(new QLabel(QStringLiteral("Tuloslaskelmamalli:"), this), "lblMalli");
    cmbTuloslaskelmat = named(new QComboBox(this), "cmbTuloslaskelmat");
    lblTilikausi = named(new QLabel(QStringLiteral("Tilikausi:"), this), "lblTilikausi");
    lblJakso = named(new QLabel(this), "lblJakso");
    QFont bold = lblJakso->font();
    bold.setBold(true);
    lblJakso->setFont(bold);
    controls_ << lblMalli << cmbTuloslaskelmat << lblTilikausi << lblJakso;
    cEdellinen = button("cEdellinen", QStringLiteral("Edellinen"), QStringLiteral("Näytä edellisen budjetti"));
    cNykyinen = button("cNykyinen", QStringLiteral("Nykyinen"), QStringLiteral("Näytä nykyinen budjetti"));
    cTuleva = button("cTuleva", QStringLiteral("Tuleva"), QStringLiteral("Näytä tuleva budjetti"));
    cTallenna = button("cTallenna", QStringLiteral("Tallenna"), QStringLiteral("Tallenna näytöllä oleva budjetti [F3]"));
    cPeru = button("cPeru", QStringLiteral("Peru"), QStringLiteral("Peru tehdyt muutokset [Ctrl+Z]"));
    cPoista = button("cPoista", QStringLiteral("Poista"), QStringLiteral("Poista näytöllä oleva budjetti [F4]"));
    cTulosta = button("cTulosta", QStringLiteral("Tulosta"), QStringLiteral("Tulosta budjetti"));
    cSulje = button("cSulje", QStringLiteral("Sulje"), QStringLiteral("Sulje Budjetti [Alt+F4]"));
}

void frmBudjetti::buildGrid() {
    QFont boldFont = font();
    boldFont.setBold(true);
    auto label = [&](const QString& name, const QString& caption, bool right) {
        auto* l = named(new QLabel(caption, this), name);
        l->setFont(boldFont);
        if (right) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        controls_ << l;
        return l;
    };
    lblOtsake = label(QStringLiteral("lblOtsake"), QStringLiteral("Otsake"), false);
    const QString designMonths[kColumns] = {QStringLiteral("Tammikuu"), QStringLiteral("Helmikuu"),
                                            QStringLiteral("Maaliskuu"), QStringLiteral("Huhtikuu"),
                                            QStringLiteral("Toukokuu")};
    for (int k = 0; k < kColumns; ++k)
        lblKuukausi[size_t(k)] = label(ui::ArrayName(QStringLiteral("lblKuukausi"), k), designMonths[k], true);
    lblYhteensa[0] = label(ui::ArrayName(QStringLiteral("lblYhteensa"), 0), QStringLiteral("Yhteensä"), true);
    lblYhteensa[1] = label(ui::ArrayName(QStringLiteral("lblYhteensa"), 1), QStringLiteral("Yhteensä"), false);

    for (int i = 0; i < kVisibleLines; ++i) {
        auto* title = named(new QLineEdit(this), ui::ArrayName(QStringLiteral("tOtsakkeet"), i));
        makeDisplayCell(title, false, false);
        tOtsakkeet[size_t(i)] = title;
        for (int k = 1; k <= kColumns; ++k) {
            auto* cell = named(new QLineEdit(this), ui::ArrayName(QStringLiteral("tArvo") + QString::number(k), i));
            cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            cell->setFocusPolicy(Qt::StrongFocus);
            keepPlace(cell);
            tArvo[size_t(k - 1)][size_t(i)] = cell;
        }
        auto* total = named(new QLineEdit(this), ui::ArrayName(QStringLiteral("tYhteensaRivi"), i));
        makeDisplayCell(total, true, true);
        keepPlace(total);
        tYhteensaRivi[size_t(i)] = total;
        controls_ << title << total;
        for (int k = 0; k < kColumns; ++k) controls_ << tArvo[size_t(k)][size_t(i)];
    }
    for (int k = 0; k < kColumns; ++k) {
        auto* total = named(new QLineEdit(this), ui::ArrayName(QStringLiteral("tYhteensaSarake"), k));
        makeDisplayCell(total, true, true);
        tYhteensaSarake[size_t(k)] = total;
        controls_ << total;
    }
    tGrossTotal = named(new QLineEdit(this), "tGrossTotal");
    makeDisplayCell(tGrossTotal, true, true);
    controls_ << tGrossTotal;

    scrlRivi = named(new QScrollBar(Qt::Vertical, this), "scrlRivi");
    scrlRivi->setRange(0, 0);
    scrlRivi->setSingleStep(1);
    scrlRivi->setPageStep(1);
    scrlRivi->setEnabled(false);
    scrlKuukausi = named(new QScrollBar(Qt::Horizontal, this), "scrlKuukausi");
    scrlKuukausi->setRange(0, kMonthScrollMax);
    scrlKuukausi->setSingleStep(1);
    scrlKuukausi->setPageStep(1);
    controls_ << scrlRivi << scrlKuukausi;

    // Down each column, then on to the top of the next.
    QWidget* previous = nullptr;
    for (int k = 0; k < kColumns; ++k)
        for (int i = 0; i < kVisibleLines; ++i) {
            QWidget* cell = tArvo[size_t(k)][size_t(i)];
            if (previous) QWidget::setTabOrder(previous, cell);
            previous = cell;
        }
}

void frmBudjetti::connectEvents() {
    auto command = [this](QObject* control, void (frmBudjetti::*f)()) {
        ui::Events::of(control).onClick([this, f] {
            run([this, f] {
                hyvaksyKohdistettuSolu();
                (this->*f)();
            });
        });
    };
    command(cEdellinen, &frmBudjetti::NaytaEdellinen);
    command(cNykyinen, &frmBudjetti::NaytaNykyinen);
    command(cTuleva, &frmBudjetti::NaytaTuleva);
    command(cTallenna, &frmBudjetti::Tallenna);
    command(cPeru, &frmBudjetti::Peru);
    command(cPoista, &frmBudjetti::Poista);
    command(cTulosta, &frmBudjetti::Tulosta);
    command(cSulje, &frmBudjetti::Sulje);
    // The menu items run the buttons.
    const std::pair<QAction*, QPushButton*> runs[] = {
        {mEdellinen, cEdellinen}, {mNykyinen, cNykyinen}, {mTuleva, cTuleva}, {mTulosta, cTulosta},
        {mSulje, cSulje},         {mTallenna, cTallenna}, {mPoista, cPoista}, {mPeru, cPeru}};
    for (const auto& [item, button] : runs)
        ui::Events::of(item).onClick([button = button] {
            if (button->isEnabled()) button->click();
        });
    command(mKopioiNykyinenTulevaksi, &frmBudjetti::KopioiNykyinenTulevaksi);

    ui::Events::of(cmbTuloslaskelmat).onLostFocus([this] { run([this] { mallinVaihto(); }); });
    // A scroll shows other amounts in the cells: the focused cell's text is
    // taken or refused first, while the cell still shows its own month.
    for (QScrollBar* bar : {scrlRivi, scrlKuukausi})
        connect(bar, &QScrollBar::actionTriggered, this, [this] { run([this] { hyvaksyKohdistettuSolu(); }); });
    ui::Events::of(scrlRivi).onChange([this] { NaytaRivit(); });
    ui::Events::of(scrlKuukausi).onChange([this] {
        NaytaKuukaudet();
        NaytaRivit();
    });
    for (int k = 1; k <= kColumns; ++k)
        for (int i = 0; i < kVisibleLines; ++i) {
            QLineEdit* cell = Cell(k, i);
            core::WatchAmountBox(cell);
            ui::Events::of(cell)
                .onChange([this, k, i] { soluMuuttui(k, i); })
                .onGotFocus([cell] { core::HighlightText(cell); })
                .onLostFocus([this, k, i] { run([this, k, i] { hyvaksySolu(k, i); }); })
                .onKeyDown([this, k, i](int& keyCode, int) {
                    if (keyCode < 37 || keyCode > 40) return;
                    const int key = keyCode;
                    keyCode = 0;
                    nuoli(k, i, key);
                });
        }
}

// ================================================================ opening and closing

void frmBudjetti::Load() {
    // Placement and translation are done by the program's load hook.
    jakso_ = kNykyinen;
    LataaKuukausienNimet();
    NaytaKuukaudet();
    run([this] { LataaMallit(); });
    TeeTyhjatRivit();
    run([this] { ValitseJakso(); });
}

void frmBudjetti::Unload() {
    // Closing writes the changed lines; when that fails the user has been
    // told, and the window goes all the same.
    if (!writeLines(true)) discardLines();
    emptyLines();
}

void frmBudjetti::Sulje() { ui::Forms::unload(*this); }

bool frmBudjetti::StorePendingEdits() { return writeLines(false); }

void frmBudjetti::ReadBookAgain() {
    const long model = shownModel_;
    discardLines();
    shownModel_ = 0;
    run([this] { LataaMallit(); });
    if (cmbTuloslaskelmat->count() == 0) {
        NaytaRivit();
        return;
    }
    // A window that found no model before finds one now.
    for (QWidget* w : std::as_const(controls_)) w->setEnabled(true);
    for (QAction* a : menuBar->actions()) {
        a->setEnabled(true);
        if (QMenu* m = a->menu())
            for (QAction* item : m->actions()) item->setEnabled(true);
    }
    if (model != 0) core::SelectComboByItemData(cmbTuloslaskelmat, model);
    run([this] { naytaKausi(jakso_); });
}

void frmBudjetti::LataaKuukausienNimet() {
    const QString s = QStringLiteral("frmBudjetti");
    monthNames_ = {core::TranslateStr(s, QStringLiteral("Tammikuu")),  core::TranslateStr(s, QStringLiteral("Helmikuu")),
                   core::TranslateStr(s, QStringLiteral("Maaliskuu")), core::TranslateStr(s, QStringLiteral("Huhtikuu")),
                   core::TranslateStr(s, QStringLiteral("Toukokuu")),  core::TranslateStr(s, QStringLiteral("Kesäkuu")),
                   core::TranslateStr(s, QStringLiteral("Heinäkuu")),  core::TranslateStr(s, QStringLiteral("Elokuu")),
                   core::TranslateStr(s, QStringLiteral("Syyskuu")),   core::TranslateStr(s, QStringLiteral("Lokakuu")),
                   core::TranslateStr(s, QStringLiteral("Marraskuu")), core::TranslateStr(s, QStringLiteral("Joulukuu"))};
}

void frmBudjetti::NaytaKuukaudet() {
    const int v = scrlKuukausi->value();
    for (int j = 0; j < kColumns; ++j) lblKuukausi[size_t(j)]->setText(monthNames_[size_t(v + j)]);
}

void frmBudjetti::LataaMallit() {
    dao::Database db = core::DBCon().AvaaDB();
    {
        ui::ChangeGuard guard(cmbTuloslaskelmat);
        cmbTuloslaskelmat->clear();
    }
    for (const core::ModelListEntry& m : core::ModelList(db, core::kTuloslaskelma, core::ModelOrder::ByKey))
        cmbTuloslaskelmat->addItem(m.name, QVariant::fromValue<qlonglong>(m.id));
    if (cmbTuloslaskelmat->count() == 0) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmBudjetti"),
                                          QStringLiteral("Tuloslaskelmamalleja ei ole vielä tehty, joten budjettia ei voida tehdä.")));
        PoistaKaytosta();
        SalliSulkeminen();
        return;
    }
    if (core::LastModelForBudget != 0)
        core::SelectComboByItemData(cmbTuloslaskelmat, core::LastModelForBudget);
    else
        cmbTuloslaskelmat->setCurrentIndex(0);
}

void frmBudjetti::TeeTyhjatRivit() {
    for (auto& p : placeholders_) {
        p = std::make_shared<cBudjetti>();
        p->setIsEmpty(true);
    }
    emptyLines();
}

void frmBudjetti::ValitseJakso() {
    if (cmbTuloslaskelmat->count() == 0) return;
    switch (core::LastPeriodForBudget) {
    case kEdellinen: NaytaEdellinen(); break;
    case kTuleva: NaytaTuleva(); break;
    default: NaytaNykyinen(); break;
    }
}

void frmBudjetti::PoistaKaytosta() {
    for (QWidget* w : std::as_const(controls_)) w->setEnabled(false);
    for (QAction* a : menuBar->actions()) {
        a->setEnabled(false);
        if (QMenu* m = a->menu())
            for (QAction* item : m->actions()) item->setEnabled(false);
    }
}

void frmBudjetti::SalliSulkeminen() {
    cSulje->setEnabled(true);
    mTiedosto->menuAction()->setEnabled(true);
    mSulje->setEnabled(true);
}

// ================================================================ years and models

void frmBudjetti::NaytaEdellinen() { naytaKausi(kEdellinen); }
void frmBudjetti::NaytaNykyinen() { naytaKausi(kNykyinen); }
void frmBudjetti::NaytaTuleva() { naytaKausi(kTuleva); }

void frmBudjetti::naytaKausi(long Kausi, bool keepRow) {
    const long shownYear = jakso_;
    jakso_ = Kausi;
    NaytaJakso();
    if (!LataaBudjetti(valittuMalli(), Kausi, keepRow)) {
        // The lines shown stay (they could not be written, or the model
        // chosen has none), and so do the year and the model they belong
        // to, so that what is typed goes where the window says.
        jakso_ = shownYear;
        NaytaJakso();
        if (shownModel_ != 0) core::SelectComboByItemData(cmbTuloslaskelmat, shownModel_);
    }
    NaytaRivit();
}

void frmBudjetti::NaytaJakso() {
    cEdellinen->setEnabled(true);
    cNykyinen->setEnabled(true);
    cTuleva->setEnabled(true);
    const QString s = QStringLiteral("frmBudjetti");
    switch (jakso_) {
    case kEdellinen: lblJakso->setText(core::TranslateStr(s, QStringLiteral("Edellinen"))); break;
    case kNykyinen: lblJakso->setText(core::TranslateStr(s, QStringLiteral("Nykyinen"))); break;
    case kTuleva: lblJakso->setText(core::TranslateStr(s, QStringLiteral("Tuleva"))); break;
    default: break;
    }
}

// Leaving the model list shows the chosen model in the year shown; the
// lines are built again (the changed ones written first) also when the
// model did not change. The same model keeps its row position: the focus
// leaves the list as the user clicks into a cell, and the line under that
// cell must stay the line the user clicked.
void frmBudjetti::mallinVaihto() {
    if (cmbTuloslaskelmat->count() == 0) return;
    const QString s = QStringLiteral("frmBudjetti");
    const QString shown = lblJakso->text();
    if (shown == core::TranslateStr(s, QStringLiteral("Edellinen")))
        naytaKausi(kEdellinen, true);
    else if (shown == core::TranslateStr(s, QStringLiteral("Nykyinen")))
        naytaKausi(kNykyinen, true);
    else if (shown == core::TranslateStr(s, QStringLiteral("Tuleva")))
        naytaKausi(kTuleva, true);
}

long frmBudjetti::valittuMalli() const {
    const int i = cmbTuloslaskelmat->currentIndex();
    return i < 0 ? 0 : long(cmbTuloslaskelmat->itemData(i).toLongLong());
}

// ================================================================ the lines

void frmBudjetti::emptyLines() {
    texts_.assign(kVisibleLines, QString());
    lines_.assign(placeholders_.begin(), placeholders_.end());
    records_.clear();
    lineCount_ = 0;
}

bool frmBudjetti::LataaBudjetti(long maID, long Kausi, bool keepRow) {
    dao::Database db = core::DBCon().AvaaDB();
    const std::vector<BudjettiRivi> rows = MallinRivit(db, maID);
    const int count = int(rows.size());

    // A model without lines builds nothing: the lines shown stay as they
    // are, with their scroll bar.
    if (count < 1) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmBudjetti"),
                                          QStringLiteral("Budjetti vaatii pohjakseen tuloslaskelmamallin, jonka "
                                                         "perusteella budjetti laaditaan")) +
                       QStringLiteral("\r\n\r\n") +
                       core::TranslateStr(QStringLiteral("frmBudjetti"),
                                          QStringLiteral("Tuloslaskelmamallia ei löydy, joten budjettia ei voida tehdä.")));
        return false;
    }
    // The lines shown are written and let go first; when they cannot be
    // written they stay, and so does the grid.
    if (!writeLines(true)) return false;
    keepRow = keepRow && maID == shownModel_ && count == lineCount_;
    emptyLines();
    shownModel_ = maID;
    if (!keepRow) scrlRivi->setValue(0);
    scrlRivi->setMaximum(std::max(0, count - kVisibleLines));
    scrlRivi->setEnabled(count > kVisibleLines);

    std::vector<QString> texts;
    std::vector<std::shared_ptr<cBudjetti>> lines;
    std::vector<cBudjetti*> records;
    std::map<long, std::shared_ptr<cBudjetti>> byAccount;
    try {
        for (const BudjettiRivi& row : rows) {
            texts.push_back(row.teksti);
            if (row.tlID == 0) {
                auto heading = std::make_shared<cBudjetti>();
                heading->setIsEmpty(true);
                lines.push_back(heading);
                continue;
            }
            // An account the model lists twice is one record on both lines.
            std::shared_ptr<cBudjetti>& record = byAccount[row.tlID];
            if (!record) {
                record = std::make_shared<cBudjetti>();
                records.push_back(record.get());
                record->ReadByModelAndAccount(row.tlID, Kausi);
            }
            lines.push_back(record);
        }
    } catch (...) {
        // A read failed: the lines read so far are dropped unwritten.
        for (cBudjetti* r : records) r->Discard();
        throw;
    }
    for (int r = count; r < kVisibleLines; ++r) {
        texts.emplace_back();
        lines.push_back(placeholders_[size_t(r)]);
    }
    texts_ = std::move(texts);
    lines_ = std::move(lines);
    records_ = std::move(records);
    lineCount_ = count;
    return true;
}

bool frmBudjetti::writeLines(bool release) {
    std::vector<cBudjetti::State> before;
    before.reserve(records_.size());
    for (const cBudjetti* r : records_) before.push_back(r->state());
    dao::Database db;
    QString failure;
    try {
        db = core::DBCon().AvaaDB();
        db.BeginTrans();
        for (cBudjetti* r : records_) {
            if (release)
                r->Release();
            else
                r->Save(false);
        }
        db.CommitTrans();
        return true;
    } catch (const std::exception&) {
        failure = core::ErrorText(std::current_exception());
    }
    try {
        if (!db.isNull() && db.isOpen() && db.transactionDepth() > 0) db.Rollback();
    } catch (const dao::DaoError&) {
        // A commit that failed has rolled back by itself; a rollback that fails
        // too leaves the work to be undone as the connection closes. The user
        // is told of the failed write below.
    }
    for (size_t i = 0; i < records_.size(); ++i) records_[i]->restore(before[i]);
    showWriteError(failure);
    return false;
}

void frmBudjetti::discardLines() {
    for (cBudjetti* r : records_) r->Discard();
    emptyLines();
}

void frmBudjetti::showWriteError(const QString& description) {
    core::ShowCritical(core::TranslateStr(QStringLiteral("frmBudjetti"), QStringLiteral("Budjetin tallennus epäonnistui: ")) +
                       description);
}

// ================================================================ the main window's command

void RegisterBudgetWindows() {
    shell::RegisterOpener(QStringLiteral("frmBudjetti"), [] { ui::Forms::show<frmBudjetti>(); });
}

}  // namespace budget
