#include "core/ui/frmkielenvalinta.h"

#include "platform/ui/events.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace core {

frmKielenValinta::frmKielenValinta() : ui::Form(QStringLiteral("frmKielenValinta")) {
    setWindowTitle(QStringLiteral("Kolvio VEV - Kielen valinta"));
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    cSuomeksi = new QPushButton(QStringLiteral("Suomeksi"), this);
    cSuomeksi->setObjectName(QStringLiteral("cSuomeksi"));
    cRuotsiksi = new QPushButton(QStringLiteral("På svenska"), this);
    cRuotsiksi->setObjectName(QStringLiteral("cRuotsiksi"));
    for (QPushButton* b : {cSuomeksi, cRuotsiksi}) b->setMinimumSize(120, 36);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(24, 20, 24, 20);
    row->setSpacing(16);
    row->addWidget(cSuomeksi);
    row->addWidget(cRuotsiksi);
    setTabOrder(cSuomeksi, cRuotsiksi);
    setFixedSize(sizeHint().expandedTo(QSize(340, 90)));

    ui::Events::of(cSuomeksi).onClick([this] { choose(QStringLiteral("Suomi")); });
    ui::Events::of(cRuotsiksi).onClick([this] { choose(QStringLiteral("Svenska")); });
}

void frmKielenValinta::Load() { sValittuKieli.clear(); }

void frmKielenValinta::choose(const QString& language) {
    sValittuKieli = language;
    hide();
}

}  // namespace core
