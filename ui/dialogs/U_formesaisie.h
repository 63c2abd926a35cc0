#pragma once
// What the data-entry forms share: their window, and the editable box where a name is
// picked from a list or typed.
#include <QDialog>

#include <functional>
#include <string>

class QComboBox;
class TLesBases;

// Fixed size, single border with the system menu and minimize box, always on top, centred,
// help topic Rubrique for the form and its controls. Its close (FormClose), however it
// comes, refreshes the main window's views.
void PreparerFormeSaisie(QDialog& Forme, int Rubrique);

// The editable name box: names as LimiterAnsi keeps them, matched exactly (no
// completion, which would change the case of a typed name), typed text never added to
// the list. Frappe runs on every key that types into the box, before the text changes.
void PreparerBoiteNom(QComboBox& Boite, std::function<void()> Frappe);
// The name shown, as the model's bytes: a listed name keeps its own, even one the
// conversion to Qt could not carry back, and the entry picked is never taken for another
// that reads the same.
std::string NomSaisi(const QComboBox& Boite);
// Shows that name: the listed entry when there is one.
void AfficherNom(QComboBox& Boite, const std::string& Nom);
// The collection's names, sorted; the box keeps the text it showed, or shows none.
// Refuses a name of blanks only (or none) with the message "Veuillez indiquer le nom "
// followed by Quoi.
bool NomDonne(const std::string& Nom, const char* Quoi);
void RemplirBoiteNom(QComboBox& Boite, const TLesBases& Collection, bool GarderTexte = true);
// Tells the user that a time typed, which does not read back exactly as typed
// (HeureExacte), is refused.
void RefuserHeure(const QString& Texte);
