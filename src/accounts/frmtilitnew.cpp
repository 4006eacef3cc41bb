#include "accounts/frmtilitnew.h"

#include "accounts/recordwindow.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/records/recordsupport.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "core/wholenumber.h"
#include "ledger_reports/frmtulostus.h"
#include "ledger_reports/reportcontrolsetup.h"
#include "ledger_reports/reportglobals.h"
#include "platform/dao/error.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/apppath.h"
#include "platform/sys/mousecursor.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace accounts {

namespace {

// A description as the multi-line box gives it back: line breaks as LF.
QString asInBox(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

}  // namespace

// ---------------------------------------------------------------- layout

frmTilitNew::frmTilitNew() : ui::Form(QStringLiteral("frmTilitNew")) {
    // The window restores its placement itself as it loads and never
    // stores it.
    setProperty(core::kOwnPlacementProperty, true);
    setWindowTitle(QStringLiteral("Tilit"));
    buildControls();
    connectEvents();
    resize(760, 480);
}

frmTilitNew::~frmTilitNew() {
    // No handler may reach a record while the window goes.
    if (owned_) owned_->NameChanged = nullptr;
    if (QWidget* f = QApplication::focusWidget(); f && isAncestorOf(f)) f->clearFocus();
}

void frmTilitNew::buildControls() {
    auto* layout = new QVBoxLayout(this);
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    layout->setMenuBar(menuBar);

    mTiedosto = ui::addMenu(menuBar, "mTiedosto", "&Tiedosto");
    mTietue = ui::addMenu(menuBar, "mTietue", "T&ietue");

    auto* body = new QHBoxLayout;
    layout->addLayout(body, 1);

    auto* left = new QVBoxLayout;
    tvTilit = new QTreeWidget(this);
    tvTilit->setObjectName(QStringLiteral("tvTilit"));
    tvTilit->setHeaderHidden(true);
    tvTilit->setColumnCount(1);
    tvTilit->setSelectionMode(QAbstractItemView::SingleSelection);
    tvTilit->setMinimumWidth(300);
    left->addWidget(tvTilit, 1);
    cAvaaKaikki = ui::makeButton(this, QStringLiteral("cAvaaKaikki"), QStringLiteral("&Avaa kaikki"));
    cAvaaKaikki->setAutoDefault(false);
    left->addWidget(cAvaaKaikki);
    body->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    body->addLayout(right, 1);

    frameTilit = ui::makeGroupBox(this, QStringLiteral("frameTilit"), QStringLiteral("Tilin tiedot"));
    auto* fields = new QGridLayout(frameTilit);
    lblTilinumero = ui::makeLabel(frameTilit, "lblTilinumero", "Numero:");
    tTilinumero = ui::makeLineEdit(frameTilit, QStringLiteral("tTilinumero"));
    lblNimi = ui::makeLabel(frameTilit, "lblNimi", "Nimi:");
    tNimi = ui::makeLineEdit(frameTilit, QStringLiteral("tNimi"));
    tNimi->setMaxLength(kNimiPituus);
    lblKuvaus = ui::makeLabel(frameTilit, "lblKuvaus", "Kuvaus:");
    tKuvaus = new QPlainTextEdit(frameTilit);
    tKuvaus->setObjectName(QStringLiteral("tKuvaus"));
    tKuvaus->setTabChangesFocus(true);
    fields->addWidget(lblTilinumero, 0, 0);
    fields->addWidget(tTilinumero, 0, 1);
    fields->addWidget(lblNimi, 1, 0);
    fields->addWidget(tNimi, 1, 1);
    fields->addWidget(lblKuvaus, 2, 0, Qt::AlignTop);
    fields->addWidget(tKuvaus, 2, 1);
    right->addWidget(frameTilit, 1);

    frameAvausviennit = ui::makeGroupBox(this, QStringLiteral("frameAvausviennit"), QStringLiteral("Avausviennit"));
    auto* sums = new QGridLayout(frameAvausviennit);
    lblDebet = ui::makeLabel(frameAvausviennit, "lblDebet", "Debet");
    lblKredit = ui::makeLabel(frameAvausviennit, "lblKredit", "Kredit");
    lblKuluvaTilikausi = ui::makeLabel(frameAvausviennit, "lblKuluvaTilikausi", "Kuluva tilikausi:");
    lblKuluvaDebet = ui::makeLabel(frameAvausviennit, "lblKuluvaDebet", "");
    lblKuluvaKredit = ui::makeLabel(frameAvausviennit, "lblKuluvaKredit", "");
    lblEdellinenTilikausi = ui::makeLabel(frameAvausviennit, "lblEdellinenTilikausi", "Edellinen tilikausi:");
    lblEdellinenDebet = ui::makeLabel(frameAvausviennit, "lblEdellinenDebet", "");
    lblEdellinenKredit = ui::makeLabel(frameAvausviennit, "lblEdellinenKredit", "");
    for (QLabel* l : {lblDebet, lblKredit, lblKuluvaDebet, lblKuluvaKredit, lblEdellinenDebet, lblEdellinenKredit})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sums->addWidget(lblDebet, 0, 1);
    sums->addWidget(lblKredit, 0, 2);
    sums->addWidget(lblKuluvaTilikausi, 1, 0);
    sums->addWidget(lblKuluvaDebet, 1, 1);
    sums->addWidget(lblKuluvaKredit, 1, 2);
    sums->addWidget(lblEdellinenTilikausi, 2, 0);
    sums->addWidget(lblEdellinenDebet, 2, 1);
    sums->addWidget(lblEdellinenKredit, 2, 2);
    right->addWidget(frameAvausviennit);

    // The commands: a button each, and a menu item carrying the key.
    keys_ = new detail::WindowKeys(this);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto command = [&](QMenu* m, const detail::CommandDef& def, QPushButton*& button, QAction*& action,
                       void (frmTilitNew::*handler)()) {
        const detail::Command c = detail::MakeCommand(def, this, m, *keys_, [this, handler] { (this->*handler)(); });
        button = c.button;
        action = c.action;
        buttons->addWidget(button);
    };
    using K = QKeySequence;
    command(mTietue, {"cUusi", "Uusi", "mUusi", "Uusi", K(Qt::Key_F2), "Tee uusi tili [F2]"}, cUusi, mUusi,
            &frmTilitNew::Uusi);
    command(mTietue, {"cTallenna", "Tallenna", "mTallenna", "Tallenna", K(Qt::Key_F3), "Tallenna näytöllä olevan tili [F3]"},
            cTallenna, mTallenna, &frmTilitNew::Tallenna);
    command(mTietue, {"cPoista", "Poista", "mPoista", "Poista", K(Qt::Key_F4), "Poista näytössä oleva tili [F4]"},
            cPoista, mPoista, &frmTilitNew::Poista);
    command(mTietue, {"cSelaa", "Selaa", "mSelaa", "Selaa", K(Qt::Key_F5), "Selaa tilejä [F5]"}, cSelaa, mSelaa,
            &frmTilitNew::Selaa);
    command(mTietue, {"cPeru", "Peru", "mPeru", "Peru", K(Qt::CTRL | Qt::Key_Z), "Peru tehdyt muutokset [Ctrl+Z]"},
            cPeru, mPeru, &frmTilitNew::Peru);
    mTietue->addSeparator();
    buttons->addSpacing(12);
    command(mTietue,
            {"cEnsimmäinen", "Ensimm.", "mEnsimmäinen", "Siirry ensimmäiseen", K(Qt::CTRL | Qt::Key_A),
             "Siirry ensimmäiseen [Ctrl+A]"},
            cEnsimmainen, mEnsimmainen, &frmTilitNew::Ensimmainen);
    command(mTietue,
            {"cEdellinen", "Edel.", "mEdellinen", "Siirry edelliseen", K(Qt::CTRL | Qt::Key_S),
             "Siirry edelliseen [Ctrl+S]"},
            cEdellinen, mEdellinen, &frmTilitNew::Edellinen);
    command(mTietue,
            {"cSeuraava", "Seur.", "mSeuraava", "Siirry seuraavaan", K(Qt::CTRL | Qt::Key_D),
             "Siirry seuraavaan [Ctrl+D]"},
            cSeuraava, mSeuraava, &frmTilitNew::Seuraava);
    command(mTietue,
            {"cViimeinen", "Viim.", "mViimeinen", "Siirry viimeiseen", K(Qt::CTRL | Qt::Key_F),
             "Siirry viimeiseen [Ctrl+F]"},
            cViimeinen, mViimeinen, &frmTilitNew::Viimeinen);
    buttons->addStretch(1);
    command(mTiedosto,
            {"cTulosta", "Tulosta", "mTulostaTilikartta", "Tulosta tililuettelo", K(Qt::Key_F7),
             "Tulosta tililuettelo [F7]"},
            cTulosta, mTulostaTilikartta, &frmTilitNew::Tulosta);
    mTiedosto->addSeparator();
    command(mTiedosto, {"cSulje", "Sulje", "mSulje", "Sulje", K(), "Sulje Tilit [Alt+F4]"}, cSulje, mSulje,
            &frmTilitNew::Sulje);

    for (QWidget* w : std::initializer_list<QWidget*>{tvTilit, tTilinumero, tNimi, tKuvaus}) keys_->watch(w);
    QWidget::setTabOrder(tvTilit, cAvaaKaikki);
    QWidget::setTabOrder(cAvaaKaikki, tTilinumero);
    QWidget::setTabOrder(tTilinumero, tNimi);
    QWidget::setTabOrder(tNimi, tKuvaus);
    QWidget::setTabOrder(tKuvaus, cUusi);
}

void frmTilitNew::connectEvents() {
    ui::Events::of(tTilinumero)
        .onChange([this] {
            if (!curTili_) return;
            core::FilterIntegerInput(tTilinumero);
            curTili_->setNumero(core::ReadWholeNumber(tTilinumero->text()).value_or(0));
        })
        .onGotFocus([this] { core::SelectAllText(tTilinumero); });
    ui::Events::of(tNimi)
        .onChange([this] {
            if (curTili_) curTili_->setNimi(tNimi->text());
        })
        .onGotFocus([this] { core::HighlightText(tNimi); });
    ui::Events::of(tKuvaus)
        .onChange([this] {
            if (!curTili_) return;
            QString text = tKuvaus->toPlainText();
            if (text.size() > kKuvausPituus) {
                // The box takes no more than the column holds.
                text = core::detail::cutText(text, kKuvausPituus);
                tKuvaus->setPlainText(text);
                tKuvaus->moveCursor(QTextCursor::End);
            }
            // A stored description with CR LF line breaks is not changed
            // merely by being shown.
            if (text != asInBox(curTili_->Kuvaus())) curTili_->setKuvaus(text);
        })
        .onGotFocus([this] {
            if (!tKuvaus->toPlainText().isEmpty()) tKuvaus->selectAll();
        });

    // An account is chosen by a click on its node, or by Enter in the tree.
    connect(tvTilit, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) {
        run([this, node] { tvTilit_Select(node); });
    });
    ui::Events::of(tvTilit).onKeyPress([this](int& keyAscii) {
        if (keyAscii != 13) return;
        run([this] { tvTilit_Select(tvTilit->currentItem()); });
        keyAscii = 0;
    });
    ui::Events::of(cAvaaKaikki).onClick([this] { AvaaKaikki(); });
}

