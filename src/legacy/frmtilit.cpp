// The older accounts window: the chart of accounts through a bound data
// control, the tree of accounts by thousands, the opening entries of the
// account shown, and the account list report.

#include "legacy/frmtilit.h"

#include "core/globals.h"
#include "core/nz.h"
#include "core/puoli.h"
#include "core/records/lists.h"
#include "core/records/tili.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/dao/error.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/apppath.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportctl/reportglobals.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace legacy {

namespace {

using EditMode = dao::Recordset::EditMode;
constexpr int kKeyRole = Qt::UserRole;

// A node that could not be put into the tree.
struct NodeError {
    QString description;
};

}  // namespace

frmTilit::frmTilit() : ui::Form(QStringLiteral("frmTilit")) {
    setWindowTitle(QStringLiteral("Tilit"));
    buildControls();
    connectEvents();
    resize(760, 520);
}

frmTilit::~frmTilit() {
    gone_ = true;
    if (QWidget* f = QApplication::focusWidget(); f && isAncestorOf(f)) f->clearFocus();
    Data1.onValidate(nullptr);
    Data1.onReposition(nullptr);
}

// ---------------------------------------------------------------- building

void frmTilit::buildControls() {
    buildMenus();
    buildAccountFields();
    buildOpeningEntries();

    tvTilit = new QTreeWidget(this);
    tvTilit->setObjectName(QStringLiteral("tvTilit"));
    tvTilit->setHeaderHidden(true);
    tvTilit->setColumnCount(1);
    tvTilit->setMinimumWidth(260);

    buildButtons();
    layOutControls();
}

void frmTilit::buildMenus() {
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    auto menu = [this](const char* name, const char* caption) { return ui::addMenu(menuBar, name, caption); };
    auto action = [this](QMenu* m, const char* name, const char* caption, QKeySequence key = {}) {
        return ui::addWindowAction(m, this, name, caption, key);
    };
    mTiedosto = menu("mTiedosto", "&Tiedosto");
    mTulostaTilikartta = action(mTiedosto, "mTulostaTilikartta", "Tulosta tililuettelo", QKeySequence(Qt::Key_F7));
    mTiedosto->addSeparator();
    mSulje = action(mTiedosto, "mSulje", "&Sulje");
    mTili = menu("mTili", "T&ietue");
    mUusi = action(mTili, "mUusi", "&Uusi", QKeySequence(Qt::Key_F2));
    mTallenna = action(mTili, "mTallenna", "&Tallenna", QKeySequence(Qt::Key_F3));
    mPoista = action(mTili, "mPoista", "&Poista", QKeySequence(Qt::Key_F4));
    mSelaa = action(mTili, "mSelaa", "Se&laa", QKeySequence(Qt::Key_F5));
    mPeru = action(mTili, "mPeru", "P&eru", QKeySequence(Qt::CTRL | Qt::Key_Z));
    mTili->addSeparator();
    mEnsimmainen = action(mTili, "mEnsimmäinen", "Siirry ensimmäiseen", QKeySequence(Qt::CTRL | Qt::Key_A));
    mEdellinen = action(mTili, "mEdellinen", "Siirry edelliseen", QKeySequence(Qt::CTRL | Qt::Key_S));
    mSeuraava = action(mTili, "mSeuraava", "Siirry seuraavaan", QKeySequence(Qt::CTRL | Qt::Key_D));
    mViimeinen = action(mTili, "mViimeinen", "Siirry viimeiseen", QKeySequence(Qt::CTRL | Qt::Key_F));
}

