// What the voucher window reads from the book: the largest entry count of
// one side, and the voucher list read in pages; and new vouchers stored by
// two copies of the program on one book at once.

#include "core/records/recordsfixture.h"
#include "core/ui/commanderrors.h"
#include "support/child.h"
#include "vouchers/tositekirjaus.h"

#include <QCoreApplication>
#include <QProcess>
#include <map>

using namespace vouchers;

namespace {

class VoucherEntryReadsTest : public kvtest::RecordsTest {};

// A voucher by the side codes of its entries, one letter an entry.
struct Tosite {
    const char* puolet;
    long numero = 1;
    bool avaus = false;
    bool olemassa = true;  // false: the entries only, their voucher gone
};

TEST_F(VoucherEntryReadsTest, TheLargestEntryCountOfOneSide) {
    const struct {
        const char* name;
        std::vector<Tosite> tositteet;
        int vahintaan;
        int odotettu;
    } cases[] = {
        {"no vouchers", {}, 6, 6},
        {"no vouchers, no floor", {}, 0, 0},
        {"small vouchers counted exactly", {{"DDK"}, {"DKKK"}}, 0, 3},
        {"small vouchers stay at the floor", {{"DDK"}, {"DKKK"}}, 6, 6},
        {"seven credits", {{"DKKKKKKK"}}, 6, 7},
        {"eight entries, four a side", {{"DDDDKKKK"}}, 6, 6},
        {"the voucher of most entries is not the answer", {{"DDDDKKKK"}, {"DDDDD"}}, 4, 5},
        {"a small d counts with the D", {{"dddDDDDK"}}, 6, 7},
        {"other codes count on neither side", {{"XXXXXXXXDD"}}, 0, 2},
        {"other codes do not lift the floor", {{"XXXXXXXXDD"}}, 6, 6},
        {"entries without their voucher", {{"DDDDDDDDD", 1, false, false}}, 6, 6},
        {"every mode and number", {{"DDDDDDD", 0, true}, {"KKKKKKKK", -2}, {"DK"}}, 6, 8},
    };
    book();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        db().BeginTrans();
        db().Execute("DELETE FROM vi");
        db().Execute("DELETE FROM to");
        long gone = 900;
        for (const Tosite& t : c.tositteet) {
            const long id = t.olemassa ? addVoucher(t.numero, day(2, 1), "t", t.avaus) : ++gone;
            for (const char* p = t.puolet; *p; ++p) addEntry(id, 1, QString(QChar::fromLatin1(*p)), eur(1));
        }
        db().CommitTrans();
        EXPECT_EQ(SuurinVientimaara(c.vahintaan), c.odotettu);
    }
}

TEST_F(VoucherEntryReadsTest, TheVoucherListOfEachModeReadInPages) {
    book();
    addVoucher(3, day(2, 1), "c");
    addVoucher(2, day(2, 1), "y");  // equal numbers in the order stored
    addVoucher(2, day(2, 1), "x");
    addVoucher(0, day(1, 1), "nolla");
    addVoucher(-1, day(2, 1), "työ");  // a work voucher: in no list
    addVoucher(1, day(2, 1), "");
    addVoucher(0, day(1, 1), "Avaus", true);
    addVoucher(5, day(12, 31), "Päätös", false, true);
    addVoucher(7, day(12, 31), "molemmat", true, true);
    const struct {
        bool avaus, paatos;
        QStringList odotettu;
    } modes[] = {
        {false, false, {"0 nolla", "1 ", "2 y", "2 x", "3 c"}},
        {true, false, {"0 Avaus", "7 molemmat"}},
        {false, true, {"5 Päätös", "7 molemmat"}},
        {true, true, {"0 Avaus", "7 molemmat"}},
    };
    for (const auto& m : modes) {
        for (int sivu : {1, 2, 3, 250}) {
            SCOPED_TRACE(QStringLiteral("avaus %1, paatos %2, pages of %3").arg(m.avaus).arg(m.paatos).arg(sivu).toStdString());
            QStringList luettu;
            std::optional<TositeListanRivi> viimeinen;
            for (int kierros = 0; kierros < 10; ++kierros) {
                const std::vector<TositeListanRivi> rivit = TositeListanRivit(m.avaus, m.paatos, viimeinen, sivu);
                ASSERT_LE(int(rivit.size()), sivu);
                for (const TositeListanRivi& r : rivit) luettu << TositeListanTeksti(r.numero, r.selite);
                if (int(rivit.size()) < sivu) break;
                viimeinen = rivit.back();
            }
            EXPECT_EQ(luettu, m.odotettu);
        }
    }
}

