#pragma once
// The user's preferences in the registry, and the registration of the .edt file type
// with the desktop.
#include "storage/U_baseregistre.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// The main window's size as the user left it.
struct TTailleFenetre {
    std::uint32_t Largeur = 0;
    std::uint32_t Hauteur = 0;
    bool Agrandie = false;
};

class TRegistre {
public:
    // Opens "Software\Horalo" and copies the undo settings into Sauveur, when there is one.
    TRegistre();
    // Writes the undo settings of the Sauveur in place now back, then closes the key.
    ~TRegistre();
    TRegistre(const TRegistre&) = delete;
    TRegistre& operator=(const TRegistre&) = delete;

    // The folder last shown in the open or save dialog; empty when unknown.
    std::string LireDossier() const;
    // Says so to the user when the folder cannot be stored.
    void EcrireDossier(const std::string& Dossier);

    // The main window's size when it last closed; nothing when none was kept.
    std::optional<TTailleFenetre> LireFenetre() const;
    // Silently: a size that cannot be kept only costs the user a resize.
    void EcrireFenetre(const TTailleFenetre& Taille);
    // Whether the "Qualité" pane shows: it does unless the user closed it. Written silently.
    bool LireQualiteVisible() const;
    void EcrireQualiteVisible(bool Visible);

    // Declares the .edt type and a desktop entry opening it with the running program,
    // under the user's data folder, unless a package declared them for the whole system. Each
    // file that cannot be written is skipped silently.
    void AssocierExtension();
    // The same for a given program and icon file (":/horalo.png" when the window's
    // resources are linked in); an empty program leaves the desktop entry out.
    static void AssocierExtension(const QString& Programme, const QString& Icone);

    std::unique_ptr<TBaseRegistre> Cle;
};

extern TRegistre* Registre;
