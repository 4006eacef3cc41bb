#include "maintenance/frmservice.h"

#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/mail/mailer.h"
#include "platform/sys/mousecursor.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "shell/version.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace maintenance {

frmService::frmService() : ui::Form(QStringLiteral("frmService")) {
    setWindowTitle(QStringLiteral("Huoltotiedoston lähetys"));

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    mTiedosto = menuBar->addMenu(QStringLiteral("Tiedosto"));
    mTiedosto->setObjectName(QStringLiteral("mTiedosto"));
    mTiedosto->menuAction()->setObjectName(QStringLiteral("mTiedosto"));
    mSend = ui::addMenuAction(mTiedosto, QStringLiteral("mSend"), QStringLiteral("Lähetä"));
    mClose = ui::addMenuAction(mTiedosto, QStringLiteral("mClose"), QStringLiteral("Sulje"));

    auto label = [this](const char* name, const QString& text) { return ui::makeLabel(this, name, text); };
    lblLahettaja = label("lblLahettaja", QStringLiteral("Lähettäjä:"));
    tSender = ui::makeLineEdit(this, QStringLiteral("tSender"));
    lblVastaanottaja = label("lblVastaanottaja", QStringLiteral("Vastaanottaja:"));
    tReceiver = ui::makeLineEdit(this, QStringLiteral("tReceiver"));
    lblViesti = label("lblViesti", QStringLiteral("Viesti:"));
    tMessage = new QPlainTextEdit(this);
    tMessage->setObjectName(QStringLiteral("tMessage"));
    tMessage->setLineWrapMode(QPlainTextEdit::NoWrap);
    tMessage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tMessage->setTabChangesFocus(true);
    pbarSendProgress = new QProgressBar(this);
    pbarSendProgress->setObjectName(QStringLiteral("pbarSendProgress"));
    pbarSendProgress->setRange(0, 100);
    pbarSendProgress->setValue(0);
    cSend = ui::makeButton(this, QStringLiteral("cSend"), QStringLiteral("Lähetä"));
    cCancel = ui::makeButton(this, QStringLiteral("cCancel"), QStringLiteral("Peru"));
    lblLahettaja->setBuddy(tSender);
    lblVastaanottaja->setBuddy(tReceiver);
    lblViesti->setBuddy(tMessage);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    auto* grid = new QGridLayout;
    grid->addWidget(lblLahettaja, 0, 0);
    grid->addWidget(tSender, 0, 1);
    grid->addWidget(lblVastaanottaja, 1, 0);
    grid->addWidget(tReceiver, 1, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addWidget(lblViesti);
    layout->addWidget(tMessage, 1);
    layout->addWidget(pbarSendProgress);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cSend);
    buttons->addWidget(cCancel);
    layout->addLayout(buttons);
    resize(520, 420);

    setTabOrder(tSender, tReceiver);
    setTabOrder(tReceiver, tMessage);
    setTabOrder(tMessage, cSend);
    setTabOrder(cSend, cCancel);

    ui::Events::of(cSend).onClick([this] { cSend_Click(); });
    ui::Events::of(mSend).onClick([this] { cSend->click(); });
    ui::Events::of(cCancel).onClick([this] { cCancel_Click(); });
    ui::Events::of(mClose).onClick([this] { cCancel_Click(); });
}

frmService::~frmService() = default;

QString frmService::Subject() {
    return core::SeuranNimi + u'-' + core::AppTitle + u':' + shell::VersionString();
}

