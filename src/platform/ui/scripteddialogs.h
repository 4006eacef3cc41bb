#pragma once

// A dialog service that answers from a script, for tests. The test queues
// the dialogs it expects, in order, each with the answer to give; every
// dialog shown is recorded. A dialog that does not match the next expected
// one (another kind, or a text without the expected fragment), or that
// comes when nothing more is expected, is recorded as a failure and answered
// safely (Cancel, or No, or OK for a box with only OK; "" for texts and
// paths), so the program under test never waits for a user.

#include "platform/ui/dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace ui {

enum class DialogKind { MessageBox, InputBox, OpenFile, SaveFile, Folder, Printer };

// One dialog as the program showed it. text is the message or the prompt;
// for file and folder choices the title, for the printer choice the
// printer proposed. initial is the input box's default text, the file
// dialog's initial folder or file, or the PDF file the printer choice
// proposes; filter the file dialog's filter as given.
struct ShownDialog {
    DialogKind kind = DialogKind::MessageBox;
    QString text;
    QString title;
    Buttons buttons = Buttons::OK;
    Icon icon = Icon::None;
    QString initial;
    QString filter;
};

class ScriptedDialogService : public DialogService {
public:
    // fragment: a part of the expected text ("" accepts any text). Line
    // breaks compare alike whether written CR LF or LF.
    ScriptedDialogService& expectMessage(const QString& fragment, Answer answer);
    ScriptedDialogService& expectInput(const QString& fragment, const QString& answer);
    ScriptedDialogService& expectOpenFile(const QString& answer, const QString& fragment = QString());
    ScriptedDialogService& expectSaveFile(const QString& answer, const QString& fragment = QString());
    ScriptedDialogService& expectFolder(const QString& answer, const QString& fragment = QString());
    // answer: the printer chosen ("" cancels); pdfFile: for the PDF printer,
    // the file named in the dialog ("" keeps the one proposed).
    ScriptedDialogService& expectPrinter(const QString& answer, const QString& pdfFile = QString());

    // Every dialog shown, in order; and just their texts.
    const QList<ShownDialog>& shown() const { return shown_; }
    QStringList shownTexts() const;

    // What went wrong, one line per failure.
    const QStringList& failures() const { return failures_; }
    // Expectations not yet met.
    int pendingCount() const { return static_cast<int>(script_.size()); }
    QStringList pendingDescriptions() const;

    // Called with each failure as it happens (tests turn it into a test
    // failure); may be empty.
    void setFailureHandler(std::function<void(const QString&)> handler) {
        onFailure_ = std::move(handler);
    }

    // Forgets the script, the shown dialogs and the failures.
    void reset();

    Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(const QString& title, const QString& initial, const QString& filter) override;
    QString saveFile(const QString& title, const QString& initial, const QString& filter) override;
    QString chooseFolder(const QString& title, const QString& initial) override;
    bool choosePrinter(PrinterChoice& choice) override;

private:
    struct Expected {
        DialogKind kind;
        QString fragment;
        Answer answer = Answer::OK;
        QString textAnswer;
        QString fileAnswer;
    };

    // Records the dialog and takes the next expectation when it matches;
    // nullptr (and a failure recorded) when it does not.
    const Expected* take(const ShownDialog& dialog);
    QString textDialog(ShownDialog dialog);
    void fail(const QString& message);

    QList<Expected> script_;
    Expected current_{};
    QList<ShownDialog> shown_;
    QStringList failures_;
    std::function<void(const QString&)> onFailure_;
};

QString DialogKindName(DialogKind kind);

}  // namespace ui
