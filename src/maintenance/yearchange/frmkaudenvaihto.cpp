#include "maintenance/yearchange/frmkaudenvaihto.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/records/modellist.h"
#include "core/ui/bookchange.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "maintenance/yearchange/kaudenvaihto.h"
#include "platform/dao/database.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QStringList>
#include <QPushButton>
#include <QVBoxLayout>

namespace maintenance {

namespace {

// Pending window events run at most this often while rows are written.
constexpr qint64 kEventIntervalMs = 40;

}  // namespace

frmKaudenVaihto::frmKaudenVaihto() : ui::Form(QStringLiteral("frmKaudenVaihto")) {
    setWindowTitle(QStringLiteral("Tilikauden vaihto"));

    lblTilikausiAlku = ui::makeLabel(this, "lblTilikausiAlku", QString());
    lblTilikausiLoppu = ui::makeLabel(this, "lblTilikausiLoppu", QString());
    lblTilikausiUusiAlku = ui::makeLabel(this, "lblTilikausiUusiAlku", QString());
    lblTilikausiUusiLoppu = ui::makeLabel(this, "lblTilikausiUusiLoppu", QString());
    lblTasemalli = ui::makeLabel(this, "lblTasemalli",
                                 QStringLiteral("Valitse tasemalli, jonka mukaan uudet avaussaldot kirjataan:"));
    cmbTasemalli = new QComboBox(this);
    cmbTasemalli->setObjectName(QStringLiteral("cmbTasemalli"));
    cmbTasemalli->setEditable(false);
    lblTasemalli->setBuddy(cmbTasemalli);
    chkTeeAvausviennit = new QCheckBox(QStringLiteral("Tee tilikauden avausviennit taseen perusteella"), this);
    chkTeeAvausviennit->setObjectName(QStringLiteral("chkTeeAvausviennit"));
    chkTeeAvausviennit->setChecked(true);
    cTilikaudenvaihto = ui::makeButton(this, QStringLiteral("cTilikaudenvaihto"), QStringLiteral("Tilikauden vaihto"));
    cTilikaudenvaihto->setAutoDefault(false);
    cPeru = ui::makeButton(this, QStringLiteral("cPeru"), QStringLiteral("Peru"));
    cPeru->setAutoDefault(false);
    lblStatus = ui::makeLabel(this, "lblStatus", QString());
    pBar = new QProgressBar(this);
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setRange(0, 7);
    pBar->setValue(0);
    pBar->setTextVisible(false);

    auto* years = new QGridLayout;
    years->addWidget(lblTilikausiAlku, 0, 0);
    years->addWidget(ui::makeLabel(this, "lblViiva", QStringLiteral("-")), 0, 1);
    years->addWidget(lblTilikausiLoppu, 0, 2);
    years->addWidget(lblTilikausiUusiAlku, 1, 0);
    years->addWidget(ui::makeLabel(this, "lblViivaUusi", QStringLiteral("-")), 1, 1);
    years->addWidget(lblTilikausiUusiLoppu, 1, 2);
    years->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cTilikaudenvaihto);
    buttons->addWidget(cPeru);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(years);
    layout->addSpacing(8);
    layout->addWidget(lblTasemalli);
    layout->addWidget(cmbTasemalli);
    layout->addWidget(chkTeeAvausviennit);
    layout->addSpacing(8);
    layout->addWidget(lblStatus);
    layout->addWidget(pBar);
    layout->addLayout(buttons);
    resize(460, 260);

    setTabOrder(cmbTasemalli, chkTeeAvausviennit);
    setTabOrder(chkTeeAvausviennit, cTilikaudenvaihto);
    setTabOrder(cTilikaudenvaihto, cPeru);

    ui::Events::of(cTilikaudenvaihto).onClick([this] { cTilikaudenvaihto_Click(); });
    ui::Events::of(cPeru).onClick([this] { cPeru_Click(); });
}

frmKaudenVaihto::~frmKaudenVaihto() = default;

void frmKaudenVaihto::Load() {
    // Placement and translation come first, from the program-wide load hook,
    // so the dates below are never taken for texts to translate.
    const QLocale locale;
    shownAlku_ = core::TilikausiAlku;
    shownLoppu_ = core::TilikausiLoppu;
    lblTilikausiAlku->setText(core::TilikausiAlku.toShortString(locale));
    lblTilikausiLoppu->setText(core::TilikausiLoppu.toShortString(locale));
    lblTilikausiUusiAlku->setText(VuodenPaasta(core::TilikausiAlku).toShortString(locale));
    lblTilikausiUusiLoppu->setText(VuodenPaasta(core::TilikausiLoppu).toShortString(locale));
    FillModelList();
}

