// The shared helpers of the windows: message boxes, input filters, list
// helpers, the two sorts, window placements, file attributes and the report
// section fonts.

#include "core/globals.h"
#include "core/ui/helpers.h"
#include "platform/dao/error.h"
#include "platform/ini/inifile.h"
#include "platform/report/preview.h"  // reportcontrol.h needs the complete preview type
#include "platform/report/reportcontrol.h"
#include "platform/sys/apppath.h"
#include "support/dialogs.h"
#include "support/testenv.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRandomGenerator>
#include <algorithm>
#include <gtest/gtest.h>

using namespace core;

namespace {

TEST(CoreUiMessages, BoxesAreTitledWithTheProgramsTitle) {
    resetGlobals();
    AppTitle = "Kolvio Testi";
    kvtest::ScriptedDialogs d;
    d.expectMessage("Tallennettu", ui::Answer::OK)
        .expectMessage("Poistetaanko", ui::Answer::Yes)
        .expectMessage("Jatketaanko", ui::Answer::No)
        .expectMessage("Ei onnistunut", ui::Answer::OK);
    ShowInfo("Tallennettu.");
    EXPECT_EQ(AskYesNo("Poistetaanko tosite?"), ui::Answer::Yes);
    EXPECT_EQ(AskYesNo("Jatketaanko?", false), ui::Answer::No);
    ShowCritical("Ei onnistunut.");

    const auto& shown = d.shown();
    ASSERT_EQ(shown.size(), 4);
    for (const auto& s : shown) EXPECT_EQ(s.title, "Kolvio Testi");
    EXPECT_EQ(shown[0].buttons, ui::Buttons::OK);
    EXPECT_EQ(shown[0].icon, ui::Icon::Information);
    EXPECT_EQ(shown[1].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(shown[1].icon, ui::Icon::Question);
    EXPECT_EQ(shown[2].icon, ui::Icon::None);
    EXPECT_EQ(shown[3].icon, ui::Icon::Critical);
    resetGlobals();
}

// Runs a filter as the Change handler would and gives the text left.
QString filtered(void (*filter)(QLineEdit*), const QString& typed, int* caret = nullptr) {
    QLineEdit e;
    e.setText(typed);
    e.setCursorPosition(0);
    filter(&e);
    if (caret) *caret = e.cursorPosition();
    return e.text();
}

TEST(CoreUiFilters, TextIsCutBackUntilItReadsAsANumber) {
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    struct Case {
        void (*filter)(QLineEdit*);
        const char* typed;
        const char* left;
    };
    const Case cases[] = {
        {FilterNumericInput, "12,5", "12,5"},
        {FilterNumericInput, "12,5x", "12,5"},
        {FilterNumericInput, ",5", ",5"},
        {FilterNumericInput, "12,5,", "12,5"},
        {FilterNumericInput, "12.5", "12.5"},  // a point is read as the decimal separator too
        {FilterNumericInput, "1 234,50", "1 234,50"},
        {FilterNumericInput, "1e3", "1e3"},
        {FilterNumericInput, "1,5e-", "1,5"},
        {FilterNumericInput, "abc", ""},
        {FilterNumericInput, "-", ""},
        {FilterNumericInput, "-12", "-12"},
        {FilterNumericInput, ",", ""},
        {FilterSignedNumericInput, "-", "-"},
        {FilterSignedNumericInput, "-x", ""},
        {FilterSignedNumericInput, "-12,5", "-12,5"},
        {FilterIntegerInput, "12,5", "12,"},
        {FilterIntegerInput, "-40", "-40"},
        {FilterIntegerInput, ",5", ""},
        {FilterIntegerInput, "1,5e3", "1,5e3"},  // 1500 is whole
        {FilterIntegerInput, "2147483647", "2147483647"},
        {FilterIntegerInput, "2147483648", "214748364"},
        {FilterIntegerInput, "-2147483649", "-214748364"},
    };
    for (const Case& c : cases) EXPECT_EQ(filtered(c.filter, c.typed), c.left) << c.typed;

    // The caret goes to the end only when something was dropped.
    int caret = -1;
    EXPECT_EQ(filtered(FilterNumericInput, "12a", &caret), "12");
    EXPECT_EQ(caret, 2);
    EXPECT_EQ(filtered(FilterNumericInput, "123", &caret), "123");
    EXPECT_EQ(caret, 0);

    // Another locale reads alike: a comma is a decimal separator there too,
    // never a digit-group separator.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(filtered(FilterNumericInput, "1,234.5"), "1,234");
    EXPECT_EQ(filtered(FilterNumericInput, "12,"), "12,");
    EXPECT_EQ(filtered(FilterIntegerInput, "1,000"), "1,000");  // 1, not a thousand
    EXPECT_EQ(filtered(FilterIntegerInput, "12.5"), "12.");
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
}

TEST(CoreUiSplit, PiecesGoIntoTheArrayFromItsStart) {
    QStringList parts(5, "vanha");
    QString text = " 12,15, ";
    EXPECT_EQ(SplitToArray(text, parts, ","), 1);
    EXPECT_EQ(parts, QStringList({"12", "15", "vanha", "vanha", "vanha"}));
    EXPECT_EQ(text, "12,15,,");

    parts = QStringList(5, "vanha");
    text = "a,,b";
    EXPECT_EQ(SplitToArray(text, parts, ","), 2);
    EXPECT_EQ(parts, QStringList({"a", "", "b", "vanha", "vanha"}));

    // Stops when the array is full.
    parts = QStringList(2, "vanha");
    text = "1,2,3,4";
    EXPECT_EQ(SplitToArray(text, parts, ","), 1);
    EXPECT_EQ(parts, QStringList({"1", "2"}));

    // All blank: nothing written.
    parts = QStringList(2, "vanha");
    text = "   ";
    EXPECT_EQ(SplitToArray(text, parts, ","), std::nullopt);
    EXPECT_EQ(parts, QStringList({"vanha", "vanha"}));

    QStringList none;
    text = "1,2";
    try {
        SplitToArray(text, none, ",");
        FAIL() << "no error";
    } catch (const dao::DaoError& e) {
        EXPECT_EQ(e.number(), 9);
    }
}

TEST(CoreUiLists, ItemsAreFoundByTheirData) {
    QComboBox combo;
    SelectComboByItemData(&combo, 5);  // empty: nothing happens
    EXPECT_EQ(combo.currentIndex(), -1);
    combo.addItem("Ei dataa");
    combo.addItem("Kassa", 1910);
    combo.addItem("Pankki", 1920);
    combo.addItem("Pankki 2", 1920);
    SelectComboByItemData(&combo, 1920);
    EXPECT_EQ(combo.currentIndex(), 2);
    SelectComboByItemData(&combo, 4000);
    EXPECT_EQ(combo.currentIndex(), 0);

    QListWidget list;
    for (int id : {3, 7, 7, 9}) {
        auto* item = new QListWidgetItem(QString::number(id), &list);
        item->setData(Qt::UserRole, id);
    }
    RemoveListItemByItemData(&list, 7);
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(1)->text(), "7");
    RemoveListItemByItemData(&list, 42);
    EXPECT_EQ(list.count(), 3);

    EXPECT_EQ(MaxInteger(3, 8), 8);
    EXPECT_EQ(MaxInteger(-2, -9), -2);
}

// values(index(1)), values(index(2)), ... as a list.
QVariantList byIndex(const QVariantList& values, const std::vector<long>& index, int n) {
    QVariantList out;
    for (int k = 0; k < n; ++k) out << values[index[size_t(k)] - 1];
    return out;
}

TEST(CoreUiSorts, ShellSortIndexOrdersTheIndexOnly) {
    const QVariantList fonts = {"Times New Roman", "Arial", "arial", "Verdana", "DejaVu Sans", "Arial"};
    std::vector<long> index(fonts.size(), 0);
    ShellSortIndex(fonts, index, std::nullopt, false);
    // Character codes: capitals before small letters.
    EXPECT_EQ(byIndex(fonts, index, 6),
              QVariantList({"Arial", "Arial", "DejaVu Sans", "Times New Roman", "Verdana", "arial"}));
    EXPECT_EQ(fonts[0], "Times New Roman");

    std::fill(index.begin(), index.end(), 0);
    ShellSortIndex(fonts, index, std::nullopt, true);
    EXPECT_EQ(byIndex(fonts, index, 6),
              QVariantList({"arial", "Verdana", "Times New Roman", "DejaVu Sans", "Arial", "Arial"}));

    // Numbers compare numerically; upper sorts only the first elements.
    const QVariantList numbers = {10, 9, 100, 2.5, -1};
    std::vector<long> idx(5, 0);
    ShellSortIndex(numbers, idx, 3, false);
    EXPECT_EQ(byIndex(numbers, idx, 3), QVariantList({9, 10, 100}));
    EXPECT_EQ(idx[3], 4);
    EXPECT_EQ(idx[4], 5);

    // An index already filled: the sort starts from its permutation and
    // reaches the same order.
    std::vector<long> given = {5, 4, 3, 2, 1};
    ShellSortIndex(numbers, given, std::nullopt, false);
    EXPECT_EQ(byIndex(numbers, given, 5), QVariantList({-1, 2.5, 9, 10, 100}));
    // A given index that points outside the array is an error.
    std::vector<long> partial = {2, 2, 0, 0, 3};
    EXPECT_THROW(ShellSortIndex(numbers, partial, std::nullopt, false), dao::DaoError);

    // Nothing to sort (upper 0) ends at once; an upper past the array is an error.
    std::vector<long> empty(3, 0);
    ShellSortIndex(numbers, empty, 0, false);
    EXPECT_EQ(empty, std::vector<long>({1, 2, 3}));
    std::vector<long> small(2, 0);
    EXPECT_THROW(ShellSortIndex(numbers, small, std::nullopt, false), dao::DaoError);
    EXPECT_THROW(ShellSortIndex(numbers, idx, 6, false), dao::DaoError);
}

TEST(CoreUiSorts, QuickSortSortsInPlace) {
    auto* rng = QRandomGenerator::global();
    for (int n : {2, 3, 17, 1000}) {
        QVariantList values;
        std::vector<int> expected;
        for (int i = 0; i < n; ++i) {
            const int v = rng->bounded(-50, 50);  // many equal values
            values << v;
            expected.push_back(v);
        }
        QVariantList down = values;
        QuickSortVariants(values, std::nullopt, false);
        std::sort(expected.begin(), expected.end());
        for (int i = 0; i < n; ++i) ASSERT_EQ(values[i].toInt(), expected[size_t(i)]) << n;
        QuickSortVariants(down, std::nullopt, true);
        for (int i = 0; i < n; ++i) ASSERT_EQ(down[i].toInt(), expected[size_t(n - 1 - i)]) << n;
    }
    // Already sorted and reversed input of a size that needs the stack.
    QVariantList sorted;
    for (int i = 0; i < 2000; ++i) sorted << i;
    QVariantList reversed = sorted;
    std::reverse(reversed.begin(), reversed.end());
    QuickSortVariants(reversed, std::nullopt, false);
    EXPECT_EQ(reversed, sorted);

    // Numbers before texts; a value without type first.
    QVariantList mixed = {"b", 3, QVariant(), 1.5, "a"};
    QuickSortVariants(mixed, std::nullopt, false);
    EXPECT_EQ(mixed, QVariantList({QVariant(), 1.5, 3, "a", "b"}));

    // Only up to upper; one element, or upper below the start: unchanged.
    QVariantList part = {3, 2, 1, 0};
    QuickSortVariants(part, 3, false);
    EXPECT_EQ(part, QVariantList({1, 2, 3, 0}));
    QVariantList one = {"x"};
    QuickSortVariants(one, std::nullopt, false);
    EXPECT_EQ(one, QVariantList({"x"}));
    QVariantList untouched = {2, 1};
    QuickSortVariants(untouched, 0, false);
    EXPECT_EQ(untouched, QVariantList({2, 1}));
    EXPECT_THROW(QuickSortVariants(untouched, 3, false), dao::DaoError);
}

class CoreUiFiles : public ::testing::Test {
protected:
    void SetUp() override {
        resetGlobals();
        ini::cIniFile::ClearCache();
        sys::SetAppPath(dir.path());
    }
    void TearDown() override { sys::SetAppPath(QString()); }
    kvtest::TempDir dir;
};

TEST_F(CoreUiFiles, FormPositionIsKeptPerVersion) {
    QWidget a;
    a.setObjectName("frmKoe");
    a.setGeometry(60, 45, 420, 300);
    SaveFormPosition(&a);

    ini::cIniFile ini;
    ini.FileName(dir.file("vevaravo.ini"));
    ini.Section("FORMS");
    const QString key = QStringLiteral("frmKoe%1%2").arg(KV_VERSION_MAJOR).arg(KV_VERSION_MINOR);
    EXPECT_FALSE(ini.Read(key).isEmpty());

    QWidget b;
    b.setObjectName("frmKoe");
    b.setGeometry(0, 0, 100, 100);
    LoadFormPosition(&b);
    EXPECT_EQ(b.geometry(), QRect(60, 45, 420, 300));

    // A placement stored by another version is not used.
    ini.Write("900,900,6000,4500,0", QStringLiteral("frmMuu%1%2").arg(KV_VERSION_MAJOR + 1).arg(KV_VERSION_MINOR));
    QWidget c;
    c.setObjectName("frmMuu");
    c.setGeometry(10, 20, 200, 150);
    LoadFormPosition(&c);
    EXPECT_EQ(c.geometry(), QRect(10, 20, 200, 150));

    // Errors are ignored: an ini file that cannot be written.
    IniFileName = dir.file("puuttuva/kansio/vevaravo.ini");
    SaveFormPosition(&a);
    LoadFormPosition(&c);
    LoadFormPosition(nullptr);
    SaveFormPosition(nullptr);
    EXPECT_EQ(c.geometry(), QRect(10, 20, 200, 150));
}

TEST_F(CoreUiFiles, ReadOnlyFilesAreToldAndCleared) {
    const QString path = dir.file("seura.mdb");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    EXPECT_FALSE(IsFileReadOnly(path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_TRUE(IsFileReadOnly(path));
    EXPECT_TRUE(ClearFileAttributes(path));
    EXPECT_FALSE(IsFileReadOnly(path));
    EXPECT_FALSE(IsFileReadOnly(dir.file("puuttuu.mdb")));
    EXPECT_FALSE(ClearFileAttributes(dir.file("puuttuu.mdb")));
}

TEST(CoreUiReports, SectionFontsFollowTheSettings) {
    resetGlobals();
    Fontti = "Liberation Serif";
    FonttiKoko = 9;
    EXPECT_EQ(ReportFontEntries(true), QStringList({"DETAIL;Liberation Serif;9;X;X;X;X",
                                                    "TITLE;Liberation Serif;12;X;X;X;X",
                                                    "HEADER;Liberation Serif;X;X;X;X;X",
                                                    "GRNDTTL;Liberation Serif;9;X;X;X;X",
                                                    "FOOTER;Liberation Serif;9;X;X;X;X"}));
    report::ReportControl rc;
    SetReportFonts(rc, true);
    SetReportFonts(rc, false);
    EXPECT_EQ(rc.sectionFont(0), "ALL;Liberation Serif;9;X;X;X;X");
    EXPECT_EQ(rc.sectionFont(1), "TITLE;Liberation Serif;12;X;X;X;X");
    EXPECT_EQ(rc.sectionFont(2), "HEADER;Liberation Serif;X;X;X;X;X");
    // The entries of the separate sections are emptied again.
    EXPECT_EQ(rc.sectionFont(3), "");
    EXPECT_EQ(rc.sectionFont(4), "");
    resetGlobals();
}

}  // namespace
