#include "entry/EditorGeneric.h"

#include "util/Mesaje.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
const QColor CuloareFundal(247, 245, 245);
}

TEditorGeneric::TEditorGeneric(QWidget* parinte)
    : QFrame(parinte) {
    setFixedHeight(Inaltime);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, CuloareFundal);
    setPalette(paleta);
    setAutoFillBackground(true);

    asezare_ = new QVBoxLayout(this);
    asezare_->setContentsMargins(8, 0, 4, 2);
    asezare_->setSpacing(0);
    Eticheta = new QLabel(this);
    Eticheta->setFixedHeight(13);
    QFont font = Eticheta->font();
    font.setPixelSize(11);
    Eticheta->setFont(font);
    asezare_->addWidget(Eticheta);
}

void TEditorGeneric::SeteazaControl(QWidget* control, int dreaptaPx) {
    asezare_->setContentsMargins(8, 0, dreaptaPx, 2);
    // The frame's height is fixed; a control asking for more would be cut at the bottom.
    control->setFixedHeight(Inaltime - Eticheta->height() - 2);
    asezare_->addWidget(control, 1);
    setFocusProxy(control);
}

void TEditorGeneric::Incarca(const QString& codFormular, const QString& codPagina,
                             const QString& codCamp, const QString& numeTabel, int idElev,
                             int idAltaInregistrare) {
    CodFormular = codFormular;
    CodPagina = codPagina;
    CodCamp = codCamp;
    NumeTabel = numeTabel;
    IdElev = idElev;
    IdAltaInregistrare = idAltaInregistrare;
    IdInregistrare = numeTabel == QStringLiteral("ELEVI") ? idElev : idAltaInregistrare;
}

bool TEditorGeneric::PotSalva() {
    ArataMesaj(this, QMessageBox::Warning,
               QStringLiteral("Functioa \"PotSalva\" nu este implementata pentru ") +
                   QString::fromLatin1(metaObject()->className()));
    return false;
}

void TEditorGeneric::Salveaza(int, int, const QString&) {
}

void TEditorGeneric::DupaAfisare() {
}

void TEditorGeneric::SeteazaGhiceste(bool) {
}

void TEditorGeneric::Goleste() {
}
