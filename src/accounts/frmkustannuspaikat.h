#pragma once

// frmKustannuspaikat: the cost-centre window, where the cost centres
// (table `kp`) are kept. All cost centres stand in the list lstKPt ("number
// name", in number order as of the last fill); one is shown in the fields.
// Commands: new, save, delete (after a warning that its entries must be
// moved to another cost centre), refresh of the list, cancel, and
// first/previous/next/last in number order. There is no print.
//
// The shown cost centre is a cKustannuspaikka and the window a record
// window (recordform.h); the list is put back in number order only by
// "Selaa" and the next opening.

#include "accounts/kustannuspaikka.h"
#include "accounts/recordform.h"

#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace accounts {

class frmKustannuspaikat : public detail::RecordForm<cKustannuspaikka> {
    Q_OBJECT
public:
    static constexpr int kNumeroPituus = 3;

    frmKustannuspaikat();
    ~frmKustannuspaikat() override;

    // The cost centre shown now; the placeholder (IsEmpty) when none is.
    const cKustannuspaikka& curKustannuspaikka() const { return shownRecord(); }
    // Makes k the shown cost centre (nullptr: the placeholder), as ShowRecord.
    void ShowKustannuspaikka(std::unique_ptr<cKustannuspaikka> k) { ShowRecord(std::move(k)); }
    void RefreshFields() override;
    void EnableFields(bool enabled);
    // Refills the list from the cost-centre list in number order; nothing
    // is selected.
    void FillList();

    // The delete command: after a warning that its entries must be moved
    // to another cost centre.
    void Poista() override;

    // True while the window itself changes the list.
    bool bUpdatingList = false;

    // ---- Controls besides the record window's
    QListWidget* lstKPt = nullptr;
    QLabel* lblKPNumero = nullptr;
    QLineEdit* tKPNumero = nullptr;

protected:
    void ReadList() override { FillList(); }
    void ShownNameChanged(long id, long lNumero, const QString& sName) override;

private:
    void buildControls();
    void connectEvents();
    // The user's choice of a list item.
    void lstKPt_Choose(QListWidgetItem* item);
};

}  // namespace accounts
