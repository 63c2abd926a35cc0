#include "ui/main/U_lotsqualite.h"

#include "scheduling/U_amelioration.h"
#include "ui/main/U_lots.h"

namespace {

QString Evolution(const TMesures& Avant, const TMesures& Apres) {
    const std::pair<const char*, int TMesures::*> Mesures[] = {
        {"trous", &TMesures::Trous},       {"jours", &TMesures::Jours},
        {"doublons", &TMesures::Doublons}, {"charge maximale", &TMesures::ChargeMax},
        {"évités", &TMesures::Evites},     {"conflits", &TMesures::Conflits}};
    QStringList Textes;
    for (const auto& [Nom, Champ] : Mesures)
        Textes << QStringLiteral("%1 de %2 à %3")
                      .arg(QString::fromUtf8(Nom), NombreFrancais(Avant.*Champ),
                           NombreFrancais(Apres.*Champ));
    return Textes.join(QStringLiteral(", "));
}

} // namespace

QString TexteAmelioration(const TBilanAmelioration& Bilan) {
    return (Bilan.Interrompu ? QStringLiteral("Amélioration arrêtée.\n")
                             : QStringLiteral("Emploi du temps amélioré.\n")) +
           QStringLiteral("Professeurs : ") +
           Evolution(Bilan.Avant.TotalProfs, Bilan.Apres.TotalProfs) +
           QStringLiteral(".\nClasses : ") +
           Evolution(Bilan.Avant.TotalClasses, Bilan.Apres.TotalClasses) + QLatin1Char('.');
}

bool EstTravailQualite(const std::string& Commande) {
    return Commande == "--qualite" || Commande == "--ameliorer";
}

int TravailQualite(const QStringList& Arguments) {
    if (Arguments[0] == QStringLiteral("--qualite")) {
        if (Arguments.size() != 2)
            return Erreur("--qualite attend FICHIER.edt.\n");
        return Placer(Arguments[1], QString(), [] {
            return QString::fromStdString(QualiteEnCsv(MesurerQualite(*Automate))).chopped(1);
        });
    }
    return PlacerEnEtapes(
        Arguments, EtapesAmelioration,
        "--ameliorer attend ENTREE.edt SORTIE.edt, puis --etapes N au besoin.\n",
        [](long Etapes) { return TexteAmelioration(Ameliorer(*Automate, Etapes)); });
}
