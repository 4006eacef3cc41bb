#pragma once

// frmNewTulosJaTase: the model editor. On the left a tree of every income-
// statement and balance-sheet model with its rows as a tree of groups; on
// the right the details of the chosen model and row, the accounts a row
// sums and the formula of a subtotal row; above them the commands.
//
// Tree nodes: two roots without key ("Tuloslaskelma", "Tase"); model nodes
// keyed "ma" & maID under the root of their type; row nodes keyed "mr" &
// mrID under their model or parent row. The window holds one model and one
// row (a blank placeholder until one is shown); typing changes them in
// memory, and they are written by the save command, before another node
// is chosen with the mouse, before reports, and when the window closes.
//
// Rows are moved with the two order buttons among their siblings, and by
// dragging a row node onto another row (it becomes that row's last child)
// or onto a model (it becomes a top row there). A row is never dropped on
// itself or below itself, and the rows below a row moved into another
// model move with it.
//
// The report commands of the window (the statement print, the budget
// comparison and the chart of accounts) are plugged in by the statement
// reports through the Set...Command hooks; without one, the command tells
// the user that it is not available.

#include "core/ui/commanderrors.h"
#include "core/ui/translator.h"
#include "platform/ui/forms.h"
#include "statement_models/malli.h"

#include <QTreeWidget>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace statement_models {

// The model tree: reports the mouse-down before the tree acts on it, node
// clicks (mouse, Enter, keyboard moves) and the four steps of a drag.
class MalliTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit MalliTree(QWidget* parent = nullptr);

    std::function<void(const QPoint& pos)> onMouseDown;
    std::function<void()> onNodeClick;
    std::function<void()> onStartDrag;
    std::function<void(const QPoint& pos)> onDragOver;
    std::function<void()> onDrop;
    std::function<void()> onCompleteDrag;

    // The node a drop goes to; nullptr when none.
    QTreeWidgetItem* DropHighlight() const { return dropHighlight_; }
    void setDropHighlight(QTreeWidgetItem* item);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QTreeWidgetItem* dropHighlight_ = nullptr;
};

class frmNewTulosJaTase : public ui::Form {
    Q_OBJECT
public:
    frmNewTulosJaTase();
    ~frmNewTulosJaTase() override;

    // ---- Hooks for the commands of other parts of the program.

    // A report command, run with the window (it saves the shown model
    // first with Tallenna, reads CurModel, uses pBar and frameLasketaan).
    using ReportCommand = std::function<void(frmNewTulosJaTase&)>;
    // cTulosta, mTulosta: the statement print of the shown model.
    static void SetPrintCommand(ReportCommand command);
    // mRapBudjettivertailu: the budget comparison.
    static void SetBudgetComparisonCommand(ReportCommand command);
    // mTulTililuettelo: the chart of accounts.
    static void SetAccountListCommand(ReportCommand command);

    // ---- The held records and the tree.
    const cMalli& CurModel() const { return *curModel_; }
    const cMalliRivi& CurModelRow() const { return *curModelRow_; }
    QTreeWidgetItem* RootTulos() const { return rootTulos_; }
    QTreeWidgetItem* RootTase() const { return rootTase_; }
    // The node with the key ("ma12", "mr305"); nullptr when none has it.
    QTreeWidgetItem* NodeByKey(const QString& key) const;
    static QString KeyOf(const QTreeWidgetItem* node);

    // ---- Window procedures.
    // Empties the tree and builds it whole again from the database.
    void FillModelTree();
    // Adds the rows below a row node, all levels, in their order.
    void AddChildRows(dao::Database& db, QTreeWidgetItem* parent);
    void ShowModel(std::unique_ptr<cMalli> model);
    void ShowModelRow(std::unique_ptr<cMalliRivi> row);
    void DisplayModel();
    void DisplayModelRow();
    void AddNewModel(int Tyyppi);
    std::unique_ptr<cMalli> NewModel(int Tyyppi);
    void EnableRowControls(bool bOn);
    void EnableModelCommands();
    void DisableModelCommands();
    void EnableEditing();
    void DisableEditing();
    void EnableNew();

    // Accounts and formula.
    void FillAccountList();
    void MarkRowAccounts(const QString& sTilit);
    void ListSelectedAccounts();
    void SaveSelectedAccounts();
    void FillFormulaRowList(long maID, int Tyyppi);
    void ShowFormula(const QString& sKaava);

    // ---- Commands (the buttons and menu items run these).
    void tvMalli_Click();
    void Uusi();
    // Saves the shown row and model when changed (cTallenna_Click).
    void Tallenna();
    void Poista();
    void Selaa();
    void Peru();
    void Sulje();
    void AvaaKaikki();
    void LowerGroupOrder();
    void HigherGroupOrder();
    void Plussaa();
    void Miinusta();
    void TyhjennaKaava();
    // The pop-up menu's "Lisää tili": the add-account dialog; the new
    // account joins the list and the shown row's accounts.
    void LisaaTili();
    void TarkistaTilikartta();
    void AvaaTarkistusikkuna();
    // The report commands: the hooks above, or a note that they are not
    // available.
    void Tulosta();
    void Budjettivertailu();
    void TulostaTilikartta();
    // The profit-model box is left: the model takes the chosen income model.
    void TuloslaskelmaLostFocus();

    // Dragging a node of the tree.
    void tvMalli_OLEStartDrag();
    void tvMalli_OLEDragOver(const QPoint& pos);
    void tvMalli_OLEDragDrop();
    void tvMalli_OLECompleteDrag();
    // The row node being dragged; nullptr when the drag was refused.
    QTreeWidgetItem* DragNode() const;

