#pragma once
// A fresh global model for each test, destroyed in the window's order.
#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "tests/support/MessagesScriptes.h"

#include <gtest/gtest.h>

class ModeleTest : public ::testing::Test {
protected:
    ModeleTest();
    ~ModeleTest() override;

    // Series S1 with Maths (16) and Francais (12); teachers P1 (Maths) and P2 (Francais);
    // class C1 of S1 with both teachers associated and listed.
    void ConstruireEcole();
    // Places a course on the class and on its teacher.
    void Placer(const std::string& Classe, const std::string& Matiere, TJour Jour, TQuart Debut,
                TQuart Fin);

    TMessagesScriptes Messages;
};

// A series' subjects, or a teacher's classes: "name volume colour" each, in order (the
// colour signed, as saved).
std::string Heures(const TLesHeures& Liste);
std::string Matieres(const TSerie& Serie);
// The cells where a class and its teacher disagree: one holds their course while the other
// is free, or taken by someone else. No one is booked twice when there is none.
int DoublesReservations();
