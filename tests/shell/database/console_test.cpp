// The maintenance console: what each command empties and what it leaves,
// its messages, and what happens with awkward input and a locked book.

#include "core/bookfixture.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/translator.h"
#include "platform/dao/database.h"
#include "shell/database/console.h"
#include "platform/ui/scripteddialogs.h"
#include "support/child.h"
#include "support/dialogs.h"

#include <QStringList>
#include <map>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using kvtest::ScriptedDialogs;
using ui::Answer;

// One of everything: three accounts, vouchers of both years (one without a
// text, an entry whose voucher is gone), models of three types and an mr row
// whose model is gone, budgets, cost centres, templates, settings, work rows.
const char* const kScript = R"(
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (1, 1910, 'Pankki', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (2, 3000, 'Myynti', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (3, 4000, 'Kulut', ' ', 0, 0);
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite) VALUES (1, 1, #1/5/2031#, 'Myynti', False);
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite) VALUES (2, 2, #1/6/2031#, 'Ostot', False);
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite) VALUES (3, 3, #1/7/2031#, NULL, False);
INSERT INTO vi (viID, vitoID, vitlID, viTyyppi, viArvo, viSelite, viAvausvienti) VALUES (1, 1, 1, 'D', 100, 'vanha', False);
INSERT INTO vi (viID, vitoID, vitlID, viTyyppi, viArvo, viSelite, viAvausvienti) VALUES (2, 1, 2, 'K', 100, 'vanha', False);
INSERT INTO vi (viID, vitoID, vitlID, viTyyppi, viArvo, viSelite, viAvausvienti) VALUES (3, 2, 3, 'D', 50, 'x', False);
INSERT INTO vi (viID, vitoID, vitlID, viTyyppi, viArvo, viSelite, viAvausvienti) VALUES (4, 2, 1, 'K', 50, 'x', False);
INSERT INTO vi (viID, vitoID, vitlID, viTyyppi, viArvo, viSelite, viAvausvienti) VALUES (5, 3, 1, 'D', 5, 'tekstitön', False);
INSERT INTO vi (viID, vitoID, vitlID, viTyyppi, viArvo, viSelite, viAvausvienti) VALUES (6, 99, 2, 'K', 5, 'orpo', False);
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite) VALUES (1, 1, #1/5/2030#, 'Edellinen', False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viETyyppi, viEArvo, viESelite, viEAvausvienti) VALUES (1, 1, 2, 'K', 70, 'edellinen', False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viETyyppi, viEArvo, viESelite, viEAvausvienti) VALUES (2, 1, 1, 'D', 70, 'edellinen', False);
INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (1, 'Tuloslaskelma', 1, False);
INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (2, 'Tase', 2, False);
INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (3, 'Muu malli', 3, False);
INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (4, 'Toinen tuloslaskelma', 1, False);
INSERT INTO mr (mrID, mrmaID, mrTeksti) VALUES (1, 1, 'Tuotot');
INSERT INTO mr (mrID, mrmaID, mrTeksti) VALUES (2, 1, 'Kulut');
INSERT INTO mr (mrID, mrmaID, mrTeksti) VALUES (3, 2, 'VASTAAVAA');
INSERT INTO mr (mrID, mrmaID, mrTeksti) VALUES (4, 3, 'Muu rivi');
INSERT INTO mr (mrID, mrmaID, mrTeksti) VALUES (5, 99, 'Orpo rivi');
INSERT INTO mr (mrID, mrmaID, mrTeksti) VALUES (6, 4, 'Tuotot');
INSERT INTO bu (butlID, buKuukausi1, buNykyinen) VALUES (2, 100, True);
INSERT INTO bo (boNumero, boSelite) VALUES (1, ' ');
INSERT INTO boE (boENumero, boESelite) VALUES (1, ' ');
INSERT INTO boT (boTNumero, boTSelite) VALUES (1, ' ');
INSERT INTO bi (bitlID, biboID, biTyyppi, biArvo) VALUES (2, 1, 'K', 100);
INSERT INTO biE (biEtlID, biEboID, biETyyppi, biEArvo) VALUES (2, 1, 'K', 100);
INSERT INTO biTu (biTtlID, biTboID, biTTyyppi, biTArvo) VALUES (2, 1, 'K', 100);
INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (10, 'Leiri', ' ');
INSERT INTO tpPohjat (Nimi, Selite, Pikavalinta) VALUES ('Pohja', 'Selite', 0);
INSERT INTO vipPohjat (viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (1, 1, 'D', 0, 0);
INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', 'Fontti', 'Arial');
INSERT INTO tk (tkTeksti, tkTyyppi, tkParam) VALUES ('rivi', 1, 3);
INSERT INTO tula (tulaTyyppi, tulaTeksti, tulaIsGroupRow) VALUES (1, 'rivi', False);
INSERT INTO tase (taseTyyppi, taseteksti, taseIsGroupRow) VALUES (1, 'rivi', False);
INSERT INTO tlSaldot (Tili, Debet) VALUES ('1910 Pankki', 1);
INSERT INTO tlTarkastelut (Numero, Selite) VALUES (1, 'rivi');
)";

const QString kCrLf = QStringLiteral("\r\n");

// The tables the delete commands empty.
const char* const kEmptied[] = {"to", "vi", "toE", "viE", "tl", "ma", "mr", "bu", "bo", "boE", "boT", "bi", "biE", "biTu", "kp"};

// How many rows each of those tables holds, or why the book cannot be read whole.
QString rowCounts(const QString& path) {
    try {
        dao::Database db = dao::DBEngine::OpenDatabase(path);
        if (!db.integrityProblems().isEmpty()) return QStringLiteral("damaged");
        QStringList counts;
        for (const char* table : kEmptied) {
            dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table),
                                                 dao::RecordsetType::Snapshot);
            counts << QLatin1String(table) + u'=' + rs.value(0).toString();
        }
        db.Close();
        return counts.join(u' ');
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
}

// A console command as a crash may stop it; its message is answered with OK.
KV_TEST_CHILD(consoleCommand) {
    core::DatabasePath = args.value(0);
    ui::ScriptedDialogService dialogs;
    ui::DialogScope scope(&dialogs);
    shell::RunConsoleCommand(args.value(1));
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    out.write(dialogs.shownTexts().join(u'|').toUtf8() + '\n');
    return 0;
}

class ConsoleTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::resetGlobals();
        core::SetTranslator(nullptr);
        book = kvtest::makeCurrentBook(tmp, QString::fromUtf8(kScript));
    }
    void TearDown() override {
        core::DBCon().SuljeDB();
        dao::DBEngine::setBusyTimeoutMs(5000);
    }

    long count(const QString& sql, const dao::Params& params = {}) {
        dao::Database db = dao::DBEngine::OpenDatabase(book);
        dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
        const long n = rs.isEOF() ? 0 : long(rs.value(0).toLong());
        rs.Close();
        db.Close();
        return n;
    }
    long rows(const QString& table) { return count(QStringLiteral("SELECT COUNT(*) FROM ") + table); }
    QStringList ids(const QString& sql) {
        QStringList out;
        dao::Database db = dao::DBEngine::OpenDatabase(book);
        dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext()) out << rs.value(0).toString();
        db.Close();
        return out;
    }

    // Runs a typed command and returns the one message it showed.
    QString run(const QString& typed) {
        ScriptedDialogs d;
        d.expectMessage(QString(), Answer::OK);
        shell::RunConsoleCommand(typed);
        return d.shown().isEmpty() ? QString() : d.shown().last().text;
    }

    kvtest::TempDir tmp;
    QString book;
};