// ---------------------------------------------------------------- load and unload

void frmTilitNew::Load() {
    core::LoadFormPosition(this);
    core::Translate(this);
    CreateEmptyTili();
    BuildTree();
    ShowTili(nullptr);
}

void frmTilitNew::Unload() { releaseShown(); }

bool frmTilitNew::StorePendingEdits() {
    // An error reaches the caller: the book is then left alone.
    if (!curTili_->IsEmpty()) curTili_->Save(false);
    return true;
}

void frmTilitNew::ReadBookAgain() {
    // The one shown was stored before the book changed; it is read anew.
    const long shown = curTili_->IsEmpty() ? 0 : curTili_->id();
    run([this, shown] {
        BuildTree();
        auto again = std::make_unique<core::cTili>();
        if (shown > 0 && again->Read(shown))
            ShowTili(std::move(again));
        else
            ShowTili(nullptr);
    });
}

void frmTilitNew::CreateEmptyTili() {
    emptyTili_ = std::make_unique<core::cTili>();
    emptyTili_->setIsEmpty(true);
}

void frmTilitNew::releaseShown() {
    if (!owned_) return;
    owned_->NameChanged = nullptr;
    try {
        owned_->Release();
    } catch (const dao::DaoError& e) {
        core::reportReleaseError(QStringLiteral("Tili %1 (tlID %2)").arg(owned_->Numero()).arg(owned_->id()), e);
    }
}

