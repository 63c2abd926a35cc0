#include "exchange/U_publication.h"

#include "exchange/U_csv.h"
#include "exchange/U_pages.h"
#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <filesystem>
#include <map>

namespace {

using TListeCours = std::vector<const TCoursPublie*>;

std::string Texte(const QString& Q) {
    return Q.toStdString();
}

[[noreturn]] void Refuser(const QString& Dossier, const std::string& Raison) {
    throw EErreurPublication("Impossible de publier dans « " + Texte(Dossier) + " » : " + Raison +
                             ".");
}

std::string Periode(const TPeriode& p) {
    return Texte(QStringLiteral("du %1 au %2")
                     .arg(p.Du.toString(QStringLiteral("dd/MM/yyyy")),
                          p.Au.toString(QStringLiteral("dd/MM/yyyy"))));
}

// The names of the hidden entries of an earlier publication; refused when it holds
// anything a publication does not write.
std::vector<QString> EntreesCachees(const QString& Dossier) {
    std::vector<QString> Cachees;
    const QFileInfoList Entrees = QDir(Dossier).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& e : Entrees) {
        const QString Nom = e.fileName();
        if (Nom.startsWith(QLatin1Char('.')))
            Cachees.push_back(Nom);
        else if (!e.isFile() || e.isSymLink() ||
                 !(Nom.endsWith(QStringLiteral(".html")) || Nom.endsWith(QStringLiteral(".ics")) ||
                   Nom == QLatin1String(NomTableauCours)))
            Refuser(Dossier,
                    "ce dossier contient autre chose qu'une publication (« " + Texte(Nom) + " »)");
    }
    return Cachees;
}

void EcrireFichiers(const QString& Dossier, const std::vector<TFichierPublie>& Fichiers,
                    const QString& Cible) {
    for (const TFichierPublie& f : Fichiers) {
        QFile Fichier(Dossier + QLatin1Char('/') + QString::fromStdString(f.Nom));
        const bool Ecrit = Fichier.open(QIODevice::WriteOnly) &&
                           Fichier.write(f.Octets.data(), static_cast<qint64>(f.Octets.size())) ==
                               static_cast<qint64>(f.Octets.size()) &&
                           Fichier.flush();
        Fichier.close();
        if (!Ecrit || Fichier.error() != QFileDevice::NoError)
            Refuser(Cible, "l'écriture a échoué (disque plein ou accès refusé)");
    }
}

bool Renommer(const QString& De, const QString& Vers) {
    std::error_code Code;
    std::filesystem::rename(De.toStdString(), Vers.toStdString(), Code);
    return !Code;
}

// Moves the hidden entries from one folder to the other: all of them, or none.
bool Deplacer(const std::vector<QString>& Noms, const QString& De, const QString& Vers) {
    for (std::size_t k = 0; k < Noms.size(); ++k)
        if (!Renommer(De + QLatin1Char('/') + Noms[k], Vers + QLatin1Char('/') + Noms[k])) {
            while (k-- > 0)
                Renommer(Vers + QLatin1Char('/') + Noms[k], De + QLatin1Char('/') + Noms[k]);
            return false;
        }
    return true;
}

// The earlier publication steps aside under a hidden name, the new one takes its place,
// then the earlier one goes; any failure puts everything back.
void Remplacer(const QString& Cible, const QString& Neuf) {
    const std::vector<QString> Cachees = EntreesCachees(Cible);
    const QFileInfo Info(Cible);
    QTemporaryDir Reserve(Info.absolutePath() + QStringLiteral("/.") + Info.fileName() +
                          QStringLiteral("-ancien-XXXXXX"));
    const QString Ancien = Reserve.path();
    if (!Reserve.isValid() || !QDir().rmdir(Ancien) || !Deplacer(Cachees, Cible, Neuf))
        Refuser(Cible, "son dossier parent ne peut pas être écrit");
    Reserve.setAutoRemove(false);
    if (!Renommer(Cible, Ancien)) {
        Deplacer(Cachees, Neuf, Cible);
        Refuser(Cible, "le dossier est utilisé par un autre programme");
    }
    if (!Renommer(Neuf, Cible)) {
        Renommer(Ancien, Cible);
        Deplacer(Cachees, Neuf, Cible);
        Refuser(Cible, "le nouveau dossier ne peut pas prendre sa place");
    }
    QDir(Ancien).removeRecursively();
}

} // namespace

