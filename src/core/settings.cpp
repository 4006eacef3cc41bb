#include "core/settings.h"

#include "core/dbsettings.h"
#include "core/globals.h"
#include "platform/dao/currency.h"
#include "platform/sys/apppath.h"
#include "platform/sys/folders.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QUuid>
#include <algorithm>

namespace core {

namespace {

const QString kSection = QStringLiteral("KOLVIO");
// The stamp of the last settings save, in both stores.
const QString kStampKey = QStringLiteral("SaveStamp");
// A save in progress keeps here the book's settings as they were, with its
// stamp under kUnfinishedMark and, under kSavedMark, the digest of the
// section as the save left it (settingsDigest).
const QString kUnfinishedSection = QStringLiteral("PreviousSettings");
const QString kUnfinishedMark = QStringLiteral("@Save");
const QString kSavedMark = QStringLiteral("@Saved");

QString programFile(const QString& name) { return QDir(sys::AppPath()).filePath(name); }

std::optional<long> longValue(const QString& text) {
    bool ok = false;
    const QString t = text.trimmed();
    const long long v = t.toLongLong(&ok);
    if (ok && v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max())
        return long(v);
    // A decimal number is rounded, as a numeric conversion does.
    const double d = QLocale::c().toDouble(t, &ok);
    if (ok && d >= std::numeric_limits<std::int32_t>::min() && d <= std::numeric_limits<std::int32_t>::max())
        return long(std::nearbyint(d));
    return std::nullopt;
}

// A digest of a section's keys and values, whatever the order of its rows:
// two sections that hold the same have the same digest.
QString settingsDigest(QList<std::pair<QString, QString>> keys) {
    std::sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
        const int byKey = a.first.compare(b.first, Qt::CaseInsensitive);
        return byKey != 0 ? byKey < 0 : a.second < b.second;
    });
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const auto& [key, value] : keys)
        for (const QString& text : {key.toCaseFolded(), value}) {
            // Each text with its length before it, so that no two lists give
            // one stream.
            const QByteArray bytes = text.toUtf8();
            hash.addData(QByteArray::number(bytes.size()) + ':');
            hash.addData(bytes);
        }
    return QString::fromLatin1(hash.result().toHex());
}

}  // namespace

ini::cIniFile& IniFile() {
    static ini::cIniFile instance;
    return instance;
}

QString flagText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

bool flagValue(const QString& text, bool def) {
    bool ok = false;
    const double d = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? d != 0.0 : def;
}

QString dateText(const dao::Date& d) { return d.date().toString(QStringLiteral("yyyy-MM-dd")); }

QString defaultBackupFolder() {
    const QString personal = sys::GetSpecialFolder(sys::kSpecialFolderPersonal);
    return QDir(QDir(personal).filePath(AppTitle)).filePath(QStringLiteral("Varmuuskopiot"));
}

void LoadIniSettings() {
    ini::cIniFile& f = IniFile();
    f.FileName(IniFileName);
    f.Section(kSection);
    f.Write(sys::AppPath(), QStringLiteral("AppPath"));
    DatabasePath = f.Read(QStringLiteral("Database"), QString());
    if (DatabasePath.isEmpty()) {
        DatabasePath = programFile(QStringLiteral("demo1.mdb"));
        f.Write(DatabasePath, QStringLiteral("Database"));
    }
    DatabaseBackup = f.Read(QStringLiteral("DatabaseBackup"), QString());
    if (DatabaseBackup.isEmpty()) {
        DatabaseBackup = defaultBackupFolder();
        f.Write(DatabaseBackup, QStringLiteral("DatabaseBackup"));
    }
    Language = f.Read(QStringLiteral("Language"), QString());
    MultiDb = flagValue(f.Read(QStringLiteral("MultiDb"), QStringLiteral("0")), false);
}

bool SaveDatabasePath(const QString& path) {
    ini::cIniFile& f = IniFile();
    f.FileName(IniFileName);
    f.Section(kSection);
    DatabasePath = path;
    return f.Write(path, QStringLiteral("Database"));
}

