#include "maintenance/backupfolder.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/settings.h"
#include "core/ui/bookchange.h"
#include "core/ui/bookwork.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "maintenance/backupstick.h"
#include "platform/dao/database.h"
#include "platform/dao/error.h"
#include "platform/fso/fso.h"
#include "platform/sys/folders.h"
#include "platform/ui/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QFileInfo>

namespace maintenance {

namespace {

const QString kFilter = QStringLiteral("Database (*.mdb)|*.mdb");

void letEventsRun() { QCoreApplication::processEvents(); }

bool sameFile(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

// The folder the program chose itself (on the first start, or for an empty
// field in the settings), as the desktop names the documents folder now.
bool isDefaultBackupFolder(const QString& folder) {
    return QDir::cleanPath(folder) == QDir::cleanPath(core::defaultBackupFolder());
}

void copyFailed(const QString& target, std::exception_ptr error) {
    core::ShowCritical(core::TranslateStr(QStringLiteral("frmMain"),
                                          QStringLiteral("Palautettavan tietokannan kopiointi ei onnistunut:")) +
                       u'\n' + target + QStringLiteral("\n\n") + QString::number(core::ErrorNumber(error).value_or(0)) +
                       QStringLiteral(": ") + core::ErrorText(error));
}

}  // namespace

QString CompanionPath(const QString& bookPath, QChar digit) {
    if (bookPath.isEmpty()) return QString(digit);
    const QString replaced = bookPath.chopped(1) + digit;
    return replaced == bookPath ? bookPath + digit : replaced;
}

QString BackupTarget(const QString& folder, const QString& bookPath) {
    return fso::BuildPath(folder, fso::GetFileName(bookPath));
}

bool CompactionFoundDamage(std::exception_ptr error) {
    const int number = core::ErrorNumber(error).value_or(0);
    return number == dao::err::CannotOpenDatabase || number == dao::err::UnrecognizedFormat;
}

QString CompactionFailureReason(const QString& book, std::exception_ptr error) {
    const int number = core::ErrorNumber(error).value_or(0);
    const QString stopped = core::BookWorkStoppedText(number, core::BookWork::Compaction, book);
    if (!stopped.isEmpty()) return stopped;
    QString reason = QString::number(number) + QStringLiteral(": ") + core::ErrorText(error);
    // The compaction only reads the book, which was checked whole before it.
    if (!CompactionFoundDamage(error))
        reason += u'\n' + core::TranslateStr(QStringLiteral("Yleiset"),
                                             QStringLiteral("Tietokanta itse on ehjä, eikä sitä muutettu."));
    return reason;
}

QString BookFileBehindLinks(const QString& book) {
    try {
        return fso::FileBehindLinks(book);
    } catch (const fso::Error&) {
        // Links that go round lead to no file: the book's own name is worked
        // on, and its failure told.
        return book;
    }
}

bool CopyIsRefused(const QString& copy) {
    // Only the file is copied, without anything beside it: the file alone is
    // looked at, in a folder of its own.
    QTemporaryDir alone;
    const QString looked = alone.filePath(QStringLiteral("palautettava.mdb"));
    try {
        fso::CopyFile(copy, looked, false);
        const core::BookWorkProgress progress(core::BookWork::Check, copy);
        dao::DBEngine::OpenDatabase(looked, true).Close();
    } catch (const dao::DaoError& e) {
        // A copy that is not the program's book is not restored.
        if (e.number() != dao::err::ForeignLayout && e.number() != dao::err::ForeignSideFile) return false;
        core::ShowCritical(core::RefusedBookText(std::current_exception()).replace(looked, copy));
        return true;
    } catch (const fso::Error&) {
        // A copy that cannot be read is told by the restore's own copy.
    }
    return false;
}

namespace {

// Before the copy: a damaged book must not take the place of the last good
// copy, the one the user would restore from. A book that cannot be read
// for another reason (missing, held by another program) is told by the
// copy. False (told) when the book is damaged.
bool bookIsSound(const QString& book) {
    try {
        const core::BookWorkProgress progress(core::BookWork::Check, book);
        dao::DBEngine::CheckIntegrity(book);
    } catch (const dao::DaoError& e) {
        // A check that was stopped, or a file that is not the program's
        // book: nothing was copied, nothing changed.
        const QString stopped = core::BookWorkStoppedText(e.number(), core::BookWork::Check, book);
        const QString refused = core::RefusedBookText(std::current_exception());
        if (!stopped.isEmpty() || !refused.isEmpty()) {
            core::ShowCritical(stopped.isEmpty() ? refused : stopped);
            return false;
        }
        if (e.number() == dao::err::CannotOpenDatabase || e.number() == dao::err::UnrecognizedFormat) {
            core::ShowCritical(
                core::TranslateStr(QStringLiteral("frmMain"),
                                   QStringLiteral("Tietokanta on vioittunut, joten sitä ei kopioitu varmuuskopioksi eikä "
                                                  "uudelleenjärjestetty. Aiempi varmuuskopio on tallella.")) +
                u'\n' + e.description());
            return false;
        }
    }
    return true;
}

// Step 1: the copy into the backup folder, replacing an earlier one whole.
// False (told) when it could not be made.
bool copyIntoBackupFolder(const QString& book, const QString& target) {
    try {
        // The program's own default folder is made when it is missing, with
        // the folders above it: on a fresh desktop not even the documents
        // folder may be there yet. A folder the user chose is never made:
        // a missing one is a drive not attached or a mistyped name, and the
        // copy is refused. Without a folder the copy would land wherever the
        // program runs.
        if (core::DatabaseBackup.trimmed().isEmpty())
            throw fso::Error(fso::err::PathNotFound, QStringLiteral("Path not found"));
        const QString folder = fso::GetParentFolderName(target);
        if (!fso::FolderExists(folder) && isDefaultBackupFolder(core::DatabaseBackup)) EnsureFolder(folder);
        fso::CopyFile(book, target, true);
        letEventsRun();
        return true;
    } catch (...) {
        // Any failure of the copy (no folder, no room, no rights): the book
        // was not copied, and the user is told to check the folders.
        letEventsRun();
        core::ShowCritical(
            core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Tietokantaa ei voida kopioida ")) + u'\n' +
            core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("hakemistosta: ")) + book + u'\n' +
            core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("hakemistoon: ")) + target + QStringLiteral("\n\n") +
            core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Tarkista asetuksista tietokanta ja varmistushakemistot!")) +
            u'\n' + core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Yritä tämän jälkeen uudestaan.")));
        return false;
    }
}

// Step 2: the compacted copy beside the book under temporary; one left by
// an earlier run goes. False (told) when the compaction failed.
bool compactBesideBook(const QString& book, const QString& temporary) {
    if (fso::FileExists(temporary) && fso::FileExists(book)) {
        try {
            fso::DeleteFile(temporary);
        } catch (const fso::Error&) {
            // A leftover that cannot go makes the compaction below fail, and that
            // failure is told.
        }
    }
    try {
        const core::BookWorkProgress progress(core::BookWork::Compaction, book);
        dao::DBEngine::CompactDatabase(book, temporary);
        letEventsRun();
        return true;
    } catch (...) {
        // The compaction failed: the book is as it was, and the user is told.
        letEventsRun();
        const std::exception_ptr e = std::current_exception();
        const int number = core::ErrorNumber(e).value_or(0);
        if (number == dao::err::TooMuchWork || number == dao::err::WorkCancelled)
            core::ShowCritical(CompactionFailureReason(book, e));
        else
            core::ShowCritical(
                (CompactionFoundDamage(e)
                     ? core::TranslateStr(QStringLiteral("frmMain"),
                                          QStringLiteral("Tietokannan uudelleenjärjestely ei onnistunut. Palauta "
                                                         "tietokanta varmuuskopiolta ennen kuin jatkat Kolvion käyttöä."))
                     : core::TranslateStr(QStringLiteral("frmMain"),
                                          QStringLiteral("Tietokannan uudelleenjärjestely ei onnistunut:"))) +
                u'\n' + CompactionFailureReason(book, e));
        return false;
    }
}

// Step 3: the book as it was is kept as X.md3, replacing the one of the
// last backup. It gets the name as a second name (or a copy), so that the
// book's own name never stands empty. False (told) when it could not be.
bool keepBookAsItWas(const QString& book) {
    const QString old = CompanionPath(book, u'3');
    bool kept = false;
    try {
        if (fso::FileExists(old)) {
            fso::DeleteFile(old);
            letEventsRun();
        }
        fso::LinkOrCopyFile(book, old);
        kept = true;
    } catch (...) {
        // The earlier book could not be kept beside the book: kept stays
        // false, and the user is told.
    }
    letEventsRun();
    if (!kept)
        core::ShowCritical(core::TranslateStr(QStringLiteral("frmMain"),
                                              QStringLiteral("Tietokannan uudelleen nimeäminen ei onnistu.")));
    return kept;
}

}  // namespace

void mVarmistusClick() {
    // The open windows store what they hold first, and read the book again
    // when the command ends.
    const core::BookChange change;
    if (!change.began()) return;
    core::DBCon().SuljeDB();
    const QString book = core::DatabasePath;
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmMain"),
                                      QStringLiteral("Aloitetaan tietokannan varmuuskopiointi ja uudelleenjärjestely.")) +
                   u'\n' + core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Varmista että kohde")) + u' ' +
                   core::DatabaseBackup + u' ' + core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("on valmiina.")) +
                   u'\n' + core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Kopiointi kestää hetken...")));

    // Work files that an interrupted earlier run left beside the book or in
    // the backup folder go first.
    fso::RemoveLeftoverWorkFiles(fso::GetParentFolderName(book), book);
    const QString target = BackupTarget(core::DatabaseBackup, book);
    fso::RemoveLeftoverWorkFiles(fso::GetParentFolderName(target), book);

    if (!bookIsSound(book) || !copyIntoBackupFolder(book, target)) return;
    // A book reached through a symbolic link stays so: the file the link
    // leads to is compacted and replaced, beside itself.
    const QString file = BookFileBehindLinks(book);
    const QString temporary = CompanionPath(file, u'2');
    if (!compactBesideBook(file, temporary) || !keepBookAsItWas(file)) return;

    // 4. The compacted copy takes the book's name in one step: the name holds
    // the book as it was until it holds the compacted one.
    try {
        fso::ReplaceFile(temporary, file);
        letEventsRun();
    } catch (...) {
        // The book keeps its old contents under its name; the user is told.
        letEventsRun();
        core::ShowCritical(core::TranslateStr(QStringLiteral("frmMain"),
                                              QStringLiteral("Korjatun tietokannan uudelleen nimeäminen ei onnistu.")));
        return;
    }
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmMain"),
                                      QStringLiteral("Tietokannan varmuuskopiointi ja uudelleenjärjestely valmis.")));
}

