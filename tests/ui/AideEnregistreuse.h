#pragma once
// Records the help requests of the windows instead of opening a viewer.
#include "ui/main/U_aide.h"

#include <string>
#include <vector>

class TAideEnregistreuse final : public IAide {
public:
    TAideEnregistreuse() { InstallerAide(this); }
    ~TAideEnregistreuse() override { InstallerAide(nullptr); }
    TAideEnregistreuse(const TAideEnregistreuse&) = delete;
    TAideEnregistreuse& operator=(const TAideEnregistreuse&) = delete;

    void AfficherRubrique(int Numero) override { Rubriques.push_back(Numero); }
    void Sommaire() override { Demandes.push_back("sommaire"); }
    void Index() override { Demandes.push_back("index"); }
    void Rechercher() override { Demandes.push_back("rechercher"); }

    std::vector<int> Rubriques;        // topic numbers, in order
    std::vector<std::string> Demandes; // the other commands, in order
};
