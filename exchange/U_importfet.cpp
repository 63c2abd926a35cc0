#include "exchange/U_importfet.h"

#include "model/U_acteur.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <map>
#include <set>

namespace {

constexpr long VolumeMax = NombreJours * (QuartFinGrille - QuartDebutGrille);

struct TActivite {
    std::vector<std::string> Profs, Eleves; // UTF-8
    std::string Matiere;
    long Duree = 0;
    std::string Id;
    bool Active = true;
};

struct TDebutVerrouille {
    std::string Id, Jour, Heure;
};

enum class TGenre { Annee, Groupe, SousGroupe };

struct TEnsemble {
    TGenre Genre;
    std::string Annee;
    bool AvecGroupes = false;
};

// Where an imported activity went.
struct TPlace {
    std::string Classe, Matiere; // UTF-8
    long Quarts = 0;
};

// What the imported services of a class say, subject by subject.
struct TMatiereClasse {
    std::string Prof; // UTF-8
    long Volume = 0;
    long Activites = 0;
};

std::string Compte(long Nombre, const std::string& Nom) {
    return std::to_string(Nombre) + " " + Nom + (Nombre > 1 ? "s" : "");
}

std::string U(const QString& Texte) {
    return Texte.toStdString();
}

class TLectureFet {
public:
    TLectureFet(const QByteArray& Octets, const TReglagesFet& Reglages)
        : X(Octets), Reglages(Reglages) {}

    TEcoleImportee Lire() {
        Entrer();
        while (X.readNextStartElement())
            LireListe();
        if (X.hasError())
            Echouer();
        Importer();
        return std::move(Ecole);
    }

private:
    [[noreturn]] void Echouer() {
        throw EErreurImport("ce n'est pas un fichier FET lisible (ligne " +
                            std::to_string(X.lineNumber()) + " : " + U(X.errorString()) + ")");
    }

    // Up to the root element, refusing a document type declaration: its entities could
    // expand beyond any bound, and a FET file has none.
    void Entrer() {
        while (!X.atEnd() && X.readNext() != QXmlStreamReader::StartElement)
            if (X.tokenType() == QXmlStreamReader::DTD)
                throw EErreurImport("le fichier déclare un type de document, ce que FET ne fait "
                                    "pas");
        if (X.hasError())
            Echouer();
        if (X.name() != QLatin1String("fet"))
            throw EErreurImport("ce n'est pas un fichier FET (son élément racine n'est pas "
                                "« fet »)");
    }

    void LireListe() {
        const QStringView Nom = X.name();
        if (Nom == QLatin1String("Days_List"))
            LireNoms(QStringLiteral("Day"), Jours);
        else if (Nom == QLatin1String("Hours_List"))
            LireNoms(QStringLiteral("Hour"), Heures);
        else if (Nom == QLatin1String("Students_List"))
            LireEleves();
        else if (Nom == QLatin1String("Activities_List"))
            PourChaque([this] {
                if (X.name() == QLatin1String("Activity"))
                    LireActivite();
                else
                    X.skipCurrentElement();
            });
        else if (Nom.endsWith(QLatin1String("Constraints_List")))
            PourChaque([this] { LireContrainte(); });
        else if (Nom == QLatin1String("Rooms_List"))
            PourChaque([this] {
                Salles += X.name() == QLatin1String("Room");
                X.skipCurrentElement();
            });
        else
            X.skipCurrentElement();
    }

    template <class F> void PourChaque(F Faire) {
        while (X.readNextStartElement())
            Faire();
    }

    // A flat element's children as (name, text) pairs, in order.
    std::vector<std::pair<QString, std::string>> Champs() {
        std::vector<std::pair<QString, std::string>> Liste;
        PourChaque([&] {
            const QString Nom = X.name().toString();
            Liste.emplace_back(
                Nom, U(X.readElementText(QXmlStreamReader::IncludeChildElements).trimmed()));
        });
        return Liste;
    }

