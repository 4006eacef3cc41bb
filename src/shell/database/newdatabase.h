#pragma once

// New books: the items under the main window's "Luo tietokanta mallista"
// make a new association book as a copy of one of the template books in
// the program folder's "mallit" folder, or of the book in use. The new file
// goes into the folder named after the program title in the user's
// documents folder, becomes the book of the ini file, and the program ends;
// the next start opens it and brings it to the current layout.

#include <QString>
#include <functional>
#include <span>

namespace shell {

// The menu items, by name, with the template each one copies ("" for the
// copy of the current book, mLuoTietokantaNykyisesta).
struct NewDatabaseItem {
    const char* menuItem;
    const char* templateFile;
};
// In menu order.
std::span<const NewDatabaseItem> NewDatabaseItems();

// The information text a menu item shows before it asks for the name: its
// pieces, each translated in the main window's section ("frmMain") -
// except those of mLuoTietokantaKelovi, which are shown in Finnish. An
// unknown item gives the empty text.
QString NewDatabaseInfo(const QString& menuItem);

// Runs the menu item: builds its information text and calls
// CreateNewDatabase with its template (or the current book).
void RunNewDatabaseItem(const QString& menuItem);

// Makes the new book:
//   1. shows sInfo;
//   2. asks for the name (an empty answer or a cancel stops, with a
//      message); a name longer than 8 characters is cut to 8;
//   3. the folder <documents>/<AppTitle> is created when missing;
//   4. an existing <name>.mdb there is never overwritten (message, stop);
//   5. copies sSource - a template's file name in <program>/mallit, or with
//      bCopyCurrent the full path of the book in use, which is closed
//      first so that the copy is whole - to the new file;
//   6. writes the new path under "Database" of the ini file and into
//      DatabasePath, says so, and ends the program (EndProgram).
// A name that cannot be a file name (it holds "/"), a folder that cannot be
// made, a failed copy or an ini file that cannot be written are reported in
// a message: the book in use and the ini file then stay as they were, and
// no half-made file is left behind. The copy is writable even when its
// source is write-protected. Returns true when the new book was made
// current (and the program was asked to end).
bool CreateNewDatabase(const QString& sInfo, const QString& sSource, bool bCopyCurrent);

// Ends the program after a new book has been made current: the shared
// connection is closed, then the handler runs. The default handler leaves
// the application's event loop at once, so the program ends without
// further questions and without the other windows' unload handling (their
// pending edits belong to the old book and are not written into the new
// one). Tests set a handler of their own; an empty one restores the
// default.
void SetProgramEndHandler(std::function<void()> handler);
void EndProgram();

}  // namespace shell
