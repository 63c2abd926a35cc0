#pragma once
// The widget of a course block: painted by hand, so that thousands stay cheap.
#include "model/U_bloc.h"

#include <QWidget>

class TFTable;

class TBlocVue final : public QWidget {
    Q_OBJECT
public:
    TBlocVue(TBloc& Bloc, QWidget& Panneau, TFTable& Table);

    // nullptr once the block is gone and the widget only waits for its deletion.
    TBloc* Bloc() const { return FBloc; }
    void Actualiser();
    // The block is gone: hide the widget now and delete it from the event loop.
    void Abandonner();

protected:
    bool event(QEvent* Evenement) override; // the tooltip: the whole course
    void paintEvent(QPaintEvent* Evenement) override;
    void mousePressEvent(QMouseEvent* Evenement) override;
    void contextMenuEvent(QContextMenuEvent* Evenement) override;

private:
    TBloc* FBloc;
    TFTable& Table;
};

// While one lives, the widgets of dying blocks are deleted from the event loop rather than
// at once: the drop may destroy the very widget whose mouse event is being handled.
class TDestructionsDifferees {
public:
    TDestructionsDifferees() { ++Niveau; }
    ~TDestructionsDifferees() { --Niveau; }
    TDestructionsDifferees(const TDestructionsDifferees&) = delete;
    TDestructionsDifferees& operator=(const TDestructionsDifferees&) = delete;
    static bool Actives() { return Niveau > 0; }

private:
    static inline int Niveau = 0;
};

// Gives every block of one view its widget, as a child of the view's panel.
class TFabriqueBlocsQt final : public IFabriqueBlocs {
public:
    TFabriqueBlocsQt(QWidget& Panneau, TFTable& Table) : Panneau(Panneau), Table(Table) {}
    std::unique_ptr<IVueBloc> CreerVue(TBloc& Bloc) override;

private:
    QWidget& Panneau;
    TFTable& Table;
};
