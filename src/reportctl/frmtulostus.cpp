#include "reportctl/frmtulostus.h"

#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "core/wholenumber.h"
#include "platform/report/reportcontrol.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/events.h"
#include "platform/ui/printers.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportctl/reportglobals.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

namespace reports {

frmTulostus::frmTulostus() : DialogForm(QStringLiteral("frmTulostus"), kWidthTwips, kHeightTwips) {
    setWindowTitle(core::AppTitle + QStringLiteral(" - Tulostusasetukset"));

    Label1 = ui::makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Tulosta:"));
    cmbTulostusLaite = new QComboBox(this);
    cmbTulostusLaite->setObjectName(QStringLiteral("cmbTulostusLaite"));
    cmbTulostusLaite->setEditable(false);
    Label2 = ui::makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Kopioita:"));
    tKopioita = ui::makeLineEdit(this, QStringLiteral("tKopioita"));
    cTulosta = ui::makeButton(this, "cTulosta", QStringLiteral("Tulosta"));
    cPeruTulostus = ui::makeButton(this, "cPeruTulostus", QStringLiteral("Peruuta"));
    cTulostin = ui::makeButton(this, "cTulostin", QStringLiteral("&Vaihda tulostin"));

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(cmbTulostusLaite, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(tKopioita, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cTulosta);
    buttons->addWidget(cPeruTulostus);
    buttons->addWidget(cTulostin);
    buttons->addStretch();
    auto* row = new QHBoxLayout(this);
    row->addLayout(grid, 1);
    row->addSpacing(8);
    row->addLayout(buttons);

    setTabOrder(tKopioita, cmbTulostusLaite);
    setTabOrder(cmbTulostusLaite, cTulosta);
    setTabOrder(cTulosta, cPeruTulostus);
    setTabOrder(cPeruTulostus, cTulostin);
    setDialogButtons(cTulosta, cPeruTulostus);
    fixSize();

    ui::Events::of(cTulosta).onClick([this] { print(); });
    ui::Events::of(cPeruTulostus).onClick([this] { cancel(); });
    ui::Events::of(cTulostin).onClick([this] { changePrinter(); });
    ui::Events::of(tKopioita).onGotFocus([this] { core::SelectAllText(tKopioita); });
}

void frmTulostus::Load() {
    // Until the print button settles it, the dialog ends as cancelled.
    TulostusPeruttu = true;
    setWindowTitle(core::TranslateStr(QStringLiteral("frmTulostus"), core::AppTitle + QStringLiteral(" - Tulostusasetukset")));
    {
        ui::ChangeGuard quiet(cmbTulostusLaite);
        cmbTulostusLaite->clear();
        cmbTulostusLaite->addItem(core::TranslateStr(QStringLiteral("frmTulostus"), QStringLiteral("Ikkuna")));
        cmbTulostusLaite->addItem(core::TranslateStr(QStringLiteral("frmTulostus"), QStringLiteral("Tulostin")));
        cmbTulostusLaite->setCurrentIndex(0);
    }
    TulostusLaite = 1;
    // A PDF file named in an earlier print's printer choice was for that
    // print: this one names its own, in the printer choice or at the run.
    CrystalReport1().setPrintFileName(QString());
    tKopioita->setText(QString::number(core::TulostusKopioita));
    tKopioita->setFocus();
}

std::optional<int> frmTulostus::ReadCopies(const QString& text) {
    const std::optional<long> whole = core::ReadWholeNumber(text);
    if (!whole || *whole < std::numeric_limits<qint16>::min() || *whole > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return int(*whole);
}

void frmTulostus::print() {
    TulostusLaite = qMax(0, cmbTulostusLaite->currentIndex());
    std::optional<int> copies = ReadCopies(tKopioita->text());
    if (!copies) {
        if (TulostusLaite == 1 &&
            core::AskYesNo(core::TranslateStr(QStringLiteral("frmTulostus"),
                                              QStringLiteral("Antamasi kopiomäärä on virheellinen. Haluatko tulostaa yhden kopion?"))) !=
                ui::Answer::Yes) {
            // Back to the copies; the dialog stays open and still counts as cancelled.
            tKopioita->setFocus();
            core::SelectAllText(tKopioita);
            return;
        }
        copies = 1;
    }
    // A count below one prints one copy.
    core::TulostusKopioita = qMax(1, *copies);
    TulostusPeruttu = false;
    ui::Forms::unload(*this);
}

void frmTulostus::cancel() {
    TulostusPeruttu = true;
    ui::Forms::unload(*this);
}

void frmTulostus::changePrinter() {
    // Any failure leaves the printer as it was.
    try {
        report::ReportControl& rc = CrystalReport1();
        // The report is not run yet: a PDF file named here is proposed from
        // the association's name.
        ui::PrinterChoice choice;
        choice.printer = rc.printerName();
        choice.pdfFile = ui::ProposedPdfFile(core::SeuranNimi.isEmpty() ? core::AppTitle : core::SeuranNimi);
        if (!ui::Dialogs().choosePrinter(choice)) return;
        const QString name = choice.printer;
        const QPrinterInfo info = QPrinterInfo::printerInfo(name);
        rc.setPrinterName(name);
        rc.setPrintFileName(name == ui::kPdfPrinter ? choice.pdfFile : QString());
        rc.setPrinterDriver(info.isNull() ? QString() : info.makeAndModel());
        // The platform's printers have no port of their own.
        rc.setPrinterPort(QString());
    } catch (const std::exception& e) {
        qWarning("frmTulostus: printer change failed: %s", e.what());
    } catch (...) {
        // The report control keeps the printer it had; the print dialog stays.
        qWarning("frmTulostus: printer change failed");
    }
}

QString AskPdfFile(const QString& proposed) {
    QString file = ui::Dialogs().saveFile(
        core::TranslateStr(QStringLiteral("frmTulostus"), QStringLiteral("Tulosta tiedostoon (PDF)")), proposed,
        QStringLiteral("PDF (*.pdf)|*.pdf"));
    if (!file.isEmpty() && QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".pdf");
    return file;
}

bool AskPrintDestination() {
    TulostusPeruttu = true;
    ui::Forms::show<frmTulostus>(true);
    return !TulostusPeruttu;
}

}  // namespace reports
