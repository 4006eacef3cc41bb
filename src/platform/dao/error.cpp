#include "platform/dao/error.h"

#include <QHash>

namespace dao {

QString errorText(int number, const QString& arg) {
    // The texts the user sees next to the number; %1 is the object concerned.
    static const QHash<int, QString> texts = {
        {err::InvalidProcedureCall, QStringLiteral("Virheellinen kutsu tai argumentti.")},
        {err::Overflow, QStringLiteral("Ylivuoto: arvo on liian suuri.")},
        {err::TypeMismatch, QStringLiteral("Tyyppiristiriita.")},
        {err::UpdateWithoutEdit, QStringLiteral("Tallennus tai peruutus ilman lisäystä tai muokkausta.")},
        {err::NoCurrentRecord, QStringLiteral("Ei nykyistä tietuetta.")},
        {err::DuplicateKey,
         QStringLiteral("Muutokset eivät onnistuneet, koska ne olisivat luoneet kaksoisarvoja "
                        "perusavaimeen tai indeksiin.")},
        {err::FileNotFound, QStringLiteral("Tiedostoa '%1' ei löydy.")},
        {err::DiskFull, QStringLiteral("Levytila ei riitä.")},
        {err::ReadOnly, QStringLiteral("Päivitys ei onnistu. Tietokanta tai objekti on vain luku -tilassa.")},
        {err::CommitWithoutBegin, QStringLiteral("Tapahtuman vahvistus tai peruutus ilman sen aloitusta.")},
        {err::DiskError, QStringLiteral("Levy- tai verkkovirhe.")},
        {err::InvalidPath, QStringLiteral("'%1' ei ole kelvollinen polku.")},
        {err::FileInUse, QStringLiteral("Tiedostoa '%1' ei voi käyttää: toinen ohjelma on lukinnut sen.")},
        {err::CannotOpenDatabase,
         QStringLiteral("Tietokantaa '%1' ei voi avata: tiedosto on vioittunut.")},
        {err::NoPermission,
         QStringLiteral("Tiedostoa '%1' ei voi avata kirjoitettavaksi: se on kirjoitussuojattu "
                        "tai käyttöoikeudet eivät riitä.")},
        {err::TooFewParameters, QStringLiteral("Tuntematon kenttä: %1")},
        {err::SyntaxErrorInExpression, QStringLiteral("Syntaksivirhe kyselyssä: %1")},
        {err::InputTableNotFound, QStringLiteral("Taulua tai kyselyä '%1' ei löydy.")},
        {err::TableExists, QStringLiteral("Taulu '%1' on jo olemassa.")},
        {err::ObjectExists, QStringLiteral("Objekti '%1' on jo olemassa.")},
        {err::SyntaxErrorInFrom, QStringLiteral("Syntaksivirhe FROM-lauseessa.")},
        {err::SyntaxErrorInInsert, QStringLiteral("Syntaksivirhe INSERT INTO -lauseessa.")},
        {err::SyntaxErrorInUpdate, QStringLiteral("Syntaksivirhe UPDATE-lauseessa.")},
        {err::FieldTooSmall, QStringLiteral("Kenttä '%1' on liian pieni lisättävälle tiedolle.")},
        {err::RecordDeleted, QStringLiteral("Tietue on poistettu.")},
        {err::FieldDefinedTwice, QStringLiteral("Kenttä '%1' on määritelty kahdesti.")},
        {err::InvalidOperation, QStringLiteral("Virheellinen toiminto.")},
        {err::NotSupported, QStringLiteral("Toimintoa ei tueta tälle objektityypille.")},
        {err::Locked, QStringLiteral("Päivitys ei onnistu: toinen ohjelma on lukinnut tietokannan.")},
        {err::ItemNotFound, QStringLiteral("Kohdetta '%1' ei löydy tästä kokoelmasta.")},
        {err::PropertyNotFound, QStringLiteral("Ominaisuutta '%1' ei löydy.")},
        {err::RequiredNull, QStringLiteral("Kenttä '%1' ei voi sisältää tyhjäarvoa.")},
        {err::UnrecognizedFormat, QStringLiteral("Tiedosto '%1' ei ole tunnistettu tietokanta.")},
        {err::ObjectInvalid, QStringLiteral("Objekti ei ole kelvollinen tai se on suljettu.")},
        {err::DataTypeMismatch, QStringLiteral("Tietotyyppien ristiriita ehtolausekkeessa.")},
        {err::DatabaseExists, QStringLiteral("Tietokanta '%1' on jo olemassa.")},
        {err::FieldNotUpdatable, QStringLiteral("Kenttää '%1' ei voi päivittää.")},
        {err::CannotExecuteSelect, QStringLiteral("Valintakyselyä ei voi suorittaa toimintokyselynä.")},
        {err::PropertyExists, QStringLiteral("Ominaisuus '%1' on jo olemassa.")},
        {err::InvalidArgument, QStringLiteral("Virheellinen argumentti.")},
        {err::RecordTooLarge,
         QStringLiteral("Tietue on liian suuri: siinä olisi arvo, joka on pidempi kuin kirjanpidon tiedoissa voi "
                        "olla (yli %1 tavua). Sellaisen arvon voi antaa myös tietokannan oma määritys, esimerkiksi "
                        "kentän oletusarvo.")},
        {err::ExpressionTooComplex, QStringLiteral("Lauseketta ei voi laskea: %1")},
        {err::TooMuchWork,
         QStringLiteral("Tietokannan '%1' käsittely keskeytettiin: se vei enemmän työtä kuin tietokannan koko "
                        "antaa aihetta. Tietokanta jätettiin ennalleen.")},
        {err::WorkCancelled, QStringLiteral("Tietokannan '%1' käsittely peruutettiin. Tietokanta jätettiin ennalleen.")},
        {err::ForeignLayout,
         QStringLiteral("Tietokannan '%1' rakenne ei ole ohjelman tekemä, eikä sitä avattu. Tietokanta jätettiin "
                        "ennalleen.")},
        {err::ForeignSideFile,
         QStringLiteral("Tietokannan vieressä on tiedosto, jonka kanssa ohjelma ei avaa sitä: %1. Tietokanta ja sen "
                        "vieressä olevat tiedostot jätettiin ennalleen.")},
        {err::CompactionFailed, QStringLiteral("Tietokannan '%1' tiivistys ei onnistunut.")},
        {err::BookReplaced,
         QStringLiteral("Kirjanpidon '%1' paikalle on sen avaamisen jälkeen tullut toinen tiedosto (esimerkiksi "
                        "toisessa ohjelmassa palautettu varmuuskopio). Muutosta ei tallennettu; ohjelma ottaa "
                        "kirjanpidon käyttöön sellaisena kuin se nyt on.")},
        {err::ValueNotWritten, QStringLiteral("Kirjanpidossa on arvo, jota ohjelma ei kirjoita: %1")},
    };
    auto it = texts.constFind(number);
    QString t = it != texts.constEnd() ? *it : QStringLiteral("Tietokantavirhe %1.").arg(number);
    if (t.contains(QLatin1String("%1"))) t = t.arg(arg);
    return t;
}

void raise(int number, const QString& arg) { throw DaoError(number, errorText(number, arg)); }

}  // namespace dao
