#include "model/U_texte.h"

#include <array>
#include <cstdint>

namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined.
constexpr std::array<char32_t, 32> Zone80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char32_t Invalide = 0x110000;

// The byte for a code point, or -1 when Windows-1252 has none.
int OctetAnsi(char32_t c) {
    if (c == Invalide)
        return -1;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (std::size_t i = 0; i < Zone80.size(); ++i)
        if (Zone80[i] != 0 && Zone80[i] == c)
            return static_cast<int>(0x80 + i);
    return -1;
}

// Decodes one UTF-8 sequence at i; a malformed one yields Invalide and moves one byte on.
char32_t LireUtf8(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int Suite = b < 0x80    ? 0
                      : b >= 0xF8 ? -1
                      : b >= 0xF0 ? 3
                      : b >= 0xE0 ? 2
                      : b >= 0xC0 ? 1
                                  : -1;
    if (Suite < 0 || i + Suite >= s.size()) {
        ++i;
        return Invalide;
    }
    char32_t c = Suite == 0 ? b : (b & (0x3F >> Suite));
    for (int k = 1; k <= Suite; ++k) {
        const auto n = static_cast<unsigned char>(s[i + k]);
        if ((n & 0xC0) != 0x80) {
            ++i;
            return Invalide;
        }
        c = (c << 6) | (n & 0x3F);
    }
    i += Suite + 1;
    return c;
}

void EcrireUtf8(char32_t c, std::string& Sortie) {
    if (c < 0x80) {
        Sortie += static_cast<char>(c);
    } else if (c < 0x800) {
        Sortie += static_cast<char>(0xC0 | (c >> 6));
        Sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        Sortie += static_cast<char>(0xE0 | (c >> 12));
        Sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        Sortie += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string Ansi(std::string_view Texte) {
    std::string Sortie;
    Sortie.reserve(Texte.size());
    for (std::size_t i = 0; i < Texte.size();) {
        const int o = OctetAnsi(LireUtf8(Texte, i));
        Sortie += o < 0 ? '?' : static_cast<char>(o);
    }
    return Sortie;
}

std::string Utf8(std::string_view Texte) {
    std::string Sortie;
    Sortie.reserve(Texte.size() + Texte.size() / 4);
    for (const char Octet : Texte) {
        const auto b = static_cast<unsigned char>(Octet);
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0)
            c = Zone80[b - 0x80] ? Zone80[b - 0x80] : 0xFFFD;
        EcrireUtf8(c, Sortie);
    }
    return Sortie;
}

bool RepresentableEnAnsi(std::string_view Texte) {
    for (std::size_t i = 0; i < Texte.size();) {
        if (OctetAnsi(LireUtf8(Texte, i)) < 0)
            return false;
    }
    return true;
}
