// A value in a book is used as it is stored, or refused in words: copies of
// the demo book in which one value was made one the program never writes
// (a key beyond its range, an amount that is no number, a date that is no
// date, a tree of model rows that is no tree, a voucher below 0 of the
// book's own), each taken through the command a user runs on it. Each case
// runs in a process of its own with a deadline: the command ends, and
// either prints the figure the book holds or tells in words which row it
// refuses.

#include "budget/frmbudjetti.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/settings.h"
#include "core/ui/helpers.h"
#include "ledger_reports/ledgercommands.h"
#include "maintenance/yearchange/frmkaudenvaihto.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/apppath.h"
#include "platform/ui/forms.h"
#include "platform/ui/scripteddialogs.h"
#include "reportctl/frmdates.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportctl/reportglobals.h"
#include "shell/frmmain.h"
#include "shell/programsupport.h"
#include "statement_models/frmnewtulosjatase.h"
#include "statements/statementreports.h"
#include "support/child.h"
#include "support/testenv.h"
#include "vouchers/tools/frmtositetarkistusvirheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidgetItemIterator>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

enum class Komento {
    Tuloslaskelma,  // the model editor's print of the income statement
    Paakirja,       // the voucher window's general ledger
    Paivakirja,     // the voucher window's journal
    Mallit,         // the model editor opened
    Budjetti,       // the budget window opened
    Kaudenvaihto,   // the change of year, with opening entries
    Tarkistus,      // the voucher check's window
    Kaynnistys,     // the program started on the book
};

struct Tapaus {
    const char* nimi;
    const char* sql;       // run on the copy of the demo book by the engine itself
    Komento komento;
    const char* odotettu;  // a part of what the command shows
    // Rows a statement goes through: the progress bar is painted fewer
    // times (0: not looked at).
    int riveja = 0;
};

// The demo book's income model has its turnover group 1 with the row
// "Osallistumis- ja kurssimaksut" (2) with the accounts 43 and 44 (whose
// entries of the year are 2 805,00);
// voucher 102 is number 1, 105 number 4.
const char* const kSyvaPuu =
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 70) "
    "INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, "
    "mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) "
    "SELECT 1000 + i, 1, 'K', ' ', CASE WHEN i = 1 THEN 1 ELSE 999 + i END, 9, 'Ryhmä ' || i, '', 0, 0, 0, 0, 'K' "
    "FROM n; UPDATE mr SET mrBelongsToGroup = 1070 WHERE mrID = 2;";
const char* const kPitkaMalli =
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
    "INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, "
    "mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) "
    "SELECT 1000 + i, 1, 'K', ' ', 1, 100 + i, 'Rivi ' || i, '', 0, 0, 0, 0, 'K' FROM n;";
const char* const kOmaAlleNollan =
    "INSERT INTO [to] (toID, toNumero, toPvm, toSelite) VALUES (900, -5, '2026-06-01', 'Oma');"
    "INSERT INTO vi (vitoID, vitlID, viTyyppi, viArvo, vikpID) VALUES (900, 19, 'D', 100, 0);"
    "INSERT INTO vi (vitoID, vitlID, viTyyppi, viArvo, vikpID) VALUES (900, 43, 'K', 100, 0);";

