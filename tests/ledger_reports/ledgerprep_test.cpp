// The ledger preparation on a small book: the opening and closing balances
// of the period in each mode, the cost-centre limit, the print flags, the
// pseudo voucher -1 and its entries, the removal of the work vouchers, an
// entry whose account is gone, and that the preparation is done whole or
// not at all.

#include "ledgerfixture.h"

using namespace ledger;
using kvtest::d31;
using kvtest::money;

namespace {

class Preparation : public kvtest::LedgerTest {
protected:
    // Kassa and Pankki with opening entries; ordinary, closing and
    // automatic profit (-2) vouchers through the year.
    void makeBook() {
        kassa = addAccount(1000, QStringLiteral("Kassa"));
        pankki = addAccount(1910, QStringLiteral("Pankki"));
        tulot = addAccount(3000, QStringLiteral("Tulot"));
        tyhja = addAccount(9999, QStringLiteral("Tyhjä"));

        const long avaus = addVoucher(0, d31(1, 1), Opening);
        addEntry(avaus, kassa, "D", "100.00", Opening);
        addEntry(avaus, pankki, "D", "1000.00", Opening);

        const long t1 = addVoucher(1, d31(2, 15));  // before a March period
        addEntry(t1, kassa, "K", "100.00");
        addEntry(t1, pankki, "D", "100.00");
        const long t2 = addVoucher(2, d31(3, 1));   // on the first day of March
        addEntry(t2, pankki, "D", "250.50");
        addEntry(t2, tulot, "K", "250.50");
        const long t3 = addVoucher(3, d31(3, 31));  // on the last day
        addEntry(t3, pankki, "X", "0.50");          // neither D nor K: subtracted
        addEntry(t3, tulot, "D", "0.50");
        const long t4 = addVoucher(4, d31(4, 1));   // after March
        addEntry(t4, pankki, "D", "7.00");
        addEntry(t4, tulot, "K", "7.00");

        const long closing = addVoucher(5, d31(12, 31), Closing);
        addEntry(closing, tulot, "D", "40.00", Closing);
        addEntry(closing, pankki, "K", "40.00", Closing);

        const long profit = addVoucher(-2, d31(2, 1));  // a statement run's automatic booking
        addEntry(profit, pankki, "D", "5000.00");
        db().Execute(QStringLiteral("UPDATE to SET toAutomaatti = True WHERE toID = %1").arg(profit));
    }
    void prepare(const dao::Date& start, const dao::Date& end, bool vainTap, bool avaus, bool paatos, long kpID = 0) {
        dao::Database d;
        NollaaTilienSaldot(d);
        ValmisteleTilit(d, start, end, vainTap, avaus, paatos, kpID);
    }
    long negativeVouchers(long numero) {
        return count(QStringLiteral("SELECT COUNT(*) FROM to WHERE toNumero = ?"), {dao::Variant(numero)});
    }

