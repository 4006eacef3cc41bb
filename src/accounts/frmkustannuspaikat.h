#pragma once

// frmKustannuspaikat: the cost-centre window, where the cost centres
// (table `kp`) are kept. All cost centres stand in the list lstKPt ("number
// name", in number order as of the last fill); one is shown in the fields.
// Commands: new, save, delete (after a warning that its entries must be
// moved to another cost centre), refresh of the list, cancel, and
// first/previous/next/last in number order. There is no print.
//
// The shown cost centre is a cKustannuspaikka; it writes itself on
// "Tallenna" and "Selaa", and whenever another takes its place or the
// window closes. Its NameChanged event keeps its list item in step while
// the user types; the list is put back in number order only by "Selaa" and
// the next opening.
//
// The window restores its placement as it loads but never stores it.

#include "accounts/kustannuspaikka.h"
#include "core/ui/commanderrors.h"
#include "core/ui/translator.h"
#include "platform/ui/forms.h"

#include <functional>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

namespace accounts {

namespace detail {
class WindowKeys;
}

class frmKustannuspaikat : public ui::Form {
    Q_OBJECT
public:
    static constexpr int kNumeroPituus = 3;
    static constexpr int kNimiPituus = 50;
    static constexpr int kKuvausPituus = 255;

    frmKustannuspaikat();
    ~frmKustannuspaikat() override;

    // The cost centre shown now; the placeholder (IsEmpty) when none is.
    const cKustannuspaikka& curKustannuspaikka() const { return *cur_; }
    // Makes k the shown cost centre (nullptr: the placeholder) and fills the
    // fields. The one shown before is let go and saves its own unsaved
    // edits; an error of that save goes to the release-error sink.
    void ShowKustannuspaikka(std::unique_ptr<cKustannuspaikka> k);
    void RefreshFields();
    void EnableFields(bool enabled);
    // A new cost centre, stored at once: number 0, name and description blank.
    std::unique_ptr<cKustannuspaikka> NewKustannuspaikka();
    // Refills the list from `kp` in number order; nothing is selected.
    void FillList();

    // ---- Commands (the buttons and their menu items)
    void Uusi();
    void Tallenna();
    void Poista();
    void Selaa();
    void Peru();
    void Ensimmainen();
    void Edellinen();
    void Seuraava();
    void Viimeinen();
    void Sulje();

    // True while the window itself changes the list.
    bool bUpdatingList = false;

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
    QAction* mEnsimmainen = nullptr;
    QAction* mEdellinen = nullptr;
    QAction* mSeuraava = nullptr;
    QAction* mViimeinen = nullptr;

    QListWidget* lstKPt = nullptr;
    QGroupBox* frameTilit = nullptr;
    QLabel* lblKPNumero = nullptr;
    QLineEdit* tKPNumero = nullptr;
    QLabel* lblNimi = nullptr;
    QLineEdit* tNimi = nullptr;
    QLabel* lblKuvaus = nullptr;
    QPlainTextEdit* tKuvaus = nullptr;

    QPushButton* cUusi = nullptr;
    QPushButton* cTallenna = nullptr;
    QPushButton* cPoista = nullptr;
    QPushButton* cSelaa = nullptr;
    QPushButton* cPeru = nullptr;
    QPushButton* cEnsimmainen = nullptr;  // "cEnsimmäinen"
    QPushButton* cEdellinen = nullptr;
    QPushButton* cSeuraava = nullptr;
    QPushButton* cViimeinen = nullptr;
    QPushButton* cSulje = nullptr;

    // Stores the one shown, as leaving it does; reads the book again
    // afterwards, back on the same one when it is still there.
    bool StorePendingEdits() override;
    void ReadBookAgain() override;

protected:
    void Load() override;
    void Unload() override;

private:
    void buildControls();
    void connectEvents();
    void CreateEmptyKustannuspaikka();
    void curKustannuspaikka_NameChanged(long id, long lNumero, const QString& sName);
    // The user's choice of a list item.
    void lstKPt_Choose(QListWidgetItem* item);
    void browse(std::unique_ptr<cKustannuspaikka> found);
    void releaseShown();
    // Runs a command; what it raises is shown to the user.
    const core::CommandRunner run{
        [] { return core::TranslateStr(QStringLiteral("frmKustannuspaikat"), QStringLiteral("Virhe:")) + u' '; },
        ui::Icon::Information};

    detail::WindowKeys* keys_ = nullptr;
    cKustannuspaikka* cur_ = nullptr;  // owned_ or emptyKustannuspaikka_
    std::unique_ptr<cKustannuspaikka> owned_;
    std::unique_ptr<cKustannuspaikka> emptyKustannuspaikka_;
};

}  // namespace accounts