TEST_F(ConsoleTest, PoistaKaikkiEmptiesTheBooksButKeepsTemplatesSettingsAndWorkTables) {
    core::DBCon().AvaaDB();  // the shared connection is open meanwhile
    EXPECT_EQ(run(QStringLiteral("POISTA KAIKKI")), QStringLiteral("Kaikki poistettu."));
    for (const char* table : {"to", "vi", "toE", "viE", "tl", "bu", "bo", "boE", "boT", "bi", "biE", "biTu", "kp"})
        EXPECT_EQ(rows(QString::fromLatin1(table)), 0) << table;
    // Models of other types, and a row whose model is gone, stay.
    EXPECT_EQ(ids(QStringLiteral("SELECT maID FROM ma ORDER BY maID")), QStringList({"3"}));
    EXPECT_EQ(ids(QStringLiteral("SELECT mrID FROM mr ORDER BY mrID")), QStringList({"4", "5"}));
    for (const char* table : {"tk", "tula", "tase", "tlSaldot", "tlTarkastelut", "tpPohjat", "vipPohjat", "Settings"})
        EXPECT_EQ(rows(QString::fromLatin1(table)), 1) << table;
}

TEST_F(ConsoleTest, EachCommandEmptiesItsOwnTablesOnlyWhateverTheLetterCase) {
    struct Case {
        const char* typed;
        const char* message;
        std::map<std::string, long> left;  // tables that change, and their rows afterwards
    };
    const Case cases[] = {
        {"POISTA NYKYISET TOSITTEET", "Nykyiset tositteet poistettu.", {{"to", 0}, {"vi", 0}}},
        {"poista edelliset tositteet", "Edelliset tositteet poistettu.", {{"toE", 0}, {"viE", 0}}},
        // The entries that name the deleted accounts stay.
        {"Poista Tilit", "Tilit poistettu.", {{"tl", 0}}},
        {"POISTA KUSTANNUSPAIKAT", "Kustannuspaikat poistettu.", {{"kp", 0}}},
        {"poista budjetit", "Budjetit poistettu.",
         {{"bu", 0}, {"bo", 0}, {"boE", 0}, {"boT", 0}, {"bi", 0}, {"biE", 0}, {"biTu", 0}}},
        // Both income statements go with their rows.
        {"poista tuloslaskelmamallit", "Tuloslaskelmamallit poistettu.", {{"ma", 2}, {"mr", 3}}},
        {"POISTA TASEMALLIT", "Tasemallit poistettu.", {{"ma", 3}, {"mr", 5}}},
    };
    const char* all[] = {"to", "vi", "toE", "viE", "tl", "kp", "bu", "bo", "boE", "boT", "bi", "biE", "biTu", "ma", "mr"};
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        // A fresh book for each command.
        core::DBCon().SuljeDB();
        book = kvtest::makeCurrentBook(tmp, QString::fromUtf8(kScript), QStringLiteral("kirja%1.mdb").arg(++n));
        std::map<std::string, long> expected;
        for (const char* t : all) expected[t] = rows(QString::fromLatin1(t));
        for (const auto& [t, left] : c.left) expected[t] = left;
        EXPECT_EQ(run(QString::fromLatin1(c.typed)), QString::fromUtf8(c.message));
        for (const char* t : all) EXPECT_EQ(rows(QString::fromLatin1(t)), expected[t]) << t;
    }
}

