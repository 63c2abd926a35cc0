#include "ui/main/U_lots.h"

#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "model/U_texte.h"
#include "scheduling/U_automate.h"
#include "scheduling/U_optimiseur.h"
#include "storage/U_fichier.h"
#include "storage/U_verrou.h"
#include "ui/main/U_impression.h"
#include "ui/main/U_lotsdiagnostic.h"
#include "ui/main/U_lotsechanges.h"
#include "ui/main/U_lotsqualite.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

namespace {

const char* const Usage =
    "Usage :\n"
    "  horalo [FICHIER.edt]                      ouvre Horalo, sur ce fichier s'il est donné\n"
    "  horalo --pdf SORTIE.pdf FICHIER.edt       imprime chaque classe puis chaque professeur\n"
    "                                            dans SORTIE.pdf, une page chacun\n"
    "  horalo --placer ENTREE.edt SORTIE.edt     placement automatique, écrit dans SORTIE.edt\n"
    "  horalo --optimiser ENTREE.edt SORTIE.edt [--etapes N]\n"
    "                                            placement optimisé (effort : N étapes)\n"
    "  horalo --qualite FICHIER.edt              mesures de qualité, en CSV\n"
    "  horalo --ameliorer ENTREE.edt SORTIE.edt [--etapes N]\n"
    "                                            améliore l'emploi du temps (N étapes)\n"
    "  horalo --diagnostiquer FICHIER.edt        heures non placées et pourquoi, en CSV\n"
    "  horalo --help                             affiche cette aide\n"
    "  horalo --version                          affiche la version\n";

void Ecrire(std::FILE* Flux, const QString& Texte) {
    std::fputs(Texte.toUtf8().constData(), Flux);
    std::fputc('\n', Flux);
}

// The model's messages go to the standard error; no question is ever asked.
class TMessagesLot final : public IMessages {
public:
    void Erreur(const std::string& Texte) override {
        Ecrire(stderr, QString::fromStdString(Utf8(Texte)));
    }
    void Message(const std::string& Texte) override { Erreur(Texte); }
    bool Confirmer(const std::string&) override { return false; }
    TReponse ConfirmerAvecAbandon(const std::string&) override { return TReponse::Non; }
    void Bip() override {}
    void TraiterEvenements() override {}
};

// The globals of one batch run, torn down in the window's order.
class TSession {
public:
    TSession() {
        InstallerMessages(&Messages);
        Sauveur = new TSauveur;
        Automate = new TAutomate;
    }
    ~TSession() {
        DetruireGlobal(Automate);
        DetruireGlobal(LesClasses);
        DetruireGlobal(LesProfs);
        DetruireGlobal(LesSeries);
        DetruireGlobal(Sauveur);
        InstallerMessages(nullptr);
    }
    TSession(const TSession&) = delete;
    TSession& operator=(const TSession&) = delete;

