// The older voucher window's entries: the grid of the voucher's stored
// entries (fed by Data2), the editor of one entry (curVienti), the running
// totals and the balancing proposal of a new entry.

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/puoli.h"
#include "core/records/lists.h"
#include "core/records/recordsupport.h"
#include "core/ui/amountbox.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "legacy/frmtositteet.h"
#include "legacy/legacydata.h"
#include "platform/dao/error.h"
#include "platform/ui/events.h"
#include "platform/ui/twips.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace legacy {

namespace {

constexpr int kKeyColumn = 5;

// The list position of an editable combo: the current item while the box
// shows its text, -1 while it holds typed text not yet matched.
int listIndex(const QComboBox* combo) {
    const int i = combo->currentIndex();
    if (i < 0) return -1;
    if (combo->currentText() != combo->itemText(i)) return -1;
    return i;
}

long itemKey(const QComboBox* combo, int i) {
    if (i < 0 || i >= combo->count()) return 0;
    return static_cast<long>(combo->itemData(i, Qt::UserRole).toLongLong());
}

}  // namespace

// ---------------------------------------------------------------- events

void frmTositteet::connectEntryEvents() {
    Data2.onRequeried([this] { fillGrid(); });
    Data2.onReposition([this] { data2Repositioned(); });

    connect(grdViennit, &QTableWidget::cellClicked, this, [this] { run([this] { gridChosen(); }); });
    connect(grdViennit, &QTableWidget::currentCellChanged, this, [this] {
        if (!bHighlightingRow) run([this] { gridChosen(); });
    });

    auto click = [this](QObject* control, std::function<void()> f) {
        ui::Events::of(control).onClick([this, f = std::move(f)] { run(f); });
    };
    click(cUusiVienti, [this] { UusiVienti(); });
    click(mUusiVienti, [this] { UusiVienti(); });
    click(cPoistaVienti, [this] { PoistaVienti(); });
    click(mPoistaVienti, [this] { PoistaVienti(); });
    click(mSelaaVienti, [this] { grdViennit->setFocus(Qt::OtherFocusReason); });

    auto enterAsTab = [](int& keyCode, int /*shift*/) {
        if (keyCode != 13) return;
        core::EnterAsTab(keyCode);
        keyCode = 0;
    };
    auto swallowEnter = [](int& keyAscii) {
        if (keyAscii == 13) keyAscii = 0;
    };
    for (QComboBox* c : {cmbTililuettelo, cmbKustannuspaikka}) {
        const bool tili = c == cmbTililuettelo;
        ui::Events::of(c)
            .onKeyDown(enterAsTab)
            .onChange([this, c, tili] {
                if (listIndex(c) != -1) run([this, c, tili] { comboChosen(c, tili); });
            })
            .onLostFocus([this, c, tili] { leave(c, [this, c, tili] { comboLeft(c, tili); }); });
        // A choice from the list (mouse or arrow keys) is taken at once.
        connect(c, &QComboBox::activated, this, [this, c, tili] { run([this, c, tili] { comboChosen(c, tili); }); });
    }
    // What is typed into a combo replaces its choice, as on a tab into it.
    ui::Events::of(cmbKustannuspaikka).onGotFocus([this] { cmbKustannuspaikka->lineEdit()->selectAll(); });
    ui::Events::of(cmbTililuettelo).onGotFocus([this] {
        run([this] { autoStart(); });
        cmbTililuettelo->lineEdit()->selectAll();
    });
    for (int i = 0; i < 2; ++i) {
        ui::Events::of(optTyyppi[size_t(i)])
            .onClick([this, i] { run([this, i] { tyyppiChosen(i); }); })
            .onKeyDown([this, i](int& keyCode, int) { tyyppiKeyDown(i, keyCode); })
            .onGotFocus([this] { run([this] { autoStart(); }); });
    }
    core::WatchAmountBox(tSumma);
    ui::Events::of(tSumma)
        .onKeyDown(enterAsTab)
        .onKeyPress(swallowEnter)
        .onChange([this] { run([this] { summaChanged(); }); })
        .onGotFocus([this] {
            core::SelectAllText(tSumma);
            run([this] { autoStart(); });
        })
        .onLostFocus([this] { run([this] { AcceptSumma(); }); });
    ui::Events::of(tVientiSelite)
        .onKeyDown(enterAsTab)
        .onKeyPress(swallowEnter)
        .onChange([this] { run([this] { vientiSeliteChanged(); }); })
        .onGotFocus([this] {
            core::SelectAllText(tVientiSelite);
            run([this] { autoStart(); });
        });
    ui::Events::of(cUusiVienti).onGotFocus([this] { run([this] { uusiVientiFocused(); }); });
}

