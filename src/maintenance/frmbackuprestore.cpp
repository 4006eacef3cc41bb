#include "maintenance/frmbackuprestore.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/settings.h"
#include "core/ui/bookchange.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "maintenance/backupfolder.h"
#include "maintenance/frmbackup.h"
#include "platform/fso/fso.h"
#include "platform/sys/folders.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace maintenance {

namespace {

// "Virhe: ..." of the failure messages; permission problems get a word of
// explanation.
QString errorPart(std::exception_ptr error) {
    const int number = core::ErrorNumber(error).value_or(0);
    const QString numbered = QString::number(number) + QStringLiteral(": ") + core::ErrorText(error);
    if (number == 70)
        return QStringLiteral("Virhe: Käyttöoikeudet puuttuvat tai tiedosto on jonkin muun ohjelman käytössä.") + u'\n' +
               numbered;
    return QStringLiteral("Virhe: ") + numbered;
}

}  // namespace

frmBackupRestore::frmBackupRestore()
    : StickCopiesForm(QStringLiteral("frmBackupRestore"), QStringLiteral("DURARADERA-Palautus"), false) {
    lblPalautettavaTiedosto = ui::makeLabel(this, QStringLiteral("lblPalautettavaTiedosto"),
                                            QStringLiteral("Palautettava tiedosto:"));
    lblPalautettavaTiedostoNimi = new QLabel(this);
    lblPalautettavaTiedostoNimi->setObjectName(QStringLiteral("lblPalautettavaTiedostoNimi"));
    lblPalautettavaTiedostoNimi->setWordWrap(true);
    lblPalautettavaTiedostoNimi->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The chosen file's path takes three lines whatever its length, so that
    // showing it moves nothing (stickcopiesform.h); a path too long for its
    // place is seen whole in the tooltip.
    lblPalautettavaTiedostoNimi->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    lblPalautettavaTiedostoNimi->setFixedHeight(3 * lblPalautettavaTiedostoNimi->fontMetrics().lineSpacing());
    cPalauta = ui::makeButton(this, QStringLiteral("cPalauta"), QStringLiteral("Palauta"));
    lblPalautusStatus = new QLabel(this);
    lblPalautusStatus->setObjectName(QStringLiteral("lblPalautusStatus"));
    SetRedText(lblPalautusStatus);

    ownControls()->addWidget(lblPalautettavaTiedosto);
    ownControls()->addWidget(lblPalautettavaTiedostoNimi);
    auto* row = new QHBoxLayout;
    row->addWidget(cPalauta);
    row->addStretch();
    ownControls()->addLayout(row);
    ownControls()->addWidget(lblPalautusStatus);
    for (QWidget* w : {static_cast<QWidget*>(lblPalautettavaTiedosto), static_cast<QWidget*>(lblPalautettavaTiedostoNimi),
                       static_cast<QWidget*>(cPalauta), static_cast<QWidget*>(lblPalautusStatus)})
        w->hide();

    ui::Events::of(lstTietokanta).onClick([this] { lstTietokanta_Click(); });
    // A click beside the rows takes the choice away without choosing
    // another: the chosen file goes with it.
    connect(lstTietokanta, &QListWidget::itemSelectionChanged, this, [this] {
        if (lstTietokanta->selectedItems().isEmpty()) HideChosenFile();
    });
    ui::Events::of(cPalauta).onClick([this] { cPalauta_Click(); });
}

void frmBackupRestore::beforeSearch() {
    lblPalautettavaTiedostoNimi->clear();
    lblVapaaTilaStatus->clear();
}

void frmBackupRestore::dayCleared() { lblPalautettavaTiedostoNimi->clear(); }

QString frmBackupRestore::dayChosenText(const QString& dayText) const {
    return QStringLiteral("3. Valitulle päivälle ") + dayText +
           QStringLiteral(" löytyy seuraavat tietokannat, valitse palautettavan tietokannan nimi:");
}

void frmBackupRestore::afterDayChoice() { HideChosenFile(); }

void frmBackupRestore::HideChosenFile() {
    lblPalautettavaTiedosto->hide();
    lblPalautettavaTiedostoNimi->hide();
    cPalauta->hide();
}

void frmBackupRestore::DisableRestoreSteps() {
    for (QWidget* w : {static_cast<QWidget*>(lblVaihe2), static_cast<QWidget*>(lstPaiva),
                       static_cast<QWidget*>(lblVaihe3), static_cast<QWidget*>(lstTietokanta),
                       static_cast<QWidget*>(lblPalautettavaTiedosto),
                       static_cast<QWidget*>(lblPalautettavaTiedostoNimi), static_cast<QWidget*>(cPalauta)})
        w->setEnabled(false);
}

