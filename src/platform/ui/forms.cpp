#include "platform/ui/forms.h"

#include "platform/ui/placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QHideEvent>
#include <QKeyEvent>
#include <QThread>
#include <QTimer>
#include <exception>
#include <vector>

namespace ui {

namespace {

struct Entry {
    std::type_index type;
    Form* form;
};

struct Registry {
    std::vector<Entry> entries;              // creation order
    std::vector<QPointer<Form>> unloaded;    // waiting to be destroyed
    Forms::FormHook loadHook;
    Forms::FormHook unloadHook;
    Forms::FormHook modalHook;
    int modalTimeoutMs = 0;
    int modalTimeouts = 0;
    int modalDepth = 0;       // modal shows in progress
    bool ending = false;      // unloadAll is running
    bool reapScheduled = false;
    QPointer<Form> lastActive;
};

Registry& reg() {
    static Registry r;
    return r;
}

void runHook(const Forms::FormHook& hook, Form& form, const char* what) {
    if (!hook) return;
    try {
        hook(form);
    } catch (const std::exception& e) {
        qWarning("%s hook of %s failed: %s", what, qPrintable(form.objectName()), e.what());
    } catch (...) {
        // As above: a hook only places and translates; the window goes on.
        qWarning("%s hook of %s failed", what, qPrintable(form.objectName()));
    }
}

void reap();

void scheduleReap(int delayMs) {
    Registry& r = reg();
    if (r.reapScheduled || !QCoreApplication::instance()) return;
    r.reapScheduled = true;
    QTimer::singleShot(delayMs, QCoreApplication::instance(), &reap);
}

// Destroys unloaded windows once no modal show or nested event loop is in
// progress: then no handler of theirs can still be on the stack.
void reap() {
    Registry& r = reg();
    r.reapScheduled = false;
    if (r.unloaded.empty()) return;
    if (r.modalDepth > 0 || QThread::currentThread()->loopLevel() > 1) {
        scheduleReap(100);
        return;
    }
    Forms::collectUnloaded();
}

// True when the key is the shortcut of one of the window's own commands:
// an enabled action of the window whose key belongs to the whole window.
bool isWindowKey(const QWidget& window, const QKeyEvent& e) {
    const QKeySequence pressed(QKeyCombination(e.modifiers() & ~Qt::KeypadModifier, Qt::Key(e.key())));
    for (const QAction* a : window.actions()) {
        const Qt::ShortcutContext context = a->shortcutContext();
        if (!a->isEnabled() || context == Qt::WidgetShortcut || context == Qt::WidgetWithChildrenShortcut) continue;
        if (a->shortcuts().contains(pressed)) return true;
    }
    return false;
}

// Before Qt runs a shortcut it asks the control with the focus whether the
// control takes the key itself (a text box takes Ctrl+Z and Ctrl+A, a list
// Ctrl+A). In a window of the program the window's own keys are not the
// control's to take: the question is answered no for them, and the
// window's command runs.
class WindowKeysFirst : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        const auto* control = qobject_cast<QWidget*>(watched);
        const auto* window = control ? qobject_cast<Form*>(control->window()) : nullptr;
        if (!window || !isWindowKey(*window, *static_cast<QKeyEvent*>(event))) return false;
        event->ignore();
        return true;
    }
};

void letWindowKeysWin() {
    static QPointer<WindowKeysFirst> filter;
    QCoreApplication* app = QCoreApplication::instance();
    if (filter || !app) return;
    filter = new WindowKeysFirst(app);
    app->installEventFilter(filter);
}

}  // namespace

// ---------------------------------------------------------------- Form

Form::Form(const QString& name, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(name);
    letWindowKeysWin();
}

Form::~Form() { Forms::remove(this); }

void Form::closeEvent(QCloseEvent* event) {
    // The close box unloads the window the same way the program does. The
    // event itself is always declined: the window is hidden by the unload,
    // and Qt's own close handling is not wanted.
    event->ignore();
    if (isUnloaded()) return;
    try {
        Forms::unload(*this);
    } catch (const std::exception& e) {
        qWarning("closing %s failed: %s", qPrintable(objectName()), e.what());
    } catch (...) {
        // As above: the window stays open; Qt's close must not raise.
        qWarning("closing %s failed", qPrintable(objectName()));
    }
}

void Form::setVisible(bool visible) {
    if (visible && !isVisible()) FitOnScreen(this);
    QWidget::setVisible(visible);
}

void Form::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) Q_EMIT hidden();
}

bool Form::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Registry& r = reg();
        const bool fromOther = r.lastActive != this;
        r.lastActive = this;
        if (fromOther) Q_EMIT activated();
    }
    return QWidget::event(event);
}

// ---------------------------------------------------------------- Forms

Form* Forms::findType(std::type_index type) {
    for (const Entry& e : reg().entries) {
        if (e.type == type) return e.form;
    }
    return nullptr;
}

Form* Forms::find(const QString& name) {
    for (const Entry& e : reg().entries) {
        if (e.form->objectName() == name) return e.form;
    }
    return nullptr;
}

void Forms::add(std::type_index type, Form* form) { reg().entries.push_back({type, form}); }

void Forms::remove(Form* form) {
    auto& entries = reg().entries;
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it->form == form) {
            entries.erase(it);
            return;
        }
    }
}

QList<Form*> Forms::all() {
    QList<Form*> out;
    for (const Entry& e : reg().entries) out << e.form;
    return out;
}