    long kassa = 0, pankki = 0, tulot = 0, tyhja = 0;
};

TEST_F(Preparation, OrdinaryModeFromTheYearsFirstDayAndFromLaterInTheYear) {
    makeBook();
    // From the first day: the opening entries only, then the year's ordinary entries.
    prepare(d31(1, 1), d31(12, 31), false, false, false);
    EXPECT_EQ(balances(kassa).alku, money("100"));
    EXPECT_EQ(balances(kassa).loppu, money("0"));
    EXPECT_EQ(balances(pankki).alku, money("1000"));
    EXPECT_EQ(balances(pankki).loppu, money("1357"));  // 1000 + 100 + 250.50 - 0.50 + 7; no closing, no -2
    EXPECT_EQ(balances(tulot).loppu, money("-257"));

    // March: what lies before the first day is opening balance; entries of
    // the first and the last day are movement; April is outside.
    prepare(d31(3, 1), d31(3, 31), false, false, false);
    EXPECT_EQ(balances(kassa).alku, money("0"));       // the "K" 100.00 of February lowers it
    EXPECT_EQ(balances(kassa).loppu, money("0"));
    EXPECT_EQ(balances(pankki).alku, money("1100"));   // the -2 voucher of February counts nowhere
    EXPECT_EQ(balances(pankki).loppu, money("1350"));
    EXPECT_EQ(balances(tulot).alku, money("0"));
    EXPECT_EQ(balances(tulot).loppu, money("-250"));
    EXPECT_EQ(balances(tyhja).loppu, money("0"));
}

TEST_F(Preparation, ClosingAndOpeningModes) {
    makeBook();
    // Closing mode: every non-closing entry of the year is the opening
    // balance whatever its date; the movement is the closing entries of the period.
    prepare(d31(12, 1), d31(12, 31), false, false, true);
    EXPECT_EQ(balances(pankki).alku, money("1357"));
    EXPECT_EQ(balances(pankki).loppu, money("1317"));
    EXPECT_EQ(balances(tulot).alku, money("-257"));
    EXPECT_EQ(balances(tulot).loppu, money("-217"));
    prepare(d31(6, 1), d31(6, 30), false, false, true);  // no closing entry in June
    EXPECT_EQ(balances(pankki).loppu, money("1357"));

    // Opening mode (it wins over closing): no opening balance, every opening entry whatever the period.
    prepare(d31(6, 1), d31(6, 30), false, true, true);
    EXPECT_EQ(balances(pankki).alku, money("0"));
    EXPECT_EQ(balances(pankki).loppu, money("1000"));
    EXPECT_EQ(balances(kassa).loppu, money("100"));
    EXPECT_EQ(balances(tulot).loppu, money("0"));
}

TEST_F(Preparation, ACostCentreTakesOnlyItsOwnEntries) {
    kassa = addAccount(1000, QStringLiteral("Kassa"));
    const long nuoriso = addCentre(10, QStringLiteral("Nuoriso"));
    const long muut = addCentre(20, QStringLiteral("Muut"));
    const long avaus = addVoucher(0, d31(1, 1), Opening);
    addEntry(avaus, kassa, "D", "10.00", Opening, nuoriso);
    addEntry(avaus, kassa, "D", "20.00", Opening, muut);
    addEntry(avaus, kassa, "D", "40.00", Opening, 0);
    const long t1 = addVoucher(1, d31(5, 1));
    addEntry(t1, kassa, "D", "1.00", Ordinary, nuoriso);
    addEntry(t1, kassa, "D", "2.00", Ordinary, muut);
    addEntry(t1, kassa, "D", "4.00", Ordinary, 0);

    prepare(d31(1, 1), d31(12, 31), false, false, false, nuoriso);
    EXPECT_EQ(balances(kassa).alku, money("10"));
    EXPECT_EQ(balances(kassa).loppu, money("11"));
    prepare(d31(1, 1), d31(12, 31), false, false, false, 0);
    EXPECT_EQ(balances(kassa).loppu, money("77"));
    // The pseudo entries carry the centre.
    prepare(d31(1, 1), d31(12, 31), false, false, false, muut);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM vi, to WHERE vi.vitoID = to.toID AND to.toNumero = -1 "
                                   "AND vi.vikpID = ?"),
                    {dao::Variant(muut)}),
              1);
}

TEST_F(Preparation, PrintFlagsFollowOnlyAccountsWithEntries) {
    makeBook();
    const long centre = addCentre(10, QStringLiteral("Nuoriso"));
    prepare(d31(3, 1), d31(3, 31), false, false, false);
    for (long a : {kassa, pankki, tulot, tyhja}) EXPECT_TRUE(balances(a).print) << a;

    // Kassa has entries before March only and a zero balance; Tyhjä has nothing.
    prepare(d31(3, 1), d31(3, 31), true, false, false);
    EXPECT_FALSE(balances(kassa).print);
    EXPECT_TRUE(balances(pankki).print);
    EXPECT_TRUE(balances(tulot).print);
    EXPECT_FALSE(balances(tyhja).print);

    // An account with zero balances but an entry in the period is printed.
    const long t = addVoucher(6, d31(3, 10));
    addEntry(t, kassa, "D", "0.00");
    prepare(d31(3, 1), d31(3, 31), true, false, false);
    EXPECT_TRUE(balances(kassa).print);
    // ... but not when the entry belongs to no chosen cost centre.
    prepare(d31(3, 1), d31(3, 31), true, false, false, centre);
    EXPECT_FALSE(balances(kassa).print);
    EXPECT_FALSE(balances(pankki).print);

    // Opening mode: any opening entry, whatever its date.
    prepare(d31(6, 1), d31(6, 30), true, true, false);
    EXPECT_TRUE(balances(kassa).print);
    EXPECT_FALSE(balances(tulot).print);
}

