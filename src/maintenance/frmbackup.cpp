#include "maintenance/frmbackup.h"
#include "maintenance/backupfolder.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/bookchange.h"
#include "core/ui/bookwork.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "platform/dao/database.h"
#include "platform/fso/fso.h"
#include "platform/sys/mousecursor.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace maintenance {

namespace {

// "number: text" of a failed step; 0 for an error without a number.
QString errorText(std::exception_ptr error) {
    return QString::number(core::ErrorNumber(error).value_or(0)) + QStringLiteral(": ") + core::ErrorText(error);
}

}  // namespace

void SetRedText(QLabel* label) {
    QPalette p = label->palette();
    p.setColor(QPalette::Active, QPalette::WindowText, QColor(0xFF, 0, 0));
    p.setColor(QPalette::Inactive, QPalette::WindowText, QColor(0xFF, 0, 0));
    label->setPalette(p);
}

frmBackup::frmBackup() : ui::Form(QStringLiteral("frmBackup")) {
    // Placement: saved at unload, never restored; the texts stay Finnish.
    setProperty("kvOwnPlacement", true);
    setWindowTitle(QStringLiteral("DURARADERA-Varmuuskopiointi"));

    lblVaihe1 = ui::makeWrappedLabel(this, "lblVaihe1", QStringLiteral("1. Aseta muistitikku tietokoneeseen"));
    lblKopioitavaTiedosto =
        ui::makeWrappedLabel(this, "lblKopioitavaTiedosto", QStringLiteral("Kopioitava tiedosto:"));
    lblKopioitavaTiedosto->setWordWrap(false);
    lblKopioitavaTiedostoNimi = ui::makeWrappedLabel(this, "lblKopioitavaTiedostoNimi", QString());
    cEtsiMuistitikku = ui::makeButton(this, "cEtsiMuistitikku", QStringLiteral("Jatka"));
    lblVapaaTilaStatus = ui::makeWrappedLabel(this, "lblVapaaTilaStatus",
                                              QStringLiteral("Muistitikun vapaa tila ei riitä."));
    SetRedText(lblVapaaTilaStatus);
    lblVaihe2 = ui::makeWrappedLabel(this, "lblVaihe2", QString());
    cKopioi = ui::makeButton(this, "cKopioi", QStringLiteral("Kopioi"));
    lblVaihe3 = ui::makeWrappedLabel(this, "lblVaihe3", QString());
    lblVaihe4 = ui::makeWrappedLabel(
        this, "lblVaihe4",
        QStringLiteral("4. Voit vielä tehdä tietokannan tiivistyksen. Tiivistys ei ole pakollinen, "
                       "mutta se pienentää käytössä olevan tietokannan kokoa"));
    cTiivista = ui::makeButton(this, "cTiivista", QStringLiteral("Tiivistä"));
    lblVaihe5 = ui::makeWrappedLabel(this, "lblVaihe5", QStringLiteral("5. Tiivistys valmis"));
    cSulje = ui::makeButton(this, "cSulje", QStringLiteral("Sulje"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblVaihe1);
    auto* file = new QHBoxLayout;
    file->addWidget(lblKopioitavaTiedosto);
    file->addWidget(lblKopioitavaTiedostoNimi, 1);
    layout->addLayout(file);
    auto leftButton = [layout](QPushButton* b) {
        auto* row = new QHBoxLayout;
        row->addWidget(b);
        row->addStretch();
        layout->addLayout(row);
    };
    leftButton(cEtsiMuistitikku);
    layout->addWidget(lblVapaaTilaStatus);
    layout->addWidget(lblVaihe2);
    leftButton(cKopioi);
    layout->addWidget(lblVaihe3);
    layout->addWidget(lblVaihe4);
    leftButton(cTiivista);
    layout->addWidget(lblVaihe5);
    layout->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cSulje);
    layout->addLayout(bottom);
    resize(520, 420);

    for (QWidget* w : {static_cast<QWidget*>(cEtsiMuistitikku), static_cast<QWidget*>(lblVapaaTilaStatus),
                       static_cast<QWidget*>(lblVaihe2), static_cast<QWidget*>(cKopioi),
                       static_cast<QWidget*>(lblVaihe3), static_cast<QWidget*>(lblVaihe4),
                       static_cast<QWidget*>(cTiivista), static_cast<QWidget*>(lblVaihe5)})
        w->hide();

    ui::Events::of(cEtsiMuistitikku).onClick([this] { cEtsiMuistitikku_Click(); });
    ui::Events::of(cKopioi).onClick([this] { cKopioi_Click(); });
    ui::Events::of(cTiivista).onClick([this] { cTiivista_Click(); });
    ui::Events::of(cSulje).onClick([this] { ui::Forms::unload(*this); });
}

