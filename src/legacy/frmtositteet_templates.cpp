// The older voucher window's voucher templates (the menu, the quick-choice
// buttons, the editor, a voucher built from a template) and the balance of
// the account chosen in the settings.

#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "legacy/frmtositteet.h"
#include "platform/ui/controls.h"
#include "shell/openers.h"
#include "vouchers/tositekirjaus.h"
#include "vouchers/tositepohja.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace legacy {

namespace {

std::function<void()>& templateEditor() {
    static std::function<void()> f;
    return f;
}

// A caption that shows an ampersand of a name as it is, not as an access key.
QString plainCaption(const QString& s) {
    QString t = s;
    t.replace(QLatin1Char('&'), QLatin1String("&&"));
    return t;
}

}  // namespace

void frmTositteet::SetTemplateEditor(std::function<void()> editor) { templateEditor() = std::move(editor); }

void frmTositteet::BuildTositepohjaMenu() {
    while (mTositepohjaX.size() > 1) {
        QAction* a = mTositepohjaX.takeLast();
        mTositepohjat->removeAction(a);
        delete a;
    }
    const core::RecordList<vouchers::cTositePohja> all = vouchers::cTositePohjat().All();
    QAction* first = mTositepohjaX.first();
    if (all.isEmpty()) {
        first->setVisible(false);
    } else {
        for (qsizetype k = 0; k < all.count(); ++k) {
            QAction* a = first;
            if (k > 0) {
                a = mTositepohjat->addAction(QString());
                a->setObjectName(ui::ArrayName(QStringLiteral("mTositepohjaX"), int(k)));
                mTositepohjaX << a;
            }
            a->setText(plainCaption(all.at(k).Nimi()));
            a->setVisible(true);
        }
    }
    const vouchers::cTositePohjat haku;
    for (int n = 1; n <= 4; ++n) {
        QPushButton* b = cTositePohja[size_t(n)];
        const std::unique_ptr<vouchers::cTositePohja> p = haku.PikavalintaPohja(n);
        if (p->IsEmpty()) {
            b->setEnabled(false);
            b->setVisible(false);
            b->setText(QString());
        } else {
            b->setEnabled(true);
            b->setText(QStringLiteral("(&%1) ").arg(n) + plainCaption(p->Nimi()));
            b->setVisible(true);
        }
    }
}

void frmTositteet::MuokkaaTositepohjia() {
    // The editor is shown modally and has closed when this returns; the
    // menu and the buttons then show the templates as stored, also after a
    // failure.
    try {
        if (templateEditor())
            templateEditor()();
        else if (!shell::RunOpener(QStringLiteral("frmTositepohja")))
            core::ShowInfo(core::TranslateStr(QStringLiteral("frmTositteet"),
                                              QStringLiteral("Tämä toiminto ei ole käytettävissä tässä ohjelman versiossa.")));
    } catch (...) {
        BuildTositepohjaMenu();
        // The menu and the buttons show the templates as stored, and the
        // failure goes on to the window's runner.
        throw;
    }
    BuildTositepohjaMenu();
}

void frmTositteet::TositepohjaX(int index) {
    // By position in a fresh read of the templates; the caption is not
    // consulted.
    core::RecordList<vouchers::cTositePohja> all = vouchers::cTositePohjat().All();
    if (index < 0 || index >= all.count()) return;
    applyAndShow(all.take(index));
}

void frmTositteet::PikavalintaPohja(int n) {
    std::unique_ptr<vouchers::cTositePohja> pohja = vouchers::cTositePohjat().PikavalintaPohja(n);
    if (pohja->IsEmpty()) return;
    applyAndShow(std::move(pohja));
}

void frmTositteet::applyAndShow(std::unique_ptr<vouchers::cTositePohja> pohja) {
    // What the voucher on screen holds is stored before the record set is
    // read again.
    CommitPendingEdits();
    curVienti_->Save(false);
    std::unique_ptr<core::cTosite> tosite = ApplyTositePohja(*pohja);
    // The description goes into the row before the record set is read
    // again, so the bound field shows it at once.
    tosite->Save(false);
    tosite->Release();
    pohja->Release();
    Data1.Refresh();
    if (!Data1.isEOF()) Data1.MoveLast();
    tTositepvm->setFocus(Qt::OtherFocusReason);
}

std::unique_ptr<core::cTosite> frmTositteet::NewTosite() {
    auto t = std::make_unique<core::cTosite>();
    t->SetTositeNumeroJaPaiva(core::TilikausiAlku, bAvaustosite);
    t->setAvaustosite(bAvaustosite);
    t->setPaatostosite(bPaatostosite);
    t->Save(true);
    return t;
}

std::unique_ptr<core::cTosite> frmTositteet::ApplyTositePohja(const vouchers::cTositePohja& pohja) {
    std::unique_ptr<core::cTosite> tosite = NewTosite();
    tosite->setSelite(pohja.Selite());
    for (const QString& side : {QStringLiteral("D"), QStringLiteral("K")}) {
        core::RecordList<vouchers::cVientiPohja> rivit = pohja.GetVientipohjat(side);
        for (qsizetype k = 0; k < rivit.count(); ++k) {
            const vouchers::cVientiPohja& rivi = rivit.at(k);
            std::unique_ptr<core::cVienti> v = tosite->AddNewVienti(side);
            v->setTlID(rivi.tlID());
            v->setKpID(rivi.kpID());
            v->setArvo(rivi.Arvo());
            v->setSelite(pohja.Selite());
            v->Save(false);
            v->Release();
        }
        for (auto& item : rivit) item.record->Release();
    }
    return tosite;
}

void frmTositteet::ShowHalutunTilinSaldo() {
    const long tili = core::LaskettavaTili;
    if (tili == 0) {
        lblHalutunTilinSaldo->setText(QStringLiteral("- -"));
        return;
    }
    curVienti_->Save(false);
    // Every stored entry on the account whose voucher exists.
    const vouchers::TilinSummat s = vouchers::TilinSaldo().Summat(tili);
    lblHalutunTilinSaldo->setText((s.debet - s.kredit).toCurrencyString());
}

}  // namespace legacy