// The account's number, name and description, bound to its fields.
void frmTilit::buildAccountFields() {
    frameTilit = ui::makeGroupBox(this, QStringLiteral("frameTilit"), QStringLiteral("Tilin tiedot"));
    auto field = [this](const char* name) { return ui::makeLineEdit(frameTilit, name); };
    lblTilinumero = ui::makeLabel(frameTilit, "lblTilinumero", "Numero:");
    tTilinumero = field("tTilinumero");
    tTilinumero->setMaximumWidth(110);
    lblNimi = ui::makeLabel(frameTilit, "lblNimi", "Nimi:");
    tNimi = field("tNimi");
    tNimi->setMaxLength(50);
    lblKuvaus = ui::makeLabel(frameTilit, "lblKuvaus", "Kuvaus:");
    tKuvaus = field("tKuvaus");
    tKuvaus->setMaxLength(255);
    auto* fg = new QGridLayout(frameTilit);
    fg->addWidget(lblTilinumero, 0, 0);
    fg->addWidget(tTilinumero, 0, 1);
    fg->addWidget(lblNimi, 1, 0);
    fg->addWidget(tNimi, 1, 1);
    fg->addWidget(lblKuvaus, 2, 0);
    fg->addWidget(tKuvaus, 2, 1);
    fg->setColumnStretch(1, 1);
    Data1.Bind(tTilinumero, QStringLiteral("tlNumero"));
    Data1.Bind(tNimi, QStringLiteral("tlNimi"), DataControl::Empty::Blank);
    Data1.Bind(tKuvaus, QStringLiteral("tlKuvaus"), DataControl::Empty::Blank);
}

// The account's opening entries, debit and credit, for both years.
void frmTilit::buildOpeningEntries() {
    Frame1 = ui::makeGroupBox(this, QStringLiteral("Frame1"), QStringLiteral("Avausviennit"));
    lblDebet = ui::makeLabel(Frame1, "lblDebet", "Debet");
    lblKredit = ui::makeLabel(Frame1, "lblKredit", "Kredit");
    lblKuluva = ui::makeLabel(Frame1, "lblKuluva", "Kuluva tilikausi:");
    lblEdellinen = ui::makeLabel(Frame1, "lblEdellinen", "Edellinen tilikausi:");
    lblKuluvaDebet = ui::makeLabel(Frame1, "lblKuluvaDebet", "");
    lblKuluvaKredit = ui::makeLabel(Frame1, "lblKuluvaKredit", "");
    lblEdellinenDebet = ui::makeLabel(Frame1, "lblEdellinenDebet", "");
    lblEdellinenKredit = ui::makeLabel(Frame1, "lblEdellinenKredit", "");
    for (QLabel* l : {lblDebet, lblKredit, lblKuluvaDebet, lblKuluvaKredit, lblEdellinenDebet, lblEdellinenKredit})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* og = new QGridLayout(Frame1);
    og->addWidget(lblDebet, 0, 1);
    og->addWidget(lblKredit, 0, 2);
    og->addWidget(lblKuluva, 1, 0);
    og->addWidget(lblKuluvaDebet, 1, 1);
    og->addWidget(lblKuluvaKredit, 1, 2);
    og->addWidget(lblEdellinen, 2, 0);
    og->addWidget(lblEdellinenDebet, 2, 1);
    og->addWidget(lblEdellinenKredit, 2, 2);
    og->setColumnStretch(1, 1);
    og->setColumnStretch(2, 1);
}

void frmTilit::buildButtons() {
    auto button = [this](const char* name, const char* caption, const char* tip) {
        QPushButton* b = ui::makeButton(this, name, caption, tip);
        b->setAutoDefault(true);  // a focused button is pressed with Enter too
        return b;
    };
    cAvaaKaikki = button("cAvaaKaikki", "&Avaa kaikki", nullptr);
    cUusi = button("cUusi", "Uusi", "Tee uusi tili [F2]");
    cTallenna = button("cTallenna", "Tallenna", "Tallenna näytöllä olevan tili [F3]");
    cPoista = button("cPoista", "Poista", "Poista näytössä oleva tili [F4]");
    cSelaa = button("cSelaa", "Selaa", "Selaa tilejä [F5]");
    cPeru = button("cPeru", "Peru", "Peru tehdyt muutokset [Ctrl+Z]");
    cTulosta = button("cTulosta", "Tulosta", "Tulosta tililuettelo [F7]");
    cSulje = button("cSulje", "Sulje", "Sulje Tilit [Alt+F4]");
    cEnsimmainen = button("cEnsimmäinen", "Ensimm.", "Siirry ensimmäiseen [Ctrl+A]");
    cEdellinen = button("cEdellinen", "Edel.", "Siirry edelliseen [Ctrl+S]");
    cSeuraava = button("cSeuraava", "Seur.", "Siirry seuraavaan [Ctrl+D]");
    cViimeinen = button("cViimeinen", "Viim.", nullptr);
}

