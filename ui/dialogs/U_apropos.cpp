#include "U_apropos.h"

#include "ui/main/U_aide.h"
#include "ui/main/U_centrage.h"
#include "ui/main/U_jpeg.h"
#include "ui/main/U_rubriques.h"
#include "ui_apropos.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {
constexpr int Bordure = 3;
}

TF_apropos::TF_apropos(QWidget* Proprietaire)
    : QDialog(Proprietaire, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      ui(std::make_unique<Ui::TF_apropos>()) {
    ui->setupUi(this);
    setModal(false);
    FixerRubrique(this, Rubrique::APropos);
    setFixedSize(ui->Client->width() + 2 * Bordure, ui->Client->height() + 2 * Bordure);
    ui->Image1->setPixmap(QPixmap::fromImage(ChargerJpeg(QStringLiteral(":/titre.jpg"))));
    ui->Image1->installEventFilter(this);
    ui->Client->installEventFilter(this);
    connect(ui->BOK, &QPushButton::clicked, this, &TF_apropos::FormClick);
    connect(ui->BInfos, &QPushButton::clicked, this, &TF_apropos::BInfosClick);
    CentrerSurEcran(this);
}

TF_apropos::~TF_apropos() = default;

void TF_apropos::FormClick() {
    close();
}

void TF_apropos::BInfosClick() {
    Aide().AfficherRubrique(Rubrique::APropos);
}

void TF_apropos::mousePressEvent(QMouseEvent* Evenement) {
    if (Evenement->button() == Qt::LeftButton)
        FormClick();
}

bool TF_apropos::eventFilter(QObject* Objet, QEvent* Evenement) {
    if (Evenement->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(Evenement)->button() == Qt::LeftButton) {
        FormClick();
        return true;
    }
    return QDialog::eventFilter(Objet, Evenement);
}

void TF_apropos::paintEvent(QPaintEvent*) {
    // The border sets the borderless picture off from whatever lies behind it.
    QPainter Peintre(this);
    Peintre.fillRect(rect(), palette().window());
    Peintre.setPen(palette().color(QPalette::Dark));
    Peintre.drawRect(rect().adjusted(0, 0, -1, -1));
}

TF_apropos* OuvrirAPropos(QWidget* Proprietaire) {
    auto* Boite = new TF_apropos(Proprietaire);
    QCoreApplication::processEvents();
    Boite->show();
    return Boite;
}