// ---------------------------------------------------------------- the shown account

void frmTilitNew::ShowTili(std::unique_ptr<core::cTili> tili) {
    if (!emptyTili_) CreateEmptyTili();
    std::unique_ptr<core::cTili> previous = std::move(owned_);
    if (tili && !tili->IsEmpty()) {
        owned_ = std::move(tili);
        curTili_ = owned_.get();
        owned_->NameChanged = [this](long id, long lNumero, const QString& sName) {
            curTili_NameChanged(id, lNumero, sName);
        };
    } else {
        curTili_ = emptyTili_.get();
    }
    if (previous) {
        // Let go: it writes its own unsaved edits (errors to the sink).
        previous->NameChanged = nullptr;
        previous.reset();
    }
    RefreshFields();
}

void frmTilitNew::RefreshFields() {
    if (curTili_->IsEmpty()) {
        ClearFields();
        EnableFields(false);
        return;
    }
    EnableFields(true);
    tTilinumero->setText(QString::number(curTili_->Numero()));
    tNimi->setText(curTili_->Nimi());
    tKuvaus->setPlainText(curTili_->Kuvaus());
    const core::cAlkusaldot b = curTili_->Alkusaldot();
    lblKuluvaDebet->setText(b.AlkusaldoDebet().toCurrencyString());
    lblKuluvaKredit->setText(b.AlkusaldoKredit().toCurrencyString());
    lblEdellinenDebet->setText(b.EdAlkusaldoDebet().toCurrencyString());
    lblEdellinenKredit->setText(b.EdAlkusaldoKredit().toCurrencyString());
}

