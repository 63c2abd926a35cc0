#include "U_formesaisie.h"

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
    Boite.lineEdit()->setValidator(new TValidateurAnsi(&Boite));
    Boite.installEventFilter(new TFiltreFrappe(&Boite, std::move(Frappe)));
}

std::string NomSaisi(const QComboBox& Boite) {
    const QString Texte = Boite.currentText();
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

void RemplirBoiteNom(QComboBox& Boite, const TLesBases& Collection, bool GarderTexte) {
    const QString Texte = GarderTexte ? Boite.currentText() : QString();
    RemplirListe(Boite, Collection);
    const int i = Boite.findText(Texte, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    Boite.setCurrentIndex(i);
    Boite.setEditText(Texte);
}
