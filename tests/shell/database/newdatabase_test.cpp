// New books from the templates or as a copy of the book in use: where the
// file goes, what is refused, what a failure leaves, and the texts shown.

#include "core/dbc.h"
#include "core/ui/translator.h"
#include "platform/ui/forms.h"
#include "databasefixture.h"
#include "support/dialogs.h"
#include "support/helppages.h"
#include "support/iniheld.h"

#include <QAction>
#include <QFileInfo>

namespace {

using kvtest::ScriptedDialogs;
using ui::Answer;

const QString kCrLf = QStringLiteral("\r\n");
const QString kIntro = QStringLiteral("Tämä toiminto luo uuden tietokannan kirjanpidon pohjaksi") + kCrLf + kCrLf +
                       QStringLiteral("Tietokantaan luodaan valmiiksi tilit ja tuloslaskelma- ja tasemallit, joiden "
                                      "pohjalta kirjanpitoa voi lähteä tekemään.");

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class NewDatabaseTest : public kvtest::DatabaseCommandTest {
protected:
    void SetUp() override {
        kvtest::DatabaseCommandTest::SetUp();
        configure(demoBook());
        core::DatabasePath = demoBook();
    }

    // Runs a menu item answering the name box with name; the last text shown.
    static QString attempt(const QString& item, const QString& name, const QString& lastMessage) {
        ScriptedDialogs d;
        d.expectMessage(QString(), Answer::OK)
            .expectInput(QString(), name)
            .expectMessage(lastMessage, Answer::OK);
        shell::RunNewDatabaseItem(item);
        return d.shown().last().text;
    }
    // The dialogs of a run that makes the book.
    static ScriptedDialogs& expectSuccess(ScriptedDialogs& d, const QString& name) {
        d.expectMessage(QString(), Answer::OK)
            .expectInput(QString(), name)
            .expectMessage(QStringLiteral("Mallitietokanta on kopioitu ja se tulee käyttöön, kun Kolvio seuraavan "
                                          "kerran käynnistetään."),
                           Answer::OK)
            .expectMessage(QStringLiteral("Kolvio suljetaan, koska tietokanta on vaihdettu."), Answer::OK);
        return d;
    }
    // Nothing changed: the book in use, the ini file, the program goes on.
    void expectUnchanged() {
        EXPECT_EQ(core::DatabasePath, demoBook());
        EXPECT_EQ(readIni(QStringLiteral("Database")), demoBook());
        EXPECT_EQ(ends, 0);
    }
};

TEST_F(NewDatabaseTest, EachTemplateBecomesTheNewBookInTheDocumentsFolderAndTheProgramEnds) {
    ASSERT_TRUE(booksFolder().startsWith(home)) << booksFolder().toStdString();
    ASSERT_FALSE(fso::FolderExists(booksFolder()));
    // A write-protected template still gives a writable book.
    ASSERT_TRUE(QFile::setPermissions(templatePath(QStringLiteral("talomalli.mdb")), QFile::ReadOwner));
    const std::pair<const char*, const char*> items[] = {
        {"mLuoTietokantaYleismalliSuomi", "yleismalli.mdb"}, {"mLuoTietokantaYleismalliRuotsi", "svyleismalli.mdb"},
        {"mLuoTietokantaVarjola", "varjola.mdb"},            {"mLuoTietokantaRuvis", "ruvis.mdb"},
        {"mLuoTietokantaMallistaTalo", "talomalli.mdb"},     {"mLuoTietokantaKelovi", "kelovi.mdb"},
    };
    int n = 0;
    for (const auto& [item, file] : items) {
        SCOPED_TRACE(item);
        core::DBCon().AvaaDB();  // the book in use is open
        // Twelve characters are cut to eight.
        const QString name = QStringLiteral("Yhdistys%1").arg(2020 + ++n);
        const QString target = newBook(QStringLiteral("Yhdistys.mdb"));
        QFile::remove(target);
        ScriptedDialogs d;
        expectSuccess(d, name);
        shell::RunNewDatabaseItem(QString::fromLatin1(item));

        EXPECT_EQ(d.shown()[0].title, QStringLiteral("Kolvio VEV"));
        EXPECT_EQ(d.shown()[1].text, QStringLiteral("Anna uudelle tietokannalle nimi (max. 8 kirjainta)."));
        EXPECT_EQ(d.shown()[1].title, QStringLiteral("Kolvio VEV"));
        EXPECT_EQ(fileBytes(target), fileBytes(templatePath(QString::fromLatin1(file))));
        EXPECT_FALSE(fso::IsFileReadOnly(target));
        EXPECT_EQ(readIni(QStringLiteral("Database")), target);
        EXPECT_EQ(core::DatabasePath, target);
        EXPECT_EQ(ends, n);
        EXPECT_FALSE(core::DBCon().isOpen());
        core::DatabasePath = demoBook();
    }
}

TEST_F(NewDatabaseTest, RefusalsAndFailuresChangeNothing) {
    // An existing file of the cut name is never overwritten.
    ASSERT_TRUE(QDir().mkpath(booksFolder()));
    {
        QFile old(newBook(QStringLiteral("Yhdistys.mdb")));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("vanha");
    }
    EXPECT_EQ(attempt(QStringLiteral("mLuoTietokantaVarjola"), QStringLiteral("Yhdistys2024"), QString()),
              QStringLiteral("Nimi: Yhdistys on jo käytössä. Toiminto keskeytetään."));
    EXPECT_EQ(fileBytes(newBook(QStringLiteral("Yhdistys.mdb"))), QByteArray("vanha"));
    expectUnchanged();

    // A cancelled name box: the empty-name message, and not even the folder.
    ASSERT_TRUE(QDir(booksFolder()).removeRecursively());
    attempt(QStringLiteral("mLuoTietokantaMallistaTalo"), QString(),
            QStringLiteral("Tietokannan nimi ei voi olla tyhjä. Toiminto keskeytetään."));
    EXPECT_FALSE(fso::FolderExists(booksFolder()));
    expectUnchanged();

    // A name that cannot be a file name, also one that would climb out.
    attempt(QStringLiteral("mLuoTietokantaKelovi"), QStringLiteral("../ulos"),
            QStringLiteral("Nimi: ../ulos ei kelpaa tiedoston nimeksi. Toiminto keskeytetään."));
    EXPECT_FALSE(QFile::exists(fso::BuildPath(fso::GetParentFolderName(booksFolder()), QStringLiteral("ulos.mdb"))));
    expectUnchanged();

    // The template is missing: the message names it, no file is left.
    const QString failed = QStringLiteral("Uuden tietokannan luominen ei onnistunut. Toiminto keskeytetään.");
    ASSERT_TRUE(QFile::remove(templatePath(QStringLiteral("ruvis.mdb"))));
    EXPECT_TRUE(attempt(QStringLiteral("mLuoTietokantaRuvis"), QStringLiteral("ruvis"), failed)
                    .contains(templatePath(QStringLiteral("ruvis.mdb"))));
    EXPECT_FALSE(fso::FileExists(newBook(QStringLiteral("ruvis.mdb"))));
    expectUnchanged();

    // The folder cannot be made: a file stands in its place.
    ASSERT_TRUE(QDir(booksFolder()).removeRecursively());
    {
        QFile blocker(booksFolder());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    EXPECT_TRUE(attempt(QStringLiteral("mLuoTietokantaKelovi"), QStringLiteral("kelo"), failed).contains(booksFolder()));
    expectUnchanged();
    ASSERT_TRUE(QFile::remove(booksFolder()));

    // Another program holds the ini file: told so, and the copy is taken
    // away again.
    {
        kvtest::IniWriteInProgress other(iniPath());
        ASSERT_TRUE(other.holding());
        EXPECT_TRUE(attempt(QStringLiteral("mLuoTietokantaYleismalliRuotsi"), QStringLiteral("uusi"), failed)
                        .endsWith(QStringLiteral("Toinen ohjelma pitää asetustiedostoa varattuna, eikä siihen voitu "
                                                 "kirjoittaa: ") +
                                  iniPath() + kCrLf + QStringLiteral("Yritä hetken kuluttua uudelleen.")));
        EXPECT_FALSE(fso::FileExists(newBook(QStringLiteral("uusi.mdb"))));
        expectUnchanged();
        ASSERT_TRUE(other.finish());
    }

    // The ini file cannot be written: the copy is taken away again.
    ASSERT_TRUE(QFile::remove(iniPath()));
    ASSERT_TRUE(QDir().mkpath(iniPath()));
    attempt(QStringLiteral("mLuoTietokantaYleismalliRuotsi"), QStringLiteral("uusi"), failed);
    EXPECT_FALSE(fso::FileExists(newBook(QStringLiteral("uusi.mdb"))));
    EXPECT_EQ(core::DatabasePath, demoBook());
    EXPECT_EQ(ends, 0);
}

TEST_F(NewDatabaseTest, CopyOfTheCurrentBookCarriesEverything) {
    // The book in use, open, with a budget, a cost centre and a setting.
    {
        dao::Database db = core::DBCon().AvaaDB();
        db.Execute(QStringLiteral("INSERT INTO bu (butlID, buKuukausi1, buNykyinen) VALUES (1, 125.5, True)"));
        db.Execute(QStringLiteral("INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (7, 'Leiri', ' ')"));
        db.Execute(QStringLiteral("INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', "
                                  "'Fontti', 'Arial')"));
    }
    ASSERT_GT(count(demoBook(), QStringLiteral("vi")), 0);

    ScriptedDialogs d;
    expectSuccess(d, QStringLiteral("Seura2"));
    shell::RunNewDatabaseItem(QStringLiteral("mLuoTietokantaNykyisesta"));
    EXPECT_EQ(d.shown()[0].text,
              QStringLiteral("Tämä toiminto kopioi nykyisen tietokannan sellaisenaan uuden kirjanpidon pohjaksi.") +
                  kCrLf + kCrLf +
                  QStringLiteral("Jos tietokantaan on syötetty tositteita tai vientejä, ne voi kopioinnin jälkeen "
                                 "tyhjentää.") +
                  kCrLf +
                  QStringLiteral("Tietokanta / Muokkaa tietokantaa valikkokomennolla käyttäen ohjekirjan käskyjä."));

    const QString target = newBook(QStringLiteral("Seura2.mdb"));
    EXPECT_EQ(fileBytes(target), fileBytes(demoBook()));
    for (const char* table : {"to", "vi", "toE", "viE", "tl", "ma", "mr", "bu", "kp", "Settings"})
        EXPECT_EQ(count(target, QString::fromLatin1(table)), count(demoBook(), QString::fromLatin1(table))) << table;
    EXPECT_EQ(scalar(target, QStringLiteral("SELECT setString FROM Settings WHERE setKey = 'Fontti'")).toString(),
              QStringLiteral("Arial"));
    EXPECT_EQ(readIni(QStringLiteral("Database")), target);
    EXPECT_EQ(ends, 1);
}

// An open window with a cost centre typed and not yet stored.
class frmKesken : public ui::Form {
public:
    frmKesken() : ui::Form(QStringLiteral("frmKesken")) { setWindowTitle(QStringLiteral("Kesken")); }
    bool refuse = false;
    bool StorePendingEdits() override {
        if (refuse) return false;
        core::DBCon().AvaaDB().Execute(QStringLiteral("INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (8, 'Kesken', ' ')"));
        return true;
    }
};

TEST_F(NewDatabaseTest, OpenWindowsStoreWhatTheyHoldBeforeTheBookIsCopiedOrLeft) {
    auto& w = ui::Forms::show<frmKesken>();
    w.refuse = true;
    {
        ScriptedDialogs d;
        d.expectMessage(QString(), Answer::OK)
            .expectInput(QString(), QStringLiteral("Seura3"))
            .expectMessage(QStringLiteral("Toimintoa ei tehty, koska ikkunan muutoksia ei voitu tallentaa: Kesken"),
                           Answer::OK);
        shell::RunNewDatabaseItem(QStringLiteral("mLuoTietokantaNykyisesta"));
    }
    EXPECT_FALSE(QFileInfo::exists(newBook(QStringLiteral("Seura3.mdb"))));
    expectUnchanged();

    w.refuse = false;
    ScriptedDialogs d;
    expectSuccess(d, QStringLiteral("Seura3"));
    shell::RunNewDatabaseItem(QStringLiteral("mLuoTietokantaNykyisesta"));
    EXPECT_EQ(scalar(newBook(QStringLiteral("Seura3.mdb")), QStringLiteral("SELECT kpNimi FROM kp WHERE kpNumero = 8"))
                  .toString(),
              QStringLiteral("Kesken"));
    EXPECT_EQ(ends, 1);
}

TEST_F(NewDatabaseTest, InformationPiecesAreTranslatedExceptThoseOfKelovi) {
    auto useLanguage = [&](const QString& language) {
        core::cTranslate cfg;
        cfg.setBaseFolder(app);
        cfg.setFileName(QStringLiteral("Kolvio VEV"));
        cfg.setLanguagePrefix(language);
        core::SetTranslator(cfg.LangTranslator());
    };
    // A Finnish file collects the texts looked up: never Kelovi's.
    ASSERT_TRUE(QDir(app).mkpath(QStringLiteral("Suomi")));
    useLanguage(QStringLiteral("Suomi"));
    const QString finnishFile = QDir(app).filePath(QStringLiteral("Suomi/Kolvio VEV.trl"));
    EXPECT_EQ(shell::NewDatabaseInfo(QStringLiteral("mLuoTietokantaKelovi")), kIntro);
    EXPECT_FALSE(fileBytes(finnishFile).contains("Tietokantaan luodaan"));
    EXPECT_EQ(shell::NewDatabaseInfo(QStringLiteral("mLuoTietokantaVarjola")),
              kIntro + kCrLf +
                  QStringLiteral("Pohjaksi tulevaan tilikarttaan voidaan luoda tarpeen mukaan uusia tilejä tai nimetä "
                                 "tilejä uudestaan valmiina olevien tilinimien lisäksi."));
    EXPECT_TRUE(fileBytes(finnishFile).contains("Tietokantaan luodaan"));

    // The shipped Swedish file translates the other items' pieces.
    ASSERT_TRUE(QDir(app).mkpath(QStringLiteral("Svenska")));
    ASSERT_TRUE(QFile::copy(QDir(kvtest::sourceDir()).filePath(QStringLiteral("data/lang/Svenska/Kolvio VEV.trl")),
                            QDir(app).filePath(QStringLiteral("Svenska/Kolvio VEV.trl"))));
    useLanguage(QStringLiteral("Svenska"));
    EXPECT_EQ(shell::NewDatabaseInfo(QStringLiteral("mLuoTietokantaYleismalliRuotsi")),
              QStringLiteral("Den här funktionen skapar en ny databas som grund för bokföringen") + kCrLf + kCrLf +
                  QStringLiteral("I databasen skapas färdiga konton och modeller för resultat- och balansräkningen, "
                                 "som bokföringen kan byggas upp utifrån.") +
                  kCrLf + QStringLiteral("I den kontoplan som blir grunden är det skäl att byta de färdiga ") + kCrLf +
                  QStringLiteral("kontonamnen, såsom 'Intäktskonto 1', till namn som beskriver verksamheten."));
    EXPECT_TRUE(shell::NewDatabaseInfo(QStringLiteral("mLuoTietokantaMallistaTalo"))
                    .endsWith(QStringLiteral("kan man vid behov lägga till och ta bort konton.")));
    EXPECT_TRUE(shell::NewDatabaseInfo(QStringLiteral("mLuoTietokantaNykyisesta"))
                    .startsWith(QStringLiteral("Den här funktionen kopierar den nuvarande databasen")));
    // The copy's notice sends the user to the maintenance console's chapter
    // of the help pages, by its name in either language.
    const struct {
        const char* language;
        const char* chapter;
    } notices[] = {{"Suomi", "Tietokanta / Muokkaa tietokantaa"}, {"Svenska", "Databas / Redigera databasen"}};
    for (const auto& n : notices) {
        useLanguage(QString::fromLatin1(n.language));
        EXPECT_TRUE(shell::NewDatabaseInfo(QStringLiteral("mLuoTietokantaNykyisesta")).contains(QLatin1String(n.chapter)))
            << n.language;
        EXPECT_TRUE(kvtest::HelpChapterNames().contains(QLatin1String(n.chapter))) << n.chapter;
    }
    useLanguage(QStringLiteral("Svenska"));
    // Kelovi's text stays Finnish; the questions of its run do not.
    EXPECT_EQ(attempt(QStringLiteral("mLuoTietokantaKelovi"), QString(), QString()),
              QStringLiteral("Databasens namn får inte vara tomt. Funktionen avbryts."));
}

TEST_F(NewDatabaseTest, MenuItemsOfTheMainWindowRunTheCommands) {
    {
        ScriptedDialogs quiet;
        startUp();
    }
    auto* main = ui::Forms::find<shell::frmMain>();
    ASSERT_NE(main, nullptr);
    auto* kelovi = main->findChild<QAction*>(QStringLiteral("mLuoTietokantaKelovi"));
    ASSERT_NE(kelovi, nullptr);
    ScriptedDialogs d;
    expectSuccess(d, QStringLiteral("kelo"));
    kelovi->trigger();
    EXPECT_EQ(d.shown()[0].text, kIntro);
    EXPECT_EQ(fileBytes(newBook(QStringLiteral("kelo.mdb"))), fileBytes(templatePath(QStringLiteral("kelovi.mdb"))));
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(quits, 0);  // the main window's own closing did not run

    // The console item asks for its command.
    ScriptedDialogs console;
    console.expectInput(QStringLiteral("Anna Kolvio komento"), QString());
    main->mMuokkaaTietokantaa->trigger();
}

}  // namespace
