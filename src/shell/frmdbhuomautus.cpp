#include "shell/frmdbhuomautus.h"

#include "core/ui/translator.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace shell {

frmDBHuomautus::frmDBHuomautus() : ui::Form(QStringLiteral("frmDBHuomautus")) {
    // The notice opens in the middle of the screen.
    setProperty("kvOwnPlacement", true);
    setWindowTitle(QStringLiteral("Kolvio VEV"));

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(18, 14, 18, 14);
    v->setSpacing(10);

    lblOtsikko = ui::makeWrappedLabel(this, "lblOtsikko", QStringLiteral("Tärkeää!"));
    QFont heading = lblOtsikko->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.6);
    heading.setBold(true);
    lblOtsikko->setFont(heading);
    v->addWidget(lblOtsikko);

    lblTeksti1 = ui::makeWrappedLabel(
        this, "lblTeksti1",
        QStringLiteral("Ohjelma avautuu käyttämään esittelytietokantaa. Käytä sitä vain "
                       "tutustuaksesi ja kokeillaksesi ohjelmaa. Älä syötä yhdistyksen "
                       "oikeita tietoja esittelytietokantaan."));
    lblTeksti2 = ui::makeWrappedLabel(
        this, "lblTeksti2",
        QStringLiteral("Kun haluat ottaa Kolvio VEV:n yhdistyksesi käyttöön, perusta sille "
                       "oma tietokanta. Oma tietokanta sisältää valitun mallitilikartan, "
                       "jonka voi muokata yhdistyksen tarpeita vastaavaksi."));
    lblTeksti3 = ui::makeWrappedLabel(
        this, "lblTeksti3",
        QStringLiteral("Yhdistyksen oma tietokanta luodaan seuraavaksi avautuvan pääikkunan "
                       "valikosta Tietokanta / Luo tietokanta mallista toiminnon avulla."));
    v->addWidget(lblTeksti1);
    v->addWidget(lblTeksti2);
    v->addWidget(lblTeksti3);

    cJatka = ui::makeButton(this, QStringLiteral("cJatka"), QStringLiteral("Jatka"));
    cJatka->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(cJatka);
    row->addStretch();
    v->addLayout(row);

    lblNeuvoja = ui::makeWrappedLabel(this, "lblNeuvoja", QStringLiteral("Neuvoja ongelmatilanteisiin:"));
    lblTuki = ui::makeWrappedLabel(
        this, "lblTuki",
        QStringLiteral("ohjeet ja käyttötuen tiedot avautuvat pääikkunan Käyttötuki-painikkeesta."));
    auto* help = new QVBoxLayout;
    help->setSpacing(2);
    help->addWidget(lblNeuvoja);
    help->addWidget(lblTuki);
    v->addLayout(help);

    // Jatka only hides the notice, which ends its modal show; it stays loaded.
    ui::Events::of(cJatka).onClick([this] { hide(); });

    fitToTexts();
}

void frmDBHuomautus::Load() {
    core::Translate(this);
    fitToTexts();
}

void frmDBHuomautus::fitToTexts() {
    // The texts wrap: the height follows from the width.
    const int width = 460;
    QLayout* v = layout();
    setFixedSize(width, v->hasHeightForWidth() ? v->totalHeightForWidth(width) : v->totalSizeHint().height());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = rect();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

}  // namespace shell
