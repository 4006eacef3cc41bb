#pragma once

// The keyboard and the focus as the user has them: keys go to the widget
// with the focus through Qt's own events, and the event loop runs a few
// rounds after a key so that posted work (deferred messages, focus moves)
// is done before the test looks.
//
// A fixture that drives windows by keys derives from Keys, so that its
// tests call these by their short names (settle(), type("12"), enter()).

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace kvtest {

struct Keys {
    // Lets posted work run: rounds of the event loop.
    static void settle(int rounds = 3) {
        for (int i = 0; i < rounds; ++i) QCoreApplication::processEvents();
    }
    // Lays out what waits to be laid out, as Qt does before it paints: the
    // layout requests posted, and those they post in turn for the holders
    // above, until none is left. The event loop may stop between a
    // control's own resize and the layout pass that puts it back in its
    // place (a combo box that fits itself to its items does so on a timer);
    // the screen never shows that, as painting waits for the layouts.
    static void settleLayouts() {
        struct Requests : QObject {
            int delivered = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::LayoutRequest) ++delivered;
                return false;
            }
        } requests;
        qApp->installEventFilter(&requests);
        int rounds = 0;
        do {
            requests.delivered = 0;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        } while (requests.delivered > 0 && ++rounds < 100);
        qApp->removeEventFilter(&requests);
        EXPECT_LT(rounds, 100) << "the layouts do not settle";
    }
    static QWidget* focused() { return QApplication::focusWidget(); }

    // Types text into the widget with the focus, a key a character.
    static void type(const QString& text) {
        for (const QChar ch : text) {
            if (ch.unicode() < 128)
                QTest::keyClick(focused(), char(ch.unicode()));
            else  // letters such as ä, by their key and text
                QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key(ch.toUpper().unicode()), QString(ch),
                                    Qt::NoModifier);
        }
    }
    static void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(focused(), k, m);
        settle();
    }
    static void enter() { key(Qt::Key_Return); }
    static void tab() { key(Qt::Key_Tab); }

    // Puts the focus on a control as a click does; placeFocus does not
    // check that it got there, focusOn does.
    static void placeFocus(QWidget* c) {
        c->setFocus(Qt::MouseFocusReason);
        settle();
    }
    static void focusOn(QWidget* c) {
        placeFocus(c);
        ASSERT_EQ(focused(), c) << c->objectName().toStdString();
    }

    // A left click into a text box, as the mouse gives it: at its left
    // edge, in its middle or at its right end.
    enum class At { LeftEdge, Middle, RightEnd };
    static void clickInto(QWidget* box, At at) {
        if (auto* c = qobject_cast<QComboBox*>(box); c && c->lineEdit()) box = c->lineEdit();
        const QRect r = box->rect();
        const int x = at == At::LeftEdge ? 2 : at == At::Middle ? r.width() / 2 : r.width() - 3;
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(x, r.height() / 2));
        settle();
    }
    static const char* name(At at) {
        return at == At::LeftEdge ? "left edge" : at == At::Middle ? "middle" : "right end";
    }

    // Selects all of a line edit's text, or of an editable combo's.
    static void selectAllOf(QWidget* field) {
        if (auto* e = qobject_cast<QLineEdit*>(field)) e->selectAll();
        if (auto* c = qobject_cast<QComboBox*>(field); c && c->lineEdit()) c->lineEdit()->selectAll();
    }
    // Selects all of the field with the focus and types text over it.
    static void retype(const QString& text) {
        selectAllOf(focused());
        type(text);
    }
    // Selects all of a field that has the focus and types text over it; no
    // text deletes what there was.
    static void overtype(QWidget* field, const QString& text) {
        selectAllOf(field);
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            type(text);
    }
    // Puts the focus on a field, selects all of it and types text over it.
    static void retype(QWidget* field, const QString& text) {
        focusOn(field);
        overtype(field, text);
    }
    // Types text into a control and leaves it with Enter.
    static void fill(QWidget* control, const QString& text) {
        focusOn(control);
        retype(text);
        enter();
    }

    // Replaces a line edit's text as typed keys: the old text selected and
    // deleted, the new one typed.
    static void replaceText(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
};

}  // namespace kvtest
