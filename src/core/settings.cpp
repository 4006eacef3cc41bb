#include "core/settings.h"

#include "core/dbsettings.h"
#include "core/globals.h"
#include "platform/dao/currency.h"
#include "platform/sys/apppath.h"
#include "platform/sys/folders.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace core {

namespace {

const QString kSection = QStringLiteral("KOLVIO");

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

void SaveIniSettings() {
    ini::cIniFile& f = IniFile();
    f.FileName(IniFileName);
    f.Section(kSection);
    f.Write(DatabasePath, QStringLiteral("Database"));
    f.Write(DatabaseBackup, QStringLiteral("DatabaseBackup"));
    f.Write(Language, QStringLiteral("Language"));
    f.Write(flagText(MultiDb), QStringLiteral("MultiDb"));
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
    if (SeuranNimi.isEmpty()) SeuranNimi = QFileInfo(db.name()).completeBaseName();
    RaporttiAlkuPvm = TilikausiAlku;
    RaporttiLoppuPvm = TilikausiLoppu;
    NaytaTilinumerot = true;
    AaniKaytossa = true;
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
}

}  // namespace core
