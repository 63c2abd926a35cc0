#include "exchange/U_importcsv.h"

#include "exchange/U_csv.h"
#include "model/U_texte.h"

#include <QStringDecoder>

#include <cstdio>
#include <map>
#include <set>

namespace {

constexpr int VolumeMax = NombreJours * (QuartFinGrille - QuartDebutGrille); // a full week
constexpr std::size_t ElementsMax = 32767; // what a collection holds

// UTF-8 when it decodes as such, else Windows-1252; the text returned is UTF-8.
std::string TexteUtf8(std::string_view Octets) {
    if (Octets.substr(0, 3) == "\xEF\xBB\xBF")
        Octets.remove_prefix(3);
    QStringDecoder Decodeur(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString Texte = Decodeur(QByteArrayView(Octets.data(), Octets.size()));
    return Decodeur.hasError() ? Utf8(Octets) : std::string(Octets);
}

std::string Rogne(const std::string& Texte) {
    const auto Debut = Texte.find_first_not_of(' ');
    return Debut == std::string::npos
               ? std::string()
               : Texte.substr(Debut, Texte.find_last_not_of(' ') - Debut + 1);
}

std::string Quarts(std::uint16_t Volume) {
    char Texte[16];
    std::snprintf(Texte, sizeof Texte, "%02dh%02d", Volume / 4, Volume % 4 * 15);
    return Texte;
}

// What the lines already taken say, each with the line that said it first.
struct TDejaVu {
    std::map<std::string, std::pair<std::string, std::size_t>> SerieDeClasse, MatiereDeProf;
    std::map<std::pair<std::string, std::string>, std::pair<std::uint16_t, std::size_t>>
        VolumeDeSerie;
    std::map<std::pair<std::string, std::string>, std::size_t> MatiereDeClasse;
    std::set<std::string> Series, Profs;
};

class TLectureServices {
public:
    TEcoleImportee Lire(std::string_view Octets) {
        if (Octets.find('\0') != std::string_view::npos)
            throw EErreurImport("ce n'est pas un fichier texte");
        const std::string Texte = TexteUtf8(Octets);
        const std::vector<TEnregistrementCsv> Lignes = LireCsv(Texte, SeparateurCsv(Texte));
        for (std::size_t k = 0; k < Lignes.size(); ++k)
            if (k > 0 || !EstEntete(Lignes[k]))
                Traiter(Lignes[k]);
        SignalerManques();
        return std::move(Ecole);
    }

private:
    static bool EstEntete(const TEnregistrementCsv& e) {
        return !e.Champs.empty() &&
               QString::fromStdString(Rogne(e.Champs[0]))
                       .compare(QStringLiteral("classe"), Qt::CaseInsensitive) == 0;
    }

    void Refuser(std::size_t Ligne, const std::string& Raison, long Volume = 0) {
        Ecole.Rapport.Refuser("ligne " + std::to_string(Ligne) + " : " + Raison + ".", Volume);
    }

    void Traiter(const TEnregistrementCsv& e) {
        if (e.TropLong)
            return Refuser(e.Ligne, "ligne trop longue (plus de " +
                                        std::to_string(LongueurMaxEnregistrement) + " octets)");
        if (e.Malforme)
            return Refuser(e.Ligne, "guillemets mal placés");
        std::vector<std::string> Champs;
        for (const std::string& c : e.Champs)
            Champs.push_back(Rogne(c));
        while (Champs.size() > 5 && Champs.back().empty())
            Champs.pop_back();
        if (Champs.size() != 5)
            return Refuser(e.Ligne, "5 champs attendus (classe;serie;matiere;volume;professeur), " +
                                        std::to_string(Champs.size()) + " lus");
        const std::uint16_t Volume = VolumeLu(Champs[3]);
        TService s;
        const char* Quoi[] = {"classe", "série", "matière"};
        std::string* Noms[] = {&s.Classe, &s.Serie, &s.Matiere, &s.Prof};
        for (int k = 0; k < 5; ++k) {
            if (k == 3 || (k == 4 && Champs[4].empty()))
                continue;
            const std::string Raison = NomImporte(Champs[k], *Noms[k < 3 ? k : 3]);
            if (!Raison.empty())
                return Refuser(
                    e.Ligne, std::string(k < 3 ? Quoi[k] : "professeur") + " : " + Raison, Volume);
        }
        if (Volume == 0)
            return Refuser(e.Ligne,
                           "volume illisible « " + Extrait(Champs[3]) +
                               " » (HHhMM ou nombre de quarts d'heure, une semaine au plus)");
        Accepter(e.Ligne, s, Volume);
    }

    void Accepter(std::size_t Ligne, TService& s, std::uint16_t Volume) {
        s.Volume = Volume;
        const auto Classe = Vus.SerieDeClasse.find(s.Classe);
        if (Classe != Vus.SerieDeClasse.end() && Classe->second.first != s.Serie)
            return Refuser(Ligne,
                           "la classe " + Utf8(s.Classe) + " est de la série " +
                               Utf8(Classe->second.first) + " (ligne " +
                               std::to_string(Classe->second.second) + ")",
                           Volume);
        const auto Double = Vus.MatiereDeClasse.find({s.Classe, s.Matiere});
        if (Double != Vus.MatiereDeClasse.end())
            return Refuser(Ligne,
                           Utf8(s.Matiere) + " de " + Utf8(s.Classe) + " est déjà donnée (ligne " +
                               std::to_string(Double->second) + ")",
                           Volume);
        const auto Prof = Vus.MatiereDeProf.find(s.Prof);
        if (!s.Prof.empty() && Prof != Vus.MatiereDeProf.end() && Prof->second.first != s.Matiere)
            return Refuser(Ligne,
                           Utf8(s.Prof) + " enseigne déjà " + Utf8(Prof->second.first) +
                               " (ligne " + std::to_string(Prof->second.second) +
                               ") : un professeur n'enseigne qu'une matière",
                           Volume);
        const auto Serie = Vus.VolumeDeSerie.find({s.Serie, s.Matiere});
        if (Serie != Vus.VolumeDeSerie.end() && Serie->second.first != Volume)
            return Refuser(Ligne,
                           "la série " + Utf8(s.Serie) + " a " + Utf8(s.Matiere) + " en " +
                               Quarts(Serie->second.first) + " (ligne " +
                               std::to_string(Serie->second.second) + "), pas en " + Quarts(Volume),
                           Volume);
        if (Trop(Vus.SerieDeClasse, s.Classe) || Trop(Vus.Series, s.Serie) ||
            (!s.Prof.empty() && Trop(Vus.Profs, s.Prof)))
            return Refuser(Ligne, "trop de classes, de séries ou de professeurs (32767 au plus)",
                           Volume);
        Vus.SerieDeClasse.emplace(s.Classe, std::pair{s.Serie, Ligne});
        Vus.MatiereDeClasse.emplace(std::pair{s.Classe, s.Matiere}, Ligne);
        if (!s.Prof.empty()) {
            Vus.MatiereDeProf.emplace(s.Prof, std::pair{s.Matiere, Ligne});
            Vus.Profs.insert(s.Prof);
        }
        Vus.VolumeDeSerie.emplace(std::pair{s.Serie, s.Matiere}, std::pair{Volume, Ligne});
        Vus.Series.insert(s.Serie);
        Ecole.Services.push_back(std::move(s));
        ++Ecole.Rapport.Importees;
    }

    template <class T> static bool Trop(const T& Deja, const std::string& Nom) {
        return Deja.size() >= ElementsMax && !Deja.count(Nom);
    }

    // A class takes every subject of its series: one its lines did not give has no teacher.
    void SignalerManques() {
        for (const auto& [Classe, Serie] : Vus.SerieDeClasse)
            for (const auto& [Cle, Volume] : Vus.VolumeDeSerie)
                if (Cle.first == Serie.first && !Vus.MatiereDeClasse.count({Classe, Cle.second}))
                    Ecole.Rapport.Signaler(Utf8(Classe) + " n'a pas de ligne pour " +
                                           Utf8(Cle.second) + " de sa série " + Utf8(Cle.first) +
                                           " : elle l'aura sans professeur.");
    }

    TEcoleImportee Ecole;
    TDejaVu Vus;
};

} // namespace

std::uint16_t VolumeLu(const std::string& Texte) {
    const QString t = QString::fromStdString(Texte);
    if (t.isEmpty())
        return 0;
    int Volume = 0;
    bool Lu = false;
    if (const qsizetype h = t.indexOf(QLatin1Char('h')); h > 0) {
        const int Heures = t.left(h).toInt(&Lu);
        bool MinutesLues = false;
        const int Minutes = t.mid(h + 1).toInt(&MinutesLues);
        Lu = Lu && MinutesLues && t.size() - h == 3 && Minutes % 15 == 0 && Minutes < 60 &&
             Heures >= 0 && t.at(0).isDigit();
        Volume = Lu ? Heures * 4 + Minutes / 15 : 0;
    } else {
        Volume = t.toInt(&Lu);
        Lu = Lu && t.at(0).isDigit();
    }
    return Lu && Volume > 0 && Volume <= VolumeMax ? static_cast<std::uint16_t>(Volume) : 0;
}

TEcoleImportee LireServicesCsv(std::string_view Octets) {
    return TLectureServices().Lire(Octets);
}
