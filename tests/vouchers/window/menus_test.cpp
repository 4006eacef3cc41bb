// The voucher window's templates, its template editor, search and check
// windows, account views and ledger reports, each reached from its button,
// menu item or key; and the watched account's balance.

#include "platform/ui/controls.h"
#include "shell/openers.h"
#include "vouchers/tools/frmtositehaku.h"
#include "vouchers/tools/frmtositepohja.h"
#include "vouchers/tools/frmtositetarkistusvirheet.h"
#include "windowfixture.h"

#include <QAction>
#include <QMenu>
#include <functional>

using kvtest::VoucherWindowTest;
using ui::Answer;

namespace {

// Runs against each window shown modally while it lives; a window left
// open ends its modal show after a while instead of hanging the test.
class ModalScript {
public:
    explicit ModalScript(std::function<void(ui::Form&)> f) {
        ui::Forms::setModalTimeout(5000);
        timeouts_ = ui::Forms::modalTimeouts();
        ui::Forms::setModalHook([f = std::move(f)](ui::Form& form) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
            for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
            f(form);
        });
    }
    ~ModalScript() {
        ui::Forms::setModalHook(nullptr);
        ui::Forms::setModalTimeout(0);
        EXPECT_EQ(ui::Forms::modalTimeouts(), timeouts_) << "a modal window stayed open";
    }

private:
    int timeouts_ = 0;
};

class MenusTest : public VoucherWindowTest {
protected:
    void TearDown() override {
        shell::ClearOpeners();
        VoucherWindowTest::TearDown();
    }
    long addTemplate(long id, const char* nimi, const char* selite, long pikavalinta = 0) {
        db().Execute(QStringLiteral("INSERT INTO tpPohjat (tpID, Nimi, Selite, Pikavalinta) VALUES (?, ?, ?, ?)"),
                     {id, QString::fromUtf8(nimi), QString::fromUtf8(selite), pikavalinta});
        return id;
    }
    void addLine(long tpID, long tlID, const char* side, long euros, long kpID = 0) {
        db().Execute(QStringLiteral("INSERT INTO vipPohjat (viptpID, viptlID, vipTyyppi, vipArvo, vipkpID) "
                                    "VALUES (?, ?, ?, ?, ?)"),
                     {tpID, tlID, QString::fromLatin1(side), dao::Currency::fromUnits(euros), kpID});
    }
    QStringList menuItems() const {
        QStringList out;
        for (QAction* a : w->mTositepohjat->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : a->isVisible() ? a->text() : QStringLiteral("(hidden)"));
        return out;
    }
    long newest() { return value(QStringLiteral("SELECT MAX(toID) FROM to")); }
};