    void LireNoms(const QString& Element, std::vector<std::string>& Noms) {
        PourChaque([&] {
            if (X.name() != Element)
                return X.skipCurrentElement();
            for (const auto& [Nom, Texte] : Champs())
                if (Nom == QLatin1String("Name"))
                    Noms.push_back(Texte);
        });
    }

    std::string Nom(const std::vector<std::pair<QString, std::string>>& Liste) {
        for (const auto& [Cle, Texte] : Liste)
            if (Cle == QLatin1String("Name"))
                return Texte;
        return {};
    }

    void LireEleves() {
        PourChaque([this] {
            if (X.name() != QLatin1String("Year"))
                return X.skipCurrentElement();
            std::string Annee;
            std::vector<std::string> Groupes;
            PourChaque([&] {
                if (X.name() == QLatin1String("Name"))
                    Annee = U(X.readElementText().trimmed());
                else if (X.name() == QLatin1String("Group"))
                    Groupes.push_back(LireGroupe(Annee));
                else
                    X.skipCurrentElement();
            });
            Ensembles.emplace(Annee, TEnsemble{TGenre::Annee, Annee, !Groupes.empty()});
            if (Groupes.empty())
                Groupes.push_back(Annee);
            for (const std::string& g : Groupes)
                if (std::find(Classes.begin(), Classes.end(), g) == Classes.end())
                    Classes.push_back(g);
        });
    }

    std::string LireGroupe(const std::string& Annee) {
        std::string Groupe;
        PourChaque([&] {
            if (X.name() == QLatin1String("Name"))
                Groupe = U(X.readElementText().trimmed());
            else if (X.name() == QLatin1String("Subgroup")) {
                Ensembles.emplace(Nom(Champs()), TEnsemble{TGenre::SousGroupe, Annee, false});
                ++SousGroupes;
            } else
                X.skipCurrentElement();
        });
        Ensembles.emplace(Groupe, TEnsemble{TGenre::Groupe, Annee, false});
        return Groupe;
    }

    void LireActivite() {
        TActivite a;
        for (const auto& [Cle, Texte] : Champs()) {
            if (Cle == QLatin1String("Teacher"))
                a.Profs.push_back(Texte);
            else if (Cle == QLatin1String("Students"))
                a.Eleves.push_back(Texte);
            else if (Cle == QLatin1String("Subject"))
                a.Matiere = Texte;
            else if (Cle == QLatin1String("Duration"))
                a.Duree = QString::fromStdString(Texte).toLong();
            else if (Cle == QLatin1String("Id"))
                a.Id = Texte;
            else if (Cle == QLatin1String("Active"))
                a.Active = Texte != "false";
        }
        Activites.push_back(std::move(a));
    }

    void LireContrainte() {
        const QString Genre = X.name().toString();
        if (Genre.startsWith(QLatin1String("ConstraintBasicCompulsory")))
            return X.skipCurrentElement();
        const auto Liste = Champs();
        const auto Valeur = [&](const char* Cle) {
            for (const auto& [Nom, Texte] : Liste)
                if (Nom == QLatin1String(Cle))
                    return Texte;
            return std::string();
        };
        if (Genre == QLatin1String("ConstraintActivityPreferredStartingTime") &&
            Valeur("Active") != "false" &&
            QString::fromStdString(Valeur("Weight_Percentage")).toDouble() == 100)
            Debuts.push_back(
                {Valeur("Activity_Id"), Valeur("Preferred_Day"), Valeur("Preferred_Hour")});
        else
            ++Autres[U(Genre)];
    }

