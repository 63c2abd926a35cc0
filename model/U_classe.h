#pragma once
// Classes: a group of pupils of one series, with its weekly timetable of subjects.
#include "model/U_acteur.h"
#include "model/U_profmatiere.h"

class TSerie;

class TClasse : public TActeur {
public:
    TClasse(std::string Nom, const std::string& NomSerie);
    ~TClasse() override;
    void Sauver(TLignes& Lignes) const override;
    void Charger(const TLignes& Lignes, std::size_t& Position) override;
    void PlacerPlage(TJour Jour, TQuart Debut, TQuart Fin, const std::string& Nom) override;
    void AfficherBlocs(bool Visible) override;
    bool PlageLibre(const std::string& Nom, TJour Jour, TQuart Debut, TQuart Fin) const override;
    void Dessiner(ICanevas& Image) const override;

    bool FixerSerie(const std::string& NomSerie);
    std::string ProfDe(const std::string& Matiere) const;
    void AssocierProf(const std::string& Matiere, const std::string& NomProf);
    // A course's lock: the class's run that starts at Debut; its teacher's twin follows it.
    // Locking a cell that starts no run does nothing; removing the run drops its lock.
    bool Verrouillee(TJour Jour, TQuart Debut) const;
    void Verrouiller(TJour Jour, TQuart Debut, bool Verrou);
    // The course starting there covers an interdit cell of the class or of its teacher (the
    // cell became interdit after the course was placed).
    bool EnConflit(TJour Jour, TQuart Debut) const;
    std::size_t CoursEnConflit() const;

    TSerie* Serie = nullptr;
    std::unique_ptr<TLesProfMatieres> Matieres;

private:
    bool DebutDePlage(TJour Jour, TQuart Quart) const;
    void SauverPlages(TLignes& Lignes) const;
    TProf* ProfExistant(const std::string& Matiere) const;
};

class TLesClasses : public TLesBasesDe<TClasse, TLesActeurs> {
public:
    TClasse* AjouterClasse(const std::string& Nom, const std::string& NomSerie);
    // The class goes with its courses, and from every teacher's list.
    void Supprimer(const std::string& Nom) override;
    void ChargerElement(const TLignes& Lignes, std::size_t& Position) override;
};

extern TLesClasses* LesClasses;
