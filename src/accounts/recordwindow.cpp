#include "accounts/recordwindow.h"

#include "platform/ui/events.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QWidget>
#include <cmath>

namespace accounts::detail {

// ---------------------------------------------------------------- keys

WindowKeys::WindowKeys(QWidget* window) : QObject(window), window_(window) {}

void WindowKeys::add(QAction* action) {
    action->setShortcutContext(Qt::WindowShortcut);
    window_->addAction(action);
    actions_ << action;
}

void WindowKeys::watch(QWidget* control) { control->installEventFilter(this); }

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* e = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(QKeyCombination(e->modifiers() & ~Qt::KeypadModifier, Qt::Key(e->key())));
        for (const QAction* a : actions_) {
            if (a->shortcut() == pressed && a->isEnabled()) {
                // Not taken by the control: the window's shortcut runs.
                event->ignore();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

// ---------------------------------------------------------------- commands

Command MakeCommand(const CommandDef& def, QWidget* buttonParent, QMenu* menu, WindowKeys& keys,
                    std::function<void()> handler) {
    Command c;
    c.button = new QPushButton(QString::fromUtf8(def.caption), buttonParent);
    c.button->setObjectName(QString::fromUtf8(def.buttonName));
    c.button->setToolTip(QString::fromUtf8(def.toolTip));
    c.button->setAutoDefault(false);
    c.action = menu->addAction(QString::fromUtf8(def.menuCaption));
    c.action->setObjectName(QString::fromUtf8(def.actionName));
    if (!def.key.isEmpty()) {
        c.action->setShortcut(def.key);
        keys.add(c.action);
    }
    ui::Events::of(c.button).onClick(handler);
    ui::Events::of(c.action).onClick(std::move(handler));
    return c;
}

// ---------------------------------------------------------------- boxes

QString AsInBox(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

long NumberInBox(const QString& text) {
    // The input filter has left either nothing or a whole number as it
    // reads numbers: digits, perhaps parted by blanks, a sign, perhaps a
    // decimal point or comma with zeros or an exponent.
    const QLocale loc;
    QString plain;
    for (const QChar c : text.trimmed()) {
        if (c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F)) continue;
        if (QString(c) == loc.decimalPoint() || c == QLatin1Char(',')) {
            plain += QLatin1Char('.');
        } else if (c == QChar(0x2212) || QString(c) == loc.negativeSign()) {
            plain += QLatin1Char('-');
        } else if (c.isDigit()) {
            plain += QChar(u'0' + c.digitValue());
        } else {
            plain += c;
        }
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(v) || v != std::nearbyint(v) || v < -2147483648.0 || v > 2147483647.0) return 0;
    return static_cast<long>(v);
}

}  // namespace accounts::detail
