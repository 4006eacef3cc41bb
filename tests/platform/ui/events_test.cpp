// The event mapping, Enter as Tab, control arrays and twips.

#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "platform/ui/forms.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

using ui::Events;

// A window with a few controls, shown and active.
class Window : public QWidget {
public:
    Window() {
        auto* l = new QVBoxLayout(this);
        for (QLineEdit** e : {&t1, &t2, &t3}) {
            *e = new QLineEdit(this);
            l->addWidget(*e);
        }
        t1->setObjectName(QStringLiteral("tNumero"));
        t2->setObjectName(QStringLiteral("tPvm"));
        t3->setObjectName(QStringLiteral("tSelite"));
        button = new QPushButton(QStringLiteral("Tallenna"), this);
        check = new QCheckBox(QStringLiteral("Avaus"), this);
        combo = new QComboBox(this);
        combo->addItems({QStringLiteral("D"), QStringLiteral("K")});
        label = new QLabel(QStringLiteral("Linkki"), this);
        for (QWidget* w : std::initializer_list<QWidget*>{button, check, combo, label}) l->addWidget(w);
        show();
        activateWindow();
    }
    bool ready() { return QTest::qWaitForWindowActive(this); }

    QLineEdit *t1, *t2, *t3;
    QPushButton* button;
    QCheckBox* check;
    QComboBox* combo;
    QLabel* label;
};

TEST(UiEvents, ChangeFiresForCodeToo_ButNeverRecursesAndCanBeHeldBack) {
    QLineEdit amount;
    int changes = 0;
    Events::of(&amount).onChange([&] {
        ++changes;
        // A filter that repairs its own text, as the amount fields do.
        QString t = amount.text();
        while (!t.isEmpty() && !t.back().isDigit()) t.chop(1);
        amount.setText(t);
    });
    amount.setText(QStringLiteral("12x"));
    EXPECT_EQ(amount.text(), QStringLiteral("12"));
    EXPECT_EQ(changes, 1);
    amount.setText(QStringLiteral("13"));
    EXPECT_EQ(changes, 2);
    {
        ui::ChangeGuard quiet(&amount);
        amount.setText(QStringLiteral("9y"));
    }
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(amount.text(), QStringLiteral("9y"));
    amount.setText(QStringLiteral("9yz"));
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(amount.text(), QStringLiteral("9"));

    // Attaching again replaces the handler.
    int other = 0;
    Events::of(&amount).onChange([&] { ++other; });
    amount.setText(QStringLiteral("1"));
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(other, 1);
}

TEST(UiEvents, ClickOfButtonsChecksCombosLabelsAndMenuItems) {
    Window w;
    ASSERT_TRUE(w.ready());
    QStringList clicks;
    Events::of(w.button).onClick([&] { clicks << QStringLiteral("button"); });
    Events::of(w.check).onClick([&] { clicks << QStringLiteral("check"); });
    Events::of(w.combo).onClick([&] { clicks << QStringLiteral("combo"); });
    Events::of(w.label).onClick([&] { clicks << QStringLiteral("label"); });
    QMenu menu;
    QAction* mSulje = menu.addAction(QStringLiteral("&Sulje"));
    Events::of(mSulje).onClick([&] { clicks << QStringLiteral("menu"); });

    QTest::mouseClick(w.button, Qt::LeftButton);
    w.button->click();
    w.check->setChecked(true);  // a check box's Click comes with a change by code too
    w.combo->setCurrentIndex(1);
    w.combo->setCurrentIndex(1);  // the same index again: no Click
    QTest::mouseClick(w.label, Qt::LeftButton);
    QTest::mouseClick(w.label, Qt::RightButton);
    mSulje->trigger();
    EXPECT_EQ(clicks, (QStringList{QStringLiteral("button"), QStringLiteral("button"), QStringLiteral("check"),
                                   QStringLiteral("combo"), QStringLiteral("label"), QStringLiteral("menu")}));
}

