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
    // (the setting Kustannuspaikat). The menu item stays enabled.
    void CheckKPStatus();

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
    void showAbout();
    void openSupportPage();
    // Runs a command; an error is reported (or ignored) as the command says.
    void runCommand(const std::function<void()>& command, OnError onError);
    void notAvailable();

};

// The program ends when the main window has been unloaded. By default this
// leaves the application's event loops; tests set a handler of their own.
void SetQuitHandler(std::function<void()> handler);
// Whether the end of the program has been asked for since the last reset.
bool QuitRequested();
void ResetQuitRequest();

}  // namespace shell
