#include "model/U_texte.h"
#include "tests/support/CanevasEnregistreur.h"
#include "tests/support/ModeleDeTest.h"

namespace {

// Counts the widgets a view would make, and which blocks are alive.
class TFabriqueComptee final : public IFabriqueBlocs {
public:
    class TVue final : public IVueBloc {
    public:
        TVue(TFabriqueComptee& f) : Fabrique(f) { ++Fabrique.Vivantes; }
        ~TVue() override { --Fabrique.Vivantes; }
        void Actualiser() override { ++Fabrique.Actualisations; }
        TFabriqueComptee& Fabrique;
    };
    std::unique_ptr<IVueBloc> CreerVue(TBloc&) override { return std::make_unique<TVue>(*this); }
    int Vivantes = 0;
    int Actualisations = 0;
};

} // namespace

class Blocs : public ModeleTest {
protected:
    Blocs() { ConstruireEcole(); }
};

TEST_F(Blocs, GeometryFollowsTheRun) {
    Placer("C1", "Maths", 0, 40, 43);
    const TBloc* b = LesClasses->Trouver("C1")->BlocDe(0, 40);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Gauche(), 41);
    EXPECT_EQ(b->Haut(), 154);
    EXPECT_EQ(b->Largeur(), 38);
    EXPECT_EQ(b->Hauteur(), 75);
    EXPECT_EQ(b->Lignes(), (std::vector<std::string>{" ", " ", "Maths"}));

    Placer("C1", "Maths", 5, 79, 79);
    const TBloc* Dernier = LesClasses->Trouver("C1")->BlocDe(5, 79);
    EXPECT_EQ(Dernier->Haut(), 19 * 47 + 2);
    EXPECT_EQ(Dernier->Gauche(), 39 * 6 + 2);
    EXPECT_EQ(Dernier->Hauteur(), 18);
    EXPECT_EQ(Dernier->Lignes(), std::vector<std::string>{"Maths"});
}

TEST_F(Blocs, BlankLinesCentreTheNameForEveryLength) {
    const int Attendus[] = {0, 0, 1, 2, 2, 3, 4, 4, 5, 5, 6, 6};
    for (int n = 1; n <= 12; ++n) {
        const auto Lignes = LignesDeBloc(40, static_cast<TQuart>(40 + n - 1), "M");
        EXPECT_EQ(static_cast<int>(Lignes.size()) - 1, Attendus[n - 1]) << n;
        EXPECT_EQ(Lignes.back(), "M");
    }
}

TEST_F(Blocs, IdentifiersNameTheViewTheActorTheDayAndTheSlot) {
    LesSeries->AjouterSerie("S6")->FixerVolume("Francais", 8);
    LesProfs->AjouterProf("Prof1", "Francais");
    TClasse* c = LesClasses->AjouterClasse(Ansi("6A"), "S6");
    c->AssocierProf("Francais", "Prof1");
    LesProfs->Trouver("Prof1")->FixerVolumeClasse("6A", 8);
    Placer("6A", "Francais", 1, 40, 41);
    Placer("6A", "Francais", 3, 40, 41);
    EXPECT_EQ(c->BlocDe(1, 40)->Identifiant(), "MC6AMardi40Francais");
    EXPECT_EQ(c->BlocDe(3, 40)->Identifiant(), "MC6AJeudi40Francais");
    EXPECT_TRUE(c->BlocDe(1, 40)->DeClasse());
    const TBloc* p = LesProfs->Trouver("Prof1")->BlocDe(1, 40);
    EXPECT_EQ(p->Identifiant(), "MPProf11406A");
    EXPECT_FALSE(p->DeClasse());
}

TEST_F(Blocs, AfficherBlocsShowsHidesAndRecolours) {
    TClasse* C1 = LesClasses->Trouver("C1");
    Placer("C1", "Maths", 0, 40, 43);
    EXPECT_FALSE(C1->BlocDe(0, 40)->Visible());
    LesSeries->Trouver("S1")->Heures->Trouver("Maths")->Couleur = 0x0000FF;
    C1->AfficherBlocs(true);
    EXPECT_TRUE(C1->BlocDe(0, 40)->Visible());
    EXPECT_EQ(C1->BlocDe(0, 40)->Couleur(), 0x0000FFu);
    Placer("C1", "Maths", 1, 40, 43);
    EXPECT_TRUE(C1->BlocDe(1, 40)->Visible()); // created while its class is shown
    C1->AfficherBlocs(false);
    EXPECT_FALSE(C1->BlocDe(1, 40)->Visible());
}

TEST_F(Blocs, ATeacherBlockWhoseClassLeftTheListKeepsItsColour) {
    TProf* P1 = LesProfs->Trouver("P1");
    P1->Heures->Trouver("C1")->Couleur = 0x00FF00;
    Placer("C1", "Maths", 0, 40, 43);
    P1->Heures->Supprimer("C1");
    P1->AfficherBlocs(true);
    EXPECT_EQ(P1->BlocDe(0, 40)->Couleur(), 0x00FF00u);
    EXPECT_TRUE(P1->BlocDe(0, 40)->Visible());
}

