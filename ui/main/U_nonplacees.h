#pragma once
// "Heures non placées": every class and subject with quarter-hours still to place, and why,
// kept up to date beside the main window. A double-click holds the course, ready to drop.
#include "scheduling/U_diagnostic.h"

#include <QWidget>

#include <vector>

class QTableWidget;
class TFTable;

class TFNonPlacees final : public QWidget {
    Q_OBJECT
public:
    explicit TFNonPlacees(TFTable& Table);

    // Reads the list again, when the window is shown; the main window calls it after every
    // command.
    void Actualiser();

protected:
    bool eventFilter(QObject* Objet, QEvent* Evenement) override;

private:
    void SGnonplaceesDblClick(int Rangee);

    TFTable& Table;
    QTableWidget* SGnonplacees;
    std::vector<TManque> Liste;
    int RangeeDoubleClic = -1; // the row double-clicked, held at the button's release
};
