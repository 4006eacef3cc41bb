#pragma once

// The report control's own texts in the user's language. The control is
// written in Finnish, and so are the report definitions: their fixed texts
// (column headings, "Yhteensä", "Sivu "), the preview window's buttons and
// the messages of the control's errors. The program hands the control its
// translator (SetTextTranslator); until it does, every text is shown as
// written.
//
// Sections of the language file:
//   "Raportit"       the fixed texts of the report definitions and the
//                    messages of the control
//   "reportPreview"  the preview window (its objectName)
//   "reportProgress" the progress window of a long run (its objectName)
//
// Write both arguments as literals, as with the program's own translator,
//
//   TranslateText(QStringLiteral("Raportit"), QStringLiteral("Tulostinta ei ole asennettu"))
//
// so that the test of the shipped language file finds the call.

#include <QString>
#include <functional>

namespace report {

using TextTranslator = std::function<QString(const QString& section, const QString& text)>;

// Sets the translator of the control's texts; an empty one shows them as
// written.
void SetTextTranslator(TextTranslator translator);

// text in the user's language (text itself when no translator is set).
QString TranslateText(const QString& section, const QString& text);

}  // namespace report