void frmBackup::Load() {
    tikku_ = BackupStick();
    tietokantaLoytyi_ = false;
    if (fso::FileExists(core::DatabasePath)) {
        lblKopioitavaTiedostoNimi->setText(core::DatabasePath);
        tietokannanKoko_ = fso::FileSize(core::DatabasePath);
        tietokantaLoytyi_ = true;
    } else {
        lblKopioitavaTiedostoNimi->setText(QStringLiteral("-"));
    }
    if (tietokantaLoytyi_)
        cEtsiMuistitikku->show();
    else
        lblVaihe1->setText(QStringLiteral("Kopioitavaa tiedostoa ei löydy."));
}

void frmBackup::Unload() { core::SaveFormPosition(this); }

void frmBackup::cEtsiMuistitikku_Click() {
    tikku_ = FindBackupStick();
    if (tikku_.found) {
        vapaaTila_ = tikku_.drive.freeSpace;
        lblVaihe2->setText(QStringLiteral("2. Sopiva muistitikku löytyi (") + tikku_.name() +
                           QStringLiteral("-asema), tee kopio."));
        // Equal counts as too little: the stick would be left full.
        if (vapaaTila_ <= tietokannanKoko_) {
            lblVapaaTilaStatus->setText(QStringLiteral("Muistitikun vapaa tila ei riitä."));
            lblVapaaTilaStatus->show();
            tilaRiittaa_ = false;
        } else {
            tilaRiittaa_ = true;
            lblVapaaTilaStatus->hide();
        }
    } else {
        lblVapaaTilaStatus->setText(QStringLiteral("Sopivaa muistitikkua ei löydy."));
        lblVapaaTilaStatus->show();
        core::ShowInfo(QStringLiteral("Sopivaa muistitikkua ei löydy.") + QStringLiteral("\n\n") +
                       QStringLiteral("Tutustu ohjelman käyttöohjeesta kappaleeseen \"Varmistus kopiotikulle\".") +
                       u'\n' +
                       QStringLiteral("Sieltä löytyy ohjeet miten muistitikulle annetaan nimeksi \"DURARADERA\"."));
    }
    if (tikku_.found && tilaRiittaa_) {
        lblVaihe2->show();
        cKopioi->show();
        lblVaihe1->setEnabled(false);
        cEtsiMuistitikku->setEnabled(false);
    }
}

