// The older voucher window's voucher templates (the menu, the quick-choice
// buttons, the editor, a voucher built from a template) and the balance of
// the account chosen in the settings.

#include "core/globals.h"
#include "core/ui/bookchange.h"
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

}  // namespace

void frmTositteet::SetTemplateEditor(std::function<void()> editor) { templateEditor() = std::move(editor); }

void frmTositteet::BuildTositepohjaMenu() {
    // The menu's items run through the menu's triggered signal.
    vouchers::ShowTemplateChoices(mTositepohjat, mTositepohjaX, cTositePohja);
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
    if (!storePending()) return;  // refused, and told
    std::unique_ptr<core::cTosite> tosite = vouchers::TositePohjasta(*pohja, bAvaustosite, bPaatostosite);
    if (!tosite) {
        // Another copy of the program has changed the book's year.
        core::TilikausiVaihtunutMuualla();
        return;
    }
    // The description goes into the row before the record set is read
    // again, so the bound field shows it at once.
    tosite->Save(false);
    tosite->Release();
    pohja->Release();
    Data1.Refresh();
    if (!Data1.isEOF()) Data1.MoveLast();
    tTositepvm->setFocus(Qt::OtherFocusReason);
}

void frmTositteet::ShowHalutunTilinSaldo() {
    const long tili = core::LaskettavaTili;
    if (tili == 0) {
        lblHalutunTilinSaldo->setText(QStringLiteral("- -"));
        return;
    }
    saveVienti(curVienti_);
    // Every stored entry on the account whose voucher exists.
    const vouchers::TilinSummat s = vouchers::TilinSaldo().Summat(tili);
    lblHalutunTilinSaldo->setText((s.debet - s.kredit).toCurrencyString());
}

}  // namespace legacy
