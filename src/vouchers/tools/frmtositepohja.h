#pragma once

// frmTositepohja: the window where the user keeps voucher templates - a
// name, the voucher text the template gives, an optional quick-choice
// number 1 to 4 and up to six debit and six credit lines (account, cost
// centre, amount). The templates and their lines are the records of
// tositepohja.h; the window only shows and edits them.
//
// Much of the saving is implicit: leaving a template (another one chosen in
// the list, "Uusi", "Selaa", closing the window) writes what it holds. Only
// "Peru" discards edits, while the same template stays shown.
//
// Opened modally by the voucher windows' "Muokkaa tositepohjia"; the caller
// unloads it when it closes and rebuilds its template menu and buttons.
//
// Keys: F2 new, F3 save, F4 delete, F5 browse, Ctrl+Z cancel; they work from
// every field. Enter moves to the next field.

#include "core/ui/commanderrors.h"
#include "core/ui/translator.h"
#include "platform/ui/forms.h"
#include "vouchers/tools/toolsupport.h"
#include "vouchers/tositepohja.h"

#include <array>
#include <memory>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QStandardItemModel;

namespace vouchers {


class frmTositepohja : public ui::Form, public EntryRowControls {
    Q_OBJECT
public:
    static constexpr int kRivit = kEntryRows;

    frmTositepohja();
    ~frmTositepohja() override;

    // Keeps the template's list line in step with its name.
    void curTositePohja_NameChanged(long id, const QString& sName);

    // What the window holds: the template shown (a placeholder when none)
    // and its rows (every element holds an object).
    const cTositePohja& Pohja() const { return *cur_; }
    const cVientiPohja& DebetRivi(int i) const { return *debet_.at(size_t(i)); }
    const cVientiPohja& KreditRivi(int i) const { return *kredit_.at(size_t(i)); }

    // ---- Controls
    QMenuBar* menuBar = nullptr;
    QMenu* mTiedosto = nullptr;
    QAction* mSulje = nullptr;
    QMenu* mTietue = nullptr;
    QAction* mUusi = nullptr;
    QAction* mTallenna = nullptr;
    QAction* mPoista = nullptr;
    QAction* mSelaa = nullptr;
    QAction* mPeru = nullptr;

    QListWidget* lstTositePohjat = nullptr;
    QGroupBox* frameTositePohja = nullptr;
    QLabel* lblPikavalintaNumero = nullptr;
    QComboBox* cmbPikavalinta = nullptr;
    QLabel* lblNimi = nullptr;
    QLineEdit* tNimi = nullptr;
    QLabel* lblSelite = nullptr;
    QLineEdit* tSelite = nullptr;

    QGroupBox* frameTositePohjanViennit = nullptr;
    // In it the entry rows (EntryRowControls), then:
    QFrame* Line1 = nullptr;
    QLabel* lblDebetSumma = nullptr;
    QLabel* lblKreditSumma = nullptr;
    QLabel* lblErotusTeksti = nullptr;
    QLabel* lblErotus = nullptr;

    QPushButton* cUusi = nullptr;
    QPushButton* cTallenna = nullptr;
    QPushButton* cPoista = nullptr;
    QPushButton* cSelaa = nullptr;
    QPushButton* cPeru = nullptr;
    QPushButton* cSulje = nullptr;

protected:
    void Load() override;
    void Unload() override;

private:
    enum class Puoli { Debet, Kredit };
    using Rivit = std::array<std::unique_ptr<cVientiPohja>, kRivit>;

    void buildControls();
    void buildRows(QWidget* parent);
    void connectEvents();

    void LataaPohjaLista();
    void LataaTilit();
    void LataaKustannuspaikat();
    void LataaPikavalinnat();
    void LataaPohja(std::unique_ptr<cTositePohja> pohja);
    void NaytaPohja();
    void TyhjennaKentat();
    void SalliMuokkaus(bool enable);
    dao::Currency LaskeSummat();
    void TyhjennaSummat();
    void TarkistaPikavalinta();
    std::unique_ptr<cTositePohja> LuoUusiPohja();

    // ---- Commands
    void Uusi();
    void Tallenna();
    void Peru();
    void Poista();
    void Selaa();
    void Sulje();
    void ListClick();

    // ---- Fields
    void pikavalintaChosen();
    void leavePikavalinta();
    void leaveTili(Puoli p, int i);
    void leaveKP(Puoli p, int i);
    void summaChanged(Puoli p, int i);
    void leaveSumma(Puoli p, int i);
    // The choice in an account or cost-centre combo that has the focus, as
    // leaving it would take it, and the amount in an amount box that has it
    // (or its refusal): the commands run this first, so a command given by
    // its key stores what the box shows.
    void takeFocusedChoice();

    // Writes the pending changes of the template and its rows; an error
    // reaches the caller.
    void writePending();
    // Lets every object go (after writePending).
    void releaseAll();
    // Runs a command or an event handler; what it raises is shown to the user.
    const core::CommandRunner run{
        [] { return core::TranslateStr(QStringLiteral("frmTositepohja"), QStringLiteral("Odottamaton virhe: ")); }};

    Rivit& rivit(Puoli p) { return p == Puoli::Debet ? debet_ : kredit_; }
    QComboBox* tiliCombo(Puoli p, int i) const { return p == Puoli::Debet ? cmbDebetTili[size_t(i)] : cmbKreditTili[size_t(i)]; }
    QComboBox* kpCombo(Puoli p, int i) const { return p == Puoli::Debet ? cmbDebetKP[size_t(i)] : cmbKreditKP[size_t(i)]; }
    QLineEdit* summa(Puoli p, int i) const { return p == Puoli::Debet ? tDebetSumma[size_t(i)] : tKreditSumma[size_t(i)]; }
    static QString tyyppi(Puoli p) { return p == Puoli::Debet ? QStringLiteral("D") : QStringLiteral("K"); }

    std::unique_ptr<cTositePohja> cur_;
    Rivit debet_;
    Rivit kredit_;
    bool ListaPaivittyy = false;
    bool showing_ = false;  // NaytaPohja is filling the fields
    QStandardItemModel* tiliModel_ = nullptr;
    QStandardItemModel* kpModel_ = nullptr;
};

}  // namespace vouchers