// A blank item first, then every balance model by name. With no balance
// model the blank item is chosen; otherwise the user has to choose.
void frmKaudenVaihto::FillModelList() {
    cmbTasemalli->clear();
    cmbTasemalli->addItem(QStringLiteral(" "), QVariant::fromValue<qlonglong>(0));
    try {
        dao::Database db = core::DBCon().AvaaDB();
        for (const core::ModelListEntry& m : core::ModelList(db, core::kTase, core::ModelOrder::ByName))
            cmbTasemalli->addItem(m.name, QVariant::fromValue<qlonglong>(m.id));
    } catch (const std::exception&) {
        core::ShowCritical(core::TranslateStr(QStringLiteral("frmKaudenVaihto"),
                                              QStringLiteral("Tasemallien lukeminen ei onnistunut:")) +
                           QLatin1Char('\n') + core::ErrorWithNumber(std::current_exception()));
    }
    cmbTasemalli->setCurrentIndex(cmbTasemalli->count() == 1 ? 0 : -1);
}

bool frmKaudenVaihto::QueryUnload() { return !running_; }

void frmKaudenVaihto::setRunning(bool running) {
    running_ = running;
    cTilikaudenvaihto->setEnabled(!running);
    cPeru->setEnabled(!running);
    cmbTasemalli->setEnabled(!running);
    chkTeeAvausviennit->setEnabled(!running);
}

void frmKaudenVaihto::cTilikaudenvaihto_Click() {
    if (running_) return;
    // Any item is a choice, the blank one too; without opening entries the
    // model is not used, but a choice is still asked for.
    if (cmbTasemalli->currentIndex() < 0) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmKaudenVaihto"),
                                          QStringLiteral("Valitse tasemalli, jonka mukaan kirjataan avausviennit!")));
        return;
    }

    // The change rewrites the tables that the open windows show: they store
    // what they hold first, and read the book again when it has been made.
    const core::BookChange change;
    if (!change.began()) return;

    pBar->setRange(0, 7);
    pBar->setValue(0);

    KaudenVaihtoValinnat valinnat;
    valinnat.tasemalliID = static_cast<long>(cmbTasemalli->currentData().toLongLong());
    valinnat.teeAvausviennit = chkTeeAvausviennit->isChecked();
    valinnat.alku = shownAlku_;
    valinnat.loppu = shownLoppu_;

    QElapsedTimer sinceEvents;
    sinceEvents.start();
    KaudenVaihtoSeuranta seuranta;
    seuranta.bar = pBar;
    seuranta.vaihe = [this](const QString& teksti) {
        lblStatus->setText(teksti);
        lblStatus->repaint();
    };
    seuranta.valmis = [this, &sinceEvents](int arvo) {
        pBar->setValue(arvo);
        QCoreApplication::processEvents();
        sinceEvents.restart();
        repaint();
    };
    seuranta.rivi = [&sinceEvents] {
        if (sinceEvents.elapsed() < kEventIntervalMs) return;
        QCoreApplication::processEvents();
        sinceEvents.restart();
    };

    setRunning(true);
    KaudenVaihtoTulos tulos;
    try {
        tulos = VaihdaTilikausi(valinnat, seuranta);
    } catch (const std::exception&) {
        setRunning(false);
        showNotMade();
        core::ShowCritical(core::TranslateStr(QStringLiteral("frmKaudenVaihto"),
                                              QStringLiteral("Tilikauden vaihto ei onnistunut. Kirjanpitoon ei tehty "
                                                             "muutoksia.")) +
                           QLatin1Char('\n') + core::ErrorWithNumber(std::current_exception()));
        return;
    }
    setRunning(false);
    if (tulos.tila != KaudenVaihtoTulos::Tehty) {
        showNotMade();
        tellRefusal(tulos);
        return;
    }
    QString done = core::TranslateStr(QStringLiteral("frmKaudenVaihto"), QStringLiteral("Tilikauden vaihto tehty."));
    if (!tulos.tyhjat.empty()) {
        done += QStringLiteral("\n\n") +
                core::TranslateStr(QStringLiteral("frmKaudenVaihto"),
                                   QStringLiteral("Nämä tositteet, joissa ei ollut vientejä eikä selitettä, "
                                                  "poistettiin eikä niitä siirretty päättyneelle tilikaudelle:"));
        for (const KaudenVaihtoTulos::TyhjaTosite& t : tulos.tyhjat)
            done += QLatin1Char('\n') + QString::number(t.numero) + QLatin1Char(' ') + t.pvm.toShortString();
    }
    core::ShowInfo(done);
    ui::Forms::unload(*this);
}

