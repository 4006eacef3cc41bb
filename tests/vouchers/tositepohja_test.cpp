// Voucher templates: the template and line records and the finder.

#include "core/globals.h"
#include "core/records/recordsfixture.h"
#include "vouchers/tositepohja.h"

using namespace vouchers;
using kvtest::errorOf;

namespace {

class TemplateTest : public kvtest::RecordsTest {
protected:
    long addTemplate(const QString& nimi, long pikavalinta = 0, const QString& selite = QStringLiteral("teksti")) {
        db().Execute("INSERT INTO tpPohjat (Nimi, Selite, Pikavalinta) VALUES (?, ?, ?)", {nimi, selite, pikavalinta});
        return count("SELECT MAX(tpID) FROM tpPohjat");
    }
    long addLine(long tpID, const QString& side, long tlID, dao::Currency arvo, long kpID = 0) {
        db().Execute("INSERT INTO vipPohjat (viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (?, ?, ?, ?, ?)",
                     {tlID, tpID, side, arvo, kpID});
        return count("SELECT MAX(vipID) FROM vipPohjat");
    }
    long lines(long tpID) { return count("SELECT COUNT(*) FROM vipPohjat WHERE viptpID = ?", {tpID}); }
};

TEST_F(TemplateTest, NamesAreCutStoredBlankWhenEmptyAndRaiseNameChanged) {
    book();
    std::vector<std::pair<long, QString>> events;
    cTositePohja p;
    p.NameChanged = [&](long id, const QString& s) { events.emplace_back(id, s); };
    p.setNimi("Vuokra");  // not stored yet: no event
    ASSERT_TRUE(p.Save(false));
    const long id = p.id();
    EXPECT_EQ(row("SELECT Selite FROM tpPohjat WHERE tpID = ?", {id}).value(0).toString(), " ");

    p.setNimi("Vuokra");  // the same name: an event, but no change
    EXPECT_FALSE(p.isDirty());
    // Sixty characters keep their first fifty, and writing them again is a
    // change once more: the comparison is made before cutting.
    const QString fifty = QString("Jäsenmaksu").leftJustified(50, u'ä');
    p.setNimi(fifty + "0123456789");
    EXPECT_EQ(p.Nimi(), fifty);
    ASSERT_TRUE(p.Save(false));
    p.setNimi(fifty + "0123456789");
    EXPECT_TRUE(p.isDirty());
    EXPECT_EQ(events, (std::vector<std::pair<long, QString>>{{id, "Vuokra"}, {id, fifty}, {id, fifty}}));

    p.setSelite(QString(300, u'x'));
    p.setNimi("");
    p.setPikavalinta(3);
    p.Release();  // saves
    cTositePohja luettu;
    ASSERT_TRUE(luettu.Read(id));
    EXPECT_EQ(luettu.Nimi(), " ");  // read back as the blank
    EXPECT_EQ(luettu.Selite(), QString(255, u'x'));
    EXPECT_EQ(luettu.Pikavalinta(), 3);
    EXPECT_EQ(events.size(), 4u);  // Read and Save raise nothing

    luettu.setPikavalinta(4);
    luettu.Undo();
    EXPECT_EQ(luettu.Pikavalinta(), 3);
    EXPECT_TRUE(luettu.isDirty());  // Undo keeps the flag
    // A missing row resets the object as new, the dirty flag too.
    EXPECT_FALSE(luettu.Read(id + 100));
    EXPECT_EQ(luettu.id(), 0);
    EXPECT_EQ(luettu.Nimi(), "");
    EXPECT_FALSE(luettu.isDirty());
}

TEST_F(TemplateTest, PlaceholderNeitherReadsNorWrites) {
    book();
    const long id = addTemplate("Kahvikassa", 2);
    cTositePohja tyhja;
    tyhja.setIsEmpty(true);
    EXPECT_FALSE(tyhja.Read(id));
    tyhja.setNimi("Ei tallenneta");
    EXPECT_EQ(tyhja.Nimi(), "");
    EXPECT_EQ(tyhja.Pikavalinta(), 0);
    EXPECT_FALSE(tyhja.Save(true));
    EXPECT_TRUE(tyhja.GetVientipohjat("D").isEmpty());
    EXPECT_TRUE(tyhja.AddNewVientipohja("D")->IsEmpty());
    tyhja.Release();
    EXPECT_EQ(count("SELECT COUNT(*) FROM tpPohjat"), 1);
}

TEST_F(TemplateTest, LinesKeepOneCharacterSideAndBlankLinesAreNotStored) {
    book();
    const long tp = addTemplate("Pohja");
    cVientiPohja l;
    l.setTpId(tp);
    l.setTyyppi("Debet");
    EXPECT_EQ(l.Tyyppi(), "D");
    l.setKpID(3);
    EXPECT_FALSE(l.Save(true));  // neither account nor amount
    EXPECT_EQ(lines(tp), 0);

    l.setTlID(7);  // an account without amount is stored
    ASSERT_TRUE(l.Save(false));
    dao::Recordset r = row("SELECT * FROM vipPohjat WHERE vipID = ?", {l.id()});
    EXPECT_EQ(r.value("vipkpID").toLong(), 3);
    EXPECT_EQ(r.value("vipTyyppi").toString(), "D");
    r.Close();
    l.setTlID(0);  // blank again: the stored line is deleted
    EXPECT_FALSE(l.Save(false));
    EXPECT_EQ(l.id(), 0);
    EXPECT_EQ(lines(tp), 0);

    {
        cVientiPohja m;  // an amount without account is stored, on release
        m.setTpId(tp);
        m.setTyyppi("K");
        m.setArvo(dao::Currency::fromRaw(1234567));
    }
    cVientiPohja luettu;
    ASSERT_TRUE(luettu.Read(count("SELECT MAX(vipID) FROM vipPohjat")));
    EXPECT_EQ(luettu.Arvo(), dao::Currency::fromRaw(1234567));
    EXPECT_EQ(luettu.TpId(), tp);
    luettu.Delete();
    EXPECT_EQ(lines(tp), 0);
    EXPECT_TRUE(reported.empty());
}

TEST_F(TemplateTest, LinesBySideAndDeleteWithLines) {
    book();
    const long tp = addTemplate("Pohja");
    const long other = addTemplate("Toinen");
    const long d1 = addLine(tp, "D", 1, eur(10), 4);
    addLine(tp, "K", 2, eur(10));
    const long d2 = addLine(tp, "D", 3, eur(5));
    addLine(other, "D", 9, eur(1));
    cTositePohja p;
    ASSERT_TRUE(p.Read(tp));
    core::RecordList<cVientiPohja> debet = p.GetVientipohjat("D");
    ASSERT_EQ(debet.count(), 2);
    EXPECT_EQ(debet.keyAt(0), QString("vip%1").arg(d1));
    EXPECT_EQ(debet.at(0).kpID(), 4);
    EXPECT_EQ(debet.at(0).Arvo(), eur(10));
    EXPECT_EQ(debet.find(QString("vip%1").arg(d2))->tlID(), 3);
    EXPECT_EQ(p.GetVientipohjat("K").count(), 1);

    std::unique_ptr<cVientiPohja> uusi = p.AddNewVientipohja("K");
    EXPECT_EQ(uusi->TpId(), tp);
    uusi->setTlID(8);
    uusi.reset();  // saved on release
    EXPECT_EQ(p.GetVientipohjat("K").count(), 2);
    p.AddNewVientipohja("D").reset();  // blank: never stored
    EXPECT_EQ(lines(tp), 4);

    cTositePohja eiTallennettu;
    EXPECT_TRUE(eiTallennettu.GetVientipohjat("D").isEmpty());
    EXPECT_EQ(eiTallennettu.AddNewVientipohja("D")->TpId(), 0);

    p.Delete();  // the template with every line, debit and credit
    EXPECT_EQ(p.id(), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tpPohjat"), 1);
    EXPECT_EQ(lines(tp), 0);
    EXPECT_EQ(lines(other), 1);
    EXPECT_TRUE(reported.empty());
}

TEST_F(TemplateTest, QuickChoices) {
    book();
    cTositePohjat pohjat;
    std::unique_ptr<cTositePohja> none = pohjat.PikavalintaPohja(1);
    EXPECT_TRUE(none->IsEmpty());
    EXPECT_EQ(none->Nimi(), "");

    addTemplate("Ilman");
    const long seven = addTemplate("Seitsemän", 2, "Teksti 7");
    EXPECT_FALSE(pohjat.PikavalintaKaytossa(2, seven));  // only the template itself has it
    EXPECT_TRUE(pohjat.PikavalintaKaytossa(2, 0));       // with 0 every template counts
    std::unique_ptr<cTositePohja> p = pohjat.PikavalintaPohja(2);
    EXPECT_EQ(p->id(), seven);
    EXPECT_EQ(p->Selite(), "Teksti 7");

    // Two with one number: the one stored first is the quick choice.
    addTemplate("Aakkosissa ensin", 2);
    EXPECT_EQ(pohjat.PikavalintaPohja(2)->id(), seven);
    EXPECT_TRUE(pohjat.PikavalintaKaytossa(2, seven));
}

TEST_F(TemplateTest, AllInFinnishNameOrder) {
    book();
    cTositePohjat pohjat;
    EXPECT_TRUE(pohjat.All().isEmpty());
    const long o = addTemplate("Öljy");
    const long z = addTemplate("Zeta");
    const long a2 = addTemplate("Ääni");
    const long aa = addTemplate("Åland");
    const long a = addTemplate("alv");
    const long b = addTemplate("Bensa");
    const long a3 = addTemplate("ALV");  // equal names: in the order stored
    core::RecordList<cTositePohja> all = pohjat.All();
    std::vector<long> ids;
    for (qsizetype i = 0; i < all.count(); ++i) {
        ids.push_back(all.at(i).id());
        EXPECT_EQ(all.keyAt(i), QString("I%1").arg(all.at(i).id()));
    }
    EXPECT_EQ(ids, (std::vector<long>{a, a3, b, z, aa, a2, o}));
    EXPECT_EQ(all.find(QString("I%1").arg(a2))->Nimi(), "Ääni");
}

TEST_F(TemplateTest, ARecordWritesOnlyIntoItsOwnBook) {
    const QString first = book();
    const long tp = addTemplate("Ensimmäinen");
    const long line = addLine(tp, "D", 1, eur(2));
    auto p = std::make_unique<cTositePohja>();
    ASSERT_TRUE(p->Read(tp));
    auto l = std::make_unique<cVientiPohja>();
    ASSERT_TRUE(l->Read(line));
    p->setNimi("Muutos");
    l->setArvo(eur(3));

    book(QString(), "toinen.mdb");  // DatabasePath now names another book
    EXPECT_EQ(errorOf([&] { p->Delete(); }), core::kOtherBookError);
    // A line handed out by a template of the first book belongs there too.
    std::unique_ptr<cVientiPohja> uusi = p->AddNewVientipohja("K");
    uusi->setTlID(5);
    EXPECT_EQ(errorOf([&] { uusi->Save(false); }), core::kOtherBookError);
    uusi->setTlID(0);
    uusi.reset();
    p.reset();
    l.reset();  // the saves on release go to the error sink
    EXPECT_EQ(reported.size(), 2u);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tpPohjat") + count("SELECT COUNT(*) FROM vipPohjat"), 0);
    core::DatabasePath = first;
    EXPECT_EQ(row("SELECT Nimi FROM tpPohjat WHERE tpID = ?", {tp}).value(0).toString(), "Ensimmäinen");
}

}  // namespace