// The tree on the left, the account's frames on the right, the command
// buttons below them, and the order Tab moves in.
void frmTilit::layOutControls() {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(8, 4, 8, 8);
    root->setMenuBar(menuBar);
    auto* body = new QHBoxLayout;
    root->addLayout(body, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(tvTilit, 1);
    left->addWidget(cAvaaKaikki);
    body->addLayout(left);
    auto* right = new QVBoxLayout;
    right->addWidget(frameTilit);
    right->addWidget(Frame1);
    right->addStretch(1);
    body->addLayout(right, 1);
    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {cUusi, cTallenna, cPoista, cSelaa, cPeru, cTulosta}) commands->addWidget(b);
    commands->addSpacing(12);
    for (QPushButton* b : {cEnsimmainen, cEdellinen, cSeuraava, cViimeinen}) commands->addWidget(b);
    commands->addStretch(1);
    commands->addWidget(cSulje);
    root->addLayout(commands);

    const QList<QWidget*> order{tTilinumero, tNimi,        tKuvaus,    cUusi,     cTallenna, cPoista,
                                cSelaa,      cPeru,        cTulosta,   cEnsimmainen, cEdellinen, cSeuraava,
                                cViimeinen,  cSulje,       tvTilit,    cAvaaKaikki};
    for (int k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1], order[k]);
}

void frmTilit::connectEvents() {
    const std::pair<QAction*, QPushButton*> same[] = {
        {mTulostaTilikartta, cTulosta}, {mSulje, cSulje},         {mUusi, cUusi},
        {mTallenna, cTallenna},         {mPoista, cPoista},       {mSelaa, cSelaa},
        {mPeru, cPeru},                 {mEnsimmainen, cEnsimmainen}, {mEdellinen, cEdellinen},
        {mSeuraava, cSeuraava},         {mViimeinen, cViimeinen},
    };
    for (const auto& [item, button] : same) {
        QPushButton* b = button;
        ui::Events::of(item).onClick([b] { b->click(); });
    }
    auto click = [this](QPushButton* b, std::function<void()> command) {
        ui::Events::of(b).onClick([this, command] { run(command); });
    };
    click(cUusi, [this] { Uusi(); });
    click(cTallenna, [this] { Tallenna(); });
    click(cPoista, [this] { Poista(); });
    click(cSelaa, [this] { Selaa(); });
    click(cPeru, [this] { Peru(); });
    ui::Events::of(cTulosta).onClick([this] { Tulosta(); });  // tells its own failures
    click(cSulje, [this] { Sulje(); });
    click(cAvaaKaikki, [this] { AvaaKaikki(); });
    click(cEnsimmainen, [this] { navigate(DataControl::Step::First); });
    click(cEdellinen, [this] { navigate(DataControl::Step::Previous); });
    click(cSeuraava, [this] { navigate(DataControl::Step::Next); });
    click(cViimeinen, [this] { navigate(DataControl::Step::Last); });

    // A node picked with the mouse, or Enter on the tree (the key is used up).
    connect(tvTilit, &QTreeWidget::itemClicked, this, [this] { run([this] { nodeChosen(); }); });
    ui::Events::of(tvTilit).onKeyDown([this](int& keyCode, int) {
        if (keyCode != 13) return;
        keyCode = 0;
        run([this] { nodeChosen(); });
    });

    auto enterAsTab = [](int& keyCode, int /*shift*/) {
        if (keyCode != 13) return;
        core::EnterAsTab(keyCode);
        keyCode = 0;
    };
    auto swallowEnter = [](int& keyAscii) {
        if (keyAscii == 13) keyAscii = 0;
    };
    for (QLineEdit* box : {tTilinumero, tNimi, tKuvaus})
        ui::Events::of(box).onChange([this] { fieldChanged(); }).onKeyDown(enterAsTab).onKeyPress(swallowEnter);
    ui::Events::of(tTilinumero).onGotFocus([this] { core::SelectAllText(tTilinumero); }).onLostFocus([this] {
        if (!gone_) numeroLeft();
    });
    ui::Events::of(tNimi).onGotFocus([this] { core::HighlightText(tNimi); });
    ui::Events::of(tKuvaus).onGotFocus([this] { core::SelectAllText(tKuvaus); });

    Data1.onValidate([this](DataControl::Action a) { validate(a); });
    Data1.onReposition([this] { ShowAlkusaldot(); });
}

// ---------------------------------------------------------------- loading and closing