TEST_F(MenusTest, TemplatesMakeVouchersFromTheButtonsAndTheMenu) {
    book();
    balanced(1, "Eka", 10);
    balanced(2, "Toka", 10);
    addTemplate(1, "Jäsenmaksu", "Jäsenmaksut", 2);
    addLine(1, Kassa, "D", 20, 1);
    addLine(1, Pankki, "D", 5);
    addLine(1, Jasenmaksut, "K", 25);
    addLine(1, 0, "K", 0);  // neither account nor amount: no entry
    addTemplate(2, "B", "Tyhjä");
    addTemplate(3, "A", "Kulu");
    addLine(3, Kulut, "D", 7);
    auto& f = open(true, false, QStringLiteral("Tositteet - Avausviennit"));

    EXPECT_EQ(menuItems(), QStringList({"Muokkaa tositepohjia", "-", "A", "B", "Jäsenmaksu"}));
    EXPECT_EQ(f.cTositePohja[2]->text(), "(&2) Jäsenmaksu");

    // Alt with the quick-choice digit: a new opening voucher with the next
    // number, the template's text and its lines as entries.
    focusOn(f.lstTositteet);
    key(Qt::Key_2, Qt::AltModifier);
    // The button's access key presses it as the mouse would, after a moment.
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.Tosite().id() != 0; }, 2000));
    settle();
    const long id = newest();
    EXPECT_EQ(f.Tosite().id(), id);
    EXPECT_EQ(f.Tosite().Numero(), 3);
    EXPECT_EQ(focused(), f.tTositepvm);
    EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toID = ? AND toAvaustosite = True", {id}), 1);
    EXPECT_EQ(f.Tosite().Selite(), "Jäsenmaksut");  // stored when the voucher is left
    EXPECT_EQ(entries(id), QStringList({"D 1 20 kp1", "D 2 5", "K 4 25"}));
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi WHERE vitoID = ? AND viSelite = 'Jäsenmaksut' AND viAvausvienti = True",
                    {id}),
              3);
    EXPECT_EQ(f.tTositeSelite->text(), "Jäsenmaksut");
    EXPECT_EQ(f.tDebetSumma[1]->text(), "5,00");
    EXPECT_EQ(currentLine(), "3 Jäsenmaksut");

    // The menu items in name order.
    f.mTositepohjaX[0]->trigger();
    settle();
    EXPECT_EQ(f.Tosite().Numero(), 4);
    EXPECT_EQ(entries(newest()), QStringList({"D 5 7"}));
    EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toID = ? AND toSelite = 'Jäsenmaksut'", {id}), 1);
    f.mTositepohjaX[1]->trigger();
    settle();
    EXPECT_EQ(f.Tosite().Numero(), 5);
    EXPECT_EQ(f.tTositeSelite->text(), "Tyhjä");
    EXPECT_EQ(entries(newest()), QStringList());

    // An account typed and not matched stops the command.
    focusOn(f.cmbKreditTili[1]);
    type("77");
    dialogs->expectMessage("Tarkista tilivalinta.", Answer::OK);
    f.cTositePohja[2]->click();
    settle();
    EXPECT_EQ(f.Tosite().Numero(), 5);
    EXPECT_EQ(focused(), f.cmbKreditTili[1]);
}

TEST_F(MenusTest, AVoucherFromATemplateIsStoredWholeOrNotAtAll) {
    book();
    balanced(1, "Eka", 10);
    addTemplate(1, "Kulut", "Kolme kulua", 1);
    addLine(1, Kassa, "D", 10);
    addLine(1, Pankki, "D", 20);
    addLine(1, Kulut, "D", 30);
    addLine(1, Jasenmaksut, "K", 60);
    auto& f = open();
    key(Qt::Key_A, Qt::ControlModifier);
    refuseEntriesOfKulut(true);
    dialogs->expectMessage("Odottamaton virhe: ", Answer::OK);
    f.cTositePohja[1]->click();
    settle();
    // Neither the voucher nor any of its entries stayed in the book.
    EXPECT_EQ(vouchers(), 1);
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi"), 2);
    EXPECT_EQ(f.Tosite().Numero(), 1);

    refuseEntriesOfKulut(false);
    f.cTositePohja[1]->click();
    settle();
    EXPECT_EQ(f.Tosite().Numero(), 2);
    EXPECT_EQ(entries(f.Tosite().id()), QStringList({"D 1 10", "D 2 20", "D 5 30", "K 4 60"}));
    EXPECT_EQ(vouchers(), 2);
}

