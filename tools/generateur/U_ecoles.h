#pragma once
// The two demo schools, entered through the model as a user would through the dialogs.
#include <string>

enum class TEcole { College, Lycee };

// Fills the three global collections, which must exist and be empty: series with their
// subjects, teachers, classes, every subject of every class given a teacher. No course
// is placed, so the automatic placement has all the work to do. Same result on every run.
void ConstruireExemple(TEcole Ecole);

// Adds Copies - 1 copies of the school in the collections, the k-th under names prefixed
// "k-": no copy shares a series, a class or a teacher with another. Courses, availability
// and locks stay with the original.
void CopierEcole(int Copies);

// The file name of the school in examples/: "college.edt" or "lycee.edt".
std::string NomFichierExemple(TEcole Ecole);
