#include "platform/ui/events.h"

#include "platform/ui/forms.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextEdit>

namespace ui {

namespace {

const char* const kEventsName = "kv_events";

UnhandledErrorHandler& errorHandler() {
    static UnhandledErrorHandler h;
    return h;
}

void report(const QString& where, std::exception_ptr error) {
    if (errorHandler()) {
        errorHandler()(where, error);
        return;
    }
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        qCritical("unhandled error in %s: %s", qPrintable(where), e.what());
    } catch (...) {
        // Not a standard exception: only where it happened can be logged.
        qCritical("unhandled error in %s", qPrintable(where));
    }
}

// Character code of a key event for KeyPress; 0 when it types nothing.
int charOf(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab: return 9;
    default: break;
    }
    const QString t = e->text();
    return t.isEmpty() ? 0 : t.at(0).unicode();
}

// Where the mouse meets a control's text: a line edit itself, an editable
// combo's line edit, a text edit's viewport; nullptr for other controls.
QWidget* textSurfaceOf(QObject* control) {
    if (auto* e = qobject_cast<QLineEdit*>(control)) return e;
    if (auto* c = qobject_cast<QComboBox*>(control)) return c->lineEdit();
    if (auto* t = qobject_cast<QTextEdit*>(control)) return t->viewport();
    if (auto* p = qobject_cast<QPlainTextEdit*>(control)) return p->viewport();
    return nullptr;
}

// Whether some of a control's text is selected.
bool hasSelectedText(QObject* control) {
    if (auto* c = qobject_cast<QComboBox*>(control)) return c->lineEdit() && c->lineEdit()->hasSelectedText();
    if (auto* e = qobject_cast<QLineEdit*>(control)) return e->hasSelectedText();
    if (auto* t = qobject_cast<QTextEdit*>(control)) return t->textCursor().hasSelection();
    if (auto* p = qobject_cast<QPlainTextEdit*>(control)) return p->textCursor().hasSelection();
    return false;
}

// The row a list of one choice has chosen: the current row when it is
// selected too, or in a list without selection; none otherwise.
QModelIndex chosenRow(const QAbstractItemView* view) {
    const QModelIndex current = view->currentIndex();
    if (!current.isValid() || view->selectionMode() == QAbstractItemView::NoSelection) return current;
    return view->selectionModel() && view->selectionModel()->isSelected(current) ? current : QModelIndex();
}

}  // namespace

int ShiftOf(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier) s |= 1;
    if (m & Qt::ControlModifier) s |= 2;
    if (m & Qt::AltModifier) s |= 4;
    return s;
}

int KeyCodeOf(const QKeyEvent* e) {
    const int key = e->key();
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;  // 48..57
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // 65..90
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Clear: return 12;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Help: return 47;
    case Qt::Key_Asterisk: return keypad ? 106 : 0;
    case Qt::Key_Plus: return keypad ? 107 : 187;
    case Qt::Key_Minus: return keypad ? 109 : 189;
    case Qt::Key_Period: return keypad ? 110 : 190;
    case Qt::Key_Comma: return keypad ? 110 : 188;
    case Qt::Key_Slash: return keypad ? 111 : 0;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    default: return 0;
    }
}

void SetUnhandledErrorHandler(UnhandledErrorHandler handler) { errorHandler() = std::move(handler); }

// ---------------------------------------------------------------- Events

Events::Events(QObject* control) : QObject(control), control_(control) {
    setObjectName(QLatin1String(kEventsName));
}

Events& Events::of(QObject* control) {
    Q_ASSERT(control);
    if (auto* e = control->findChild<Events*>(QLatin1String(kEventsName), Qt::FindDirectChildrenOnly)) {
        return *e;
    }
    return *new Events(control);
}

void Events::run(const Handler& h, const char* what) {
    if (!h) return;
    try {
        h();
    } catch (...) {
        // An error that a handler let escape is reported (not raised into Qt's
        // event loop).
        report(control_->objectName() + QLatin1Char(' ') + QLatin1String(what), std::current_exception());
    }
}

void Events::runChange() {
    if (!change_ || inChange_ || changeSuppressed_ > 0) return;
    inChange_ = true;
    QPointer<Events> self(this);
    run(change_, "Change");
    if (self) inChange_ = false;
}

void Events::watch() {
    if (watching_) return;
    auto* w = qobject_cast<QWidget*>(control_);
    if (!w) return;
    watching_ = true;
    w->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
        if (area->viewport()) area->viewport()->installEventFilter(this);
    }
    if (w->focusProxy()) w->focusProxy()->installEventFilter(this);
    // An editable combo's text takes the clicks on it, while the focus
    // events come to the combo.
    if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) c->lineEdit()->installEventFilter(this);
}

bool Events::mouseClickWanted() const {
    // Controls with a click of their own are wired to their signals instead.
    return click_ && !qobject_cast<QAbstractButton*>(control_) && !qobject_cast<QComboBox*>(control_) &&
           !qobject_cast<QAbstractItemView*>(control_);
}

