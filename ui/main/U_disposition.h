#pragma once
// The main window beyond the size of its form: extra width widens both halves and their
// summaries, each week grid centred in its half; extra height goes to the week grids until a
// whole day shows, then to the summaries.
#include <QHash>
#include <QObject>
#include <QRect>
#include <QSize>

class QScrollBar;
class QTableWidget;
class QWidget;

namespace Ui {
class TFTable;
}

class TDisposition final : public QObject {
public:
    // Remembers the form's geometry (its central widget of size Base) and lays the window out
    // again at every resize of the central widget.
    TDisposition(Ui::TFTable& ui, QWidget& Centre, QSize Base);

protected:
    bool eventFilter(QObject* Objet, QEvent* Evenement) override;

private:
    struct TMoitie {
        QWidget* Boite;
        QList<QWidget*> Grille; // the day labels and the grid's window, moved together
        QWidget* Fond;
        QScrollBar* Barre;
        QWidget* Legende;
        QTableWidget* Resume;
    };
    void Disposer(QSize Taille);
    void Disposer(const TMoitie& Moitie, int Decalage, int Largeur, int HauteurGrille,
                  int HauteurResume);
    // A control at its form's place, moved by (dx, dy) and grown by (dl, dh).
    void Placer(QWidget* Controle, int dx, int dy, int dl, int dh);

    QSize Base;
    QList<TMoitie> Moities;
    QHash<QWidget*, QRect> Formes;
};