void frmKaudenVaihto::showNotMade() {
    pBar->setValue(0);
    lblStatus->setText(core::TranslateStr(QStringLiteral("frmKaudenVaihto"), QStringLiteral("Tilikauden vaihtoa ei tehty.")));
}

void frmKaudenVaihto::tellRefusal(const KaudenVaihtoTulos& tulos) {
    const auto T = [](const char* text) { return core::TranslateStr(QStringLiteral("frmKaudenVaihto"), QString::fromUtf8(text)); };
    switch (tulos.tila) {
    case KaudenVaihtoTulos::Tehty:
        return;
    case KaudenVaihtoTulos::EiTuloslaskelmaa:
        core::ShowInfo(T("Tasemallille ei ole määritelty tuloslaskelmaa, jonka perusteella tilikauden voitto "
                         "kirjataan."));
        return;
    case KaudenVaihtoTulos::TilejaPuuttuu: {
        QStringList tilit;
        for (const statements::PuuttuvaTili& t : tulos.tilit) tilit << t.teksti();
        core::ShowInfo(T("Tilikauden vaihtoa ei tehty. Näillä tileillä on tilikaudella vientejä, mutta ne eivät ole "
                         "tasemallin eivätkä sen tuloslaskelman millään rivillä:") +
                       QStringLiteral("\n\n") + tilit.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
                       T("Lisää tilit mallien riveille ja tee tilikauden vaihto sitten uudelleen."));
        return;
    }
    case KaudenVaihtoTulos::EiKaytossa:
        core::ShowInfo(core::TilikausiEiKaytossaText(tulos.vuosi, QStringLiteral("frmKaudenVaihto")));
        return;
    case KaudenVaihtoTulos::VaihdettuMuualla:
        // The year this window shows is closed already.
        core::TilikausiVaihtunutMuualla();
        ui::Forms::unload(*this);
        return;
    case KaudenVaihtoTulos::EiKanneta:
        core::ShowInfo(T("Tilikauden vaihtoa ei tehty, koska näitä tositteita ei voi siirtää päättyneelle "
                         "tilikaudelle:") +
                       QStringLiteral("\n\n") + tulos.kantamattomat.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
                       T("Korjaa tositteet ja tee tilikauden vaihto sitten uudelleen."));
        return;
    case KaudenVaihtoTulos::UusiVuosiUlkona:
        core::ShowInfo(T("Tilikauden vaihtoa ei tehty: uusi tilikausi ei mahdu vuosiin 100 - 9999, joita ohjelma "
                         "käyttää.") +
                       QLatin1Char('\n') + VuodenPaasta(shownAlku_).toShortString() + QStringLiteral(" - ") +
                       VuodenPaasta(shownLoppu_).toShortString());
        return;
    case KaudenVaihtoTulos::AvausEiTasmaa: {
        QString text = T("Tilikauden vaihtoa ei tehty, koska avausvientien debet ja kredit eivät täsmää.") +
                       QStringLiteral("\n\n") + T("Debet:") + QLatin1Char(' ') + tulos.debet.toText() +
                       QLatin1Char('\n') + T("Kredit:") + QLatin1Char(' ') + tulos.kredit.toText() +
                       QStringLiteral("\n\n");
        // The causes are named: vouchers out of balance, and the year's
        // profit not on the balance sheet. Only without either can the
        // models be at fault.
        QStringList syyt;
        if (!tulos.epatasaiset.empty()) {
            QString tositteet = T("Näissä tilikauden tositteissa debet ja kredit eivät täsmää (tosite, päivä ja "
                                  "ero):");
            for (const KaudenVaihtoTulos::EpatasainenTosite& t : tulos.epatasaiset)
                tositteet += QLatin1Char('\n') + QString::number(t.numero) + QLatin1Char(' ') +
                             t.pvm.toShortString() + QLatin1Char(' ') + t.erotus.abs().toText();
            syyt << tositteet + QStringLiteral("\n\n") +
                        T("Korjaa tositteet ja tee tilikauden vaihto sitten uudelleen.");
        }
        if (!tulos.voitonEsteet.isEmpty())
            syyt << T("Tilikauden voittoa ei kirjattu taseelle:") + QLatin1Char('\n') +
                        tulos.voitonEsteet.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
                        T("Määrittele voittotilit ja tee tilikauden vaihto sitten uudelleen.");
        if (syyt.isEmpty()) syyt << T("Tarkista tasemalli ja sen tuloslaskelma mallien tarkistuksella.");
        text += syyt.join(QStringLiteral("\n\n"));
        core::ShowInfo(text);
        return;
    }
    }
}

void frmKaudenVaihto::cPeru_Click() { ui::Forms::unload(*this); }

}  // namespace maintenance
