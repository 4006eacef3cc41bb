#include "platform/sys/popuphook.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace sys {

namespace {

const char* const kHookName = "kv_popup_hook";

class PopupFilter : public QObject {
public:
    PopupFilter(QObject* parent, PopupCallback cb) : QObject(parent), callback_(std::move(cb)) {
        setObjectName(QLatin1String(kHookName));
    }
    void setCallback(PopupCallback cb) { callback_ = std::move(cb); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonRelease) return false;
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() != Qt::RightButton) return false;
        // Copy the callback: it may replace or remove this hook while it runs.
        PopupCallback cb = callback_;
        if (cb) cb(me->globalPosition().toPoint());
        return true;
    }

private:
    PopupCallback callback_;
};

}  // namespace

void HookPopupMenu(QWidget* list, PopupCallback callback) {
    if (!list) return;
    auto* filter = dynamic_cast<PopupFilter*>(
        list->findChild<QObject*>(QLatin1String(kHookName), Qt::FindDirectChildrenOnly));
    if (filter) {
        filter->setCallback(std::move(callback));
        return;
    }
    filter = new PopupFilter(list, std::move(callback));
    list->installEventFilter(filter);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(list)) {
        if (area->viewport()) area->viewport()->installEventFilter(filter);
    }
}

}  // namespace sys