// A list of one choice has chosen a row when that row is both current and
// selected (in a list without selection, when it is current). Qt makes the
// two in either order: a mouse press makes the row current first and
// selects it after, the keys and code select first; the focus coming into a
// list makes its first row current alone. Click runs once the two meet on a
// row other than the one last chosen. A list of several selected rows
// chooses with every change of its selection.
void Events::listChoiceMoved(bool selectionChanged) {
    auto* view = qobject_cast<QAbstractItemView*>(control_);
    if (!view) return;
    const auto mode = view->selectionMode();
    if (mode == QAbstractItemView::MultiSelection || mode == QAbstractItemView::ExtendedSelection) {
        if (selectionChanged) fireListClick();
        return;
    }
    const QModelIndex chosen = chosenRow(view);
    if (!chosen.isValid()) listChoice_ = QPersistentModelIndex();
    if (chosen.isValid() && chosen != listChoice_) fireListClick();
}

// A click released on a row: when its press chose nothing new (the row was
// chosen already, or the click took the selection away), the click itself
// is the Click.
void Events::listClicked() {
    if (!listClickFired_) fireListClick();
}

void Events::fireListClick() {
    listClickFired_ = true;
    if (auto* view = qobject_cast<QAbstractItemView*>(control_)) listChoice_ = chosenRow(view);
    run(click_, "Click");
}

Events& Events::onClick(Handler h) {
    click_ = std::move(h);
    if (clickConnected_) return *this;
    clickConnected_ = true;
    auto fire = [this] { run(click_, "Click"); };
    if (auto* a = qobject_cast<QAction*>(control_)) {
        connect(a, &QAction::triggered, this, fire);
    } else if (auto* c = qobject_cast<QCheckBox*>(control_)) {
        connect(c, &QCheckBox::stateChanged, this, fire);
    } else if (auto* r = qobject_cast<QRadioButton*>(control_)) {
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on) run(click_, "Click");
        });
    } else if (auto* b = qobject_cast<QAbstractButton*>(control_)) {
        connect(b, &QAbstractButton::clicked, this, fire);
    } else if (auto* cb = qobject_cast<QComboBox*>(control_)) {
        connect(cb, &QComboBox::currentIndexChanged, this, fire);
    } else if (auto* lw = qobject_cast<QListWidget*>(control_)) {
        // The list widget's own signals, so that a QSignalBlocker on the list
        // keeps its filling by code quiet.
        connect(lw, &QListWidget::itemSelectionChanged, this, [this] { listChoiceMoved(true); });
        connect(lw, &QListWidget::currentRowChanged, this, [this] { listChoiceMoved(false); });
        connect(lw, &QAbstractItemView::clicked, this, [this] { listClicked(); });
        watch();
    } else if (auto* view = qobject_cast<QAbstractItemView*>(control_)) {
        if (QItemSelectionModel* sm = view->selectionModel()) {
            connect(sm, &QItemSelectionModel::selectionChanged, this, [this] { listChoiceMoved(true); });
            connect(sm, &QItemSelectionModel::currentChanged, this, [this] { listChoiceMoved(false); });
        }
        connect(view, &QAbstractItemView::clicked, this, [this] { listClicked(); });
        watch();
    } else {
        watch();
    }
    return *this;
}

Events& Events::onDblClick(Handler h) {
    dblClick_ = std::move(h);
    watch();
    return *this;
}

Events& Events::onChange(Handler h) {
    change_ = std::move(h);
    if (changeConnected_) return *this;
    changeConnected_ = true;
    auto fire = [this] { runChange(); };
    if (auto* le = qobject_cast<QLineEdit*>(control_)) {
        connect(le, &QLineEdit::textChanged, this, fire);
    } else if (auto* te = qobject_cast<QTextEdit*>(control_)) {
        connect(te, &QTextEdit::textChanged, this, fire);
    } else if (auto* pe = qobject_cast<QPlainTextEdit*>(control_)) {
        connect(pe, &QPlainTextEdit::textChanged, this, fire);
    } else if (auto* cb = qobject_cast<QComboBox*>(control_)) {
        connect(cb, &QComboBox::editTextChanged, this, fire);
    } else if (auto* sl = qobject_cast<QAbstractSlider*>(control_)) {
        connect(sl, &QAbstractSlider::valueChanged, this, fire);
    } else if (auto* sb = qobject_cast<QSpinBox*>(control_)) {
        connect(sb, &QSpinBox::valueChanged, this, fire);
    } else if (auto* ds = qobject_cast<QDoubleSpinBox*>(control_)) {
        connect(ds, &QDoubleSpinBox::valueChanged, this, fire);
    } else if (auto* dt = qobject_cast<QDateTimeEdit*>(control_)) {
        connect(dt, &QDateTimeEdit::dateTimeChanged, this, fire);
    }
    return *this;
}

