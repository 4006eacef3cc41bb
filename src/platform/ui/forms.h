#pragma once

// The program's windows and their registry.
//
// Every window is a class derived from Form: a top-level widget whose
// objectName is the window's name ("frmMain"). The constructor builds the
// controls; Load() runs once per instance, the first time the window is
// loaded or shown; QueryUnload() may refuse to let the window go; Unload()
// runs as it goes.
//
// Forms keeps one instance per window class: Forms::get<T>() creates it on
// first use and returns the same one until the window is unloaded; after
// Forms::unload the next get creates a new instance. An unloaded window is
// hidden at once and destroyed later, when no code of it can be running
// (back in the main event loop, or at collectUnloaded()), so a caller may
// still read a window's public members right after a modal show during
// which the window unloaded itself.
//
// Closing a window with its close box takes the same path as
// Forms::unload. Qt's "quit on last window closed" is not triggered by that;
// the program ends its run itself.
//
// A window's keys are its own: a key that is the shortcut of one of the
// window's actions (QWidget::addAction, as ui::addWindowAction adds them)
// runs that action whichever control of the window has the focus, also
// where the control would take the key itself (a text box's Ctrl+Z or
// Ctrl+A, a list's Ctrl+A). A disabled action leaves the key to the
// control.
//
// Some commands close the book or rewrite its tables while windows are open
// on it. Before such a command every window stores what has been typed and
// not yet stored (StorePendingEdits), and after it every window reads the
// book again (ReadBookAgain); Forms::storePendingEdits and
// Forms::readBookAgain ask every loaded window in turn.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <typeindex>
#include <type_traits>

namespace ui {

class Form : public QWidget {
    Q_OBJECT
public:
    // name: the window's name (its objectName).
    explicit Form(const QString& name, QWidget* parent = nullptr);
    ~Form() override;

    bool isLoaded() const { return state_ == State::Loading || state_ == State::Loaded; }
    bool isUnloaded() const { return state_ == State::Unloading || state_ == State::Unloaded; }
    bool isShownModal() const { return modalDepth_ > 0; }

    // Before a command closes the book or rewrites its tables: stores what
    // has been typed and not yet stored, the way leaving the record does.
    // False (after telling the user why) or an error raised when that could
    // not be done; the command is then not run.
    virtual bool StorePendingEdits() { return true; }
    // After such a command: reads the book again and shows it as it now
    // is. Nothing read before the command may be written back.
    virtual void ReadBookAgain() {}
    // A window coming onto the screen - shown by the registry, by a caller
    // or by itself in its Load - is first fitted into the screen's
    // available area (placement.h).
    void setVisible(bool visible) override;

Q_SIGNALS:
    // The window was hidden (by the program, not by being minimised).
    void hidden();
    // The window became the program's active window, coming from another
    // of the program's windows (or shown for the first time). Returning from
    // a message box or from another program does not count.
    void activated();

protected:
    // Runs once per instance, when the window is first loaded or shown, after
    // the program-wide load hook.
    virtual void Load() {}
    // Asked before the window unloads; false keeps it loaded.
    virtual bool QueryUnload() { return true; }
    // Runs as the window unloads, before the program-wide unload hook.
    virtual void Unload() {}

    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class Forms;
    enum class State { Created, Loading, Loaded, Unloading, Unloaded };
    State state_ = State::Created;
    int modalDepth_ = 0;
};

class Forms {
public:
    using FormHook = std::function<void(Form&)>;

    // The instance of window class T, created (not loaded) when there is none.
    template <class T>
    static T& get() {
        static_assert(std::is_base_of_v<Form, T>, "windows derive from ui::Form");
        if (Form* f = findType(typeid(T))) return static_cast<T&>(*f);
        T* f = new T();
        add(typeid(T), f);
        return *f;
    }

    // The instance of T when there is one, else nullptr.
    template <class T>
    static T* find() {
        return static_cast<T*>(findType(typeid(T)));
    }

    // The instance whose window name is name, else nullptr.
    static Form* find(const QString& name);

    // get<T>() and make sure it is loaded.
    template <class T>
    static T& load() {
        T& f = get<T>();
        load(f);
        return f;
    }

    // Runs the program-wide load hook and the window's Load(), once per
    // instance. Nothing happens for a window that is loaded or unloaded.
    static void load(Form& form);

    // Loads the window if needed and shows it. A modal show returns when the
    // window hides (or unloads); while it lasts the other windows take no
    // input. Nothing is shown when the window unloaded itself while loading.
    static void show(Form& form, bool modal = false);
    template <class T>
    static T& show(bool modal = false) {
        T& f = get<T>();
        show(f, modal);
        return f;
    }

    // Unloads the window: QueryUnload (false: the window stays, and false is
    // returned), Unload, the program-wide unload hook, then it is hidden and
    // taken out of the registry. True also for a window already unloaded.
    static bool unload(Form& form);
    template <class T>
    static bool unload() {
        T* f = find<T>();
        return f ? unload(*f) : true;
    }

    // Unloads every window, the latest created first; stops at the first
    // that refuses and returns false then. While it runs, isEnding() is
    // true: a window may still ask the user, but must not refuse to go
    // unless the user so answers.
    static bool unloadAll();
    static bool isEnding();

    // StorePendingEdits of every loaded window, in the order they were
    // created, until one cannot store (or, with GoOn, past it to the
    // last): the first that could not is returned (nullptr when every
    // window stored what it held), and the text of the error it raised, if
    // any, goes to error.
    enum class PastRefusals { Stop, GoOn };
    static Form* storePendingEdits(QString* error = nullptr, PastRefusals past = PastRefusals::Stop);
    // ReadBookAgain of every loaded window. An error one of them raises is
    // reported as a warning, and the others still read.
    static void readBookAgain();

    // The windows the registry holds, in the order they were created.
    static QList<Form*> all();

    // Program-wide hooks: run for every window as it loads (before its
    // Load) and as it unloads (after its Unload). Errors they raise are
    // reported as warnings and do not stop the load or the unload.
    static void setLoadHook(FormHook hook);
    static void setUnloadHook(FormHook hook);

    // Tests: runs against a window right after it has been shown modally,
    // before the modal show waits (to press its buttons, type into it).
    static void setModalHook(FormHook hook);
    // Tests: a modal show that lasts longer than ms is ended by hiding the
    // window (0 = no limit); modalTimeouts() counts such endings.
    static void setModalTimeout(int ms);
    static int modalTimeouts();

    // Destroys the windows that have been unloaded (normally done by itself
    // once back in the main event loop).
    static void collectUnloaded();

    // Tests and program end: destroys every window at once, without any
    // unload handling, and empties the registry.
    static void destroyAll();

private:
    friend class Form;
    static Form* findType(std::type_index type);
    static void add(std::type_index type, Form* form);
    static void remove(Form* form);
};

}  // namespace ui
