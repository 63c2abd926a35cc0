#pragma once
// Help topics bound to controls: F1 (Shift+F1 in the main window, whose F1 opens the
// contents) opens the topic of the control under the pointer, or else of the control that
// has the focus. A topic given to a widget holds for its children.
#include <QObject>

class QWidget;

void FixerRubrique(QWidget* Widget, int Rubrique);
// The topic of the widget or of its nearest parent that has one; 0 for none.
int RubriqueDe(const QWidget* Widget);

// Installed once on the application by the main window, its parent.
class TAideContextuelle final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* Objet, QEvent* Evenement) override;
};
