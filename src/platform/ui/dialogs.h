#pragma once

// Every question the program puts to the user goes through one dialog
// service: message boxes, the input box, file, folder and printer choices.
// The service in use is the Qt one (real dialogs) unless another is set -
// tests set a scripted one (scripteddialogs.h) that answers from a script.

#include <QString>

class QPrinter;

namespace ui {

enum class Buttons { OK, OKCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Question, Critical, Exclamation };
enum class Answer { OK, Cancel, Yes, No };

// A printer choice: on entry what the dialog proposes, on return what the
// user chose.
struct PrinterChoice {
    // The printer's name: kPdfPrinter (printers.h) for a PDF file; empty on entry
    // for the default printer.
    QString printer;
    // The PDF file's name, asked together with the printer: the one
    // proposed, and the one chosen when printer is the PDF printer.
    QString pdfFile;
    // When set, the printer the caller prints on at once: the dialog sets it
    // up as the user chose (the printer or the PDF file, copies, a range of
    // pageCount pages, colour, sides).
    QPrinter* target = nullptr;
    int pageCount = 0;
};

class DialogService {
public:
    virtual ~DialogService() = default;

    // A message box titled title. A line break in text is CR LF or LF.
    virtual Answer messageBox(const QString& text, const QString& title, Buttons buttons,
                              Icon icon) = 0;

    // A one-line input box; the typed text, or "" when cancelled.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText = QString()) = 0;

    // File choice. initial is a folder to start in or a file to propose;
    // filter is in the classic pipe form "Database (*.mdb)|*.mdb|All (*.*)|*.*".
    // The chosen path, or "" when cancelled.
    virtual QString openFile(const QString& title, const QString& initial, const QString& filter) = 0;
    virtual QString saveFile(const QString& title, const QString& initial, const QString& filter) = 0;

    // Folder choice: the chosen folder, or "" when cancelled.
    virtual QString chooseFolder(const QString& title, const QString& initial) = 0;

    // Printer choice, starting from choice: true when the user confirmed it
    // (choice then holds what they chose), false when cancelled. Printing to
    // a PDF file asks the file's name here, with the printer.
    virtual bool choosePrinter(PrinterChoice& choice) = 0;
};

// The service in use.
DialogService& Dialogs();

// Sets the service in use (not owned); nullptr returns to the Qt dialogs.
void SetDialogs(DialogService* service);

// Sets a service for the lifetime of the scope and puts the previous back.
class DialogScope {
public:
    explicit DialogScope(DialogService* service);
    ~DialogScope();
    DialogScope(const DialogScope&) = delete;
    DialogScope& operator=(const DialogScope&) = delete;

private:
    DialogService* previous_;
};

// A message box from a classic style number: buttons 0 OK, 1 OK/Cancel,
// 3 Yes/No/Cancel, 4 Yes/No; plus 16 critical, 32 question, 48 exclamation,
// 64 information icon. (Style 36 is a Yes/No question.)
Answer MsgBox(const QString& text, int style, const QString& title);

// The classic pipe filter in Qt's form ("Database (*.mdb)" entries joined
// by ";;").
QString QtFileFilter(const QString& pipeFilter);

// The Qt dialogs.
class QtDialogService : public DialogService {
public:
    Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(const QString& title, const QString& initial, const QString& filter) override;
    QString saveFile(const QString& title, const QString& initial, const QString& filter) override;
    QString chooseFolder(const QString& title, const QString& initial) override;
    bool choosePrinter(PrinterChoice& choice) override;
};

}  // namespace ui
