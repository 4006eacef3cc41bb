#pragma once

#include "reportctl/reportcontrolsetup.h"

// The main window: the program's hub, a small window of fixed size with a
// strip of picture buttons and a menu bar, from which every working window
// opens. Loading it runs the program's start-up (startup.cpp); unloading it
// ends the program. It carries the report control that every report of the
// program prints through.

#include "platform/ui/forms.h"

#include <QString>
#include <functional>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QToolButton;

namespace report {
class ReportControl;
}

namespace shell {

class frmMain : public ui::Form {
    Q_OBJECT
public:
    // The window's design size in twips. It keeps a fixed size: this one,
    // or wider when its captions need more room.
    static constexpr int kWidthTwips = 11505;
    static constexpr int kHeightTwips = 2070;

    frmMain();
    ~frmMain() override;

    // The cost-centre button is enabled exactly when cost centres are in use
    // (the setting Kustannuspaikat) and the book can be worked on (below).
    // The menu item stays enabled unless the book cannot be worked on.
    void CheckKPStatus();

    // The book at path could be neither opened nor repaired. While it is the
    // book in use (DatabasePath), the commands that work on its contents are
    // disabled: the vouchers, the statements, the accounts, the cost
    // centres, the budget, the opening and closing entries, the backups,
    // the console and the copy of the book. The settings, the restores, the
    // new books, the service request and the rest stay at hand. Once another
    // book is in use (after a command that changes it), all are enabled.
    void SetUnusableBook(const QString& path);
    // After a command that closed the book or turned to another one.
    void ReadBookAgain() override;

    // Caption: the program title and the association's name.
    void ShowCaption();

    // Hands the report margins of the association's settings
    // (core::ReportControlMargins) to the report control; run after every
    // load of the association's settings.
    void ApplyReportMargins();

    // The one report control of the program.
    // The program's one report control, shared by every report command.
    report::ReportControl& CrystalReport1() { return reports::CrystalReport1(); }

    // Closes the program: every window is unloaded in the normal way (the
    // latest first, the main window last), so that they save what they hold;
    // a window that refuses to close stops it and false is returned. When
    // all have gone, the program ends.
    bool CloseProgram();

    // Buttons of the strip, in tab order.
    QToolButton* cTositteet = nullptr;
    QToolButton* cTulosJaTase = nullptr;
    QToolButton* cTilit = nullptr;
    QToolButton* cKustannuspaikat = nullptr;
    QToolButton* cBudjetti = nullptr;
    QToolButton* cSulje = nullptr;
    QToolButton* cKayttotuki = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel* cAboutVaskiro = nullptr;

    QMenuBar* menuBar = nullptr;
    QMenu* mTiedosto = nullptr;
    QAction* mTositteet = nullptr;
    QAction* mTulosJaTase = nullptr;
    QAction* mTilit = nullptr;
    QAction* mKustannuspaikat = nullptr;
    QAction* mBudjetti = nullptr;
    QAction* mAsetukset = nullptr;
    QAction* mAvausviennit = nullptr;
    QAction* mTilinpaatosviennit = nullptr;
    QMenu* mVarurUzavo = nullptr;
    QAction* mVaruruzavoVarmistus = nullptr;
    QAction* mVaruruzavoPalautus = nullptr;
    QAction* mVarurUzavoHallinta = nullptr;
    QMenu* mVarmistusKansioon = nullptr;
    QAction* mVarmistus = nullptr;
    QAction* mPalautus = nullptr;
    QAction* mSulje = nullptr;
    QMenu* mTietokanta = nullptr;
    QAction* mMuokkaaTietokantaa = nullptr;
    QMenu* mLuoTietokantaMallista = nullptr;
    QMenu* mLuoTietokantaYleismalli = nullptr;
    QAction* mService = nullptr;
    QAction* mTietoja = nullptr;

protected:
    // The start-up sequence.
    void Load() override;
    // Closing the main window closes the other windows first; one that
    // refuses keeps the program running.
    bool QueryUnload() override;
    void Unload() override;
    // The close box ends the program as "&Sulje" does.
    void closeEvent(QCloseEvent* event) override;

private:
    enum class OnError { Report, Ignore };

    void buildButtons(QWidget* strip);
    void buildMenus();
    void connectCommands();
    // The voucher window in a mode, with its caption (translated).
    void openVoucherWindow(bool avaustosite, bool paatostosite, const QString& caption, OnError onError);
    // The window or command registered under name.
    void openWindow(const QString& name);
    // Whether the program works in a financial year. While it works in none
    // (the book's year was refused, or one that ends before it begins was
    // chosen), the user is told that the year is to be set right in the
    // settings, and the windows that work in the year do not open.
    bool yearInUse();
    void showAbout();
    void openSupportPage();
    // Runs a command; an error is reported (or ignored) as the command says.
    void runCommand(const std::function<void()>& command, OnError onError);
    void notAvailable();
    // The commands that work on the book's contents, enabled or not.
    void enableBookCommands(bool enabled);

    // The book that could not be opened nor repaired; "" when none.
    QString unusableBook_;

};

// The program ends when the main window has been unloaded. By default this
// leaves the application's event loops; tests set a handler of their own.
void SetQuitHandler(std::function<void()> handler);
// Whether the end of the program has been asked for since the last reset.
bool QuitRequested();
void ResetQuitRequest();

}  // namespace shell
