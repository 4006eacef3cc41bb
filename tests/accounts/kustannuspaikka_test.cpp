// The cost-centre record: what it stores, when it counts as changed and
// raises NameChanged, undo, moves in number order and saving on release.

#include "accounts/kustannuspaikka.h"
#include "accountsfixture.h"

using accounts::cKustannuspaikka;

namespace {

class CostCentreRecord : public kvtest::AccountsTest {
protected:
    struct Event {
        long id;
        long numero;
        QString nimi;
    };
    std::vector<Event> events;
    void listen(cKustannuspaikka& k) {
        k.NameChanged = [this](long id, long n, const QString& s) { events.push_back({id, n, s}); };
    }
    QString row(long id) {
        dao::Recordset rs = db().OpenRecordset(QStringLiteral("SELECT kpNumero, kpNimi, kpKuvaus FROM kp WHERE kpID = ?"),
                                               dao::RecordsetType::Snapshot, {dao::Variant(id)});
        if (rs.isEOF()) return QStringLiteral("<none>");
        return rs.value(0).toString() + u'|' + rs.value(1).toString() + u'|' + rs.value(2).toString();
    }
};

TEST_F(CostCentreRecord, ANewRecordSavedWithForceStoresBlanksAndKnowsItsKey) {
    book();
    auto k = std::make_unique<cKustannuspaikka>();
    EXPECT_TRUE(k->Save(false));  // unchanged: nothing written
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM kp")), 0);
    EXPECT_TRUE(k->Save(true));
    ASSERT_NE(k->id(), 0);
    EXPECT_EQ(row(k->id()), QStringLiteral("0| | "));
    // The object keeps the empty texts; a read gives the blank back.
    EXPECT_EQ(k->Nimi(), QString());
    cKustannuspaikka again;
    ASSERT_TRUE(again.Read(k->id()));
    EXPECT_EQ(again.Nimi(), QStringLiteral(" "));
    EXPECT_FALSE(again.isDirty());
}

TEST_F(CostCentreRecord, NameAndNumberWritesRaiseTheEventOnAStoredRecordChangedOrNot) {
    book(QStringLiteral("INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (10, 'Nuoret', 'Nuorisotoiminta');\n"));
    cKustannuspaikka fresh;
    listen(fresh);
    fresh.setNimi(QStringLiteral("Uusi"));  // id 0: no event
    EXPECT_TRUE(events.empty());
    fresh.setIsEmpty(true);  // a placeholder never writes
    EXPECT_FALSE(fresh.Save(true));

    cKustannuspaikka k;
    listen(k);
    ASSERT_TRUE(k.Read(1));
    k.setNimi(QStringLiteral("Nuoret"));
    k.setNimi(QStringLiteral("Nuoret"));
    EXPECT_FALSE(k.isDirty());
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].id, 1);
    EXPECT_EQ(events[1].numero, 10);
    EXPECT_EQ(events[1].nimi, QStringLiteral("Nuoret"));
    k.setNumero(10);
    EXPECT_FALSE(k.isDirty());
    k.setKuvaus(QStringLiteral("Nuorisotoiminta"));  // no event, no change
    EXPECT_EQ(events.size(), 3u);
    EXPECT_FALSE(k.isDirty());
    k.setNumero(11);
    EXPECT_TRUE(k.isDirty());
    EXPECT_EQ(events.back().numero, 11);

    // Cut to the column widths; the change is judged on the text as written.
    k.setNimi(QString(150, u'n'));
    k.setKuvaus(QString(300, u'k'));
    ASSERT_TRUE(k.Save(false));
    EXPECT_EQ(row(1), QStringLiteral("11|") + QString(100, u'n') + u'|' + QString(255, u'k'));
    k.setNimi(QString(101, u'n'));
    EXPECT_TRUE(k.isDirty());
}