TEST_F(Preparation, ThePseudoVoucherReplacesEveryWorkVoucher) {
    makeBook();
    // A voucher below 0 that the program did not make is the book's own.
    const long own = addVoucher(-5, d31(2, 1));
    addEntry(own, pankki, "D", "3.00");
    prepare(d31(3, 1), d31(3, 31), false, false, false);
    EXPECT_EQ(negativeVouchers(-1), 1);
    EXPECT_EQ(negativeVouchers(-2), 0);
    EXPECT_EQ(negativeVouchers(-5), 1);
    dao::Database book = db();
    const std::vector<AlleNollanTosite> named = AlleNollanTositteet(book);
    ASSERT_EQ(named.size(), 1u);
    EXPECT_EQ(named[0].numero, -5);
    db().Execute(QStringLiteral("DELETE FROM vi WHERE vitoID = %1").arg(own));
    db().Execute(QStringLiteral("DELETE FROM to WHERE toID = %1").arg(own));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM vi WHERE viArvo = 5000")), 0);  // the -2 entry went with it

    auto pseudo = [&] {
        return db().OpenRecordset(QStringLiteral("SELECT * FROM to WHERE toNumero = -1"), dao::RecordsetType::Snapshot);
    };
    {
        dao::Recordset to = pseudo();
        EXPECT_EQ(core::NzDate(to.value(QStringLiteral("toPvm"))), d31(3, 2));
        EXPECT_FALSE(core::NzBoolean(to.value(QStringLiteral("toAvaustosite"))));
        EXPECT_FALSE(core::NzBoolean(to.value(QStringLiteral("toPaatostosite"))));
        EXPECT_TRUE(core::NzBoolean(to.value(QStringLiteral("toAutomaatti"))));
        const long id = core::NzLong(to.value(QStringLiteral("toID")));
        // One entry per account, without type or amount.
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM vi WHERE vitoID = ?"), {dao::Variant(id)}), 4);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM vi WHERE vitoID = ? AND viTyyppi IS NULL AND "
                                       "viAvausvienti = False AND viPaatosvienti = False"),
                        {dao::Variant(id)}),
                  4);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM vi WHERE vitoID = ? AND vitlID = ?"),
                        {dao::Variant(id), dao::Variant(tyhja)}),
                  1);
    }
    const long entriesBefore = count(QStringLiteral("SELECT COUNT(*) FROM vi"));

    // Again, in the other modes: still exactly one, with the mode's flags; the old one's entries are gone.
    for (const auto& [avaus, paatos] : {std::pair{true, false}, std::pair{false, true}}) {
        prepare(d31(12, 31), d31(12, 31), true, avaus, paatos);
        EXPECT_EQ(negativeVouchers(-1), 1);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM vi")), entriesBefore);
        dao::Recordset to = pseudo();
        EXPECT_EQ(core::NzDate(to.value(QStringLiteral("toPvm"))), dao::Date::fromYmd(2032, 1, 1));
        EXPECT_EQ(core::NzBoolean(to.value(QStringLiteral("toAvaustosite"))), avaus);
        EXPECT_EQ(core::NzBoolean(to.value(QStringLiteral("toPaatostosite"))), paatos);
        const long id = core::NzLong(to.value(QStringLiteral("toID")));
        EXPECT_EQ(count(avaus ? QStringLiteral("SELECT COUNT(*) FROM vi WHERE vitoID = ? AND viAvausvienti = True")
                              : QStringLiteral("SELECT COUNT(*) FROM vi WHERE vitoID = ? AND viPaatosvienti = True"),
                        {dao::Variant(id)}),
                  4);
    }
    // The pseudo entries left behind change no later balance.
    prepare(d31(3, 1), d31(3, 31), false, false, false);
    EXPECT_EQ(balances(pankki).alku, money("1100"));
}

