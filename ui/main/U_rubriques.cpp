#include "ui/main/U_rubriques.h"

#include "ui/main/U_aide.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {

const char* const Propriete = "rubriqueAide";

// The window the key was sent to, as a widget.
QWidget* FenetreDe(QObject* Objet) {
    if (Objet->isWidgetType())
        return static_cast<QWidget*>(Objet)->window();
    if (auto* Fenetre = qobject_cast<QWindow*>(Objet))
        for (QWidget* Haut : QApplication::topLevelWidgets())
            if (Haut->windowHandle() == Fenetre)
                return Haut;
    return nullptr;
}

int RubriqueVisee(QObject* Objet) {
    QWidget* Fenetre = FenetreDe(Objet);
    if (!Fenetre)
        return 0;
    QWidget* Cible = QApplication::widgetAt(QCursor::pos());
    if (!Cible || Cible->window() != Fenetre)
        Cible = Fenetre->focusWidget() ? Fenetre->focusWidget() : Fenetre;
    return RubriqueDe(Cible);
}

bool EstF1(QEvent* Evenement) {
    return (Evenement->type() == QEvent::ShortcutOverride ||
            Evenement->type() == QEvent::KeyPress) &&
           static_cast<QKeyEvent*>(Evenement)->key() == Qt::Key_F1;
}

} // namespace

void FixerRubrique(QWidget* Widget, int Rubrique) {
    Widget->setProperty(Propriete, Rubrique);
}

int RubriqueDe(const QWidget* Widget) {
    for (; Widget; Widget = Widget->parentWidget()) {
        const QVariant Valeur = Widget->property(Propriete);
        if (Valeur.isValid())
            return Valeur.toInt();
        if (Widget->isWindow())
            break;
    }
    return 0;
}

// The main window's F1 is its menu's "Rubriques d'aide...": there, Shift+F1 asks for the
// topic instead.
bool TAideContextuelle::eventFilter(QObject* Objet, QEvent* Evenement) {
    if (!EstF1(Evenement))
        return false;
    const Qt::KeyboardModifiers Voulus =
        FenetreDe(Objet) == parent() ? Qt::ShiftModifier : Qt::NoModifier;
    if (static_cast<QKeyEvent*>(Evenement)->modifiers() != Voulus)
        return false;
    const int Rubrique = RubriqueVisee(Objet);
    if (Rubrique == 0)
        return false; // the menu's F1 then opens the contents
    if (Evenement->type() == QEvent::ShortcutOverride)
        Evenement->accept(); // the key comes as a key press instead of the menu's shortcut
    else if (!static_cast<QKeyEvent*>(Evenement)->isAutoRepeat())
        Aide().AfficherRubrique(Rubrique);
    return true;
}
