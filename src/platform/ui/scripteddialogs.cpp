#include "platform/ui/scripteddialogs.h"

#include "platform/ui/printers.h"

#include <QPrinter>

namespace ui {

namespace {

QString normalized(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t;
}

bool allows(Buttons buttons, Answer answer) {
    switch (buttons) {
    case Buttons::OK: return answer == Answer::OK;
    case Buttons::OKCancel: return answer == Answer::OK || answer == Answer::Cancel;
    case Buttons::YesNo: return answer == Answer::Yes || answer == Answer::No;
    case Buttons::YesNoCancel:
        return answer == Answer::Yes || answer == Answer::No || answer == Answer::Cancel;
    }
    return false;
}

Answer safeAnswer(Buttons buttons) {
    switch (buttons) {
    case Buttons::OK: return Answer::OK;
    case Buttons::YesNo: return Answer::No;
    case Buttons::OKCancel:
    case Buttons::YesNoCancel: return Answer::Cancel;
    }
    return Answer::Cancel;
}

QString answerName(Answer a) {
    switch (a) {
    case Answer::OK: return QStringLiteral("OK");
    case Answer::Cancel: return QStringLiteral("Cancel");
    case Answer::Yes: return QStringLiteral("Yes");
    case Answer::No: return QStringLiteral("No");
    }
    return QString();
}

QString quoted(const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); }

}  // namespace

QString DialogKindName(DialogKind kind) {
    switch (kind) {
    case DialogKind::MessageBox: return QStringLiteral("message box");
    case DialogKind::InputBox: return QStringLiteral("input box");
    case DialogKind::OpenFile: return QStringLiteral("open-file dialog");
    case DialogKind::SaveFile: return QStringLiteral("save-file dialog");
    case DialogKind::Folder: return QStringLiteral("folder dialog");
    case DialogKind::Printer: return QStringLiteral("printer dialog");
    }
    return QString();
}

ScriptedDialogService& ScriptedDialogService::expectMessage(const QString& fragment, Answer answer) {
    script_.append({DialogKind::MessageBox, fragment, answer, QString(), {}});
    return *this;
}

ScriptedDialogService& ScriptedDialogService::expectInput(const QString& fragment, const QString& answer) {
    script_.append({DialogKind::InputBox, fragment, Answer::OK, answer, {}});
    return *this;
}

ScriptedDialogService& ScriptedDialogService::expectOpenFile(const QString& answer, const QString& fragment) {
    script_.append({DialogKind::OpenFile, fragment, Answer::OK, answer, {}});
    return *this;
}

ScriptedDialogService& ScriptedDialogService::expectSaveFile(const QString& answer, const QString& fragment) {
    script_.append({DialogKind::SaveFile, fragment, Answer::OK, answer, {}});
    return *this;
}

ScriptedDialogService& ScriptedDialogService::expectFolder(const QString& answer, const QString& fragment) {
    script_.append({DialogKind::Folder, fragment, Answer::OK, answer, {}});
    return *this;
}

ScriptedDialogService& ScriptedDialogService::expectPrinter(const QString& answer, const QString& pdfFile) {
    script_.append({DialogKind::Printer, QString(), Answer::OK, answer, pdfFile});
    return *this;
}

QStringList ScriptedDialogService::shownTexts() const {
    QStringList texts;
    for (const ShownDialog& d : shown_) texts << d.text;
    return texts;
}

QStringList ScriptedDialogService::pendingDescriptions() const {
    QStringList out;
    for (const Expected& e : script_) out << DialogKindName(e.kind) + QLatin1Char(' ') + quoted(e.fragment);
    return out;
}

void ScriptedDialogService::reset() {
    script_.clear();
    shown_.clear();
    failures_.clear();
}

void ScriptedDialogService::fail(const QString& message) {
    failures_ << message;
    if (onFailure_) onFailure_(message);
}

const ScriptedDialogService::Expected* ScriptedDialogService::take(const ShownDialog& dialog) {
    shown_.append(dialog);
    const QString what = DialogKindName(dialog.kind) + QLatin1Char(' ') + quoted(dialog.text);
    if (script_.isEmpty()) {
        fail(QStringLiteral("unexpected %1").arg(what));
        return nullptr;
    }
    // The script is followed in order: a dialog that does not match uses up
    // the expectation it failed, so later dialogs are compared with theirs.
    current_ = script_.takeFirst();
    if (current_.kind != dialog.kind ||
        !normalized(dialog.text).contains(normalized(current_.fragment))) {
        fail(QStringLiteral("expected %1 %2, got %3")
                 .arg(DialogKindName(current_.kind), quoted(current_.fragment), what));
        return nullptr;
    }
    return &current_;
}

Answer ScriptedDialogService::messageBox(const QString& text, const QString& title, Buttons buttons,
                                         Icon icon) {
    const Expected* e = take({DialogKind::MessageBox, text, title, buttons, icon, {}, {}});
    if (!e) return safeAnswer(buttons);
    if (!allows(buttons, e->answer)) {
        fail(QStringLiteral("answer %1 is not a button of message box %2")
                 .arg(answerName(e->answer), quoted(text)));
        return safeAnswer(buttons);
    }
    return e->answer;
}

QString ScriptedDialogService::textDialog(ShownDialog dialog) {
    dialog.buttons = Buttons::OKCancel;
    const Expected* e = take(dialog);
    return e ? e->textAnswer : QString();
}

QString ScriptedDialogService::inputBox(const QString& prompt, const QString& title,
                                        const QString& defaultText) {
    return textDialog({DialogKind::InputBox, prompt, title, Buttons::OKCancel, Icon::None, defaultText, {}});
}

QString ScriptedDialogService::openFile(const QString& title, const QString& initial,
                                        const QString& filter) {
    return textDialog({DialogKind::OpenFile, title, title, Buttons::OKCancel, Icon::None, initial, filter});
}

QString ScriptedDialogService::saveFile(const QString& title, const QString& initial,
                                        const QString& filter) {
    return textDialog({DialogKind::SaveFile, title, title, Buttons::OKCancel, Icon::None, initial, filter});
}

QString ScriptedDialogService::chooseFolder(const QString& title, const QString& initial) {
    return textDialog({DialogKind::Folder, title, title, Buttons::OKCancel, Icon::None, initial, {}});
}

bool ScriptedDialogService::choosePrinter(PrinterChoice& choice) {
    const Expected* e =
        take({DialogKind::Printer, choice.printer, {}, Buttons::OKCancel, Icon::None, choice.pdfFile, {}});
    if (!e || e->textAnswer.isEmpty()) return false;
    choice.printer = e->textAnswer;
    if (!e->fileAnswer.isEmpty()) choice.pdfFile = e->fileAnswer;
    if (choice.target) {
        if (choice.printer == kPdfPrinter) {
            choice.target->setOutputFormat(QPrinter::PdfFormat);
            choice.target->setOutputFileName(choice.pdfFile);
        } else {
            choice.target->setPrinterName(choice.printer);
        }
    }
    return true;
}

}  // namespace ui
