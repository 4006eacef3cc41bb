#include "core/ui/bookchange.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/settings.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ui/forms.h"

#include <QCoreApplication>
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

// Another copy's change of year has been told, and the windows are still
// to be brought to the book's year.
bool vaihtoKesken = false;
int vaihtoKerrat = 0;

// The end of TilikausiVaihtunutMuualla, once the command that met the
// change has ended.
void otaKirjanpidonTilikausi() {
    // Under the year the program still works in: each year-bound write
    // meets the change and its window drops what it held. A window that
    // cannot store does not hold the program in a year the book has left.
    ui::Forms::storePendingEdits(nullptr, ui::Forms::PastRefusals::GoOn);
    try {
        dao::Database db = DBCon().AvaaDB();
        OtaKirjanpidonTilikaudet(db);
    } catch (...) {
        // The book could not be read: the program keeps the year it has, and
        // the next save meets the change again.
    }
    vaihtoKesken = false;
    DBCon().nextGeneration();
    try {
        ui::Forms::readBookAgain();
    } catch (...) {
        // Each window reports its own failure.
    }
}

}  // namespace

void TilikausiVaihtunutMuualla() {
    if (vaihtoKesken) return;
    vaihtoKesken = true;
    ++vaihtoKerrat;
    // The year the program is about to take, as the book holds it.
    Settings year = CurrentSettings;
    try {
        dao::Database db = DBCon().AvaaDB();
        if (const std::optional<Settings> book = KirjanpidonTilikaudet(db)) year = *book;
    } catch (...) {
        // The book could not be read: the year the program keeps is told.
    }
    ShowInfo(TranslateStr(QStringLiteral("Yleiset"),
                          QStringLiteral("Muutoksia ei tallennettu, koska kirjanpidon tilikausi on sillä välin "
                                         "vaihdettu toisessa ohjelmassa, jossa sama kirjanpito on auki. Ohjelma "
                                         "käyttää nyt kirjanpidon tilikautta")) +
             QLatin1Char(' ') + year.TilikausiAlku.toShortString() + QStringLiteral(" - ") +
             year.TilikausiLoppu.toShortString() + QLatin1Char('.'));
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