namespace {

ini::cIniFile& iniSection() {
    ini::cIniFile& f = IniFile();
    f.FileName(IniFileName);
    f.Section(kSection);
    return f;
}

// The program-wide keys from the globals, and the save's stamp when given,
// in one write of the ini file.
void writeIniSettings(const QString& stamp) {
    QList<std::pair<QString, QString>> keys{{QStringLiteral("Database"), DatabasePath},
                                            {QStringLiteral("DatabaseBackup"), DatabaseBackup},
                                            {QStringLiteral("Language"), Language},
                                            {QStringLiteral("MultiDb"), flagText(MultiDb)}};
    if (!stamp.isEmpty()) keys.append({kStampKey, stamp});
    ini::cIniFile& f = iniSection();
    if (!f.Write(keys)) throw IniWriteError(f.FileName());
}

// Puts the book's settings back as a save in progress kept them, and drops
// what it kept; one transaction.
void restoreKeptSettings(dao::Database& db, const QList<std::pair<QString, QString>>& kept) {
    cDBSettings& s = DBSettings();
    s.setDatabase(db);
    db.BeginTrans();
    try {
        s.setSection(kSection);
        s.DeleteSection();
        for (const auto& [key, value] : kept)
            if (key != kUnfinishedMark && key != kSavedMark) s.SaveSetting(value, key);
        s.setSection(kUnfinishedSection);
        s.DeleteSection();
        db.CommitTrans();
    } catch (...) {
        if (db.transactionDepth() > 0) db.Rollback();
        throw;
    }
}

void dropKeptSettings(dao::Database& db) {
    cDBSettings& s = DBSettings();
    s.setDatabase(db);
    s.setSection(kUnfinishedSection);
    s.DeleteSection();
}

void rollBackQuietly(dao::Database& db) {
    try {
        if (db.transactionDepth() > 0) db.Rollback();
    } catch (const dao::DaoError&) {
        // A failed commit has rolled back by itself; closing the book
        // undoes what a failed rollback leaves.
    }
}

// Whether the book's settings are exactly those that a save left whose
// digest is saved (settingsDigest): nothing has been saved over them since.
bool sectionHolds(cDBSettings& s, const QString& saved) {
    s.setSection(kSection);
    return !saved.isEmpty() && settingsDigest(s.AllSettings()) == saved;
}

// The book's part of a save, in one transaction that holds its new
// settings, the save's stamp and, in a section of their own, its settings
// as they were with the digest of the new ones (into kept and saved).
// False, with nothing written, when the book's year is not shownYear.
bool writeBookPart(dao::Database& db, const QString& stamp,
                   const std::optional<std::pair<dao::Date, dao::Date>>& shownYear,
                   QList<std::pair<QString, QString>>& kept, QString& saved) {
    cDBSettings& s = DBSettings();
    db.BeginTrans();
    try {
        if (shownYear && !TilikausiEnnallaan(db, shownYear->first, shownYear->second)) {
            db.Rollback();
            return false;
        }
        // A save that another copy has written into the book and not yet
        // into the ini file, or one a crash cut short there, is first
        // brought to one save or the other: what this save keeps is then
        // the last whole save, and that copy's save, finding its own
        // settings gone, does not stand.
        SettleUnfinishedSave(db);
        // What this save replaces, read inside its write: no other copy's
        // save comes in between.
        s.setDatabase(db);
        s.setSection(kSection);
        kept = s.AllSettings();
        kept.append({kUnfinishedMark, stamp});
        s.setSection(kUnfinishedSection);
        s.DeleteSection();
        for (const auto& [key, value] : kept) s.SaveSetting(value, key);
        SaveDatabaseSettings(db);
        s.setSection(kSection);
        s.SaveSetting(stamp, kStampKey);
        saved = settingsDigest(s.AllSettings());
        s.setSection(kUnfinishedSection);
        s.SaveSetting(saved, kSavedMark);
        db.CommitTrans();
        return true;
    } catch (...) {
        rollBackQuietly(db);
        throw;
    }
}

// The ini file's part of a save whose book part is in the book, inside a
// write of the book: while it is written no other copy can save or put
// back the book's settings, and the book's settings it is written beside
// are this save's. When another copy's save (or its settling of
// this one) has come in since the book part, nothing is written and
// SettingsSavedElsewhere is raised. An ini file that cannot be written puts
// the book's settings back as they were before raising IniWriteError.
void writeIniPart(dao::Database& db, const QString& stamp, const QString& saved,
                  const QList<std::pair<QString, QString>>& kept) {
    // A copy that holds the book longer than the wait raises Locked: the
    // book's settings are then this save's, unfinished, and every opening
    // and every later save of the book puts them back first.
    db.BeginTrans();
    try {
        cDBSettings& s = DBSettings();
        s.setDatabase(db);
        s.setSection(kUnfinishedSection);
        if (s.GetSetting(kUnfinishedMark) != stamp || !sectionHolds(s, saved)) throw SettingsSavedElsewhere();
        try {
            writeIniSettings(stamp);
        } catch (const IniWriteError&) {
            try {
                restoreKeptSettings(db, kept);
                db.CommitTrans();
            } catch (const std::exception&) {
                // The next opening of the book puts them back: the ini file
                // does not hold this save's stamp.
                rollBackQuietly(db);
            }
            throw;
        }
    } catch (...) {
        rollBackQuietly(db);
        throw;
    }
    try {
        dropKeptSettings(db);
        db.CommitTrans();
    } catch (const std::exception&) {
        // The save is whole; the next opening of the book drops them.
        rollBackQuietly(db);
    }
}

}  // namespace

