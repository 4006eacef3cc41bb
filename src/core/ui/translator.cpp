#include "core/ui/translator.h"

#include "core/globals.h"
#include "platform/sys/apppath.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

namespace core {

namespace {

// Objects Qt makes inside its own widgets (scroll-area viewports, the
// stacked pages of a tab widget, extension buttons) carry names that begin
// so; they are not controls of the window, though the controls a window
// puts on them are.
bool isQtInternal(const QObject* o) { return o->objectName().startsWith(QLatin1String("qt_")); }

// The controls that hold no controls of the window inside them.
bool holdsControls(const QWidget* w) {
    if (qobject_cast<const QScrollArea*>(w)) return true;
    return !(qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QComboBox*>(w) ||
             qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
             qobject_cast<const QToolBar*>(w) || qobject_cast<const QTabBar*>(w) ||
             qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
             qobject_cast<const QAbstractSlider*>(w) || qobject_cast<const QProgressBar*>(w));
}

bool taggedNoTrl(const QWidget* w) {
    return w->property("Tag").toString().contains(QLatin1String("NoTrl"), Qt::CaseInsensitive);
}

// True when the action's tooltip is the one Qt derives from its text (no
// tooltip of its own was set): it then follows the translated text.
bool derivedToolTip(const QAction* a) {
    QAction probe;
    probe.setText(a->text());
    return a->toolTip() == probe.toolTip();
}

}  // namespace

// ---------------------------------------------------------------- TranslateError

TranslateError::TranslateError(std::uint32_t number, const QString& description, const QString& source)
    : std::runtime_error(description.toStdString()), number_(number), description_(description), source_(source) {}

// ---------------------------------------------------------------- cLanguageTranslator

QString cLanguageTranslator::TranslateStr(const QString& section, const QString& text) {
    if (text.isEmpty() || path_.isEmpty()) return text;
    ini_.FileName(path_);
    ini_.Section(section);
    return lookUp(text);
}

// Looks text up in the selected section. A missing or empty translation
// gives text back and leaves the key in the file with an empty value (the
// ini component writes only when the line is not there yet; a file that
// cannot be written is not an error here).
QString cLanguageTranslator::lookUp(const QString& text) {
    if (text.isEmpty()) return text;
    const QString value = ini_.Read(text, QString());
    if (!value.isEmpty()) return value;
    ini_.Write(QString(), text);
    return text;
}

// One translated property. The object remembers the Finnish text and what
// it became, so a second Translate of the same window looks up the Finnish
// text again instead of taking the translation for a new text; a text the
// program has set since then is looked up as it stands.
QString cLanguageTranslator::translateProperty(QObject* owner, const QString& slot, const QString& current) {
    if (current.isEmpty()) return current;
    const QByteArray memoName = "kvTrl:" + slot.toUtf8();
    QString source = current;
    const QStringList memo = owner->property(memoName.constData()).toStringList();
    if (memo.size() == 2 && memo[1] == current) source = memo[0];
    const QString result = lookUp(source);
    owner->setProperty(memoName.constData(), QStringList{source, result});
    return result;
}

void cLanguageTranslator::Translate(QWidget* form) {
    if (!form || path_.isEmpty()) return;
    ini_.FileName(path_);
    ini_.Section(form->objectName());

    const QString caption = translateProperty(form, QStringLiteral("windowTitle"), form->windowTitle());
    if (caption != form->windowTitle()) form->setWindowTitle(caption);
    walk(form);
}

void cLanguageTranslator::walk(QObject* parent) {
    const QObjectList children = parent->children();
    for (QObject* child : children) {
        if (auto* a = qobject_cast<QAction*>(child)) {
            translateAction(a, false);
            continue;
        }
        auto* w = qobject_cast<QWidget*>(child);
        if (!w) continue;
        // A window of its own translates itself in its own section; a menu
        // is a window to Qt but belongs to this one.
        if (w->isWindow() && !qobject_cast<QMenu*>(w)) continue;
        if (!isQtInternal(w)) translateControl(w);
        if (holdsControls(w)) walk(w);
    }
}

// A menu item, or (withToolTip) a toolbar button. The "&" of the access key
// is part of the looked-up text; a shortcut written after a tab is kept as
// it is.
void cLanguageTranslator::translateAction(QAction* a, bool withToolTip) {
    if (a->isSeparator() || qobject_cast<QWidgetAction*>(a)) return;
    const bool tipFollowsText = derivedToolTip(a);
    const QString text = a->text();
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    const QString head = tab < 0 ? text : text.left(tab);
    const QString tail = tab < 0 ? QString() : text.mid(tab);
    const QString translated = translateProperty(a, QStringLiteral("text"), head);
    if (translated != head) a->setText(translated + tail);
    if (withToolTip && !tipFollowsText) {
        const QString tip = translateProperty(a, QStringLiteral("toolTip"), a->toolTip());
        if (tip != a->toolTip()) a->setToolTip(tip);
    }
}

void cLanguageTranslator::translateControl(QWidget* w) {
    auto tooltip = [this, w] {
        const QString tip = translateProperty(w, QStringLiteral("toolTip"), w->toolTip());
        if (tip != w->toolTip()) w->setToolTip(tip);
    };
    auto buttonText = [this](QAbstractButton* b) {
        const QString t = translateProperty(b, QStringLiteral("text"), b->text());
        if (t != b->text()) b->setText(t);
    };
    auto tabs = [this](QObject* owner, int count, auto getText, auto setText, auto getTip, auto setTip) {
        for (int i = 0; i < count; ++i) {
            const QString slot = QStringLiteral("tab%1.").arg(i);
            const QString t = translateProperty(owner, slot + QLatin1String("text"), getText(i));
            if (t != getText(i)) setText(i, t);
            const QString tip = translateProperty(owner, slot + QLatin1String("toolTip"), getTip(i));
            if (tip != getTip(i)) setTip(i, tip);
        }
    };

    if (auto* b = qobject_cast<QRadioButton*>(w)) {
        buttonText(b);
        tooltip();
    } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
        buttonText(c);
        tooltip();
    } else if (auto* p = qobject_cast<QPushButton*>(w)) {
        if (taggedNoTrl(p)) return;
        buttonText(p);
        tooltip();
    } else if (auto* t = qobject_cast<QToolButton*>(w)) {
        if (taggedNoTrl(t)) return;
        // A button that shows an action takes its text and tooltip from it.
        if (QAction* a = t->defaultAction()) {
            translateAction(a, true);
        } else {
            buttonText(t);
            tooltip();
        }
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        const QString text = translateProperty(l, QStringLiteral("text"), l->text());
        if (text != l->text()) l->setText(text);
        tooltip();
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        const QString title = translateProperty(g, QStringLiteral("title"), g->title());
        if (title != g->title()) g->setTitle(title);
        tooltip();
    } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) {
        tooltip();
    } else if (auto* bar = qobject_cast<QToolBar*>(w)) {
        tooltip();
        for (QAction* a : bar->actions()) translateAction(a, true);
    } else if (auto* tw = qobject_cast<QTabWidget*>(w)) {
        tooltip();
        tabs(
            tw, tw->count(), [tw](int i) { return tw->tabText(i); },
            [tw](int i, const QString& s) { tw->setTabText(i, s); }, [tw](int i) { return tw->tabToolTip(i); },
            [tw](int i, const QString& s) { tw->setTabToolTip(i, s); });
    } else if (auto* tb = qobject_cast<QTabBar*>(w)) {
        if (qobject_cast<QTabWidget*>(tb->parentWidget())) return;  // done with its tab widget
        tooltip();
        tabs(
            tb, tb->count(), [tb](int i) { return tb->tabText(i); },
            [tb](int i, const QString& s) { tb->setTabText(i, s); }, [tb](int i) { return tb->tabToolTip(i); },
            [tb](int i, const QString& s) { tb->setTabToolTip(i, s); });
    }
}

