#pragma once
// Days and quarter-hour slots, and their French texts.
#include <cstdint>
#include <string>

using TJour = std::uint8_t;  // 0 = Lundi .. 5 = Samedi
using TQuart = std::uint8_t; // quarter-hour of the day counted from 00h00

constexpr TQuart QuartDebutGrille = 32; // 08h00, first slot a course may hold
constexpr TQuart QuartFinGrille = 80;   // 20h00, always empty in every grid
constexpr TJour NombreJours = 6;

std::string NomJour(TJour Jour);
TJour NumeroJour(const std::string& Texte);
std::string TexteHeure(TQuart Quart);
TQuart HeureTexte(const std::string& Texte);
// Whether the text is exactly the time text of a slot (no snapping, no wrapping), and which.
bool HeureExacte(const std::string& Texte, TQuart& Quart);
