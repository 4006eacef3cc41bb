#include "shell/bookrepair.h"

#include "core/records/tosite.h"
#include "core/settings.h"
#include "core/ui/bookwork.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/dao/database.h"
#include "platform/fso/fso.h"
#include "platform/sys/mousecursor.h"
#include "shell/openers.h"

#include <QStringList>
#include <optional>
#include <set>

namespace shell {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kJournal = QStringLiteral("-journal");

// Whether a name is taken: by a file or a folder, or by the journal that a
// damaged book kept under it has beside it.
bool taken(const QString& name) {
    return fso::FileExists(name) || fso::FolderExists(name) || fso::FileExists(name + kJournal);
}

// base when it is free, else the first of base + "2", base + "3", ... that is.
QString freeName(const QString& base) {
    if (!taken(base)) return base;
    for (int n = 2;; ++n) {
        const QString name = base + QString::number(n);
        if (!taken(name)) return name;
    }
}

// The name among the damaged book's second names (its "OLD" name, or one of
// the free names after it) that an interrupted repair already gave the file
// at path; "" when it has none.
QString secondNameOf(const QString& path, const QString& base) {
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? base : base + QString::number(n);
        if (!taken(name)) return QString();
        if (fso::SameFile(path, name)) return name;
    }
}

}  // namespace

BookRepair RepairBook(const QString& path) {
    BookRepair r;
    r.damagedKeptAs = path;
    const QString repaired = path + QStringLiteral("2");
    const QString damagedName = path + QStringLiteral("OLD");

    // 1. The repaired copy: the one an interrupted repair of this very file
    // left, or a new one. Any other file of the copy's name goes out of the
    // way first, whole or not: it may be an earlier repair of the book as it
    // was weeks ago.
    if (fso::FileExists(repaired)) {
        if (const std::optional<dao::RepairReport> earlier = dao::DBEngine::RepairOf(repaired, path)) {
            r.earlierRepairCompleted = true;
            r.report = *earlier;
        } else {
            const QString aside = freeName(repaired + QStringLiteral("OLD"));
            try {
                fso::RenameFile(repaired, aside);
                r.setAsideAs = aside;
            } catch (const std::exception& e) {
                qWarning("setting aside %s: %s", qPrintable(repaired), e.what());
                return r;
            }
        }
    }
    if (!r.earlierRepairCompleted) {
        try {
            r.report = dao::DBEngine::RepairDatabase(path, repaired);
        } catch (const dao::DaoError& e) {
            qWarning("repairing %s: %s", qPrintable(path), e.what());
            if (e.number() == dao::err::TooMuchWork || e.number() == dao::err::WorkCancelled) r.stoppedBy = e.number();
            return r;
        } catch (const std::exception& e) {
            qWarning("repairing %s: %s", qPrintable(path), e.what());
            return r;
        }
    }

    // 2. The damaged book gets a second name (or a copy): its "OLD" name, or
    // the first free one after it when an earlier repair's damaged book has
    // that. An interrupted repair may have given it the name already.
    const QString named = secondNameOf(path, damagedName);
    if (!named.isEmpty()) {
        r.damagedKeptAs = named;
    } else {
        const QString kept = freeName(damagedName);
        try {
            fso::LinkOrCopyFile(path, kept);
            r.damagedKeptAs = kept;
        } catch (const std::exception& e) {
            qWarning("keeping %s: %s", qPrintable(path), e.what());
            r.result = BookRepair::Result::DamagedNotKept;
            return r;
        }
    }
    // A journal that a write cut short left beside the damaged book goes
    // with it, as it is: beside the repaired copy the engine would play it
    // back into that.
    if (fso::FileExists(path + kJournal)) {
        try {
            fso::RenameFile(path + kJournal, r.damagedKeptAs + kJournal);
        } catch (const std::exception& e) {
            qWarning("keeping %s: %s", qPrintable(path + kJournal), e.what());
            r.result = BookRepair::Result::DamagedNotKept;
            return r;
        }
    }

    // 3. The repaired copy takes the book's name in one step: the name never
    // stands empty, whenever the program is stopped.
    try {
        fso::ReplaceFile(repaired, path);
    } catch (const std::exception& e) {
        qWarning("renaming %s: %s", qPrintable(repaired), e.what());
        r.result = BookRepair::Result::RepairedNotNamed;
        return r;
    }
    r.result = BookRepair::Result::Repaired;

    // 4. The book no longer carries the repair's mark. One that a stop
    // leaves names a damaged file that is gone: it is never taken for
    // anything, and the next repair writes its own.
    try {
        dao::DBEngine::ClearRepairMark(path);
    } catch (const std::exception& e) {
        qWarning("clearing the repair's mark of %s: %s", qPrintable(path), e.what());
    }
    return r;
}

