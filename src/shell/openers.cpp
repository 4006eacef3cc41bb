#include "shell/openers.h"

#include <QHash>

namespace shell {

namespace {

QHash<QString, Opener>& openers() {
    static QHash<QString, Opener> map;
    return map;
}

QHash<QString, VoucherOpener>& voucherOpeners() {
    static QHash<QString, VoucherOpener> map;
    return map;
}

}  // namespace

void RegisterOpener(const QString& name, Opener opener) {
    if (opener)
        openers().insert(name, std::move(opener));
    else
        openers().remove(name);
}

void RegisterVoucherWindow(const QString& name, VoucherOpener opener) {
    if (opener)
        voucherOpeners().insert(name, std::move(opener));
    else
        voucherOpeners().remove(name);
}

bool IsRegistered(const QString& name) { return openers().contains(name) || voucherOpeners().contains(name); }

bool RunOpener(const QString& name) {
    // A copy: the opener may register or remove openers while it runs.
    const Opener opener = openers().value(name);
    if (!opener) return false;
    opener();
    return true;
}

bool RunVoucherOpener(const QString& name, const VoucherWindowMode& mode) {
    const VoucherOpener opener = voucherOpeners().value(name);
    if (!opener) return false;
    opener(mode);
    return true;
}

void ClearOpeners() {
    openers().clear();
    voucherOpeners().clear();
}

}  // namespace shell
