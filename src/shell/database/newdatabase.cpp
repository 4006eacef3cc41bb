#include "shell/database/newdatabase.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/settings.h"
#include "core/ui/bookchange.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/fso/fso.h"
#include "platform/ini/inifile.h"
#include "platform/sys/apppath.h"
#include "platform/sys/folders.h"
#include "platform/sys/mousecursor.h"
#include "platform/ui/dialogs.h"

#include <QCoreApplication>
#include <QStringList>

namespace shell {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr qsizetype kMaxNameLength = 8;

constexpr NewDatabaseItem kItems[] = {
    {"mLuoTietokantaYleismalliSuomi", "yleismalli.mdb"},
    {"mLuoTietokantaYleismalliRuotsi", "svyleismalli.mdb"},
    {"mLuoTietokantaVarjola", "varjola.mdb"},
    {"mLuoTietokantaRuvis", "ruvis.mdb"},
    {"mLuoTietokantaMallistaTalo", "talomalli.mdb"},
    {"mLuoTietokantaKelovi", "kelovi.mdb"},
    {"mLuoTietokantaNykyisesta", ""},
};

// ---- The pieces of the information texts, each translated by itself.

// The opening of every template's text, and what the templates hold.
QString introPieces() {
    return core::TranslateStr(QStringLiteral("frmMain"),
                              QStringLiteral("Tämä toiminto luo uuden tietokannan kirjanpidon pohjaksi")) +
           kCrLf + kCrLf +
           core::TranslateStr(QStringLiteral("frmMain"),
                              QStringLiteral("Tietokantaan luodaan valmiiksi tilit ja tuloslaskelma- ja "
                                             "tasemallit, joiden ")) +
           core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("pohjalta kirjanpitoa voi lähteä tekemään."));
}

// The same in Finnish, for the Kelovi item, which shows its text untranslated.
QString introPiecesFinnish() {
    return QStringLiteral("Tämä toiminto luo uuden tietokannan kirjanpidon pohjaksi") + kCrLf + kCrLf +
           QStringLiteral("Tietokantaan luodaan valmiiksi tilit ja tuloslaskelma- ja tasemallit, joiden ") +
           QStringLiteral("pohjalta kirjanpitoa voi lähteä tekemään.");
}

// The general templates: rename the accounts left for the association.
QString renamePieces() {
    return kCrLf +
           core::TranslateStr(QStringLiteral("frmMain"),
                              QStringLiteral("Pohjaksi tulevaan tilikarttaan on syytä nimetä tilejä uudestaan "
                                             "valmiina olevien ")) +
           kCrLf +
           core::TranslateStr(QStringLiteral("frmMain"),
                              QStringLiteral("tilinimien kuten 'Tulotili 1' osalta toimintaa kuvaaviksi."));
}

// The federation templates: add or rename accounts as needed.
QString extendPieces() {
    return kCrLf +
           core::TranslateStr(QStringLiteral("frmMain"),
                              QStringLiteral("Pohjaksi tulevaan tilikarttaan voidaan luoda tarpeen mukaan uusia "
                                             "tilejä tai ")) +
           core::TranslateStr(QStringLiteral("frmMain"),
                              QStringLiteral("nimetä tilejä uudestaan valmiina olevien tilinimien lisäksi."));
}

// The housing company's template.
QString housingPieces() {
    return kCrLf + core::TranslateStr(QStringLiteral("frmMain"),
                                      QStringLiteral("Pohjaksi tulevaan tilikarttaan voi tarvittaessa lisätä ja "
                                                     "siitä voi poistaa tilejä."));
}

// The copy of the current book, pointing to the console for emptying it.
QString copyPieces() {
    return core::TranslateStr(QStringLiteral("frmMain"),
                              QStringLiteral("Tämä toiminto kopioi nykyisen tietokannan sellaisenaan uuden "
                                             "kirjanpidon pohjaksi.")) +
           kCrLf + kCrLf +
           core::TranslateStr(QStringLiteral("frmMain"),
                              QStringLiteral("Jos tietokantaan on syötetty tositteita tai vientejä, ne voi "
                                             "kopioinnin jälkeen tyhjentää.")) +
           kCrLf +
           core::TranslateStr(QStringLiteral("frmMain"),
                              QStringLiteral("Tietokanta / Muokkaa tietokantaa valikkokomennolla käyttäen "
                                             "ohjekirjan käskyjä."));
}

// ---- Failures

// A failure of the copy or of what surrounds it: nothing has changed.
void reportFailure(const QString& detail) {
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmMain"),
                                      QStringLiteral("Uuden tietokannan luominen ei onnistunut. Toiminto "
                                                     "keskeytetään.")) +
                   kCrLf + kCrLf + detail);
}

QString errorDetail(const fso::Error& e, const QString& path) {
    return QString::number(e.number()) + QStringLiteral(" / ") + e.description() + kCrLf + path;
}

// Creates folder and whichever of its parents are missing.
void createFolderPath(const QString& folder) {
    if (folder.isEmpty()) throw fso::Error(fso::err::PathNotFound, QStringLiteral("Path not found"));
    if (fso::FolderExists(folder)) return;
    const QString parent = fso::GetParentFolderName(folder);
    if (!parent.isEmpty() && parent != folder) createFolderPath(parent);
    fso::CreateFolder(folder);
}

