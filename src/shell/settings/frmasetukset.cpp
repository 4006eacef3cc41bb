// The settings window: its controls, how they are filled from the shared
// globals, the checks of single fields, cancel and close. The save, the
// choice of another book and the change of year are in settingssave.cpp.

#include "shell/settings/frmasetukset.h"

#include "core/globals.h"
#include "core/records/lists.h"
#include "core/settings.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/dao/currency.h"
#include "platform/dao/database.h"
#include "platform/report/engine.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/mousecursor.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "platform/ui/placement.h"
#include "reportctl/reportcontrolsetup.h"
#include "shell/frmaboutvaskiro.h"
#include "shell/frmmain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace shell {

namespace {

const QString kSection = QStringLiteral("frmAsetukset");

// The longest text a Settings row holds.
constexpr int kSettingWidth = 255;

}  // namespace

// ---------------------------------------------------------------- fonts and margins

QStringList CommonFontNames(const QStringList& screen, const QStringList& printer) {
    const QVariantList s(screen.cbegin(), screen.cend());
    const QVariantList p(printer.cbegin(), printer.cend());
    std::vector<long> is(size_t(s.size()), 0);
    std::vector<long> ip(size_t(p.size()), 0);
    if (!s.isEmpty()) core::ShellSortIndex(s, is, std::nullopt, false);
    if (!p.isEmpty()) core::ShellSortIndex(p, ip, std::nullopt, false);
    auto sName = [&](long k) { return screen[qsizetype(is[size_t(k - 1)] - 1)]; };
    auto pName = [&](long k) { return printer[qsizetype(ip[size_t(k - 1)] - 1)]; };

    // The shorter list is walked; the longer one searched from the last match.
    const bool walkPrinter = screen.size() >= printer.size();
    const long nWalk = long(walkPrinter ? printer.size() : screen.size());
    const long nSearch = long(walkPrinter ? screen.size() : printer.size());
    QStringList out;
    long k = 1;
    for (long i = 1; i <= nWalk; ++i) {
        const QString name = walkPrinter ? pName(i) : sName(i);
        for (long j = k; j <= nSearch; ++j) {
            if ((walkPrinter ? sName(j) : pName(j)) == name) {
                k = j;
                out << name;
                break;
            }
        }
    }
    return out;
}

