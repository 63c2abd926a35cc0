#include "ui/main/U_impression.h"

#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_prof.h"
#include "model/U_texte.h"
#include "ui/main/U_canevasqt.h"
#include "ui/main/U_dialogues.h"
#include "ui/main/U_princ.h"
#include "ui_princ.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QPrinter>

QImage ImageSemaine(const TActeur& Acteur) {
    TCanevasQt ImageTravail;
    Acteur.Dessiner(ImageTravail);
    return ImageTravail.Image();
}

std::vector<TPage> PagesSelection(const TClasse* Classe, const TProf* Prof) {
    std::vector<TPage> Pages;
    if (Classe)
        Pages.push_back({Classe, true});
    if (Prof)
        Pages.push_back({Prof, false});
    return Pages;
}

std::vector<TPage> PagesCompletes() {
    std::vector<TPage> Pages;
    for (std::size_t n = 1; LesClasses && n <= LesClasses->Nombre(); ++n)
        Pages.push_back({LesClasses->Numero(n), true});
    for (std::size_t n = 1; LesProfs && n <= LesProfs->Nombre(); ++n)
        Pages.push_back({LesProfs->Numero(n), n < LesProfs->Nombre()});
    return Pages;
}

void ImprimerPages(QPrinter& Imprimante, const std::vector<TPage>& Pages) {
    QPainter Peintre;
    if (!Peintre.begin(&Imprimante))
        throw EErreurImpression("l'impression n'a pas pu commencer");
    // The grid's width less its border, by its height and the title band (275 x 952).
    constexpr int W = TGrilleVue::Largeur, H = TGrilleVue::Hauteur;
    const int PH = Imprimante.height();
    const QRect Cible(0, 0, PH * (W - 2) / (H + 37), PH);
    for (const TPage& Page : Pages) {
        // The week picture stretched onto the target, drawn rather than copied as pixels:
        // the same page, but sharp and small.
        Peintre.save();
        Peintre.setClipRect(Cible);
        Peintre.translate(Cible.topLeft());
        Peintre.scale(double(Cible.width()) / (W - 2), double(Cible.height()) / (H + 37));
        TCanevasPeintre Canevas(Peintre);
        Page.Acteur->Dessiner(Canevas);
        Peintre.restore();
        if (Page.PageSuivante && !Imprimante.newPage())
            throw EErreurImpression("la page suivante n'a pas pu commencer");
    }
    if (!Peintre.end())
        throw EErreurImpression("l'impression n'a pas pu finir");
}

// ---- The window's commands. A class or teacher deleted since it was shown names nothing:
// its side is left out.

void TFTable::CopierClasse1Click() {
    if (const TClasse* Classe = ClasseDe(*ui->CBclasse))
        QApplication::clipboard()->setImage(ImageSemaine(*Classe));
}

void TFTable::CopierProf1Click() {
    if (const TProf* Prof = ProfDe(*ui->CBprof))
        QApplication::clipboard()->setImage(ImageSemaine(*Prof));
}

QPrinter& TFTable::Imprimante() {
    if (!FImprimante)
        FImprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *FImprimante;
}

void TFTable::Imprimer1Click() {
    try {
        Imprimante().setPageOrientation(QPageLayout::Portrait);
        const auto Plage = Dialogues().Imprimer(this, Imprimante());
        if (!Plage)
            return;
        Imprimante().setDocName(windowTitle());
        ImprimerPages(Imprimante(),
                      *Plage == QAbstractPrintDialog::Selection
                          ? PagesSelection(ClasseDe(*ui->CBclasse), ProfDe(*ui->CBprof))
                          : PagesCompletes());
    } catch (const std::exception&) {
        Messages().Message(Ansi("Erreur : Vos pilotes d'imprimante ne sont peut-être pas "
                                "opérationnels"));
    }
}

void TFTable::Configurationdelimpression1Click() {
    try {
        Dialogues().ConfigurerImpression(this, Imprimante());
    } catch (const std::exception&) {
        Messages().Message(Ansi("Erreur : Vous n'avez peut-être pas installé votre imprimante"));
    }
}
