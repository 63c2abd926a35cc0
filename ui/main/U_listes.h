#pragma once
// The class and teacher lists: sorted texts, each item keeping its name's exact bytes.
#include <string>

class QComboBox;
class TLesBases;

// The selected name; empty when nothing is selected.
std::string TexteListe(const QComboBox& Liste);
// Selects the first item equal to the name, else the first item (none in an empty list).
void SelectionnerNom(QComboBox& Liste, const std::string& Nom);
// Every name of the collection, sorted as a user expects: letters first, then case and
// accents.
void RemplirListe(QComboBox& Liste, const TLesBases& Collection);
