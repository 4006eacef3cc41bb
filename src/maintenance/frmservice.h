#pragma once

// frmService: the service request. Mails the book to the maker's support
// with a message the user types, so that support can examine the books.
// The sending runs in the background (platform/mail); its outcome closes
// the window (sent) or leaves it open with the texts kept (failed).

#include "platform/ui/forms.h"

#include <QString>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace mail {
class cMailer;
enum class Failure;
}
namespace sys {
class cMouseCursor;
}

namespace maintenance {

// THE MAKER'S SUPPORT ADDRESS. The service request is addressed here when
// the window opens (the user may change it). A placeholder in a reserved
// example domain: the maker fills in its real support address before a
// release.
inline const QString kSupportAddress = QStringLiteral("tuki@kolvio.example");

class frmService : public ui::Form {
    Q_OBJECT
public:
    frmService();
    ~frmService() override;

    // "<association>-<program title>:<major>.<minor>.<revision>".
    static QString Subject();
    // Why the sending failed, in words for the user, where the user can do
    // something about it or the server said why (its reply, the detail of
    // the failure); "" for the failures that tell nothing more.
    static QString FailureText(mail::Failure failure, const QString& detail = QString());

    QMenuBar* menuBar = nullptr;
    QMenu* mTiedosto = nullptr;
    QAction* mSend = nullptr;
    QAction* mClose = nullptr;
    QLabel* lblLahettaja = nullptr;
    QLineEdit* tSender = nullptr;
    QLabel* lblVastaanottaja = nullptr;
    QLineEdit* tReceiver = nullptr;
    QLabel* lblViesti = nullptr;
    QPlainTextEdit* tMessage = nullptr;
    QProgressBar* pbarSendProgress = nullptr;
    QPushButton* cSend = nullptr;
    QPushButton* cCancel = nullptr;

    // The mail service of the latest send command (null before the first).
    mail::cMailer* vks() const { return vks_.get(); }

    // The mail service's reports.
    void vks_SendCompletedSuccessfully();
    void vks_SendFailed(mail::Failure failure, const QString& detail);
    void vks_SendProgress(long value);

protected:
    void Load() override;
    void Unload() override;

private:
    void cSend_Click();
    void cCancel_Click();
    void setSending(bool sending);
    sys::cMouseCursor& cursor();

    std::unique_ptr<mail::cMailer> vks_;
    std::unique_ptr<sys::cMouseCursor> cursor_;
};

}  // namespace maintenance
