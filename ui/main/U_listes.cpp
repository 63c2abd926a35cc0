#include "ui/main/U_listes.h"

#include "model/U_base.h"
#include "ui/main/U_texteqt.h"

#include <QComboBox>

#include <algorithm>
#include <vector>

namespace {

QString CleDeTri(const QString& Texte) {
    QString Cle = Texte.normalized(QString::NormalizationForm_D);
    Cle.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return Cle.toCaseFolded();
}

} // namespace

std::string TexteListe(const QComboBox& Liste) {
    return Liste.currentIndex() < 0 ? std::string()
                                    : Liste.currentData().toByteArray().toStdString();
}

void SelectionnerNom(QComboBox& Liste, const std::string& Nom) {
    const int i = Liste.findData(QByteArray::fromStdString(Nom));
    Liste.setCurrentIndex(i >= 0 ? i : (Liste.count() > 0 ? 0 : -1));
}

void RemplirListe(QComboBox& Liste, const TLesBases& Collection) {
    struct TEntree {
        QString Cle, Texte;
        std::string Nom;
    };
    std::vector<TEntree> Entrees;
    Entrees.reserve(Collection.Nombre());
    for (std::size_t n = 1; n <= Collection.Nombre(); ++n) {
        std::string Nom = Collection.NomNumero(n);
        QString Texte = VersQt(Nom);
        Entrees.push_back({CleDeTri(Texte), std::move(Texte), std::move(Nom)});
    }
    std::stable_sort(Entrees.begin(), Entrees.end(), [](const TEntree& a, const TEntree& b) {
        return a.Cle != b.Cle ? a.Cle < b.Cle : a.Texte < b.Texte;
    });
    Liste.clear();
    for (const TEntree& e : Entrees)
        Liste.addItem(e.Texte, QByteArray::fromStdString(e.Nom));
}