void frmBackup::cKopioi_Click() {
    // The open windows store what they hold first, and read the book again
    // when the copy has been made.
    const core::BookChange change;
    if (!change.began()) return;
    sys::cMouseCursor cursor;
    try {
        const QDate today = Today();
        QString folder = StickTitleFolder(tikku_);
        if (!fso::FolderExists(folder)) fso::CreateFolder(folder);
        folder = fso::BuildPath(folder, DayFolderName(today));
        if (!fso::FolderExists(folder)) fso::CreateFolder(folder);
        const QString target = fso::BuildPath(folder, fso::GetFileName(core::DatabasePath));

        cursor.SetCursor(this, sys::kPointerHourglass);
        cKopioi->setEnabled(false);
        core::DBCon().SuljeDB();
        // Work files of copies that were interrupted on the stick go.
        for (const QString& day : fso::SubFolders(StickTitleFolder(tikku_)))
            fso::RemoveLeftoverWorkFiles(fso::BuildPath(StickTitleFolder(tikku_), day), core::DatabasePath);
        // A damaged book never takes the place of an earlier copy.
        {
            const core::BookWorkProgress progress(core::BookWork::Check, core::DatabasePath);
            dao::DBEngine::CheckIntegrity(core::DatabasePath);
        }
        // Written under a temporary name, synced and renamed: an earlier copy
        // of the day stays whole until the new one is on the stick.
        fso::CopyFile(core::DatabasePath, target, true);

        cursor.SetCursor(this, sys::kPointerDefault);
        lblVaihe3->setText(QStringLiteral("3. Kopiointi valmis."));
        lblVaihe3->show();
        lblVaihe2->setEnabled(false);
        cKopioi->setEnabled(false);
        lblVaihe4->show();
        cTiivista->show();
    } catch (...) {
        // Any failure of the folders, the integrity check or the copy is
        // shown on the step's line; the book itself is not touched.
        const std::exception_ptr e = std::current_exception();
        SetRedText(lblVaihe3);
        QString why =
            core::BookWorkStoppedText(core::ErrorNumber(e).value_or(0), core::BookWork::Check, core::DatabasePath);
        if (why.isEmpty()) why = core::RefusedBookText(e);
        lblVaihe3->setText(QStringLiteral("3. Kopiointi ei onnitunut: ") + (why.isEmpty() ? errorText(e) : why));
        lblVaihe3->show();
    }
}

void frmBackup::cTiivista_Click() {
    const core::BookChange change;
    if (!change.began()) return;
    core::DBCon().SuljeDB();
    // A book reached through a symbolic link stays so: the file it leads to
    // is compacted and replaced.
    const QString book = BookFileBehindLinks(core::DatabasePath);
    QString temporary;
    std::exception_ptr prepareError;
    bool prepared = false;
    // Work files that an interrupted earlier compaction left go first.
    fso::RemoveLeftoverWorkFiles(fso::GetParentFolderName(book), book);
    try {
        temporary = fso::CreateWorkFileBeside(book);
        // The compaction wants a target that does not exist.
        fso::DeleteFile(temporary);
        prepared = true;
    } catch (...) {
        // No work file: the compaction is not tried, and the step tells why.
        prepareError = std::current_exception();
    }

    if (prepared) {
        bool compacted = false;
        try {
            const core::BookWorkProgress progress(core::BookWork::Compaction, book);
            dao::DBEngine::CompactDatabase(book, temporary);
            compacted = true;
        } catch (...) {
            // The compaction failed: the book is as it was, and the step tells why.
            const std::exception_ptr e = std::current_exception();
            try {
                if (fso::FileExists(temporary)) fso::DeleteFile(temporary);
            } catch (const fso::Error&) {
                // A work file that cannot go is removed by the next compaction
                // (RemoveLeftoverWorkFiles); the failure told is the compaction's.
            }
            lblVaihe5->setText(QStringLiteral("5. Tiivistys ei onnistunut: ") +
                               CompactionFailureReason(book, e));
        }
        QCoreApplication::processEvents();
        if (compacted) {
            try {
                // Whole or not at all: the book keeps its old contents when
                // the copy cannot be completed.
                fso::CopyFile(temporary, book, true);
                try {
                    fso::DeleteFile(temporary);
                } catch (const fso::Error&) {
                    // The book has its compacted contents; a work file left over goes with
                    // the next compaction (RemoveLeftoverWorkFiles).
                }
            } catch (...) {
                const std::exception_ptr e = std::current_exception();
                // The compacted copy did not become the book, which keeps its old
                // contents; the step tells why.
                try {
                    if (fso::FileExists(temporary)) fso::DeleteFile(temporary);
                } catch (const fso::Error&) {
                    // As above: left for the next compaction to remove.
                }
                lblVaihe5->setText(QStringLiteral("5. Tiivistetyn tietokannan kopiointi käyttöön ei onnistunut: ") +
                                   errorText(e));
            }
        }
    } else {
        lblVaihe5->setText(QStringLiteral("5. Tiivistys ei onnistunut: Väliaikaisen tiedoston luonti ei onnistunut: ") +
                           errorText(prepareError));
    }

    cTiivista->setEnabled(false);
    lblVaihe3->setEnabled(false);
    lblVaihe4->setEnabled(false);
    lblVaihe5->show();
}

}  // namespace maintenance
