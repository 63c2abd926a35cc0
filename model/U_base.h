#pragma once
// Named entities and the owning collections that hold them.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The lines records are written to and read from. A list read from a text cuts its lines one
// at a time, as the records reach them: reading costs what the records hold, never what the
// text's line ends count.
class TLignes : public std::vector<std::string> {
public:
    using std::vector<std::string>::vector;
    // Lines cut in order from Texte, which must outlive the list: CR LF, a lone CR or a lone
    // LF ends a line, a NUL ends the text, and a line keeps its first 255 bytes.
    static TLignes Lues(std::string_view Texte);
    // The line at Position; false past the last one. A list read from a text is read in order,
    // the line last read again included (a look at a section's heading).
    bool Ligne(std::size_t Position, std::string& Texte) const;

private:
    bool DuTexte = false;
    mutable std::string_view Reste;  // the text not cut yet
    mutable std::size_t Coupees = 0; // lines cut so far
    mutable std::string Derniere;    // the last one
};

// A line list ended early or holding a non-number where a number belongs.
class ELectureArchive : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string LireLigne(const TLignes& Lignes, std::size_t& Position);
std::int32_t LireEntier(const TLignes& Lignes, std::size_t& Position);
// Decimal as the program converts it everywhere: leading blanks, an optional sign, then
// digits only, within 32 bits.
bool TexteEntier(const std::string& Texte, std::int32_t& Valeur);
// A name of blanks only, or none: the forms refuse it. An empty one is what a free cell
// holds, so no collection ever stores it.
bool NomBlanc(const std::string& Nom);

class TBase {
public:
    explicit TBase(std::string Nom) : Nom(std::move(Nom)) {}
    virtual ~TBase() = default;
    TBase(const TBase&) = delete;
    TBase& operator=(const TBase&) = delete;

    virtual void Sauver(TLignes& Lignes) const;
    virtual void Charger(const TLignes& Lignes, std::size_t& Position) = 0;

    std::string Nom;
};

class TLesBases {
public:
    TLesBases() = default;
    virtual ~TLesBases();
    TLesBases(const TLesBases&) = delete;
    TLesBases& operator=(const TLesBases&) = delete;

    std::uint16_t Nombre() const { return static_cast<std::uint16_t>(Elements.size()); }
    std::int16_t Indice(const std::string& Nom) const;
    TBase* Trouver(const std::string& Nom) const;
    std::string NomNumero(std::size_t N) const;
    bool Existe(const std::string& Nom) const { return Indice(Nom) != -1; }
    // Stores the element unless its name is empty or taken; returns what was stored, else
    // nullptr.
    TBase* Ajouter(std::unique_ptr<TBase> Element);
    virtual void Supprimer(const std::string& Nom);
    void Vider();

    virtual void Sauver(TLignes& Lignes) const;
    void Charger(const TLignes& Lignes, std::size_t& Position);
    virtual void ChargerElement(const TLignes& Lignes, std::size_t& Position) = 0;

protected:
    TBase* Element(std::size_t Indice) const { return Elements[Indice].get(); }

private:
    std::vector<std::unique_ptr<TBase>> Elements;
};

// A collection whose elements are all of one class.
template <class T, class Base = TLesBases> class TLesBasesDe : public Base {
public:
    T* Trouver(const std::string& Nom) const { return static_cast<T*>(Base::Trouver(Nom)); }
    // 1-based, as callers walk collections.
    T* Numero(std::size_t N) const {
        return N >= 1 && N <= this->Nombre() ? static_cast<T*>(this->Element(N - 1)) : nullptr;
    }
};

// Destroys a global collection after clearing its reference, so that the destructors
// of its elements, which consult the other collections, never reach it half-destroyed.
template <class T> void DetruireGlobal(T*& Global) {
    T* Ancien = Global;
    Global = nullptr;
    delete Ancien;
}