    // False, said on the standard error, when the file cannot be read or is damaged.
    static bool Lire(const QString& Chemin) {
        try {
            return Sauveur->LireFichier(Chemin.toStdString());
        } catch (const EErreurFichier& Erreur) {
            Ecrire(stderr, QString::fromUtf8(Erreur.what()));
            return false;
        }
    }

private:
    TMessagesLot Messages;
};

// Far beyond what any school needs (a billion steps take minutes), and well within what
// the search's counters hold.
constexpr long EtapesMax = 1'000'000'000;

// One file under two names (the same path, a symbolic or a hard link) is one file.
bool MemeFichier(const QString& Un, const QString& Autre) {
    std::error_code Code;
    return std::filesystem::equivalent(Un.toStdString(), Autre.toStdString(), Code);
}

constexpr int StatutVerrouille = 3;

// A timetable another Horalo holds open is never written behind its back.
bool Libre(const QString& Sortie) {
    const std::optional<TDetenteur> Detenteur = DetenteurDe(Sortie);
    if (Detenteur)
        Ecrire(stderr, QStringLiteral("« %1 » est ouvert par %2 : rien n'est écrit.")
                           .arg(Sortie, DecrireDetenteur(*Detenteur)));
    return !Detenteur;
}

// A PDF that replaces a file keeps that file's mode; a new one gets what the umask leaves,
// as any file the user creates.
mode_t ModeDeSortie(const QString& Sortie) {
    struct stat Etat {};
    if (::stat(QFile::encodeName(Sortie).constData(), &Etat) == 0)
        return Etat.st_mode & 07777;
    const mode_t Masque = ::umask(0);
    ::umask(Masque);
    return 0666 & ~Masque;
}

// The PDF is written beside its place and renamed over it once whole: a failure leaves an
// existing file as it was.
int Pdf(const QString& Sortie, const QString& Entree) {
    if (const int Statut = SortiePermise(Entree, Sortie))
        return Statut;
    TSession Session;
    if (!TSession::Lire(Entree))
        return 1;
    const QFileInfo Cible(Sortie);
    QTemporaryFile Brouillon(Cible.absolutePath() + QStringLiteral("/.horalo-XXXXXX.pdf"));
    if (!Brouillon.open()) {
        Ecrire(stderr,
               QStringLiteral("Impossible d'écrire dans le dossier de « %1 ».").arg(Sortie));
        return 1;
    }
    Brouillon.close();
    QPrinter Imprimante(QPrinter::HighResolution);
    Imprimante.setOutputFormat(QPrinter::PdfFormat);
    Imprimante.setOutputFileName(Brouillon.fileName());
    Imprimante.setPageOrientation(QPageLayout::Portrait);
    Imprimante.setDocName(QStringLiteral("Horalo - Emploi du temps - ") + Entree);
    try {
        ImprimerPages(Imprimante, PagesCompletes());
    } catch (const EErreurImpression& Erreur) {
        Ecrire(stderr,
               QStringLiteral("Impression impossible : %1.").arg(QString::fromUtf8(Erreur.what())));
        return 1;
    }
    const mode_t Mode = ModeDeSortie(Sortie); // not the scratch file's private one
    std::error_code Code;
    std::filesystem::rename(Brouillon.fileName().toStdString(),
                            Cible.absoluteFilePath().toStdString(), Code);
    if (Code) {
        Ecrire(stderr, QStringLiteral("Impossible d'écrire « %1 ».").arg(Sortie));
        return 1;
    }
    Brouillon.setAutoRemove(false);
    ::chmod(QFile::encodeName(Cible.absoluteFilePath()).constData(), Mode);
    return 0;
}

QString TextePlaces(long Places, long APlacer) {
    return QStringLiteral("%1 quarts d'heure placés sur %2.")
        .arg(NombreFrancais(Places), NombreFrancais(APlacer));
}

} // namespace

int Placer(const QString& Entree, const QString& Sortie, const std::function<QString()>& Placer) {
    if (!Sortie.isEmpty() && !Libre(Sortie))
        return StatutVerrouille;
    TSession Session;
    if (!TSession::Lire(Entree))
        return 1;
    const QString Bilan = Placer();
    try {
        if (!Sortie.isEmpty())
            Sauveur->EcrireFichier(Sortie.toStdString());
    } catch (const EErreurFichier& Erreur) {
        Ecrire(stderr, QString::fromUtf8(Erreur.what()));
        return 1;
    }
    Ecrire(stdout, Bilan);
    return 0;
}

int Erreur(const char* Texte) {
    std::fputs(Texte, stderr);
    std::fputs(Usage, stderr);
    std::fputs(UsageEchanges, stderr);
    return 2;
}

