#include "model/U_messages.h"

namespace {

// Batch work and tools run without a window: nothing is shown, questions get No.
class TMessagesSilencieux final : public IMessages {
public:
    void Erreur(const std::string&) override {}
    void Message(const std::string&) override {}
    bool Confirmer(const std::string&) override { return false; }
    TReponse ConfirmerAvecAbandon(const std::string&) override { return TReponse::Non; }
    void Bip() override {}
    void TraiterEvenements() override {}
};

TMessagesSilencieux Silencieux;
IMessages* Installe = &Silencieux;

} // namespace

IMessages& Messages() {
    return *Installe;
}

void InstallerMessages(IMessages* Implementation) {
    Installe = Implementation ? Implementation : &Silencieux;
}
