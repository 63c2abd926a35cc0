#include "scheduling/U_borne.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Every way to lay runs on the week, cell by cell: each free start takes a run of any
// length for any need, or stays empty. Only for tiny weeks.
class TForceBrute {
public:
    TForceBrute(const TRegles& R, const TActeurSeul& A) : R(R), A(A), Charge(A.Besoins.size()) {}
    long Maximum() {
        Essayer(0, PremierQuart);
        return Meilleur;
    }

private:
    void Essayer(int Jour, int Quart) {
        if (Quart > DernierQuart)
            return Jour + 1 < JoursSemaine ? Essayer(Jour + 1, PremierQuart) : Compter();
        Essayer(Jour, Quart + 1);
        const auto j = static_cast<std::size_t>(Jour);
        for (int L = 1; Quart + L - 1 <= DernierQuart; ++L) {
            if (!R.Permise(Quart, L) || (A.Occupe[j] & MasquePlage(Quart, L)) ||
                (A.Interdit[j] & MasqueCases(Quart, L)))
                continue;
            for (std::size_t t = 0; t < Charge.size(); ++t) {
                Charge[t] += L;
                Essayer(Jour, Quart + L + 1);
                Charge[t] -= L;
            }
        }
    }
    void Compter() {
        long v = 0;
        for (std::size_t t = 0; t < Charge.size(); ++t)
            v += std::min(Charge[t], A.Besoins[t]);
        Meilleur = std::max(Meilleur, v);
    }
    const TRegles& R;
    const TActeurSeul& A;
    std::vector<int> Charge;
    long Meilleur = 0;
};

} // namespace

// Small weeks of random bounds, courses, forbidden cells and needs: the exact maximum is
// what laying every possible set of runs finds.
TEST(Borne, EachActorsMaximumIsWhatEveryPossibleWeekReaches) {
    THasard h(7);
    for (int Cas = 0; Cas < 60; ++Cas) {
        // Four days closed by courses, a fifth open until 09h00; the sixth from 08h00 with
        // starts up to 09h15 at the latest.
        const int Pause = 34 + h.Tirer(6);
        const TRegles R{static_cast<std::uint8_t>(1 + h.Tirer(3)), 32,
                        static_cast<std::uint8_t>(Pause),
                        static_cast<std::uint8_t>(Pause + h.Tirer(3)),
                        static_cast<std::uint8_t>(34 + h.Tirer(4))};
        TActeurSeul A;
        for (int j = 0; j < JoursSemaine; ++j)
            A.Occupe[static_cast<std::size_t>(j)] = j == 0   ? MasquePlage(43 + h.Tirer(3), 1)
                                                    : j == 1 ? ~TMasque{0} << 4
                                                             : ~TMasque{0};
        A.Interdit[0] = TMasque{1} << h.Tirer(12);
        for (int t = 1 + h.Tirer(3); t > 0; --t)
            A.Besoins.push_back(1 + h.Tirer(7));
        SCOPED_TRACE("cas " + std::to_string(Cas));
        EXPECT_EQ(MaximumActeur(R, A), TForceBrute(R, A).Maximum());
    }
}

// Weeks where the capacity of the days alone says more than any timetable can place: one
// run a day of at most an hour, so each need of a class takes runs of its own.
TEST(Borne, EachNeedTakesItsOwnRuns) {
    const TRegles UnCoursParJour{4, 32, 48, 56, 32};
    struct TCas {
        std::vector<int> Besoins;
        long Maximum;
    } Cas[] = {
        {{1, 1, 1, 1, 1, 1, 1}, 6}, // capacity 24 and need 7: six runs only
        {{3, 3, 3, 3, 3, 3, 3, 3}, 18},
        {{12, 12}, 24},
        {{5, 5, 5}, 15},
    };
    for (const TCas& c : Cas) {
        TActeurSeul A;
        A.Besoins = c.Besoins;
        EXPECT_EQ(MaximumActeur(UnCoursParJour, A), c.Maximum) << c.Besoins.size();
    }
}
