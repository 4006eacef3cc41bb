// The model records: defaults and what a save writes, the cutting of texts
// and the name events, the dirty flag and undo, group orders of new rows,
// deleting a row with everything below it or a whole model, and the order
// moves of a row among its siblings.

#include "modelfixture.h"
#include "statement_models/malli.h"

#include <QFile>

using namespace statement_models;

namespace {

class ModelRecords : public kvtest::ModelTest {};

TEST_F(ModelRecords, ANewModelIsWrittenOnlyWhenForcedOrChanged) {
    makeBook();
    const long before = number(QStringLiteral("SELECT COUNT(*) AS n FROM ma"), QStringLiteral("n"));
    {
        cMalli m;
        EXPECT_TRUE(m.Save(false));
        EXPECT_EQ(m.id(), 0);
    }
    EXPECT_EQ(number(QStringLiteral("SELECT COUNT(*) AS n FROM ma"), QStringLiteral("n")), before);

    cMalli m;
    ASSERT_TRUE(m.Save(true));
    ASSERT_GT(m.id(), 2);
    const QString row = QStringLiteral("SELECT * FROM ma WHERE maID = %1").arg(m.id());
    EXPECT_EQ(text(row, "maNimi"), " ");
    EXPECT_EQ(number(row, "maTyyppi"), 1);
    EXPECT_EQ(number(row, "maSuojattu"), 0);
    EXPECT_EQ(number(row, "maTulosMaID"), 0);

    // A model never stored is saved when let go after a change.
    long added = 0;
    {
        cMalli n;
        n.setTyyppi(kTase);
        n.setTulosMaID(1);
        n.setNimi(QStringLiteral("Tase 2"));
        n.Save(false);
        added = n.id();
        n.setSuojattu(true);
    }
    cMalli back;
    ASSERT_TRUE(back.Read(added));
    EXPECT_EQ(back.Nimi(), "Tase 2");
    EXPECT_EQ(back.Tyyppi(), kTase);
    EXPECT_TRUE(back.Suojattu());
    EXPECT_EQ(back.TulosMaID(), 1);

    // A model of an older book, whose maTulosMaID is Null, reads as 0.
    exec(QStringLiteral("UPDATE ma SET maTulosMaID = NULL WHERE maID = 2"));
    ASSERT_TRUE(back.Read(2));
    EXPECT_EQ(back.TulosMaID(), 0);
    EXPECT_FALSE(back.isDirty());

    // A key that names no model: False and the initial state.
    EXPECT_FALSE(back.Read(9999));
    EXPECT_EQ(back.id(), 0);
    EXPECT_EQ(back.Nimi(), " ");
    EXPECT_FALSE(back.isDirty());
}

TEST_F(ModelRecords, TextsAreCutAndEveryAssignmentIsAnnounced) {
    makeBook();
    cMalli m;
    QStringList events;
    m.NameChanged = [&](long id, const QString& name, int type) {
        events << QStringLiteral("%1:%2:%3").arg(id).arg(name).arg(type);
    };
    m.setNimi(QString());
    EXPECT_EQ(m.Nimi(), " ");
    EXPECT_TRUE(m.isDirty());
    cMalli stored;
    stored.NameChanged = m.NameChanged;
    ASSERT_TRUE(stored.Read(1));
    stored.setNimi(QStringLiteral("Tuloslaskelma"));  // as it stands: announced, still clean
    EXPECT_FALSE(stored.isDirty());
    EXPECT_EQ(events, QStringList({"0: :1", "1:Tuloslaskelma:1"}));

    cMalliRivi r;
    QStringList rowEvents;
    r.NameChanged = [&](long id, const QString& name) { rowEvents << QString::number(id) + u':' + name; };
    r.setTeksti(QString(60, QLatin1Char('x')));
    EXPECT_EQ(r.Teksti(), QString(50, QLatin1Char('x')));
    EXPECT_EQ(rowEvents, QStringList({"0:" + QString(50, QLatin1Char('x'))}));
    r.setSaldoPuoli(QStringLiteral("Debet"));
    r.setviTyyppi(QStringLiteral("Kredit"));
    r.setKaava(QStringLiteral("+1,"));
    EXPECT_EQ(r.SaldoPuoli(), "D");
    EXPECT_EQ(r.viTyyppi(), "K");
    EXPECT_EQ(r.Kaava(), "+1,");
    r.setTilit(QString(300, QLatin1Char('1')));
    EXPECT_EQ(r.Tilit().size(), 255);
}

TEST_F(ModelRecords, ACleanRowStaysCleanAndUndoKeepsTheRowDirty) {
    makeBook();
    {
        cMalliRivi r;
        ASSERT_TRUE(r.Read(2));
        EXPECT_EQ(r.Teksti(), "Osallistumis- ja kurssimaksut");
        EXPECT_EQ(r.Tilit(), "43,44,");
        EXPECT_EQ(r.BelongsToGroup(), 1);
        r.setTeksti(r.Teksti());
        r.setTilit(QStringLiteral("43,44,"));
        r.setIsVoitto(false);
        EXPECT_FALSE(r.isDirty());
        // Let go clean: nothing written even though the book changes meanwhile.
        exec(QStringLiteral("UPDATE mr SET mrTeksti = 'Muutettu' WHERE mrID = 2"));
    }
    EXPECT_EQ(rowText(2, "mrTeksti"), "Muutettu");

    {
        cMalliRivi r;
        ASSERT_TRUE(r.Read(2));
        r.setTeksti(QStringLiteral("Väliaikainen"));
        r.setGroupOrder(40);
        r.Undo();
        EXPECT_EQ(r.Teksti(), "Muutettu");
        EXPECT_EQ(r.GroupOrder(), 1);
        EXPECT_TRUE(r.isDirty());
        exec(QStringLiteral("UPDATE mr SET mrGroupOrder = 7 WHERE mrID = 2"));
    }
    // Released dirty: the restored values were written back.
    EXPECT_EQ(rowNumber(2, "mrGroupOrder"), 1);

    // A placeholder neither reads, writes nor deletes.
    cMalliRivi blank;
    blank.setIsEmpty(true);
    blank.setTeksti(QStringLiteral("x"));
    EXPECT_FALSE(blank.Read(2));
    EXPECT_FALSE(blank.Save(true));
    blank.Delete();
    EXPECT_EQ(blank.Teksti(), "");
    EXPECT_EQ(count(QStringLiteral("mrID = 2")), 1);
}

TEST_F(ModelRecords, NewRowsGetTheirPlaceAndSide) {
    makeBook(QStringLiteral("UPDATE mr SET mrGroupOrder = 5 WHERE mrID = 4;\n"
                            "DELETE FROM mr WHERE mrID IN (5, 6, 7, 8);\n"));
    cMalliRivi group;
    ASSERT_TRUE(group.Read(1));  // children at orders 1, 2 and 5
    std::unique_ptr<cMalliRivi> child = group.AddModelRow(QStringLiteral("Uusi rivi"), 0, QString());
    ASSERT_GT(child->id(), 0);
    EXPECT_EQ(rowNumber(child->id(), "mrBelongsToGroup"), 1);
    EXPECT_EQ(rowNumber(child->id(), "mrmaID"), 1);
    EXPECT_EQ(rowText(child->id(), "mrSaldoPuoli"), "K");  // the parent's side
    EXPECT_EQ(rowText(child->id(), "mrTilit"), " ");
    EXPECT_EQ(rowNumber(child->id(), "mrGroupOrder"), 0);
    child->SetDefaultGroupOrder();
    EXPECT_EQ(child->GroupOrder(), 6);
    EXPECT_TRUE(child->Save(false));
    EXPECT_EQ(rowNumber(child->id(), "mrGroupOrder"), 6);

    // The first child of a row gets 1.
    std::unique_ptr<cMalliRivi> grandChild = child->AddModelRow(QStringLiteral("Alarivi"), 0, QStringLiteral("D"));
    EXPECT_EQ(rowText(grandChild->id(), "mrSaldoPuoli"), "D");
    grandChild->SetDefaultGroupOrder();
    EXPECT_EQ(grandChild->GroupOrder(), 1);

    // A top row of a model.
    cMalli model;
    ASSERT_TRUE(model.Read(2));
    std::unique_ptr<cMalliRivi> top = model.AddModelRow(QStringLiteral("Muut"), 3, QStringLiteral("D"));
    EXPECT_EQ(rowNumber(top->id(), "mrBelongsToGroup"), 0);
    EXPECT_EQ(rowNumber(top->id(), "mrmaID"), 2);
    EXPECT_EQ(rowNumber(top->id(), "mrGroupOrder"), 3);
    EXPECT_EQ(rowText(top->id(), "mrKaava"), "");

    cMalli blank;
    blank.setIsEmpty(true);
    EXPECT_TRUE(blank.AddModelRow(QStringLiteral("x"), 0, QStringLiteral("K"))->IsEmpty());
}

TEST_F(ModelRecords, DeletingTakesEveryRowBelowAndNothingElse) {
    makeBook();
    const long all = count(QStringLiteral("1 = 1"));
    // Vastaavaa > Pysyvät vastaavat (102) > three groups (103, 106, 111) > rows.
    cMalliRivi r;
    ASSERT_TRUE(r.Read(102));
    r.setTeksti(QStringLiteral("pending"));
    r.Delete();
    EXPECT_EQ(r.id(), 0);
    EXPECT_FALSE(r.isDirty());
    for (long gone : {102, 103, 104, 105, 106, 107, 110, 111, 113}) EXPECT_EQ(count(QStringLiteral("mrID = %1").arg(gone)), 0) << gone;
    EXPECT_EQ(count(QStringLiteral("1 = 1")), all - 12);
    EXPECT_EQ(count(QStringLiteral("mrID = 101")), 1);
    EXPECT_EQ(count(QStringLiteral("mrID = 114")), 1);

    // A damaged chain that returns to itself still ends.
    exec(QStringLiteral("UPDATE mr SET mrBelongsToGroup = 116 WHERE mrID = 115"));
    ASSERT_TRUE(r.Read(116));
    r.Delete();
    EXPECT_EQ(count(QStringLiteral("mrID IN (115, 116)")), 0);

    cMalli m;
    ASSERT_TRUE(m.Read(1));
    m.Delete();
    EXPECT_EQ(m.Nimi(), " ");
    EXPECT_EQ(count(QStringLiteral("mrmaID = 1")), 0);
    EXPECT_EQ(number(QStringLiteral("SELECT COUNT(*) AS n FROM ma WHERE maID = 1"), "n"), 0);
    EXPECT_GT(count(QStringLiteral("mrmaID = 2")), 0);
    EXPECT_FALSE(m.Read(1));
}

TEST_F(ModelRecords, OrderMovesStayAmongTheSiblingsOfTheRow) {
    // The general template: top rows of the income model at 1..15 and of the
    // balance model 101 (1) and 125 (2); rows 2, 3, 4 at 1, 2, 3 under row 1;
    // rows 11, 12, 13 at 1, 2, 3 under row 10, a group inside group 9.
    struct Case {
        const char* name;
        const char* script;
        long row;
        bool up;
        bool moved;
        const char* orders;  // "mrID:mrGroupOrder" of the rows below
        QList<long> rows;
    };
    const QList<Case> cases = {
        {"middle row up", "", 3, true, true, "2:2 3:1 4:3", {2, 3, 4}},
        {"middle row down", "", 3, false, true, "2:1 3:3 4:2", {2, 3, 4}},
        {"row of a subgroup up", "", 12, true, true, "11:2 12:1 13:3 2:1", {11, 12, 13, 2}},
        {"first row up, the others at 0 go below it", "UPDATE mr SET mrGroupOrder = 0 WHERE mrID IN (2, 3);", 3, true,
         true, "2:1 3:0 4:3", {2, 3, 4}},
        // Another model's top row at 0 is no sibling.
        {"first top row up, alone at 0", "UPDATE mr SET mrGroupOrder = 0 WHERE mrID IN (1, 101);", 101, true, false,
         "1:0 101:0 125:2", {1, 101, 125}},
        // The income model's top rows go up to 15: no sibling of row 125.
        {"last top row down goes past the other", "", 125, false, true, "101:1 125:3 28:3", {101, 125, 28}},
        {"the only top row of a model down", "DELETE FROM mr WHERE mrID = 125;", 101, false, false, "101:1 28:3", {101, 28}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString book = makeBook(QString::fromUtf8(c.script));
        {
            cMalliRivi r;
            ASSERT_TRUE(r.Read(c.row));
            EXPECT_EQ(c.up ? r.MoveRowUp() : r.MoveRowDown(), c.moved);
            QStringList orders;
            for (long k : c.rows) orders << QStringLiteral("%1:%2").arg(k).arg(rowNumber(k, "mrGroupOrder"));
            EXPECT_EQ(orders.join(u' '), QString::fromLatin1(c.orders));
            EXPECT_EQ(r.GroupOrder(), rowNumber(c.row, "mrGroupOrder"));
            EXPECT_FALSE(r.isDirty());
        }
        // The next case starts from the template again.
        core::DBCon().SuljeDB();
        ASSERT_TRUE(QFile::remove(book));
    }

    // Neither a placeholder nor a row never stored moves.
    cMalliRivi blank;
    blank.setIsEmpty(true);
    EXPECT_FALSE(blank.MoveRowUp());
    cMalliRivi unsaved;
    EXPECT_FALSE(unsaved.MoveRowDown());
    EXPECT_EQ(unsaved.GroupOrder(), 0);
}

TEST_F(ModelRecords, RowTextsAndPieces) {
    makeBook();
    dao::Database d = db();
    EXPECT_EQ(GetRivinTeksti(d, 28), "Varsinaisen toiminnan tuotto-/kulujäämä");
    EXPECT_EQ(GetRivinTeksti(d, 9999), "");
    EXPECT_EQ(SplitPieces(QStringLiteral("12,15,")), QStringList({"12", "15"}));
    EXPECT_EQ(SplitPieces(QStringLiteral(" 12,15 ")), QStringList({"12", "15"}));
    EXPECT_EQ(SplitPieces(QStringLiteral("+1,,-2,")), QStringList({"+1", "", "-2"}));
    EXPECT_TRUE(SplitPieces(QStringLiteral(" ")).isEmpty());
}

}  // namespace
