#pragma once
// Teachers: each teaches one subject to a list of classes.
#include "model/U_acteur.h"
#include "model/U_heures.h"

#include <vector>

class TProfMatiere;

// A row of the teacher dialog's grid: a class, and the colour of its blocks as a decimal
// integer, as typed.
struct TClasseProf {
    std::string Classe;
    std::string Couleur;
};

class TProf : public TActeur {
public:
    TProf(std::string Nom, std::string Matiere);
    ~TProf() override;
    void Sauver(TLignes& Lignes) const override;
    void Charger(const TLignes& Lignes, std::size_t& Position) override;
    void PlacerPlage(TJour Jour, TQuart Debut, TQuart Fin, const std::string& Nom) override;
    void AfficherBlocs(bool Visible) override;
    bool PlageLibre(const std::string& Nom, TJour Jour, TQuart Debut, TQuart Fin) const override;
    void Dessiner(ICanevas& Image) const override;

    // Copies the class's volume of the subject from its series (0 when the class is not
    // listed or not a class); the whole 16 bits, or the saved volume would wrap.
    std::uint16_t RafraichirVolume(const std::string& NomClasse);
    void FixerVolumeClasse(const std::string& NomClasse, std::uint16_t Volume);
    // The class list becomes the rows' classes that exist and whose series teaches the
    // subject, in order, each with the series' volume and the row's colour (white when it is
    // not an integer); each row's class is also given this teacher for the subject (which
    // may ask to replace another one). A class that leaves the list loses this teacher's
    // courses in both grids, so no course remains whose teacher no longer lists its class.
    void FixerClasses(const std::vector<TClasseProf>& Rangees);

    std::string Matiere;
    std::unique_ptr<TLesHeures> Heures;

private:
    friend class TProfMatiere;
    void RetenirLien(TProfMatiere* Lien) { Liens.push_back(Lien); }
    void OublierLien(TProfMatiere* Lien);
    void RetirerCoursDe(const std::string& NomClasse);

    // The classes' entries naming this teacher, detached when it is destroyed.
    std::vector<TProfMatiere*> Liens;
};

class TLesProfs : public TLesBasesDe<TProf, TLesActeurs> {
public:
    TProf* AjouterProf(const std::string& Nom, const std::string& Matiere);
    void ChargerElement(const TLignes& Lignes, std::size_t& Position) override;
};

extern TLesProfs* LesProfs;