void frmBackupRestore::lstTietokanta_Click() {
    long day = 0;
    const QListWidgetItem* file = lstTietokanta->currentItem();
    if (chosenDay(&day, nullptr) && file && file->isSelected() && file->text().size() >= 2) {
        lblPalautettavaTiedostoNimi->setText(copyPath(day, file->text()));
        lblPalautettavaTiedostoNimi->setToolTip(lblPalautettavaTiedostoNimi->text());
        lblPalautettavaTiedosto->show();
        lblPalautettavaTiedostoNimi->show();
        cPalauta->show();
    } else {
        HideChosenFile();
    }
}

void frmBackupRestore::cPalauta_Click() {
    // The program ends once the copy is in use: the open windows store what
    // they hold before anything is closed.
    const core::BookChange change;
    if (!change.began()) return;
    // A copy that is not the program's book is not restored, and nothing changes.
    if (CopyIsRefused(lblPalautettavaTiedostoNimi->text())) {
        lblPalautusStatus->setText(QStringLiteral("Palautus keskeytyi."));
        lblPalautusStatus->show();
        return;
    }
    bool folderReady = false;
    bool restored = false;
    QString targetFolder;
    QString target;
    try {
        core::DBCon().SuljeDB();
        const QString personal = sys::GetSpecialFolder(sys::kSpecialFolderPersonal);
        // Without the documents folder the copy would land wherever the
        // program happens to run.
        if (personal.isEmpty()) throw fso::Error(fso::err::PathNotFound, QStringLiteral("Path not found"));
        targetFolder = fso::BuildPath(personal, core::AppTitle);
        EnsureFolder(targetFolder);
        folderReady = true;

        const QString source = lblPalautettavaTiedostoNimi->text();
        target = fso::BuildPath(targetFolder, fso::GetFileName(source));
        if (fso::FileExists(target)) {
            if (core::AskYesNo(QStringLiteral("Palautus kirjoittaa yli olemassa olevan tiedoston, korvataanko tämä "
                                              "tiedosto varmuuskopiolla?") +
                               QStringLiteral("\n\n(") + target + u')') == ui::Answer::Yes) {
                fso::CopyFile(source, target, true);
                restored = true;
            }
        } else {
            fso::CopyFile(source, target, true);
            restored = true;
        }
    } catch (...) {
        const std::exception_ptr e = std::current_exception();
        // Any failure of the folder or the copy: the restore stops there, the
        // user is told, and the book in use stays.
        lblPalautusStatus->setText(QStringLiteral("Palautus keskeytyi."));
        lblPalautusStatus->show();
        if (!folderReady)
            core::ShowInfo(QStringLiteral("Kansion luonti ei onnistunut: ") + u'\n' + targetFolder + QStringLiteral("\n\n") +
                           errorPart(e));
        else
            core::ShowInfo(QStringLiteral("Kopiointi ei onnistunut: ") + u'\n' + target + QStringLiteral("\n\n") +
                           errorPart(e));
        DisableRestoreSteps();
        return;
    }
    if (!restored) return;
    GiveNewFileMode(target);

    // The copy becomes the book only through the ini file: when that cannot
    // be written, the book in use stays, and the user is told so.
    const QString previous = core::DatabasePath;
    bool saved = false;
    try {
        saved = core::SaveDatabasePath(target);
    } catch (...) {
        // The ini file could not be written: saved stays false, and the user
        // is told below that the book in use stays.
    }
    if (!saved) {
        core::DatabasePath = previous;
        lblPalautusStatus->setText(QStringLiteral("Palautus keskeytyi."));
        lblPalautusStatus->show();
        const bool held = core::IniFile().LockRefused();
        core::ShowInfo(QStringLiteral("Varmuuskopio on kopioitu tiedostoksi ") + target +
                       (held ? QStringLiteral(", mutta sitä ei voitu ottaa käyttöön, koska toinen ohjelma pitää "
                                              "asetustiedostoa varattuna:")
                             : QStringLiteral(", mutta sitä ei voitu ottaa käyttöön, koska asetustiedostoon ei voi "
                                              "kirjoittaa:")) +
                       u'\n' + core::IniFile().FileName() + QStringLiteral("\n\n") +
                       QStringLiteral("Käytössä on edelleen entinen tietokanta."));
        DisableRestoreSteps();
        return;
    }
    core::ShowInfo(QStringLiteral("Tietokantaa on vaihdettu. ") + core::AppTitle +
                   QStringLiteral(" sammutetaan ja se tulee käynnistää uudestaan."));
    EndProgramNow();
}

}  // namespace maintenance
