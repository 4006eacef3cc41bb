// The main window's commands, its closing, its size, and the small windows
// of the shell.

#include "platform/dao/error.h"
#include "platform/ui/twips.h"
#include "shell/frmaboutvaskiro.h"
#include "shell/frmsplash.h"
#include "shell/version.h"
#include "shellfixture.h"
#include "support/dialogs.h"
#include "vouchers/window/frmnewtositteet.h"
#include "vouchers/window/voucherwindows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

using kvtest::ScriptedDialogs;
using ui::Answer;

// A working window that may refuse to close, and saves what it holds when
// it goes.
class frmKokeilu : public ui::Form {
public:
    frmKokeilu() : ui::Form(QStringLiteral("frmKokeilu")) {}
    bool refuse = false;
    static inline int saves = 0;

protected:
    bool QueryUnload() override { return !refuse; }
    void Unload() override { ++saves; }
};

class MainWindowTest : public kvtest::ShellTest {
protected:
    void SetUp() override {
        kvtest::ShellTest::SetUp();
        configure(demoBook());
        ScriptedDialogs quiet;
        main = &startUp();
        ASSERT_EQ(modalShown, QStringList({"frmSplash", "frmDBHuomautus"}));
        modalShown.clear();
    }
    // The voucher window, active, showing the book's first voucher.
    vouchers::frmNewTositteet& firstVoucher() {
        shell::VoucherWindowMode mode;
        mode.caption = QStringLiteral("Tositteet");
        auto& vouchers = vouchers::OpenVoucherWindow(mode);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&vouchers));
        QCoreApplication::processEvents();
        vouchers.cEnsimmainen->click();
        return vouchers;
    }
    // The main window's close box, with the program's own end: true when
    // the event loop returns in time.
    bool closeBoxEndsTheProgram() {
        shell::SetQuitHandler(nullptr);
        QTimer::singleShot(0, main, [this] { main->close(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(-1); });
        QElapsedTimer clock;
        clock.start();
        return QApplication::exec() == 0 && clock.elapsed() < 5000;
    }
    shell::frmMain* main = nullptr;
};

TEST_F(MainWindowTest, CloseStopsAtAWindowThatRefusesAndEndsTheProgramOtherwise) {
    frmKokeilu::saves = 0;
    auto& other = ui::Forms::show<frmKokeilu>();
    other.refuse = true;
    main->cSulje->click();
    EXPECT_EQ(quits, 0);
    EXPECT_TRUE(main->isLoaded());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(frmKokeilu::saves, 0);

    other.refuse = false;
    main->mSulje->trigger();
    EXPECT_EQ(frmKokeilu::saves, 1);
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(shell::QuitRequested());
    EXPECT_TRUE(ui::Forms::all().isEmpty());
    // The main window's placement was stored.
    EXPECT_NE(readIni(QStringLiteral("frmMain%1%2").arg(shell::VersionMajor()).arg(shell::VersionMinor()),
                      QStringLiteral("FORMS")),
              QStringLiteral("<none>"));
}

TEST_F(MainWindowTest, CloseBoxClosesTheOtherWindowsFirst) {
    frmKokeilu::saves = 0;
    auto& other = ui::Forms::show<frmKokeilu>();
    other.refuse = true;
    main->close();
    EXPECT_TRUE(main->isLoaded());
    EXPECT_EQ(quits, 0);
    other.refuse = false;
    main->close();
    EXPECT_EQ(frmKokeilu::saves, 1);
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(main->isUnloaded());
}

