// The voucher date as the user types it, a key at a time, then goes on in
// one of the ways out of the field: the voucher takes a date only when one
// is typed to its end, or the field is left with one. A text that is no
// date, an emptied field too, is refused with a message, and the book keeps
// the date the voucher had, whichever way the user goes on.
//
// The dates are typed in the form the field shows them, under several
// regional formats; CTest runs these again under the formats a new machine
// usually has.

#include "core/regional.h"
#include "support/datetypings.h"
#include "windowfixture.h"

#include <QPointer>

using kvtest::VoucherWindowTest;
using ui::Answer;

namespace {

enum class Way { TabThenF3, F3, PreviousVoucher, TemplateButton, CloseBox };
const char* const kWayNames[] = {"Tab, F3", "F3 in the field", "Ctrl+S", "template button", "close box"};

// The date the voucher has when the texts of support/datetypings.h are
// typed over it.
const dao::Date kHad = dao::Date::fromYmd(2031, 6, 30);

class DateField : public VoucherWindowTest {
protected:
    void SetUp() override {
        VoucherWindowTest::SetUp();
        locale_ = QLocale();
        core::ApplyRegionalFormats();  // the formats of the process's locale
        book("INSERT INTO tpPohjat (tpID, Nimi, Selite, Pikavalinta) VALUES (1, 'Vuokra', 'Vuokra', 1);\n");
        v1 = balanced(1, "Eka", 10);
        v2 = balanced(2, "Toka", 20);
    }
    void TearDown() override {
        QLocale::setDefault(locale_);
        VoucherWindowTest::TearDown();
    }

    QString storedDate(long toID) {
        dao::Recordset rs = db().OpenRecordset(QStringLiteral("SELECT toPvm FROM to WHERE toID = ?"),
                                               dao::RecordsetType::Snapshot, {dao::Variant(toID)});
        return rs.value(0).isNull() ? QStringLiteral("<null>") : rs.value(0).toDate().toIso();
    }

    // Every text over every way out under the regional formats given, each
    // on the second voucher of a window opened anew; notStored is the
    // refusal as the language has it.
    void typeEachTextAndGoOn(const QString& notStored, const QString& empty, const QLocale& format) {
        QLocale::setDefault(format);
        ASSERT_EQ(kvtest::inShownForm(30, 6, 2031), kHad.toShortString());
        for (const kvtest::DateTyping& t : kvtest::dateTypings()) {
            for (const Way way : {Way::TabThenF3, Way::F3, Way::PreviousVoucher, Way::TemplateButton, Way::CloseBox}) {
                SCOPED_TRACE(("\"" + t.keys + "\" then " + QString::fromLatin1(kWayNames[int(way)]) + " in " +
                              QLocale().name())
                                 .toStdString());
                db().Execute(QStringLiteral("UPDATE to SET toPvm = ?"), {kHad});
                db().Execute(QStringLiteral("DELETE FROM to WHERE toNumero > 2"));
                auto& f = open();
                key(Qt::Key_F, Qt::ControlModifier);
                ASSERT_EQ(f.Tosite().id(), v2);
                focusOn(f.tTositepvm);
                overtype(f.tTositepvm, t.keys);
                EXPECT_EQ(f.tTositepvm->text(), t.holds);
                // Typed, not yet left: only a whole date has gone in ("1.1"
                // and "29.2.20" were dates on the way).
                const bool refused = t.stored.isEmpty();
                const QString kept = refused ? kHad.toIso() : t.stored;
                EXPECT_EQ(f.Tosite().Paiva().toIso(), kept);
                const QString message = notStored + u' ' + (t.holds.isEmpty() ? empty : t.holds);
                if (refused) dialogs->expectMessage(message, Answer::OK);
                const QPointer<vouchers::frmNewTositteet> window(&f);
                switch (way) {
                case Way::TabThenF3:
                    tab();
                    key(Qt::Key_F3);
                    break;
                case Way::F3: key(Qt::Key_F3); break;
                case Way::PreviousVoucher:
                    key(Qt::Key_S, Qt::ControlModifier);
                    EXPECT_EQ(f.Tosite().id(), v1);
                    break;
                case Way::TemplateButton:
                    QTest::mouseClick(f.cTositePohja[1], Qt::LeftButton);
                    settle();
                    EXPECT_EQ(f.Tosite().Selite(), "Vuokra");
                    break;
                case Way::CloseBox:
                    f.close();
                    settle();
                    EXPECT_TRUE(!window || window->isUnloaded());
                    break;
                }
                EXPECT_EQ(storedDate(v2), kept);
                EXPECT_EQ(storedDate(v1), kHad.toIso());
                EXPECT_EQ(dialogs->shownTexts(), refused ? QStringList{message} : QStringList{});
                // Still on the voucher: the field shows the date it has.
                if (way == Way::TabThenF3 || way == Way::F3) {
                    EXPECT_EQ(f.tTositepvm->text(), dao::Date::fromIso(kept)->toShortString());
                }
                ui::Forms::destroyAll();
                dialogs->reset();
            }
        }
    }

    long v1 = 0, v2 = 0;

private:
    QLocale locale_;
};

TEST_F(DateField, ATextThatIsNoWholeDateLeavesTheVoucherItsDateWhicheverWayTheUserGoesOn) {
    // The formats of the process's locale first, then the others'.
    QList<QLocale> formats{core::RegionalLocale(core::Language)};
    for (const char* name : {"fi_FI", "sv_FI", "en_US"})
        if (formats.front().name() != QLatin1String(name)) formats << QLocale(QString::fromLatin1(name));
    for (const QLocale& format : formats)
        typeEachTextAndGoOn(QStringLiteral("Päivämäärää ei tallennettu, koska se ei ole päivämäärä:"),
                            QStringLiteral("(tyhjä)"), format);
}

TEST_F(DateField, InSwedishToo) {
    useSwedish();
    core::Language = QStringLiteral("Svenska");
    typeEachTextAndGoOn(QStringLiteral("Datumet sparades inte, eftersom det inte är ett datum:"), QStringLiteral("(tomt)"),
                        {QLocale(QLocale::Swedish, QLocale::Finland)});
    expectSwedishComplete();
}

}  // namespace
