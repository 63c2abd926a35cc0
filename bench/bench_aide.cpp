// Opening the help window as the first press of F1 does: the viewer is made over the
// collection found beside the program and shows the welcome page on its contents.
// Run from a Release build, on the offscreen platform:
//   bench_aide --benchmark_repetitions=7 --benchmark_report_aggregates_only
#include "ui/main/U_aideqt.h"

#include <QApplication>
#include <QEventLoop>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The search index is written once, as after the first opening on a machine; later
// openings find it up to date.
bool IndexerUneFois() {
    TAideQt Aide;
    Aide.Rechercher();
    QEventLoop Boucle;
    bool Fini = false;
    QObject::connect(Aide.Fenetre()->Moteur().searchEngine(), &QHelpSearchEngine::indexingFinished,
                     &Boucle, [&] {
                         Fini = true;
                         Boucle.quit();
                     });
    QTimer::singleShot(60000, &Boucle, &QEventLoop::quit);
    Boucle.exec();
    return Fini;
}

void OuvrirAide(benchmark::State& Etat) {
    if (!IndexerUneFois()) {
        Etat.SkipWithError("the help collection was not found or could not be indexed");
        return;
    }
    for (auto _ : Etat) {
        auto Aide = std::make_unique<TAideQt>();
        Aide->Sommaire();
        QCoreApplication::processEvents(); // shown and painted
        Etat.PauseTiming();
        if (Aide->Fenetre()->TitrePage() != QStringLiteral("Bienvenue dans l'aide de Horalo"))
            Etat.SkipWithError("the welcome page did not show");
        Aide.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Etat.ResumeTiming();
    }
}

BENCHMARK(OuvrirAide)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    // Offscreen, and away from the user's own cache.
    QTemporaryDir Maison;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* Variable : {"HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        qputenv(Variable, Maison.path().toLocal8Bit());
    QApplication Application(argc, argv);
    // The offscreen platform warns at every window shown that it cannot raise it.
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
