#include "accounts/frmtilitnew.h"

#include "accounts/tilit.h"
#include "core/globals.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "core/wholenumber.h"
#include "platform/dao/error.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/apppath.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/events.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportctl/reportglobals.h"

#include <QAction>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace accounts {

namespace {

const detail::RecordFormTexts kTexts{"lblTilinumero",
                                     "tTilinumero",
                                     "Tilin tiedot",
                                     "Tee uusi tili [F2]",
                                     "Tallenna näytöllä olevan tili [F3]",
                                     "Poista näytössä oleva tili [F4]",
                                     "Selaa tilejä [F5]",
                                     "mEnsimmäinen",
                                     "Tili %1 (tlID %2)"};

}  // namespace

// ---------------------------------------------------------------- layout

frmTilitNew::frmTilitNew() : RecordForm(QStringLiteral("frmTilitNew"), kTexts) {
    setWindowTitle(QStringLiteral("Tilit"));
    buildControls();
    resize(760, 480);
}

frmTilitNew::~frmTilitNew() = default;

void frmTilitNew::buildControls() {
    auto* layout = new QVBoxLayout(this);
    buildMenus(layout);

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
    buildFields(lblTilinumero, tTilinumero);
    right->addWidget(frameTilit, 1);
    buildOpeningSums();
    right->addWidget(frameAvausviennit);

    // The commands: a button each, and a menu item carrying the key.
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    addRecordCommands(buttons);
    addCommand(buttons, mTiedosto,
               {"cTulosta", "Tulosta", "mTulostaTilikartta", "Tulosta tililuettelo", QKeySequence(Qt::Key_F7),
                "Tulosta tililuettelo [F7]"},
               cTulosta, mTulostaTilikartta, [this] { Tulosta(); });
    mTiedosto->addSeparator();
    addCommand(buttons, mTiedosto, {"cSulje", "Sulje", "mSulje", "Sulje", QKeySequence(), "Sulje Tilit [Alt+F4]"}, cSulje,
               mSulje, [this] { Sulje(); });

    QWidget::setTabOrder(tvTilit, cAvaaKaikki);
    QWidget::setTabOrder(cAvaaKaikki, tTilinumero);
    QWidget::setTabOrder(tTilinumero, tNimi);
    QWidget::setTabOrder(tNimi, tKuvaus);
    QWidget::setTabOrder(tKuvaus, cUusi);

    connectFieldEvents(tTilinumero);
    ui::Events::of(tTilinumero).onGotFocus([this] { core::SelectAllText(tTilinumero); });
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

void frmTilitNew::buildOpeningSums() {
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
}

// ---------------------------------------------------------------- the shown account

void frmTilitNew::RefreshFields() {
    if (cur_->IsEmpty()) {
        ClearFields();
        EnableFields(false);
        return;
    }
    EnableFields(true);
    tTilinumero->setText(QString::number(cur_->Numero()));
    tNimi->setText(cur_->Nimi());
    tKuvaus->setPlainText(cur_->Kuvaus());
    const core::cAlkusaldot b = cur_->Alkusaldot();
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

bool frmTilitNew::CanDeleteTili(long id) { return !HasEntriesWithAmounts(id); }

// ---------------------------------------------------------------- commands

void frmTilitNew::Poista() {
    run([this] {
        // Nothing shown, nothing to delete.
        if (cur_->IsEmpty()) return;
        const long id = cur_->id();
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
        deleteShown();
        RemoveNode(id, QStringLiteral("ID"));
        ShowTili(nullptr);
    });
}

void frmTilitNew::Tulosta() {
    try {
        cur_->Save(false);
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

}  // namespace accounts
