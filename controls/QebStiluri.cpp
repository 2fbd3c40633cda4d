#include "controls/QebStiluri.h"

#include "util/Culori.h"
#include "util/Eroare.h"

#include <QApplication>
#include <QPointer>

namespace {
QColor CuloareSistem(QPalette::ColorRole rol) {
    return QApplication::palette().color(QPalette::Active, rol);
}

struct TDeplasare {
    int rosu, verde, albastru;
};

TDeplasare DeplasareVariatie(TQebColorVariationEnum variatie) {
    using enum TQebColorVariationEnum;
    switch (variatie) {
    case cvLiteBlue:
        return {-20, -20, 0};
    case cvLiteGreen:
        return {-20, 0, -20};
    case cvLiteRed:
        return {0, -20, -20};
    case cvLiteLiteBlue:
        return {-10, -10, 0};
    case cvLiteLiteGreen:
        return {-10, 0, -10};
    case cvLiteLiteRed:
        return {0, -10, -10};
    case cvLite:
        return {20, 20, 20};
    case cvLiteLite:
        return {10, 10, 10};
    case cvNoVariation:
        break;
    }
    throw Eroare(QStringLiteral("Don't know variation"));
}

QPointer<TQebTextEditStyleRepository> repozitorDesemnat;
QPointer<TQebTextEditStyleRepository> repozitorImplicit;
} // namespace

TQebColorVariation::TQebColorVariation()
    : culoareSistem_(QPalette::Base) {
}

QColor TQebColorVariation::BaseColor() const {
    return culoareSistem_ ? CuloareSistem(*culoareSistem_) : culoare_;
}

void TQebColorVariation::SetBaseColor(const QColor& culoare) {
    culoare_ = culoare;
    culoareSistem_.reset();
    Schimbat();
}

void TQebColorVariation::SetBaseColor(QPalette::ColorRole culoareSistem) {
    culoareSistem_ = culoareSistem;
    Schimbat();
}

void TQebColorVariation::SetVariation(TQebColorVariationEnum variatie) {
    variatie_ = variatie;
    Schimbat();
}

QColor TQebColorVariation::Culoare() const {
    if (variatie_ == TQebColorVariationEnum::cvNoVariation)
        return BaseColor();
    const TDeplasare d = DeplasareVariatie(variatie_);
    return AjusteazaCuloare(BaseColor(), d.rosu, d.verde, d.albastru);
}

void TQebColorVariation::Assign(const TQebColorVariation& sursa) {
    culoare_ = sursa.culoare_;
    culoareSistem_ = sursa.culoareSistem_;
    variatie_ = sursa.variatie_;
    Schimbat();
}

void TQebColorVariation::Schimbat() {
    if (LaSchimbare)
        LaSchimbare();
}

TQebTextEditStyle::TQebTextEditStyle() {
    chenar_.SetBaseColor(QPalette::Dark);
    culoareFont_.SetBaseColor(QPalette::Text);
    // "Arial" where it exists, its metric twin elsewhere.
    font_.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font_.setPointSize(9);
    for (TQebColorVariation* culoare : {&fundal_, &chenar_, &culoareFont_})
        culoare->LaSchimbare = [this] {
            Schimbat();
        };
}

void TQebTextEditStyle::SetBorderWidth(int latimePx) {
    latimeChenarPx_ = latimePx;
    Schimbat();
}

void TQebTextEditStyle::SetFont(const QFont& font) {
    font_ = font;
    Schimbat();
}

void TQebTextEditStyle::Assign(const TQebTextEditStyle& sursa) {
    if (&sursa == this)
        return;
    fundal_.Assign(sursa.fundal_);
    chenar_.Assign(sursa.chenar_);
    culoareFont_.Assign(sursa.culoareFont_);
    latimeChenarPx_ = sursa.latimeChenarPx_;
    font_ = sursa.font_;
    Schimbat();
}

void TQebTextEditStyle::Schimbat() {
    if (LaSchimbare)
        LaSchimbare();
}

TQebTextEditStyleRepository::TQebTextEditStyleRepository(QObject* parinte)
    : QObject(parinte) {
    using enum TQebColorVariationEnum;
    const TComponenteRgb fereastra = ComponenteCuloare(CuloareSistem(QPalette::Base));
    rece_.BkColor().SetBaseColor(
        QColor(fereastra.rosu, fereastra.verde, (fereastra.albastru - 5 + 256) % 256));

    activ_.BkColor().SetVariation(cvLiteLiteBlue);
    activ_.BorderColor().SetBaseColor(QColor(Qt::black));
    activ_.SetBorderWidth(2);

    subMouse_.BkColor().SetVariation(cvLiteGreen);
    subMouse_.BorderColor().SetVariation(cvLiteGreen);

    for (TQebTextEditStyle* stil : {&doarCitireRece_, &doarCitireActiv_, &doarCitireSubMouse_}) {
        stil->BkColor().SetBaseColor(QPalette::Button);
        stil->BkColor().SetVariation(cvLite);
        stil->BorderColor().SetBaseColor(QPalette::Dark);
    }
    doarCitireActiv_.BkColor().SetVariation(cvLiteLiteRed);
    doarCitireSubMouse_.BkColor().SetVariation(cvLiteRed);
}

TQebTextEditStyleRepository::~TQebTextEditStyleRepository() = default;

TQebTextEditStyleRepository& TQebTextEditStyleRepository::Global() {
    if (repozitorDesemnat)
        return *repozitorDesemnat;
    if (!repozitorImplicit)
        repozitorImplicit = new TQebTextEditStyleRepository(QCoreApplication::instance());
    return *repozitorImplicit;
}

void TQebTextEditStyleRepository::Designate(TQebTextEditStyleRepository* repozitor) {
    repozitorDesemnat = repozitor;
}