TEST_F(MainWindowTest, CloseBoxEndsTheProgramAsSuljeDoesEvenWithAVoucherWithoutADate) {
    // The demo book's first voucher has lost its date; the voucher window
    // shows it with a text typed and not saved.
    core::DBCon().AvaaDB().Execute(QStringLiteral("UPDATE to SET toPvm = Null WHERE toNumero = 1"));
    ScriptedDialogs dialogs;
    dialogs.expectMessage(QStringLiteral("Tositteissa puutteita"), Answer::No);
    auto& vouchers = firstVoucher();
    ASSERT_TRUE(vouchers.tTositepvm->text().isEmpty());
    vouchers.tTositeSelite->setFocus();
    vouchers.tTositeSelite->selectAll();
    QTest::keyClicks(vouchers.tTositeSelite, QStringLiteral("Vuokra ilman paivaa"));

    EXPECT_TRUE(closeBoxEndsTheProgram());
    EXPECT_TRUE(shell::QuitRequested());
    EXPECT_TRUE(ui::Forms::all().isEmpty());

    // What "&Sulje" saves is saved: the voucher and the window placements.
    dao::Recordset rs = core::DBCon().AvaaDB().OpenRecordset(
        QStringLiteral("SELECT toSelite FROM to WHERE toNumero = 1"), dao::RecordsetType::Snapshot);
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("Vuokra ilman paivaa"));
    rs.Close();
    for (const char* form : {"frmMain", "frmNewTositteet"})
        EXPECT_NE(readIni(QStringLiteral("%1%2%3").arg(QLatin1String(form)).arg(shell::VersionMajor()).arg(shell::VersionMinor()),
                          QStringLiteral("FORMS")),
                  QStringLiteral("<none>"))
            << form;
}

TEST_F(MainWindowTest, CloseBoxKeepsTheVouchersDateOverAHalfTypedOne) {
    auto storedDate = [] {
        dao::Recordset rs = core::DBCon().AvaaDB().OpenRecordset(
            QStringLiteral("SELECT toPvm FROM to WHERE toNumero = 1 AND toAvaustosite = False"),
            dao::RecordsetType::Snapshot);
        return rs.value(0).toDate();
    };
    const dao::Date had = storedDate();
    ScriptedDialogs dialogs;
    auto& vouchers = firstVoucher();
    ASSERT_EQ(vouchers.tTositepvm->text(), had.toShortString());
    vouchers.tTositepvm->setFocus();
    vouchers.tTositepvm->selectAll();
    QTest::keyClicks(vouchers.tTositepvm, QStringLiteral("1.13.2026"));

    dialogs.expectMessage(QStringLiteral("Päivämäärää ei tallennettu, koska se ei ole päivämäärä: 1.13.2026"),
                          Answer::OK);
    EXPECT_TRUE(closeBoxEndsTheProgram());
    EXPECT_TRUE(ui::Forms::all().isEmpty());
    EXPECT_EQ(storedDate(), had);
}

TEST_F(MainWindowTest, KeepsItsFixedSizeAndCanBePictured) {
    const QSize design(ui::TwipsToPixelsX(main, shell::frmMain::kWidthTwips),
                       ui::TwipsToPixelsY(main, shell::frmMain::kHeightTwips));
    // The design size, widened where a caption needs more room.
    const QSize fixed = main->size();
    EXPECT_GE(fixed.width(), design.width());
    EXPECT_EQ(fixed.height(), design.height());
    main->resize(fixed.width() * 2, fixed.height() / 2);
    EXPECT_EQ(main->size(), fixed);
    // The buttons lie in the window side by side, each below the menu bar
    // and wide enough for its caption; the picture keeps its margin from
    // the right edge.
    QToolButton* previous = nullptr;
    for (QToolButton* b : {main->cTositteet, main->cTulosJaTase, main->cTilit, main->cKustannuspaikat,
                           main->cBudjetti, main->cSulje, main->cKayttotuki}) {
        const QRect r(b->mapTo(main, QPoint(0, 0)), b->size());
        EXPECT_TRUE(main->rect().contains(r)) << b->objectName().toStdString();
        EXPECT_GE(r.top(), main->menuBar->geometry().bottom()) << b->objectName().toStdString();
        EXPECT_GE(b->width(), b->sizeHint().width()) << b->objectName().toStdString();
        if (previous) {
            EXPECT_GE(r.left(), previous->mapTo(main, QPoint(previous->width(), 0)).x());
        }
        previous = b;
    }
    const int rightEdge = main->Frame1->mapTo(main, QPoint(main->Frame1->width(), 0)).x();
    EXPECT_GE(main->width() - rightEdge, ui::TwipsToPixelsX(main, shell::frmMain::kWidthTwips - (10020 + 855)) - 1);

    const QString png = tmp.file(QStringLiteral("frmMain.png"));
    ASSERT_TRUE(main->grab().save(png));
    const QImage shot(png);
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), fixed * main->devicePixelRatioF());
    EXPECT_GT(QFileInfo(png).size(), 0);
}

