#include "app/cil/ProfilCIL.h"

#include "util/Cale.h"
#include "util/DosarProgram.h"

TListaLiniiProfilCIL::TListaLiniiProfilCIL() {
    IncarcaDinFisier(
        NormalizeazaCale(DosarProgram() + QDir::separator() + QStringLiteral("CIL2009.binprof")));
}

std::unique_ptr<TListaLiniiProfilDiploma> TClasaProfilCIL::Create() const {
    return std::make_unique<TListaLiniiProfilCIL>();
}

QString TClasaProfilCIL::ListaCampuriElev() const {
    return QStringLiteral("{CertificatAbsolvireCicluInfLiceu.FATA.C_NUME_L1} "
                          "{CertificatAbsolvireCicluInfLiceu.FATA.C_NUME_L2} / "
                          "{CertificatAbsolvireCicluInfLiceu.FATA.C_NUME_L1} "
                          "{CertificatAbsolvireCicluInfLiceu.FATA.C_NUME_L2} "
                          "({CertificatAbsolvireCicluInfLiceu.FATA.C_CNP})");
}

const TClasaProfilCIL& ClasaProfilCIL() {
    static const TClasaProfilCIL clasa;
    return clasa;
}
