// The forms registry: one instance per window, Load once, modal shows that
// return when the window hides, unloads that may be refused.

#include "platform/ui/controls.h"
#include "platform/ui/forms.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

using ui::Form;
using ui::Forms;

QStringList journal;  // what the windows and hooks did, in order

class frmPlain : public Form {
public:
    frmPlain() : Form(QStringLiteral("frmPlain")) {}
    int loads = 0;

protected:
    void Load() override {
        ++loads;
        journal << QStringLiteral("Load ") + objectName();
    }
    void Unload() override { journal << QStringLiteral("Unload ") + objectName(); }
};

// A dialog that hands back its answer through a public member and unloads
// itself from its own button, as the program's small dialogs do.
class frmDialog : public Form {
public:
    frmDialog() : Form(QStringLiteral("frmDialog")) {
        auto* layout = new QVBoxLayout(this);
        cOK = new QPushButton(QStringLiteral("OK"), this);
        cOK->setObjectName(QStringLiteral("cOK"));
        layout->addWidget(cOK);
        QObject::connect(cOK, &QPushButton::clicked, this, [this] {
            answer = QStringLiteral("valittu");
            Forms::unload(*this);
        });
    }
    QPushButton* cOK;
    QString answer;
};

// A window that refuses to close while refuse is set.
class frmStubborn : public Form {
public:
    frmStubborn() : Form(QStringLiteral("frmStubborn")) {}
    bool refuse = true;

protected:
    bool QueryUnload() override {
        journal << QStringLiteral("QueryUnload frmStubborn");
        return !refuse;
    }
};

class frmLast : public Form {
public:
    frmLast() : Form(QStringLiteral("frmLast")) {}

protected:
    void Unload() override { journal << QStringLiteral("Unload frmLast"); }
};

// Gives up in its own Load, as a dialog with nothing to offer does.
class frmGivesUp : public Form {
public:
    frmGivesUp() : Form(QStringLiteral("frmGivesUp")) {}

protected:
    void Load() override { Forms::unload(*this); }
};

class UiForms : public ::testing::Test {
protected:
    void SetUp() override {
        journal.clear();
        Forms::setLoadHook([](Form& f) { journal << QStringLiteral("hook load ") + f.objectName(); });
        Forms::setUnloadHook([](Form& f) { journal << QStringLiteral("hook unload ") + f.objectName(); });
        Forms::setModalTimeout(5000);  // a mistake in a test ends instead of hanging
    }
    void TearDown() override {
        Forms::setLoadHook({});
        Forms::setUnloadHook({});
        Forms::setModalHook({});
        Forms::destroyAll();
    }
};

TEST_F(UiForms, WindowIsCreatedOnceAndLoadedOnce) {
    frmPlain& a = Forms::get<frmPlain>();
    EXPECT_EQ(&Forms::get<frmPlain>(), &a);
    EXPECT_EQ(Forms::find(QStringLiteral("frmPlain")), &a);
    EXPECT_FALSE(a.isLoaded());
    EXPECT_EQ(a.loads, 0);  // getting it does not load it

    Forms::show(a);
    Forms::show(a);
    Forms::load(a);
    EXPECT_TRUE(a.isVisible());
    EXPECT_EQ(a.loads, 1);
    EXPECT_EQ(journal, (QStringList{QStringLiteral("hook load frmPlain"), QStringLiteral("Load frmPlain")}));
}

TEST_F(UiForms, UnloadDestroysAndTheNextUseCreatesAnew) {
    frmPlain& first = Forms::load<frmPlain>();
    QPointer<frmPlain> old(&first);
    first.show();
    ASSERT_TRUE(Forms::unload(first));
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(Forms::find<frmPlain>(), nullptr);
    EXPECT_EQ(journal.mid(2), (QStringList{QStringLiteral("Unload frmPlain"), QStringLiteral("hook unload frmPlain")}));

    frmPlain& second = Forms::load<frmPlain>();
    EXPECT_NE(&second, old.data());
    EXPECT_EQ(second.loads, 1);

    // The unloaded window is destroyed once back in the event loop.
    ASSERT_FALSE(old.isNull());
    QCoreApplication::processEvents();
    EXPECT_TRUE(old.isNull());
}

TEST_F(UiForms, ModalShowReturnsWhenTheWindowHides) {
    int hooked = 0;
    Forms::setModalHook([&](Form& f) {
        ++hooked;
        EXPECT_TRUE(f.isVisible());
        EXPECT_TRUE(f.isShownModal());
        EXPECT_EQ(f.windowModality(), Qt::ApplicationModal);
        f.hide();
    });
    frmPlain& w = Forms::get<frmPlain>();
    Forms::show(w, true);
    EXPECT_EQ(hooked, 1);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(w.isLoaded());  // hidden, not unloaded
    EXPECT_EQ(w.windowModality(), Qt::NonModal);
    EXPECT_EQ(Forms::modalTimeouts(), 0);

    // Shown again: Load does not run again.
    Forms::show(w, true);
    EXPECT_EQ(w.loads, 1);
    EXPECT_EQ(hooked, 2);
}

TEST_F(UiForms, ModalDialogThatUnloadsItselfStillHandsBackItsAnswer) {
    Forms::setModalHook([](Form& f) {
        auto* button = f.findChild<QPushButton*>(QStringLiteral("cOK"));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    });
    frmDialog& dialog = Forms::get<frmDialog>();
    QPointer<frmDialog> guard(&dialog);
    Forms::show(dialog, true);
    // The caller reads the answer after the show, as the windows do.
    ASSERT_FALSE(guard.isNull());
    EXPECT_EQ(dialog.answer, QStringLiteral("valittu"));
    EXPECT_TRUE(dialog.isUnloaded());
    EXPECT_EQ(Forms::find<frmDialog>(), nullptr);
    Forms::collectUnloaded();
    EXPECT_TRUE(guard.isNull());
}

