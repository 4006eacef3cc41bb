#include "core/settings.h"

#include "core/dbsettings.h"
#include "core/globals.h"
#include "platform/dao/currency.h"
#include "platform/fso/fso.h"
#include "platform/sys/apppath.h"
#include "platform/sys/folders.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QUuid>
#include <algorithm>

namespace core {

namespace {

const QString kSection = QStringLiteral("KOLVIO");
// The stamp of the last settings save, in both stores.
const QString kStampKey = QStringLiteral("SaveStamp");
// A save in progress keeps here the book's settings as they were, with its
// stamp under kUnfinishedMark, under kSavedMark the digest of the section
// as the save left it (settingsDigest), and under kHolderMark the name of
// the work file its program holds while it saves.
const QString kUnfinishedSection = QStringLiteral("PreviousSettings");
const QString kUnfinishedMark = QStringLiteral("@Save");
const QString kSavedMark = QStringLiteral("@Saved");
const QString kHolderMark = QStringLiteral("@Holder");

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

namespace {

// A date of the settings: a text that reads as a date of the years a book
// holds (100 to 9999); nothing for any other.
std::optional<dao::Date> settingDate(const QString& text) {
    const std::optional<dao::Date> d = dao::Date::fromText(text);
    if (!d || d->date().year() < 100 || d->date().year() > 9999) return std::nullopt;
    return d;
}

}  // namespace

QString defaultBackupFolder() {
    const QString personal = sys::GetSpecialFolder(sys::kSpecialFolderPersonal);
    return QDir(QDir(personal).filePath(AppTitle)).filePath(QStringLiteral("Varmuuskopiot"));
}

void LoadIniSettings() {
    ini::cIniFile& f = IniFile();
    f.FileName(IniFileName);
    f.Section(kSection);
    // The program folder, and the defaults of what is empty, in one write:
    // a start that finds them all stored writes nothing, and a file that
    // another program holds is waited for once at most.
    QList<std::pair<QString, QString>> keys{{QStringLiteral("AppPath"), sys::AppPath()}};
    DatabasePath = f.Read(QStringLiteral("Database"), QString());
    if (DatabasePath.isEmpty()) {
        DatabasePath = programFile(QStringLiteral("demo1.mdb"));
        keys.append({QStringLiteral("Database"), DatabasePath});
    }
    DatabaseBackup = f.Read(QStringLiteral("DatabaseBackup"), QString());
    if (DatabaseBackup.isEmpty()) {
        DatabaseBackup = defaultBackupFolder();
        keys.append({QStringLiteral("DatabaseBackup"), DatabaseBackup});
    }
    f.Write(keys);
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
    if (!f.Write(keys)) throw IniWriteError(f.FileName(), f.LockRefused());
}

cDBSettings settingsOf(const dao::Database& db, const QString& section) {
    cDBSettings s;
    s.setDatabase(db);
    s.setSection(section);
    return s;
}

bool isMark(const QString& key) { return key == kUnfinishedMark || key == kSavedMark || key == kHolderMark; }

// What a save in progress keeps in the book (nothing when none is).
struct Unfinished {
    QList<std::pair<QString, QString>> kept;  // the settings as they were, with the marks
    QString stamp;
    QString saved;
    QString holder;
    bool exists() const { return !kept.isEmpty(); }
};

Unfinished readUnfinished(const dao::Database& db) {
    Unfinished u;
    u.kept = settingsOf(db, kUnfinishedSection).AllSettings();
    for (const auto& [key, value] : u.kept) {
        if (key == kUnfinishedMark) u.stamp = value;
        if (key == kSavedMark) u.saved = value;
        if (key == kHolderMark) u.holder = value;
    }
    return u;
}

// Whether the program that made the save still runs it: from before its
// first write of the book until after its last it holds a work file beside
// the book, which the system lets go when the program ends, however it
// ends. The name comes from the book: only a work file's name beside it is
// looked at.
bool stillSaving(const dao::Database& db, const Unfinished& u) {
    static const QRegularExpression workFile(QStringLiteral("^\\.[^/]+\\.kvtmp$"));
    if (!workFile.match(u.holder).hasMatch()) return false;
    return fso::WorkFileHeld(fso::BuildPath(fso::GetParentFolderName(db.name()), u.holder));
}

// Whether the book's settings are exactly those that a save left whose
// digest is saved (settingsDigest): nothing has been saved over them since.
bool sectionHolds(const dao::Database& db, const QString& saved) {
    return !saved.isEmpty() && settingsDigest(settingsOf(db, kSection).AllSettings()) == saved;
}

// Whether settling the unfinished save puts back the settings it kept:
// the ini file does not hold that save, and nothing has been saved over it.
bool putsBack(const dao::Database& db, const Unfinished& u) {
    const bool iniHoldsTheSave = !u.stamp.isEmpty() && iniSection().Read(kStampKey) == u.stamp;
    return !iniHoldsTheSave && sectionHolds(db, u.saved);
}

// Puts the book's settings back as a save in progress kept them, and drops
// what it kept; inside the caller's write.
void restoreKeptSettings(dao::Database& db, const QList<std::pair<QString, QString>>& kept) {
    cDBSettings s = settingsOf(db, kSection);
    s.DeleteSection();
    for (const auto& [key, value] : kept)
        if (!isMark(key)) s.SaveSetting(value, key);
    settingsOf(db, kUnfinishedSection).DeleteSection();
}

void dropKeptSettings(dao::Database& db) { settingsOf(db, kUnfinishedSection).DeleteSection(); }

// Inside a write of the book, which no other program's save or settling
// can come into: an unfinished save that no program runs any more is
// brought to one save or the other. True when one that is still running is
// left as it is.
bool settleInsideWrite(dao::Database& db) {
    const Unfinished u = readUnfinished(db);
    if (!u.exists()) return false;
    if (stillSaving(db, u)) return true;
    if (putsBack(db, u))
        restoreKeptSettings(db, u.kept);
    else
        dropKeptSettings(db);
    return false;
}

// The section that holds the book's settings as they stand: their own, or,
// while a save that no program runs any more has left them unfinished and
// the next settling puts back the ones it kept, those.
QString standingSection(const dao::Database& db) {
    const Unfinished u = readUnfinished(db);
    return u.exists() && !stillSaving(db, u) && putsBack(db, u) ? kUnfinishedSection : kSection;
}

void rollBackQuietly(dao::Database& db) {
    try {
        if (db.transactionDepth() > 0) db.Rollback();
    } catch (const dao::DaoError&) {
        // A failed commit has rolled back by itself; closing the book
        // undoes what a failed rollback leaves.
    }
}

// The book's part of a save, in one transaction that holds its new
// settings, the save's stamp and, in a section of their own, its settings
// as they were with the digest of the new ones and the name of the work
// file its program holds. Nothing is written when the book's year is not
// shownYear, or the stores are not as shown.
SaveResult writeBookPart(dao::Database& db, const QString& stamp, const QString& holder,
                         const std::optional<std::pair<dao::Date, dao::Date>>& shownYear,
                         const std::optional<ShownStores>& shown) {
    db.BeginTrans();
    try {
        // A save that a crash cut short between its writes, or that could
        // not make its second one, is first brought to one save or the
        // other: what this save keeps is then the last whole save. One that
        // another program is still making is not taken from it.
        if (settleInsideWrite(db)) throw SettingsSaveInProgress();
        // Read inside the write, the stores stay as they are read until it
        // ends: another copy writes the ini file inside a write of the book.
        SaveResult refused = SaveResult::Saved;
        if (shownYear && !TilikausiEnnallaan(db, shownYear->first, shownYear->second))
            refused = SaveResult::YearChanged;
        else if (shown && !ReadShownStores(db).holds(*shown))
            refused = SaveResult::StoresChanged;
        if (refused != SaveResult::Saved) {
            db.Rollback();
            return refused;
        }
        // What this save replaces, read inside its write: no other copy's
        // save comes in between.
        QList<std::pair<QString, QString>> kept = settingsOf(db, kSection).AllSettings();
        kept.append({kUnfinishedMark, stamp});
        if (!holder.isEmpty()) kept.append({kHolderMark, holder});
        cDBSettings unfinished = settingsOf(db, kUnfinishedSection);
        unfinished.DeleteSection();
        for (const auto& [key, value] : kept) unfinished.SaveSetting(value, key);
        SaveDatabaseSettings(db);
        cDBSettings section = settingsOf(db, kSection);
        section.SaveSetting(stamp, kStampKey);
        unfinished.SaveSetting(settingsDigest(section.AllSettings()), kSavedMark);
        db.CommitTrans();
        return SaveResult::Saved;
    } catch (...) {
        rollBackQuietly(db);
        throw;
    }
}

// The ini file's part of a save whose book part is in the book, inside a
// write of the book: while it is written no other copy can save or put
// back the book's settings, and the book's settings it is written beside
// are this save's. When anything but this save has changed the book's
// settings since the book part (an earlier version of the program, which
// knows nothing of unfinished saves), nothing is written and
// SettingsSavedElsewhere is raised. An ini file that cannot be written
// puts the book's settings back as they were before raising IniWriteError.
void writeIniPart(dao::Database& db, const QString& stamp) {
    // A copy that holds the book longer than the wait raises Locked: the
    // book's settings are then this save's, unfinished, while they read as
    // the earlier ones (standingSection), and the next write of the book
    // that settles puts those back.
    db.BeginTrans();
    try {
        // The digest the book keeps for this save: a change of year since
        // has moved it with the dates.
        const Unfinished u = readUnfinished(db);
        if (u.stamp != stamp || !sectionHolds(db, u.saved)) throw SettingsSavedElsewhere();
        try {
            writeIniSettings(stamp);
        } catch (const IniWriteError&) {
            try {
                restoreKeptSettings(db, u.kept);
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

// The work file beside the book that a save holds while it runs; a save
// that cannot make one (the file system takes no locks, or the folder
// takes no new files) goes on without: it is then settled as a crash
// would have left it.
class SaveHold {
public:
    explicit SaveHold(const QString& book) {
        try {
            path_ = fso::CreateWorkFileBeside(book);
        } catch (const fso::Error&) {
            // Without a hold; the save's own writes tell what fails.
        }
    }
    ~SaveHold() {
        try {
            if (!path_.isEmpty()) fso::DeleteFile(path_);
        } catch (const fso::Error&) {
            // Nobody holds it once this program has ended; the next start
            // removes it then.
        }
    }
    SaveHold(const SaveHold&) = delete;
    SaveHold& operator=(const SaveHold&) = delete;
    QString name() const { return path_.isEmpty() ? QString() : fso::GetFileName(path_); }

private:
    QString path_;
};

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
// run from one folder. From before its first write of the book until after
// its last, the save's program holds a work file beside the book, named in
// the kept settings: an opening of the book, or another copy's save, tells
// by it a save still being made from one a crash left, and settles only
// the latter (another copy's save is refused meanwhile, in words). The
// change of year moves the kept settings' year and the digest with the
// book's (TallennaTilikaudet), so that the save stands, or is put back,
// with the year the change made.
//
// The kept settings belong to that one save. A later save that leaves them
// where they are (a version of the program from before them, which does
// not know the section) has changed the book's settings since: the digest
// no longer matches, and the later save stands.
SaveResult SaveAllSettings(dao::Database& db, const std::optional<std::pair<dao::Date, dao::Date>>& shownYear,
                           const std::optional<ShownStores>& shown) {
    const QString stamp = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const SaveHold hold(db.name());
    const SaveResult result = writeBookPart(db, stamp, hold.name(), shownYear, shown);
    if (result != SaveResult::Saved) return result;
    fso::WritePoint("settings", db.name());
    writeIniPart(db, stamp);
    return SaveResult::Saved;
}

void SettleUnfinishedSave(dao::Database& db) {
    // Most books hold none: looked for without a write first, then again
    // inside the write that settles it.
    if (!readUnfinished(db).exists()) return;
    dao::InTransaction(db, [&] { settleInsideWrite(db); });
}

void TallennaTilikaudet(dao::Database& db, const dao::Date& alku, const dao::Date& loppu, const dao::Date& edAlku,
                        const dao::Date& edLoppu) {
    dao::InTransaction(db, [&] {
        // A save still being made keeps the new year in what it kept, and
        // its digest follows, while nothing else has been saved over it.
        settleInsideWrite(db);
        const Unfinished u = readUnfinished(db);
        const bool follows = u.exists() && sectionHolds(db, u.saved);
        for (const QString& section : follows ? QStringList{kSection, kUnfinishedSection} : QStringList{kSection}) {
            cDBSettings s = settingsOf(db, section);
            s.SaveSetting(dateText(alku), QStringLiteral("TilikausiAlku"));
            s.SaveSetting(dateText(edAlku), QStringLiteral("EdTilikausiAlku"));
            s.SaveSetting(dateText(loppu), QStringLiteral("TilikausiLoppu"));
            s.SaveSetting(dateText(edLoppu), QStringLiteral("EdTilikausiLoppu"));
        }
        if (follows)
            settingsOf(db, kUnfinishedSection).SaveSetting(settingsDigest(settingsOf(db, kSection).AllSettings()),
                                                           kSavedMark);
    });
}

QString DefaultSeuranNimi(const QString& bookPath) { return QFileInfo(bookPath).completeBaseName(); }

QString StoredSeuranNimi(const QString& name, const QString& bookPath) {
    return name == DefaultSeuranNimi(bookPath) ? QString() : name;
}

Settings ReadDatabaseSettings(dao::Database& db, Settings o) {
    // The settings as they stand: a save that no program makes any more,
    // left unfinished, reads as the one before it.
    const cDBSettings s = settingsOf(db, standingSection(db));
    const int year = QDate::currentDate().year();
    auto date = [&](const char* key, dao::Date def) {
        return settingDate(s.GetSetting(QString::fromLatin1(key), dateText(def))).value_or(def);
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
    o.TilikausiAlku = date("TilikausiAlku", dao::Date::fromYmd(year, 1, 1));
    o.TilikausiLoppu = date("TilikausiLoppu", dao::Date::fromYmd(year, 12, 31));
    o.EdTilikausiAlku = date("EdTilikausiAlku", dao::Date::fromYmd(year - 1, 1, 1));
    o.EdTilikausiLoppu = date("EdTilikausiLoppu", dao::Date::fromYmd(year - 1, 12, 31));
    o.LaskettavaTili = number("LaskettavaTili", 0);
    o.VoittoTaseella = number("VoittoTaseella", 0);
    o.LastModelForBudget = number("LastModelForBudget", 0);
    o.LastPeriodForBudget = int(std::clamp<long>(number("LastPeriodForBudget", 2), -32768, 32767));
    o.VaakaTulostus = flag("VaakaTulostus", false);
    o.VanhatMallit = flag("VanhatMallit", false);
    o.VanhatTositteet = flag("VanhatTositteet", false);
    o.AutomaattisestiUusiTosite = flag("AutomaattisestiUusiTosite", false);
    o.Kustannuspaikat = flag("Kustannuspaikat", true);
    o.Email = s.GetSetting(QStringLiteral("Email"), QString());
    o.SMTP = s.GetSetting(QStringLiteral("SMTP"), QString());
    o.MargOik = margin("MargOik");
    o.MargVas = margin("MargVas");
    o.MargYla = margin("MargYla");
    o.MargAla = margin("MargAla");
    o.ReportControlMargins.bottom = qRound(o.MargAla * 48);
    o.ReportControlMargins.left = qRound(o.MargVas * 48);
    o.ReportControlMargins.right = qRound(o.MargOik * 48);
    o.ReportControlMargins.top = qRound(o.MargYla * 48);
    o.Fontti = s.GetSetting(QStringLiteral("Fontti"), QStringLiteral("Times New Roman"));
    o.FonttiKoko = int(std::clamp<long>(number("FonttiKoko", 10), 1, 72));
    // The association's name: its own key, else the name of its book file.
    o.SeuranNimi = s.GetSetting(QStringLiteral("SeuranNimi"), QString());
    if (o.SeuranNimi.isEmpty()) o.SeuranNimi = DefaultSeuranNimi(db.name());
    o.RaporttiAlkuPvm = o.TilikausiAlku;
    o.RaporttiLoppuPvm = o.TilikausiLoppu;
    o.NaytaTilinumerot = true;
    o.AaniKaytossa = true;
    return o;
}

void LoadDatabaseSettings(dao::Database& db) { CurrentSettings = ReadDatabaseSettings(db, CurrentSettings); }

std::optional<BrokenYear> BrokenFinancialYear(const Settings& settings) {
    auto outside = [](const dao::Date& d) {
        return !d.isZero() && (d.date().year() < 100 || d.date().year() > 9999);
    };
    auto broken = [&](bool previous, const dao::Date& alku, const dao::Date& loppu) -> std::optional<BrokenYear> {
        if (outside(alku) || outside(loppu)) return BrokenYear{previous, true, alku, loppu};
        if (!alku.isZero() && !loppu.isZero() && loppu < alku) return BrokenYear{previous, false, alku, loppu};
        return std::nullopt;
    };
    if (auto year = broken(false, settings.TilikausiAlku, settings.TilikausiLoppu)) return year;
    return broken(true, settings.EdTilikausiAlku, settings.EdTilikausiLoppu);
}

namespace {

// A date the book's settings hold under key; nothing when there is none or
// it does not read as a date.
std::optional<dao::Date> storedDate(dao::Database& db, const char* key) {
    return dao::Date::fromText(settingsOf(db, standingSection(db)).GetSetting(QString::fromLatin1(key)));
}

}  // namespace

QStringList LukemattomatTilikausipaivat(dao::Database& db) {
    QHash<QString, QString> stored;
    for (const auto& [key, value] : settingsOf(db, standingSection(db)).AllSettings())
        if (!stored.contains(key.toCaseFolded())) stored.insert(key.toCaseFolded(), value);
    QStringList out;
    for (const char* key : {"TilikausiAlku", "TilikausiLoppu"}) {
        const QString name = QString::fromLatin1(key);
        const auto it = stored.constFind(name.toCaseFolded());
        if (it == stored.constEnd()) {
            out << name;
            continue;
        }
        if (settingDate(*it)) continue;
        constexpr int kShown = 40;
        out << name + QStringLiteral(": \"") + (it->size() > kShown ? it->left(kShown) + QStringLiteral("...") : *it) +
                   QLatin1Char('"');
    }
    return out;
}

bool TilikausiEnnallaan(dao::Database& db, const dao::Date& alku, const dao::Date& loppu) {
    // Inside a write, a save that no program makes any more (this one's own
    // refused save among them) is first settled: the book then holds the
    // year it reads as.
    if (db.transactionDepth() > 0) settleInsideWrite(db);
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

std::optional<BrokenYear> OtaKorjattuTilikausi(dao::Database& db) {
    const std::optional<BrokenYear> refused = TilikausiEiKaytossa();
    if (!refused) return std::nullopt;
    const Settings book = ReadDatabaseSettings(db, CurrentSettings);
    if (const std::optional<BrokenYear> broken = BrokenFinancialYear(book)) return broken;
    if (book.TilikausiAlku.isZero() || book.TilikausiLoppu.isZero()) return refused;
    // The book's year is one to work in: its settings are taken as a start
    // takes them.
    CurrentSettings = book;
    HylattyTilikausi.reset();
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

namespace {

// The keys of the Settings table that a settings window's save writes,
// but for the four dates of the years (see SaveDatabaseSettings).
const QStringList& shownBookKeys() {
    static const QStringList keys{
        QStringLiteral("LaskettavaTili"), QStringLiteral("VoittoTaseella"), QStringLiteral("VaakaTulostus"),
        QStringLiteral("VanhatMallit"), QStringLiteral("VanhatTositteet"), QStringLiteral("AutomaattisestiUusiTosite"),
        QStringLiteral("Kustannuspaikat"), QStringLiteral("Email"), QStringLiteral("SMTP"), QStringLiteral("MargOik"),
        QStringLiteral("MargVas"), QStringLiteral("MargYla"), QStringLiteral("MargAla"), QStringLiteral("Fontti"),
        QStringLiteral("FonttiKoko"), QStringLiteral("SeuranNimi")};
    return keys;
}

}  // namespace

ShownStores ReadShownStores() {
    ShownStores s;
    ini::cIniFile& f = iniSection();
    s.iniFile = f.FileName();
    for (const char* key : {"Database", "DatabaseBackup", "Language", "MultiDb"})
        s.ini.append({QString::fromLatin1(key), f.Read(QString::fromLatin1(key))});
    return s;
}

ShownStores ReadShownStores(const dao::Database& db) {
    ShownStores s = ReadShownStores();
    for (const auto& [key, value] : settingsOf(db, standingSection(db)).AllSettings())
        if (shownBookKeys().contains(key, Qt::CaseInsensitive)) s.book.append({key.toCaseFolded(), value});
    std::sort(s.book.begin(), s.book.end());
    return s;
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