TEST_F(MainWindowTest, VoucherCommandsOpenTheRightWindowInTheirMode) {
    QList<std::pair<QString, shell::VoucherWindowMode>> calls;
    for (const char* name : {"frmNewTositteet", "frmTositteet"}) {
        const QString n = QString::fromLatin1(name);
        shell::RegisterVoucherWindow(n, [&calls, n](const shell::VoucherWindowMode& m) { calls.append({n, m}); });
    }
    ScriptedDialogs dialogs;
    main->cTositteet->click();
    main->mAvausviennit->trigger();
    core::VanhatTositteet = true;
    main->mTilinpaatosviennit->trigger();
    ASSERT_EQ(calls.size(), 3);
    EXPECT_EQ(calls[0].first, QStringLiteral("frmNewTositteet"));
    EXPECT_FALSE(calls[0].second.bAvaustosite || calls[0].second.bPaatostosite);
    EXPECT_EQ(calls[0].second.caption, QStringLiteral("Tositteet"));
    EXPECT_TRUE(calls[1].second.bAvaustosite && !calls[1].second.bPaatostosite);
    EXPECT_EQ(calls[1].second.caption, QStringLiteral("Tositteet - Avausviennit"));
    EXPECT_EQ(calls[2].first, QStringLiteral("frmTositteet"));
    EXPECT_TRUE(!calls[2].second.bAvaustosite && calls[2].second.bPaatostosite);
    EXPECT_EQ(calls[2].second.caption, QStringLiteral("Tositteet - Tilinpäätösviennit"));
}

TEST_F(MainWindowTest, CommandsWithoutTheirWindowOrWithAnErrorSayWhy) {
    int accounts = 0;
    shell::RegisterOpener(QStringLiteral("frmTilitNew"), [&] { ++accounts; });
    shell::RegisterOpener(QStringLiteral("frmBudjetti"),
                          [] { dao::raise(dao::err::FileNotFound, QStringLiteral("x.mdb")); });
    shell::RegisterVoucherWindow(QStringLiteral("frmNewTositteet"), [](const shell::VoucherWindowMode&) {
        throw dao::DaoError(3049, QStringLiteral("rikki"));
    });
    ScriptedDialogs dialogs;
    dialogs.expectMessage(QStringLiteral("ei ole käytettävissä tässä ohjelman versiossa"), Answer::OK)
        .expectMessage(QStringLiteral("Odottamaton virhe: 3024 / "), Answer::OK)
        .expectMessage(QStringLiteral("Odottamaton virhe: 3049 / rikki"), Answer::OK);
    main->mTilit->trigger();
    main->cTilit->click();
    EXPECT_EQ(accounts, 2);
    main->mAsetukset->trigger();     // not there yet
    main->cBudjetti->click();        // fails
    main->cTositteet->click();       // fails
    main->mAvausviennit->trigger();  // fails without a message
    auto* copy = main->findChild<QAction*>(QStringLiteral("mLuoTietokantaNykyisesta"));
    ASSERT_NE(copy, nullptr);
    int copies = 0;
    shell::RegisterOpener(copy->objectName(), [&] { ++copies; });
    copy->trigger();
    EXPECT_EQ(copies, 1);
}