// ---------------------------------------------------------------- set-up

void frmTositteet::InitEmptyVienti() {
    auto blank = std::make_unique<core::cVienti>();
    blank->setIsEmpty(true);
    if (curVienti_ == emptyVienti_.get()) curVienti_ = blank.get();
    emptyVienti_ = std::move(blank);
}

void frmTositteet::FillTiliCombo() {
    const std::vector<core::ListLine> tilit = core::AccountList(core::AccountOrder::ByNumber);
    ui::ChangeGuard guard(cmbTililuettelo);
    cmbTililuettelo->clear();
    cmbTililuettelo->addItem(QStringLiteral("---"), qlonglong(0));
    for (const core::ListLine& tili : tilit) cmbTililuettelo->addItem(tili.text(), qlonglong(tili.id));
}

void frmTositteet::FillKPCombo() {
    const std::vector<core::ListLine> paikat = core::CostCentreList();
    ui::ChangeGuard guard(cmbKustannuspaikka);
    cmbKustannuspaikka->clear();
    cmbKustannuspaikka->addItem(QStringLiteral(" "), qlonglong(0));
    for (const core::ListLine& paikka : paikat) cmbKustannuspaikka->addItem(paikka.text(), qlonglong(paikka.id));
}

namespace {

// A column is never narrower than its heading (in a larger system font, or
// in another language).
void fitColumnsToHeadings(QTableWidget* grid) {
    QHeaderView* header = grid->horizontalHeader();
    for (int c = 0; c < grid->columnCount(); ++c)
        if (!grid->isColumnHidden(c) && header->sectionSize(c) < header->sectionSizeHint(c))
            header->resizeSection(c, header->sectionSizeHint(c));
}

}  // namespace

void frmTositteet::SetGridColumns() {
    static constexpr int widths[] = {300, 1200, 2900, 800, 1500, 0};
    grdViennit->setColumnCount(6);
    for (int c = 0; c < 6; ++c) {
        if (widths[c] == 0)
            grdViennit->setColumnHidden(c, true);
        else
            grdViennit->setColumnWidth(c, ui::TwipsToPixelsX(grdViennit, widths[c]));
    }
    fitColumnsToHeadings(grdViennit);
}

// ---------------------------------------------------------------- the grid

