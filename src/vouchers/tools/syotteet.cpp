#include "vouchers/tools/syotteet.h"

#include <QComboBox>
#include <QLineEdit>

namespace vouchers {

void FilterAmountInput(QLineEdit* box) {
    if (!box) return;
    const QString text = box->text();
    if (text == QLatin1String("-") || text == QString(QChar(0x2212))) box->clear();
}

int ListIndex(const QComboBox* combo) {
    if (!combo) return -1;
    const int i = combo->currentIndex();
    if (i < 0) return -1;
    if (combo->isEditable() && combo->currentText() != combo->itemText(i)) return -1;
    return i;
}

long ItemKey(const QComboBox* combo, int i) {
    if (!combo || i < 0 || i >= combo->count()) return 0;
    return static_cast<long>(combo->itemData(i, Qt::UserRole).toLongLong());
}

int MatchItem(const QComboBox* combo, const QString& typed) {
    if (!combo) return -1;
    const QString search = typed.trimmed().isEmpty() ? typed : typed.trimmed();
    for (int p = 0; p < combo->count(); ++p)
        if (combo->itemText(p).startsWith(search, Qt::CaseInsensitive)) return p;
    return -1;
}

}  // namespace vouchers
