#pragma once

// What the main window's commands open.
//
// The main window knows the other subsystems' windows only by name. Each
// subsystem registers its windows here when the program starts (see
// src/app/openers.cpp); a command whose window is not registered tells the
// user that the window is not available in this version.
//
// Names used by the main window:
//   windows, opened not modal unless said: "frmNewTulosJaTase",
//     "frmTilitNew", "frmKustannuspaikat", "frmBudjetti", "frmAsetukset",
//     "frmBackup", "frmBackupRestore", "frmBackupManagement",
//     "frmService" (modal: the opener shows it modally),
//     "frmTositeTarkistusVirheet" (the voucher check's findings, which
//     start-up shows after a repair of the book that lost rows);
//   commands that are no window of their own, by their menu item:
//     "mVarmistus", "mPalautus" (backup into a folder and its restore),
//     "mMuokkaaTietokantaa" (the maintenance console),
//     "mLuoTietokantaYleismalliSuomi", "mLuoTietokantaYleismalliRuotsi",
//     "mLuoTietokantaVarjola", "mLuoTietokantaRuvis",
//     "mLuoTietokantaMallistaTalo", "mLuoTietokantaKelovi",
//     "mLuoTietokantaNykyisesta" (new books from a template or a copy);
//   the voucher windows, which take a mode: "frmNewTositteet", and
//     "frmTositteet" when the setting VanhatTositteet is on. The opener sets
//     the window's mode flags and caption before the window loads; when the
//     window is open already, it gives it the new mode and caption and
//     brings it forward (its Load does not run again).
//
// An opener may raise an error; the main window reports it as its commands
// do (see frmMain).

#include <QString>
#include <functional>

namespace shell {

using Opener = std::function<void()>;

// Registers (or replaces) the opener of name; an empty function removes it.
void RegisterOpener(const QString& name, Opener opener);

// The mode a voucher window starts in, set before its own Load runs.
struct VoucherWindowMode {
    bool bAvaustosite = false;   // opening entries
    bool bPaatostosite = false;  // closing entries
    QString caption;             // already translated
};
using VoucherOpener = std::function<void(const VoucherWindowMode&)>;

// Registers (or replaces) a voucher window's opener; an empty function
// removes it.
void RegisterVoucherWindow(const QString& name, VoucherOpener opener);

bool IsRegistered(const QString& name);

// Runs the opener of name; false (and nothing run) when there is none.
bool RunOpener(const QString& name);
bool RunVoucherOpener(const QString& name, const VoucherWindowMode& mode);

// Forgets every opener (tests).
void ClearOpeners();

}  // namespace shell
