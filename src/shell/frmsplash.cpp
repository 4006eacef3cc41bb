#include "shell/frmsplash.h"

#include "core/globals.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "shell/version.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace shell {

frmSplash::frmSplash() : ui::Form(QStringLiteral("frmSplash")) {
    // No caption, not translated, always in the middle of the screen.
    setProperty("kvOwnPlacement", true);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    Frame1 = ui::makeFrame(this, QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    outer->addWidget(Frame1);

    auto* grid = new QGridLayout(Frame1);
    grid->setContentsMargins(18, 18, 18, 18);
    grid->setHorizontalSpacing(24);
    imgLogo = new QLabel(Frame1);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    grid->addWidget(imgLogo, 0, 0, 4, 1, Qt::AlignTop);

    lblProductName = ui::makeLabel(Frame1, QStringLiteral("lblProductName"), QStringLiteral("Kolvio VEV"));
    QFont big = lblProductName->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    lblProductName->setFont(big);
    grid->addWidget(lblProductName, 0, 1);

    lblVersion = ui::makeLabel(Frame1, QStringLiteral("lblVersion"), QStringLiteral("Version"));
    grid->addWidget(lblVersion, 1, 1);

    lblPlatform = ui::makeLabel(Frame1, QStringLiteral("lblPlatform"), PlatformText());
    grid->addWidget(lblPlatform, 2, 1);

    lblCompany = ui::makeLabel(Frame1, QStringLiteral("lblCompany"), QStringLiteral("Kolvio VEV -kehittäjät"));
    grid->addWidget(lblCompany, 3, 1, Qt::AlignBottom);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(kDisplayMs);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::closeSplash);

    ui::Events::of(Frame1).onClick([this] { closeSplash(); });
}

void frmSplash::Load() {
    lblVersion->setText(QStringLiteral("Version ") + VersionString());
    lblProductName->setText(core::AppTitle);
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = rect();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    Timer1->start();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
    closeSplash();
}

void frmSplash::closeSplash() {
    Timer1->stop();
    ui::Forms::unload(*this);
}

}  // namespace shell