TEST_F(MainWindowTest, SupportPageAndAboutBox) {
    main->cKayttotuki->click();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QDir(app).filePath(QStringLiteral("ohje/kayttotuki.htm")));

    QString title;
    onAbout = [&](ui::Form& f) {
        auto& about = static_cast<shell::frmAboutVaskiro&>(f);
        title = about.Label7->text();
        QTest::mouseClick(about.Label5, Qt::LeftButton);
        about.cSulje->click();
    };
    QTest::mouseClick(main->cAboutVaskiro, Qt::LeftButton);
    EXPECT_EQ(modalShown, QStringList({"frmAboutVaskiro"}));
    EXPECT_EQ(title, QStringLiteral("Kolvio VEV ") + shell::VersionString());
    ASSERT_EQ(opened.size(), 2);
    EXPECT_TRUE(opened[1].endsWith(QStringLiteral("ohje/tukipalvelut.htm")));
    EXPECT_EQ(ui::Forms::find<shell::frmAboutVaskiro>(), nullptr);  // unloaded

    main->mTietoja->trigger();
    EXPECT_EQ(modalShown.size(), 2);
}

// When no browser opens a support page, the user is told so and where the
// page is; when one does, nothing is said.
TEST_F(MainWindowTest, ASupportPageThatDoesNotOpenIsToldOf) {
    const QString page = QDir::toNativeSeparators(QDir(app).filePath(QStringLiteral("ohje/kayttotuki.htm")));
    for (const bool opens : {false, true}) {
        sys::SetShellOpenHook([&](const QString& target, int) {
            opened << target;
            return opens;
        });
        kvtest::ScriptedDialogs d;
        if (!opens)
            d.expectMessage(QStringLiteral("Ohjesivu ei auennut selaimeen. Sen voi avata selaimella tiedostosta:\r\n") + page,
                            ui::Answer::OK);
        main->cKayttotuki->click();
        EXPECT_EQ(d.shown().size(), opens ? 0 : 1);
    }
    EXPECT_EQ(opened.size(), 2);
}

TEST_F(MainWindowTest, AboutBoxIsNeverSmallerThanItsMinimum) {
    const QString key = QStringLiteral("frmAboutVaskiro%1%2").arg(shell::VersionMajor()).arg(shell::VersionMinor());
    QSize seen;
    onAbout = [&](ui::Form& f) {
        seen = f.size();
        f.hide();
    };
    writeIni(key, QStringLiteral("1000,1000,1500,1500,0"), QStringLiteral("FORMS"));
    main->mTietoja->trigger();
    const int minW = ui::TwipsToPixelsX(main, shell::frmAboutVaskiro::kMinWidthTwips);
    const int minH = ui::TwipsToPixelsY(main, shell::frmAboutVaskiro::kMinHeightTwips);
    EXPECT_EQ(seen, QSize(minW, minH));
    ui::Forms::unload<shell::frmAboutVaskiro>();

    writeIni(key, QStringLiteral("1000,1000,6000,9000,0"), QStringLiteral("FORMS"));
    main->mTietoja->trigger();
    EXPECT_EQ(seen, QSize(ui::TwipsToPixelsX(main, 6000), ui::TwipsToPixelsY(main, 9000)));
}

class SplashTest : public kvtest::ShellTest {};

TEST_F(SplashTest, ClosesByItselfByAKeyOrByAClick) {
    onSplash = [](ui::Form&) {};
    QElapsedTimer timer;
    timer.start();
    auto& splash = ui::Forms::show<shell::frmSplash>(true);
    // Coarse timers may fire up to 5 % early.
    EXPECT_GE(timer.elapsed(), shell::frmSplash::kDisplayMs * 9 / 10);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_TRUE(splash.isUnloaded());
    EXPECT_EQ(splash.lblVersion->text(), QStringLiteral("Version ") + shell::VersionString());
    EXPECT_TRUE(splash.lblPlatform->text().contains(QStringLiteral("Qt ")));

    onSplash = [](ui::Form& f) { QTest::keyClick(&f, Qt::Key_A); };
    timer.restart();
    EXPECT_TRUE(ui::Forms::show<shell::frmSplash>(true).isUnloaded());
    onSplash = [](ui::Form& f) { QTest::mouseClick(static_cast<shell::frmSplash&>(f).lblVersion, Qt::LeftButton); };
    EXPECT_TRUE(ui::Forms::show<shell::frmSplash>(true).isUnloaded());
    EXPECT_LT(timer.elapsed(), shell::frmSplash::kDisplayMs);
    EXPECT_EQ(modalShown.size(), 3);
}

}  // namespace