TEST_F(UiForms, ModalShowWithoutHookRunsTheEventLoopUntilHidden) {
    frmPlain& w = Forms::get<frmPlain>();
    QTimer::singleShot(50, &w, [&w] { w.hide(); });  // as the splash window's timer
    Forms::show(w, true);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Forms::modalTimeouts(), 0);
}

TEST_F(UiForms, WindowThatGivesUpInLoadIsNeverShown) {
    int hooked = 0;
    Forms::setModalHook([&](Form&) { ++hooked; });
    frmGivesUp& w = Forms::get<frmGivesUp>();
    Forms::show(w, true);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(w.isUnloaded());
    EXPECT_EQ(hooked, 0);
}

TEST_F(UiForms, RefusedUnloadKeepsTheWindowAndStopsUnloadAll) {
    Forms::show<frmPlain>();
    frmStubborn& stubborn = Forms::show<frmStubborn>();
    Forms::show<frmLast>();
    journal.clear();

    EXPECT_FALSE(Forms::unloadAll());
    // The latest window went first; the refusing one stopped the rest.
    EXPECT_EQ(journal, (QStringList{QStringLiteral("Unload frmLast"), QStringLiteral("hook unload frmLast"),
                                    QStringLiteral("QueryUnload frmStubborn")}));
    EXPECT_EQ(Forms::find<frmLast>(), nullptr);
    EXPECT_EQ(Forms::find<frmStubborn>(), &stubborn);
    EXPECT_TRUE(stubborn.isVisible());
    EXPECT_TRUE(stubborn.isLoaded());
    EXPECT_NE(Forms::find<frmPlain>(), nullptr);

    // The close box takes the same way.
    stubborn.close();
    EXPECT_TRUE(stubborn.isVisible());
    stubborn.refuse = false;
    stubborn.close();
    EXPECT_FALSE(stubborn.isVisible());
    EXPECT_EQ(Forms::find<frmStubborn>(), nullptr);

    EXPECT_TRUE(Forms::unloadAll());
    EXPECT_TRUE(Forms::all().isEmpty());
}

TEST_F(UiForms, CloseBoxOfAModalWindowEndsTheModalShow) {
    Forms::setModalHook([](Form& f) { f.close(); });
    frmPlain& w = Forms::get<frmPlain>();
    QPointer<frmPlain> guard(&w);
    Forms::show(w, true);
    ASSERT_FALSE(guard.isNull());
    EXPECT_TRUE(w.isUnloaded());
    EXPECT_TRUE(journal.contains(QStringLiteral("hook unload frmPlain")));

    // Later modal shows still work (closing did not end the application).
    Forms::setModalHook([](Form& f) { f.hide(); });
    frmLast& next = Forms::get<frmLast>();
    QTimer::singleShot(0, &next, [&next] { next.hide(); });
    Forms::show(next, true);
    EXPECT_FALSE(next.isVisible());
    EXPECT_EQ(Forms::modalTimeouts(), 0);
}

TEST_F(UiForms, ModalShowThatIsNeverEndedTimesOut) {
    Forms::setModalTimeout(100);
    const int before = Forms::modalTimeouts();
    frmPlain& w = Forms::get<frmPlain>();
    Forms::show(w, true);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Forms::modalTimeouts(), before + 1);
}

// Whichever control has the focus, a key of the window's runs the window's
// command and the control does not take it; a disabled command leaves the
// key to the control.
TEST_F(UiForms, TheWindowsKeysWinOverTheControlsOwn) {
    auto& f = Forms::show<frmPlain>();
    auto* layout = new QVBoxLayout(&f);
    auto* text = new QLineEdit(&f);
    auto* combo = new QComboBox(&f);
    combo->setEditable(true);
    auto* notes = new QPlainTextEdit(&f);
    auto* list = new QListWidget(&f);
    QMenu menu;
    QStringList ran;
    QAction* undo = ui::addWindowAction(&menu, &f, QStringLiteral("mPeru"), QStringLiteral("Peru"), Qt::CTRL | Qt::Key_Z);
    QAction* first = ui::addWindowAction(&menu, &f, QStringLiteral("mEnsimmainen"), QString(), Qt::CTRL | Qt::Key_A);
    for (QAction* a : {undo, first}) QObject::connect(a, &QAction::triggered, [&ran, a] { ran << a->objectName(); });
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    auto textOf = [&](QWidget* w) { return w == notes ? notes->toPlainText() : w == combo ? combo->currentText() : text->text(); };
    for (QWidget* control : std::initializer_list<QWidget*>{text, combo, notes, list}) {
        SCOPED_TRACE(control->metaObject()->className());
        layout->addWidget(control);
        control->setFocus();
        QTest::keyClicks(control, QStringLiteral("ab"));
        const QString typed = textOf(control);
        ran.clear();
        QTest::keyClick(control, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(ran, QStringList({"mPeru", "mEnsimmainen"}));
        EXPECT_EQ(textOf(control), typed);  // neither undone nor selected by the control
    }
    undo->setEnabled(false);
    text->setFocus();
    ran.clear();
    QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ran, QStringList());
    EXPECT_EQ(text->text(), QString());  // the text box's own undo
}

}  // namespace