void frmTilit::Load() {
    // The program-wide load hook has restored the placement and translated
    // the window.
    if (core::DatabasePath.isEmpty() || core::DatabasePath == QLatin1String("unknown")) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTilit"),
                                          QStringLiteral("Tarkista tietokanta asetukset asetusikkunasta.")));
        ui::Forms::unload(*this);
        return;
    }
    // A step that fails ends the loading: the window tells what failed and
    // goes, rather than stand empty as if the book had no accounts.
    const bool loaded = run([this] {
        reports::CrystalReport1().setReportFileName(QDir(sys::AppPath()).filePath(QStringLiteral("jrjasmak.rpt")));
        Data1.setRecordSource(core::AccountListSource(core::AccountOrder::ByNumberThenName));
        Data1.Refresh();
        if (!Data1.isEmpty()) {
            Data1.MoveLast();
            Data1.MoveFirst();
        }
        BuildTree();
    });
    if (!loaded) ui::Forms::unload(*this);
}

void frmTilit::Unload() {
    // What is pending is stored as the window goes; a store that fails is
    // told (what was typed is lost), and the window goes all the same.
    gone_ = true;
    run([this] { Tallenna(); });
    QCoreApplication::processEvents();
    Data1.Close();
}

void frmTilit::Sulje() { ui::Forms::unload(*this); }

bool frmTilit::StorePendingEdits() {
    // An error reaches the caller: the book is then left alone.
    storeShown();
    shownBeforeChange_ = Data1.hasCurrent() ? currentTlId() : 0;
    return true;
}

void frmTilit::ReadBookAgain() {
    // The record set read before is closed without its events, so that the
    // account it stands on is not written back, and read anew.
    const long shown = shownBeforeChange_;
    shownBeforeChange_ = 0;
    Data1.Close();
    run([this, shown] {
        Data1.Refresh();
        if (shown > 0) Data1.FindFirst(QStringLiteral("tlID"), shown);
        BuildTree();
    });
}

// ---------------------------------------------------------------- the record set

long frmTilit::currentTlId() const { return core::NzLong(Data1.value(QStringLiteral("tlID")), 0); }

void frmTilit::validate(DataControl::Action a) {
    if (a == DataControl::Action::Unload) return;
    // The account shown is written back on every move, changed or not. A
    // write the book refuses stops the move, and what was typed stays; an
    // account removed meanwhile lets the move go on.
    storeShown(true);
}

bool frmTilit::storeShown(bool always) {
    const bool typed = Data1.isEditing();
    if (!typed && !(always && Data1.hasCurrent())) return true;
    const long id = Data1.editMode() == EditMode::Add ? 0 : currentTlId();
    // Named as the tree shows it: as it was stored.
    const QTreeWidgetItem* node = id > 0 ? nodeOf(id) : nullptr;
    const QString name = node ? node->text(0) : Data1.value(QStringLiteral("tlNumero")).toString();
    try {
        if (typed)
            Data1.StorePending();
        else
            Data1.UpdateRecord();
    } catch (const dao::DaoError& e) {
        if (e.number() != dao::err::RecordDeleted) throw;
        // Not written again as a row of its own: the other copy's removal
        // stands, and the record set passes over the account from now on.
        Data1.CancelUpdate();
        delete nodeOf(id);
        QString told = core::TranslateStr(QStringLiteral("frmTilit"),
                                          QStringLiteral("Tili %1 on sillä välin poistettu kirjanpidosta toisessa "
                                                         "ohjelmassa, jossa sama kirjanpito on auki."))
                           .arg(name);
        if (typed)
            told += QLatin1Char(' ') + core::TranslateStr(QStringLiteral("frmTilit"),
                                                          QStringLiteral("Siihen tehtyjä muutoksia ei tallennettu."));
        core::ShowInfo(told);
        return false;
    }
    return true;
}

void frmTilit::CommitEdit() {
    if (Data1.isEditing()) {
        if (storeShown()) Data1.GoTo(Data1.Recordset().LastModified());
    } else if (Data1.hasCurrent()) {
        Data1.GoTo(Data1.Recordset().bookmark());
    }
}

void frmTilit::navigate(DataControl::Step direction) {
    if (!Data1.Browse(direction)) core::BeepIfSoundOn();
}