void SaveIniSettings() { writeIniSettings(QString()); }

// The order of the save. The book is written first, in one transaction
// that holds its new settings, the save's stamp and, in a section of their
// own, its settings as they were with the digest of the new ones. Then,
// inside a second write of the book, the ini file is replaced once, with
// the program-wide settings and the same stamp (a replacement that returns
// is on the disk), and the kept settings are dropped.
//
// A crash before the book's commit leaves both stores as they were. A crash
// after it and before the new ini file is on the disk leaves the book's new
// settings beside the ini file's old ones: the next opening of the book
// finds the kept settings, whose stamp the ini file does not hold, and puts
// them back, so that the earlier save stands whole. A crash after the ini
// file is on the disk leaves the two stamps equal: the next opening only
// drops the kept settings, and this save stands whole. The other order
// could not be mended so: an ini file written first names settings that the
// book may never get, and the ini file keeps no earlier values to go back
// to.
//
// Two copies of the program share the book, and the ini file when they
// run from one folder. The book's write lock keeps the ini write of one
// save from meeting any other copy's save. Between the two writes of the
// book another copy may save; its save settles this one's first, as an
// opening would, and keeps the save before it. This save then finds its
// settings gone from the book and writes nothing more: the later save
// stands whole, and this copy is told.
//
// The kept settings belong to that one save. A later save that leaves them
// where they are (a version of the program from before them, which does
// not know the section) has changed the book's settings since: the digest
// no longer matches, and the later save stands.
bool SaveAllSettings(dao::Database& db, const std::optional<std::pair<dao::Date, dao::Date>>& shownYear) {
    const QString stamp = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QList<std::pair<QString, QString>> kept;
    QString saved;
    if (!writeBookPart(db, stamp, shownYear, kept, saved)) return false;
    writeIniPart(db, stamp, saved, kept);
    return true;
}

void SettleUnfinishedSave(dao::Database& db) {
    cDBSettings& s = DBSettings();
    s.setDatabase(db);
    s.setSection(kUnfinishedSection);
    const QList<std::pair<QString, QString>> kept = s.AllSettings();
    if (kept.isEmpty()) return;
    QString stamp, saved;
    for (const auto& [key, value] : kept) {
        if (key == kUnfinishedMark) stamp = value;
        if (key == kSavedMark) saved = value;
    }
    const bool iniHoldsTheSave = !stamp.isEmpty() && iniSection().Read(kStampKey) == stamp;
    // Put back only over what that save left: settings saved since stand.
    if (!iniHoldsTheSave && sectionHolds(s, saved))
        restoreKeptSettings(db, kept);
    else
        dropKeptSettings(db);
}

QString DefaultSeuranNimi(const QString& bookPath) { return QFileInfo(bookPath).completeBaseName(); }

QString StoredSeuranNimi(const QString& name, const QString& bookPath) {
    return name == DefaultSeuranNimi(bookPath) ? QString() : name;
}