int PlacerEnEtapes(const QStringList& Arguments, long Etapes, const char* Attendu,
                   const std::function<QString(long)>& Travail) {
    bool Lu = Arguments.size() == 3;
    if (Arguments.size() == 5 && Arguments[3] == QStringLiteral("--etapes")) {
        Etapes = Arguments[4].toLong(&Lu);
        if (!Lu || Etapes < 0 || Etapes > EtapesMax)
            return Erreur("--etapes attend un nombre de 0 à 1 000 000 000.\n");
    }
    if (!Lu)
        return Erreur(Attendu);
    return Placer(Arguments[1], Arguments[2], [&Travail, Etapes] { return Travail(Etapes); });
}

int SortiePermise(const QString& Entree, const QString& Sortie) {
    if (MemeFichier(Sortie, Entree)) {
        Ecrire(stderr,
               QStringLiteral("« %1 » est le fichier lu : la sortie ne peut pas le remplacer.")
                   .arg(Sortie));
        return 1;
    }
    return Libre(Sortie) ? 0 : StatutVerrouille;
}

bool EstTravailEnLot(int argc, char** argv) {
    if (argc < 2)
        return false;
    const std::string Premier = argv[1];
    return Premier == "--pdf" || Premier == "--placer" || Premier == "--optimiser" ||
           Premier == "--help" || Premier == "--version" || EstTravailQualite(Premier) ||
           EstTravailDiagnostic(Premier) || EstEchangeEnLot(QString::fromLocal8Bit(Premier));
}

QString NombreFrancais(long Nombre) {
    QString Chiffres = QString::number(std::labs(Nombre));
    for (qsizetype i = Chiffres.size() - 3; i > 0; i -= 3)
        Chiffres.insert(i, QLatin1Char(' '));
    return Nombre < 0 ? QLatin1Char('-') + Chiffres : Chiffres;
}

QString TexteBilan(const TBilanOptimisation& Bilan) {
    return (Bilan.Interrompu ? QStringLiteral("Placement arrêté. ") : QString()) +
           TextePlaces(Bilan.Places, Bilan.APlacer) +
           QStringLiteral(" Avec ces réglages, %1 au plus peuvent l'être.")
               .arg(NombreFrancais(Bilan.Borne)) +
           (Bilan.Places >= Bilan.Borne
                ? QStringLiteral(" C'est le maximum possible avec ces réglages.")
                : QString());
}

int TravailEnLot(const QStringList& Arguments) {
    const QString Commande = Arguments.value(0);
    if (Commande == QStringLiteral("--help")) {
        std::fputs(Usage, stdout);
        std::fputs(UsageEchanges, stdout);
        return 0;
    }
    if (Commande == QStringLiteral("--version")) {
        std::fputs("Horalo " HORALO_VERSION "\n", stdout);
        return 0;
    }
    if (EstEchangeEnLot(Commande)) {
        TSession Session;
        return EchangeEnLot(Arguments, &TSession::Lire);
    }
    if (Commande == QStringLiteral("--pdf"))
        return Arguments.size() == 3 ? Pdf(Arguments[1], Arguments[2])
                                     : Erreur("--pdf attend SORTIE.pdf FICHIER.edt.\n");
    if (EstTravailDiagnostic(Commande.toStdString()))
        return TravailDiagnostic(Arguments);
    if (Commande == QStringLiteral("--placer")) {
        if (Arguments.size() != 3)
            return Erreur("--placer attend ENTREE.edt SORTIE.edt.\n");
        return Placer(Arguments[1], Arguments[2], [] {
            InstallerMessages(nullptr); // the closing message is for the window
            Automate->PlacementAutomatique();
            long APlacer = 0;
            const long Places = QuartsPlacesDuModele(APlacer);
            return TextePlaces(Places, APlacer);
        });
    }
    if (EstTravailQualite(Commande.toStdString()))
        return TravailQualite(Arguments);
    return PlacerEnEtapes(
        Arguments, EtapesParDefaut,
        "--optimiser attend ENTREE.edt SORTIE.edt, puis --etapes N au besoin.\n",
        [](long Etapes) { return TexteBilan(PlacementOptimise(*Automate, Etapes)); });
}
