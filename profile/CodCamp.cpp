#include "profile/CodCamp.h"

TCodCamp ImparteCodCamp(const QString& cod) {
    TCodCamp rezultat;
    QString* parti[] = {&rezultat.Formular, &rezultat.Pagina, &rezultat.Camp};
    int parte = 0;
    for (QChar c : cod) {
        if (c == u'.')
            ++parte;
        else if (parte < 3)
            parti[parte]->append(c);
    }
    return rezultat;
}

TEtichetaEditor ImparteEticheta(const QString& etichetaEditor) {
    enum class Stare { Eticheta, Grup, Nota, Sfarsit };
    TEtichetaEditor rezultat;
    Stare stare = Stare::Eticheta;
    for (QChar c : etichetaEditor) {
        switch (stare) {
        case Stare::Eticheta:
            if (c == u'[')
                stare = Stare::Grup;
            else if (c == u'{')
                stare = Stare::Nota;
            else
                rezultat.Eticheta.append(c);
            break;
        case Stare::Grup:
            if (c == u']')
                stare = Stare::Eticheta;
            else
                rezultat.Grup.append(c);
            break;
        case Stare::Nota:
            if (c == u'}')
                stare = Stare::Sfarsit;
            else
                rezultat.Nota.append(c);
            break;
        case Stare::Sfarsit:
            return rezultat;
        }
    }
    return rezultat;
}

const QStringList& NumeTipuriDeDate() {
    static const QStringList nume = {TipDate::Text,
                                     TipDate::CF,
                                     TipDate::Sirues,
                                     TipDate::CNP,
                                     TipDate::Nota,
                                     TipDate::Calificativ,
                                     TipDate::NotaSauCalificativ};
    return nume;
}
