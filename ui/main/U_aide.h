#pragma once
// How windows ask for help without knowing the help viewer.
class IAide {
public:
    virtual ~IAide() = default;
    virtual void AfficherRubrique(int Numero) = 0; // a topic by its number
    virtual void Sommaire() = 0;
    virtual void Index() = 0;
    virtual void Rechercher() = 0;
};

// The installed help; one that does nothing when none is installed.
IAide& Aide();
// Installs an implementation (not owned); nullptr brings the silent one back.
void InstallerAide(IAide* Implementation);

// Help topics of the windows.
namespace Rubrique {
constexpr int ListeClasses = 2;
constexpr int APropos = 11;
constexpr int FenetrePrincipale = 20;
constexpr int Series = 22;
constexpr int Classes = 23;
constexpr int Profs = 24;
constexpr int PlacementCours = 25;
constexpr int Duree = 26;
constexpr int Options = 27;
constexpr int ChoixClasse = 28;
constexpr int Disponibilites = 29;
constexpr int BlocCours = 30;
constexpr int QuiEstLibre = 37;
constexpr int NonPlacees = 36;
constexpr int Assistant = 50;
} // namespace Rubrique
