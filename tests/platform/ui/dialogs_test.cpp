// The dialog service: the scripted one answers from its script, records
// every text, and answers safely whatever it did not expect.

#include "platform/ui/dialogs.h"
#include "platform/ui/printers.h"
#include "platform/ui/scripteddialogs.h"
#include "support/testenv.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using ui::Answer;
using ui::Buttons;
using ui::Icon;

TEST(UiScriptedDialogs, ExpectedDialogsAreAnsweredAndEveryTextRecorded) {
    ui::ScriptedDialogService script;
    ui::DialogScope scope(&script);
    script.expectMessage(QStringLiteral("kirjoitussuojatussa"), Answer::OK)
        .expectMessage(QStringLiteral("muuttaa tietokannan"), Answer::Yes)
        .expectInput(QStringLiteral("komento"), QStringLiteral("POISTA KAIKKI"))
        .expectOpenFile(QStringLiteral("/home/anna/seura.mdb"), QStringLiteral("Seuran valinta"))
        .expectPrinter(QStringLiteral("Laser"));

    // A line break written CR LF matches a fragment written with LF.
    EXPECT_EQ(ui::MsgBox(QStringLiteral("Tietokanta on kirjoitussuojatussa tilassa.\r\nEnnen avaamista"), 64,
                         QStringLiteral("Kolvio VEV")),
              Answer::OK);
    EXPECT_EQ(ui::MsgBox(QStringLiteral("Haluatko, että Kolvio VEV muuttaa tietokannan kirjoitettavaan tilaan?"),
                         36, QStringLiteral("Kolvio VEV")),
              Answer::Yes);
    EXPECT_EQ(ui::Dialogs().inputBox(QStringLiteral("Anna komento"), QStringLiteral("Kolvio VEV"), QString()),
              QStringLiteral("POISTA KAIKKI"));
    EXPECT_EQ(ui::Dialogs().openFile(QStringLiteral("Seuran valinta"), QStringLiteral("/home/anna"),
                                     QStringLiteral("Database (*.mdb)|*.mdb")),
              QStringLiteral("/home/anna/seura.mdb"));
    ui::PrinterChoice choice;
    EXPECT_TRUE(ui::Dialogs().choosePrinter(choice));
    EXPECT_EQ(choice.printer, QStringLiteral("Laser"));

    EXPECT_TRUE(script.failures().isEmpty()) << script.failures().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(script.pendingCount(), 0);
    ASSERT_EQ(script.shown().size(), 5);
    EXPECT_EQ(script.shownTexts()[2], QStringLiteral("Anna komento"));
    // The style number gave the buttons and the icon.
    EXPECT_EQ(script.shown()[0].buttons, Buttons::OK);
    EXPECT_EQ(script.shown()[0].icon, Icon::Information);
    EXPECT_EQ(script.shown()[1].buttons, Buttons::YesNo);
    EXPECT_EQ(script.shown()[1].icon, Icon::Question);
    EXPECT_EQ(script.shown()[1].title, QStringLiteral("Kolvio VEV"));
    EXPECT_EQ(script.shown()[3].initial, QStringLiteral("/home/anna"));
    EXPECT_EQ(script.shown()[3].filter, QStringLiteral("Database (*.mdb)|*.mdb"));
}

