// Import and publishing on the demo lycée: publishing its placed timetables (210 pages,
// 210 calendars), importing its 60 classes from a table of services. Release build:
//   bench_echanges --benchmark_repetitions=7 --benchmark_report_aggregates_only
#include "exchange/U_csv.h"
#include "exchange/U_import.h"
#include "exchange/U_publication.h"
#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "model/U_texte.h"
#include "scheduling/U_automate.h"
#include "storage/U_fichier.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

void LirePlace() {
    Sauveur->ViderModele();
    Sauveur->LireFichier(HORALO_EXAMPLES "/lycee.edt");
    Automate->PlacementAutomatique();
}

void Publier(benchmark::State& Etat) {
    LirePlace();
    QTemporaryDir Dossier;
    const QString Cible = Dossier.filePath(QStringLiteral("publication"));
    const TPeriode Periode = AnneeScolaire(QDate(2026, 12, 9));
    std::size_t Fichiers = 0;
    for (auto _ : Etat) {
        const std::vector<TFichierPublie> Liste = Publication(Periode);
        EcrireDossier(Cible, Liste); // from the second run on, over the previous one
        Fichiers = Liste.size();
    }
    Etat.counters["fichiers"] = static_cast<double>(Fichiers);
}

// The lycée's services as a school would export them from a spreadsheet.
QString TableauDuLycee(const QTemporaryDir& Dossier) {
    Sauveur->ViderModele();
    Sauveur->LireFichier(HORALO_EXAMPLES "/lycee.edt");
    std::string Texte = LigneCsv({"classe", "serie", "matiere", "volume", "professeur"});
    for (std::size_t c = 1; c <= LesClasses->Nombre(); ++c) {
        const TClasse& Classe = *LesClasses->Numero(c);
        for (std::size_t m = 1; m <= Classe.Serie->Heures->Nombre(); ++m) {
            const THeures& h = *Classe.Serie->Heures->Numero(m);
            Texte += LigneCsv({Utf8(Classe.Nom), Utf8(Classe.Serie->Nom), Utf8(h.Nom),
                               std::to_string(h.Volume), Utf8(Classe.ProfDe(h.Nom))});
        }
    }
    QFile Fichier(Dossier.filePath(QStringLiteral("services.csv")));
    if (!Fichier.open(QIODevice::WriteOnly))
        throw std::runtime_error("tableau impossible à écrire");
    Fichier.write(Texte.data(), static_cast<qint64>(Texte.size()));
    return Fichier.fileName();
}

void ImporterCsv(benchmark::State& Etat) {
    QTemporaryDir Dossier;
    const QString Chemin = TableauDuLycee(Dossier);
    TRapport Rapport;
    for (auto _ : Etat) {
        TEcoleImportee Ecole = LireImport(Chemin, false);
        Sauveur->ViderModele();
        ConstruireEcole(Ecole);
        Rapport = Ecole.Rapport;
    }
    Etat.counters["classes"] = LesClasses->Nombre();
    Etat.counters["importees"] = static_cast<double>(Rapport.Importees);
    Etat.counters["non_importees"] = static_cast<double>(Rapport.NonImportees);
}

BENCHMARK(Publier)->Unit(benchmark::kMillisecond);
BENCHMARK(ImporterCsv)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    Sauveur = new TSauveur;
    Automate = new TAutomate;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    DetruireGlobal(Automate);
    DetruireGlobal(LesClasses);
    DetruireGlobal(LesProfs);
    DetruireGlobal(LesSeries);
    DetruireGlobal(Sauveur);
}
