#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPalette>
#include <functional>
#include <optional>

enum class TQebColorVariationEnum {
    cvNoVariation,
    cvLiteBlue,
    cvLiteGreen,
    cvLiteRed,
    cvLiteLiteBlue,
    cvLiteLiteGreen,
    cvLiteLiteRed,
    cvLite,
    cvLiteLite
};

// A base colour shifted by a fixed variation. The base may be a system colour: it is read from
// the application palette each time the colour is resolved, so palette changes show at once.
class TQebColorVariation {
public:
    TQebColorVariation(); // the system window colour, no variation
    TQebColorVariation(const TQebColorVariation&) = delete;
    TQebColorVariation& operator=(const TQebColorVariation&) = delete;

    QColor BaseColor() const;
    void SetBaseColor(const QColor& culoare);
    void SetBaseColor(QPalette::ColorRole culoareSistem);

    TQebColorVariationEnum Variation() const { return variatie_; }
    void SetVariation(TQebColorVariationEnum variatie);

    // The base colour with the variation applied.
    QColor Culoare() const;

    void Assign(const TQebColorVariation& sursa);

    // Called after every change.
    std::function<void()> LaSchimbare;

private:
    void Schimbat();

    QColor culoare_;
    std::optional<QPalette::ColorRole> culoareSistem_;
    TQebColorVariationEnum variatie_ = TQebColorVariationEnum::cvNoVariation;
};

// The look of an edit control in one state.
class TQebTextEditStyle {
public:
    TQebTextEditStyle();
    TQebTextEditStyle(const TQebTextEditStyle&) = delete;
    TQebTextEditStyle& operator=(const TQebTextEditStyle&) = delete;

    TQebColorVariation& BkColor() { return fundal_; }
    const TQebColorVariation& BkColor() const { return fundal_; }
    TQebColorVariation& BorderColor() { return chenar_; }
    const TQebColorVariation& BorderColor() const { return chenar_; }
    TQebColorVariation& FontColor() { return culoareFont_; }
    const TQebColorVariation& FontColor() const { return culoareFont_; }

    int BorderWidth() const { return latimeChenarPx_; }
    void SetBorderWidth(int latimePx);

    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font);

    void Assign(const TQebTextEditStyle& sursa);

    // Called after every change of the style or of one of its colours.
    std::function<void()> LaSchimbare;

private:
    void Schimbat();

    TQebColorVariation fundal_;
    TQebColorVariation chenar_;
    TQebColorVariation culoareFont_;
    int latimeChenarPx_ = 1;
    QFont font_;
};

// The six styles every edit control is painted with, one per state. Controls read the styles
// when they paint, so a change shows at their next repaint.
class TQebTextEditStyleRepository : public QObject {
    Q_OBJECT
public:
    explicit TQebTextEditStyleRepository(QObject* parinte = nullptr);
    ~TQebTextEditStyleRepository() override;

    TQebTextEditStyle& Cold() { return rece_; }
    TQebTextEditStyle& Hot() { return activ_; }
    TQebTextEditStyle& Hover() { return subMouse_; }
    TQebTextEditStyle& ReadOnlyCold() { return doarCitireRece_; }
    TQebTextEditStyle& ReadOnlyHot() { return doarCitireActiv_; }
    TQebTextEditStyle& ReadOnlyHover() { return doarCitireSubMouse_; }

    // Assigning copies the given style into the owned one.
    void SetCold(const TQebTextEditStyle& stil) { rece_.Assign(stil); }
    void SetHot(const TQebTextEditStyle& stil) { activ_.Assign(stil); }
    void SetHover(const TQebTextEditStyle& stil) { subMouse_.Assign(stil); }
    void SetReadOnlyCold(const TQebTextEditStyle& stil) { doarCitireRece_.Assign(stil); }
    void SetReadOnlyHot(const TQebTextEditStyle& stil) { doarCitireActiv_.Assign(stil); }
    void SetReadOnlyHover(const TQebTextEditStyle& stil) { doarCitireSubMouse_.Assign(stil); }

    // The program-wide repository: the designated one, else a default one created on first use
    // and owned by the application object.
    static TQebTextEditStyleRepository& Global();
    // Designates the program-wide repository (nullptr goes back to the default one). The caller
    // keeps ownership; a destroyed repository stops being designated.
    static void Designate(TQebTextEditStyleRepository* repozitor);

private:
    TQebTextEditStyle rece_;
    TQebTextEditStyle activ_;
    TQebTextEditStyle subMouse_;
    TQebTextEditStyle doarCitireRece_;
    TQebTextEditStyle doarCitireActiv_;
    TQebTextEditStyle doarCitireSubMouse_;
};