void frmTositteet::fillGrid() {
    bHighlightingRow = true;
    grdViennit->setRowCount(0);
    auto heading = [](const char* text) {
        return core::TranslateStr(QStringLiteral("frmTositteet"), QString::fromUtf8(text));
    };
    grdViennit->setHorizontalHeaderLabels({QString(), heading("Tilinumero"), heading("Tilinimi"), heading("Tyyppi"),
                                           heading("Summa"), QStringLiteral("viID")});
    fitColumnsToHeadings(grdViennit);
    try {
        Data2.forEachRow([this](const dao::Recordset& rs) {
            const int row = grdViennit->rowCount();
            grdViennit->insertRow(row);
            const dao::Variant numero = rs.value(QStringLiteral("Tilinumero"));
            const dao::Variant summa = rs.value(QStringLiteral("Summa"));
            const QString texts[] = {
                QString(),
                numero.isNull() ? QString() : QString::number(core::NzLong(numero, 0)),
                core::NzString(rs.value(QStringLiteral("Tilinimi"))),
                core::NzString(rs.value(QStringLiteral("Tyyppi"))),
                summa.isNull() ? QString() : core::NzCurrency(summa).toText(),
                QString::number(core::NzLong(rs.value(QStringLiteral("viID")), 0)),
            };
            for (int c = 0; c < 6; ++c) {
                auto* item = new QTableWidgetItem(texts[c]);
                if (c == 3) item->setTextAlignment(Qt::AlignCenter);
                if (c == 4) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                grdViennit->setItem(row, c, item);
            }
        });
    } catch (...) {
        // The grid follows its rows again, and the failure goes on to the
        // handler.
        bHighlightingRow = false;
        throw;
    }
    // The first data row is the grid's current row, as Data2 stands on it.
    if (grdViennit->rowCount() > 0) grdViennit->setCurrentCell(0, 1);
    bHighlightingRow = false;
}

long frmTositteet::gridKey(int row) const {
    if (row < 0 || row >= grdViennit->rowCount()) return -1;
    const QTableWidgetItem* item = grdViennit->item(row, kKeyColumn);
    if (!item) return -1;
    bool ok = false;
    const long key = item->text().toLong(&ok);
    return ok ? key : -1;
}

void frmTositteet::HighlightVientiRow() {
    bHighlightingRow = true;
    const QBrush normal = grdViennit->palette().brush(QPalette::Base);
    const QBrush normalText = grdViennit->palette().brush(QPalette::Text);
    const QBrush marked = grdViennit->palette().brush(QPalette::Highlight);
    const QBrush markedText = grdViennit->palette().brush(QPalette::HighlightedText);
    const long id = curVienti_->id();
    int found = -1;
    for (int r = 0; r < grdViennit->rowCount(); ++r) {
        for (int c = 1; c <= kKeyColumn; ++c) {
            if (QTableWidgetItem* item = grdViennit->item(r, c)) {
                item->setBackground(normal);
                item->setForeground(normalText);
            }
        }
        if (id != 0 && gridKey(r) == id) found = r;
    }
    if (found >= 0) {
        for (int c = 1; c <= kKeyColumn; ++c) {
            if (QTableWidgetItem* item = grdViennit->item(found, c)) {
                item->setBackground(marked);
                item->setForeground(markedText);
            }
        }
    }
    bHighlightingRow = false;
}

void frmTositteet::gridChosen() {
    const long key = gridKey(grdViennit->currentRow());
    if (key < 0) return;
    auto v = std::make_unique<core::cVienti>();
    if (v->Read(key))
        setCurVienti(std::move(v));
    else
        useEmptyVienti();  // gone meanwhile: nothing to edit
    ShowVienti();
}

void frmTositteet::data2Repositioned() {
    const long viID = Data2.hasCurrent() ? core::NzLong(Data2.value(QStringLiteral("viID")), 0) : 0;
    auto v = std::make_unique<core::cVienti>();
    bool found = false;
    try {
        found = viID > 0 && v->Read(viID);
    } catch (...) {
        // The editor does not go on showing an entry of another voucher.
        useEmptyVienti();
        ClearVientiFields();
        throw;
    }
    if (found)
        setCurVienti(std::move(v));
    else
        useEmptyVienti();
    ShowVienti();
    UpdateSummat();
}

// ---------------------------------------------------------------- the entry record

void frmTositteet::setCurVienti(std::unique_ptr<core::cVienti> v) {
    // The entry let go stores what it holds first (a refusal drops it, and
    // is told).
    if (ownVienti_) saveVienti(ownVienti_.get());
    std::unique_ptr<core::cVienti> previous = std::move(ownVienti_);
    ownVienti_ = std::move(v);
    curVienti_ = ownVienti_ ? ownVienti_.get() : emptyVienti_.get();
    // Stored or dropped: nothing more is written as it goes.
    if (previous) previous->setIsEmpty(true);
}

