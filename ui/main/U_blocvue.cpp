#include "ui/main/U_blocvue.h"

#include "ui/main/U_aide.h"
#include "ui/main/U_canevasqt.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_rubriques.h"
#include "ui/main/U_texteqt.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

namespace {

// The window's small sans font; one for all blocks.
const QFont& PoliceBlocs() {
    static const QFont Police = [] {
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setStyleHint(QFont::SansSerif);
        f.setPixelSize(9);
        return f;
    }();
    return Police;
}

// Owned by the block; the widget goes with it, whichever of the two goes first.
class TVueBlocQt final : public IVueBloc {
public:
    explicit TVueBlocQt(TBlocVue* Vue) : Vue(Vue) {}
    ~TVueBlocQt() override {
        if (!Vue)
            return;
        if (TDestructionsDifferees::Actives())
            Vue->Abandonner();
        else
            delete Vue.data();
    }
    void Actualiser() override {
        if (Vue)
            Vue->Actualiser();
    }

private:
    QPointer<TBlocVue> Vue;
};

// A small padlock, 7 x 9 pixels, its top-left corner at Coin.
void DessinerCadenas(QPainter& Peintre, QPoint Coin) {
    Peintre.setRenderHint(QPainter::Antialiasing);
    Peintre.setPen(QPen(Qt::black, 1.2));
    Peintre.setBrush(Qt::NoBrush);
    Peintre.drawArc(QRectF(Coin.x() + 1.5, Coin.y(), 4, 6), 0, 180 * 16);
    Peintre.drawLine(QPointF(Coin.x() + 1.5, Coin.y() + 3), QPointF(Coin.x() + 1.5, Coin.y() + 4));
    Peintre.drawLine(QPointF(Coin.x() + 5.5, Coin.y() + 3), QPointF(Coin.x() + 5.5, Coin.y() + 4));
    Peintre.setPen(Qt::NoPen);
    Peintre.setBrush(QColor(90, 70, 20));
    Peintre.drawRect(QRectF(Coin.x(), Coin.y() + 4, 7, 5));
}

} // namespace

TBlocVue::TBlocVue(TBloc& Bloc, QWidget& Panneau, TFTable& Table)
    : QWidget(&Panneau), FBloc(&Bloc), Table(Table) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    FixerRubrique(this, Rubrique::BlocCours);
    Actualiser();
}

void TBlocVue::Actualiser() {
    if (!FBloc)
        return;
    // Identifiers hold ASCII letters and digits only.
    const QString Nom = QString::fromLatin1(FBloc->Identifiant());
    if (objectName() != Nom)
        setObjectName(Nom);
    const QRect Cadre(FBloc->Gauche(), FBloc->Haut(), FBloc->Largeur(), FBloc->Hauteur());
    if (geometry() != Cadre)
        setGeometry(Cadre);
    if (isVisibleTo(parentWidget()) != FBloc->Visible())
        setVisible(FBloc->Visible());
    update();
}

void TBlocVue::Abandonner() {
    FBloc = nullptr;
    hide();
    setObjectName(QString());
    deleteLater();
}

void TBlocVue::paintEvent(QPaintEvent*) {
    if (!FBloc)
        return;
    QPainter Peintre(this);
    Peintre.fillRect(rect(), CouleurQt(FBloc->Couleur()));
    Peintre.setFont(PoliceBlocs());
    Peintre.setPen(Qt::black);
    const QFontMetrics Mesures(PoliceBlocs());
    const int Hauteur = Mesures.lineSpacing();
    int y = 1;
    for (const std::string& Ligne : FBloc->Lignes()) {
        const QString Texte = VersQt(Ligne);
        // A name wider than the block shows its beginning rather than its middle.
        const Qt::Alignment Cadrage =
            Mesures.horizontalAdvance(Texte) > width() ? Qt::AlignLeft : Qt::AlignHCenter;
        Peintre.drawText(QRect(0, y, width(), Hauteur), Cadrage | Qt::AlignTop, Texte);
        y += Hauteur;
    }
    Peintre.setPen(CouleurQt(CouleurCadre(FBloc->Couleur())));
    Peintre.drawRect(rect().adjusted(0, 0, -1, -1));
    // A held block stands nowhere yet: the grids' state under it is not its own.
    if (FBloc == Table.BlocPris.get() || FBloc == Table.BlocJumeau.get())
        return;
    if (Table.CoursEnConflit(*FBloc)) {
        Peintre.setPen(QPen(QColor(210, 0, 0), 2));
        Peintre.setBrush(Qt::NoBrush);
        Peintre.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    if (Table.CoursVerrouille(*FBloc))
        DessinerCadenas(Peintre, QPoint(width() - 9, 2));
}

void TBlocVue::mousePressEvent(QMouseEvent* Evenement) {
    if (!FBloc)
        return;
    const QPoint Global = Evenement->globalPosition().toPoint();
    if (FBloc->DeClasse())
        Table.MemoClasseMouseDown(*this, Evenement->button(), Evenement->modifiers(), Global);
    else
        Table.MemoProfMouseDown(*this, Evenement->button(), Evenement->modifiers(), Global);
}

bool TBlocVue::event(QEvent* Evenement) {
    if (Evenement->type() != QEvent::ToolTip)
        return QWidget::event(Evenement);
    const QString Texte = FBloc ? Table.InfoBulle(*FBloc) : QString();
    if (Texte.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<QHelpEvent*>(Evenement)->globalPos(), Texte, this);
    return true;
}

void TBlocVue::contextMenuEvent(QContextMenuEvent* Evenement) {
    if (FBloc)
        Table.OuvrirPPMCours(*this, Evenement->globalPos());
}

std::unique_ptr<IVueBloc> TFabriqueBlocsQt::CreerVue(TBloc& Bloc) {
    return std::make_unique<TVueBlocQt>(new TBlocVue(Bloc, Panneau, Table));
}