Events& Events::onGotFocus(Handler h) {
    gotFocus_ = std::move(h);
    watch();
    return *this;
}

Events& Events::onLostFocus(Handler h) {
    lostFocus_ = std::move(h);
    watch();
    return *this;
}

Events& Events::onKeyDown(KeyDownHandler h) {
    keyDown_ = std::move(h);
    watch();
    return *this;
}

Events& Events::onKeyPress(KeyPressHandler h) {
    keyPress_ = std::move(h);
    watch();
    return *this;
}

Events& Events::onActivate(Handler h) {
    activate_ = std::move(h);
    if (auto* f = qobject_cast<Form*>(control_)) {
        if (!activateConnected_) {
            activateConnected_ = true;
            connect(f, &Form::activated, this, [this] { run(activate_, "Activate"); });
        }
    } else {
        watch();
    }
    return *this;
}

Events& Events::onResize(Handler h) {
    resize_ = std::move(h);
    watch();
    return *this;
}

bool Events::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton) pressedInside_ = true;
        // A list's click begins: what it chooses is yet to come.
        listClickFired_ = false;
        // The press of the click that gave the focus would put the cursor
        // where it landed and drop the selection GotFocus made; the text box
        // does not see it (nor the click's moves and release). A press
        // elsewhere on the control (a combo's arrow) does its own work.
        const bool keep = keepSelection_ && me->button() == Qt::LeftButton && watched == textSurfaceOf(control_);
        keepSelection_ = false;
        if (keep) {
            swallowingClick_ = true;
            return true;
        }
        break;
    }
    case QEvent::MouseMove:
        if (swallowingClick_) return true;
        break;
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() != Qt::LeftButton) break;
        const bool wasPressed = pressedInside_;
        pressedInside_ = false;
        auto* w = qobject_cast<QWidget*>(watched);
        QPointer<Events> self(this);
        if (wasPressed && w && w->rect().contains(me->position().toPoint()) && mouseClickWanted()) {
            run(click_, "Click");
        }
        if (!self) return true;
        if (swallowingClick_) {
            swallowingClick_ = false;
            return true;
        }
        break;
    }
    case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton) run(dblClick_, "DblClick");
        break;
    }
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const bool parked = focusParked_;
        focusParked_ = false;
        if ((reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) && parked) break;
        QPointer<Events> self(this);
        run(gotFocus_, "GotFocus");
        if (!self) return true;
        keepSelection_ = reason == Qt::MouseFocusReason && hasSelectedText(control_);
        break;
    }
    case QEvent::FocusOut: {
        keepSelection_ = false;
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
            focusParked_ = true;
            break;
        }
        run(lostFocus_, "LostFocus");
        break;
    }
    case QEvent::KeyPress:
        keepSelection_ = false;
        if (resending_) break;
        return keyPressed(watched, static_cast<QKeyEvent*>(event));
    case QEvent::WindowActivate:
        if (watched == control_ && !qobject_cast<Form*>(control_)) run(activate_, "Activate");
        break;
    case QEvent::Resize:
        if (watched == control_) run(resize_, "Resize");
        break;
    default:
        break;
    }
    return false;
}

// KeyDown, then KeyPress, of a key pressed on the control; true when a
// handler took the key (or typed another character in its place).
bool Events::keyPressed(QObject* watched, QKeyEvent* ke) {
    QPointer<Events> self(this);
    if (keyDown_) {
        int code = KeyCodeOf(ke);
        if (code == 0) code = ke->key() < 256 ? ke->key() : 0;
        if (code != 0) {
            try {
                keyDown_(code, ShiftOf(ke->modifiers()));
            } catch (...) {
                // As in run(): reported, not raised into Qt's event loop.
                report(control_->objectName() + QLatin1String(" KeyDown"), std::current_exception());
            }
            if (!self) return true;
            if (code == 0) return true;
        }
    }
    if (keyPress_) {
        const int original = charOf(ke);
        if (original != 0) {
            int ascii = original;
            try {
                keyPress_(ascii);
            } catch (...) {
                // As in run(): reported, not raised into Qt's event loop.
                report(control_->objectName() + QLatin1String(" KeyPress"), std::current_exception());
            }
            if (!self) return true;
            if (ascii == 0) return true;
            if (ascii != original) {
                // Type the replacement character instead.
                const QString text(QChar(static_cast<char16_t>(ascii)));
                QKeyEvent replacement(QEvent::KeyPress, 0, ke->modifiers(), text);
                resending_ = true;
                QCoreApplication::sendEvent(watched, &replacement);
                if (self) resending_ = false;
                return true;
            }
        }
    }
    return false;
}

// ---------------------------------------------------------------- ChangeGuard

ChangeGuard::ChangeGuard(QObject* control) : events_(control ? &Events::of(control) : nullptr) {
    if (events_) ++events_->changeSuppressed_;
}

ChangeGuard::~ChangeGuard() {
    if (events_) --events_->changeSuppressed_;
}

}  // namespace ui
