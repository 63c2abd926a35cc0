// The window's one gate into the model: every command either runs whole or is refused.
#include "model/U_messages.h"
#include "storage/U_fichier.h"
#include "ui/dialogs/U_quiestlibre.h"
#include "ui/main/U_application.h"
#include "ui/main/U_dialogues.h"
#include "ui/main/U_glisser.h"
#include "ui/main/U_listes.h"
#include "ui/main/U_nonplacees.h"
#include "ui/main/U_princ.h"
#include "ui_princ.h"

#include <QDialog>

namespace {

// Restores a value when the scope ends, whatever way it ends.
template <class T> class TRetablir {
public:
    TRetablir(T& Variable, T Valeur) : Variable(Variable), Ancienne(Variable) { Variable = Valeur; }
    ~TRetablir() { Variable = Ancienne; }
    TRetablir(const TRetablir&) = delete;
    TRetablir& operator=(const TRetablir&) = delete;

private:
    T& Variable;
    T Ancienne;
};

} // namespace

bool TFTable::Occupe(const QWidget* Source) const {
    if (Glisseur->Actif() || TravailEnCours)
        return true;
    if (Modaux.empty())
        return false;
    // Only the innermost form shown modally may act, through its own controls.
    const QDialog* Forme = Modaux.back();
    return !Source || (Source != Forme && !Forme->isAncestorOf(Source));
}

bool TFTable::Commande(const std::function<void()>& Action, const QWidget* Source) {
    if (Occupe(Source)) {
        Messages().Bip();
        return false;
    }
    ExecuterProtege(Action);
    ActualiserCommandes();
    return true;
}

int TFTable::ExecuterModal(QDialog& Dialogue) {
    Modaux.push_back(&Dialogue);
    struct TRetrait {
        std::vector<const QDialog*>& Pile;
        ~TRetrait() { Pile.pop_back(); }
    } Retrait{Modaux};
    // A form blocks the window it belongs to, not the help the user reads beside it.
    Dialogue.setWindowModality(Qt::WindowModal);
    return Dialogues().ExecuterModal(Dialogue);
}

void TFTable::Travailler(const std::function<void()>& Travail) {
    const TRetablir<bool> EnCours(TravailEnCours, true);
    Travail();
}

void TFTable::ActualiserCommandes() {
    ui->Annuler1->setEnabled(Sauveur && Sauveur->PeutAnnuler());
    ui->Refaire1->setEnabled(Sauveur && Sauveur->PeutRefaire());
    if (Sauveur) // a command may have named the timetable's file, or renewed Sauveur
        Sauveur->NoterFichier(NomFichierEnregistrement);
    if (!Glisseur->Actif()) { // a course held is in neither grid: the lists wait for its drop
        if (F_quiestlibre)
            F_quiestlibre->Actualiser();
        if (F_NonPlacees)
            F_NonPlacees->Actualiser();
    }
    ActualiserQualite(); // whatever the command changed, the pane shows it
}

// A list changed by the user shows its choice; refused, it shows the actor in view again.
void TFTable::ChangerListe(QComboBox& Liste, const std::string& Legende,
                           void (TFTable::*Change)()) {
    if (!Commande([this, Change] { (this->*Change)(); }))
        SelectionnerNom(Liste, Legende);
}
