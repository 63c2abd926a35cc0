#include "ui/main/U_aide.h"

namespace {

// Until a help viewer is installed (tests, tools), help requests are simply dropped.
class TAideMuette final : public IAide {
public:
    void AfficherRubrique(int) override {}
    void Sommaire() override {}
    void Index() override {}
    void Rechercher() override {}
};

TAideMuette Muette;
IAide* Installee = &Muette;

} // namespace

IAide& Aide() {
    return *Installee;
}

void InstallerAide(IAide* Implementation) {
    Installee = Implementation ? Implementation : &Muette;
}
