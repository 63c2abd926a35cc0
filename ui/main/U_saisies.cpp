// The commands that open the data-entry forms and the wizard. Until its form is part of
// the program, a command's menu entry stays disabled and the command does nothing.
#include "ui/main/U_princ.h"

void TFTable::Professeur1Click() {}

void TFTable::Plagehoraire1Click() {}