namespace {

// A margin text in the form of a number, whatever its size.
std::optional<double> marginNumber(const QString& text) {
    if (text.isEmpty() || text.size() > 12) return std::nullopt;
    int separators = 0;
    for (const QChar c : text) {
        if (c == u',' || c == u'.')
            ++separators;
        else if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const std::optional<dao::Currency> mm = dao::Currency::parseInvariant(text);
    if (separators > 1 || !mm) return std::nullopt;
    return mm->toDouble();
}

}  // namespace

std::optional<double> MarginValue(const QString& text) {
    const std::optional<double> mm = marginNumber(text);
    if (!mm || *mm > frmAsetukset::kMaxMarginMm) return std::nullopt;
    return mm;
}

QString MarginMessage(const QString& text) {
    if (marginNumber(text))
        return core::TranslateStr(QStringLiteral("frmAsetukset"), QStringLiteral("Marginaalin tulee olla 0 - 682 millimetriä."));
    return core::TranslateStr(QStringLiteral("frmAsetukset"), QStringLiteral("Syötä marginaaliksi ainoastaan numeroita."));
}

QString MarginText(int units) {
    // Two decimals always give the margin again: 1/48 mm is more than 0.01 mm.
    const double mm = double(qint16(units)) / report::ReportControl::kMarginUnitsPerMm;
    for (int decimals = 0;; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        const double shown = std::round(mm * scale) / scale;
        if (decimals == 2 || qRound(shown * report::ReportControl::kMarginUnitsPerMm) == qint16(units))
            return dao::NumberText(shown, decimals);
    }
}

// ---------------------------------------------------------------- layout

frmAsetukset::frmAsetukset() : ui::Form(QStringLiteral("frmAsetukset")) {
    setWindowTitle(QStringLiteral("Asetukset"));
    buildControls();
    buildMenus();
    connectEvents();
}

frmAsetukset::~frmAsetukset() {
    // No leave handler may run on a window that is going.
    if (QWidget* f = QApplication::focusWidget(); f && isAncestorOf(f)) f->clearFocus();
}

namespace {

QLineEdit* edit(QWidget* parent, const char* name, const char* tip) {
    QLineEdit* e = ui::makeLineEdit(parent, name);
    if (tip) e->setToolTip(QString::fromUtf8(tip));
    return e;
}

QCheckBox* check(QWidget* parent, const char* name, const char* caption) {
    auto* c = new QCheckBox(QString::fromUtf8(caption), parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

QComboBox* combo(QWidget* parent, const char* name, bool editable, const char* tip) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(editable);
    if (editable) {
        // A typed text stays a text: it is not added to the list.
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr);
    }
    if (tip) c->setToolTip(QString::fromUtf8(tip));
    return c;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* tip) {
    QPushButton* b = ui::makeButton(parent, name, caption, tip);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

void frmAsetukset::buildControls() {
    buildProgramFrame();
    buildInternetFrame();
    buildAssociationFrame();
    buildFontFrame();
    buildChoicesFrame();
    buildYearFrame();
    buildMarginFrame();
    cTallenna = button(this, "cTallenna", "Tallenna", "Tallenna asetukset [F3]");
    cPeru = button(this, "cPeru", "Peru", "Peru muutokset [Ctrl+Z]");
    cSulje = button(this, "cSulje", "Sulje", "Sulje Asetukset [Alt+F4]");
    pBar1 = new QProgressBar(this);
    pBar1->setObjectName(QStringLiteral("pBar1"));
    pBar1->setTextVisible(false);
    pBar1->setRange(0, 1);
    pBar1->setValue(0);
    arrangeControls();
    chainTabOrder();
}

void frmAsetukset::buildProgramFrame() {
    // The book, the backup folder, the language.
    Frame7 = ui::makeGroupBox(this, "Frame7", "Ohjelma-asetukset");
    tTietokanta = edit(Frame7, "tTietokanta", "Tietokannan kansio ja nimi");
    tTietokanta->setReadOnly(true);
    tTietokanta->setBackgroundRole(QPalette::Button);
    {
        QPalette pal = tTietokanta->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::Button));
        tTietokanta->setPalette(pal);
    }
    cTietokantavalita = button(Frame7, "cTietokantavalita", "...", nullptr);
    cTietokantavalita->setFixedWidth(cTietokantavalita->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    tVarmistus = edit(Frame7, "tVarmistus", "Kansio, johon tietokanta varmuuskopioidaan");
    cmbKieli = combo(Frame7, "cmbKieli", false, nullptr);
    auto* g = new QGridLayout(Frame7);
    g->addWidget(ui::makeLabel(Frame7, "lblTietokanta", "Tietokanta:"), 0, 0);
    g->addWidget(tTietokanta, 0, 1);
    g->addWidget(cTietokantavalita, 0, 2);
    g->addWidget(ui::makeLabel(Frame7, "lblVarmistus", "Varmistushakemisto:"), 1, 0);
    g->addWidget(tVarmistus, 1, 1, 1, 2);
    g->addWidget(ui::makeLabel(Frame7, "lblKieli", "Ohjelman kieli:"), 2, 0);
    g->addWidget(cmbKieli, 2, 1, 1, 2);
    g->setColumnStretch(1, 1);
}

void frmAsetukset::buildInternetFrame() {
    Frame5 = ui::makeGroupBox(this, "Frame5", "Internet-asetukset");
    tEmail = edit(Frame5, "tEmail", nullptr);
    tSMTP = edit(Frame5, "tSMTP", nullptr);
    tEmail->setMaxLength(kSettingWidth);
    tSMTP->setMaxLength(kSettingWidth);
    auto* g = new QGridLayout(Frame5);
    g->addWidget(ui::makeLabel(Frame5, "lblEmail", "Sähköpostiosoite:"), 0, 0);
    g->addWidget(tEmail, 0, 1);
    g->addWidget(ui::makeLabel(Frame5, "lblSMTP", "SMTP palvelin:"), 1, 0);
    g->addWidget(tSMTP, 1, 1);
    g->setColumnStretch(1, 1);
}

void frmAsetukset::buildAssociationFrame() {
    // The association's name: the book file's name stands for it when empty.
    Frame8 = ui::makeGroupBox(this, "Frame8", "Seura");
    tSeuranNimi = edit(Frame8, "tSeuranNimi", "Seuran nimi otsikkorivillä ja tulosteilla");
    tSeuranNimi->setMaxLength(kSettingWidth);
    auto* g = new QGridLayout(Frame8);
    g->addWidget(ui::makeLabel(Frame8, "lblSeuranNimi", "Seuran nimi:"), 0, 0);
    g->addWidget(tSeuranNimi, 0, 1);
    g->setColumnStretch(1, 1);
}

void frmAsetukset::buildFontFrame() {
    Frame4 = ui::makeGroupBox(this, "Frame4", "Fonttiasetukset");
    cmbFonts = combo(Frame4, "cmbFonts", true, "Kirjasinlaji tulosteilla");
    cmbFonts->lineEdit()->setMaxLength(kSettingWidth);
    cmbFonttiKoko = combo(Frame4, "cmbFonttiKoko", true, "Kirjasinlajin koko tulosteilla");
    cmbFonttiKoko->addItems({QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12")});
    auto* g = new QGridLayout(Frame4);
    g->addWidget(ui::makeLabel(Frame4, "lblFontti", "Fontti:"), 0, 0);
    g->addWidget(cmbFonts, 0, 1);
    g->addWidget(ui::makeLabel(Frame4, "lblKoko", "Koko:"), 0, 2);
    g->addWidget(cmbFonttiKoko, 0, 3);
    g->setColumnStretch(1, 1);
}

void frmAsetukset::buildChoicesFrame() {
    Frame3 = ui::makeGroupBox(this, "Frame3", "Valinnat");
    chkKustannuspaikat = check(Frame3, "chkKustannuspaikat", "Käytä kustannuspaikkoja");
    chkAutomaattisestiUusiTosite =
        check(Frame3, "chkAutomaattisestiUusiTosite", "Automaattisesti uusi tosite vientien mennessä tasan");
    chkVanhatTositteet = check(Frame3, "chkVanhatTositteet", "Käytä vaihtoehtoista tapaa vientien kirjauksessa ");
    cmbVoittoTaseella = combo(Frame3, "cmbVoittoTaseella", false, "Tilikauden voitto kirjataan taseella tälle tilille");
    cmbLaskettavaTili =
        combo(Frame3, "cmbLaskettavaTili", false, "Tositteiden kirjausikkunassa näytettävän saldon tili");
    // The accounts are filled in after the window has shown itself; the
    // two lists then widen to the longest.
    for (QComboBox* c : {cmbVoittoTaseella, cmbLaskettavaTili}) c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    chkVaakatulostus = check(Frame3, "chkVaakatulostus", "Tulosta päivä- ja pääkirja vaakasuuntaan");
    chkMoniseuratuki = check(Frame3, "chkMoniseuratuki", "Moniseuratuki käytössä");
    chkVanhatMallit = check(Frame3, "chkVanhatMallit", "Käytä Kolvio 2.x tapaa tuloslaskelmassa ja taseessa");
    auto* g = new QGridLayout(Frame3);
    g->addWidget(chkKustannuspaikat, 0, 0, 1, 2);
    g->addWidget(chkAutomaattisestiUusiTosite, 1, 0, 1, 2);
    g->addWidget(chkVanhatTositteet, 2, 0, 1, 2);
    g->addWidget(ui::makeLabel(Frame3, "lblVoittoTaseella", "Tilikauden voitto taseella:"), 3, 0);
    g->addWidget(cmbVoittoTaseella, 3, 1);
    g->addWidget(ui::makeLabel(Frame3, "lblLaskettavaTili", "Näytä tilin saldo:"), 4, 0);
    g->addWidget(cmbLaskettavaTili, 4, 1);
    g->addWidget(chkVaakatulostus, 5, 0, 1, 2);
    g->addWidget(chkMoniseuratuki, 6, 0, 1, 2);
    g->addWidget(chkVanhatMallit, 7, 0, 1, 2);
    g->setColumnStretch(1, 1);
}

void frmAsetukset::buildYearFrame() {
    Frame2 = ui::makeGroupBox(this, "Frame2", "Tilikausi");
    tTilikausiAlku = edit(Frame2, "tTilikausiAlku", "Kuluvan tilikauden ensimmäinen päivä");
    tTilikausiLoppu = edit(Frame2, "tTilikausiLoppu", "Kuluvan tilikauden viimeinen päivä");
    tEdTilikausiAlku = edit(Frame2, "tEdTilikausiAlku", "Edellisen tilikauden ensimmäinen päivä");
    tEdTilikausiLoppu = edit(Frame2, "tEdTilikausiLoppu", "Edellisen tilikauden viimeinen päivä");
    cVaihdaTilikausi = button(Frame2, "cVaihdaTilikausi", "Vaihda tilikausi", nullptr);
    auto* g = new QGridLayout(Frame2);
    g->addWidget(ui::makeLabel(Frame2, "lblKuluva", "Kuluva tilikausi:"), 0, 0);
    g->addWidget(tTilikausiAlku, 0, 1);
    g->addWidget(ui::makeLabel(Frame2, "lblViiva1", "-"), 0, 2);
    g->addWidget(tTilikausiLoppu, 0, 3);
    g->addWidget(ui::makeLabel(Frame2, "lblEdellinen", "Edellinen tilikausi:"), 1, 0);
    g->addWidget(tEdTilikausiAlku, 1, 1);
    g->addWidget(ui::makeLabel(Frame2, "lblViiva2", "-"), 1, 2);
    g->addWidget(tEdTilikausiLoppu, 1, 3);
    g->addWidget(cVaihdaTilikausi, 2, 3);
}

void frmAsetukset::buildMarginFrame() {
    Frame1 = ui::makeGroupBox(this, "Frame1", "Tulostusmarginaalit");
    tMargYla = edit(Frame1, "tMargYla", "Tulosteen ylämarginaali millimetreinä");
    tMargAla = edit(Frame1, "tMargAla", "Tulosteen alamarginaali millimetreinä");
    tMargVas = edit(Frame1, "tMargVas", "Tulosteen vasen marginaali millimetreinä");
    tMargOik = edit(Frame1, "tMargOik", "Tulosteen oikea marginaali millimetreinä");
    auto* g = new QGridLayout(Frame1);
    g->addWidget(ui::makeLabel(Frame1, "lblMargYla", "Ylä:"), 0, 0);
    g->addWidget(tMargYla, 0, 1);
    g->addWidget(ui::makeLabel(Frame1, "lblMargAla", "Ala:"), 0, 2);
    g->addWidget(tMargAla, 0, 3);
    g->addWidget(ui::makeLabel(Frame1, "lblMargVas", "Vasen:"), 1, 0);
    g->addWidget(tMargVas, 1, 1);
    g->addWidget(ui::makeLabel(Frame1, "lblMargOik", "Oikea:"), 1, 2);
    g->addWidget(tMargOik, 1, 3);
}

void frmAsetukset::arrangeControls() {
    auto* left = new QVBoxLayout;
    left->addWidget(Frame7);
    left->addWidget(Frame5);
    left->addWidget(Frame4);
    left->addWidget(Frame1);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(Frame8);
    right->addWidget(Frame3);
    right->addWidget(Frame2);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* commands = new QHBoxLayout;
    commands->addWidget(pBar1, 1);
    commands->addWidget(cTallenna);
    commands->addWidget(cPeru);
    commands->addWidget(cSulje);
    auto* outer = new QVBoxLayout(this);
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    outer->setMenuBar(menuBar);
    outer->addLayout(columns, 1);
    outer->addLayout(commands);

    // Room for a folder and a file name.
    const int wide = fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40;
    for (QWidget* w : std::initializer_list<QWidget*>{tTietokanta, tVarmistus, tEmail, tSMTP})
        w->setMinimumWidth(wide);
    cmbFonts->setMinimumWidth(wide / 2);
}

void frmAsetukset::chainTabOrder() {
    // Tab order: down the left column, then the right, then the commands.
    const QList<QWidget*> order{tTietokanta,       cTietokantavalita,
                                tVarmistus,        cmbKieli,
                                tEmail,            tSMTP,
                                cmbFonts,          cmbFonttiKoko,
                                tMargYla,          tMargAla,
                                tMargVas,          tMargOik,
                                tSeuranNimi,
                                chkKustannuspaikat, chkAutomaattisestiUusiTosite,
                                chkVanhatTositteet, cmbVoittoTaseella,
                                cmbLaskettavaTili, chkVaakatulostus,
                                chkMoniseuratuki,  chkVanhatMallit,
                                tTilikausiAlku,    tTilikausiLoppu,
                                tEdTilikausiAlku,  tEdTilikausiLoppu,
                                cVaihdaTilikausi,  cTallenna,
                                cPeru,             cSulje};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmAsetukset::buildMenus() {
    // A key belongs to the whole window.
    auto action = [this](QMenu* menu, const char* name, const char* caption, QKeySequence key = {}) {
        return ui::addWindowAction(menu, this, name, caption, key);
    };
    mTiedosto = ui::addMenu(menuBar, QStringLiteral("mTiedosto"), QStringLiteral("&Tiedosto"));
    mTallenna = action(mTiedosto, "mTallenna", "T&allenna", QKeySequence(Qt::Key_F3));
    mPeru = action(mTiedosto, "mPeru", "&Peru", QKeySequence(Qt::CTRL | Qt::Key_Z));
    mVali = mTiedosto->addSeparator();
    mVali->setObjectName(QStringLiteral("mVali"));
    mSulje = action(mTiedosto, "mSulje", "&Sulje");
    mTietoja = menuBar->addAction(QStringLiteral("Tietoja"));
    mTietoja->setObjectName(QStringLiteral("mTietoja"));
}

void frmAsetukset::connectEvents() {
    auto click = [](QObject* control, std::function<void()> handler) {
        ui::Events::of(control).onClick(std::move(handler));
    };
    auto touched = [this] { changed_ = true; };

    for (QCheckBox* c : {chkKustannuspaikat, chkAutomaattisestiUusiTosite, chkVanhatTositteet, chkVaakatulostus,
                         chkMoniseuratuki, chkVanhatMallit})
        click(c, touched);
    // A choice from a list changes the setting; typing into the text part of
    // the editable ones does not count as a change by itself.
    for (QComboBox* c : {cmbKieli, cmbFonts, cmbFonttiKoko, cmbLaskettavaTili, cmbVoittoTaseella}) click(c, touched);
    for (QLineEdit* e : {tTietokanta, tVarmistus, tSeuranNimi, tEmail, tSMTP, tTilikausiAlku, tTilikausiLoppu,
                         tEdTilikausiAlku, tEdTilikausiLoppu})
        ui::Events::of(e).onChange(touched);
    for (QLineEdit* e : {tMargYla, tMargAla, tMargVas, tMargOik})
        ui::Events::of(e).onChange([this, e] {
            checkMargin(e);
            changed_ = true;
        });
    for (QLineEdit* e : {tTietokanta, tVarmistus, tSeuranNimi, tEmail, tSMTP, tTilikausiAlku, tTilikausiLoppu,
                         tEdTilikausiAlku, tEdTilikausiLoppu, tMargYla, tMargAla, tMargVas, tMargOik})
        ui::Events::of(e).onGotFocus([e] { core::SelectAllText(e); });

    ui::Events::of(tTilikausiAlku).onLostFocus([this] {
        checkStartDate(tTilikausiAlku, tTilikausiLoppu,
                       core::TranslateStr(QStringLiteral("frmAsetukset"),
                                          QStringLiteral("Syötä tilikauden aluksi päivämäärä.")));
    });
    ui::Events::of(tEdTilikausiAlku).onLostFocus([this] {
        checkStartDate(tEdTilikausiAlku, tEdTilikausiLoppu,
                       core::TranslateStr(QStringLiteral("frmAsetukset"),
                                          QStringLiteral("Syötä edellisen tilikauden aluksi päivämäärä.")));
    });
    ui::Events::of(tTilikausiLoppu).onLostFocus([this] {
        checkEndDate(tTilikausiLoppu, core::TranslateStr(QStringLiteral("frmAsetukset"),
                                                         QStringLiteral("Syötä tilikauden lopuksi päivämäärä.")));
    });
    ui::Events::of(tEdTilikausiLoppu).onLostFocus([this] {
        checkEndDate(tEdTilikausiLoppu,
                     core::TranslateStr(QStringLiteral("frmAsetukset"),
                                        QStringLiteral("Syötä edellisen tilikauden lopuksi päivämäärä.")));
    });
    ui::Events::of(tVarmistus).onLostFocus([this] { checkBackupFolder(); });

    click(cTallenna, [this] { Tallenna(); });
    click(mTallenna, [this] { Tallenna(); });
    click(cPeru, [this] { Peru(); });
    click(mPeru, [this] { Peru(); });
    click(cSulje, [this] { Sulje(); });
    click(mSulje, [this] { Sulje(); });
    click(cTietokantavalita, [this] { ValitseTietokanta(); });
    click(cVaihdaTilikausi, [this] { VaihdaTilikausi(); });
    click(mTietoja, [] { ui::Forms::show<frmAboutVaskiro>(true); });
}

// ---------------------------------------------------------------- loading

void frmAsetukset::Load() {
    // Placement and translation come from the program-wide load hook; the
    // translation leaves combo boxes alone, so their tips are done here.
    cmbFonts->setToolTip(
        core::TranslateStr(QStringLiteral("frmAsetukset"), QStringLiteral("Kirjasinlaji tulosteilla")));
    cmbFonttiKoko->setToolTip(
        core::TranslateStr(QStringLiteral("frmAsetukset"), QStringLiteral("Kirjasinlajin koko tulosteilla")));
    cmbVoittoTaseella->setToolTip(core::TranslateStr(QStringLiteral("frmAsetukset"),
                                                     QStringLiteral("Tilikauden voitto kirjataan taseella tälle tilille")));
    cmbLaskettavaTili->setToolTip(core::TranslateStr(
        QStringLiteral("frmAsetukset"), QStringLiteral("Tositteiden kirjausikkunassa näytettävän saldon tili")));
    show();
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    repaint();
    loadUnreadSettings();
    FillFontList(cmbFonts);
    FillAccountLists();
    FillLanguageList();
    showStores();
    // Filled, the lists may need more room than the window had when it
    // showed itself.
    resize(size().expandedTo(sizeHint()));
    ui::FitOnScreen(this);
}

void frmAsetukset::Unload() {
    try {
        if (auto* main = ui::Forms::find<frmMain>(); main && main->isLoaded()) main->CheckKPStatus();
    } catch (...) {
        // Only a button's state; it is set again at the next start.
    }
}

void frmAsetukset::ReadBookAgain() {
    // A year the program has taken since the window showed its own (a
    // change of year, here or in another copy) is shown; what else was
    // typed stays.
    if (core::TilikausiAlku != shownAlku_ || core::TilikausiLoppu != shownLoppu_) showYear();
    if (tTietokanta->text() == core::DatabasePath) return;
    tTietokanta->setText(core::DatabasePath);
    FillAccountLists();
}

void frmAsetukset::FillLanguageList() {
    cmbKieli->clear();
    cmbKieli->addItem(QStringLiteral("Suomi"), 0);
    cmbKieli->addItem(QStringLiteral("Svenska"), 1);
    cmbKieli->setCurrentIndex(core::Language == QLatin1String("Svenska") ? 1 : 0);
}

void frmAsetukset::readShownSettings() {
    shown_ = core::CurrentSettings;
    unreadBook_.clear();
    shownStoresPath_ = core::DatabasePath;
    // Without a book the program's own stand, and the ini file's.
    shownStores_ = core::ReadShownStores();
    // The stores are read before the settings shown from them: a save of
    // another copy in between is then met by this window's save.
    try {
        dao::Database db = dao::DBEngine::OpenDatabase(core::DatabasePath, true);
        shownStores_ = core::ReadShownStores(db);
        const core::Settings book = core::ReadDatabaseSettings(db, shown_);
        db.Close();
        // The year stays the one the program works in: a year another copy
        // has changed is taken by the whole program at once
        // (core::TilikausiVaihtunutMuualla), and a save meets it. A program
        // that works in no year shows the book's as it is stored.
        const core::Settings own = shown_;
        shown_ = book;
        if (!own.TilikausiAlku.isZero()) {
            shown_.TilikausiAlku = own.TilikausiAlku;
            shown_.TilikausiLoppu = own.TilikausiLoppu;
            shown_.EdTilikausiAlku = own.EdTilikausiAlku;
            shown_.EdTilikausiLoppu = own.EdTilikausiLoppu;
            shown_.RaporttiAlkuPvm = own.RaporttiAlkuPvm;
            shown_.RaporttiLoppuPvm = own.RaporttiLoppuPvm;
        }
    } catch (const dao::DaoError& e) {
        // A book that is not there has no settings to show; one that is
        // there and cannot be read is told, and nothing is saved over it.
        if (e.number() != dao::err::FileNotFound && e.number() != dao::err::InvalidPath)
            unreadBook_ = core::ErrorWithNumber(std::current_exception());
    } catch (const std::exception&) {
        unreadBook_ = core::ErrorWithNumber(std::current_exception());
    }
    readIniShown();
}

void frmAsetukset::readIniShown() {
    // The ini file's, but the book: the program works on its own.
    ini::cIniFile& f = core::IniFile();
    f.FileName(core::IniFileName);
    f.Section(QStringLiteral("KOLVIO"));
    const QString backup = f.Read(QStringLiteral("DatabaseBackup"));
    if (!backup.isEmpty()) shown_.DatabaseBackup = backup;
    const QString language = f.Read(QStringLiteral("Language"));
    if (!language.isEmpty()) shown_.Language = language;
    shown_.MultiDb = core::flagValue(f.Read(QStringLiteral("MultiDb"), core::flagText(shown_.MultiDb)), shown_.MultiDb);
}

void frmAsetukset::showStores() {
    readShownSettings();
    ShowSettings();
    shownValues_ = controlValues();
    changed_ = false;
    // Values not read from the book are not saved into it.
    cTallenna->setEnabled(unreadBook_.isEmpty());
    mTallenna->setEnabled(unreadBook_.isEmpty());
    cVaihdaTilikausi->setEnabled(unreadBook_.isEmpty());
    if (unreadBook_.isEmpty()) return;
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmAsetukset"),
                                      QStringLiteral("Kirjanpidon asetuksia ei voitu lukea:")) +
                   QLatin1Char(' ') + core::DatabasePath + QStringLiteral("\r\n") + unreadBook_ +
                   QStringLiteral("\r\n\r\n") +
                   core::TranslateStr(QStringLiteral("frmAsetukset"),
                                      QStringLiteral("Ikkuna näyttää ohjelman omat asetukset, eikä niitä voi "
                                                     "tallentaa. Valitse Peru, kun kirjanpito on taas luettavissa, "
                                                     "tai valitse toinen tietokanta.")));
}

void frmAsetukset::showStoresAgain() {
    const std::vector<QString> typed = controlValues();
    const std::vector<QString> before = shownValues_;
    FillAccountLists();
    showStores();
    // What the user changed here stays as typed.
    const std::vector<QWidget*> controls = storedControls();
    bool kept = false;
    for (std::size_t i = 0; i < controls.size() && i < before.size(); ++i) {
        if (typed[i] == before[i]) continue;
        QWidget* c = controls[i];
        if (auto* e = qobject_cast<QLineEdit*>(c)) {
            e->setText(typed[i]);
        } else if (auto* b = qobject_cast<QCheckBox*>(c)) {
            b->setChecked(typed[i] == QLatin1String("1"));
        } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
            if (combo->isEditable()) {
                SelectComboByText(typed[i], combo);
                combo->setEditText(typed[i]);
            } else {
                combo->setCurrentIndex(combo->findData(typed[i]));
            }
        }
        kept = true;
    }
    changed_ = kept;
}

std::vector<QWidget*> frmAsetukset::storedControls() const {
    return {tVarmistus,  cmbKieli,        chkMoniseuratuki, tEmail,           tSMTP,
            tSeuranNimi, cmbFonts,        cmbFonttiKoko,    chkKustannuspaikat, chkAutomaattisestiUusiTosite,
            chkVanhatTositteet, chkVaakatulostus, chkVanhatMallit, cmbLaskettavaTili, cmbVoittoTaseella,
            tTilikausiAlku, tTilikausiLoppu, tEdTilikausiAlku, tEdTilikausiLoppu, tMargYla,
            tMargAla,    tMargVas,        tMargOik};
}

std::vector<QString> frmAsetukset::controlValues() const {
    std::vector<QString> values;
    for (QWidget* c : storedControls()) {
        if (auto* e = qobject_cast<QLineEdit*>(c))
            values.push_back(e->text());
        else if (auto* b = qobject_cast<QCheckBox*>(c))
            values.push_back(b->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        else if (auto* combo = qobject_cast<QComboBox*>(c))
            values.push_back(combo->isEditable() ? combo->currentText() : combo->currentData().toString());
        else
            values.push_back(QString());
    }
    return values;
}

void frmAsetukset::ShowSettings() {
    const core::Settings& s = shown_;
    cmbKieli->setCurrentIndex(s.Language == QLatin1String("Svenska") ? 1 : 0);
    tTietokanta->setText(s.DatabasePath);
    tVarmistus->setText(s.DatabaseBackup);
    tEmail->setText(s.Email);
    tSMTP->setText(s.SMTP);
    // An empty name shows the book file's name, which then stands for it.
    tSeuranNimi->setText(core::StoredSeuranNimi(s.SeuranNimi, s.DatabasePath));
    tSeuranNimi->setPlaceholderText(core::DefaultSeuranNimi(s.DatabasePath));

    chkMoniseuratuki->setChecked(s.MultiDb);
    chkVaakatulostus->setChecked(s.VaakaTulostus);
    chkVanhatMallit->setChecked(s.VanhatMallit);
    chkVanhatTositteet->setChecked(s.VanhatTositteet);
    chkAutomaattisestiUusiTosite->setChecked(s.AutomaattisestiUusiTosite);
    chkKustannuspaikat->setChecked(s.Kustannuspaikat);

    // The report control's units: millimetres times 48.
    tMargYla->setText(MarginText(s.ReportControlMargins.top));
    tMargAla->setText(MarginText(s.ReportControlMargins.bottom));
    tMargOik->setText(MarginText(s.ReportControlMargins.right));
    tMargVas->setText(MarginText(s.ReportControlMargins.left));

    core::SelectComboByItemData(cmbLaskettavaTili, s.LaskettavaTili);
    core::SelectComboByItemData(cmbVoittoTaseella, s.VoittoTaseella);

    SelectComboByText(s.Fontti, cmbFonts);
    SelectComboByText(QString::number(s.FonttiKoko), cmbFonttiKoko);

    showYear();
}

void frmAsetukset::showYear() {
    tTilikausiAlku->setText(core::TilikausiAlku.toShortString());
    tEdTilikausiAlku->setText(core::EdTilikausiAlku.toShortString());
    tTilikausiLoppu->setText(core::TilikausiLoppu.toShortString());
    tEdTilikausiLoppu->setText(core::EdTilikausiLoppu.toShortString());
    shownAlku_ = core::TilikausiAlku;
    shownLoppu_ = core::TilikausiLoppu;
}

void frmAsetukset::SelectComboByText(const QString& text, QComboBox* combo) {
    // The item whose text is text exactly; when none is, the last item. An
    // empty list is left alone.
    if (combo->count() == 0) return;
    int i = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i < 0) i = combo->count() - 1;
    combo->setCurrentIndex(i);
    if (combo->isEditable()) combo->setEditText(combo->itemText(i));
}

void frmAsetukset::FillAccountLists() {
    try {
        const QString path = tTietokanta->text().isEmpty() ? core::DatabasePath : tTietokanta->text();
        dao::Database db = dao::DBEngine::OpenDatabase(path, true);
        const std::vector<core::ListLine> accounts = core::AccountList(db, core::AccountOrder::ByNumber);
        db.Close();
        for (QComboBox* c : {cmbLaskettavaTili, cmbVoittoTaseella}) {
            c->clear();
            c->addItem(QStringLiteral(" "), 0);
            for (const core::ListLine& account : accounts) c->addItem(account.text(), qlonglong(account.id));
        }
    } catch (const std::exception&) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmAsetukset"),
                                          QStringLiteral("Tililuettelon lataamisessa tapahtui virhe:")) +
                       QLatin1Char(' ') + core::ErrorWithNumber(std::current_exception()));
    }
}