    // Reads the shown model and row again from the database (after another
    // window has changed their rows) and shows them; pending changes are
    // written first.
    void ReloadShownRecords();

    // ---- Controls.
    QMenuBar* menuBar = nullptr;
    QMenu* mTiedosto = nullptr;
    QAction* mTarkistaTilikartta = nullptr;
    QAction* mAvaaTarkistusikkuna = nullptr;
    QAction* mTulosta = nullptr;
    QAction* mTulTililuettelo = nullptr;
    QAction* mSulje = nullptr;
    QMenu* mTietue = nullptr;
    QAction* mUusi = nullptr;
    QAction* mTallenna = nullptr;
    QAction* mPoista = nullptr;
    QAction* mSelaa = nullptr;
    QAction* mPeru = nullptr;
    QMenu* mRaportit = nullptr;
    QAction* mRapBudjettivertailu = nullptr;
    QMenu* mPopup = nullptr;
    QAction* mLisaaTili = nullptr;

    MalliTree* tvMalli = nullptr;
    QPushButton* cAvaaKaikki = nullptr;
    QGroupBox* frameToolbar = nullptr;
    QPushButton* cUusi = nullptr;
    QPushButton* cTallenna = nullptr;
    QPushButton* cPoista = nullptr;
    QPushButton* cSelaa = nullptr;
    QPushButton* cPeru = nullptr;
    QPushButton* cTulosta = nullptr;
    QPushButton* cSulje = nullptr;

    QGroupBox* frameMalli = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* tMallinNimi = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* chkMaSuojattu = nullptr;
    QLabel* lblTuloslaskelma = nullptr;
    QComboBox* cmbTuloslaskelma = nullptr;

    QGroupBox* frameRivinTiedot = nullptr;
    QLabel* lblOtsaketeksti = nullptr;
    QLineEdit* tOtsake = nullptr;
    QLabel* lblTilitLista = nullptr;
    QListWidget* lstTilit = nullptr;
    QLabel* lblValitutTilit = nullptr;
    QPlainTextEdit* lblTilit = nullptr;
    QToolButton* cLowerGroupOrder = nullptr;
    QToolButton* cHigherGroupOrder = nullptr;
    QCheckBox* chkIsLiikevaihto = nullptr;
    QCheckBox* chkVoitto = nullptr;

    QGroupBox* frameSpecial = nullptr;
    QCheckBox* chkUseEquation = nullptr;
    QLabel* lblKaavaTeksti = nullptr;
    QPlainTextEdit* lblKaava = nullptr;
    QLabel* lblSummaRivit = nullptr;
    QListWidget* lstSummaRivit = nullptr;
    QPushButton* cPlussaa = nullptr;
    QPushButton* cMiinusta = nullptr;
    QPushButton* cTyhjennaKaava = nullptr;

    QGroupBox* frameLasketaan = nullptr;
    QLabel* Label8 = nullptr;
    QProgressBar* pBar = nullptr;

    // Stores the model and the row shown, as leaving them does; reads the
    // book again afterwards (the tree and the account list anew, nothing
    // chosen).
    bool StorePendingEdits() override;
    void ReadBookAgain() override;

protected:
    void Load() override;
    void Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildModelFrame();
    void connectEvents();
    void layOut();
    // Runs a command; an error is shown to the user and ends the command.
    const core::CommandRunner run{
        [] { return core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Odottamaton virhe: ")); }};
    // No model or row shown, the accounts and the model tree read from the
    // book: the window as it opens.
    void ShowBookAfresh();

    enum class NodeKind { None, Root, Model, Row };
    NodeKind kindOf(const QTreeWidgetItem* node) const;
    static long idOf(const QTreeWidgetItem* node);
    // The depth of a row node below its model (a top row 1); 0 for any
    // other node.
    int rowDepth(const QTreeWidgetItem* node) const;
    // The levels of rows a row node holds, itself included.
    int rowHeight(const QTreeWidgetItem* node) const;
    // Tells the user that rows would be nested deeper than a model takes.
    void tellTooDeep() const;
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& key, const QString& text);
    // Adds the top rows of the model node's model under it, each with every
    // row below it; gives the last top row's node (nullptr when none).
    QTreeWidgetItem* addTopRows(dao::Database& db, QTreeWidgetItem* modelNode);
    void removeNode(QTreeWidgetItem* node);
    void reloadSiblings();
    void addFormulaTerm(const QChar& sign);
    void runReport(const ReportCommand& command);
    void ClearModelControls();
    void ClearRowControls();
    void EnableModelControls(bool bOn, int Tyyppi);
    void FillIncomeModelCombo();
    // Lets the held record go (it saves pending changes); an error is shown.
    template <class T>
    void releaseHeld(std::unique_ptr<T>& held);
    void attachModel();
    void attachRow();
    // Shows the selected node when the window shows another model or row
    // (a node can be selected without being shown, as when a drag starts).
    void ensureSelectionShown();
    QString selectedAccountsText() const;
    void accountsClicked();

    std::unique_ptr<cMalli> curModel_;
    std::unique_ptr<cMalliRivi> curModelRow_;
    QTreeWidgetItem* rootTulos_ = nullptr;
    QTreeWidgetItem* rootTase_ = nullptr;
    QTreeWidgetItem* lastNode_ = nullptr;
    QString dragKey_;
    bool bFillingAccounts_ = false;
    QWidget* client_ = nullptr;
};

}  // namespace statement_models