void LoadDatabaseSettings(dao::Database& db) {
    cDBSettings& s = DBSettings();
    s.setDatabase(db);
    s.setSection(kSection);
    const int year = QDate::currentDate().year();
    auto date = [&](const char* key, dao::Date def) {
        return dao::Date::fromText(s.GetSetting(QString::fromLatin1(key), dateText(def))).value_or(def);
    };
    auto number = [&](const char* key, long def) {
        return longValue(s.GetSetting(QString::fromLatin1(key), QString::number(def))).value_or(def);
    };
    auto flag = [&](const char* key, bool def) {
        return flagValue(s.GetSetting(QString::fromLatin1(key), flagText(def)), def);
    };
    auto margin = [&](const char* key) {
        // Millimetres, a fraction allowed ("12.5"; a comma read alike); in
        // report units a margin must fit 16 bits: at most 682 mm.
        const std::optional<dao::Currency> mm =
            dao::Currency::parseInvariant(s.GetSetting(QString::fromLatin1(key), QStringLiteral("0")));
        return mm ? std::clamp(mm->toDouble(), 0.0, 682.0) : 0.0;
    };
    TilikausiAlku = date("TilikausiAlku", dao::Date::fromYmd(year, 1, 1));
    TilikausiLoppu = date("TilikausiLoppu", dao::Date::fromYmd(year, 12, 31));
    EdTilikausiAlku = date("EdTilikausiAlku", dao::Date::fromYmd(year - 1, 1, 1));
    EdTilikausiLoppu = date("EdTilikausiLoppu", dao::Date::fromYmd(year - 1, 12, 31));
    LaskettavaTili = number("LaskettavaTili", 0);
    VoittoTaseella = number("VoittoTaseella", 0);
    LastModelForBudget = number("LastModelForBudget", 0);
    LastPeriodForBudget = int(std::clamp<long>(number("LastPeriodForBudget", 2), -32768, 32767));
    VaakaTulostus = flag("VaakaTulostus", false);
    VanhatMallit = flag("VanhatMallit", false);
    VanhatTositteet = flag("VanhatTositteet", false);
    AutomaattisestiUusiTosite = flag("AutomaattisestiUusiTosite", false);
    Kustannuspaikat = flag("Kustannuspaikat", true);
    Email = s.GetSetting(QStringLiteral("Email"), QString());
    SMTP = s.GetSetting(QStringLiteral("SMTP"), QString());
    MargOik = margin("MargOik");
    MargVas = margin("MargVas");
    MargYla = margin("MargYla");
    MargAla = margin("MargAla");
    ReportControlMargins.bottom = qRound(MargAla * 48);
    ReportControlMargins.left = qRound(MargVas * 48);
    ReportControlMargins.right = qRound(MargOik * 48);
    ReportControlMargins.top = qRound(MargYla * 48);
    Fontti = s.GetSetting(QStringLiteral("Fontti"), QStringLiteral("Times New Roman"));
    FonttiKoko = int(std::clamp<long>(number("FonttiKoko", 10), 1, 72));
    // The association's name: its own key, else the name of its book file.
    SeuranNimi = s.GetSetting(QStringLiteral("SeuranNimi"), QString());
    if (SeuranNimi.isEmpty()) SeuranNimi = DefaultSeuranNimi(db.name());
    RaporttiAlkuPvm = TilikausiAlku;
    RaporttiLoppuPvm = TilikausiLoppu;
    NaytaTilinumerot = true;
    AaniKaytossa = true;
}

std::optional<BrokenYear> BrokenFinancialYear(const Settings& settings) {
    auto broken = [](const dao::Date& alku, const dao::Date& loppu) {
        return !alku.isZero() && !loppu.isZero() && loppu < alku;
    };
    if (broken(settings.TilikausiAlku, settings.TilikausiLoppu))
        return BrokenYear{false, settings.TilikausiAlku, settings.TilikausiLoppu};
    if (broken(settings.EdTilikausiAlku, settings.EdTilikausiLoppu))
        return BrokenYear{true, settings.EdTilikausiAlku, settings.EdTilikausiLoppu};
    return std::nullopt;
}

namespace {

// A date the book's settings hold under key; nothing when there is none or
// it does not read as a date.
std::optional<dao::Date> storedDate(dao::Database& db, const char* key) {
    cDBSettings s;
    s.setDatabase(db);
    s.setSection(kSection);
    return dao::Date::fromText(s.GetSetting(QString::fromLatin1(key)));
}

}  // namespace