TEST_F(MenusTest, TheTemplateEditorRebuildsTheChoicesWhenItCloses) {
    book();
    addTemplate(1, "Vanha", "x", 1);
    auto& f = open();
    EXPECT_EQ(f.cTositePohja[1]->text(), "(&1) Vanha");
    key(Qt::Key_A, Qt::ControlModifier);
    const long shown = f.Tosite().id();
    {
        ModalScript script([&](ui::Form& form) {
            auto& e = static_cast<vouchers::frmTositepohja&>(form);
            EXPECT_TRUE(e.isShownModal());
            // A new template with quick choice 3 and one line.
            e.cUusi->click();
            settle();
            type("Uusi");
            e.cmbPikavalinta->setCurrentIndex(3);
            focusOn(e.cmbDebetTili[0]);
            type("4000");
            enter();
            // The old one is deleted.
            e.lstTositePohjat->setCurrentRow(0);
            settle();
            ASSERT_EQ(e.tNimi->text(), "Vanha");
            dialogs->expectMessage("Haluatko varmasti poistaa valitun tositepohjan?", Answer::Yes);
            e.cPoista->click();
            e.cSulje->click();
        });
        f.mMuokkaaTositepohjia->trigger();
        settle();
    }
    EXPECT_EQ(ui::Forms::find<vouchers::frmTositepohja>(), nullptr);
    EXPECT_EQ(menuItems(), QStringList({"Muokkaa tositepohjia", "-", "Uusi"}));
    EXPECT_FALSE(f.cTositePohja[1]->isVisibleTo(&f));
    EXPECT_TRUE(f.cTositePohja[3]->isVisibleTo(&f));
    EXPECT_EQ(f.cTositePohja[3]->text(), "(&3) Uusi");
    EXPECT_EQ(f.Tosite().id(), shown);  // the voucher on screen stays
    f.cTositePohja[3]->click();
    settle();
    EXPECT_EQ(entries(newest()), QStringList({"D 5 0"}));
}

TEST_F(MenusTest, TheFirstActivationOffersTheCheckWindow) {
    book();
    const long v = addVoucher(1, "Vino");
    addEntry(v, Kassa, "D", 10);
    vouchers::RegisterVoucherWindows();
    dialogs->expectMessage("Tositteissa puutteita, haluatko avata tositteiden tarkistusikkunan?", Answer::Yes);
    auto& f = open();
    auto* check = ui::Forms::find<vouchers::frmTositeTarkistusVirheet>();
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->isVisible());
    EXPECT_FALSE(check->isShownModal());
    EXPECT_EQ(check->lstVirheet->item(0)->text(), "Tositteen no: 1 debet ja kredit saldo ei täsmää.");
    // The menu item brings the same window forward.
    f.mTositteidenTarkistus->trigger();
    settle();
    EXPECT_EQ(ui::Forms::find<vouchers::frmTositeTarkistusVirheet>(), check);
    check->cSulje->click();
    settle();
    f.mTositteidenTarkistus->trigger();
    settle();
    ASSERT_NE(ui::Forms::find<vouchers::frmTositeTarkistusVirheet>(), nullptr);
    EXPECT_EQ(ui::Forms::find<vouchers::frmTositeTarkistusVirheet>()->lstVirheet->count(), 1);
}

TEST_F(MenusTest, TheSearchShowsTheVoucherChosen) {
    book();
    balanced(1, "Eka", 10);
    const long avaus = balanced(2, "Avaus", 55, true);
    vouchers::RegisterVoucherWindows();
    auto& f = open();
    key(Qt::Key_A, Qt::ControlModifier);
    {
        // An opening voucher found from the ordinary window is shown.
        ModalScript script([&](ui::Form& form) {
            auto& s = static_cast<vouchers::frmTositeHaku&>(form);
            type("55");
            s.cSearch->click();
            ASSERT_EQ(s.lstTositteet->count(), 1);
            s.lstTositteet->setCurrentRow(0);
            s.cOpen->click();
        });
        f.cHaku->click();
        settle();
    }
    EXPECT_EQ(f.Tosite().id(), avaus);
    EXPECT_EQ(f.tDebetSumma[0]->text(), "55,00");
}