void mPalautusClick() {
    const core::BookChange change;
    if (!change.began()) return;
    const QString personal = sys::GetSpecialFolder(sys::kSpecialFolderPersonal);
    const QString source = ui::Dialogs().openFile(
        core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Valitse palautettava tietokanta")),
        core::DatabaseBackup.isEmpty() ? personal : core::DatabaseBackup, kFilter);
    if (source.isEmpty()) return;  // cancelled: the book is still open and untouched
    if (CopyIsRefused(source)) return;

    core::DBCon().SuljeDB();
    QString folder = personal.isEmpty() ? QString() : fso::BuildPath(personal, core::AppTitle);
    if (!folder.isEmpty()) {
        try {
            EnsureFolder(folder);
        } catch (const fso::Error&) {
            // Only a proposal for the file dialog: a folder that cannot be made
            // is not proposed, and the user chooses another.
        }
    }
    QString proposal = fso::BuildPath(folder, fso::GetFileName(source));

    QString target;
    for (bool done = false; !done;) {
        target = ui::Dialogs().saveFile(
            core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Valitse palautettavan tietokannan kohde")),
            proposal, kFilter);
        if (target.isEmpty()) return;  // cancelled
        proposal = target;
        if (sameFile(source, target)) break;  // the copy is where it should be already
        try {
            fso::CopyFile(source, target, false);
            done = true;
        } catch (...) {
            if (!fso::FileExists(target)) {
                // Not a question of overwriting: the copy cannot be made there.
                copyFailed(target, std::current_exception());
                return;
            }
            if (core::AskYesNo(core::TranslateStr(QStringLiteral("frmMain"),
                                                  QStringLiteral("Tiedosto on jo olemassa, korvataanko varmuuskopiolla?"))) ==
                ui::Answer::Yes) {
                try {
                    fso::CopyFile(source, target, true);
                } catch (...) {
                    // The copy could not replace the file: the user is told.
                    copyFailed(target, std::current_exception());
                    return;
                }
                done = true;
            } else if (core::AskYesNo(core::TranslateStr(QStringLiteral("frmMain"),
                                                         QStringLiteral("Haluatko keskeyttää tietokannan palautuksen?"))) ==
                       ui::Answer::Yes) {
                return;
            }
        }
    }

    if (core::AskYesNo(core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Otetaanko palautettu tietokanta käyttöön?"))) !=
        ui::Answer::Yes)
        return;
    // The copy becomes the book only through the ini file: when that cannot
    // be written, the book in use stays, and the user is told so.
    const QString previous = core::DatabasePath;
    if (core::SaveDatabasePath(target)) return;
    core::DatabasePath = previous;
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmMain"),
                                      QStringLiteral("Palautettua tietokantaa ei otettu käyttöön, koska sitä ei voitu "
                                                     "tallentaa asetuksiin. Käytössä on edelleen entinen tietokanta.")) +
                   QStringLiteral("\r\n\r\n") +
                   core::IniNotWrittenText(core::IniFile().FileName(), core::IniFile().LockRefused()));
}

}  // namespace maintenance