namespace {

// What the repaired copy lacks of the damaged book: the tables whose rows
// could not all be brought over, one a line; that not every definition
// could be read; and the definitions that are not the program's, which were
// not made. Empty when it lacks nothing.
QString copyText(const dao::RepairReport& report, const QString& section) {
    QStringList told;
    if (!report.lost.empty()) {
        QString text = core::TranslateStr(section, QStringLiteral("Vioittuneesta tietokannasta ei voitu lukea kaikkia "
                                                                  "rivejä. Korjatusta tietokannasta puuttuvat rivit "
                                                                  "tauluittain:"));
        for (const dao::RepairReport::Loss& loss : report.lost) {
            text += kCrLf + loss.table + QStringLiteral(": ");
            if (loss.atLeast) text += core::TranslateStr(section, QStringLiteral("vähintään")) + u' ';
            text += QString::number(loss.rows);
        }
        told << text;
    }
    if (report.definitionsUnread)
        told << core::TranslateStr(section, QStringLiteral("Vioittuneen tietokannan kaikkia määrityksiä ei voitu "
                                                           "lukea, joten korjatusta tietokannasta voi puuttua "
                                                           "enemmän kuin tässä kerrotaan."));
    if (!report.leftOut.empty())
        told << core::TranslateStr(section, QStringLiteral("Vioittuneessa tietokannassa oli määrityksiä, joita "
                                                           "Kolvio VEV ei tee. Niitä ei tehty korjattuun "
                                                           "tietokantaan, eikä sinne siirretty muuta kuin ohjelman "
                                                           "omien taulujen ja kenttien tiedot:")) +
                    kCrLf + core::ForeignDefinitionsText(report.leftOut);
    return told.join(kCrLf + kCrLf);
}

}  // namespace

