#include "storage/U_fenetre.h"

IFenetre* Fenetre = nullptr;
