#pragma once
// What the storage tests share: a window that records what storage asks of it, a
// scratch folder, and a description of the whole model to compare two states.
#include "scheduling/U_automate.h"
#include "storage/U_fenetre.h"
#include "storage/U_fichier.h"
#include "tests/support/ModeleDeTest.h"

#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

class TFenetreFactice final : public IFenetre {
public:
    void RafraichirVues() override { Appels.push_back("RafraichirVues"); }
    void ViderAffichage() override { Appels.push_back("ViderAffichage"); }
    std::string ClasseAffichee() const override { return Classe; }
    std::string ProfAffiche() const override { return Prof; }
    void RetablirAffichage(const std::string& C, const std::string& P) override {
        Appels.push_back("RetablirAffichage " + C + " " + P);
    }

    std::string Classe, Prof;
    std::vector<std::string> Appels;
};

class StockageTest : public ModeleTest {
protected:
    StockageTest();
    ~StockageTest() override;

    std::string Chemin(const std::string& Nom) const; // inside the scratch folder
    // Every series, teacher, class, pair, grid cell, block start and setting, in order.
    static std::vector<std::string> Decrire();
    // Two series, four teachers (one without class), three classes (one empty), a pair
    // without teacher, touching runs, a run ending at 19h45, a colour with the top bit.
    void ConstruireEcoleRiche();
    // The messages shown when reading failed.
    std::vector<std::string> EchecOuverture(const std::string& Fichier) const;
    bool ModeleVide() const;

    QTemporaryDir Brouillon;
    TFenetreFactice Fenetre_;
    std::unique_ptr<TSauveur> Sauveur_;
};

std::string LireOctets(const std::string& Chemin);
void EcrireOctets(const std::string& Chemin, const std::string& Octets);
// Lines joined with the given end, the last one included.
std::string Joindre(const std::vector<std::string>& Lignes, const std::string& Fin = "\r\n");
std::string Exemple(); // the bytes of examples/petit.edt