void frmAsetukset::FillFontList(QComboBox* combo) {
    try {
        // The printer draws with the same font system as the screen, so both
        // offer the families a report prints in.
        const QStringList screen = report::printableFamilies();
        const QStringList printer = screen;
        const int nS = int(screen.size());
        const int nP = int(printer.size());
        pBar1->setRange(0, qMax(1, nS + nP));
        pBar1->setValue(0);
        for (int i = 1; i <= nS; ++i) pBar1->setValue(i);
        for (int i = 1; i <= nP; ++i) pBar1->setValue(nS + i);
        const QStringList names = CommonFontNames(screen, printer);
        combo->clear();
        combo->addItems(names);
        pBar1->setValue(0);
    } catch (const std::exception&) {
        core::ShowInfo(
            core::TranslateStr(QStringLiteral("frmAsetukset"), QStringLiteral("Fonttien latauksessa tapahtui virhe: ")) +
            core::ErrorWithNumber(std::current_exception()) + QStringLiteral("\r\n\r\n") +
            core::TranslateStr(QStringLiteral("frmAsetukset"),
                               QStringLiteral("Kolvio VEV vaatii toimiakseen, että tietokoneeseen on asennettuna "
                                              "tulostin.")));
    }
}

// ---------------------------------------------------------------- field checks

