#include "core/ui/bookchange.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/settings.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ui/forms.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace core {

bool StoreOpenWindows() {
    QString error;
    ui::Form* refused = ui::Forms::storePendingEdits(&error);
    if (!refused) return true;
    QString message = TranslateStr(QStringLiteral("Yleiset"),
                                   QStringLiteral("Toimintoa ei tehty, koska ikkunan muutoksia ei voitu tallentaa:")) +
                      QLatin1Char(' ') + refused->windowTitle();
    if (!error.isEmpty()) message += QStringLiteral("\r\n\r\n") + error;
    ShowInfo(message);
    return false;
}

namespace {

// Another copy's change of year has been met, and the windows are still to
// be brought to the book's year.
bool vaihtoKesken = false;
int vaihtoKerrat = 0;
// While the windows store what they hold under the year the program still
// works in: the window storing, and the windows whose year-bound edits met
// the change there and were dropped.
QPointer<ui::Form> tallentuva;
QStringList pudotetut;

const QString kKappale = QStringLiteral("\r\n\r\n");

QString eiTallennettuVaihdonVuoksi() {
    return TranslateStr(QStringLiteral("Yleiset"),
                        QStringLiteral("Muutoksia ei tallennettu, koska kirjanpidon tilikausi on sillä välin vaihdettu "
                                       "toisessa ohjelmassa, jossa sama kirjanpito on auki."));
}

QString tilikausi(const Settings& s) {
    return s.TilikausiAlku.toShortString() + QStringLiteral(" - ") + s.TilikausiLoppu.toShortString();
}

// Every loaded window stores what it holds: the windows that could not,
// each named with what it raised.
QStringList tallennaIkkunat() {
    QStringList eiVoitu;
    std::vector<QPointer<ui::Form>> forms;
    for (ui::Form* f : ui::Forms::all()) forms.emplace_back(f);
    for (const QPointer<ui::Form>& f : forms) {
        if (!f || !f->isLoaded()) continue;
        tallentuva = f;
        bool stored = false;
        QString why;
        try {
            stored = f->StorePendingEdits();
        } catch (...) {
            // Told below, with the window it came from.
            why = ErrorWithNumber(std::current_exception());
        }
        tallentuva = nullptr;
        if (!stored && f) eiVoitu << (why.isEmpty() ? f->windowTitle() : f->windowTitle() + QStringLiteral(": ") + why);
    }
    return eiVoitu;
}

// The windows that could not store are named with the cause, and the user
// may try again (another program's write may have ended meanwhile). True
// when the user does.
bool yritetaankoUudelleen(const QStringList& eiVoitu) {
    QString text =
        eiTallennettuVaihdonVuoksi() + kKappale +
        TranslateStr(QStringLiteral("Yleiset"),
                     QStringLiteral("Ennen kuin ohjelma ottaa kirjanpidon tilikauden käyttöön, muiden ikkunoiden "
                                    "muutokset tallennetaan. Näiden ikkunoiden muutoksia ei voitu tallentaa:")) +
        QStringLiteral("\r\n") + eiVoitu.join(QStringLiteral("\r\n")) + kKappale +
        TranslateStr(QStringLiteral("Yleiset"),
                     QStringLiteral("Yritetäänkö uudelleen? Jos et yritä, muutokset jäävät ikkunoihin, ja ohjelma "
                                    "käyttää yhä tilikautta")) +
        QLatin1Char(' ') + tilikausi(CurrentSettings);
    try {
        dao::Database db = DBCon().AvaaDB();
        if (const std::optional<Settings> book = KirjanpidonTilikaudet(db))
            text += QStringLiteral(", ") +
                    TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("vaikka kirjanpidon tilikausi on")) +
                    QLatin1Char(' ') + tilikausi(*book);
    } catch (...) {
        // The book could not be read: its year is left out of the text.
    }
    return AskYesNo(text + QLatin1Char('.')) == ui::Answer::Yes;
}

// The end of TilikausiVaihtunutMuualla, once the command that met the
// change has ended.
void otaKirjanpidonTilikausi() {
    // Under the year the program still works in: each year-bound write
    // meets the change and its window drops what it held; the others are
    // stored. Until every window has stored, the program keeps its year, so
    // that nothing typed under it is stored under the book's year later.
    pudotetut.clear();
    for (QStringList eiVoitu = tallennaIkkunat(); !eiVoitu.isEmpty(); eiVoitu = tallennaIkkunat()) {
        if (!yritetaankoUudelleen(eiVoitu)) {
            // The windows keep what they hold; the next save that meets the
            // change tries again.
            vaihtoKesken = false;
            return;
        }
    }
    try {
        dao::Database db = DBCon().AvaaDB();
        OtaKirjanpidonTilikaudet(db);
    } catch (...) {
        // The book could not be read: the program keeps the year it has, and
        // the next save meets the change again.
    }
    vaihtoKesken = false;
    QString text = TranslateStr(QStringLiteral("Yleiset"),
                                QStringLiteral("Muutoksia ei tallennettu, koska kirjanpidon tilikausi on sillä välin "
                                               "vaihdettu toisessa ohjelmassa, jossa sama kirjanpito on auki. Ohjelma "
                                               "käyttää nyt kirjanpidon tilikautta")) +
                   QLatin1Char(' ') + tilikausi(CurrentSettings) + QLatin1Char('.');
    if (!pudotetut.isEmpty())
        text += kKappale +
                TranslateStr(QStringLiteral("Yleiset"),
                             QStringLiteral("Samasta syystä ei tallennettu näiden ikkunoiden muutoksia:")) +
                QLatin1Char(' ') + pudotetut.join(QStringLiteral(", ")) + QLatin1Char('.');
    text += kKappale + TranslateStr(QStringLiteral("Yleiset"),
                                    QStringLiteral("Muiden avoimien ikkunoiden muutokset tallennettiin."));
    ShowInfo(text);
    DBCon().nextGeneration();
    try {
        ui::Forms::readBookAgain();
    } catch (...) {
        // Each window reports its own failure.
    }
}

}  // namespace

void TilikausiVaihtunutMuualla() {
    if (vaihtoKesken) {
        // Met again as the windows store: that window's edits are dropped.
        if (tallentuva && !pudotetut.contains(tallentuva->windowTitle())) pudotetut << tallentuva->windowTitle();
        return;
    }
    vaihtoKesken = true;
    ++vaihtoKerrat;
    // Told once the command that met it has ended and every window has
    // stored what it holds, so that the user learns what was stored.
    QTimer::singleShot(0, QCoreApplication::instance(), otaKirjanpidonTilikausi);
}

int TilikausiVaihtunutMuuallaKerrat() { return vaihtoKerrat; }

void ReadBookAgainSoon() {
    QTimer::singleShot(0, QCoreApplication::instance(), [] { const BookChange change; });
}

BookChange::BookChange() : began_(StoreOpenWindows()) {}

BookChange::~BookChange() {
    if (!began_) return;
    DBCon().nextGeneration();
    try {
        ui::Forms::readBookAgain();
    } catch (...) {
        // Each window reports its own failure; the command has ended.
    }
}

}  // namespace core