void frmTilitNew::ClearFields() {
    tTilinumero->clear();
    tNimi->clear();
    tKuvaus->clear();
    for (QLabel* l : {lblKuluvaDebet, lblKuluvaKredit, lblEdellinenDebet, lblEdellinenKredit}) l->clear();
}

void frmTilitNew::EnableFields(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{lblTilinumero, tTilinumero, lblNimi, tNimi, lblKuvaus, tKuvaus,
                                                      frameAvausviennit, lblKuluvaTilikausi, lblEdellinenTilikausi,
                                                      lblDebet, lblKredit})
        w->setEnabled(enabled);
}

std::unique_ptr<core::cTili> frmTilitNew::NewTili() {
    auto t = std::make_unique<core::cTili>();
    t->Save(true);
    return t;
}

bool frmTilitNew::CanDeleteTili(long id) {
    dao::Database db = core::DBCon().AvaaDB();
    auto count = [&db, id](const QString& sql) {
        dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot, {dao::Variant(id)});
        const long n = rs.isEOF() ? 0 : core::NzLong(rs.value(QStringLiteral("Lkm")), 0);
        rs.Close();
        return n;
    };
    if (count(QStringLiteral("SELECT COUNT(viID) AS Lkm FROM vi WHERE viArvo <> 0 AND vitlID = ?")) > 0) return false;
    if (count(QStringLiteral("SELECT COUNT(viEID) AS Lkm FROM viE WHERE viEArvo <> 0 AND viEtlID = ?")) > 0)
        return false;
    return true;
}

// ---------------------------------------------------------------- commands

void frmTilitNew::Uusi() {
    run([this] {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        ShowTili(NewTili());
        tTilinumero->setFocus();
    });
}

void frmTilitNew::Tallenna() {
    run([this] { curTili_->Save(false); });
}

