#include "shell/frmaboutvaskiro.h"

#include "core/globals.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "platform/ui/twips.h"
#include "shell/version.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    QLabel* l = ui::makeLabel(parent, name, text);
    l->setAlignment(Qt::AlignHCenter);
    l->setWordWrap(true);
    return l;
}

// A label that reads as a link and opens a page when clicked.
QLabel* linkLabel(QWidget* parent, const char* name, const QString& text) {
    QLabel* l = label(parent, name, text);
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Link));
    l->setPalette(pal);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

}  // namespace

frmAboutVaskiro::frmAboutVaskiro() : ui::Form(QStringLiteral("frmAboutVaskiro")) {
    setWindowTitle(QStringLiteral("Tietoja"));
    EnsureMinimumSize();

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(14, 14, 14, 14);
    v->setSpacing(8);

    Label7 = label(this, "Label7", QStringLiteral("Kolvio VEV 2.0"));
    QFont title = Label7->font();
    title.setPointSizeF(title.pointSizeF() * 1.5);
    title.setBold(true);
    Label7->setFont(title);
    v->addWidget(Label7);

    Frame1 = ui::makeFrame(this, QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto* fl = new QVBoxLayout(Frame1);
    cAboutVaskiro = new QLabel(Frame1);
    cAboutVaskiro->setObjectName(QStringLiteral("cAboutVaskiro"));
    cAboutVaskiro->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    cAboutVaskiro->setAlignment(Qt::AlignCenter);
    fl->addWidget(cAboutVaskiro);
    v->addWidget(Frame1, 0, Qt::AlignHCenter);

    Label8 = label(this, "Label8", QStringLiteral("Kahdenkertainen kirjanpito yhdistyksille"));
    Label1 = label(this, "Label1", QStringLiteral("Kolvio VEV -kehittäjät"));
    Label9 = linkLabel(this, "Label9", QStringLiteral("Ohjeet ja tuki"));
    v->addWidget(Label8);
    v->addWidget(Label1);
    v->addWidget(Label9);

    Frame3 = ui::makeGroupBox(this, QStringLiteral("Frame3"), QStringLiteral("Käyttötuki"));
    auto* f3 = new QVBoxLayout(Frame3);
    Label4 = label(Frame3, "Label4", QStringLiteral("Käyttötuen tiedot ovat ohjelman mukana tulevissa ohjeissa."));
    Label5 = linkLabel(Frame3, "Label5", QStringLiteral("Lisätietoja käyttötuesta..."));
    f3->addWidget(Label4);
    f3->addWidget(Label5);
    v->addWidget(Frame3);
    v->addStretch();

    cSulje = ui::makeButton(this, QStringLiteral("cSulje"), QStringLiteral("&Sulje"));
    cSulje->setDefault(true);
    v->addWidget(cSulje, 0, Qt::AlignHCenter);

    ui::Events::of(Label5).onClick([this] { OpenSupportPage(this, QStringLiteral("tukipalvelut.htm")); });
    ui::Events::of(Label9).onClick([this] { OpenSupportPage(this, QStringLiteral("index.htm")); });
    ui::Events::of(cSulje).onClick([this] {
        hide();
        QCoreApplication::processEvents();
        ui::Forms::unload(*this);
    });
}

void frmAboutVaskiro::Load() {
    // The window's placement and translation come from the program-wide load
    // hook, which runs before this.
    Label7->setText(core::AppTitle + QLatin1Char(' ') + VersionString());
    EnsureMinimumSize();
    update();
}

// The box is never smaller than its minimum size: a smaller saved placement,
// or the user's resizing, stops there; larger sizes are left alone.
void frmAboutVaskiro::EnsureMinimumSize() {
    setMinimumSize(ui::TwipsToPixelsX(this, kMinWidthTwips), ui::TwipsToPixelsY(this, kMinHeightTwips));
}

}  // namespace shell