TEST_F(ConsoleTest, UnknownCommandsAreAnsweredWithTheCommandInCapitals) {
    const QString unknown = QStringLiteral("Komentoa ei löydy, tarkista komento.") + kCrLf + kCrLf +
                            QStringLiteral("Antamasi komento: ");
    EXPECT_EQ(run(QStringLiteral("poista")), unknown + QStringLiteral("POISTA"));
    // The command word alone, and with one more character, is unknown too.
    EXPECT_EQ(run(QStringLiteral("poista viennit")), unknown + QStringLiteral("POISTA VIENNIT"));
    EXPECT_EQ(run(QStringLiteral("POISTA VIENNIT7")), unknown + QStringLiteral("POISTA VIENNIT7"));
    // Sixteen characters or more with another beginning.
    EXPECT_EQ(run(QStringLiteral("poista kaikki nyt")), unknown + QStringLiteral("POISTA KAIKKI NYT"));
    EXPECT_EQ(rows(QStringLiteral("to")), 3);
    EXPECT_EQ(rows(QStringLiteral("tl")), 3);

    // An empty answer in the console's box does nothing at all.
    ScriptedDialogs d;
    d.expectInput(QStringLiteral("Anna Kolvio komento"), QString());
    shell::RunMaintenanceConsole();
    EXPECT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].title, QStringLiteral("Kolvio VEV"));
}