TEST(UiScriptedDialogs, UnexpectedOrMismatchedDialogsFailAndGetSafeAnswers) {
    ui::ScriptedDialogService script;
    ui::DialogScope scope(&script);
    QStringList reported;
    script.setFailureHandler([&](const QString& m) { reported << m; });

    // Nothing expected at all.
    EXPECT_EQ(ui::Dialogs().messageBox(QStringLiteral("Poistetaanko?"), QString(), Buttons::YesNo, Icon::Question),
              Answer::No);
    EXPECT_EQ(ui::Dialogs().messageBox(QStringLiteral("Tallennetaanko?"), QString(), Buttons::YesNoCancel,
                                       Icon::Question),
              Answer::Cancel);
    EXPECT_EQ(ui::Dialogs().inputBox(QStringLiteral("Nimi"), QString(), QStringLiteral("oletus")), QString());

    // The text does not match; then the kind does not; then the answer is
    // no button of the box.
    script.expectMessage(QStringLiteral("Tositetta ei löydy"), Answer::Yes)
        .expectInput(QString(), QStringLiteral("x"))
        .expectMessage(QString(), Answer::Yes);
    EXPECT_EQ(ui::Dialogs().messageBox(QStringLiteral("Tili puuttuu"), QString(), Buttons::OKCancel, Icon::None),
              Answer::Cancel);
    EXPECT_EQ(ui::Dialogs().chooseFolder(QStringLiteral("Kansio"), QString()), QString());
    EXPECT_EQ(ui::Dialogs().messageBox(QStringLiteral("Valmis"), QString(), Buttons::OK, Icon::Information),
              Answer::OK);

    EXPECT_EQ(script.failures().size(), 6);
    EXPECT_EQ(reported, script.failures());
    EXPECT_TRUE(script.failures()[0].contains(QStringLiteral("Poistetaanko?")));
    EXPECT_TRUE(script.failures()[3].contains(QStringLiteral("Tositetta ei löydy")));
    EXPECT_TRUE(script.failures()[3].contains(QStringLiteral("Tili puuttuu")));
    EXPECT_TRUE(script.failures()[4].contains(QStringLiteral("folder dialog")));
    EXPECT_EQ(script.shownTexts(),
              (QStringList{QStringLiteral("Poistetaanko?"), QStringLiteral("Tallennetaanko?"), QStringLiteral("Nimi"),
                           QStringLiteral("Tili puuttuu"), QStringLiteral("Kansio"), QStringLiteral("Valmis")}));
    EXPECT_EQ(script.pendingCount(), 0);

    // An expectation never met is still pending.
    script.reset();
    script.expectMessage(QStringLiteral("ei tule"), Answer::OK);
    EXPECT_EQ(script.pendingCount(), 1);
    EXPECT_TRUE(script.failures().isEmpty());
}

TEST(UiDialogs, ScopeRestoresThePreviousServiceAndFiltersConvert) {
    ui::ScriptedDialogService outer, inner;
    ui::SetDialogs(&outer);
    {
        ui::DialogScope scope(&inner);
        EXPECT_EQ(&ui::Dialogs(), &inner);
    }
    EXPECT_EQ(&ui::Dialogs(), &outer);
    ui::SetDialogs(nullptr);
    EXPECT_NE(dynamic_cast<ui::QtDialogService*>(&ui::Dialogs()), nullptr);

    EXPECT_EQ(ui::QtFileFilter(QStringLiteral("Database (*.mdb)|*.mdb")), QStringLiteral("Database (*.mdb)"));
    EXPECT_EQ(ui::QtFileFilter(QStringLiteral("Tietokannat|*.mdb;*.mdb2|Kaikki tiedostot (*.*)|*.*")),
              QStringLiteral("Tietokannat (*.mdb *.mdb2);;Kaikki tiedostot (*)"));
    EXPECT_EQ(ui::QtFileFilter(QString()), QString());
}

// The real printer choice: its "Print to File (PDF)" entry is the PDF
// printer, its file field proposes the caller's name and hands back the
// one typed, and choosing again starts from the PDF printer.
TEST(UiQtDialogs, ThePrinterChoiceOffersThePdfPrinterWithTheProposedFile) {
    kvtest::TempDir dir;
    QStringList offered;
    int pdfEntry = -1;
    QString fieldShown;
    auto answer = [&](bool choosePdf, const QString& typed) {
        QTimer::singleShot(50, [&, choosePdf, typed] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            if (auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"))) {
                offered.clear();
                for (int i = 0; i < printers->count(); ++i) offered << printers->itemText(i);
                pdfEntry = printers->currentIndex();
                if (choosePdf) printers->setCurrentIndex(printers->count() - 1);
            }
            if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) {
                fieldShown = file->text();
                if (!typed.isEmpty()) file->setText(typed);
            }
            dialog->accept();
        });
    };
    ui::QtDialogService qt;
    ui::PrinterChoice choice;
    const QString proposed = dir.file(QStringLiteral("Pääkirja -- 1.1.2026 - 31.12.2026.pdf"));
    choice.pdfFile = proposed;
    answer(true, QString());
    ASSERT_TRUE(qt.choosePrinter(choice));
    EXPECT_EQ(choice.printer, ui::kPdfPrinter);
    ASSERT_FALSE(offered.isEmpty());
    EXPECT_TRUE(offered.last().contains(QStringLiteral("PDF"))) << offered.join(", ").toStdString();
    EXPECT_EQ(fieldShown, proposed);
    EXPECT_EQ(choice.pdfFile, proposed);

    answer(false, dir.file(QStringLiteral("oma.pdf")));
    ASSERT_TRUE(qt.choosePrinter(choice));
    EXPECT_EQ(pdfEntry, offered.size() - 1);  // it opened on the PDF entry
    EXPECT_EQ(choice.printer, ui::kPdfPrinter);
    EXPECT_EQ(choice.pdfFile, dir.file(QStringLiteral("oma.pdf")));
}

}  // namespace
