#include "shell/bookrepair.h"

#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/dao/database.h"
#include "platform/fso/fso.h"
#include "platform/sys/mousecursor.h"

#include <QStringList>

namespace shell {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// base when no file has that name, else the first of base + "2", base + "3",
// ... that is free.
QString freeName(const QString& base) {
    if (!fso::FileExists(base) && !fso::FolderExists(base)) return base;
    for (int n = 2;; ++n) {
        const QString name = base + QString::number(n);
        if (!fso::FileExists(name) && !fso::FolderExists(name)) return name;
    }
}

bool wholeBook(const QString& path) {
    try {
        dao::DBEngine::CheckIntegrity(path);
        return true;
    } catch (const std::exception&) {
        // Not a book the engine reads whole.
        return false;
    }
}

}  // namespace

BookRepair RepairBook(const QString& path) {
    BookRepair r;
    const QString repaired = path + QStringLiteral("2");
    const QString damagedName = path + QStringLiteral("OLD");

    // 1. The repaired copy: one that an interrupted repair left whole, or a
    // new one. A copy that is not whole goes out of the way first.
    if (fso::FileExists(repaired)) {
        if (wholeBook(repaired)) {
            r.earlierRepairCompleted = true;
        } else {
            const QString aside = freeName(repaired + QStringLiteral("OLD"));
            try {
                fso::RenameFile(repaired, aside);
                r.unfinishedSetAsideAs = aside;
            } catch (const std::exception& e) {
                qWarning("setting aside %s: %s", qPrintable(repaired), e.what());
                return r;
            }
        }
    }
    if (!r.earlierRepairCompleted) {
        try {
            dao::DBEngine::RepairDatabase(path);
            dao::DBEngine::CompactDatabase(path, repaired);
        } catch (const std::exception& e) {
            qWarning("repairing %s: %s", qPrintable(path), e.what());
            return r;
        }
    }

    // 2. The damaged book gets a second name (or a copy): its "OLD" name, or
    // the first free one after it when an earlier repair's damaged book has
    // that. An interrupted repair may have given it the name already.
    if (fso::SameFile(path, damagedName)) {
        r.damagedKeptAs = damagedName;
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
    return r;
}

bool RepairDamagedBook(const QString& path, const QString& section) {
    core::ShowInfo(core::TranslateStr(section, QStringLiteral("Tietokanta on vioittunut edellisen käyttökerran "
                                                              "lopetuksen yhteydessä, yritän korjata tietokannan. "
                                                              "Odota hetki.")));
    BookRepair r;
    {
        sys::cMouseCursor cursor;
        cursor.SetCursor(nullptr, sys::kPointerHourglass);
        r = RepairBook(path);
    }
    switch (r.result) {
    case BookRepair::Result::Repaired: break;
    case BookRepair::Result::NotRepaired:
        core::ShowInfo(core::TranslateStr(section, QStringLiteral("Tietokannan korjaus ei onnistunut. Palauta tietokanta "
                                                                  "varmuuskopiolta ennen kuin jatkat Kolvion käyttöä.")));
        break;
    case BookRepair::Result::DamagedNotKept:
        core::ShowInfo(core::TranslateStr(section, QStringLiteral("Vioittuneen tietokannan uudelleen nimeäminen ei onnistu.")));
        break;
    case BookRepair::Result::RepairedNotNamed:
        core::ShowInfo(core::TranslateStr(section, QStringLiteral("Korjatun tietokannan uudelleen nimeäminen ei onnistu.")));
        break;
    }
    // What was done with the files of an earlier repair, and where the
    // damaged book is when not under its usual name.
    QStringList done;
    if (r.earlierRepairCompleted && r.result == BookRepair::Result::Repaired)
        done << core::TranslateStr(section, QStringLiteral("Aiemmin keskeytynyt tietokannan korjaus saatiin päätökseen."));
    if (!r.unfinishedSetAsideAs.isEmpty())
        done << core::TranslateStr(section, QStringLiteral("Aiemman korjauksen keskeneräinen tiedosto siirrettiin "
                                                           "nimelle:")) +
                    kCrLf + r.unfinishedSetAsideAs;
    if (!r.damagedKeptAs.isEmpty() && r.damagedKeptAs != path + QStringLiteral("OLD"))
        done << core::TranslateStr(section, QStringLiteral("Vioittunut tietokanta on tallessa nimellä:")) + kCrLf +
                    r.damagedKeptAs;
    if (!done.isEmpty()) core::ShowInfo(done.join(kCrLf + kCrLf));
    return r.result == BookRepair::Result::Repaired;
}

}  // namespace shell