TEST_F(ConsoleTest, PoistaViennitDeletesOneAccountsEntriesOfBothYears) {
    // Through the console's own box.
    {
        ScriptedDialogs d;
        d.expectInput(QStringLiteral("Anna Kolvio komento"), QStringLiteral("poista viennit 3000"))
            .expectMessage(QString(), Answer::OK);
        shell::RunMaintenanceConsole();
        // The number text keeps its blank: two blanks before the number.
        EXPECT_EQ(d.shown().last().text, QStringLiteral("Viennit tililtä  3000 poistettu."));
    }
    // Account 3000 (key 2) loses its entries of both years; vouchers and the
    // account stay.
    const QStringList viLeft({"1", "3", "4", "5"});
    EXPECT_EQ(ids(QStringLiteral("SELECT viID FROM vi ORDER BY viID")), viLeft);
    EXPECT_EQ(ids(QStringLiteral("SELECT viEID FROM viE")), QStringList({"2"}));
    EXPECT_EQ(rows(QStringLiteral("to")) + rows(QStringLiteral("tl")), 6);

    // A number no account has: nothing deleted, the same kind of message.
    EXPECT_EQ(run(QStringLiteral("POISTA VIENNIT 9999")), QStringLiteral("Viennit tililtä  9999 poistettu."));
    EXPECT_EQ(ids(QStringLiteral("SELECT viID FROM vi ORDER BY viID")), viLeft);
}

TEST_F(ConsoleTest, AnAccountNumberThatIsNoNumberDeletesNothing) {
    // An account number is whole: "19,10" is a decimal number, never 1910.
    for (const char* typed : {"POISTA VIENNIT ABC", "POISTA VIENNIT 1910 OR 1=1", "POISTA VIENNIT 19'10",
                              "POISTA VIENNIT 19,10"}) {
        SCOPED_TRACE(typed);
        const QString message = run(QString::fromUtf8(typed));
        EXPECT_TRUE(message.startsWith(QStringLiteral("Tilinumero ei ole numero, vientejä ei poistettu:")))
            << message.toStdString();
        EXPECT_TRUE(message.endsWith(QString::fromUtf8(typed).mid(14))) << message.toStdString();
    }
    EXPECT_EQ(rows(QStringLiteral("vi")) + rows(QStringLiteral("viE")), 8);
    // Called directly, the procedure refuses such a text in the same way.
    EXPECT_THROW(shell::DeleteEntriesOfAccount(QStringLiteral(" 1,910")), dao::DaoError);
    EXPECT_EQ(rows(QStringLiteral("vi")), 6);
}

TEST_F(ConsoleTest, TarkistaSelitteetCopiesVoucherTextsIntoTheirEntries) {
    {
        dao::Database db = dao::DBEngine::OpenDatabase(book);
        db.Execute(QStringLiteral("UPDATE [to] SET toSelite = ? WHERE toID = 2"),
                   {dao::Variant(QStringLiteral("Kahvila 'Kuppi' ja \"muki\""))});
        db.Close();
    }
    EXPECT_EQ(run(QStringLiteral("tarkista selitteet")), QStringLiteral("Selitetekstit tarkistettu."));
    EXPECT_EQ(ids(QStringLiteral("SELECT viSelite FROM vi ORDER BY viID")),
              QStringList({"Myynti", "Myynti", "Kahvila 'Kuppi' ja \"muki\"", "Kahvila 'Kuppi' ja \"muki\"",
                           // a voucher without a text gives the empty text; an
                           // entry whose voucher is gone keeps its own
                           "", "orpo"}));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM vi WHERE viID = 5 AND viSelite = ''")), 1);
    EXPECT_EQ(ids(QStringLiteral("SELECT viESelite FROM viE ORDER BY viEID")),
              QStringList({"edellinen", "edellinen"}));
}