void frmTilit::ShowAlkusaldot() {
    const QString zero = dao::Currency().toCurrencyString();
    if (!Data1.hasCurrent()) {
        for (QLabel* l : {lblKuluvaDebet, lblKuluvaKredit, lblEdellinenDebet, lblEdellinenKredit}) l->setText(zero);
        return;
    }
    try {
        core::cTili tili;
        core::cAlkusaldot s;
        if (tili.Read(currentTlId())) s = tili.Alkusaldot();
        lblKuluvaDebet->setText(s.AlkusaldoDebet().toCurrencyString());
        lblKuluvaKredit->setText(s.AlkusaldoKredit().toCurrencyString());
        lblEdellinenDebet->setText(s.EdAlkusaldoDebet().toCurrencyString());
        lblEdellinenKredit->setText(s.EdAlkusaldoKredit().toCurrencyString());
    } catch (...) {
        // Only read for the labels: a failing read leaves them with their text.
    }
}

// ---------------------------------------------------------------- the tree

void frmTilit::BuildTree() {
    tvTilit->hide();
    tvTilit->clear();
    const std::vector<core::ListLine> tilit = core::AccountList(core::AccountOrder::ByNumberThenName);
    // Rows at the head of the order without a proper name (none, or one
    // that begins below "A") are no accounts for the tree; they stay stored.
    auto tili = tilit.begin();
    for (; tili != tilit.end(); ++tili)
        if (!tili->name.isEmpty() && tili->name.at(0).unicode() >= 65) break;
    long lastGroup = 0;
    QTreeWidgetItem* group = nullptr;
    QString firstError;
    for (; tili != tilit.end(); ++tili) {
        const QString& nimi = tili->name;
        const long id = tili->id;
        try {
            if (!tili->number)
                throw NodeError{core::TranslateStr(QStringLiteral("frmTilit"), QStringLiteral("Tililtä puuttuu numero:")) +
                                QLatin1Char(' ') + nimi};
            const long n = *tili->number;
            const long g = (n / 1000) * 1000;
            if (g > lastGroup) {
                group = new QTreeWidgetItem(tvTilit, {QString::number(g)});
                lastGroup = g;
            }
            if (!group)
                throw NodeError{core::TranslateStr(QStringLiteral("frmTilit"),
                                                   QStringLiteral("Tilille ei ole ryhmää:")) +
                                QLatin1Char(' ') + QString::number(n) + QLatin1Char(' ') + nimi};
            auto* node = new QTreeWidgetItem(group, {QString::number(n) + QLatin1Char(' ') + nimi});
            node->setData(0, kKeyRole, QString::number(id) + QStringLiteral("ID"));
        } catch (const NodeError& e) {
            // The build goes on with the next account; the first failure is told.
            if (firstError.isEmpty()) firstError = e.description;
        }
    }
    tvTilit->show();
    if (!firstError.isEmpty())
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTilit"), QStringLiteral("Virhe luotaessa hakemistopuuta tileistä.")) +
                       QStringLiteral("\r\n") + firstError);
}

QTreeWidgetItem* frmTilit::nodeOf(long tlID) const {
    const QString key = QString::number(tlID) + QStringLiteral("ID");
    for (int g = 0; g < tvTilit->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = tvTilit->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c)
            if (group->child(c)->data(0, kKeyRole).toString() == key) return group->child(c);
    }
    return nullptr;
}

void frmTilit::nodeChosen() {
    // An edit that cannot be stored keeps the window on its account.
    CommitEdit();
    const QTreeWidgetItem* node = tvTilit->currentItem();
    if (!node) return;
    const QString key = node->data(0, kKeyRole).toString();
    const qsizetype at = key.indexOf(QStringLiteral("ID"), 0, Qt::CaseInsensitive);
    if (at < 0) return;  // a group
    const long id = key.left(at).toLong();
    if (!Data1.FindFirst(QStringLiteral("tlID"), id))
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTilit"),
                                          QStringLiteral("Valittua tiliä ei löydy, päivitä luettelo painamalla "
                                                         "Selaa nappia.")));
    Data1.UpdateControls();
}

// ---------------------------------------------------------------- commands

void frmTilit::Uusi() {
    // The account shown is stored first. A step that fails ends the command
    // there: the window stays on an account it shows, and nothing is taken
    // for new.
    storeShown(true);
    Data1.Refresh();
    Data1.UpdateControls();
    Data1.AddNew();
    BuildTree();
    tTilinumero->setFocus(Qt::OtherFocusReason);
}