bool TilikausiEnnallaan(dao::Database& db, const dao::Date& alku, const dao::Date& loppu) {
    auto agrees = [&](const char* key, const dao::Date& held) {
        const std::optional<dao::Date> stored = storedDate(db, key);
        return !stored || *stored == held;
    };
    return agrees("TilikausiAlku", alku) && agrees("TilikausiLoppu", loppu);
}

std::optional<BrokenYear> TilikausiEiKaytossa() {
    if (const std::optional<BrokenYear> broken = BrokenFinancialYear()) return broken;
    if (TilikausiAlku.isZero() || TilikausiLoppu.isZero()) return HylattyTilikausi;
    return std::nullopt;
}

std::optional<Settings> KirjanpidonTilikaudet(dao::Database& db) {
    Settings book = CurrentSettings;
    auto take = [&](const char* key, dao::Date& date) {
        if (const std::optional<dao::Date> stored = storedDate(db, key)) date = *stored;
    };
    take("TilikausiAlku", book.TilikausiAlku);
    take("TilikausiLoppu", book.TilikausiLoppu);
    take("EdTilikausiAlku", book.EdTilikausiAlku);
    take("EdTilikausiLoppu", book.EdTilikausiLoppu);
    // A year with a first day and no last one is no year to work in.
    if (book.TilikausiAlku.isZero() || book.TilikausiLoppu.isZero() || BrokenFinancialYear(book)) return std::nullopt;
    book.RaporttiAlkuPvm = book.TilikausiAlku;
    book.RaporttiLoppuPvm = book.TilikausiLoppu;
    return book;
}

void OtaKirjanpidonTilikaudet(dao::Database& db) {
    const std::optional<Settings> book = KirjanpidonTilikaudet(db);
    if (!book) return;
    TilikausiAlku = book->TilikausiAlku;
    TilikausiLoppu = book->TilikausiLoppu;
    EdTilikausiAlku = book->EdTilikausiAlku;
    EdTilikausiLoppu = book->EdTilikausiLoppu;
    RaporttiAlkuPvm = book->RaporttiAlkuPvm;
    RaporttiLoppuPvm = book->RaporttiLoppuPvm;
}

void SaveDatabaseSettings(dao::Database& db) {
    cDBSettings& s = DBSettings();
    s.setDatabase(db);
    s.setSection(kSection);
    s.SaveSetting(dateText(TilikausiAlku), QStringLiteral("TilikausiAlku"));
    s.SaveSetting(dateText(TilikausiLoppu), QStringLiteral("TilikausiLoppu"));
    s.SaveSetting(dateText(EdTilikausiAlku), QStringLiteral("EdTilikausiAlku"));
    s.SaveSetting(dateText(EdTilikausiLoppu), QStringLiteral("EdTilikausiLoppu"));
    s.SaveSetting(QString::number(LaskettavaTili), QStringLiteral("LaskettavaTili"));
    s.SaveSetting(QString::number(VoittoTaseella), QStringLiteral("VoittoTaseella"));
    s.SaveSetting(flagText(VaakaTulostus), QStringLiteral("VaakaTulostus"));
    s.SaveSetting(flagText(VanhatMallit), QStringLiteral("VanhatMallit"));
    s.SaveSetting(flagText(VanhatTositteet), QStringLiteral("VanhatTositteet"));
    s.SaveSetting(flagText(AutomaattisestiUusiTosite), QStringLiteral("AutomaattisestiUusiTosite"));
    s.SaveSetting(flagText(Kustannuspaikat), QStringLiteral("Kustannuspaikat"));
    s.SaveSetting(Email, QStringLiteral("Email"));
    s.SaveSetting(SMTP, QStringLiteral("SMTP"));
    s.SaveSetting(QString::number(MargOik), QStringLiteral("MargOik"));
    s.SaveSetting(QString::number(MargVas), QStringLiteral("MargVas"));
    s.SaveSetting(QString::number(MargYla), QStringLiteral("MargYla"));
    s.SaveSetting(QString::number(MargAla), QStringLiteral("MargAla"));
    s.SaveSetting(Fontti, QStringLiteral("Fontti"));
    s.SaveSetting(QString::number(FonttiKoko), QStringLiteral("FonttiKoko"));
    s.SaveSetting(StoredSeuranNimi(SeuranNimi, db.name()), QStringLiteral("SeuranNimi"));
}

}  // namespace core
