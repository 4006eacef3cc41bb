#include "accounts/views/frmlisaatili.h"

#include "accounts/views/viewdata.h"
#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/events.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace accounts {

namespace {

constexpr int kNimiWidth = 50;     // tlNimi
constexpr int kKuvausWidth = 255;  // tlKuvaus

}  // namespace

frmLisaaTili::frmLisaaTili() : reports::DialogForm(QStringLiteral("frmLisaaTili"), kWidthTwips, kHeightTwips) {
    setWindowTitle(QStringLiteral("Lisää tili"));

    Label1 = ui::makeLabel(this, "Label1", QStringLiteral("Numero:"));
    tTilinumero = ui::makeLineEdit(this, QStringLiteral("tTilinumero"));
    tTilinumero->setMaxLength(4);
    Label2 = ui::makeLabel(this, "Label2", QStringLiteral("Nimi:"));
    tNimi = ui::makeLineEdit(this, QStringLiteral("tNimi"));
    tNimi->setMaxLength(kNimiWidth);
    Label3 = ui::makeLabel(this, "Label3", QStringLiteral("Kuvaus:"));
    tKuvaus = new QPlainTextEdit(this);
    tKuvaus->setObjectName(QStringLiteral("tKuvaus"));
    tKuvaus->setTabChangesFocus(true);
    cLisaa = ui::makeButton(this, "cLisaa", QStringLiteral("Lisää"));
    cPeruuta = ui::makeButton(this, "cPeruuta", QStringLiteral("Peruuta"));

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(tTilinumero, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(tNimi, 1, 1);
    grid->addWidget(Label3, 2, 0, Qt::AlignTop);
    grid->addWidget(tKuvaus, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cLisaa);
    buttons->addWidget(cPeruuta);
    auto* page = new QVBoxLayout(this);
    page->addLayout(grid, 1);
    page->addLayout(buttons);

    setTabOrder(tTilinumero, tNimi);
    setTabOrder(tNimi, tKuvaus);
    setTabOrder(tKuvaus, cLisaa);
    setTabOrder(cLisaa, cPeruuta);
    setDialogButtons(cLisaa, cPeruuta);
    fixSize();

    ui::Events::of(cLisaa).onClick([this] { Lisaa(); });
    ui::Events::of(cPeruuta).onClick([this] { Peruuta(); });
    ui::Events::of(tKuvaus).onChange([this] { limitKuvaus(); });
}

frmLisaaTili::~frmLisaaTili() = default;

std::optional<long> frmLisaaTili::ReadTilinumero(const QString& text) {
    if (text.size() != 4) return std::nullopt;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    const long n = text.toLong();
    if (n < 1000) return std::nullopt;
    return n;
}

void frmLisaaTili::Load() {
    Cancelled = false;
    NewtlID = 0;
    NewtlNumero.clear();
    NewtlNimi.clear();
    NewtlKuvaus.clear();
    added_ = false;
    const QString message =
        core::TranslateStr(QStringLiteral("frmLisaaTili"), QStringLiteral("Tarkista tietokanta asetukset asetusikkunasta."));
    if (core::DatabasePath.isEmpty() || core::DatabasePath == QLatin1String("unknown")) {
        core::ShowInfo(message);
        Cancelled = true;
        ui::Forms::unload(*this);
        return;
    }
    try {
        db_ = dao::DBEngine::OpenDatabase(core::DatabasePath);
    } catch (const dao::DaoError& e) {
        core::ShowInfo(message + QLatin1Char('\n') + e.description());
        Cancelled = true;
        ui::Forms::unload(*this);
        return;
    }
    tTilinumero->clear();
    tNimi->clear();
    tKuvaus->clear();
    tTilinumero->setFocus();
}

void frmLisaaTili::Unload() {
    // Every way out but a stored account is a cancel.
    if (!added_) Cancelled = true;
    if (db_.isOpen()) db_.Close();
}

void frmLisaaTili::limitKuvaus() {
    const QString text = tKuvaus->toPlainText();
    if (text.size() <= kKuvausWidth) return;
    tKuvaus->setPlainText(text.left(kKuvausWidth));
    tKuvaus->moveCursor(QTextCursor::End);
}

void frmLisaaTili::Lisaa() {
    Cancelled = false;
    const QString typed = tTilinumero->text();
    const std::optional<long> numero = ReadTilinumero(typed);
    if (!numero) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmLisaaTili"), QStringLiteral("Tilinumeron tulee olla neljä numeroa pitkä.")));
        tTilinumero->setFocus();
        return;
    }
    try {
        if (TilinumeroKaytossa(db_, *numero)) {
            core::ShowInfo(core::TranslateStr(QStringLiteral("frmLisaaTili"), QStringLiteral("Tilinumerolla")) +
                           QLatin1Char(' ') + typed + QLatin1Char(' ') +
                           core::TranslateStr(QStringLiteral("frmLisaaTili"), QStringLiteral("löytyy jo tili.")));
            tTilinumero->setFocus();
            return;
        }
        if (tNimi->text().isEmpty()) {
            core::ShowInfo(core::TranslateStr(QStringLiteral("frmLisaaTili"), QStringLiteral("Tilillä tulee olla nimi.")));
            tNimi->setFocus();
            return;
        }
        if (tKuvaus->toPlainText().isEmpty()) tKuvaus->setPlainText(QStringLiteral(" "));

        NewtlID = LisaaTili(db_, *numero, tNimi->text(), tKuvaus->toPlainText());
        NewtlNumero = typed;
        NewtlNimi = tNimi->text();
        NewtlKuvaus = tKuvaus->toPlainText();
        added_ = true;
        hide();
    } catch (const dao::DaoError& e) {
        NewtlID = 0;
        NewtlNumero.clear();
        NewtlNimi.clear();
        NewtlKuvaus.clear();
        ui::MsgBox(core::TranslateStr(QStringLiteral("frmLisaaTili"), QStringLiteral("Tapahtui virhe:")) + QLatin1Char(' ') +
                       e.description(),
                   0, core::AppTitle);
    }
}

void frmLisaaTili::Peruuta() {
    Cancelled = true;
    hide();
}

}  // namespace accounts
