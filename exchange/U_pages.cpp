#include "exchange/U_pages.h"

#include "model/U_classe.h"
#include "model/U_prof.h"

#include <algorithm>
#include <cstdio>

namespace {

const char* const Style = R"(<style>
body{font-family:sans-serif;margin:0.5em;color:#000;background:#fff}
h1{font-size:1.3em;margin:0.2em 0}
nav,p{margin:0.3em 0}
.semaine{overflow-x:auto}
table{border-collapse:collapse;width:100%;min-width:36em;table-layout:fixed}
th,td{border:1px solid #999;padding:0 0.2em;font-size:0.8em;line-height:1.15}
thead th{background:#eee}
tbody tr{height:1.15em}
tbody td{border-top:0;border-bottom:0}
tr.heure td{border-top:1px solid #ccc}
th[scope=row]{width:3.5em;vertical-align:top;font-weight:normal;background:#f6f6f6}
td.cours{vertical-align:top;border:1px solid #333;overflow-wrap:anywhere;hyphens:auto}
td.cours a{color:inherit}
@media print{nav{display:none}.semaine{overflow:visible}table{min-width:0}
*{-webkit-print-color-adjust:exact;print-color-adjust:exact}}
</style>
)";

// $00BBGGRR as a CSS colour, and the text colour that reads on it.
std::string Fond(TCouleur c) {
    char Texte[8];
    std::snprintf(Texte, sizeof Texte, "#%02x%02x%02x", c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF);
    const unsigned Clarte = (c & 0xFF) * 299 + (c >> 8 & 0xFF) * 587 + (c >> 16 & 0xFF) * 114;
    return std::string("background:") + Texte + (Clarte >= 128000 ? ";color:#000" : ";color:#fff");
}

std::string Debut(const std::string& Titre) {
    return "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
           EchapperHtml(Titre) + "</title>\n" + Style + "</head>\n<body>\n";
}

std::string Lien(const std::string& Fichier, const std::string& Texte) {
    return "<a href=\"" + EchapperHtml(Fichier) + "\">" + EchapperHtml(Texte) + "</a>";
}

std::string Bloc(const TCoursPublie& c, bool ParClasse, const TAnnuaire& Annuaire) {
    const std::string& Partenaire = ParClasse ? c.Prof : c.Classe;
    const auto& Pages = ParClasse ? Annuaire.Profs : Annuaire.Classes;
    const auto Page = Pages.find(Partenaire);
    std::string Texte = "<td class=\"cours\" rowspan=\"" + std::to_string(c.Fin - c.Debut + 1) +
                        "\" style=\"" + Fond(ParClasse ? c.CouleurClasse : c.CouleurProf) +
                        "\"><b>" + EchapperHtml(TexteAffiche(c.Matiere)) + "</b><br>";
    if (Page != Pages.end())
        Texte += Lien(Page->second + ".html", TexteAffiche(Partenaire)) + "<br>";
    return Texte + TexteHeure(c.Debut) + " - " + TexteHeure(static_cast<TQuart>(c.Fin + 1)) +
           "</td>";
}

// One row a quarter-hour, whole hours from the first course to the last.
std::string Tableau(const std::vector<const TCoursPublie*>& Cours, bool ParClasse,
                    const TAnnuaire& Annuaire) {
    int Haut = QuartFinGrille, Bas = QuartDebutGrille;
    const TCoursPublie* Depart[NombreJours][QuartFinGrille + 1] = {};
    bool Pris[NombreJours][QuartFinGrille + 1] = {};
    for (const TCoursPublie* c : Cours) {
        if (std::any_of(Pris[c->Jour] + c->Debut, Pris[c->Jour] + c->Fin + 1,
                        [](bool p) { return p; }))
            continue; // only a damaged file overlaps two courses of one actor
        Depart[c->Jour][c->Debut] = c;
        std::fill(Pris[c->Jour] + c->Debut, Pris[c->Jour] + c->Fin + 1, true);
        Haut = std::min<int>(Haut, c->Debut / 4 * 4);
        Bas = std::max<int>(Bas, (c->Fin + 4) / 4 * 4);
    }
    std::string Texte = "<div class=\"semaine\"><table>\n<thead><tr><th scope=\"col\">Heure</th>";
    for (TJour d = 0; d < NombreJours; ++d)
        Texte += "<th scope=\"col\">" + NomJour(d) + "</th>";
    Texte += "</tr></thead>\n<tbody>\n";
    for (int s = Haut; s < Bas; ++s) {
        if (s % 4 == 0)
            Texte += "<tr class=\"heure\"><th scope=\"row\" rowspan=\"4\">" +
                     TexteHeure(static_cast<TQuart>(s)) + "</th>";
        else
            Texte += "<tr>";
        for (TJour d = 0; d < NombreJours; ++d)
            if (Depart[d][s])
                Texte += Bloc(*Depart[d][s], ParClasse, Annuaire);
            else if (!Pris[d][s])
                Texte += "<td></td>";
        Texte += "</tr>\n";
    }
    return Texte + "</tbody>\n</table></div>\n";
}

} // namespace

std::string EchapperHtml(const std::string& Utf8) {
    std::string Texte;
    Texte.reserve(Utf8.size());
    for (const char c : Utf8)
        switch (c) {
        case '&':
            Texte += "&amp;";
            break;
        case '<':
            Texte += "&lt;";
            break;
        case '>':
            Texte += "&gt;";
            break;
        case '"':
            Texte += "&quot;";
            break;
        case '\'':
            Texte += "&#39;";
            break;
        default:
            Texte += c;
        }
    return Texte;
}

std::string PageSemaine(const TEntetePage& Entete, const std::vector<const TCoursPublie*>& Cours,
                        bool ParClasse, const TAnnuaire& Annuaire) {
    std::string Texte =
        Debut(Entete.Titre) + "<nav>" + Lien("index.html", "Tous les emplois du temps") + " | " +
        Lien(Entete.Fichier + ".ics", "Calendrier (iCalendar)") + "</nav>\n<h1>" +
        EchapperHtml(Entete.Titre) + "</h1>\n<p>" + EchapperHtml(Entete.SousTitre) + "</p>\n";
    Texte += Cours.empty() ? std::string("<p>Aucun cours placé.</p>\n")
                           : Tableau(Cours, ParClasse, Annuaire);
    return Texte + "</body>\n</html>\n";
}

std::string PageIndex(const TAnnuaire& Annuaire, const std::string& Periode) {
    std::string Texte = Debut("Emplois du temps") + "<h1>Emplois du temps</h1>\n<p>" +
                        Lien("emploi-du-temps.csv", "Tous les cours (CSV)") + " ; calendriers " +
                        EchapperHtml(Periode) + ".</p>\n<h2>Classes</h2>\n<ul>\n";
    for (std::size_t n = 1; LesClasses && n <= LesClasses->Nombre(); ++n) {
        const TClasse& c = *LesClasses->Numero(n);
        const std::string& Fichier = Annuaire.Classes.at(c.Nom);
        Texte += "<li>" + Lien(Fichier + ".html", TexteAffiche(c.Nom)) + " (" +
                 Lien(Fichier + ".ics", "calendrier") + ")</li>\n";
    }
    Texte += "</ul>\n<h2>Professeurs</h2>\n<ul>\n";
    for (std::size_t n = 1; LesProfs && n <= LesProfs->Nombre(); ++n) {
        const TProf& p = *LesProfs->Numero(n);
        const std::string& Fichier = Annuaire.Profs.at(p.Nom);
        Texte += "<li>" + Lien(Fichier + ".html", TexteAffiche(p.Nom)) + ", " +
                 EchapperHtml(TexteAffiche(p.Matiere)) + " (" +
                 Lien(Fichier + ".ics", "calendrier") + ")</li>\n";
    }
    return Texte + "</ul>\n</body>\n</html>\n";
}
