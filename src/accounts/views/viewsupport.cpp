#include "accounts/views/viewsupport.h"

#include "core/globals.h"
#include "core/records/lists.h"
#include "core/ui/helpers.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/apppath.h"
#include "platform/ui/events.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportctl/reportglobals.h"

#include <QComboBox>
#include <QDir>
#include <QLocale>

namespace accounts::detail {

QString GeneralDateText(const dao::Date& date) {
    const QLocale locale;
    QString text = date.toShortString(locale);
    if (date.hasTime()) text += QLatin1Char(' ') + locale.toString(date.time(), QLocale::LongFormat);
    return text;
}

void PrintWorkTable(const QString& definitionFile, const QString& heading, const QString& sortField) {
    if (!reports::AskPrintDestination()) return;
    reports::ResetReportFormulas();
    report::ReportControl& rc = reports::CrystalReport1();
    rc.setReportFileName(QDir(sys::AppPath()).filePath(definitionFile));
    rc.setDestination(reports::TulostusLaite);
    rc.setCopiesToPrinter(core::TulostusKopioita);
    core::SetReportFonts(rc, false);
    rc.setFormulas(0, reports::NamedFormula(QStringLiteral("Seurannimi"), core::SeuranNimi));
    rc.setFormulas(1, reports::NamedFormula(QStringLiteral("Otsake"), heading));
    rc.setSortFields(0, sortField);
    rc.setAction(1);
}

bool ChosenItemData(const QComboBox* combo, long* data) {
    const int i = combo->currentIndex();
    if (i < 0) return false;
    if (combo->isEditable() && combo->currentText() != combo->itemText(i)) return false;
    *data = long(combo->itemData(i).toLongLong());
    return true;
}

void FillAccountCombo(QComboBox* combo) {
    ui::ChangeGuard quiet(combo);
    combo->clear();
    combo->addItem(QStringLiteral(" "), QVariant(qlonglong(0)));
    for (const core::ListLine& account : core::AccountList(core::AccountOrder::ByNumber))
        combo->addItem(account.text(core::ListLine::MissingNumber::Blank), QVariant(qlonglong(account.id)));
    combo->setCurrentIndex(-1);
    if (combo->isEditable()) combo->setEditText(QString());
}

}  // namespace accounts::detail