    // Why an activity cannot be a class's subject; empty when it can, Classe then set.
    std::string Raison(const TActivite& a, std::string& Classe) {
        if (!a.Active)
            return "elle est désactivée";
        if (a.Profs.size() != 1)
            return a.Profs.empty() ? "elle n'a pas de professeur"
                                   : std::to_string(a.Profs.size()) + " professeurs";
        if (a.Eleves.size() != 1)
            return a.Eleves.empty() ? "elle n'a pas d'élèves"
                                    : std::to_string(a.Eleves.size()) + " ensembles d'élèves";
        const auto e = Ensembles.find(a.Eleves[0]);
        if (e == Ensembles.end())
            return "ensemble d'élèves inconnu « " + Extrait(a.Eleves[0]) + " »";
        if (e->second.Genre == TGenre::SousGroupe)
            return "sous-groupe « " + Extrait(a.Eleves[0]) + " »";
        if (e->second.AvecGroupes)
            return "toute l'année « " + Extrait(a.Eleves[0]) + " », qui a des groupes";
        if (a.Duree <= 0 || a.Duree > VolumeMax || a.Duree * Reglages.Periode / 15 > VolumeMax)
            return "durée illisible";
        for (const std::string* n : {&a.Eleves[0], &a.Matiere, &a.Profs[0]}) {
            std::string Ansi;
            if (const std::string r = NomImporte(*n, Ansi); !r.empty())
                return r;
        }
        Classe = a.Eleves[0];
        return {};
    }

    void Importer() {
        std::map<std::pair<std::string, std::string>, TMatiereClasse> Services;
        std::map<std::string, std::vector<std::string>> MatieresDeClasse; // in order
        std::map<std::string, TPlace> Places;                             // by activity
        for (const TActivite& a : Activites) {
            const long Quarts =
                a.Duree > 0 && a.Duree <= VolumeMax ? a.Duree * Reglages.Periode / 15 : 0;
            std::string Classe;
            std::string r = Raison(a, Classe);
            TMatiereClasse* s = nullptr;
            if (r.empty()) {
                s = &Services[{Classe, a.Matiere}];
                if (s->Volume == 0)
                    MatieresDeClasse[Classe].push_back(a.Matiere);
                if (s->Volume > 0 && s->Prof != a.Profs[0])
                    r = a.Matiere + " de " + Classe + " a déjà pour professeur " + s->Prof;
                else if (s->Volume + Quarts > VolumeMax)
                    r = "plus d'une semaine de " + a.Matiere + " pour " + Classe;
            }
            if (!r.empty()) {
                Ecole.Rapport.Refuser("activité " + a.Id + " (" + Extrait(a.Matiere) + ") : " + r +
                                          " ; non importée.",
                                      Quarts);
                continue;
            }
            s->Prof = a.Profs[0];
            s->Volume += Quarts;
            ++s->Activites;
            Places[a.Id] = {Classe, a.Matiere, Quarts};
            ++Ecole.Rapport.Importees;
        }
        const std::map<std::string, std::string> Profs = NommerProfs(Services);
        FormerSeries(Services, MatieresDeClasse, Profs);
        Fixer(Places);
        SignalerReste();
    }

    // A teacher of several subjects becomes one teacher per subject, "Nom (Matière)".
    std::map<std::string, std::string>
    NommerProfs(const std::map<std::pair<std::string, std::string>, TMatiereClasse>& Services) {
        std::map<std::string, std::set<std::string>> Matieres;
        for (const auto& [Cle, s] : Services)
            Matieres[s.Prof].insert(Cle.second);
        std::map<std::string, std::string> Noms; // "prof\nmatière" -> name
        for (const auto& [Prof, Liste] : Matieres) {
            std::string Devient;
            for (const std::string& m : Liste) {
                const std::string Nom = Liste.size() == 1 ? Prof : Prof + " (" + m + ")";
                Noms[Prof + '\n' + m] = Nom;
                Devient += (Devient.empty() ? "" : ", ") + Nom;
            }
            if (Liste.size() > 1)
                Ecole.Rapport.Signaler(Prof + " enseigne " + std::to_string(Liste.size()) +
                                       " matières : il devient " + Devient + ".");
        }
        return Noms;
    }