std::string TableauCours(const std::vector<TCoursPublie>& Cours) {
    std::string Texte = "\xEF\xBB\xBF" + LigneCsv({"classe", "serie", "matiere", "professeur",
                                                   "jour", "debut", "fin"});
    for (const TCoursPublie& c : Cours)
        Texte += LigneCsv({TexteAffiche(c.Classe), TexteAffiche(c.Serie), TexteAffiche(c.Matiere),
                           TexteAffiche(c.Prof), NomJour(c.Jour), TexteHeure(c.Debut),
                           TexteHeure(static_cast<TQuart>(c.Fin + 1))});
    return Texte;
}

std::vector<TFichierPublie> Publication(const TPeriode& Periode) {
    const std::vector<TCoursPublie> Cours = CoursDuModele();
    const TAnnuaire Annuaire = AnnuaireDuModele();
    std::map<std::string, TListeCours> ParClasse, ParProf;
    for (const TCoursPublie& c : Cours) {
        ParClasse[c.Classe].push_back(&c);
        ParProf[c.Prof].push_back(&c);
    }
    std::vector<TFichierPublie> Fichiers{{"index.html", PageIndex(Annuaire, ::Periode(Periode))},
                                         {NomTableauCours, TableauCours(Cours)}};
    const auto Ajouter = [&](const std::string& Fichier, const TEntetePage& Entete,
                             const TListeCours& Liste, bool DeClasse) {
        Fichiers.push_back({Fichier + ".html", PageSemaine(Entete, Liste, DeClasse, Annuaire)});
        Fichiers.push_back({Fichier + ".ics", Calendrier(Entete.Titre, Liste, DeClasse, Periode)});
    };
    for (std::size_t n = 1; LesClasses && n <= LesClasses->Nombre(); ++n) {
        const TClasse& c = *LesClasses->Numero(n);
        const std::string& Fichier = Annuaire.Classes.at(c.Nom);
        Ajouter(Fichier,
                {"Emploi du temps de : " + TexteAffiche(c.Nom),
                 "Classe de série : " + TexteAffiche(c.Serie ? c.Serie->Nom : ""), Fichier},
                ParClasse[c.Nom], true);
    }
    for (std::size_t n = 1; LesProfs && n <= LesProfs->Nombre(); ++n) {
        const TProf& p = *LesProfs->Numero(n);
        const std::string& Fichier = Annuaire.Profs.at(p.Nom);
        Ajouter(Fichier,
                {"Emploi du temps de : " + TexteAffiche(p.Nom),
                 "Professeur de : " + TexteAffiche(p.Matiere), Fichier},
                ParProf[p.Nom], false);
    }
    return Fichiers;
}

void EcrireDossier(const QString& Dossier, const std::vector<TFichierPublie>& Fichiers) {
    const QFileInfo Info(Dossier);
    const QString Cible = Info.absoluteFilePath();
    if (!Info.absoluteDir().exists())
        Refuser(Dossier, "son dossier parent n'existe pas");
    if (Info.exists() && (!Info.isDir() || Info.isSymLink()))
        Refuser(Dossier, "ce n'est pas un dossier");
    if (Info.exists())
        EntreesCachees(Cible); // refused before anything is written
    QTemporaryDir Neuf(Info.absolutePath() + QStringLiteral("/.") + Info.fileName() +
                       QStringLiteral("-XXXXXX"));
    if (!Neuf.isValid())
        Refuser(Dossier, "son dossier parent ne peut pas être écrit");
    QFile::setPermissions(Neuf.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                              QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                              QFile::ExeOther); // not the scratch folder's private ones
    EcrireFichiers(Neuf.path(), Fichiers, Dossier);
    if (Info.exists())
        Remplacer(Cible, Neuf.path());
    else if (!Renommer(Neuf.path(), Cible))
        Refuser(Dossier, "le nouveau dossier ne peut pas prendre sa place");
    Neuf.setAutoRemove(false);
}
