#pragma once

// The scrolled row display of the account views: a frame with 19 rows of
// labels, one control array per column ("lblDebet(0)" .. "lblDebet(18)")
// and a rule under each row ("lineSeparator(i)"). Whatever the number of
// rows a view holds, only these 19 exist; the view's scroll bar picks which
// of its rows they show.
//
// Element 0 of every array is made with the display; CreateRows makes
// elements 1 to 18 as copies of element 0, each row 300 twips below the one
// before; RemoveRows destroys them again.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <vector>

class QFrame;
class QHBoxLayout;
class QLabel;
class QMenuBar;
class QScrollBar;
class QWidget;

namespace accounts::detail {

struct RowColumn {
    QString name;     // control array name, "lblDebet"
    QString caption;  // design caption of element 0
    int left = 0;     // twips from the frame's left edge
    int width = 0;    // twips
    bool right = false;
};

class RowDisplay {
public:
    static constexpr int kRows = 19;
    static constexpr int kFirstTop = 180;
    static constexpr int kRowStep = 300;
    static constexpr int kLabelHeight = 255;
    // The rule of row 0, below its labels.
    static constexpr int kLineY = 465;

    // Makes element 0 of every column and of lineSeparator inside frame.
    RowDisplay(QWidget* frame, std::vector<RowColumn> columns);

    // Elements 1 to 18 of every array, copies of element 0.
    void CreateRows();
    // Destroys elements 1 and up.
    void RemoveRows();
    // Highest element index present (0 when only element 0 exists).
    int highestIndex() const { return int(lines_.size()) - 1; }

    int columnCount() const { return int(columns_.size()); }
    QLabel* label(int column, int row) const;
    QFrame* line(int row) const;

    // Captions of one row, column by column; missing texts empty the label.
    void setRow(int row, const QStringList& texts);
    void clearRow(int row);
    // The 19 rows showing the view's rows from first on, texts(i) giving
    // row i's captions; rows past the view's count rows are cleared.
    void showRows(int first, int count, const std::function<QStringList(int)>& texts);

    // What the frame needs for 19 rows, in twips.
    int widthTwips() const;
    static int heightTwips() { return kFirstTop + kRowStep * kRows; }

private:
    QLabel* makeLabel(int column, int row);
    QFrame* makeLine(int row);

    QWidget* frame_;
    std::vector<RowColumn> columns_;
    std::vector<QList<QLabel*>> labels_;  // [column][row]
    QList<QFrame*> lines_;
};

// Places a widget at a rectangle given in twips inside its parent.
void PlaceTwips(QWidget* w, int left, int top, int width, int height);
// A label made for absolute placing: its name, caption and alignment.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, bool right);

// ---------------------------------------------------------------- around the rows

// The height in twips of the strips above and below the rows.
constexpr int kStripHeight = 360;

// A label of a strip, at the column it heads or sums up.
struct StripLabel {
    QLabel** label;  // where the label made is kept
    QString name;
    QString caption;
    int left = 0;  // twips
    int width = 0;
    bool right = false;
};
// Makes the labels in strip, each at its column 60 twips below the strip's top.
void MakeStripLabels(QWidget* strip, std::initializer_list<StripLabel> labels, bool bold);

// The column headings above the rows: the frame "Frame1", widthTwips wide
// and one strip high, with its labels in bold.
QFrame* MakeHeadings(QWidget* window, int widthTwips, std::initializer_list<StripLabel> labels);

// The rows with their totals below them: the frame "Frame2" holding the
// rows' frame "frameTiedot", in which the caller makes the display; then
// PlaceTotals puts the totals' frame "Frame3" with its labels under the
// rows, gives the frames their sizes and returns the totals' frame.
struct RowsFrame {
    QFrame* outer = nullptr;
    QFrame* rows = nullptr;
};
RowsFrame MakeRowsFrame(QWidget* window);
QFrame* PlaceTotals(const RowsFrame& frames, const RowDisplay& display, std::initializer_list<StripLabel> labels);

// The vertical scroll bar "scrlBar" that picks the view's first shown row.
QScrollBar* MakeRowScrollBar(QWidget* parent);
// Lets the bar pick among count rows: one step even when all fit.
void SetScrollRows(QScrollBar* bar, int count);

// The page of a view: the menu bar, the command row top, the headings,
// and the rows with the scroll bar beside them (as high as the display's
// rows), at their natural size.
void LayOutView(QWidget* window, QMenuBar* menuBar, QHBoxLayout* top, QFrame* headings, QFrame* rows, QScrollBar* bar);

}  // namespace accounts::detail