void Forms::load(Form& form) {
    if (form.state_ != Form::State::Created) return;
    form.state_ = Form::State::Loading;
    QPointer<Form> guard(&form);
    runHook(reg().loadHook, form, "load");
    if (!guard || form.state_ != Form::State::Loading) return;
    try {
        form.Load();
    } catch (...) {
        // The window counts as loaded (it can be unloaded), and the failure
        // goes on to the caller.
        if (guard && form.state_ == Form::State::Loading) form.state_ = Form::State::Loaded;
        throw;
    }
    if (guard && form.state_ == Form::State::Loading) form.state_ = Form::State::Loaded;
}

void Forms::show(Form& form, bool modal) {
    if (form.isUnloaded()) return;
    QPointer<Form> guard(&form);
    load(form);
    if (!guard || !form.isLoaded()) return;

    if (!modal || form.modalDepth_ > 0) {
        form.show();
        form.raise();
        form.activateWindow();
        return;
    }

    Registry& r = reg();
    // Modality can only be given to a hidden window.
    if (form.isVisible()) form.hide();
    form.setWindowModality(Qt::ApplicationModal);
    ++form.modalDepth_;
    ++r.modalDepth;

    QEventLoop loop;
    QObject::connect(&form, &Form::hidden, &loop, &QEventLoop::quit);
    QObject::connect(&form, &QObject::destroyed, &loop, &QEventLoop::quit);
    QTimer limit;
    if (r.modalTimeoutMs > 0) {
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, &loop, [&r, guard] {
            ++r.modalTimeouts;
            if (guard) {
                qWarning("modal show of %s timed out", qPrintable(guard->objectName()));
                guard->hide();
            }
        });
        limit.start(r.modalTimeoutMs);
    }

    auto finish = [&] {
        --r.modalDepth;
        if (guard) {
            --form.modalDepth_;
            if (form.isHidden()) form.setWindowModality(Qt::NonModal);
        }
        if (!r.unloaded.empty()) scheduleReap(0);
    };

    try {
        form.show();
        form.raise();
        form.activateWindow();
        if (r.modalHook && guard && form.isVisible()) r.modalHook(form);
        if (guard && form.isVisible()) loop.exec();
    } catch (...) {
        // The modal state ends, and the failure goes on to the caller.
        finish();
        throw;
    }
    finish();
}

bool Forms::unload(Form& form) {
    if (form.isUnloaded()) return true;
    QPointer<Form> guard(&form);
    const Form::State before = form.state_;
    if (before != Form::State::Created) {
        form.state_ = Form::State::Unloading;
        try {
            if (!form.QueryUnload()) {
                if (guard) form.state_ = before;
                return false;
            }
            form.Unload();
        } catch (...) {
            // The window stays as it was, and the failure goes on to the caller.
            if (guard) form.state_ = before;
            throw;
        }
        if (!guard) return true;
        runHook(reg().unloadHook, form, "unload");
        if (!guard) return true;
    }
    form.state_ = Form::State::Unloaded;
    remove(&form);
    form.hide();
    if (form.isHidden()) form.setWindowModality(Qt::NonModal);
    reg().unloaded.push_back(guard);
    scheduleReap(0);
    return true;
}

bool Forms::unloadAll() {
    std::vector<QPointer<Form>> forms;
    for (const Entry& e : reg().entries) forms.emplace_back(e.form);
    Registry& r = reg();
    const bool wasEnding = r.ending;
    r.ending = true;
    struct Restore {
        Registry& r;
        bool was;
        ~Restore() { r.ending = was; }
    } restore{r, wasEnding};
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        if (*it && !unload(**it)) return false;
    }
    return true;
}

bool Forms::isEnding() { return reg().ending; }

Form* Forms::storePendingEdits(QString* error, PastRefusals past) {
    std::vector<QPointer<Form>> forms;
    for (const Entry& e : reg().entries) forms.emplace_back(e.form);
    Form* refused = nullptr;
    for (const QPointer<Form>& f : forms) {
        if (!f || !f->isLoaded()) continue;
        bool stored = false;
        QString raised;
        try {
            stored = f->StorePendingEdits();
        } catch (const std::exception& e) {
            raised = QString::fromUtf8(e.what());
        } catch (...) {
            // stored stays false: the window is named to the user, without a
            // reason to give.
        }
        if (stored || !f || refused) continue;
        refused = f;
        if (error) *error = raised;
        if (past == PastRefusals::Stop) break;
    }
    return refused;
}

void Forms::readBookAgain() {
    std::vector<QPointer<Form>> forms;
    for (const Entry& e : reg().entries) forms.emplace_back(e.form);
    for (const QPointer<Form>& f : forms) {
        if (!f || !f->isLoaded()) continue;
        try {
            f->ReadBookAgain();
        } catch (const std::exception& e) {
            qWarning("%s could not read the book again: %s", qPrintable(f->objectName()), e.what());
        } catch (...) {
            // As above: logged, and the other windows read the book all the same.
            qWarning("%s could not read the book again", qPrintable(f->objectName()));
        }
    }
}

void Forms::setLoadHook(FormHook hook) { reg().loadHook = std::move(hook); }
void Forms::setUnloadHook(FormHook hook) { reg().unloadHook = std::move(hook); }
void Forms::setModalHook(FormHook hook) { reg().modalHook = std::move(hook); }
void Forms::setModalTimeout(int ms) { reg().modalTimeoutMs = ms; }
int Forms::modalTimeouts() { return reg().modalTimeouts; }

void Forms::collectUnloaded() {
    std::vector<QPointer<Form>> dead;
    dead.swap(reg().unloaded);
    for (const QPointer<Form>& f : dead) delete f.data();
}

void Forms::destroyAll() {
    std::vector<Form*> forms;
    for (const Entry& e : reg().entries) forms.push_back(e.form);
    reg().entries.clear();
    for (Form* f : forms) delete f;
    collectUnloaded();
}

}  // namespace ui
