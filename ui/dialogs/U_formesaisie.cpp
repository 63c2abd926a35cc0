#include "U_formesaisie.h"

#include "model/U_base.h"
#include "model/U_messages.h"
#include "model/U_texte.h"
#include "ui/main/U_centrage.h"
#include "ui/main/U_listes.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_rubriques.h"
#include "ui/main/U_texteqt.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class TFiltreFrappe final : public QObject {
public:
    TFiltreFrappe(QObject* Parent, std::function<void()> Frappe)
        : QObject(Parent), Frappe(std::move(Frappe)) {}

protected:
    // Keys that type something, Backspace and Enter included; not the arrows, nor Tab,
    // which leaves the box.
    bool eventFilter(QObject*, QEvent* Evenement) override {
        if (Evenement->type() != QEvent::KeyPress)
            return false;
        const auto* Touche = static_cast<QKeyEvent*>(Evenement);
        if (!Touche->text().isEmpty() && Touche->key() != Qt::Key_Tab &&
            Touche->key() != Qt::Key_Backtab)
            Frappe();
        return false;
    }

private:
    std::function<void()> Frappe;
};

} // namespace

void PreparerFormeSaisie(QDialog& Forme, int Rubrique) {
    Forme.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    Forme.setFixedSize(Forme.size());
    FixerRubrique(&Forme, Rubrique);
    QObject::connect(&Forme, &QDialog::finished, &Forme, [] {
        if (FTable)
            FTable->RafraichirVues();
    });
    CentrerSurEcran(&Forme);
}

void PreparerBoiteNom(QComboBox& Boite, std::function<void()> Frappe) {
    Boite.setEditable(true);
    Boite.setInsertPolicy(QComboBox::NoInsert);
    Boite.setCompleter(nullptr);
    LimiterAnsi(*Boite.lineEdit());
    Boite.installEventFilter(new TFiltreFrappe(&Boite, std::move(Frappe)));
}

std::string NomSaisi(const QComboBox& Boite) {
    const QString Texte = Boite.currentText();
    // The entry picked first: a look-alike listed before it shows the very same text.
    const int Choisi = Boite.currentIndex();
    if (Choisi >= 0 && Boite.itemText(Choisi) == Texte)
        return Boite.itemData(Choisi).toByteArray().toStdString();
    for (int i = 0; i < Boite.count(); ++i)
        if (Boite.itemText(i) == Texte)
            return Boite.itemData(i).toByteArray().toStdString();
    return VersAnsi(Texte);
}

void AfficherNom(QComboBox& Boite, const std::string& Nom) {
    const int i = Boite.findData(QByteArray::fromStdString(Nom));
    if (i >= 0)
        Boite.setCurrentIndex(i);
    else
        Boite.setEditText(VersQt(Nom));
}

bool NomDonne(const std::string& Nom, const char* Quoi) {
    if (!NomBlanc(Nom))
        return true;
    Messages().Erreur(Ansi(std::string("Veuillez indiquer le nom ") + Quoi));
    return false;
}

void RemplirBoiteNom(QComboBox& Boite, const TLesBases& Collection, bool GarderTexte) {
    const QString Texte = GarderTexte ? Boite.currentText() : QString();
    const std::string Nom = GarderTexte ? NomSaisi(Boite) : std::string();
    RemplirListe(Boite, Collection);
    Boite.setCurrentIndex(Nom.empty() ? -1 : Boite.findData(QByteArray::fromStdString(Nom)));
    Boite.setEditText(Texte);
}

void RefuserHeure(const QString& Texte) {
    Messages().Erreur(VersAnsi(QStringLiteral("« %1 » n'est pas une durée : tapez HHhMM, au quart "
                                              "d'heure, de 00h00 à 24h00. La valeur précédente "
                                              "est gardée.")
                                   .arg(Texte)));
}
