#include "platform/sys/mousecursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace sys {

namespace {

Qt::CursorShape shapeFor(int pointer) {
    switch (pointer) {
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 5:
    case 15: return Qt::SizeAllCursor;
    case 6: return Qt::SizeBDiagCursor;
    case 7: return Qt::SizeVerCursor;
    case 8: return Qt::SizeFDiagCursor;
    case 9: return Qt::SizeHorCursor;
    case 10: return Qt::UpArrowCursor;
    case 11: return Qt::WaitCursor;
    case 12: return Qt::ForbiddenCursor;
    case 13: return Qt::BusyCursor;
    case 14: return Qt::WhatsThisCursor;
    default: return Qt::ArrowCursor;
    }
}

}  // namespace

cMouseCursor::~cMouseCursor() {
    if (pushed_ && qGuiApp) QGuiApplication::restoreOverrideCursor();
}

void cMouseCursor::SetCursor(QWidget* /*widget*/, int pointer) {
    if (!qGuiApp) return;
    if (pointer == kPointerDefault) {
        if (pushed_) QGuiApplication::restoreOverrideCursor();
        pushed_ = false;
        return;
    }
    const QCursor cursor(shapeFor(pointer));
    if (pushed_) {
        QGuiApplication::changeOverrideCursor(cursor);
    } else {
        QGuiApplication::setOverrideCursor(cursor);
        pushed_ = true;
    }
}

}  // namespace sys