void frmTilitNew::Peru() {
    run([this] {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        curTili_->Undo();
        RefreshFields();
    });
}

void frmTilitNew::Poista() {
    run([this] {
        // Nothing shown, nothing to delete.
        if (curTili_->IsEmpty()) return;
        const long id = curTili_->id();
        if (!CanDeleteTili(id)) {
            core::ShowInfo(core::TranslateStr(
                QStringLiteral("frmTilitNew"),
                QStringLiteral("Tilillä on vientejä kuluvalla tai edellisellä tilikaudella eikä sitä voida poistaa.")));
            return;
        }
        const QString question =
            core::TranslateStr(QStringLiteral("frmTilitNew"), QStringLiteral("Haluatko varmasti poistaa valitun tilin?"));
        if (ui::MsgBox(question, 36, core::AppTitle) != ui::Answer::Yes) return;
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        curTili_->NameChanged = nullptr;
        owned_->Delete();
        RemoveNode(id, QStringLiteral("ID"));
        ShowTili(nullptr);
    });
}

void frmTilitNew::Selaa() {
    run([this] {
        // The account on screen keeps what was typed into it: it is stored
        // before the tree is read again, and the rebuild leaves it be.
        curTili_->Save(false);
        BuildTree();
    });
}

void frmTilitNew::browse(std::unique_ptr<core::cTili> found) {
    if (found->IsEmpty())
        ui::Beep();
    else
        ShowTili(std::move(found));
}

void frmTilitNew::Ensimmainen() {
    run([this] {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        browse(curTili_->GetFirst());
    });
}

void frmTilitNew::Edellinen() {
    run([this] {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        browse(curTili_->GetPrevious());
    });
}

void frmTilitNew::Seuraava() {
    run([this] {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        browse(curTili_->GetNext());
    });
}

void frmTilitNew::Viimeinen() {
    run([this] {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        browse(curTili_->GetLast());
    });
}

void frmTilitNew::Tulosta() {
    try {
        curTili_->Save(false);
        if (!reports::AskPrintDestination()) return;
        report::ReportControl& rc = reports::CrystalReport1();
        reports::ResetReportFormulas();
        rc.setReportFileName(QDir(sys::AppPath()).filePath(QStringLiteral("tilit.rpt")));
        rc.setDestination(reports::TulostusLaite);
        rc.setCopiesToPrinter(core::TulostusKopioita);
        core::SetReportFonts(rc, false);
        rc.setFormulas(0, reports::NamedFormula(QStringLiteral("Seurannimi"), core::SeuranNimi));
        rc.setFormulas(1, reports::NamedFormula(QStringLiteral("Otsake"),
                                                core::TranslateStr(QStringLiteral("RapTilit"), QStringLiteral("Tililuettelo"))));
        rc.setFormulas(2, reports::NamedFormula(QStringLiteral("OtsakeNumero"),
                                                core::TranslateStr(QStringLiteral("RapTilit"), QStringLiteral("Numero"))));
        rc.setFormulas(3, reports::NamedFormula(QStringLiteral("OtsakeNimi"),
                                                core::TranslateStr(QStringLiteral("RapTilit"), QStringLiteral("Nimi"))));
        rc.setFormulas(4, reports::NamedFormula(QStringLiteral("OtsakeKuvaus"),
                                                core::TranslateStr(QStringLiteral("RapTilit"), QStringLiteral("Kuvaus"))));
        rc.setAction(1);
    } catch (...) {
        // No chosen account is told as such; any other failure (the book's,
        // the report control's) as the window's commands tell theirs.
        const std::exception_ptr error = std::current_exception();
        if (core::ErrorNumber(error) == dao::err::NoCurrentRecord)
            core::ShowInfo(core::TranslateStr(QStringLiteral("frmTilitNew"), QStringLiteral("Tietuetta ei ole valittuna.")));
        else
            core::ShowError(core::TranslateStr(QStringLiteral("frmTilitNew"), QStringLiteral("Virhe:")) + u' ', error,
                            ui::Icon::Information);
    }
}

void frmTilitNew::Sulje() { ui::Forms::unload(*this); }

}  // namespace accounts
