#include "exchange/U_calendrier.h"

#include "model/U_texte.h"

#include <cstdint>
#include <cstdio>

namespace {

const char* const FuseauParis = "BEGIN:VTIMEZONE\r\n"
                                "TZID:Europe/Paris\r\n"
                                "BEGIN:DAYLIGHT\r\n"
                                "TZOFFSETFROM:+0100\r\n"
                                "TZOFFSETTO:+0200\r\n"
                                "TZNAME:CEST\r\n"
                                "DTSTART:19700329T020000\r\n"
                                "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
                                "END:DAYLIGHT\r\n"
                                "BEGIN:STANDARD\r\n"
                                "TZOFFSETFROM:+0200\r\n"
                                "TZOFFSETTO:+0100\r\n"
                                "TZNAME:CET\r\n"
                                "DTSTART:19701025T030000\r\n"
                                "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
                                "END:STANDARD\r\n"
                                "END:VTIMEZONE\r\n";

std::string Date(QDate Jour) {
    return Jour.toString(QStringLiteral("yyyyMMdd")).toStdString();
}

std::string DateHeure(QDate Jour, TQuart Quart) {
    char Heure[8];
    std::snprintf(Heure, sizeof Heure, "T%02d%02d00", Quart / 4, Quart % 4 * 15);
    return Date(Jour) + Heure;
}

QDate DernierDimanche(int Annee, int Mois) {
    const QDate Fin(Annee, Mois, QDate(Annee, Mois, 1).daysInMonth());
    return Fin.addDays(-(Fin.dayOfWeek() % 7));
}

// The UTC moment of the period's last second in Paris: summer time (UTC+2) from the last
// Sunday of March to the day before the last Sunday of October.
std::string FinUtc(QDate Au) {
    const bool Ete = Au >= DernierDimanche(Au.year(), 3) && Au < DernierDimanche(Au.year(), 10);
    return Date(Au) + (Ete ? "T215959Z" : "T225959Z");
}

// FNV-1a: the same course gets the same identifier on every run and every machine.
std::string Identifiant(const TCoursPublie& c) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (const char o : c.Classe + '\0' + std::to_string(c.Jour) + '\0' + std::to_string(c.Debut)) {
        h ^= static_cast<unsigned char>(o);
        h *= 0x100000001b3ull;
    }
    char Texte[17];
    std::snprintf(Texte, sizeof Texte, "%016llx", static_cast<unsigned long long>(h));
    return std::string(Texte) + "@horalo";
}

std::string Evenement(const TCoursPublie& c, bool ParClasse, const TPeriode& Periode) {
    QDate Premier = Periode.Du;
    while (Premier.dayOfWeek() != c.Jour + 1)
        Premier = Premier.addDays(1);
    if (Premier > Periode.Au)
        return {}; // its first day would count as an occurrence outside the period
    const std::string Matiere = TexteAffiche(c.Matiere);
    const std::string Partenaire = TexteAffiche(ParClasse ? c.Prof : c.Classe);
    std::string Texte = "BEGIN:VEVENT\r\n";
    for (const std::string& Ligne :
         {"UID:" + Identifiant(c), "DTSTAMP:" + Date(Periode.Du) + "T000000Z",
          "DTSTART;TZID=Europe/Paris:" + DateHeure(Premier, c.Debut),
          "DTEND;TZID=Europe/Paris:" + DateHeure(Premier, static_cast<TQuart>(c.Fin + 1)),
          "RRULE:FREQ=WEEKLY;UNTIL=" + FinUtc(Periode.Au),
          "SUMMARY:" + EchapperIcs(Partenaire.empty() ? Matiere : Matiere + " - " + Partenaire),
          "DESCRIPTION:" + EchapperIcs("Classe : " + TexteAffiche(c.Classe) + "\nMatière : " +
                                       Matiere + "\nProfesseur : " + TexteAffiche(c.Prof))})
        Texte += LigneIcs(Ligne);
    return Texte + "END:VEVENT\r\n";
}

} // namespace

TPeriode AnneeScolaire(QDate Jour) {
    const int Annee = Jour > QDate(Jour.year(), 7, 5) ? Jour.year() : Jour.year() - 1;
    return {QDate(Annee, 9, 1), QDate(Annee + 1, 7, 5)};
}

std::string EchapperIcs(const std::string& Utf8) {
    std::string Texte;
    for (const char c : Utf8) {
        if (c == '\\' || c == ';' || c == ',')
            Texte += '\\';
        Texte += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return Texte;
}

std::string LigneIcs(const std::string& Ligne) {
    std::string Texte;
    std::size_t Largeur = 0;
    for (std::size_t i = 0; i < Ligne.size();) {
        std::size_t Fin = i + 1; // the whole UTF-8 character
        while (Fin < Ligne.size() && (static_cast<unsigned char>(Ligne[Fin]) & 0xC0) == 0x80)
            ++Fin;
        if (Largeur + (Fin - i) > 75) {
            Texte += "\r\n ";
            Largeur = 1;
        }
        Texte.append(Ligne, i, Fin - i);
        Largeur += Fin - i;
        i = Fin;
    }
    return Texte + "\r\n";
}

std::string Calendrier(const std::string& Nom, const std::vector<const TCoursPublie*>& Cours,
                       bool ParClasse, const TPeriode& Periode) {
    std::string Texte = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Horalo//Horalo 1.0//FR\r\n"
                        "CALSCALE:GREGORIAN\r\n" +
                        LigneIcs("X-WR-CALNAME:" + EchapperIcs(Nom)) +
                        "X-WR-TIMEZONE:Europe/Paris\r\n" + FuseauParis;
    for (const TCoursPublie* c : Cours)
        Texte += Evenement(*c, ParClasse, Periode);
    return Texte + "END:VCALENDAR\r\n";
}
