#include "accounts/recordwindow.h"

#include "platform/ui/controls.h"
#include "platform/ui/events.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

namespace accounts::detail {

// ---------------------------------------------------------------- commands

Command MakeCommand(const CommandDef& def, QWidget* window, QMenu* menu, std::function<void()> handler) {
    Command c;
    c.button = new QPushButton(QString::fromUtf8(def.caption), window);
    c.button->setObjectName(QString::fromUtf8(def.buttonName));
    c.button->setToolTip(QString::fromUtf8(def.toolTip));
    c.button->setAutoDefault(false);
    c.action = ui::addWindowAction(menu, window, QString::fromUtf8(def.actionName), QString::fromUtf8(def.menuCaption),
                                   def.key);
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

}  // namespace accounts::detail
