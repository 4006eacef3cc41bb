// The translator: looking texts up, collecting the missing ones into the
// language file, translating a window by control kind, the language choice
// window and the load/unload convention of the windows.

#include "core/globals.h"
#include "core/ui/frmkielenvalinta.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/sys/apppath.h"
#include "platform/ui/forms.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace core;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The lines of a file, without the blank ones.
QStringList linesOf(const QString& path) {
    QStringList out;
    for (const QString& l : QString::fromUtf8(readAll(path)).split(QLatin1Char('\n')))
        if (!l.trimmed().isEmpty()) out << l;
    return out;
}

class TranslatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetGlobals();
        ini::cIniFile::ClearCache();
        sys::SetAppPath(dir.path());
        SetTranslator(nullptr);
        trlPath = dir.file(QStringLiteral("Svenska/Kolvio VEV.trl"));
        tr.setFilePath(trlPath);
    }
    void TearDown() override {
        SetTranslator(nullptr);
        ui::Forms::setLoadHook({});
        ui::Forms::setUnloadHook({});
        ui::Forms::setModalHook({});
        ui::Forms::destroyAll();
        sys::SetAppPath(QString());
    }
    kvtest::TempDir dir;
    QString trlPath;
    cLanguageTranslator tr;
};

TEST_F(TranslatorTest, MissingTextsAreCollectedWithoutDisturbingTheFile) {
    const QByteArray original =
        "; kommentti\n"
        "[Yleiset]\n"
        "Tallenna=Spara\n"
        "\n"
        "[frmMain]\n"
        "Tilit=Konton\n"
        "Kesken=\n"
        "Odottamaton virhe:\\ =Oväntat fel:\\ \n";
    writeAll(trlPath, original);

    EXPECT_EQ(tr.TranslateStr("Yleiset", "Tallenna"), "Spara");
    EXPECT_EQ(tr.TranslateStr("frmMain", "Odottamaton virhe: "), "Oväntat fel: ");
    // A key present without a translation counts as missing and stays as it is.
    EXPECT_EQ(tr.TranslateStr("frmMain", "Kesken"), "Kesken");
    EXPECT_EQ(readAll(trlPath), original);

    // A new text comes back in Finnish and is added to its own section.
    EXPECT_EQ(tr.TranslateStr("frmMain", "Uusi teksti"), "Uusi teksti");
    EXPECT_EQ(tr.TranslateStr("frmUusi", "Toinen = teksti"), "Toinen = teksti");
    const QStringList after = linesOf(trlPath);
    for (const QString& l : QString::fromUtf8(original).split('\n', Qt::SkipEmptyParts))
        EXPECT_TRUE(after.contains(l)) << l.toStdString();
    const qsizetype main = after.indexOf("[frmMain]");
    const qsizetype added = after.indexOf("Uusi teksti=");
    ASSERT_GE(main, 0);
    EXPECT_GT(added, main);
    EXPECT_LT(added, after.indexOf("[frmUusi]"));
    EXPECT_TRUE(after.contains("Toinen \\= teksti="));
    // Asked again: the same answer, and the file is not written again.
    const QByteArray once = readAll(trlPath);
    EXPECT_EQ(tr.TranslateStr("frmMain", "Uusi teksti"), "Uusi teksti");
    EXPECT_EQ(readAll(trlPath), once);
    // Once translated, the translation is used.
    ini::cIniFile ini;
    ini.FileName(trlPath);
    ini.Section("frmMain");
    ini.Write("Ny text", "Uusi teksti");
    EXPECT_EQ(tr.TranslateStr("frmMain", "Uusi teksti"), "Ny text");
}

TEST_F(TranslatorTest, EmptyTextAndNoFileLeaveEverythingAlone) {
    EXPECT_EQ(tr.TranslateStr("frmMain", QString()), QString());
    EXPECT_FALSE(QFile::exists(trlPath));
    writeAll(trlPath, "[frmMain]\nTilit=Konton\n");
    EXPECT_EQ(tr.TranslateStr("frmMain", ""), "");
    EXPECT_EQ(readAll(trlPath), QByteArray("[frmMain]\nTilit=Konton\n"));

    // A missing language folder is no error: texts stay Finnish.
    cLanguageTranslator missing;
    missing.setFilePath(dir.file("Suomi/Kolvio VEV.trl"));
    EXPECT_EQ(missing.TranslateStr("frmMain", "Tilit"), "Tilit");

    // The translator in use before start-up builds one has no file at all.
    EXPECT_TRUE(Translator().filePath().isEmpty());
    EXPECT_EQ(TranslateStr("frmMain", "Tilit"), "Tilit");
    auto sv = std::make_unique<cLanguageTranslator>();
    sv->setFilePath(trlPath);
    SetTranslator(std::move(sv));
    EXPECT_EQ(TranslateStr("frmMain", "Tilit"), "Konton");
    SetTranslator(nullptr);
    EXPECT_EQ(TranslateStr("frmMain", "Tilit"), "Tilit");
}

