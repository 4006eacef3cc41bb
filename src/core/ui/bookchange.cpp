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

void TilikausiVaihtunutMuualla() {
    try {
        dao::Database db = DBCon().AvaaDB();
        OtaKirjanpidonTilikaudet(db);
    } catch (...) {
        // The book could not be read: the program keeps the year it has, and
        // the next save meets the change again.
    }
    ShowInfo(TranslateStr(QStringLiteral("Yleiset"),
                          QStringLiteral("Muutoksia ei tallennettu, koska kirjanpidon tilikausi on sillä välin "
                                         "vaihdettu toisessa ohjelmassa, jossa sama kirjanpito on auki. Ohjelma "
                                         "käyttää nyt kirjanpidon tilikautta")) +
             QLatin1Char(' ') + TilikausiAlku.toShortString() + QStringLiteral(" - ") +
             TilikausiLoppu.toShortString() + QLatin1Char('.'));
    // The windows show the earlier year's vouchers and dates: they read the
    // book again as after this copy's own change of year.
    ReadBookAgainSoon();
}

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
