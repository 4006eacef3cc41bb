#include "maintenance/frmbackupmanagement.h"

#include "core/globals.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "platform/fso/fso.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/events.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace maintenance {

frmBackupManagement::frmBackupManagement()
    : StickCopiesForm(QStringLiteral("frmBackupManagement"), QStringLiteral("DURARADERA-Hallinta"), true) {
    cPoistaValitut = ui::makeButton(this, QStringLiteral("cPoistaValitut"), QStringLiteral("Poista valitut kopiot"));
    auto* row = new QHBoxLayout;
    row->addWidget(cPoistaValitut);
    row->addStretch();
    ownControls()->addLayout(row);
    cPoistaValitut->hide();

    ui::Events::of(lstTietokanta).onClick([this] { lstTietokanta_Click(); });
    ui::Events::of(cPoistaValitut).onClick([this] { cPoistaValitut_Click(); });
}

void frmBackupManagement::dayCleared() { cPoistaValitut->hide(); }

QString frmBackupManagement::dayChosenText(const QString& dayText) const {
    return QStringLiteral("3. Valitulle päivälle ") + dayText +
           QStringLiteral(" löytyy seuraavat tietokannat, valitse poistettavien tietokantojen nimet:");
}

void frmBackupManagement::lstTietokanta_Click() {
    cPoistaValitut->setVisible(!lstTietokanta->selectedItems().isEmpty());
}

void frmBackupManagement::cPoistaValitut_Click() {
    try {
        long day = 0;
        QString dayText;
        for (int i = 0; i < lstTietokanta->count(); ++i) {
            const QListWidgetItem* item = lstTietokanta->item(i);
            if (!chosenDay(&day, &dayText) || !item->isSelected()) continue;
            const QString name = item->text();
            if (name.size() < 2) continue;
            const QString path = copyPath(day, name);
            if (core::AskYesNo(QStringLiteral("Haluatko varmasti poistaa kopion ") + dayText + QStringLiteral(" / ") +
                                   name + u'?',
                               false) == ui::Answer::Yes)
                fso::DeleteFile(path);
        }
    } catch (...) {
        const std::exception_ptr e = std::current_exception();
        // A copy that cannot go (the stick taken out or write-protected): the
        // user is told, and the remaining copies are not asked about.
        ui::Dialogs().messageBox(QStringLiteral("Kopion poisto ei onnistu: ") +
                                     QString::number(core::ErrorNumber(e).value_or(0)) + QStringLiteral(": ") +
                                     core::ErrorText(e),
                                 core::AppTitle, ui::Buttons::OK, ui::Icon::Exclamation);
        return;
    }
    // The list again from the folder: the deleted files are gone from it.
    lstPaiva_Click();
    cPoistaValitut->hide();
}

}  // namespace maintenance