void frmAsetukset::checkStartDate(QLineEdit* field, QLineEdit* endField, const QString& message) {
    const std::optional<dao::Date> d = dao::Date::fromText(field->text());
    if (!d) {
        if (!field->text().isEmpty()) {
            core::BeepIfSoundOn();
            core::ShowInfo(message);
            field->clear();
        }
        return;
    }
    field->setText(d->toShortString());
    if (endField->text().isEmpty()) endField->setText(d->addYears(1).addDays(-1).toShortString());
}

void frmAsetukset::checkEndDate(QLineEdit* field, const QString& message) {
    const std::optional<dao::Date> d = dao::Date::fromText(field->text());
    if (!d) {
        if (!field->text().isEmpty()) {
            core::BeepIfSoundOn();
            core::ShowInfo(message);
            field->clear();
        }
        return;
    }
    field->setText(d->toShortString());
}

void frmAsetukset::checkMargin(QLineEdit* field) {
    const QString text = field->text();
    if (text.isEmpty() || MarginValue(text)) return;
    core::BeepIfSoundOn();
    core::ShowInfo(MarginMessage(text));
    field->clear();
}

void frmAsetukset::checkBackupFolder() {
    // An empty field stays empty: the save takes the default folder then.
    const QString text = tVarmistus->text();
    if (text.isEmpty() || text.endsWith(u'/') || text.endsWith(QDir::separator())) return;
    tVarmistus->setText(text + QDir::separator());
}

// ---------------------------------------------------------------- cancel and close

void frmAsetukset::Peru() {
    // A book that could not be read when the window opened gave no account
    // lists either.
    if (!unreadBook_.isEmpty()) FillAccountLists();
    showStores();
}

void frmAsetukset::Sulje() {
    if (auto* main = ui::Forms::find<frmMain>(); main && main->isLoaded()) main->CheckKPStatus();
    // A window that could not read the book's settings offers no save.
    if (!changed_ || !unreadBook_.isEmpty()) {
        ui::Forms::unload(*this);
        return;
    }
    if (core::AskYesNo(core::TranslateStr(QStringLiteral("frmAsetukset"),
                                          QStringLiteral("Asetuksia on muutettu, tallennetaanko?")),
                       false) == ui::Answer::Yes) {
        Tallenna();  // closes the window when everything was saved
        return;
    }
    ui::Forms::unload(*this);
}

}  // namespace shell
