#include "settings/InfoGlobal.h"

#include <QDebug>

namespace {
TProprietatePersistenta Text(const char* nume, QString TInfoGlobal2005::*camp) {
    return {QString::fromLatin1(nume), TipProprietate::LString,
            [camp](const TQebRegistryClass& o) {
                return QVariant(static_cast<const TInfoGlobal2005&>(o).*camp);
            },
            [camp](TQebRegistryClass& o, const QVariant& v) {
                static_cast<TInfoGlobal2005&>(o).*camp = v.toString();
            }};
}
} // namespace

const TClasaPersistenta& TInfoGlobal2005::ClasaStatica() {
    static const TClasaPersistenta clasa{
        QStringLiteral("TInfoGlobal2005"),
        nullptr,
        {Text("SufixFete", &TInfoGlobal2005::SufixFete),
         Text("SufixBaieti", &TInfoGlobal2005::SufixBaieti),
         Text("NotaDiploma", &TInfoGlobal2005::NotaDiploma),
         Text("MedieDiploma", &TInfoGlobal2005::MedieDiploma),
         Text("NotaCotor", &TInfoGlobal2005::NotaCotor),
         Text("MedieCotor", &TInfoGlobal2005::MedieCotor),
         Text("ScriuCuLitereMari", &TInfoGlobal2005::ScriuCuLitereMari)}};
    return clasa;
}

const TClasaPersistenta& TInfoGlobal2005::Clasa() const {
    return ClasaStatica();
}

QString TInfoGlobal2005::CaleCheieGlobal() {
    return QStringLiteral("Software\\Tirvana\\Florandi\\%1\\Global").arg(2009);
}

TInfoGlobal2005::TInfoGlobal2005()
    : TQebRegistryClass(CaleCheieGlobal()) {
    Incarca();
}

TInfoGlobal2005::~TInfoGlobal2005() {
    try {
        Salveaza();
    } catch (const std::exception& e) {
        // The store refused (a damaged file is left as it is); a destructor cannot report it.
        qWarning("%s", e.what());
    }
}
