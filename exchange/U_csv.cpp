#include "exchange/U_csv.h"

char SeparateurCsv(std::string_view Texte) {
    long PointsVirgules = 0, Virgules = 0;
    bool Guillemets = false;
    for (const char c : Texte) {
        if (c == '"')
            Guillemets = !Guillemets;
        else if (!Guillemets && (c == '\n' || c == '\r'))
            break;
        else if (!Guillemets)
            (c == ';' ? PointsVirgules : Virgules) += c == ';' || c == ',';
    }
    return Virgules > PointsVirgules ? ',' : ';';
}

namespace {

// Reads records one character at a time; a record past the limit keeps scanning, to find
// its end, but stores nothing more.
class TLecteurCsv {
public:
    TLecteurCsv(std::string_view Texte, char Separateur) : Texte(Texte), Separateur(Separateur) {}

    std::vector<TEnregistrementCsv> Lire() {
        while (i < Texte.size()) {
            Courant = TEnregistrementCsv{Ligne, {std::string()}, false, false};
            Taille = 0;
            LireEnregistrement();
            const bool Vide = Courant.Champs.size() == 1 && Courant.Champs[0].empty() &&
                              !Courant.Malforme && !Courant.TropLong;
            if (!Vide)
                Resultat.push_back(std::move(Courant));
        }
        return std::move(Resultat);
    }

private:
    void Ajouter(char c) {
        if (++Taille > LongueurMaxEnregistrement) {
            if (!Courant.TropLong)
                Courant.Champs.assign(Courant.Champs.size(), std::string());
            Courant.TropLong = true;
            return;
        }
        Courant.Champs.back() += c;
    }
    // True at the record's end, the line end consumed.
    bool FinDeLigne() {
        if (Texte[i] != '\r' && Texte[i] != '\n')
            return false;
        i += Texte[i] == '\r' && i + 1 < Texte.size() && Texte[i + 1] == '\n' ? 2 : 1;
        ++Ligne;
        return true;
    }
    void LireEnregistrement() {
        bool Guillemets = false, Ferme = false;
        while (i < Texte.size()) {
            const char c = Texte[i];
            if (Guillemets) {
                if (c == '"' && i + 1 < Texte.size() && Texte[i + 1] == '"') {
                    Ajouter('"');
                    i += 2;
                } else if (c == '"') {
                    Guillemets = false;
                    Ferme = true;
                    ++i;
                } else {
                    Ligne += c == '\n';
                    Ajouter(c);
                    ++i;
                }
            } else if (FinDeLigne()) {
                return;
            } else if (c == Separateur) {
                Courant.Champs.emplace_back();
                Ferme = false;
                ++i;
            } else if (c == '"' && Courant.Champs.back().empty() && !Ferme) {
                Guillemets = true;
                ++i;
            } else {
                Courant.Malforme |= Ferme;
                Ajouter(c);
                ++i;
            }
        }
        Courant.Malforme |= Guillemets;
    }

    std::string_view Texte;
    char Separateur;
    std::size_t i = 0;
    std::size_t Ligne = 1;
    std::size_t Taille = 0;
    TEnregistrementCsv Courant;
    std::vector<TEnregistrementCsv> Resultat;
};

} // namespace

std::vector<TEnregistrementCsv> LireCsv(std::string_view Texte, char Separateur) {
    return TLecteurCsv(Texte, Separateur).Lire();
}

std::string ChampCsv(std::string_view Texte, char Separateur) {
    if (Texte.find_first_of(std::string{'"', '\r', '\n', Separateur}) == std::string_view::npos)
        return std::string(Texte);
    std::string Champ = "\"";
    for (const char c : Texte) {
        if (c == '"')
            Champ += '"';
        Champ += c;
    }
    return Champ + '"';
}

std::string LigneCsv(const std::vector<std::string>& Champs, char Separateur) {
    std::string Ligne;
    for (std::size_t k = 0; k < Champs.size(); ++k) {
        if (k > 0)
            Ligne += Separateur;
        Ligne += ChampCsv(Champs[k], Separateur);
    }
    return Ligne + "\r\n";
}
