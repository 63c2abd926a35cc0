// The main window on the demo lycée once placed: opening it (reading, every block with
// its widget, the refresh of the views), undo then redo, switching the class shown, picking
// a course up until its places are tinted, copying a week picture, printing everything,
// refreshing the "Qualité" pane.
// Run from a Release build, on the offscreen platform:
//   bench_fenetre --benchmark_repetitions=7 --benchmark_report_aggregates_only
#include "bench/BancFormes.h"
#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_prof.h"
#include "scheduling/U_automate.h"
#include "storage/U_fichier.h"
#include "ui/main/U_blocvue.h"
#include "ui/main/U_impression.h"
#include "ui/main/U_panequalite.h"
#include "ui/main/U_princ.h"

#include <QApplication>
#include <QComboBox>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

void Vider() {
    Sauveur->ViderModele();
    // Widgets of blocks dropped inside an event go at the next turn of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool Ouvrir(benchmark::State& Etat) {
    const std::string& Chemin = LyceePlace(); // its placement speaks: before the notes
    Temoin.Notes.clear();
    Sauveur->LireFichier(Chemin);
    if (Temoin.Notes.empty() && LesClasses->Nombre() > 0)
        return true;
    static std::string Raison;
    Raison = "the placed lycée reads with a message: " + Temoin.Notes;
    Etat.SkipWithError(Raison.c_str());
    return false;
}

void OuvrirLycee(benchmark::State& Etat) {
    LyceePlace();
    for (auto _ : Etat) {
        Etat.PauseTiming();
        Vider();
        Etat.ResumeTiming();
        if (!Ouvrir(Etat))
            break;
    }
    Etat.counters["widgets"] = static_cast<double>(FTable->findChildren<TBlocVue*>().size());
}

void AnnulerRefaire(benchmark::State& Etat) {
    if (!Ouvrir(Etat))
        return;
    // Two steps: each undo then redo comes back to the same place in the history.
    Sauveur->Memoriser();
    Sauveur->Memoriser();
    if (!Sauveur->PeutAnnuler())
        Etat.SkipWithError("the history is switched off");
    else
        for (auto _ : Etat) {
            FTable->Annuler1Click();
            FTable->Refaire1Click();
        }
    Sauveur->Reinitialiser();
}

void ChangerClasse(benchmark::State& Etat) {
    if (!Ouvrir(Etat))
        return;
    auto* Liste = FTable->findChild<QComboBox*>(QStringLiteral("CBclasse"));
    int i = 0;
    for (auto _ : Etat) {
        i = (i + 1) % Liste->count();
        Liste->setCurrentIndex(i);
        FTable->CBclasseChange();
    }
}

// Pressing on a block of the class shown, until both grids are painted with the places
// where the course may go.
void PrendreCours(benchmark::State& Etat) {
    if (!Ouvrir(Etat))
        return;
    TBlocVue* Vue = nullptr;
    for (TBlocVue* b : FTable->findChildren<TBlocVue*>())
        if (b->isVisible() && b->Bloc() && b->Bloc()->DeClasse())
            Vue = b;
    if (!Vue) {
        Etat.SkipWithError("no block shown");
        return;
    }
    const std::string Nom = Vue->objectName().toStdString();
    for (auto _ : Etat) {
        FTable->MemoClasseMouseDown(*Vue, Qt::LeftButton, {}, Vue->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::processEvents(); // the grids repaint with their tint
        Etat.PauseTiming();
        FTable->RemettreCours();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Vue = FTable->findChild<TBlocVue*>(QString::fromStdString(Nom));
        Etat.ResumeTiming();
        if (!Vue) {
            Etat.SkipWithError("the course did not come back");
            break;
        }
    }
}

// What every change costs the "Qualité" pane: the whole school measured again and shown.
void RafraichirQualite(benchmark::State& Etat) {
    if (!Ouvrir(Etat))
        return;
    auto* Pane = FTable->findChild<TPaneQualite*>();
    const TClasse* Classe = LesClasses->Trouver(FTable->ClasseAffichee());
    const TProf* Prof = LesProfs->Trouver(FTable->ProfAffiche());
    if (!Pane || !Classe || !Prof) {
        Etat.SkipWithError("no pane, or no class or teacher shown");
        return;
    }
    for (auto _ : Etat)
        Pane->Actualiser(Classe, Prof);
}

void CopierClasse(benchmark::State& Etat) {
    if (!Ouvrir(Etat))
        return;
    for (auto _ : Etat)
        FTable->CopierClasse1Click();
}

// The whole print of the lycée, every class then every teacher, into a PDF.
void ImprimerLycee(benchmark::State& Etat) {
    if (!Ouvrir(Etat))
        return;
    const QString Pdf = QString::fromStdString(Sauveur->Dossier) + QStringLiteral("tout.pdf");
    for (auto _ : Etat) {
        QPrinter Imprimante(QPrinter::HighResolution);
        Imprimante.setOutputFormat(QPrinter::PdfFormat);
        Imprimante.setOutputFileName(Pdf);
        ImprimerPages(Imprimante, PagesCompletes());
    }
    Etat.counters["pages"] = static_cast<double>(PagesCompletes().size());
}

BENCHMARK(OuvrirLycee)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PrendreCours)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CopierClasse)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ImprimerLycee)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(AnnulerRefaire)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ChangerClasse)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(RafraichirQualite)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return ExecuterBancs(argc, argv);
}