// ---------------------------------------------------------------- cTranslate

cTranslate::cTranslate() : baseFolder_(sys::AppPath()), fileName_(AppTitle) {}

std::unique_ptr<cLanguageTranslator> cTranslate::LangTranslator() const {
    if (baseFolder_.isEmpty()) {
        throw TranslateError(TranslateError::kBaseFolderNotSet, QStringLiteral("BaseFolder not set for translation."),
                             QStringLiteral("VKTranslate / VKTranslator / Get LangTranslator"));
    }
    QString folder = QDir::fromNativeSeparators(baseFolder_);
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    auto t = std::make_unique<cLanguageTranslator>();
    // An empty language leaves an empty folder part: the file then lies in
    // the base folder itself.
    t->setFilePath(QDir::cleanPath(folder + languagePrefix_ + QLatin1Char('/') + fileName_ + QLatin1String(".trl")));
    return t;
}

// ---------------------------------------------------------------- globals

namespace {
std::unique_ptr<cLanguageTranslator>& translatorSlot() {
    static std::unique_ptr<cLanguageTranslator> t;
    return t;
}
}  // namespace

cLanguageTranslator& Translator() {
    auto& t = translatorSlot();
    if (!t) t = std::make_unique<cLanguageTranslator>();
    return *t;
}

void SetTranslator(std::unique_ptr<cLanguageTranslator> translator) { translatorSlot() = std::move(translator); }

cTranslate& TranslateCfg() {
    static cTranslate cfg;
    return cfg;
}

QString TranslateStr(const QString& section, const QString& text) { return Translator().TranslateStr(section, text); }

void Translate(QWidget* form) { Translator().Translate(form); }

}  // namespace core
