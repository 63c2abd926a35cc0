#pragma once
// A canvas that writes down every drawing call, for checking coordinates.
#include "model/U_canevas.h"

#include <string>
#include <vector>

struct TTrace {
    std::string Quoi; // "taille", "police", "ligne", "rectangle", "cadre", "texte"
    int a = 0, b = 0, c = 0, d = 0;
    std::string Texte;
    TCouleur Fond = Blanc; // the fill in force when the call was made; a frame's colour
};

class TCanevasEnregistreur final : public ICanevas {
public:
    void FixerTaille(int L, int H) override { Ajouter("taille", L, H); }
    void FixerPolice(const std::string& Nom, int H) override { Ajouter("police", H, 0, 0, 0, Nom); }
    void FixerFond(TCouleur Couleur) override { Fond = Couleur; }
    void Ligne(int x1, int y1, int x2, int y2) override { Ajouter("ligne", x1, y1, x2, y2); }
    void Rectangle(int g, int h, int d, int b) override { Ajouter("rectangle", g, h, d, b); }
    void Cadre(int g, int h, int d, int b, TCouleur Couleur) override {
        Ajouter("cadre", g, h, d, b);
        Traces.back().Fond = Couleur;
    }
    void Texte(int x, int y, const std::string& t) override { Ajouter("texte", x, y, 0, 0, t); }

    std::vector<TTrace> Filtrer(const std::string& Quoi) const;
    const TTrace* TexteEcrit(const std::string& Texte) const;

    std::vector<TTrace> Traces;

private:
    void Ajouter(const char* Quoi, int a, int b, int c = 0, int d = 0, std::string t = {}) {
        Traces.push_back({Quoi, a, b, c, d, std::move(t), Fond});
    }
    TCouleur Fond = Blanc;
};
