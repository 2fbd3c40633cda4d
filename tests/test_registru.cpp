#include "Ajutor.h"
#include "app/HandlerFormular.h"
#include "profile/ProfilDiploma.h"
#include "profile/Registru.h"
#include "profile/Tabele.h"

#include <QWidget>

namespace {
class ProfilA : public TClasaProfilDiploma {
public:
    QString NumeClasa() const override { return QStringLiteral("TProfilA"); }
};
class ProfilB : public TClasaProfilDiploma {
public:
    QString NumeClasa() const override { return QStringLiteral("TProfilB"); }
};
class TabeleA : public TClasaTabele {
public:
    QString NumeClasa() const override { return QStringLiteral("TTabeleA"); }
};

// The slots are process-wide and never reset: this is the only test that fills them.
TEST(Registru, ADouaInregistrareEsteRefuzata) {
    static const ProfilA profilA;
    static const ProfilB profilB;
    static const TabeleA tabeleA;
    static const TClasaTabele tabeleBaza;

    EXPECT_EQ(ClasaProfil(), nullptr);
    EXPECT_EQ(ClasaTabele(), nullptr);
    InregistreazaProfil(profilA);
    InregistreazaTabele(tabeleA);

    EXPECT_EQ(MesajulErorii([&] { InregistreazaProfil(profilB); }),
              QStringLiteral("Am inregistrat deja un profil de diploma: TProfilA"));
    EXPECT_EQ(ClasaProfil(), &profilA);
    const QString mesaj = MesajulErorii([&] { InregistreazaTabele(tabeleBaza); });
    EXPECT_TRUE(mesaj.contains(QStringLiteral("TTabeleA"))) << mesaj;
    EXPECT_EQ(ClasaTabele(), &tabeleA);

    // The base error of a profile class names the registered class.
    EXPECT_TRUE(MesajulErorii([] {
                    ClasaProfil()->ListaCampuriElev();
                }).startsWith(QStringLiteral("Nu ai definit TProfilA.ListaCampuriElev;")));
}

class HandlerTest : public THandlerFormularDePrintat {
public:
    explicit HandlerTest(const QString& denumire) { Denumire = denumire; }
    QWidget* CreeazaFereastra(QWidget* owner) override { return new QWidget(owner); }
};

TEST(Registru, HandlerelePastreazaOrdinea) {
    TListaHandlerFormularDePrintat lista;
    AdaugaHandler(lista, std::make_unique<HandlerTest>(QStringLiteral("Unu")));
    AdaugaHandler(lista, std::make_unique<HandlerTest>(QStringLiteral("Doi")));
    ASSERT_EQ(lista.Count(), 2);
    EXPECT_EQ(Handler(lista, 0).Denumire, QStringLiteral("Unu"));
    EXPECT_EQ(Handler(lista, 1).Denumire, QStringLiteral("Doi"));
    EXPECT_NE(MesajulErorii([&] { Handler(lista, 2); }), QString());
    EXPECT_NE(MesajulErorii([&] { Handler(lista, -1); }), QString());

    QWidget owner;
    QWidget* fereastra = Handler(lista, 0).CreeazaFereastra(&owner);
    EXPECT_EQ(fereastra->parent(), &owner);

    // The process-wide list exists empty until a handler is added.
    EXPECT_EQ(&ListaHandlere(), &ListaHandlere());
    EXPECT_EQ(ListaHandlere().Count(), 0);
}
} // namespace