TEST_F(Preparation, AnEntryWhoseAccountIsGoneIsNamedAndAddsToNothing) {
    makeBook();
    const long gone = addAccount(4000, QStringLiteral("Poistettu"));
    const long t = addVoucher(7, d31(3, 5));
    addEntry(t, gone, "D", "3.00");
    addEntry(t, gone, "D", "4.00");
    addEntry(t, pankki, "K", "7.00");
    db().Execute(QStringLiteral("DELETE FROM tl WHERE tlID = ?"), {dao::Variant(gone)});

    dialogs.expectMessage(QStringLiteral("Tarkista tositteen numero 7 viennit."), ui::Answer::OK);
    dialogs.expectMessage(QStringLiteral("Tarkista tositteen numero 7 viennit."), ui::Answer::OK);
    prepare(d31(3, 1), d31(3, 31), false, false, false);
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[0].icon, ui::Icon::None);
    EXPECT_EQ(dialogs.shown()[0].buttons, ui::Buttons::OK);
    EXPECT_EQ(balances(pankki).loppu, money("1343"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM vi WHERE vitoID = ?"), {dao::Variant(t)}), 3);
    // Before the period: skipped without a word.
    prepare(d31(4, 1), d31(4, 30), false, false, false);
    EXPECT_EQ(balances(pankki).alku, money("1343"));
}

// Entries of several accounts that are gone are named by account, and
// within an account in the order they were written, whatever their
// vouchers' dates.
TEST_F(Preparation, EntriesOfAccountsThatAreGoneAreNamedByAccountThenEntry) {
    makeBook();
    const long first = addAccount(4000, QStringLiteral("Poistettu 1"));
    const long second = addAccount(4100, QStringLiteral("Poistettu 2"));
    const long t8 = addVoucher(8, d31(3, 6));
    addEntry(t8, second, "D", "1.00");
    addEntry(t8, pankki, "K", "1.00");
    const long t9 = addVoucher(9, d31(3, 7));
    addEntry(t9, first, "D", "2.00");
    addEntry(t9, second, "D", "3.00");
    addEntry(t9, pankki, "K", "5.00");
    db().Execute(QStringLiteral("DELETE FROM tl WHERE tlID IN (?, ?)"), {dao::Variant(first), dao::Variant(second)});

    for (const char* numero : {"9", "8", "9"})
        dialogs.expectMessage(QStringLiteral("Tarkista tositteen numero %1 viennit.").arg(QLatin1String(numero)),
                              ui::Answer::OK);
    prepare(d31(3, 1), d31(3, 31), false, false, false);
    QStringList texts;
    for (const auto& shown : dialogs.shown()) texts << shown.text;
    EXPECT_EQ(texts, QStringList({QStringLiteral("Tarkista tositteen numero 9 viennit."),
                                  QStringLiteral("Tarkista tositteen numero 8 viennit."),
                                  QStringLiteral("Tarkista tositteen numero 9 viennit.")}));
    EXPECT_EQ(balances(pankki).loppu, money("1344"));
}

TEST_F(Preparation, AFailureLeavesTheBookAsItWas) {
    makeBook();
    prepare(d31(3, 1), d31(3, 31), true, false, false);  // a pseudo voucher and flags to keep
    const long pseudoID = lastKey("to", "toID");
    // An opening balance that leaves no room for the year's movement.
    const long huge = addAccount(2000, QStringLiteral("Iso"));
    const long avaus = addVoucher(0, d31(1, 1), Opening);
    addEntry(avaus, huge, "D", "90000000000.00", Opening);
    const long t = addVoucher(8, d31(6, 1));
    addEntry(t, huge, "D", "20000000000.00");

    dao::Database d;
    NollaaTilienSaldot(d);
    try {
        ValmisteleTilit(d, d31(1, 1), d31(12, 31), false, false, false, 0);
        ADD_FAILURE() << "the overflow was not reported";
    } catch (const dao::DaoError& e) {
        EXPECT_EQ(e.number(), dao::err::Overflow);
    }
    EXPECT_EQ(d.transactionDepth(), 0);
    // The opening balances written before the failure are undone, and the
    // previous run's pseudo voucher and flags stand.
    EXPECT_EQ(balances(huge).alku, money("0"));
    EXPECT_EQ(balances(pankki).alku, money("0"));
    EXPECT_FALSE(balances(kassa).print);
    EXPECT_EQ(lastKey("to", "toID"), t);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM to WHERE toID = ? AND toNumero = -1"),
                    {dao::Variant(pseudoID)}),
              1);
}

}  // namespace