TEST_F(TranslatorTest, LangTranslatorBuildsThePathAndNeedsABaseFolder) {
    cTranslate cfg;
    cfg.setBaseFolder(QString());
    try {
        (void)cfg.LangTranslator();
        FAIL() << "no error";
    } catch (const TranslateError& e) {
        EXPECT_EQ(e.number(), 0x80040001u);
        EXPECT_EQ(e.description(), "BaseFolder not set for translation.");
    }

    cfg.setBaseFolder("/ohjelma");
    cfg.setFileName("Kolvio VEV");
    cfg.setLanguagePrefix("Svenska");
    EXPECT_EQ(cfg.LangTranslator()->filePath(), "/ohjelma/Svenska/Kolvio VEV.trl");
    cfg.setBaseFolder("/ohjelma/");
    EXPECT_EQ(cfg.LangTranslator()->filePath(), "/ohjelma/Svenska/Kolvio VEV.trl");
    // No language chosen: the file lies in the base folder itself.
    cfg.setLanguagePrefix(QString());
    EXPECT_EQ(cfg.LangTranslator()->filePath(), "/ohjelma/Kolvio VEV.trl");

    // A new builder starts from the program folder and the program's title.
    cTranslate fresh;
    fresh.setLanguagePrefix("Svenska");
    EXPECT_EQ(fresh.LangTranslator()->filePath(), dir.file("Svenska/Kolvio VEV.trl"));
}

// A window with one control of each kind.
struct TestWindow {
    QWidget w;
    QLabel *lblTag, *lblTyhja, *lblNimi;
    QPushButton *cEiKaannos, *cTallenna;
    QCheckBox* chkValinta;
    QRadioButton* optVaihto;
    QGroupBox* fraKehys;
    QLineEdit* tNimi;
    QComboBox* cmbLista;
    QMenu* mTiedosto;
    QAction *mTallenna, *tbUusi;
    QToolBar* tbTyokalut;
    QTabWidget* tabSivut;
    QToolButton* cTyokalu;

    TestWindow() {
        w.setObjectName("frmKoe");
        w.setWindowTitle("Koeikkuna");
        auto* v = new QVBoxLayout(&w);
        auto* bar = new QMenuBar(&w);
        mTiedosto = bar->addMenu("&Tiedosto");
        mTallenna = mTiedosto->addAction("&Tallenna\tF3");
        mTallenna->setShortcut(QKeySequence(Qt::Key_F3));
        v->setMenuBar(bar);
        tbTyokalut = new QToolBar(&w);
        tbTyokalut->setToolTip("Työkalut");
        tbUusi = tbTyokalut->addAction("Uusi");
        tbUusi->setToolTip("Uusi tosite [F2]");
        v->addWidget(tbTyokalut);
        lblTag = new QLabel("Nimi", &w);
        lblTag->setProperty("Tag", "notrl");
        lblTyhja = new QLabel(&w);
        lblNimi = new QLabel("Rivi\nkaksi", &w);
        cEiKaannos = new QPushButton("Kiinteä", &w);
        cEiKaannos->setToolTip("Kiinteä vihje");
        cEiKaannos->setProperty("Tag", "notrl");
        cTallenna = new QPushButton("&Tallenna", &w);
        cTallenna->setToolTip("Tallenna tosite [F3]");
        chkValinta = new QCheckBox("Valinta", &w);
        optVaihto = new QRadioButton("Vaihto", &w);
        fraKehys = new QGroupBox("Kehys", &w);
        auto* inner = new QVBoxLayout(fraKehys);
        tNimi = new QLineEdit("Syötetty", fraKehys);
        tNimi->setToolTip("Kirjoita nimi");
        inner->addWidget(tNimi);
        cmbLista = new QComboBox(&w);
        cmbLista->addItems({"Ensimmäinen", "Toinen"});
        cmbLista->setToolTip("Lista");
        tabSivut = new QTabWidget(&w);
        auto* page = new QWidget;
        auto* pl = new QVBoxLayout(page);
        auto* onPage = new QLabel("Sivulla", page);
        onPage->setObjectName("lblSivulla");
        pl->addWidget(onPage);
        tabSivut->addTab(page, "Perustiedot");
        tabSivut->setTabToolTip(0, "Tilin perustiedot");
        cTyokalu = new QToolButton(&w);
        cTyokalu->setText("Poista");
        for (QWidget* c : std::initializer_list<QWidget*>{lblTag, lblTyhja, lblNimi, cEiKaannos, cTallenna, chkValinta,
                                                          optVaihto, fraKehys, cmbLista, tabSivut, cTyokalu})
            v->addWidget(c);
    }
};