constexpr int kSavesPerCopy = 1000;

// One copy of the program adding vouchers of two entries as the voucher
// window does (a new voucher, then its entries) once both copies have the
// book open; a line for each: "ok" and its key, or what the user was told.

KV_TEST_CHILD(addVouchers) {
    core::DatabasePath = args.value(0);
    core::DBCon().AvaaDB();
    std::printf("open\n");
    std::fflush(stdout);
    std::getchar();
    for (int i = 0; i < kSavesPerCopy; ++i) {
        try {
            auto t = UusiTosite(false, false);
            t->setSelite(args.value(1));
            auto d = t->AddNewVienti("D"), k = t->AddNewVienti("K");
            for (auto* v : {d.get(), k.get()}) v->setTlID(1), v->setArvo(dao::Currency::fromUnits(i + 1));
            const bool tehty = core::cTosite::TallennaKerralla(t.get(), {d.get(), k.get()}) == core::cTosite::Tallennus::Tehty;
            std::printf("%s %ld\n", tehty ? "ok" : "refused", t->id());
        } catch (...) {
            std::printf("fail %s\n", core::ErrorWithNumber(std::current_exception()).toUtf8().constData());
        }
    }
    return 0;
}

TEST_F(VoucherEntryReadsTest, TwoCopiesAddingVouchersToOneBookGiveEachItsOwnKeyAndNumber) {
    const QString path = book();
    core::DBCon().SuljeDB();
    QProcess copies[2];
    for (int c = 0; c < 2; ++c)
        copies[c].start(QCoreApplication::applicationFilePath(), {"--kv-child=addVouchers", path, c ? "B" : "A"});
    for (auto& copy : copies)
        while (!copy.canReadLine()) ASSERT_TRUE(copy.waitForReadyRead(20000)) << "a copy did not open the book";
    for (auto& copy : copies) copy.readLine(), copy.write("\n"), copy.waitForBytesWritten();
    std::map<long, QString> told;  // key -> the copy told that it saved it
    for (int c = 0; c < 2; ++c) {
        ASSERT_TRUE(copies[c].waitForFinished(500000));
        for (const QByteArray& line : copies[c].readAllStandardOutput().trimmed().split('\n')) {
            EXPECT_TRUE(line.startsWith("ok ")) << "every save lands: " << line.toStdString();
            told.emplace(line.split(' ').value(1).toLong(), c ? "B" : "A");
        }
    }
    // The book holds those vouchers, each with its two entries, and nothing else.
    std::map<long, QString> stored;
    dao::Recordset rs = db().OpenRecordset("SELECT toID, toSelite FROM to WHERE (SELECT COUNT(*) FROM vi WHERE vitoID = toID) = 2",
                                           dao::RecordsetType::Snapshot);
    for (; !rs.isEOF(); rs.MoveNext()) stored.emplace(rs.value(0).toLong(), rs.value(1).toString());
    EXPECT_EQ(stored, told);
    EXPECT_EQ(count("SELECT COUNT(*) FROM to"), 2 * kSavesPerCopy);
    EXPECT_EQ(count("SELECT COUNT(*) FROM (SELECT DISTINCT toNumero FROM to)"), 2 * kSavesPerCopy);
}

}  // namespace
