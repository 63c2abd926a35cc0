#pragma once
// The platform's file dialogs, set up as the program wants them.
#include <QString>

class QWidget;

// The save dialog: its title, the .edt filter and extension, the overwrite question.
// Gives the chosen path, or an empty text when cancelled.
QString DialogueEnregistrement(QWidget* Proprietaire, const QString& NomActuel);