TEST_F(TranslatorTest, WindowIsTranslatedByControlKind) {
    writeAll(trlPath,
             "[frmKoe]\n"
             "Koeikkuna=Provfönster\n"
             "&Tiedosto=&Arkiv\n"
             "&Tallenna=&Spara\n"
             "Työkalut=Verktyg\n"
             "Uusi=Ny\n"
             "Uusi tosite [F2]=Nytt verifikat [F2]\n"
             "Nimi=Namn\n"
             "Rivi\\nkaksi=Rad\\ntvå\n"
             "Kiinteä=Fast\n"
             "Kiinteä vihje=Fast tips\n"
             "Tallenna tosite [F3]=Spara verifikat [F3]\n"
             "Valinta=Val\n"
             "Vaihto=Byte\n"
             "Kehys=Ram\n"
             "Kirjoita nimi=Skriv namnet\n"
             "Ensimmäinen=Första\n"
             "Lista=Lista-sv\n"
             "Perustiedot=Grunduppgifter\n"
             "Tilin perustiedot=Kontots grunduppgifter\n"
             "Sivulla=På sidan\n"
             "Poista=Radera\n");
    TestWindow t;
    tr.Translate(&t.w);

    EXPECT_EQ(t.w.windowTitle(), "Provfönster");
    EXPECT_EQ(t.mTiedosto->title(), "&Arkiv");
    // The access key is part of the text; the shortcut stays.
    EXPECT_EQ(t.mTallenna->text(), "&Spara\tF3");
    EXPECT_EQ(t.mTallenna->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(t.tbTyokalut->toolTip(), "Verktyg");
    EXPECT_EQ(t.tbUusi->text(), "Ny");
    EXPECT_EQ(t.tbUusi->toolTip(), "Nytt verifikat [F2]");
    // "NoTrl" in small letters: the button keeps its Finnish, the label is translated.
    EXPECT_EQ(t.cEiKaannos->text(), "Kiinteä");
    EXPECT_EQ(t.cEiKaannos->toolTip(), "Kiinteä vihje");
    EXPECT_EQ(t.lblTag->text(), "Namn");
    EXPECT_EQ(t.lblNimi->text(), "Rad\ntvå");
    EXPECT_EQ(t.cTallenna->text(), "&Spara");
    EXPECT_EQ(t.cTallenna->toolTip(), "Spara verifikat [F3]");
    EXPECT_EQ(t.chkValinta->text(), "Val");
    EXPECT_EQ(t.optVaihto->text(), "Byte");
    EXPECT_EQ(t.fraKehys->title(), "Ram");
    // A text box: only its tooltip.
    EXPECT_EQ(t.tNimi->toolTip(), "Skriv namnet");
    EXPECT_EQ(t.tNimi->text(), "Syötetty");
    // A combo box is left alone altogether.
    EXPECT_EQ(t.cmbLista->itemText(0), "Ensimmäinen");
    EXPECT_EQ(t.cmbLista->toolTip(), "Lista");
    EXPECT_EQ(t.tabSivut->tabText(0), "Grunduppgifter");
    EXPECT_EQ(t.tabSivut->tabToolTip(0), "Kontots grunduppgifter");
    EXPECT_EQ(t.w.findChild<QLabel*>("lblSivulla")->text(), "På sidan");
    EXPECT_EQ(t.cTyokalu->text(), "Radera");

    // Everything had a translation, so nothing was added: no key for the
    // empty label, the skipped button, the text box's own text or the list.
    ini::cIniFile ini;
    ini.FileName(trlPath);
    ini.Section("frmKoe");
    EXPECT_EQ(ini.Read("Syötetty", "puuttuu"), "puuttuu");
    EXPECT_EQ(ini.Read("Toinen", "puuttuu"), "puuttuu");
    const QByteArray before = readAll(trlPath);
    EXPECT_FALSE(before.contains("\n=\n"));

    // A second translation of the same window changes nothing and does not
    // take the Swedish texts for new Finnish ones.
    tr.Translate(&t.w);
    EXPECT_EQ(readAll(trlPath), before);
    EXPECT_EQ(t.cTallenna->text(), "&Spara");
    // A text the program sets afterwards is looked up as it stands.
    t.lblNimi->setText("Uusi otsikko");
    tr.Translate(&t.w);
    EXPECT_EQ(t.lblNimi->text(), "Uusi otsikko");
    EXPECT_EQ(ini.Read("Uusi otsikko", "puuttuu"), "");
}

TEST_F(TranslatorTest, UntranslatedWindowTextsAreCollectedInTheWindowsSection) {
    writeAll(trlPath, "[frmMuu]\nTilit=Konton\n");
    TestWindow t;
    t.w.setObjectName("frmKoe2");
    tr.Translate(&t.w);
    EXPECT_EQ(t.cTallenna->text(), "&Tallenna");
    ini::cIniFile ini;
    ini.FileName(trlPath);
    ini.Section("frmKoe2");
    for (const char* key : {"Koeikkuna", "&Tiedosto", "&Tallenna", "Tallenna tosite [F3]", "Kehys", "Kirjoita nimi",
                            "Perustiedot", "Uusi tosite [F2]", "Nimi", "Uusi", "Poista", "Rivi\nkaksi"})
        EXPECT_EQ(ini.Read(key, "puuttuu"), "") << key;
    for (const char* key : {"Kiinteä", "Kiinteä vihje", "Ensimmäinen", "Syötetty", "Lista"})
        EXPECT_EQ(ini.Read(key, "puuttuu"), "puuttuu") << key;
    // The other section is untouched.
    ini.Section("frmMuu");
    EXPECT_EQ(ini.Read("Tilit"), "Konton");
}

TEST_F(TranslatorTest, LanguageWindowHandsBackTheChoice) {
    auto& f = ui::Forms::get<frmKielenValinta>();
    EXPECT_EQ(f.objectName(), "frmKielenValinta");
    EXPECT_EQ(f.windowTitle(), "Kolvio VEV - Kielen valinta");
    EXPECT_EQ(f.cSuomeksi->text(), "Suomeksi");
    EXPECT_EQ(f.cRuotsiksi->text(), "På svenska");

    f.sValittuKieli = "roskaa";
    ui::Forms::setModalHook([](ui::Form& form) {
        QTest::mouseClick(static_cast<frmKielenValinta&>(form).cRuotsiksi, Qt::LeftButton);
    });
    ui::Forms::show(f, true);
    EXPECT_EQ(f.sValittuKieli, "Svenska");
    EXPECT_TRUE(f.isHidden());
    f.cSuomeksi->click();
    EXPECT_EQ(f.sValittuKieli, "Suomi");
    ui::Forms::unload(f);
    ui::Forms::collectUnloaded();

    // Closed with the close box: no choice.
    auto& g = ui::Forms::get<frmKielenValinta>();
    g.sValittuKieli = "roskaa";
    ui::Forms::setModalHook([](ui::Form& form) { form.close(); });
    ui::Forms::show(g, true);
    EXPECT_EQ(g.sValittuKieli, "");

}

class frmHooked : public ui::Form {
public:
    explicit frmHooked(const QString& name = "frmHooked") : ui::Form(name) {
        setWindowTitle("Tilit");
        titleAtLoad = QString();
    }
    QString titleAtLoad;

protected:
    void Load() override { titleAtLoad = windowTitle(); }
};

class frmOwn : public frmHooked {
public:
    frmOwn() : frmHooked("frmOwn") { setProperty(kOwnPlacementProperty, true); }
};

TEST_F(TranslatorTest, WindowHooksRestoreTranslateAndSave) {
    writeAll(trlPath, "[frmHooked]\nTilit=Konton\n[frmOwn]\nTilit=Konton\n");
    auto sv = std::make_unique<cLanguageTranslator>();
    sv->setFilePath(trlPath);
    SetTranslator(std::move(sv));
    InstallWindowHooks();

    auto& a = ui::Forms::get<frmHooked>();
    a.setGeometry(120, 90, 300, 200);
    ui::Forms::load(a);
    // Translated before its own Load runs.
    EXPECT_EQ(a.titleAtLoad, "Konton");
    ui::Forms::unload(a);
    ui::Forms::collectUnloaded();

    auto& b = ui::Forms::get<frmHooked>();
    ui::Forms::load(b);
    EXPECT_EQ(b.geometry(), QRect(120, 90, 300, 200));

    // A window that keeps its placement and translation to itself.
    auto& c = ui::Forms::get<frmOwn>();
    ui::Forms::load(c);
    EXPECT_EQ(c.titleAtLoad, "Tilit");
    ui::Forms::unload(c);
    ini::cIniFile ini;
    ini.FileName(IniFileName);
    ini.Section("FORMS");
    EXPECT_EQ(ini.Read(QStringLiteral("frmOwn%1%2").arg(KV_VERSION_MAJOR).arg(KV_VERSION_MINOR), "puuttuu"), "puuttuu");
    EXPECT_NE(ini.Read(QStringLiteral("frmHooked%1%2").arg(KV_VERSION_MAJOR).arg(KV_VERSION_MINOR), "puuttuu"), "puuttuu");
}

}  // namespace