    // Classes of the same subjects and volumes share a series, named after the first one's
    // year.
    void FormerSeries(const std::map<std::pair<std::string, std::string>, TMatiereClasse>& Services,
                      const std::map<std::string, std::vector<std::string>>& MatieresDeClasse,
                      const std::map<std::string, std::string>& Profs) {
        std::map<std::vector<std::pair<std::string, long>>, std::string> Series;
        std::set<std::string> NomsPris;
        for (const std::string& Classe : Classes) {
            const auto m = MatieresDeClasse.find(Classe);
            if (m == MatieresDeClasse.end())
                continue; // a class without any subject has nothing to import
            std::vector<std::pair<std::string, long>> Signature;
            for (const std::string& Matiere : m->second)
                Signature.emplace_back(Matiere, Services.at({Classe, Matiere}).Volume);
            std::sort(Signature.begin(), Signature.end());
            auto Serie = Series.find(Signature);
            if (Serie == Series.end())
                Serie = Series.emplace(Signature, NomDeSerie(Ensembles.at(Classe).Annee, NomsPris))
                            .first;
            for (const std::string& Matiere : m->second) {
                const TMatiereClasse& s = Services.at({Classe, Matiere});
                TService Service;
                NomImporte(Classe, Service.Classe);
                NomImporte(Matiere, Service.Matiere);
                NomImporte(Profs.at(s.Prof + '\n' + Matiere), Service.Prof);
                Service.Serie = Serie->second;
                Service.Volume = static_cast<std::uint16_t>(s.Volume);
                Service.Activites = s.Activites;
                Ecole.Services.push_back(std::move(Service));
            }
        }
    }

    std::string NomDeSerie(const std::string& Annee, std::set<std::string>& Pris) {
        std::string Base;
        if (!NomImporte(Annee, Base).empty() || Base.size() > 240)
            Base = "Série";
        std::string Nom = Base;
        for (int k = 2; !Pris.insert(Nom).second; ++k)
            Nom = Base + " (" + std::to_string(k) + ")";
        return Nom;
    }

    static long Indice(const std::vector<std::string>& Noms, const std::string& Nom) {
        const auto i = std::find(Noms.begin(), Noms.end(), Nom);
        return i == Noms.end() ? -1 : i - Noms.begin();
    }

    void Fixer(const std::map<std::string, TPlace>& Places) {
        for (const TDebutVerrouille& d : Debuts) {
            const auto p = Places.find(d.Id);
            if (p == Places.end())
                continue; // its activity is reported already
            const long Jour = Indice(Jours, d.Jour), Heure = Indice(Heures, d.Heure);
            const long Debut = Reglages.Debut + Heure * Reglages.Periode / 15;
            const long Fin = Debut + p->second.Quarts - 1;
            if (Jour < 0 || Heure < 0 ||
                !TActeur::PlageDansGrille(static_cast<TJour>(Jour), Debut, Fin)) {
                Ecole.Rapport.Signaler("activité " + d.Id + " : son début verrouillé (" + d.Jour +
                                       ", " + d.Heure +
                                       ") ne tombe pas dans la grille ; elle reste à placer.");
                continue;
            }
            TCoursFixe f;
            NomImporte(p->second.Classe, f.Classe);
            NomImporte(p->second.Matiere, f.Matiere);
            f.Jour = static_cast<TJour>(Jour);
            f.Debut = static_cast<TQuart>(Debut);
            f.Fin = static_cast<TQuart>(Fin);
            Ecole.Fixes.push_back(f);
        }
    }

    void SignalerReste() {
        if (SousGroupes > 0)
            Ecole.Rapport.Signaler(Compte(SousGroupes, "sous-groupe") + " non représenté(s).");
        if (Salles > 0)
            Ecole.Rapport.Signaler(Compte(Salles, "salle") + " non importée(s).");
        for (const auto& [Genre, Nombre] : Autres)
            Ecole.Rapport.Signaler(Compte(Nombre, "contrainte") + " " + Genre +
                                   " non importée(s).");
    }

    QXmlStreamReader X;
    TReglagesFet Reglages;
    TEcoleImportee Ecole;
    std::vector<std::string> Jours, Heures, Classes;
    std::map<std::string, TEnsemble> Ensembles;
    std::vector<TActivite> Activites;
    std::vector<TDebutVerrouille> Debuts;
    std::map<std::string, long> Autres;
    long SousGroupes = 0, Salles = 0;
};

} // namespace

TEcoleImportee LireEcoleFet(const QByteArray& Octets, const TReglagesFet& Reglages) {
    return TLectureFet(Octets, Reglages).Lire();
}