TEST_F(ConsoleTest, ALockedBookIsReportedAndTheProgramGoesOn) {
    dao::DBEngine::setBusyTimeoutMs(50);
    core::DBCon().SuljeDB();
    sqlite3* other = nullptr;  // another program holds the book
    ASSERT_EQ(sqlite3_open_v2(book.toUtf8().constData(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    const QString failed = QStringLiteral("Komennon suoritus keskeytyi virheeseen: ");
    for (const char* command : {"POISTA TILIT", "POISTA TASEMALLIT", "TARKISTA SELITTEET"}) {
        SCOPED_TRACE(command);
        EXPECT_TRUE(run(QString::fromLatin1(command)).startsWith(failed));
    }
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    core::DBCon().SuljeDB();
    EXPECT_EQ(rows(QStringLiteral("tl")), 3);
    EXPECT_EQ(rows(QStringLiteral("ma")), 4);
    EXPECT_EQ(rows(QStringLiteral("vi")), 6);
    // Once the book is free the same command works.
    EXPECT_EQ(run(QStringLiteral("POISTA TILIT")), QStringLiteral("Tilit poistettu."));
}

TEST_F(ConsoleTest, AnOldBookWithoutTheLaterTablesIsLeftAsItWasWhenACommandFails) {
    core::DBCon().SuljeDB();
    book = kvtest::makeBaseBook(tmp, QStringLiteral("vanha.mdb"));
    {
        dao::Database db = dao::DBEngine::OpenDatabase(book);
        db.Execute(QStringLiteral("INSERT INTO [to] (toNumero, toSelite) VALUES (1, 'a')"));
        db.Execute(QStringLiteral("INSERT INTO tl (tlNumero, tlNimi) VALUES (1910, 'Pankki')"));
        db.Close();
    }
    core::DatabasePath = book;
    const QString message = run(QStringLiteral("POISTA KAIKKI"));
    EXPECT_TRUE(message.startsWith(QStringLiteral("Komennon suoritus keskeytyi virheeseen: "))) << message.toStdString();
    // The command is one transaction: what it did before the budgets is undone.
    EXPECT_EQ(rows(QStringLiteral("to")), 1);
    EXPECT_EQ(rows(QStringLiteral("tl")), 1);
}

TEST_F(ConsoleTest, ACommandKilledAtAnyWritePointIsDoneWholeOrNotAtAll) {
    core::DBCon().SuljeDB();
    const QString before = rowCounts(book);
    for (const char* command : {"POISTA KAIKKI", "POISTA NYKYISET TOSITTEET", "POISTA EDELLISET TOSITTEET", "POISTA BUDJETIT"}) {
        SCOPED_TRACE(command);
        QString after;
        int point = 1;
        for (;; ++point) {
            ASSERT_LT(point, 50) << "the command never ran to its end";
            const QString copy = tmp.file(QStringLiteral("ajo%1.mdb").arg(point));
            QFile::remove(copy);
            ASSERT_TRUE(QFile::copy(book, copy));
            const kvtest::KilledRun run = kvtest::runChildKilledAt("consoleCommand", {copy, QLatin1String(command)}, point);
            if (run.finished) {
                after = rowCounts(copy);
                ASSERT_EQ(run.lines.size(), 1);
                EXPECT_TRUE(run.lines[0].endsWith("poistettu.")) << run.lines[0].constData();
                break;
            }
            ASSERT_TRUE(run.killed) << run.errors.toStdString();
            // Killed: the book is whole and as it was before the command.
            EXPECT_EQ(rowCounts(copy), before) << run.errors.trimmed().toStdString();
        }
        EXPECT_NE(after, before);
        // One commit: the command was killed once, before it.
        EXPECT_EQ(point, 2);
    }
}

}  // namespace