TEST_F(CostCentreRecord, UndoBringsBackTheLastSavedValuesAndReleaseWritesThem) {
    book(QStringLiteral("INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (10, 'Nuoret', 'Vanha');\n"));
    {
        cKustannuspaikka k;
        listen(k);
        ASSERT_TRUE(k.Read(1));
        k.setNimi(QStringLiteral("Junnut"));
        k.setNumero(12);
        k.setKuvaus(QStringLiteral("Uusi"));
        events.clear();
        k.Undo();
        EXPECT_TRUE(events.empty());
        EXPECT_EQ(k.Nimi(), QStringLiteral("Nuoret"));
        EXPECT_EQ(k.Numero(), 10);
        EXPECT_EQ(k.Kuvaus(), QStringLiteral("Vanha"));
        EXPECT_TRUE(k.isDirty());
        // Someone else changes the row meanwhile; the release writes the
        // restored values over it.
        db().Execute(QStringLiteral("UPDATE kp SET kpNimi = 'Muu' WHERE kpID = 1"));
    }
    EXPECT_EQ(row(1), QStringLiteral("10|Nuoret|Vanha"));

    {
        cKustannuspaikka k;
        ASSERT_TRUE(k.Read(1));
        k.setNimi(QStringLiteral("Junnut"));
    }  // let go with an edit: it saves itself
    EXPECT_EQ(row(1), QStringLiteral("10|Junnut|Vanha"));
    {
        cKustannuspaikka k;
        ASSERT_TRUE(k.Read(1));
        k.setNimi(QStringLiteral("Ei tallennu"));
        k.setIsEmpty(true);  // a placeholder never saves itself
    }
    EXPECT_EQ(row(1), QStringLiteral("10|Junnut|Vanha"));
}

TEST_F(CostCentreRecord, ReadOfAMissingKeyAndDeleteLeaveABlankObject) {
    book(QStringLiteral("INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (10, 'Nuoret', ' ');\n"
                        "INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (20, 'Aikuiset', ' ');\n"));
    cKustannuspaikka k;
    ASSERT_TRUE(k.Read(1));
    k.setNimi(QStringLiteral("Muutettu"));
    EXPECT_FALSE(k.Read(99));
    EXPECT_EQ(k.id(), 0);
    EXPECT_EQ(k.Nimi(), QString());
    EXPECT_FALSE(k.isDirty());
    EXPECT_FALSE(k.IsEmpty());

    ASSERT_TRUE(k.Read(2));
    k.Delete();
    EXPECT_EQ(row(2), QStringLiteral("<none>"));
    EXPECT_EQ(row(1), QStringLiteral("10|Nuoret| "));
    EXPECT_EQ(k.id(), 0);
    EXPECT_FALSE(k.IsEmpty());
    EXPECT_FALSE(k.isDirty());
}

TEST_F(CostCentreRecord, MovesGoByNumber) {
    book(QStringLiteral("INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (5, 'Viisi', ' ');\n"
                        "INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (0, 'Nolla', ' ');\n"
                        "INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (-3, 'Miinus', ' ');\n"
                        "INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (20, 'Kaksikymmentä A', ' ');\n"
                        "INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (20, 'Kaksikymmentä B', ' ');\n"
                        "INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (30, 'Kolmekymmentä', ' ');\n"));
    cKustannuspaikka placeholder;
    placeholder.setIsEmpty(true);
    EXPECT_TRUE(placeholder.GetPrevious()->IsEmpty());
    EXPECT_TRUE(placeholder.GetNext()->IsEmpty());
    const auto first = placeholder.GetFirst();
    EXPECT_EQ(first->Numero(), 5);
    EXPECT_EQ(placeholder.GetLast()->Numero(), 30);
    // Below the first: a number of 0 or less.
    EXPECT_LE(first->GetPrevious()->Numero(), 0);
    EXPECT_FALSE(first->GetPrevious()->IsEmpty());
    // Two of number 20: the next from one skips the other.
    const auto twenty = first->GetNext();
    EXPECT_EQ(twenty->Numero(), 20);
    EXPECT_EQ(twenty->GetNext()->Numero(), 30);
    EXPECT_TRUE(placeholder.GetLast()->GetNext()->IsEmpty());

    db().Execute(QStringLiteral("DELETE FROM kp WHERE kpNumero > 0"));
    EXPECT_TRUE(placeholder.GetFirst()->IsEmpty());
    EXPECT_TRUE(placeholder.GetLast()->IsEmpty());
}

}  // namespace
