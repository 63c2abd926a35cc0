#pragma once
// Week pictures of classes and teachers, on the clipboard or printed one a page.
#include <QImage>

#include <stdexcept>
#include <vector>

class QPrinter;
class TActeur;
class TClasse;
class TProf;

// The week picture of a class or a teacher (275 x 952).
QImage ImageSemaine(const TActeur& Acteur);

struct TPage {
    const TActeur* Acteur;
    bool PageSuivante; // a new page begins after it
};

// What the printer is told to do and cannot do.
class EErreurImpression : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The class shown, then a page break, then the teacher shown; either may be missing.
std::vector<TPage> PagesSelection(const TClasse* Classe, const TProf* Prof);
// Every class, each followed by a new page, then every teacher, a new page between them.
std::vector<TPage> PagesCompletes();
// Each picture scaled to the page's height, proportions kept, at the top left.
void ImprimerPages(QPrinter& Imprimante, const std::vector<TPage>& Pages);
