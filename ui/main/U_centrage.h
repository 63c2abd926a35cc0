#pragma once
class QWidget;

// Moves a top-level window to the middle of its screen's free area (of the owner's
// screen when it has one).
void CentrerSurEcran(QWidget* Fenetre);