TEST_F(MenusTest, TheAccountViewsOpenByTheirKeys) {
    book();
    balanced(1, "Eka", 10);
    auto& f = open();
    key(Qt::Key_A, Qt::ControlModifier);
    QStringList opened;
    for (const char* name : {"frmPaivaSaldot", "frmTilienSaldot", "frmTilitarkastelu"})
        shell::RegisterOpener(QString::fromLatin1(name), [&opened, name] { opened << QString::fromLatin1(name); });
    focusOn(f.tDebetSumma[0]);
    key(Qt::Key_F9);
    key(Qt::Key_F6);
    key(Qt::Key_F8);
    EXPECT_EQ(opened, QStringList({"frmPaivaSaldot", "frmTilienSaldot", "frmTilitarkastelu"}));
    f.mTilitarkastelu->trigger();
    EXPECT_EQ(opened.size(), 4);
    EXPECT_EQ(f.Tosite().Numero(), 1);
    shell::ClearOpeners();
    dialogs->expectMessage("Tämä toiminto ei ole käytettävissä tässä ohjelman versiossa.", Answer::OK);
    key(Qt::Key_F9);
}

TEST_F(MenusTest, TheReportsSaveFirstAndPrintTheWindowsMode) {
    book();
    const long v = balanced(1, "Avaus", 10, true);
    core::RaporttiAlkuPvm = core::TilikausiAlku;
    core::RaporttiLoppuPvm = core::TilikausiLoppu;
    auto& f = open(true, false, QStringLiteral("Tositteet - Avausviennit"));
    key(Qt::Key_A, Qt::ControlModifier);
    focusOn(f.tDebetSumma[0]);
    retype("12");

    // The general ledger: the voucher on screen is stored first, and the
    // book is prepared for the opening entries.
    QStringList asked;
    {
        ModalScript script([&](ui::Form& form) {
            asked << form.objectName();
            if (form.objectName() == QLatin1String("frmDates3")) {
                EXPECT_EQ(entries(v), QStringList({"D 1 12", "K 4 10"}));
                ui::FindControl<QPushButton>(&form, QStringLiteral("cSeuraava"))->click();
            } else {
                ui::FindControl<QPushButton>(&form, QStringLiteral("cPeruTulostus"))->click();
            }
        });
        f.mPaakirja->trigger();
        settle();
    }
    EXPECT_EQ(asked, QStringList({"frmDates3", "frmTulostus"}));
    EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toNumero = -1 AND toAvaustosite = True AND toPaatostosite = False"), 1);
    // Each item asks for its own period; cancelled there, nothing is printed.
    const std::pair<QAction*, const char*> items[] = {{f.mPaakirjaKustannuspaikalle, "frmDates6"},
                                                      {f.mRapYksiTili, "frmDates4"},
                                                      {f.mPaivakirja, "frmDates2"}};
    for (const auto& [item, dialog] : items) {
        QString asked;
        {
            ModalScript script([&](ui::Form& form) {
                asked = form.objectName();
                ui::FindControl<QPushButton>(&form, QStringLiteral("cPeru"))->click();
            });
            item->trigger();
            settle();
        }
        EXPECT_EQ(asked, QString::fromLatin1(dialog));
    }

    EXPECT_EQ(f.Tosite().id(), v);
}

TEST_F(MenusTest, TheWatchedBalanceFollowsTheRows) {
    book();
    balanced(1, "Eka", 10);  // Kassa 10 debit
    const long v2 = addVoucher(2, "Toka");
    addEntry(v2, Kassa, "D", 5);
    addEntry(v2, Jasenmaksut, "K", 5);
    core::LaskettavaTili = Kassa;
    auto& f = open();
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("15"));  // no voucher shown: every entry
    key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().id(), v2);
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("15"));
    // A credit row on the account counts as it is left.
    focusOn(f.cmbKreditTili[1]);
    type("1000");
    enter();
    focusOn(f.tKreditSumma[1]);
    retype("3");
    enter();
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("12"));
    // A row moved off the account stops counting at once.
    focusOn(f.cmbDebetTili[0]);
    retype("1910");
    enter();
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("7"));
    // Saved, the figure is the same.
    key(Qt::Key_F3);
    f.ShowHalutunTilinSaldo();
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("7"));
    EXPECT_EQ(entries(v2), QStringList({"D 2 5", "K 4 5", "K 1 3"}));
}

}  // namespace
