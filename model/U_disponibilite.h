#pragma once
// When a class or a teacher may have courses: free, better avoided, or never.
#include "model/U_canevas.h"
#include "model/U_types.h"

#include <array>
#include <cstdint>

enum class TDispo : std::uint8_t { Libre, AEviter, Interdit };

constexpr TCouleur GrisInterdit = 0xC8C8C8; // the fill of interdit cells, on screen and paper

// One state per day and slot 32..79 (slot 80 never holds a course, so it has none).
class TGrilleDispo {
public:
    static constexpr int QuartsParJour = QuartFinGrille - QuartDebutGrille; // 48

    TDispo Lire(TJour Jour, TQuart Quart) const; // Libre outside the grid
    void Fixer(TJour Jour, TQuart Quart, TDispo Etat);
    bool Vide() const { return NonLibres == 0; }
    // Whether a cell of Debut..Fin of that day is interdit; cheap on a grid without any.
    bool Couvre(TJour Jour, TQuart Debut, TQuart Fin) const;
    bool operator==(const TGrilleDispo&) const = default;

private:
    static bool DansGrille(TJour Jour, TQuart Quart) {
        return Jour < NombreJours && Quart >= QuartDebutGrille && Quart < QuartFinGrille;
    }
    std::array<std::array<TDispo, QuartsParJour>, NombreJours> Etats{};
    // Counted as cells change, so the placement rule skips grids without interdit cells.
    int NonLibres = 0;
    int Interdits = 0;
};