void frmTilit::Tallenna() {
    const EditMode mode = Data1.editMode();
    if (Data1.isEditing() && storeShown()) Data1.GoTo(Data1.Recordset().LastModified());
    // An added row stands last until the record set is read again.
    if (mode == EditMode::Add && !Data1.isEOF()) Data1.MoveLast();
    Data1.UpdateControls();
    // A window that is going needs no tree.
    if (!gone_) BuildTree();
}

void frmTilit::Peru() {
    if (Data1.isEditing()) Data1.CancelUpdate();
    Data1.UpdateControls();
    ShowAlkusaldot();
}

bool frmTilit::CanDeleteTili(long id) {
    core::cTili tili;
    return !tili.Read(id) || !tili.OnVienteja();
}

void frmTilit::Poista() {
    // What is pending is stored first, an account being added becoming the
    // one shown. When it cannot be, nothing is asked and nothing deleted:
    // the current row would be another account than the one typed.
    const EditMode mode = Data1.editMode();
    if (mode != EditMode::None) {
        if (!storeShown()) return;  // removed meanwhile: nothing is left to delete
        if (mode == EditMode::Add) Data1.MoveLast();
    }
    // When it cannot be told whether the account has entries, the command
    // ends with the cause, and nothing is deleted.
    if (Data1.hasCurrent() && !CanDeleteTili(currentTlId())) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTilit"),
                                          QStringLiteral("Tilillä on vientejä kuluvalla tai edellisellä "
                                                         "tilikaudella eikä sitä voida poistaa.")));
        return;
    }
    if (core::AskYesNo(core::TranslateStr(QStringLiteral("frmTilit"), QStringLiteral("Poistetaanko näytössä oleva tili?"))) !=
        ui::Answer::Yes)
        return;
    if (!Data1.hasCurrent()) return;
    const long id = currentTlId();
    Data1.Delete();
    delete nodeOf(id);
    Data1.Refresh();
}

void frmTilit::Selaa() {
    const long id = Data1.hasCurrent() ? currentTlId() : 0;
    Tallenna();
    Data1.Refresh();
    BuildTree();
    tvTilit->setFocus(Qt::OtherFocusReason);
    Data1.FindFirst(QStringLiteral("tlID"), id);
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Up}) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier);
        QCoreApplication::sendEvent(tvTilit, &press);
        QCoreApplication::sendEvent(tvTilit, &release);
    }
}

void frmTilit::AvaaKaikki() {
    tvTilit->hide();
    try {
        Selaa();
    } catch (...) {
        // The tree is not left hidden by a refresh that failed.
        tvTilit->show();
        throw;
    }
    tvTilit->expandAll();
    tvTilit->show();
    tvTilit->setFocus(Qt::OtherFocusReason);
}

void frmTilit::Tulosta() {
    try {
        CommitEdit();
        if (!reports::AskPrintDestination()) return;
        report::ReportControl& rc = reports::CrystalReport1();
        reports::ResetReportFormulas();
        rc.setReportFileName(QDir(sys::AppPath()).filePath(QStringLiteral("tilit.rpt")));
        rc.setDestination(reports::TulostusLaite);
        rc.setCopiesToPrinter(core::TulostusKopioita);
        core::SetReportFonts(rc, false);
        rc.setFormulas(0, reports::NamedFormula(QStringLiteral("Seurannimi"), core::SeuranNimi));
        rc.setFormulas(1, QStringLiteral("Otsake= 'Tililuettelo'"));
        rc.setAction(1);
    } catch (const std::exception&) {
        // A print that did not come out is told, never passed over.
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTilit"), QStringLiteral("Tililuettelon tulostus epäonnistui.")) +
                       QStringLiteral("\r\n") + core::ErrorText(std::current_exception()));
    }
}

// ---------------------------------------------------------------- fields

void frmTilit::fieldChanged() {
    // Typing into the fields of a window that shows no account, or of a book
    // that is only read, starts nothing.
    if (!Data1.isEditing() && Data1.hasCurrent() && Data1.Recordset().updatable()) Data1.Edit();
}

void frmTilit::numeroLeft() {
    if (dao::Currency::parse(tTilinumero->text())) return;
    tTilinumero->clear();
    core::BeepIfSoundOn();
}

}  // namespace legacy
