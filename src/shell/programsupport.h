#pragma once

// What the running program sets up around its windows: Qt's own texts
// (the buttons of standard dialogs) in the user's language, one place where
// a failure to save a record that was let go is shown to the user, and one
// where an error that an event handler let escape is.

#include <QString>

namespace shell {

// Loads Qt's translation of its standard texts for the language setting
// ("Suomi", "Svenska"; anything else keeps Finnish). What Qt's catalogue
// lacks is read from the program's language file (the translator's file),
// in a section named by Qt's context.
void InstallQtTranslation(const QString& language);

// Shows every failure of a record's automatic save in a message box.
void InstallReleaseErrorHandler();

// Shows every error that an event handler let escape as the main window's
// commands show theirs ("Odottamaton virhe: ", its number and its text),
// with the critical icon; the handler has ended there.
void InstallUnhandledErrorHandler();

}  // namespace shell
