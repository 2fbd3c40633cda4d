#include "Ajutor.h"
#include "layout/FormularDePrintat.h"
#include "layout/FormularTextArea.h"
#include "layout/MasuriDispozitiv.h"
#include "util/DosarProgram.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

namespace {
QByteArray Jpeg(QColor culoare, QSize dimensiune = QSize(64, 48)) {
    QImage imagine(dimensiune, QImage::Format_RGB32);
    imagine.fill(culoare);
    QByteArray date;
    QBuffer tampon(&date);
    tampon.open(QIODevice::WriteOnly);
    imagine.save(&tampon, "JPEG");
    return date;
}

QByteArray Citeste(const QString& cale) {
    QFile fisier(cale);
    return fisier.open(QIODevice::ReadOnly) ? fisier.readAll() : QByteArray();
}

TEST(FormularDePrintat, DimensiuniLaZoom) {
    const struct {
        double zoom;
        QSize pixeli;
    } cazuri[] = {{100.0, {1153, 832}}, {110.0, {1268, 916}}, {300.0, {3460, 2498}}};
    TFormularDePrintat pagina;
    pagina.SeteazaLatime(290.3);
    pagina.SeteazaInaltime(209.6);
    for (const auto& caz : cazuri) {
        pagina.SeteazaZoom(caz.zoom);
        EXPECT_EQ(pagina.size(), caz.pixeli) << caz.zoom;
    }
    pagina.SeteazaZoom(100.0);
    EXPECT_DOUBLE_EQ(pagina.Dpi(), 100.934783616);
    EXPECT_EQ(MmLaPixeli(100.934783616, 4.278009864693977), 17);
    EXPECT_EQ(MmLaPixeli(100.934783616, -0.2), 0); // truncated toward zero
}

TEST(FormularDePrintat, RedimensionareaDinAfaraEsteAnulata) {
    QWidget fereastra;
    auto* pagina = new TFormularDePrintat(&fereastra);
    pagina->SeteazaLatime(290.3);
    pagina->SeteazaInaltime(209.6);
    fereastra.show();
    pagina->resize(300, 200);
    EXPECT_EQ(pagina->size(), QSize(1153, 832));
}

TEST(FormularDePrintat, NumerotareaZonelor) {
    TFormularDePrintat pagina;
    const auto zona = [&](const QString& nume) {
        auto* z = new TFormularTextArea(&pagina);
        z->setObjectName(nume);
        return z;
    };
    TFormularTextArea* unu = zona(QStringLiteral("FormularTextArea1"));
    zona(QStringLiteral("FormularTextArea"));
    zona(QStringLiteral("FormularTextAreaX"));
    zona(QStringLiteral("FormularTextArea1a2"));
    TFormularTextArea* sapte = zona(QStringLiteral("FormularTextArea7"));
    EXPECT_EQ(pagina.NumarMaximTextArea(), 12);
    EXPECT_EQ(pagina.TextAreaNumarul(1), unu);
    EXPECT_EQ(pagina.TextAreaNumarul(7), sapte);
    EXPECT_EQ(pagina.TextAreaNumarul(12), nullptr);
    EXPECT_EQ(TFormularDePrintat().NumarMaximTextArea(), 0);
    // Any child counts for the highest number; only a text area is returned by number.
    (new QLabel(&pagina))->setObjectName(QStringLiteral("FormularTextArea40"));
    EXPECT_EQ(pagina.NumarMaximTextArea(), 40);
    EXPECT_EQ(pagina.TextAreaNumarul(40), nullptr);
}

struct Fundal : ::testing::Test {
    QTemporaryDir dosar;
    TFormularDePrintat pagina;
    void SetUp() override { SeteazaDosarProgram(dosar.path()); }
    void TearDown() override { SeteazaDosarProgram(QString()); }
    QString Cale(const QString& nume) const { return dosar.filePath(nume); }
};

TEST_F(Fundal, NumeRefuzate) {
    const QString nelocal =
        QStringLiteral(" nu este un nume valid, vrea sa am un nume LOCAL (nu de "
                       "pe retea)");
    const struct {
        QString nume;
        QString mesaj;
    } cazuri[] = {
        {QStringLiteral("C:"), QStringLiteral("C: nu este un nume valid")},
        {QStringLiteral("\\\\server\\scoala\\CIL.bin"),
         QStringLiteral("\\\\server\\scoala\\CIL.bin") + nelocal},
        {QStringLiteral("//server/scoala/CIL.bin"),
         QStringLiteral("//server/scoala/CIL.bin") + nelocal},
        {QStringLiteral("smb://server/CIL.bin"), QStringLiteral("smb://server/CIL.bin") + nelocal},
        {QStringLiteral("CIL.bin"), QStringLiteral("CIL.bin") + nelocal},
    };
    pagina.SeteazaCitire(true);
    ScrieFisierFundal(Cale(QStringLiteral("CIL.bin")), Jpeg(Qt::red));
    pagina.SeteazaBkImage_FileName(Cale(QStringLiteral("CIL.bin")));
    for (const auto& caz : cazuri) {
        EXPECT_EQ(MesajulErorii([&] { pagina.SeteazaBkImage_FileName(caz.nume); }), caz.mesaj);
        EXPECT_EQ(pagina.BkImage_FileName(), Cale(QStringLiteral("CIL.bin")));
    }
}

TEST_F(Fundal, LaCitireGasesteFisierulLangaProgram) {
    ScrieFisierFundal(Cale(QStringLiteral("CIL.bin")), Jpeg(Qt::red));
    pagina.SeteazaCitire(true);
    pagina.SeteazaBkImage_FileName(QStringLiteral("C:\\Proiecte\\Certaliv\\CIL.bin"));
    EXPECT_EQ(pagina.BkImage_FileName(), QStringLiteral("C:\\Proiecte\\Certaliv\\CIL.bin"));
    EXPECT_EQ(pagina.BkImage_DummyMsg(), QStringLiteral("1: nonvid-loadfn"));
    EXPECT_TRUE(pagina.BkImage().EsteJpeg());
    EXPECT_EQ(pagina.BkImage().Imagine.size(), QSize(64, 48));
}

TEST_F(Fundal, FisierLipsaLasaNumeleGolFaraMesaj) {
    MesajeInregistrate mesaje;
    pagina.SeteazaCitire(true);
    pagina.SeteazaBkImage_FileName(QStringLiteral("C:\\Certaliv\\CIL.bin"));
    EXPECT_EQ(pagina.BkImage_FileName(), QString());
    EXPECT_EQ(pagina.BkImage_DummyMsg(), QStringLiteral("1: nonvid-loadfn"));
    EXPECT_TRUE(pagina.BkImage().EsteGoala());
    EXPECT_TRUE(mesaje.Texte.isEmpty());

    EXPECT_EQ(MesajulErorii([&] { pagina.IncarcaFundal(QStringLiteral("C:\\Certaliv\\CIL.bin")); }),
              QStringLiteral("Nu pot citi din fisierul ") + Cale(QStringLiteral("CIL.bin")));
    pagina.SeteazaBkImage_FileName(QString());
    EXPECT_EQ(pagina.BkImage_DummyMsg(), QStringLiteral("2: reset"));
}

TEST_F(Fundal, MascareSiCitireInapoi) {
    const QByteArray jpeg = Jpeg(Qt::blue, QSize(80, 60));
    const QString cale = Cale(QStringLiteral("sub/dosar/fundal.bin"));
    pagina.SeteazaBkImage(TImagineFundal::DinJpeg(jpeg));
    // Naming a file while a JPEG picture is held writes it there, masked, folders included.
    pagina.SeteazaBkImage_FileName(cale);
    EXPECT_EQ(pagina.BkImage_DummyMsg(), QStringLiteral("1: nonvid-savefn"));
    const QByteArray scris = Citeste(cale);
    ASSERT_EQ(scris.size(), jpeg.size());
    EXPECT_NE(scris.left(2), jpeg.left(2));
    EXPECT_EQ(MascheazaFundal(scris), jpeg);

    TFormularDePrintat alta;
    alta.IncarcaFundal(cale);
    EXPECT_EQ(alta.BkImage().DateJpeg, jpeg);
    EXPECT_EQ(alta.BkImage().Imagine.size(), QSize(80, 60));

    // A picture of another kind cannot be stored: the file goes.
    QImage bitmap(10, 10, QImage::Format_RGB32);
    bitmap.fill(Qt::green);
    pagina.SeteazaBkImage(TImagineFundal::DinImagine(bitmap, "bmp"));
    EXPECT_FALSE(QFile::exists(cale));
    pagina.SeteazaBkImage_FileName(cale);
    EXPECT_EQ(pagina.BkImage_DummyMsg(), QStringLiteral("2: nonvid-bmp"));
    EXPECT_EQ(pagina.BkImage_FileName(), QString());
}

TEST_F(Fundal, FisierCareNuEJpeg) {
    QFile fisier(Cale(QStringLiteral("stricat.bin")));
    ASSERT_TRUE(fisier.open(QIODevice::WriteOnly));
    fisier.write(MascheazaFundal("nu este o imagine"));
    fisier.close();
    EXPECT_EQ(MesajulErorii([&] { pagina.IncarcaFundal(fisier.fileName()); }),
              QStringLiteral("Fisierul %1 nu contine o imagine JPEG").arg(fisier.fileName()));
}

TEST_F(Fundal, PaginaDeseneazaFundalulIntins) {
    pagina.SeteazaLatime(100.0);
    pagina.SeteazaInaltime(50.0);
    pagina.SeteazaBkImage(TImagineFundal::DinJpeg(Jpeg(QColor(200, 30, 30))));
    const QImage ecran = pagina.grab().toImage();
    EXPECT_EQ(ecran.size(), pagina.size());
    for (const QPoint punct : {QPoint(1, 1), QPoint(ecran.width() / 2, ecran.height() / 2),
                               QPoint(ecran.width() - 2, ecran.height() - 2)}) {
        const QColor c = ecran.pixelColor(punct);
        EXPECT_GT(c.red(), 170);
        EXPECT_LT(c.green(), 70);
    }
}
} // namespace

namespace {
TEST(MasuriDispozitiv, OglindireaInJurulCentruluiFoii) {
    TMasuriDispozitiv masuri;
    masuri.LatimeFizica = 1000;
    masuri.InaltimeFizica = 700;
    masuri.DecalajFizicX = 20;
    masuri.DecalajFizicY = 10;
    // A rectangle 100 units from the sheet's left edge (80 + 20) ends 100 units from its right.
    const QRect r(80, 40, 50, 30);
    EXPECT_EQ(OglindesteOrizontal(r, masuri), QRect(1000 - 130 - 40, 40, 50, 30));
    EXPECT_EQ(OglindesteVertical(r, masuri), QRect(80, 700 - 70 - 20, 50, 30));
    EXPECT_EQ(OglindesteOrizontal(OglindesteOrizontal(r, masuri), masuri), r);
    EXPECT_EQ(OglindesteVertical(OglindesteVertical(r, masuri), masuri), r);
}
} // namespace
