#pragma once

// Books for the statement tests: the general template (models 1 and 2 with
// its chart), optionally the demo year on top, or small models written in
// the test; vouchers in a compact form; the lines of tula and tase read back.

#include "../statement_models/modelfixture.h"
#include "reportctl/reportglobals.h"
#include "statements/statements.h"

#include <QMap>
#include <QSet>

namespace kvtest {

// One line of tula or tase: every column by its name in lower case.
struct Line {
    QMap<QString, dao::Variant> v;
    QString table;
    dao::Variant get(const QString& column) const { return v.value(column.toLower()); }
    dao::Variant at(const char* suffix) const { return get(table + QLatin1String(suffix)); }
    dao::Variant level() const { return at("Tyyppi"); }
    QString text() const { return core::NzString(at("Teksti")); }
    bool group() const { return core::NzBoolean(at("IsGroupRow")); }
    QString mark() const { return core::NzString(at("Merkki"), QStringLiteral("<null>")); }
    dao::Currency c(const char* column) const { return core::NzCurrency(get(QLatin1String(column))); }
    bool isNull(const char* column) const { return get(QLatin1String(column)).isNull(); }
    double d(const char* column) const { return core::NzDouble(get(QLatin1String(column))); }
    long n(const char* column) const { return core::NzLong(get(QLatin1String(column))); }
};

inline dao::Currency eur(const char* text) { return *dao::Currency::parseInvariant(QString::fromLatin1(text)); }

class StatementTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        reports::ResetReportGlobals();
        core::VoittoTaseella = 0;
        statements::bLiikevaihtoHiljaa = false;
    }

    // The demo year 2026 with 2025 as the previous year, and its settings.
    void makeDemo() {
        dao::Database d = dao::DBEngine::OpenDatabase(makeBook());
        core::runSqlFile(d, QDir(sourceDir()).filePath(QStringLiteral("data/books/demo1.sql")));
        d.Close();
        core::TilikausiAlku = dao::Date::fromYmd(2026, 1, 1);
        core::TilikausiLoppu = dao::Date::fromYmd(2026, 12, 31);
        core::EdTilikausiAlku = dao::Date::fromYmd(2025, 1, 1);
        core::EdTilikausiLoppu = dao::Date::fromYmd(2025, 12, 31);
        core::VoittoTaseella = 25;
        core::SeuranNimi = QStringLiteral("Esimerkkiseura ry");
    }

    // A voucher of the current year (or the previous one) with its entries
    // "tlID D|K amount [kpID]" separated by ';'.
    void voucher(const QString& date, const QString& entries, bool opening = false, bool previous = false) {
        static long next = 1000;
        const long id = ++next;
        const QDate d = QDate::fromString(date, QStringLiteral("d.M.yyyy"));
        const QString p = previous ? QStringLiteral("toE") : QStringLiteral("to");
        const QString e = previous ? QStringLiteral("viE") : QStringLiteral("vi");
        exec(QStringLiteral("INSERT INTO [%1] (%1ID, %1Numero, %1Pvm, %1Selite, %1Avaustosite) VALUES (%2, 1, #%3#, 'x', %4)")
                 .arg(p)
                 .arg(id)
                 .arg(d.toString(QStringLiteral("M/d/yyyy")), opening ? QStringLiteral("True") : QStringLiteral("False")));
        for (const QString& entry : entries.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QStringList f = entry.simplified().split(QLatin1Char(' '));
            exec(QStringLiteral("INSERT INTO %1 (%1ID, %1toID, %1tlID, %1Tyyppi, %1Arvo, %1kpID) VALUES (%2, %3, %4, '%5', %6, %7)")
                     .arg(e)
                     .arg(++next)
                     .arg(id)
                     .arg(f[0], f[1], f[2], f.value(3, QStringLiteral("0"))));
        }
    }

    // Each row of a query as its values joined by blanks (dates as ISO).
    QStringList rows(const QString& sql) {
        QStringList out;
        dao::Database d = db();
        dao::Recordset rs = d.OpenRecordset(sql, dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext()) {
            QStringList parts;
            for (int i = 0; i < rs.fieldCount(); ++i)
                parts << (rs.value(i).kind() == dao::Variant::Kind::Date ? rs.value(i).toDate().toIso() : rs.value(i).toString());
            out << parts.join(QLatin1Char(' '));
        }
        return out;
    }

    std::vector<Line> lines(const QString& table) {
        std::vector<Line> out;
        dao::Database d = db();
        dao::Recordset rs = d.OpenRecordset(QStringLiteral("SELECT * FROM %1 ORDER BY %1ID").arg(table), dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext()) {
            Line l{{}, table};
            for (const QString& name : rs.fieldNames()) l.v[name.toLower()] = rs.value(name);
            out.push_back(l);
        }
        rs.Close();
        return out;
    }
    std::vector<Line> tula() { return lines(QStringLiteral("tula")); }
    std::vector<Line> tase() { return lines(QStringLiteral("tase")); }

    // The first line with the text (and mark "**" when asked).
    static const Line& find(const std::vector<Line>& ls, const QString& text, bool marked = false) {
        for (const Line& l : ls)
            if (l.text() == text && (!marked || l.mark() == QLatin1String("**"))) return l;
        static Line none;
        ADD_FAILURE() << "no line " << text.toStdString();
        return none;
    }

    // Level and kind per line: H header, V value, T total (a marked line
    // closing a header of its level and text), F formula (tula), B blank.
    static QStringList shape(const std::vector<Line>& ls) {
        QStringList out;
        QSet<QString> headers;
        for (const Line& l : ls) {
            if (l.level().isNull()) {
                out << QStringLiteral("B");
                continue;
            }
            const QString level = QString::number(core::NzLong(l.level()));
            const QString key = level + QLatin1Char('/') + l.text();
            const char* kind = "V";
            if (!l.at("mrID").isNull()) {
                kind = "H";
                headers.insert(key);
            } else if (level == QLatin1String("7") && l.table == QLatin1String("tula")) {
                kind = "F";
            } else if (l.mark() == QLatin1String("**") && l.group() && headers.contains(key)) {
                kind = "T";
            }
            out << level + QLatin1String(kind);
        }
        return out;
    }
};

}  // namespace kvtest
