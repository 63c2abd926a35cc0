#pragma once
// File names made from names: ASCII letters, digits and hyphens only, so no name can leave
// the folder or trouble a file system; two names never share one.
#include <map>
#include <string>

// "Mme Lévêque/2" gives "Mme-Leveque-2"; at most 60 characters, never empty.
std::string NomDeFichier(const std::string& Ansi);

// The pages of a publication: each class and teacher's file name, extension left out.
struct TAnnuaire {
    std::map<std::string, std::string> Classes, Profs;
};

// Classes then teachers in the collections' order; a name taken already gets "-2", "-3"...
TAnnuaire AnnuaireDuModele();
