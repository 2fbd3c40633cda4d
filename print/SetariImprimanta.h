#pragma once

#include <QString>

// What the program knows about the user's printer and blanks, kept under the user's key.
// Read when created, written back when destroyed (changed or not). The first one created while
// no other exists is `SetariCurente` until it is destroyed.
class TAllStuffReg {
public:
    TAllStuffReg();
    // A record that starts from the defaults without reading the stored one (which it
    // replaces when destroyed).
    struct FaraCitire {};
    explicit TAllStuffReg(FaraCitire);
    ~TAllStuffReg();
    TAllStuffReg(const TAllStuffReg&) = delete;
    TAllStuffReg& operator=(const TAllStuffReg&) = delete;

    static QString CaleCheie();

    void Citeste();
    void Scrie() const;

    // "D" turned by 180 degrees, "N" normal, "*" not decided; page 0 front, 1 back.
    QString Oglindesc(int pagina) const;
    void SeteazaOglindesc(int pagina, const QString& valoare);

    bool Configurat = false;
    bool PartiOpuse = false;
    bool OglindaOrizontala = false;
    bool OglindaVerticala = false;
    quint8 ModAlimentare = 0;
    QString NumeImprimanta;
    int IndexImprimanta = 0;
    double StangaFata = 0.0;
    double SusFata = 0.0;
    double StangaVerso = 0.0;
    double SusVerso = 0.0;
    QString OglindescFata = QStringLiteral("*");
    QString OglindescVerso = QStringLiteral("*");
};

TAllStuffReg* SetariCurente();

// The printer the wizard recorded, read without creating a settings object (which would write
// back); empty when none is recorded or the record does not parse.
QString NumeImprimantaInregistrata();

// Numbers as the user's locale writes them (its decimal mark, no group marks); text that does
// not convert fails with the conversion message.
QString RealInText(double valoare);
double TextInReal(const QString& text);
int TextInIntreg(const QString& text);
