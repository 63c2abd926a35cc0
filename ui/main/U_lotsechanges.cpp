#include "ui/main/U_lotsechanges.h"

#include "exchange/U_import.h"
#include "exchange/U_publication.h"
#include "model/U_types.h"
#include "storage/U_fichier.h"
#include "ui/main/U_lots.h"

#include <cstdio>
#include <map>
#include <optional>

const char* const UsageEchanges =
    "  horalo --importer ENTREE.csv SORTIE.edt   importe un tableau des services\n"
    "  horalo --importer ENTREE.fet SORTIE.edt [--periode MINUTES] [--debut HHhMM]\n"
    "                                            importe une école FET\n"
    "  horalo --publier DOSSIER FICHIER.edt [--du AAAA-MM-JJ] [--au AAAA-MM-JJ]\n"
    "                                            pages web, tableau CSV et calendriers\n"
    "                                            de chaque classe et professeur\n";

namespace {

void Dire(std::FILE* Flux, const std::string& Texte) {
    std::fputs(Texte.c_str(), Flux);
    std::fputc('\n', Flux);
}

int Refus(const std::string& Texte) {
    Dire(stderr, Texte);
    return 2;
}

// "--nom valeur" pairs after the positional arguments; nothing when one is not allowed.
std::optional<std::map<QString, QString>> Options(const QStringList& Arguments, int Positions,
                                                  const QStringList& Permises) {
    std::map<QString, QString> Lues;
    if (Arguments.size() < Positions + 1 || (Arguments.size() - Positions - 1) % 2 != 0)
        return std::nullopt;
    for (qsizetype k = Positions + 1; k + 1 < Arguments.size(); k += 2) {
        if (!Permises.contains(Arguments[k]) || Lues.count(Arguments[k]))
            return std::nullopt;
        Lues[Arguments[k]] = Arguments[k + 1];
    }
    return Lues;
}

int Publier(const QStringList& Arguments, bool (*Lire)(const QString&)) {
    const auto Lues = Options(Arguments, 2, {QStringLiteral("--du"), QStringLiteral("--au")});
    if (!Lues)
        return Refus("--publier attend DOSSIER FICHIER.edt, puis --du AAAA-MM-JJ et --au "
                     "AAAA-MM-JJ au besoin.");
    TPeriode Periode = AnneeScolaire(QDate::currentDate());
    for (const auto& [Option, Valeur] : *Lues) {
        const QDate Date = QDate::fromString(Valeur, Qt::ISODate);
        if (!Date.isValid())
            return Refus("Date illisible : « " + Valeur.toStdString() + " » (AAAA-MM-JJ).");
        (Option == QStringLiteral("--du") ? Periode.Du : Periode.Au) = Date;
    }
    if (Periode.Du > Periode.Au)
        return Refus("La période finit avant de commencer.");
    if (!Lire(Arguments[2]))
        return 1;
    try {
        EcrireDossier(Arguments[1], Publication(Periode));
    } catch (const EErreurPublication& Erreur) {
        Dire(stderr, Erreur.what());
        return 1;
    }
    return 0;
}

// The FET settings the options give; false, said on the standard error, when one is wrong.
bool Reglages(const std::map<QString, QString>& Lues, TReglagesFet& Reglages) {
    bool Lu = true;
    if (Lues.count(QStringLiteral("--periode")))
        Reglages.Periode = Lues.at(QStringLiteral("--periode")).toInt(&Lu);
    if (!Lu || Reglages.Periode < 15 || Reglages.Periode > 240 || Reglages.Periode % 15 != 0) {
        Dire(stderr, "--periode attend un nombre de minutes multiple de 15, de 15 à 240.");
        return false;
    }
    if (Lues.count(QStringLiteral("--debut"))) {
        const std::string Texte = Lues.at(QStringLiteral("--debut")).toStdString();
        Reglages.Debut = HeureTexte(Texte);
        if (Texte.size() != 5 || Reglages.Debut < QuartDebutGrille ||
            Reglages.Debut >= QuartFinGrille || TexteHeure(Reglages.Debut) != Texte) {
            Dire(stderr, "--debut attend une heure de la grille, de 08h00 à 19h45, au quart "
                         "d'heure (HHhMM).");
            return false;
        }
    }
    return true;
}

int Importer(const QStringList& Arguments) {
    const auto Lues =
        Options(Arguments, 2, {QStringLiteral("--periode"), QStringLiteral("--debut")});
    if (!Lues)
        return Refus("--importer attend ENTREE.csv SORTIE.edt, ou ENTREE.fet SORTIE.edt puis "
                     "--periode MINUTES et --debut HHhMM au besoin.");
    TReglagesFet Fet;
    if (!Reglages(*Lues, Fet))
        return 2;
    if (const int Statut = SortiePermise(Arguments[1], Arguments[2]))
        return Statut;
    try {
        TEcoleImportee Ecole = LireImport(Arguments[1], EstFichierFet(Arguments[1]), Fet);
        Sauveur->ViderModele();
        ConstruireEcole(Ecole);
        for (const std::string& Cas : Ecole.Rapport.Cas())
            Dire(stderr, Cas);
        Sauveur->EcrireFichier(Arguments[2].toStdString());
        Dire(stdout, Ecole.Rapport.Bilan());
    } catch (const EErreurImport& Erreur) {
        Dire(stderr, Erreur.what());
        return 1;
    } catch (const EErreurFichier& Erreur) {
        Dire(stderr, Erreur.what());
        return 1;
    }
    return 0;
}

} // namespace

bool EstEchangeEnLot(const QString& Commande) {
    return Commande == QStringLiteral("--publier") || Commande == QStringLiteral("--importer");
}

int EchangeEnLot(const QStringList& Arguments, bool (*Lire)(const QString& Chemin)) {
    return Arguments.value(0) == QStringLiteral("--publier") ? Publier(Arguments, Lire)
                                                             : Importer(Arguments);
}
