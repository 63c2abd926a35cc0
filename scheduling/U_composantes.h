#pragma once
// A school often falls into parts that share no class and no teacher (a lycée and a collège
// in one file): each part is a problem of its own, searched with its own effort, and the
// parts' solutions add up.
#include "scheduling/U_probleme.h"

#include <vector>

struct TComposante {
    // Its classes, then its teachers, and its tasks, each in the whole problem's order.
    TProbleme P;
    std::vector<int> Taches; // the whole problem's index of each of its tasks
};

// The parts linked by tasks, in the order of their first task; an actor without a task
// belongs to none.
std::vector<TComposante> Composantes(const TProbleme& P);
