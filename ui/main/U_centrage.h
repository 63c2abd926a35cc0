#pragma once
class QWidget;

// Moves a top-level window to the middle of its screen's free area (of the owner's
// screen when it has one); one larger than that area keeps its top left corner in it.
void CentrerSurEcran(QWidget* Fenetre);