std::optional<dao::RepairReport> RepairDamagedBook(const QString& path, const QString& section) {
    // Said of any book the engine finds damaged, whatever damaged it.
    core::ShowInfo(core::TranslateStr(section, QStringLiteral("Tietokanta on vioittunut, yritän korjata tietokannan. "
                                                              "Odota hetki.")));
    BookRepair r;
    {
        sys::cMouseCursor cursor;
        cursor.SetCursor(nullptr, sys::kPointerHourglass);
        const core::BookWorkProgress progress(core::BookWork::Repair, path);
        r = RepairBook(path);
    }
    // One message of what came of it: how the repair ended, what it could
    // not bring over, what was done with the files of an earlier repair, and
    // where the damaged book is.
    QStringList told;
    switch (r.result) {
    case BookRepair::Result::Repaired:
        if (r.earlierRepairCompleted)
            told << core::TranslateStr(section, QStringLiteral("Aiemmin keskeytynyt tietokannan korjaus saatiin "
                                                               "päätökseen."));
        else if (r.report.whole() && r.report.leftOut.empty())
            told << core::TranslateStr(section, QStringLiteral("Tietokanta korjattiin, ja kaikki sen rivit saatiin "
                                                               "korjattuun tietokantaan."));
        else if (r.report.whole())
            told << core::TranslateStr(section, QStringLiteral("Tietokanta korjattiin. Ohjelman omiin tauluihin "
                                                               "saatiin kaikki niiden rivit vioittuneesta "
                                                               "tietokannasta."));
        break;
    case BookRepair::Result::NotRepaired:
        if (r.stoppedBy) {
            told << core::BookWorkStoppedText(r.stoppedBy, core::BookWork::Repair, path);
            break;
        }
        told << core::TranslateStr(section, QStringLiteral("Tietokannan korjaus ei onnistunut. Palauta tietokanta "
                                                           "varmuuskopiolta ennen kuin jatkat Kolvion käyttöä."));
        break;
    case BookRepair::Result::DamagedNotKept:
        told << core::TranslateStr(section, QStringLiteral("Vioittuneen tietokannan uudelleen nimeäminen ei onnistu."));
        break;
    case BookRepair::Result::RepairedNotNamed:
        told << core::TranslateStr(section, QStringLiteral("Korjatun tietokannan uudelleen nimeäminen ei onnistu."));
        break;
    }
    // What the repaired copy lacks is told whenever one was made.
    if (r.result != BookRepair::Result::NotRepaired) told << copyText(r.report, section);
    told.removeAll(QString());
    if (!r.setAsideAs.isEmpty())
        told << core::TranslateStr(section, QStringLiteral("Korjatun tietokannan nimellä ollut aiempi tiedosto "
                                                           "siirrettiin nimelle:")) +
                    kCrLf + r.setAsideAs;
    if (!told.isEmpty() || r.damagedKeptAs != path + QStringLiteral("OLD"))
        told << core::TranslateStr(section, QStringLiteral("Vioittunut tietokanta on tallessa nimellä:")) + kCrLf +
                    r.damagedKeptAs;
    if (!told.isEmpty()) core::ShowInfo(told.join(kCrLf + kCrLf));
    if (r.result != BookRepair::Result::Repaired) return std::nullopt;
    return r.report;
}

namespace {

// The values that the indexes of a column of table hold of the rows the
// repair lost.
QStringList knownOfLost(const dao::RepairReport& report, const QString& table, const QString& column) {
    for (const dao::RepairReport::Loss& loss : report.lost) {
        if (loss.table.compare(table, Qt::CaseInsensitive) != 0) continue;
        for (const auto& [name, values] : loss.known)
            if (name.compare(column, Qt::CaseInsensitive) == 0) return values;
    }
    return {};
}

// The book's own voucher numbers (0 and up), ascending, after a text.
QString numbersText(const QString& text, const std::set<long>& numbers) {
    QStringList list;
    for (long n : numbers)
        if (n >= 0) list << QString::number(n);
    return list.isEmpty() ? QString() : text + u' ' + list.join(QStringLiteral(", "));
}

}  // namespace

void TellWhatTheRepairLost(const dao::RepairReport& report, dao::Database& db, const QString& section) {
    // A lost voucher's number is in the index of the numbers; a lost entry's
    // voucher in the index of the entries' vouchers.
    std::set<long> lostVouchers, lostEntries;
    for (const QString& numero : knownOfLost(report, QStringLiteral("to"), QStringLiteral("toNumero")))
        lostVouchers.insert(numero.toLong());
    for (const QString& id : knownOfLost(report, QStringLiteral("vi"), QStringLiteral("vitoID"))) {
        core::cTosite tosite;
        if (tosite.Read(id.toLong())) lostEntries.insert(tosite.Numero());
    }
    QStringList told;
    told << numbersText(core::TranslateStr(section, QStringLiteral("Korjatusta tietokannasta puuttuvat tositteet "
                                                                   "(tositteen no):")),
                        lostVouchers)
         << numbersText(core::TranslateStr(section, QStringLiteral("Korjatusta tietokannasta puuttuu vientejä "
                                                                   "näiltä tositteilta (tositteen no):")),
                        lostEntries);
    told.removeAll(QString());
    if (!told.isEmpty()) core::ShowInfo(told.join(kCrLf + kCrLf));
    // In another year than the book's, every voucher would be a finding.
    if (core::TilikausiEnnallaan(db)) RunOpener(QStringLiteral("frmTositeTarkistusVirheet"));
}

}  // namespace shell