// A list of one choice tells Click once its row is both current and
// selected, whoever made it so; a click on the chosen row again counts, the
// focus alone and the second half of a double click do not.
TEST(UiEvents, AListsClickComesOnceTheClickedRowIsChosen) {
    Window w;
    auto* list = new QListWidget(&w);
    w.layout()->addWidget(list);
    const QStringList rows{QStringLiteral("14.02.2012"), QStringLiteral("13.02.2012"), QStringLiteral("12.02.2012")};
    list->addItems(rows);
    ASSERT_TRUE(w.ready());
    QStringList chosen;
    Events::of(list).onClick([&] {
        const QListWidgetItem* item = list->currentItem();
        chosen << (item && item->isSelected() ? item->text() : QStringLiteral("-"));
    });
    auto at = [&](int row) { return list->visualItemRect(list->item(row)).center(); };
    auto click = [&](int row) {
        return [&, row] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at(row)); };
    };
    auto refocus = [&] {  // the list filled anew, and the focus coming by Tab
        list->clear();
        list->addItems(rows);
        w.combo->setFocus();
        QTest::keyClick(w.combo, Qt::Key_Tab);
    };
    const struct {
        const char* gesture;
        std::function<void()> act;
        QStringList clicks;
    } gestures[] = {
        {"a click on the first row, taking the focus", click(0), {rows[0]}},
        {"a click on another row", click(2), {rows[2]}},
        {"a click on the chosen row", click(2), {rows[2]}},
        {"a double click",  // as the window system gives it
         [&] { QTest::mouseDClick(w.windowHandle(), Qt::LeftButton, {}, list->viewport()->mapTo(&w, at(1))); },
         {rows[1]}},
        {"the Up key", [&] { QTest::keyClick(list, Qt::Key_Up); }, {rows[0]}},
        {"code", [&] { list->setCurrentRow(2); }, {rows[2]}},
        {"the focus alone", refocus, {}},
        {"Space on the current row", [&] { QTest::keyClick(list, Qt::Key_Space); }, {rows[0]}},
    };
    for (const auto& g : gestures) {
        chosen.clear();
        g.act();
        EXPECT_EQ(chosen, g.clicks) << g.gesture;
    }
}

TEST(UiEvents, KeyDownAndKeyPressUseClassicCodesAndMayConsumeOrReplace) {
    Window w;
    ASSERT_TRUE(w.ready());
    w.t1->setFocus();
    QList<QPair<int, int>> downs;
    Events::of(w.t1).onKeyDown([&](int& key, int shift) {
        downs.append({key, shift});
        if (key == 114) key = 0;  // F3 is the window's own command
    });
    Events::of(w.t1).onKeyPress([&](int& ascii) {
        if (ascii == '.') ascii = ',';  // decimal point typed as the Finnish comma
        if (ascii == 'x') ascii = 0;
    });
    QTest::keyClick(w.t1, Qt::Key_F3);
    QTest::keyClick(w.t1, Qt::Key_Return);
    QTest::keyClick(w.t1, Qt::Key_Down, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClicks(w.t1, QStringLiteral("12.5x"));
    EXPECT_EQ(w.t1->text(), QStringLiteral("12,5"));
    // The modifier keys come down first (16 Shift, 17 Ctrl), then the arrow.
    ASSERT_GE(downs.size(), 5);
    EXPECT_EQ(downs[0], qMakePair(114, 0));
    EXPECT_EQ(downs[1], qMakePair(13, 0));
    EXPECT_EQ(downs[2].first, 16);
    EXPECT_EQ(downs[3].first, 17);
    EXPECT_EQ(downs[4], qMakePair(40, 3));
}

TEST(UiEvents, FocusEventsAndEnterAsTab) {
    Window w;
    ASSERT_TRUE(w.ready());
    w.t3->setFocus();
    QStringList seen;
    for (QLineEdit* e : {w.t1, w.t2, w.t3}) {
        Events::of(e)
            .onGotFocus([&seen, e] { seen << QStringLiteral("got ") + e->objectName(); })
            .onLostFocus([&seen, e] { seen << QStringLiteral("lost ") + e->objectName(); })
            .onKeyDown([](int& key, int) { ui::EnterAsTab(key); });
    }
    w.t1->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), w.t1);
    QTest::keyClick(w.t1, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.t2);
    QTest::keyClick(w.t2, Qt::Key_A);  // any other key: the focus stays
    EXPECT_EQ(QApplication::focusWidget(), w.t2);
    EXPECT_EQ(w.t2->text(), QStringLiteral("a"));
    ui::EnterAsTab(13);
    EXPECT_EQ(QApplication::focusWidget(), w.t3);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("lost tSelite"), QStringLiteral("got tNumero"), QStringLiteral("lost tNumero"),
                                 QStringLiteral("got tPvm"), QStringLiteral("lost tPvm"), QStringLiteral("got tSelite")}));

    // Another window taking and giving back the activation is no focus change.
    seen.clear();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(QApplication::focusWidget(), w.t3);
    EXPECT_TRUE(seen.isEmpty()) << seen.join(QLatin1Char(',')).toStdString();
}