TEST_F(Blocs, EveryWidgetLivesExactlyAsLongAsItsBlock) {
    TFabriqueComptee Fabrique;
    PanneauClasse.Fabrique = &Fabrique;
    PanneauProf.Fabrique = &Fabrique;
    Placer("C1", "Maths", 0, 40, 43);
    Placer("C1", "Francais", 1, 40, 43);
    EXPECT_EQ(Fabrique.Vivantes, 4);
    LesClasses->Trouver("C1")->AfficherBlocs(true);
    EXPECT_EQ(Fabrique.Actualisations, 2);
    LesClasses->Trouver("C1")->PlacerPlage(0, 40, 43, "");
    LesProfs->Trouver("P1")->EffacerPlage(0, 40, true);
    EXPECT_EQ(Fabrique.Vivantes, 2);
    LesClasses->Supprimer("C1");
    EXPECT_EQ(Fabrique.Vivantes, 0);
    PanneauClasse.Fabrique = nullptr;
    PanneauProf.Fabrique = nullptr;
}

TEST_F(Blocs, PictureOfAWeekDrawsGridTimesCoursesAndTitle) {
    Placer("C1", "Maths", 0, 40, 43);
    LesClasses->Trouver("C1")->AfficherBlocs(true);
    TCanevasEnregistreur Image;
    LesClasses->Trouver("C1")->Dessiner(Image);

    ASSERT_FALSE(Image.Traces.empty());
    EXPECT_EQ(Image.Traces[0].Quoi, "taille");
    EXPECT_EQ(Image.Traces[0].a, 275);
    EXPECT_EQ(Image.Traces[0].b, 952);
    const auto Lignes = Image.Filtrer("ligne");
    ASSERT_EQ(Lignes.size(), 8u + 50u);
    EXPECT_EQ(Lignes[7].a, 273);
    EXPECT_EQ(Lignes[7].d, 952);
    EXPECT_EQ(Lignes.back().b, 20 + 19 * 49);
    EXPECT_EQ(Lignes.back().c, 274);

    ASSERT_NE(Image.TexteEcrit("Lundi"), nullptr);
    EXPECT_EQ(Image.TexteEcrit("Lundi")->a, 41);
    EXPECT_EQ(Image.TexteEcrit("Samedi")->a, 236);
    EXPECT_EQ(Image.TexteEcrit("08h00")->b, 41);
    EXPECT_EQ(Image.TexteEcrit("19h45")->b, 19 * 48 + 22);

    const auto Rectangles = Image.Filtrer("rectangle");
    ASSERT_EQ(Rectangles.size(), 1u);
    EXPECT_EQ(Rectangles[0].a, 40);
    EXPECT_EQ(Rectangles[0].b, 192);
    EXPECT_EQ(Rectangles[0].c, 78);
    EXPECT_EQ(Rectangles[0].d, 267);
    const auto Cadres = Image.Filtrer("cadre"); // a white block stands out all the same
    ASSERT_EQ(Cadres.size(), 1u);
    EXPECT_EQ(Cadres[0].a + Cadres[0].b + Cadres[0].c + Cadres[0].d, 40 + 192 + 78 + 267);
    EXPECT_EQ(Cadres[0].Fond, 0x999999u);
    const TTrace* Nom = Image.TexteEcrit("Maths");
    ASSERT_NE(Nom, nullptr);
    EXPECT_EQ(Nom->a, 41);
    EXPECT_EQ(Nom->b, 229);
    EXPECT_EQ(Nom->Fond, Blanc); // the series' colour

    const TTrace* Titre = Image.TexteEcrit(Ansi("Emploi du temps de : C1 , classe de série : S1"));
    ASSERT_NE(Titre, nullptr);
    EXPECT_EQ(Titre->a, 10);
    EXPECT_EQ(Titre->b, 5);
    EXPECT_EQ(Titre->Fond, Blanc);
}

TEST_F(Blocs, PictureOfAnEmptyTeacherWeekHoldsOnlyTheFrame) {
    TCanevasEnregistreur Image;
    LesProfs->Trouver("P2")->Dessiner(Image);
    EXPECT_TRUE(Image.Filtrer("rectangle").empty());
    EXPECT_EQ(Image.Filtrer("texte").size(), 6u + 48u + 1u);
    EXPECT_NE(Image.TexteEcrit("Emploi du temps de : P2 , professeur de : Francais"), nullptr);

    // Interdit cells grey and hatched, à éviter ones hatched, every stroke inside its cell.
    LesProfs->Trouver("P2")->FixerDispo(1, 40, TDispo::Interdit);
    LesProfs->Trouver("P2")->FixerDispo(2, 50, TDispo::AEviter);
    TCanevasEnregistreur Dispos;
    LesProfs->Trouver("P2")->Dessiner(Dispos);
    const auto Gris = Dispos.Filtrer("rectangle");
    ASSERT_EQ(Gris.size(), 1u);
    EXPECT_EQ(std::vector<int>({Gris[0].a, Gris[0].b, Gris[0].c, Gris[0].d, int(Gris[0].Fond)}),
              std::vector<int>({79, 192, 117, 210, int(GrisInterdit)}));
    const auto Traits = Dispos.Filtrer("ligne");
    ASSERT_GT(Traits.size(), 58u + 10u);
    for (std::size_t i = 58; i < Traits.size(); ++i) {
        const TTrace& t = Traits[i];
        const auto Dans = [&t](int g, int h) {
            return std::min(t.a, t.c) >= g && std::max(t.a, t.c) <= g + 37 &&
                   std::min(t.b, t.d) >= h && std::max(t.b, t.d) <= h + 18;
        };
        EXPECT_TRUE(Dans(79, 192) || Dans(118, 382))
            << t.a << "," << t.b << " " << t.c << "," << t.d;
    }
}