const Tapaus kTapaukset[] = {
    {"the book as it is", "", Komento::Tuloslaskelma, "tulos: 1 117,80"},
    // Long work shows its progress without painting the bar for each row.
    {"2,000 rows under one group", kPitkaMalli, Komento::Tuloslaskelma, "tulos: 1 117,80", 2000},
    // Keys beyond 32 bits.
    {"an account keyed 2^32",
     "UPDATE vi SET vitlID = 4294967296 WHERE vitlID = 44; UPDATE tl SET tlID = 4294967296 WHERE tlID = 44;"
     "UPDATE mr SET mrTilit = '43,4294967296,' WHERE mrID = 2;",
     Komento::Tuloslaskelma, "sarakkeessa vitlID arvo, jota ohjelma ei kirjoita: 4294967296"},
    {"an account keyed 2^32, the ledger",
     "UPDATE vi SET vitlID = 4294967296 WHERE vitlID = 44; UPDATE tl SET tlID = 4294967296 WHERE tlID = 44;",
     Komento::Paakirja, "rivillä tlID = 4294967296 on sarakkeessa tlID"},
    {"a voucher keyed 2^32",
     "UPDATE vi SET vitoID = 4294967296 WHERE vitoID = 102; UPDATE [to] SET toID = 4294967296 WHERE toID = 102;",
     Komento::Tarkistus, "Tositteen no: 1 sisältää arvon, jota ohjelma ei kirjoita: toID = 4294967296."},
    {"a model row keyed 2^32", "UPDATE mr SET mrID = 4294967296 WHERE mrID = 8;", Komento::Mallit,
     "rivillä mrID = 4294967296 on sarakkeessa mrID"},
    {"a model row keyed 0", "UPDATE mr SET mrID = 0 WHERE mrID = 8;", Komento::Mallit, "rivin avain on 0"},
    {"a model row keyed 0, the statement", "UPDATE mr SET mrID = 0 WHERE mrID = 8;", Komento::Tuloslaskelma,
     "rivin avain on 0"},
    {"a model row keyed 0, the budget", "UPDATE mr SET mrID = 0 WHERE mrID = 8;", Komento::Budjetti,
     "rivin avain on 0"},
    {"a model row keyed 0, the change of year", "UPDATE mr SET mrID = 0 WHERE mrID = 8;", Komento::Kaudenvaihto,
     "rivin avain on 0"},
    // Trees that are no trees.
    {"a group below its own row", "UPDATE mr SET mrBelongsToGroup = 2 WHERE mrID = 1;", Komento::Tuloslaskelma,
     "rivit eivät muodosta puuta: nämä rivit ovat oman ryhmänsä alla. |  | 1 \"Varsinaisen toiminnan tuotot\" | "
     "2 \"Osallistumis- ja kurssimaksut\""},
    {"70 groups nested", kSyvaPuu, Komento::Tuloslaskelma, "Tämä rivi on tasolla 7: |  | 1 \"Varsinaisen toiminnan"},
    // Amounts that are no numbers.
    {"an amount of +Inf", "UPDATE vi SET viArvo = 1e999 WHERE viID = (SELECT MIN(viID) FROM vi WHERE vitoID = 105);",
     Komento::Paivakirja, "on sarakkeessa viArvo arvo, jota ohjelma ei kirjoita: +ääretön."},
    {"an amount of text", "UPDATE vi SET viArvo = 'abc' WHERE viID = (SELECT MIN(viID) FROM vi WHERE vitlID = 44);",
     Komento::Tuloslaskelma, "on sarakkeessa viArvo arvo, jota ohjelma ei kirjoita: teksti \"abc\"."},
    {"an amount of bytes", "UPDATE vi SET viArvo = x'00ff' WHERE viID = (SELECT MIN(viID) FROM vi WHERE vitoID = 105);",
     Komento::Tarkistus, "Tositteen no: 4 viennillä on arvo, jota ohjelma ei kirjoita: viArvo = binääritietoa 2 tavua."},
    {"an amount of text, the change of year",
     "UPDATE vi SET viArvo = 'abc' WHERE viID = (SELECT MIN(viID) FROM vi WHERE vitoID = 105);",
     Komento::Kaudenvaihto, "Tosite 4: viennin summa ei ole luku: teksti \"abc\""},
    // Dates that are no dates, years the program cannot hold.
    {"a voucher without a date", "UPDATE [to] SET toPvm = NULL WHERE toID = 105;", Komento::Kaudenvaihto,
     "Tosite 4: tositteella ei ole päivämäärää."},
    {"a date of the year 10000", "UPDATE [to] SET toPvm = '10000-01-01' WHERE toID = 105;", Komento::Tarkistus,
     "Tositteen no: 4 sisältää arvon, jota ohjelma ei kirjoita: toPvm = teksti \"10000-01-01\"."},
    {"a year ending 31.12.9999",
     "UPDATE Settings SET setString = '9999-01-01' WHERE setKey = 'TilikausiAlku';"
     "UPDATE Settings SET setString = '9999-12-31' WHERE setKey = 'TilikausiLoppu';",
     Komento::Kaudenvaihto, "uusi tilikausi ei mahdu vuosiin 100 - 9999"},
    {"a year stored as Null", "UPDATE Settings SET setString = NULL WHERE setKey = 'TilikausiAlku';",
     Komento::Kaynnistys, "ei voitu lukea tilikauden päivämääriä: |  | TilikausiAlku: \"\" |  | "},
    {"every setting gone", "DELETE FROM Settings;", Komento::Kaynnistys,
     "ei voitu lukea tilikauden päivämääriä: |  | TilikausiAlku | TilikausiLoppu |  | "},
    // The program's own work vouchers and the book's.
    {"a voucher of the book numbered -5", kOmaAlleNollan, Komento::Paakirja,
     "Anna näille tositteille numero 0 tai suurempi: |  | -5 1.6.2026 Oma"},
    {"an entry whose voucher is gone", "UPDATE vi SET vitoID = 99999 WHERE viID = (SELECT MIN(viID) FROM vi WHERE vitoID = 105);",
     Komento::Tarkistus, "Vienti, jonka tositetta ei ole: viID"},
};