TEST(UiEvents, ActivateComesWhenAnotherOfTheProgramsWindowsWasActive) {
    ui::Form a(QStringLiteral("frmA"));
    ui::Form b(QStringLiteral("frmB"));
    int activations = 0;
    Events::of(&a).onActivate([&] { ++activations; });
    a.show();
    a.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
    EXPECT_EQ(activations, 1);
    b.show();
    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    a.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
    EXPECT_EQ(activations, 2);
    // A plain window (such as a message box) in between does not count.
    QWidget box;
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    a.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
    EXPECT_EQ(activations, 2);
}

TEST(UiControls, ControlArraysAreFoundByNameAndIndex) {
    QWidget form;
    QMenu menu(&form);
    for (int i : {10, 2, 0, 1}) {
        auto* b = new QPushButton(&form);
        b->setObjectName(ui::ArrayName(QStringLiteral("cTositePohja"), i));
        menu.addAction(QStringLiteral("Tositepohja"))->setObjectName(ui::ArrayName(QStringLiteral("mTositepohjaX"), i));
    }
    (new QPushButton(&form))->setObjectName(QStringLiteral("cTositePohjat"));

    const auto buttons = ui::ControlArray<QPushButton>(&form, QStringLiteral("cTositePohja"));
    ASSERT_EQ(buttons.size(), 4);
    QList<int> indexes;
    for (const QPushButton* b : buttons) indexes << ui::ArrayIndex(b);
    EXPECT_EQ(indexes, (QList<int>{0, 1, 2, 10}));
    EXPECT_EQ(ui::FindControl<QPushButton>(&form, QStringLiteral("cTositePohja"), 2)->objectName(),
              QStringLiteral("cTositePohja(2)"));
    EXPECT_NE(ui::FindControl<QAction>(&form, QStringLiteral("mTositepohjaX"), 10), nullptr);
    EXPECT_EQ(ui::FindControl<QPushButton>(&form, QStringLiteral("cTositePohja"), 3), nullptr);

    QString base;
    int index = -1;
    EXPECT_TRUE(ui::SplitArrayName(QStringLiteral("lblKuukausi(4)"), &base, &index));
    EXPECT_EQ(base, QStringLiteral("lblKuukausi"));
    EXPECT_EQ(index, 4);
    EXPECT_FALSE(ui::SplitArrayName(QStringLiteral("lblKuukausi"), &base, &index));
    EXPECT_FALSE(ui::SplitArrayName(QStringLiteral("(4)"), &base, &index));
    EXPECT_FALSE(ui::SplitArrayName(QStringLiteral("x(a)"), &base, &index));
}

}  // namespace