void frmTositteet::useEmptyVienti() { setCurVienti(nullptr); }

void frmTositteet::ShowVienti() {
    const bool outer = showingVienti_;
    showingVienti_ = true;
    if (curVienti_->IsEmpty()) {
        ClearVientiFields();
        HighlightVientiRow();
    } else {
        {
            ui::ChangeGuard g1(cmbTililuettelo), g2(cmbKustannuspaikka);
            SelectByItemData(cmbTililuettelo, curVienti_->tlID());
            SelectByItemData(cmbKustannuspaikka, curVienti_->kpID());
        }
        tVientiSelite->setText(curVienti_->Selite());
        if (core::OnDebet(curVienti_->Tyyppi()))
            optTyyppi[0]->setChecked(true);
        else
            optTyyppi[1]->setChecked(true);
        tSumma->setText(curVienti_->Arvo().toText());
        HighlightVientiRow();
    }
    showingVienti_ = outer;
    ShowHalutunTilinSaldo();
}

void frmTositteet::ClearVientiFields() {
    {
        ui::ChangeGuard g1(cmbTililuettelo), g2(cmbKustannuspaikka);
        if (cmbTililuettelo->count() > 0) cmbTililuettelo->setCurrentIndex(0);
        if (cmbKustannuspaikka->count() > 0) cmbKustannuspaikka->setCurrentIndex(0);
    }
    tSumma->clear();
    tVientiSelite->clear();
    optTyyppi[0]->setChecked(true);
}

void frmTositteet::CommitPendingEdits() {
    if (bAddingNew) return;
    if (Data2.isEditing()) Data2.StorePending();
    (void)storePending();  // a refusal has been told, and nothing of it is held
}

// ---------------------------------------------------------------- commands

void frmTositteet::UusiVienti() {
    // An entry belongs to a voucher: without one there is nothing to add to.
    if (!Data1.hasCurrent() || currentToId() <= 0) {
        core::BeepIfSoundOn();
        return;
    }
    if (!bAddingNew) {
        // The entry in the editor is stored first (a failure ends the
        // command with it still there); the grid and the totals then show
        // the voucher as the book holds it, and the new entry balances that.
        const bool pending = !curVienti_->IsEmpty() && curVienti_->isDirty();
        if (!saveVienti(curVienti_)) return;
        if (pending) Data2.Refresh();
        UpdateSummat();
    }
    auto v = std::make_unique<core::cVienti>();
    v->setToId(currentToId());
    v->setAvausvienti(bAvaustosite);
    v->setPaatosvienti(bPaatostosite);
    v->setAutomaatti(false);
    v->setSelite(tTositeSelite->text());
    // The side and amount that bring the voucher into balance.
    v->setTyyppi(erotus_ > dao::Currency() ? QStringLiteral("K") : QStringLiteral("D"));
    v->setArvo(erotus_.abs());
    setCurVienti(std::move(v));
    ShowVienti();
    cmbTililuettelo->setFocus(Qt::OtherFocusReason);
}

void frmTositteet::PoistaVienti() {
    if (core::AskYesNo(core::TranslateStr(QStringLiteral("frmTositteet"),
                                          QStringLiteral("Poistetaanko valittuna oleva vienti?"))) != ui::Answer::Yes)
        return;
    const long key = gridKey(grdViennit->currentRow());
    if (key < 0) return;
    // The entry in the editor, when it is this one, goes without being
    // written back.
    if (!curVienti_->IsEmpty() && curVienti_->id() == key) {
        curVienti_->Delete();
        useEmptyVienti();
    }
    legacy::PoistaVienti(key);
    Data2.Refresh();
    if (Data2.isEmpty()) ClearVientiFields();
}

// ---------------------------------------------------------------- editor fields