// A text as one line: its line breaks as " | ", its no-break spaces as blanks.
QString rivina(const QString& text) {
    return QString(text)
        .replace(QLatin1Char('\r'), QString())
        .replace(QLatin1Char('\n'), QStringLiteral(" | "))
        .replace(QChar(0x00a0), QLatin1Char(' '));
}

// ---- The child: one case.

// Counts the paints of a widget.
class Piirrot : public QObject {
public:
    int maara = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++maara;
        return false;
    }
};

class Ajo {
public:
    explicit Ajo(const Tapaus& t) : t_(t) {}

    int aja() {
        if (!valmistele()) return 1;
        switch (t_.komento) {
        case Komento::Tuloslaskelma: tuloslaskelma(); break;
        case Komento::Paakirja: ledger::RunPaakirja(kutsuja()); raportti(); break;
        case Komento::Paivakirja: ledger::RunPaivakirja(kutsuja()); raportti(); break;
        case Komento::Mallit: mallit(); break;
        case Komento::Budjetti: ui::Forms::show<budget::frmBudjetti>(); break;
        case Komento::Kaudenvaihto: kaudenvaihto(); break;
        case Komento::Tarkistus: tarkistus(); break;
        case Komento::Kaynnistys: ui::Forms::show<shell::frmMain>(); break;
        }
        for (const QString& text : dialogs_.shownTexts()) rivi(QStringLiteral("viesti: ") + text);
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        return 0;
    }

private:
    void rivi(const QString& text) {
        QFile out;
        out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
        out.write(rivina(text).toUtf8() + '\n');
    }

    bool valmistele() {
        sys::SetAppPath(tmp_.path());
        core::resetGlobals();
        core::InstallWindowHooks();
        ui::Forms::setModalTimeout(15000);
        ui::Forms::setModalHook([this](ui::Form& f) { vastaa(f); });
        const QDir built(kvtest::builtAppDir());
        for (const QString& name : built.entryList({QStringLiteral("*.rpt")}, QDir::Files))
            QFile::copy(built.filePath(name), tmp_.file(name));
        kirja_ = tmp_.file(QStringLiteral("seura.mdb"));
        if (!QFile::copy(built.filePath(QStringLiteral("demo1.mdb")), kirja_)) return false;
        QFile::setPermissions(kirja_, QFile::ReadOwner | QFile::WriteOwner);
        sqlite3* db = nullptr;
        if (sqlite3_open(QFile::encodeName(kirja_).constData(), &db) != SQLITE_OK) return false;
        char* virhe = nullptr;
        const int rc = sqlite3_exec(db, t_.sql, nullptr, nullptr, &virhe);
        if (rc != SQLITE_OK) rivi(QStringLiteral("sql: ") + QString::fromUtf8(virhe));
        sqlite3_free(virhe);
        sqlite3_close(db);
        if (rc != SQLITE_OK) return false;
        {
            QFile ini(tmp_.file(QStringLiteral("vevaravo.ini")));
            if (!ini.open(QIODevice::WriteOnly)) return false;
            ini.write("[KOLVIO]\nLanguage=Suomi\nDatabase=" + QFile::encodeName(kirja_) + "\n");
        }
        if (t_.komento == Komento::Kaynnistys) return true;
        core::DatabasePath = kirja_;
        dao::Database kirja = core::DBCon().AvaaDB();
        core::LoadDatabaseSettings(kirja);
        statements::RegisterStatementCommands();
        return true;
    }

    void vastaa(ui::Form& f) {
        const QString name = f.objectName();
        if (auto* d = dynamic_cast<reports::PeriodDialog*>(&f)) {
            d->tAlkupvm->setText(QStringLiteral("1.1.2026"));
            d->tLoppupvm->setText(QStringLiteral("31.12.2026"));
            d->cSeuraava->click();
        } else if (auto* p = dynamic_cast<reports::frmTulostus*>(&f)) {
            p->cmbTulostusLaite->setCurrentIndex(0);
            p->cTulosta->click();
        } else {
            // The splash window and any other: closed as the user closes it.
            ui::Forms::unload(f);
        }
    }

    ledger::LedgerCaller kutsuja() const {
        ledger::LedgerCaller c;
        c.windowName = QStringLiteral("frmNewTositteet");
        return c;
    }