// The name cut to its first eight characters (a character outside the
// basic plane is never split).
QString cutName(QString name) {
    if (name.size() > kMaxNameLength) {
        name.truncate(kMaxNameLength);
        if (name.back().isHighSurrogate()) name.chop(1);
    }
    return name;
}

// Characters this platform does not allow in a file name.
bool isUsableFileName(const QString& name) {
    return !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

std::function<void()>& endHandler() {
    static std::function<void()> handler;
    return handler;
}

}  // namespace

std::span<const NewDatabaseItem> NewDatabaseItems() { return kItems; }

QString NewDatabaseInfo(const QString& menuItem) {
    if (menuItem == QLatin1String("mLuoTietokantaYleismalliSuomi") ||
        menuItem == QLatin1String("mLuoTietokantaYleismalliRuotsi"))
        return introPieces() + renamePieces();
    if (menuItem == QLatin1String("mLuoTietokantaVarjola") || menuItem == QLatin1String("mLuoTietokantaRuvis"))
        return introPieces() + extendPieces();
    if (menuItem == QLatin1String("mLuoTietokantaMallistaTalo")) return introPieces() + housingPieces();
    if (menuItem == QLatin1String("mLuoTietokantaKelovi")) return introPiecesFinnish();
    if (menuItem == QLatin1String("mLuoTietokantaNykyisesta")) return copyPieces();
    return QString();
}

void RunNewDatabaseItem(const QString& menuItem) {
    for (const NewDatabaseItem& item : kItems) {
        if (menuItem != QLatin1String(item.menuItem)) continue;
        const QString templateFile = QString::fromLatin1(item.templateFile);
        if (templateFile.isEmpty())
            CreateNewDatabase(NewDatabaseInfo(menuItem), core::DatabasePath, true);
        else
            CreateNewDatabase(NewDatabaseInfo(menuItem), templateFile, false);
        return;
    }
}

bool CreateNewDatabase(const QString& sInfo, const QString& sSource, bool bCopyCurrent) {
    core::ShowInfo(sInfo);

    QString name = ui::Dialogs().inputBox(
        core::TranslateStr(QStringLiteral("frmMain"),
                           QStringLiteral("Anna uudelle tietokannalle nimi (max. 8 kirjainta).")),
        core::AppTitle);
    if (name.isEmpty()) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmMain"),
                                          QStringLiteral("Tietokannan nimi ei voi olla tyhjä. Toiminto "
                                                         "keskeytetään.")));
        return false;
    }
    name = cutName(name);
    if (!isUsableFileName(name)) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Nimi: ")) + name +
                       core::TranslateStr(QStringLiteral("frmMain"),
                                          QStringLiteral(" ei kelpaa tiedoston nimeksi. Toiminto keskeytetään.")));
        return false;
    }

    const QString personal = sys::GetSpecialFolder(sys::kSpecialFolderPersonal);
    const QString folder = personal.isEmpty() ? QString() : fso::BuildPath(personal, core::AppTitle);
    try {
        createFolderPath(folder);
    } catch (const fso::Error& e) {
        reportFailure(errorDetail(e, folder));
        return false;
    }

    const QString target = fso::BuildPath(folder, name + QStringLiteral(".mdb"));
    if (fso::FileExists(target)) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Nimi: ")) + name +
                       core::TranslateStr(QStringLiteral("frmMain"),
                                          QStringLiteral(" on jo käytössä. Toiminto keskeytetään.")));
        return false;
    }

    const QString source =
        bCopyCurrent ? sSource : fso::BuildPath(fso::BuildPath(sys::AppPath(), QStringLiteral("mallit")), sSource);
    // The program ends with the new book: the open windows store what they
    // hold in the book they show before it is copied or left.
    if (!core::StoreOpenWindows()) return false;
    {
        sys::cMouseCursor cursor;
        cursor.SetCursor(nullptr, sys::kPointerHourglass);
        try {
            // The book in use is closed so that its file is copied whole; the
            // next use opens it again.
            if (bCopyCurrent) core::DBCon().SuljeDB();
            fso::CopyFile(source, target, false);
        } catch (const fso::Error& e) {
            reportFailure(errorDetail(e, e.number() == fso::err::FileNotFound ? source : target));
            return false;
        }
        // A write-protected template gives a writable book all the same.
        fso::ClearReadOnly(target);
    }

    // The new book becomes the book of the ini file; when that cannot be
    // written the copy is taken away again and the old book stays.
    ini::cIniFile& ini = core::IniFile();
    ini.FileName(core::IniFileName);
    ini.Section(QStringLiteral("KOLVIO"));
    if (!ini.Write(target, QStringLiteral("Database"))) {
        try {
            fso::DeleteFile(target);
        } catch (const fso::Error&) {
        }
        reportFailure(core::IniNotWrittenText(ini.FileName(), ini.LockRefused()));
        return false;
    }
    core::DatabasePath = target;

    core::ShowInfo(core::TranslateStr(QStringLiteral("frmMain"),
                                      QStringLiteral("Mallitietokanta on kopioitu ja se tulee käyttöön, kun Kolvio "
                                                     "seuraavan kerran käynnistetään.")));
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmMain"),
                                      QStringLiteral("Kolvio suljetaan, koska tietokanta on vaihdettu.")));
    EndProgram();
    return true;
}

void SetProgramEndHandler(std::function<void()> handler) { endHandler() = std::move(handler); }

void EndProgram() {
    core::DBCon().SuljeDB();
    if (endHandler())
        endHandler()();
    else
        QCoreApplication::exit(0);
}

}  // namespace shell
