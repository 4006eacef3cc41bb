#include "maintenance/stickcopiesform.h"

#include "core/globals.h"
#include "maintenance/frmbackup.h"
#include "platform/fso/fso.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace maintenance {

StickCopiesForm::StickCopiesForm(const QString& name, const QString& caption, bool multiSelect) : ui::Form(name) {
    setProperty("kvOwnPlacement", true);
    setWindowTitle(caption);

    auto label = [this](const char* objectName, const QString& text) {
        return ui::makeWrappedLabel(this, objectName, text);
    };
    auto list = [this](const char* objectName) {
        auto* l = new QListWidget(this);
        l->setObjectName(QString::fromLatin1(objectName));
        return l;
    };
    lblVaihe1 = label("lblVaihe1", QStringLiteral("1. Aseta muistitikku tietokoneeseen"));
    cEtsiMuistitikku = ui::makeButton(this, QStringLiteral("cEtsiMuistitikku"), QStringLiteral("Jatka"));
    lblVapaaTilaStatus = label("lblVapaaTilaStatus", QString());
    SetRedText(lblVapaaTilaStatus);
    lblVaihe2 = label("lblVaihe2", QString());
    lstPaiva = list("lstPaiva");
    lblVaihe3 = label("lblVaihe3", QString());
    lstTietokanta = list("lstTietokanta");
    lstTietokanta->setSortingEnabled(true);
    lstTietokanta->setSelectionMode(multiSelect ? QAbstractItemView::MultiSelection
                                                : QAbstractItemView::SingleSelection);
    cSulje = ui::makeButton(this, QStringLiteral("cSulje"), QStringLiteral("Sulje"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblVaihe1);
    auto* search = new QHBoxLayout;
    search->addWidget(cEtsiMuistitikku);
    search->addStretch();
    layout->addLayout(search);
    layout->addWidget(lblVapaaTilaStatus);
    layout->addWidget(lblVaihe2);
    layout->addWidget(lstPaiva, 1);
    layout->addWidget(lblVaihe3);
    layout->addWidget(lstTietokanta, 1);
    own_ = new QVBoxLayout;
    layout->addLayout(own_);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cSulje);
    layout->addLayout(bottom);
    resize(520, 480);

    for (QWidget* w : {static_cast<QWidget*>(cEtsiMuistitikku), static_cast<QWidget*>(lblVapaaTilaStatus),
                       static_cast<QWidget*>(lblVaihe2), static_cast<QWidget*>(lstPaiva),
                       static_cast<QWidget*>(lblVaihe3), static_cast<QWidget*>(lstTietokanta)})
        w->hide();

    ui::Events::of(cEtsiMuistitikku).onClick([this] { cEtsiMuistitikku_Click(); });
    ui::Events::of(lstPaiva).onClick([this] { lstPaiva_Click(); });
    ui::Events::of(cSulje).onClick([this] { ui::Forms::unload(*this); });
}

namespace {

void keepPlacesWhenHidden(QLayout* layout) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QWidget* w = item->widget()) {
            QSizePolicy policy = w->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            w->setSizePolicy(policy);
        } else if (QLayout* inner = item->layout()) {
            keepPlacesWhenHidden(inner);
        }
    }
}

}  // namespace

void StickCopiesForm::Load() {
    // The window's own controls are all in their places by now.
    keepPlacesWhenHidden(own_);
    tikku_ = BackupStick();
    cEtsiMuistitikku->show();
}

void StickCopiesForm::cEtsiMuistitikku_Click() {
    {
        const QSignalBlocker quietDays(lstPaiva);
        const QSignalBlocker quietFiles(lstTietokanta);
        lstPaiva->clear();
        lstTietokanta->clear();
    }
    beforeSearch();

    tikku_ = FindBackupStick();
    if (!tikku_.found) {
        lblVapaaTilaStatus->setText(QStringLiteral("Sopivaa muistitikkua ei löydy."));
        lblVapaaTilaStatus->show();
        return;
    }
    lblVaihe2->setText(QStringLiteral("2. Sopiva muistitikku löytyi (") + tikku_.name() +
                       QStringLiteral("-asema), valitse palautettavan varmuuskopion päivä:"));

    QList<long> days;
    int folders = 0;
    try {
        const QString root = StickTitleFolder(tikku_);
        if (!fso::FolderExists(root)) fso::CreateFolder(root);
        folders = static_cast<int>(fso::SubFolders(root).size());
        if (folders > 0) days = BackupDays(root);
    } catch (...) {
        // A stick that cannot be read or written holds no copies we could use.
        folders = 0;
    }
    if (folders == 0) {
        lblVapaaTilaStatus->setText(QStringLiteral("Muistitikulta ei löydy varmuuskopioita."));
        lblVapaaTilaStatus->show();
        return;
    }

    {
        const QSignalBlocker quiet(lstPaiva);
        // Newest first.
        for (auto it = days.crbegin(); it != days.crend(); ++it) {
            auto* item = new QListWidgetItem(DayText(*it), lstPaiva);
            item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(*it));
        }
    }
    lblVaihe2->show();
    lstPaiva->show();
    lblVaihe1->setEnabled(false);
    cEtsiMuistitikku->setEnabled(false);
}

bool StickCopiesForm::chosenDay(long* dayNumber, QString* dayText) const {
    const QListWidgetItem* item = lstPaiva->currentItem();
    if (!item || !item->isSelected()) return false;
    if (item->text().size() < 2) return false;
    if (dayNumber) *dayNumber = static_cast<long>(item->data(Qt::UserRole).toLongLong());
    if (dayText) *dayText = item->text();
    return true;
}

QString StickCopiesForm::copyPath(long dayNumber, const QString& fileName) const {
    return fso::BuildPath(fso::BuildPath(StickTitleFolder(tikku_), DayFolderName(dayNumber)), fileName);
}

void StickCopiesForm::lstPaiva_Click() {
    {
        const QSignalBlocker quiet(lstTietokanta);
        lstTietokanta->clear();
    }
    dayCleared();
    int files = 0;
    long day = 0;
    QString dayText;
    if (chosenDay(&day, &dayText)) {
        try {
            const QStringList names = fso::Files(fso::BuildPath(StickTitleFolder(tikku_), DayFolderName(day)));
            const QSignalBlocker quiet(lstTietokanta);
            lstTietokanta->addItems(names);
            files = static_cast<int>(names.size());
        } catch (...) {
            // The day's folder has gone (the stick was taken out): no files.
            files = 0;
        }
    }
    if (files < 1) {
        lblVaihe3->setText(QStringLiteral("3. Valitulle päivälle ei löydy tietokantoja."));
        lblVaihe3->show();
        lstTietokanta->hide();
    } else {
        lblVaihe3->setText(dayChosenText(dayText));
        lblVaihe3->show();
        lstTietokanta->show();
    }
    afterDayChoice();
}

}  // namespace maintenance