    // What the report laid out, then painted into a PDF file.
    void raportti() {
        report::ReportControl& rc = reports::CrystalReport1();
        if (rc.runCount() == ajotEnnen_) return;
        const report::RunRecord& r = rc.lastRun();
        if (!r.succeeded || !r.report) {
            rivi(QStringLiteral("raportti epäonnistui: ") + r.errorText);
            return;
        }
        rivi(QStringLiteral("raportti: %1 riviä").arg(r.report->bands(report::SectionKind::Detail).size()));
        for (const report::LaidBand* b : r.report->bands(report::SectionKind::Detail))
            if (b->text(QStringLiteral("teksti")) == QStringLiteral("Tilikauden ylijäämä (alijäämä)"))
                rivi(QStringLiteral("tulos: ") + b->text(QStringLiteral("toteutunut")));
        rc.setDestination(2);
        rc.setPrintFileName(tmp_.file(QStringLiteral("raportti.pdf")));
        rc.printReport();
        rivi(QFile::exists(tmp_.file(QStringLiteral("raportti.pdf"))) ? QStringLiteral("pdf") : QStringLiteral("ei pdf"));
    }

    void tuloslaskelma() {
        auto& w = ui::Forms::show<statement_models::frmNewTulosJaTase>();
        QTreeWidgetItem* malli = w.NodeByKey(QStringLiteral("ma1"));
        if (!malli) return rivi(QStringLiteral("ei mallia"));
        w.tvMalli->setCurrentItem(malli);
        w.tvMalli_Click();
        ajotEnnen_ = reports::CrystalReport1().runCount();
        Piirrot piirrot;
        w.pBar->installEventFilter(&piirrot);
        w.cTulosta->click();
        rivi(QStringLiteral("piirrot: %1").arg(piirrot.maara));
        w.pBar->removeEventFilter(&piirrot);
        raportti();
    }

    void mallit() {
        auto& w = ui::Forms::show<statement_models::frmNewTulosJaTase>();
        int n = 0;
        for (QTreeWidgetItemIterator it(w.tvMalli); *it; ++it) ++n;
        rivi(QStringLiteral("puussa: %1").arg(n));
    }

    void kaudenvaihto() {
        auto& w = ui::Forms::show<maintenance::frmKaudenVaihto>();
        w.cmbTasemalli->setCurrentIndex(w.cmbTasemalli->findText(QStringLiteral("Tase")));
        w.chkTeeAvausviennit->setChecked(true);
        w.cTilikaudenvaihto->click();
        rivi(QStringLiteral("tilikausi: ") + core::TilikausiAlku.toShortString());
    }

    void tarkistus() {
        auto& w = ui::Forms::show<vouchers::frmTositeTarkistusVirheet>();
        for (int i = 0; i < w.lstVirheet->count(); ++i) rivi(QStringLiteral("löydös: ") + w.lstVirheet->item(i)->text());
    }

    const Tapaus& t_;
    kvtest::TempDir tmp_;
    QString kirja_;
    ui::ScriptedDialogService dialogs_;
    ui::DialogScope scope_{&dialogs_};
    int ajotEnnen_ = 0;
};

KV_TEST_CHILD(bookValue) {
    const int i = args.value(0).toInt();
    if (i < 0 || i >= int(std::size(kTapaukset))) return 2;
    return Ajo(kTapaukset[i]).aja();
}

TEST(BookValues, EachIsUsedAsStoredOrRefusedNamingItsRow) {
    for (int i = 0; i < int(std::size(kTapaukset)); ++i) {
        const Tapaus& t = kTapaukset[i];
        SCOPED_TRACE(t.nimi);
        const kvtest::KilledRun run = kvtest::runChild("bookValue", {QString::number(i)}, 120000);
        QStringList lines;
        for (const QByteArray& line : run.lines) lines << QString::fromUtf8(line);
        const QString out = lines.join(QLatin1Char('\n'));
        EXPECT_TRUE(run.finished) << "the command did not end: " << run.errors.toStdString() << out.toStdString();
        EXPECT_TRUE(out.contains(QString::fromUtf8(t.odotettu))) << out.toStdString();
        // The progress bar is not painted for each row a statement goes
        // through: a paint costs more than the row.
        if (t.riveja > 0) {
            const qsizetype at = out.indexOf(QLatin1String("piirrot: "));
            ASSERT_GE(at, 0) << out.toStdString();
            EXPECT_LT(out.mid(at + 9).section(QLatin1Char(' '), 0, 0).toInt(), t.riveja) << out.toStdString();
        }
    }
}

}  // namespace