// The reason is told in the language of the user interface; the headline
// above it stands as it is.
QString frmService::FailureText(mail::Failure failure, const QString& detail) {
    const auto tr = [](const QString& text) { return core::TranslateStr(QStringLiteral("frmService"), text); };
    switch (failure) {
    case mail::Failure::ServerNotFound:
        return tr(QStringLiteral("Postipalvelinta ei löytynyt: tarkista asetusten SMTP palvelimen nimi."));
    case mail::Failure::ConnectionRefused:
        return tr(QStringLiteral("Postipalvelin ei ottanut yhteyttä vastaan: tarkista asetusten SMTP palvelimen nimi ja portti."));
    case mail::Failure::NoEncryption:
        return tr(QStringLiteral("Postipalvelin ei tarjoa salattua yhteyttä (TLS), eikä tietokantaa lähetetä salaamatta."));
    case mail::Failure::UntrustedServer:
        return tr(QStringLiteral("Postipalvelimen varmennetta ei voitu todentaa, joten tietokantaa ei lähetetty."));
    case mail::Failure::LoginRefused:
        return tr(QStringLiteral("Postipalvelin ei hyväksynyt käyttäjätunnusta tai salasanaa."));
    case mail::Failure::ServerRefused:
        return tr(QStringLiteral("Postipalvelin torjui lähetyksen:")) + u' ' + detail;
    case mail::Failure::TimedOut:
        return tr(QStringLiteral("Postipalvelin ei vastannut ajoissa."));
    case mail::Failure::None:
    case mail::Failure::Other:
        break;
    }
    return QString();
}

sys::cMouseCursor& frmService::cursor() {
    if (!cursor_) cursor_ = std::make_unique<sys::cMouseCursor>();
    return *cursor_;
}

void frmService::Load() {
    // Placement and translation come first, from the program-wide load hook.
    tReceiver->setText(kSupportAddress);
    tSender->setText(core::Email);
    tMessage->clear();
    setSending(false);
}

void frmService::Unload() {
    // A sending still running goes on unheard; the pointer comes back now.
    if (cursor_) cursor_->SetCursor(this, sys::kPointerDefault);
}

void frmService::setSending(bool sending) {
    cSend->setEnabled(!sending);
    mSend->setEnabled(!sending);
}

void frmService::cSend_Click() {
    vks_ = std::make_unique<mail::cMailer>();
    connect(vks_.get(), &mail::cMailer::SendCompletedSuccessfully, this, &frmService::vks_SendCompletedSuccessfully);
    connect(vks_.get(), &mail::cMailer::SendFailed, this, &frmService::vks_SendFailed);
    connect(vks_.get(), &mail::cMailer::SendProgress, this, &frmService::vks_SendProgress);
    repaint();

    vks_->setReceiver(tReceiver->text());
    // Blanks count as an address here; the server judges them.
    if (tSender->text().isEmpty()) {
        core::ShowInfo(QStringLiteral("Täytä vielä lähettäjän sähköpostiosoite."));
        return;
    }
    if (core::SMTP.trimmed().isEmpty()) {
        core::ShowInfo(QStringLiteral("Asetuksista puuttuu SMTP palvelimen nimi."));
        return;
    }
    vks_->setSender(tSender->text());
    vks_->setSmtpServer(core::SMTP);

    pbarSendProgress->setValue(0);
    setSending(true);
    cursor().SetCursor(this, sys::kPointerHourglass);
    repaint();
    // The book stays open: the mail service reads the file whole at once.
    vks_->Send(tMessage->toPlainText(), Subject(), core::DatabasePath);
}

void frmService::cCancel_Click() {
    hide();
    ui::Forms::unload(*this);
}

void frmService::vks_SendCompletedSuccessfully() {
    cursor().SetCursor(this, sys::kPointerDefault);
    repaint();
    core::ShowInfo(QStringLiteral("Huoltotiedosto lähetettiin onnistuneesti."));
    setSending(false);
    ui::Forms::unload(*this);
}

void frmService::vks_SendFailed(mail::Failure failure, const QString& detail) {
    qWarning("frmService: sending failed: %s", qPrintable(detail));
    cursor().SetCursor(this, sys::kPointerDefault);
    repaint();
    QString message = QStringLiteral("Huoltotiedoston lähetys epäonnistui.");
    const QString why = FailureText(failure, detail);
    if (!why.isEmpty()) message += u'\n' + why;
    core::ShowInfo(message);
    setSending(false);
}

void frmService::vks_SendProgress(long value) {
    const long max = pbarSendProgress->maximum();
    pbarSendProgress->setValue(static_cast<int>(value <= max ? value : max));
}

}  // namespace maintenance
