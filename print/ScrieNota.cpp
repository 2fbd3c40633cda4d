#include "print/ScrieNota.h"

#include "layout/FormularTextArea.h"
#include "settings/InfoGlobal.h"
#include "util/Cuvinte.h"

namespace {
int CodFormat(const QString& format) {
    if (format == FormatNota::NotaProcent)
        return 1;
    if (format == FormatNota::NotaSlashProcent)
        return 2;
    if (format == FormatNota::NotaLitere)
        return 3;
    return 0;
}
} // namespace

void ScrieNota(TFormularTextArea* sus, TFormularTextArea* jos, std::optional<int> notaX100,
               int fel) {
    for (TFormularTextArea* zona : {sus, jos})
        if (zona)
            zona->SeteazaText(QStringLiteral(" "));
    const TInfoGlobal2005 setari;
    if (!sus) {
        sus = jos;
        jos = nullptr;
    }
    if (!sus)
        return;

    // Upper or lower case is applied to whatever was written, also after a failure.
    struct Litere {
        TFormularTextArea* sus;
        TFormularTextArea* jos;
        bool mari;
        ~Litere() {
            for (TFormularTextArea* zona : {sus, jos})
                if (zona)
                    zona->SeteazaText(mari ? LitereMari(zona->Text()) : LitereMici(zona->Text()));
        }
    } litere{sus, jos, setari.ScriuCuLitereMari == u"1"};

    sus->RetineReferinta();
    if (jos)
        jos->RetineReferinta();

    const QString* formate[] = {&setari.NotaDiploma, &setari.NotaCotor, &setari.MedieDiploma,
                                &setari.MedieCotor};
    int cod = CodFormat(fel >= 0 && fel <= 3 ? *formate[fel] : setari.MedieDiploma);
    const bool douaRanduri = cod == 2 || cod == 3;
    if (douaRanduri && !jos)
        cod = 1;

    if (cod == 2 || cod == 3) {
        sus->SeteazaTopMm(sus->ReferintaSus);
        sus->AsazaDinMm();
        jos->show();
    } else if (jos) {
        // Printed once, centred between the two lines.
        jos->hide();
        sus->SeteazaTopMm((sus->ReferintaSus + jos->ReferintaSus) / 2);
        sus->AsazaDinMm();
    }
    const bool peDouaRanduri = jos && (cod == 2 || cod == 3);

    if (!notaX100) {
        if (peDouaRanduri)
            jos->SeteazaText(QStringLiteral(" "));
        sus->SeteazaText(QStringLiteral("----"));
        return;
    }
    const QString cifre = FormateazaValoare(2, qint64(*notaX100) * 100);
    const QString cuvinte = cod == 0   ? QString()
                            : cod == 3 ? NotaInLitere(*notaX100, 1)
                                       : NotaInLitere(*notaX100, 3);
    if (peDouaRanduri) {
        sus->SeteazaText(cifre);
        jos->SeteazaText(cuvinte);
    } else {
        sus->SeteazaText(cuvinte.isEmpty() ? cifre : cifre + u' ' + cuvinte);
    }
}