void frmTositteet::comboChosen(QComboBox* combo, bool tili) {
    const long id = itemKey(combo, listIndex(combo));
    if (tili)
        curVienti_->setTlID(id);
    else
        curVienti_->setKpID(id);
}

void frmTositteet::comboLeft(QComboBox* combo, bool tili) {
    if (listIndex(combo) != -1) {
        comboChosen(combo, tili);
        return;
    }
    const QString typed = combo->currentText();
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i).startsWith(typed, Qt::CaseInsensitive)) {
            {
                ui::ChangeGuard guard(combo);
                combo->setCurrentIndex(i);
                combo->setEditText(combo->itemText(i));
            }
            comboChosen(combo, tili);
            return;
        }
    }
    core::BeepIfSoundOn();
    core::ShowInfo(tili ? core::TranslateStr(QStringLiteral("frmTositteet"),
                                             QStringLiteral("Valitse tili, jolle vienti tehdään!"))
                        : core::TranslateStr(QStringLiteral("frmTositteet"),
                                             QStringLiteral("Valitse kustannuspaikka, jolle vienti osoitetaan.")));
    // The box shows again what the entry holds.
    ui::ChangeGuard guard(combo);
    SelectByItemData(combo, tili ? curVienti_->tlID() : curVienti_->kpID());
}

void frmTositteet::tyyppiChosen(int index) {
    // Showing an entry checks its option too: a code already on that side
    // ("d" as well as "D") is left as stored.
    const QString now = curVienti_->Tyyppi();
    if (index == 0 ? core::OnDebet(now) : core::OnKredit(now)) return;
    curVienti_->setTyyppi(index == 0 ? QStringLiteral("D") : QStringLiteral("K"));
}

void frmTositteet::tyyppiKeyDown(int index, int& keyCode) {
    Q_UNUSED(index);
    if (keyCode == 13) {
        keyCode = 0;
        tSumma->setFocus(Qt::TabFocusReason);
    } else if (keyCode >= 96 && keyCode <= 105) {
        // A digit of the numeric keypad turns the side over.
        keyCode = 0;
        if (optTyyppi[0]->isChecked())
            optTyyppi[1]->setChecked(true);
        else
            optTyyppi[0]->setChecked(true);
    }
}

void frmTositteet::summaChanged() {
    // A text that is no amount leaves the entry with the amount it had.
    curVienti_->setArvo(core::TypedAmount(tSumma));
}

bool frmTositteet::AcceptSumma() {
    QString field = lblSumma->text();
    if (field.endsWith(u':')) field.chop(1);
    return core::AcceptAmountBox(tSumma, field);
}

void frmTositteet::vientiSeliteChanged() { curVienti_->setSelite(tVientiSelite->text()); }

void frmTositteet::autoStart() {
    if (showingVienti_) return;
    if (cmbTililuettelo->currentText() == QLatin1String("---") && curVienti_->IsEmpty()) UusiVienti();
}

void frmTositteet::uusiVientiFocused() {
    Tallenna();
    if (bAutomateButtonOrder && erotus_.isZero()) {
        bAutomateButtonOrder = false;
        cUusiTosite->setFocus(Qt::TabFocusReason);
    }
}

// ---------------------------------------------------------------- totals

void frmTositteet::UpdateSummat() {
    if (!bDoCountBalance || bAddingNew) return;
    vouchers::TilinSummat s;
    if (Data1.hasCurrent()) s = TositteenSummat(currentToId());
    erotus_ = s.debet - s.kredit;
    lblDebetSumma->setText(s.debet.toCurrencyString());
    lblKreditSumma->setText(s.kredit.toCurrencyString());
    lblErotus->setText(erotus_.toCurrencyString());
    QPalette pal = lblErotus->palette();
    pal.setColor(QPalette::WindowText, erotus_.isZero() ? QApplication::palette().color(QPalette::ButtonText)
                                                        : QColor(255, 0, 0));
    lblErotus->setPalette(pal);
}

}  // namespace legacy
