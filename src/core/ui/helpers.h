#pragma once

// Small helpers every window uses: the standard message boxes, text-box and
// list helpers, input filters for number fields, two sorts, window
// placements, file attribute tests and the section fonts of the report
// control. They keep no state of their own; the settings they read are the
// shared globals (core/globals.h).

#include "platform/ui/dialogs.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;
class QWidget;

namespace report {
class ReportControl;
}

namespace core {

struct BrokenYear;

// ---- Messages. The text is shown as given: callers pass it through
// TranslateStr first. Every box is titled AppTitle.

// Information icon, OK button.
void ShowInfo(const QString& text);
// Yes/No question, with the question icon or (questionIcon false) none.
ui::Answer AskYesNo(const QString& text, bool questionIcon = true);
// Critical icon, OK button: a failure that stops an operation.
void ShowCritical(const QString& text);
// The system beep when the sound is on (AaniKaytossa). Validators call it
// just before their message.
void BeepIfSoundOn();

// A financial year the program cannot work in, as the user is told of it,
// translated in section: which year it is, what is wrong with it, and its
// dates.
QString BrokenYearText(const BrokenYear& year, const QString& section);
// Why a command that works in the year is refused while the program has no
// year in use (TilikausiEiKaytossa), and where the year is set right.
QString TilikausiEiKaytossaText(const BrokenYear& year, const QString& section);

// ---- Text fields and lists

// Selects the whole text, when there is any (focus-gained handlers).
void SelectAllText(QLineEdit* textBox);
// Selects the whole text, also an empty one; a null control is ignored.
void HighlightText(QLineEdit* textBox);
// For key handlers: Enter (13) moves the focus on as Tab would.
void EnterAsTab(int key);

// Takes text apart at delimiter into parts, which the caller has sized:
// text is trimmed and the delimiter appended (text is changed in place to
// that), then the pieces are written into parts from index 0 upwards. It
// stops after the last piece of the given text - an empty piece after a
// trailing delimiter is not produced - or when parts is full. Elements past
// the last one written keep their values. Returns the index of the last
// element written; nullopt (nothing written) when the trimmed text is
// empty. An empty parts list raises dao::DaoError 9 (subscript out of
// range); an empty delimiter gives the whole text as one piece.
std::optional<int> SplitToArray(QString& text, QStringList& parts, const QString& delimiter);

// Selects the first item whose data (Qt::UserRole) is id; the first item
// when none is; nothing for an empty list.
void SelectComboByItemData(QComboBox* combo, long id);
// Removes the first item whose data (Qt::UserRole) is id; nothing when none is.
void RemoveListItemByItemData(QListWidget* list, long id);

// The larger of the two; a when they are equal.
int MaxInteger(int a, int b);

// ---- Input filters, for a text field's Change handler. They repair the
// text after the fact: while the text does not read as a number, its last
// character is dropped; when anything was dropped the caret goes to the
// end. A number is read alike under every locale: an optional sign, digits
// (a blank may part digit groups), a point or a comma as the decimal
// separator - never as a digit-group separator - and an optional exponent
// ("1,5e3"). "12," reads as 12.

// Amounts: anything that reads as a number.
void FilterNumericInput(QLineEdit* textBox);
// As FilterNumericInput, but a text that is exactly "-" is left alone, so a
// negative amount can be started.
void FilterSignedNumericInput(QLineEdit* textBox);
// Whole numbers: characters are dropped until the text reads as a whole
// number within the 32-bit range of a Long, as the boxes are read
// (core::ReadWholeNumber, "1,5e3" is 1500). A text left that no longer reads as
// a number (a lone decimal separator) is dropped too.
void FilterIntegerInput(QLineEdit* textBox);

// ---- Sorting. Both sorts work on arrays numbered from 1 as the classic
// program numbers them, held in 0-based containers: element k of an array
// is container[k - 1]. upper is the number of the last element to sort (the
// array's length when not given). Values compare by their ordinary order:
// numbers (integers, floating point, bools, dates as day numbers)
// numerically, texts by character code (case-sensitive); any number sorts
// before any text, and a value without type before both.
// A subscript outside an array raises dao::DaoError 9.

// Orders index so that values(index(1)), values(index(2)), ... are sorted;
// values are not touched. index holds element numbers (1-based). When its
// first and last entries are both 0 it is filled with 1, 2, 3, ... first;
// otherwise the sort starts from the permutation it holds.
void ShellSortIndex(const QVariantList& values, std::vector<long>& index, std::optional<int> upper,
                    bool descending);
// Sorts elements 1..upper of values in place.
void QuickSortVariants(QVariantList& values, std::optional<int> upper, bool descending);

// ---- Window placement: section "FORMS" of the ini file IniFileName, key =
// the window's objectName followed by the program's major and minor version
// ("frmNewTositteet20"), so a new version starts with default placements.
// Errors are ignored.
void LoadFormPosition(QWidget* form);
void SaveFormPosition(const QWidget* form);

// Why the ini file could not be written, for a message that has told what
// was not saved: that another program holds the file (locked), to be tried
// again in a while, or only the file's name.
QString IniNotWrittenText(const QString& file, bool locked);

// The convention of every window: as it loads, its placement is restored
// and it is translated (Translate, core/ui/translator.h); as it unloads its
// placement is saved. Installed once at start-up as the ui::Forms load and
// unload hooks. A window that does this itself in its own order sets the
// dynamic property "kvOwnPlacement" to true in its constructor; the hooks
// then leave it alone.
void InstallWindowHooks();
inline constexpr const char* kOwnPlacementProperty = "kvOwnPlacement";

// ---- Files

// Makes the file writable (its attributes normal); true on success, false
// on any error.
bool ClearFileAttributes(const QString& path);
// True when the file is write-protected; false otherwise and on any error.
bool IsFileReadOnly(const QString& path);

// ---- Reports

// The five section-font entries (0..4) of the report control: section code,
// font (Fontti), size, italic, bold, underline, strikeout; "X" leaves a
// field unchanged. separateSections: DETAIL, TITLE, HEADER, GRNDTTL and
// FOOTER each; otherwise ALL, TITLE, HEADER and two empty entries.
QStringList ReportFontEntries(bool separateSections);
// Hands those entries to the report control (every report, just before it
// runs; the balance sheet with separateSections true).
void SetReportFonts(report::ReportControl& rc, bool separateSections);

}  // namespace core
