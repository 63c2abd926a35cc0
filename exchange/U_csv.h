#pragma once
// CSV as spreadsheets write it (RFC 4180): fields quoted when they hold the separator, a
// quote or a line end, a quote doubled inside quotes.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct TEnregistrementCsv {
    std::size_t Ligne = 0; // the line where the record starts, from 1
    std::vector<std::string> Champs;
    bool Malforme = false; // a quote left open, or text after a closing quote
    bool TropLong = false; // longer than LongueurMaxEnregistrement: fields left empty
};

constexpr std::size_t LongueurMaxEnregistrement = 4096;

// ';' unless the first line holds more commas than semicolons outside quotes.
char SeparateurCsv(std::string_view Texte);
// The records of the text; blank lines give none.
std::vector<TEnregistrementCsv> LireCsv(std::string_view Texte, char Separateur);
// One field, quoted when it must be.
std::string ChampCsv(std::string_view Texte, char Separateur = ';');
// One record and its CR LF.
std::string LigneCsv(const std::vector<std::string>& Champs, char Separateur = ';');
