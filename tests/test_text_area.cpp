#include "Ajutor.h"
#include "MasuraPdf.h"
#include "layout/FormularDePrintat.h"
#include "layout/FormularTextArea.h"
#include "layout/MasuriDispozitiv.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <limits>
#include <memory>

namespace {
// A certificate-sized page with one font and one area laid out like FormularTextArea1.
struct Pagina : ::testing::Test {
    QWidget fereastra;
    TFontFormular* font = new TFontFormular(&fereastra);
    TFormularDePrintat* pagina = new TFormularDePrintat(&fereastra);
    TFormularTextArea* zona = new TFormularTextArea(pagina);
    QTemporaryDir dosar;

    void SetUp() override {
        pagina->SeteazaLatime(290.3);
        pagina->SeteazaInaltime(209.6);
        font->SeteazaSize(4.0);
        Aseaza(zona, 41.43797790507499, 76.92029501812505, 49.65846744899676, 4.278009864693977);
        zona->SeteazaFont(font);
        zona->SeteazaAlignment(TAliniere::Centru);
        fereastra.show();
    }
    void TearDown() override { SursaAjustari() = nullptr; }

    static void Aseaza(TFormularTextArea* z, double stanga, double sus, double latime,
                       double inaltime) {
        z->SeteazaLeftMm(stanga);
        z->SeteazaTopMm(sus);
        z->SeteazaWidthMm(latime);
        z->SeteazaHeightMm(inaltime);
        z->AsazaDinMm();
    }

    TFormularTextArea* ZonaNoua(double stanga, double sus, double latime, double inaltime,
                                const QString& text, TAliniere aliniere = TAliniere::Centru) {
        auto* z = new TFormularTextArea(pagina);
        Aseaza(z, stanga, sus, latime, inaltime);
        z->SeteazaFont(font);
        z->SeteazaText(text);
        z->SeteazaAlignment(aliniere);
        return z;
    }

    // Prints the page onto a PDF and returns poppler's words.
    std::vector<TCuvantPdf> Tipareste(int dpi = 1200, bool roteste = false, double stangaMm = 0.0,
                                      double susMm = 0.0,
                                      const QString& nume = QStringLiteral("pagina.pdf")) {
        const QString cale = dosar.filePath(nume);
        TiparestePdf(cale, dpi, [&](QPainter& pictor, const TMasuriDispozitiv& masuri) {
            pagina->Tipareste(pictor, masuri, roteste, DirectorModificari(), stangaMm, susMm);
        });
        return CuvintePdf(cale);
    }
};

TEST_F(Pagina, ZonaLaZoom100ApoiLa110SiInapoi) {
    EXPECT_EQ(zona->geometry(), QRect(164, 305, 197, 17));
    pagina->SeteazaZoom(pagina->Zoom() * 1.1);
    EXPECT_EQ(pagina->size(), QSize(1268, 916));
    EXPECT_EQ(zona->geometry(), QRect(MmLaPixeli(pagina->Dpi(), zona->LeftMm()),
                                      MmLaPixeli(pagina->Dpi(), zona->TopMm()),
                                      MmLaPixeli(pagina->Dpi(), zona->WidthMm()),
                                      MmLaPixeli(pagina->Dpi(), zona->HeightMm())));
    pagina->SeteazaZoom(pagina->Zoom() * 0.9090909090909091);
    EXPECT_EQ(pagina->size(), QSize(1153, 832));
    EXPECT_EQ(zona->geometry(), QRect(164, 305, 197, 17));
    // Zooming never touches the millimetres.
    EXPECT_EQ(zona->LeftMm(), 41.43797790507499);
    EXPECT_EQ(zona->HeightMm(), 4.278009864693977);
}

TEST_F(Pagina, ZoomLockIntoarceZonaMutataLaAltZoom) {
    zona->SeteazaZoomLock(300.0);
    zona->move(10, 10);
    EXPECT_EQ(zona->geometry(), QRect(164, 305, 197, 17));
    zona->resize(50, 50);
    EXPECT_EQ(zona->geometry(), QRect(164, 305, 197, 17));
    EXPECT_EQ(zona->LeftMm(), 41.43797790507499);

    // At its own zoom the area takes its millimetres from the pixels.
    pagina->SeteazaZoom(300.0);
    zona->move(600, 900);
    EXPECT_EQ(zona->pos(), QPoint(600, 900));
    EXPECT_DOUBLE_EQ(zona->LeftMm(), 600 * 25.4 / pagina->Dpi());
    EXPECT_DOUBLE_EQ(zona->TopMm(), 900 * 25.4 / pagina->Dpi());
    EXPECT_EQ(zona->ZoomLock(), 300.0);
}

TEST_F(Pagina, ZonaFaraZoomLockIaMilimetriiSiZoomul) {
    zona->move(100, 200);
    EXPECT_EQ(zona->pos(), QPoint(100, 200));
    EXPECT_DOUBLE_EQ(zona->LeftMm(), PixeliLaMm(100, pagina->Dpi()));
    EXPECT_DOUBLE_EQ(zona->TopMm(), PixeliLaMm(200, pagina->Dpi()));
    EXPECT_EQ(zona->ZoomLock(), 100.0);
}

TEST_F(Pagina, MilimetriiNuMutaZonaPanaLaZoomSchimbat) {
    zona->SeteazaLeftMm(50.0);
    EXPECT_EQ(zona->x(), 164);
    zona->ZoomSchimbat();
    EXPECT_EQ(zona->x(), MmLaPixeli(pagina->Dpi(), 50.0));
    EXPECT_EQ(zona->LeftMm(), 50.0);
}

TEST_F(Pagina, AcelasiZoomNuReaseazaZonele) {
    // Bounds given while the page is read are kept as they are, until the zoom really changes.
    pagina->SeteazaCitire(true);
    zona->setGeometry(1, 2, 3, 4);
    pagina->SeteazaCitire(false);
    EXPECT_EQ(zona->geometry(), QRect(1, 2, 3, 4));
    EXPECT_EQ(zona->LeftMm(), 41.43797790507499);
    pagina->SeteazaZoom(100.0);
    EXPECT_EQ(zona->geometry(), QRect(1, 2, 3, 4));
    pagina->SeteazaZoom(110.0);
    pagina->SeteazaZoom(100.0);
    EXPECT_EQ(zona->geometry(), QRect(164, 305, 197, 17));
}

TEST_F(Pagina, FonturileIsiAnuntaZonele) {
    EXPECT_EQ(font->Abonati(), QList<TFormularTextArea*>{zona});
    auto* altul = new TFontFormular(&fereastra);
    zona->SeteazaFont(altul);
    EXPECT_TRUE(font->Abonati().isEmpty());
    EXPECT_EQ(altul->Abonati(), QList<TFormularTextArea*>{zona});
    delete altul;
    EXPECT_EQ(zona->Font(), nullptr);

    zona->SeteazaFont(font);
    delete zona;
    EXPECT_TRUE(font->Abonati().isEmpty());
}

TEST_F(Pagina, ValoriEfectiveCuParticularizare) {
    auto* aldin = new TFontFormular(&fereastra);
    aldin->SeteazaBold(true);
    aldin->SeteazaItalic(true);
    TAjustareTextArea ajustare;
    SursaAjustari() = [&](const TFormularTextArea&) {
        return &ajustare;
    };

    struct Caz {
        const char* descriere;
        QString text;
        std::function<void(TAjustareTextArea&)> ajusteaza;
        QString textEfectiv;
        TAliniere aliniere;
        bool bold;
        bool italic;
        QString fata;
    };
    const QString arial = QStringLiteral("Arial");
    const std::vector<Caz> cazuri = {
        {"neutra", "ION", [](auto&) {}, "ION", TAliniere::Centru, false, false, arial},
        {"text redefinit", "ION", [](auto& a) { a.TextRedefinit = "X"; }, "X", TAliniere::Centru,
         false, false, arial},
        {"text redefinit, zona goala", "", [](auto& a) { a.TextRedefinit = "X"; }, "X",
         TAliniere::Centru, false, false, arial},
        {"o cifra ramane", "7", [](auto& a) { a.TextRedefinit = "X"; }, "7", TAliniere::Centru,
         false, false, arial},
        {"aliniere dreapta", "A", [](auto& a) { a.Aliniere = 3; }, "A", TAliniere::Dreapta, false,
         false, arial},
        {"aliniere stanga", "A", [](auto& a) { a.Aliniere = 1; }, "A", TAliniere::Stanga, false,
         false, arial},
        {"font ales", "A", [&](auto& a) { a.FontAles = aldin; }, "A", TAliniere::Centru, true, true,
         arial},
        {"font ales, fara bold si italic", "A",
         [&](auto& a) {
             a.FontAles = aldin;
             a.StilBold = 2;
             a.StilItalic = 2;
         },
         "A", TAliniere::Centru, false, false, arial},
        {"bold si italic fortate", "A",
         [](auto& a) {
             a.StilBold = 1;
             a.StilItalic = 1;
         },
         "A", TAliniere::Centru, true, true, arial},
        {"alta fata", "A", [](auto& a) { a.FontSpecificat = "Liberation Serif"; }, "A",
         TAliniere::Centru, false, false, "Liberation Serif"},
    };
    for (const Caz& caz : cazuri) {
        SCOPED_TRACE(caz.descriere);
        ajustare = {};
        caz.ajusteaza(ajustare);
        zona->SeteazaText(caz.text);
        const TTextEfectiv efectiv = zona->ValoriEfective();
        EXPECT_EQ(efectiv.Text, caz.textEfectiv);
        EXPECT_EQ(efectiv.Aliniere, caz.aliniere);
        EXPECT_EQ(efectiv.Bold, caz.bold);
        EXPECT_EQ(efectiv.Italic, caz.italic);
        EXPECT_EQ(efectiv.Fata, caz.fata);
    }
}

TEST_F(Pagina, TiparireaAseazaTextulJosSiLaCentru) {
    zona->SeteazaText(QStringLiteral("POPESCU"));
    auto cuvinte = Tipareste();
    ASSERT_EQ(cuvinte.size(), 1u);
    const TCuvantPdf& c = cuvinte[0];
    EXPECT_EQ(c.Text, QStringLiteral("POPESCU"));
    EXPECT_NEAR(c.JosMm, zona->TopMm() + zona->HeightMm(), 0.05);
    EXPECT_NEAR(c.CentruXMm(), zona->LeftMm() + zona->WidthMm() / 2.0, 0.05);
    // A text that fits is printed at its font's own cell height.
    EXPECT_NEAR(c.InaltimeMm(), 4.0, 0.05);

    // Offsets of the print job and of the page add up.
    pagina->SeteazaDeltaStanga(0.5);
    pagina->SeteazaDeltaSus(-1.0);
    cuvinte = Tipareste(1200, false, 1.5, 2.0);
    ASSERT_EQ(cuvinte.size(), 1u);
    EXPECT_NEAR(cuvinte[0].CentruXMm(), c.CentruXMm() + 2.0, 0.05);
    EXPECT_NEAR(cuvinte[0].JosMm, c.JosMm + 1.0, 0.05);
}

// The sheet's corner is the origin of every position, whatever corner the painter starts at and
// wherever the driver's printable area begins: each offset is accounted for exactly once.
TEST_F(Pagina, OriginePictorSiDecalajFizic) {
    zona->SeteazaText(QStringLiteral("POPESCU"));
    const auto referinta = Tipareste();
    ASSERT_EQ(referinta.size(), 1u);

    const QString cale = dosar.filePath(QStringLiteral("margini.pdf"));
    TiparestePdf(
        cale, 1200,
        [&](QPainter& pictor, const TMasuriDispozitiv& masuri) {
            EXPECT_GT(masuri.OriginePictor.x(), 0);
            pagina->Tipareste(pictor, masuri, false, DirectorModificari(), 0.0, 0.0);
        },
        QMarginsF(12.0, 9.0, 5.0, 5.0));
    auto cuvinte = CuvintePdf(cale);
    ASSERT_EQ(cuvinte.size(), 1u);
    EXPECT_NEAR(cuvinte[0].StangaMm, referinta[0].StangaMm, 0.01);
    EXPECT_NEAR(cuvinte[0].JosMm, referinta[0].JosMm, 0.01);

    // A driver whose printable area starts 4 mm in, its painter at that corner.
    TiparestePdf(cale, 1200, [&](QPainter& pictor, const TMasuriDispozitiv& masuri) {
        TMasuriDispozitiv imprimanta = masuri;
        imprimanta.DecalajFizicX = imprimanta.DecalajFizicY = 189;
        imprimanta.OriginePictor = QPoint(189, 189);
        imprimanta.LatimeTiparibila -= 2 * 189;
        imprimanta.InaltimeTiparibila -= 2 * 189;
        imprimanta.LatimeTiparibilaMm = imprimanta.LatimeTiparibila * 25.4 / 1200;
        imprimanta.InaltimeTiparibilaMm = imprimanta.InaltimeTiparibila * 25.4 / 1200;
        pictor.translate(189, 189);
        pagina->Tipareste(pictor, imprimanta, false, DirectorModificari(), 0.0, 0.0);
    });
    cuvinte = CuvintePdf(cale);
    ASSERT_EQ(cuvinte.size(), 1u);
    EXPECT_NEAR(cuvinte[0].StangaMm, referinta[0].StangaMm, 0.01);
    EXPECT_NEAR(cuvinte[0].JosMm, referinta[0].JosMm, 0.01);

    // A customization's half-millimetre shifts apply on paper.
    TAjustareTextArea ajustare;
    ajustare.DeplasareOrizontala = 1;
    ajustare.DeplasareVerticala = -1;
    SursaAjustari() = [&](const TFormularTextArea&) {
        return &ajustare;
    };
    cuvinte = Tipareste();
    ASSERT_EQ(cuvinte.size(), 1u);
    // Within a device unit or so: positions round to whole units.
    EXPECT_NEAR(cuvinte[0].StangaMm, referinta[0].StangaMm + 0.5, 0.03);
    EXPECT_NEAR(cuvinte[0].JosMm, referinta[0].JosMm - 0.5, 0.03);
}

TEST_F(Pagina, MouseulDeasupraEvidentiazaZona) {
    zona->SeteazaText(QString());
    QEnterEvent intrare(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(zona, &intrare);
    EXPECT_TRUE(zona->MouseDeasupra());
    EXPECT_EQ(zona->grab().toImage().pixelColor(3, 3), zona->palette().highlight().color());
    QEvent iesire(QEvent::Leave);
    QCoreApplication::sendEvent(zona, &iesire);
    EXPECT_FALSE(zona->MouseDeasupra());
}

TEST_F(Pagina, AlinierileLaStangaSiLaDreapta) {
    zona->SeteazaText(QStringLiteral("ION"));
    auto* dreapta = ZonaNoua(150.0, 100.0, 60.0, 5.0, QStringLiteral("VASILE"), TAliniere::Dreapta);
    zona->SeteazaAlignment(TAliniere::Stanga);
    const auto cuvinte = Tipareste();
    ASSERT_EQ(cuvinte.size(), 2u);
    EXPECT_NEAR(cuvinte[0].StangaMm, zona->LeftMm(), 0.1);
    EXPECT_NEAR(cuvinte[1].DreaptaMm, dreapta->LeftMm() + dreapta->WidthMm(), 0.1);
}

TEST_F(Pagina, FontulNuDepasesteInaltimeaZoneiPeHartie) {
    zona->SeteazaHeightMm(3.0);
    zona->SeteazaText(QStringLiteral("ION"));
    const auto cuvinte = Tipareste();
    ASSERT_EQ(cuvinte.size(), 1u);
    EXPECT_NEAR(cuvinte[0].InaltimeMm(), 3.0, 0.05);
    EXPECT_NEAR(cuvinte[0].JosMm, zona->TopMm() + 3.0, 0.05);
}

TEST_F(Pagina, TextulLatSeMicsoreazaPanaIncape) {
    zona->SeteazaText(QStringLiteral("POPESCU-IONESCU ANDREEA-MIHAELA"));
    const auto cuvinte = Tipareste();
    ASSERT_EQ(cuvinte.size(), 2u);
    const double latime = cuvinte[1].DreaptaMm - cuvinte[0].StangaMm;
    EXPECT_LE(latime, zona->WidthMm() + 0.02);
    // Shrunk by whole device units only as far as needed: one unit more would not fit.
    const double unitateMm = 25.4 / 1200.0;
    const double inaltime = cuvinte[0].InaltimeMm();
    EXPECT_LT(inaltime, 4.0);
    EXPECT_GT(latime * (inaltime + unitateMm) / inaltime, zona->WidthMm() - 0.02);
}

TEST_F(Pagina, MicsorareaSeOpresteLaDouaUnitati) {
    zona->SeteazaText(QString(200, u'W'));
    const auto cuvinte = Tipareste(72);
    ASSERT_EQ(cuvinte.size(), 1u);
    // A cell of 2 points (the PDF writer rounds the em to whole units at this resolution).
    const double inaltimePuncte = cuvinte[0].InaltimeMm() * 72.0 / 25.4;
    EXPECT_GT(inaltimePuncte, 1.5);
    EXPECT_LT(inaltimePuncte, 2.5);
    EXPECT_GT(cuvinte[0].DreaptaMm - cuvinte[0].StangaMm, zona->WidthMm());
}

TEST_F(Pagina, ZonaFaraFontNuTiparesteNimic) {
    zona->SeteazaText(QStringLiteral("ION"));
    zona->SeteazaFont(nullptr);
    EXPECT_TRUE(Tipareste().empty());
}

// Renders the first page of a PDF at 254 dpi: one pixel is a tenth of a millimetre.
QImage Randeaza(const QString& pdf) {
    QProcess proces;
    proces.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-gray"),
                  QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, pdf});
    EXPECT_TRUE(proces.waitForFinished(30000));
    return QImage(pdf + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

TEST_F(Pagina, TiparireaRotitaIntoarceFoaiaCuSusulInJos) {
    zona->SeteazaText(QStringLiteral("POPESCU"));
    Aseaza(zona, 5.0, 4.0, 60.0, 7.0);
    const auto normal = Tipareste(254, false, 0.0, 0.0, QStringLiteral("normal.pdf"));
    const auto rotit = Tipareste(254, true, 0.0, 0.0, QStringLiteral("rotit.pdf"));
    ASSERT_EQ(normal.size(), 1u);
    ASSERT_EQ(rotit.size(), 1u);
    // The top-left text lands at the bottom-right of the A4 sheet.
    // The PDF's A4 sheet is 842 x 595 points.
    EXPECT_NEAR(rotit[0].StangaMm, 842 * 25.4 / 72 - normal[0].DreaptaMm, 0.05);
    EXPECT_NEAR(rotit[0].SusMm, 595 * 25.4 / 72 - normal[0].JosMm, 0.05);
    EXPECT_GT(rotit[0].StangaMm, 200.0);

    // Upside down: the rotated sheet is the normal one turned by a half turn, pixel for pixel.
    const QImage imagineNormala = Randeaza(dosar.filePath(QStringLiteral("normal.pdf")));
    const QImage imagineRotita = Randeaza(dosar.filePath(QStringLiteral("rotit.pdf")));
    ASSERT_EQ(imagineNormala.size(), imagineRotita.size());
    // The sheet is the PDF's 842 x 595 points; the raster may place the two prints up to one
    // pixel apart, so the best of the nine alignments is compared.
    const int latime = int(842 * 254 / 72.0);
    const int inaltime = int(595 * 254 / 72.0);
    int cerneala = 0;
    int diferite = std::numeric_limits<int>::max();
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            int cernealaAici = 0;
            int diferiteAici = 0;
            for (int y = 1; y < inaltime - 1; ++y)
                for (int x = 1; x < latime - 1; ++x) {
                    const int a =
                        qGray(imagineNormala.pixel(latime - 1 - x + dx, inaltime - 1 - y + dy));
                    const int b = qGray(imagineRotita.pixel(x, y));
                    cernealaAici += a < 128;
                    diferiteAici += std::abs(a - b) > 96;
                }
            cerneala = cernealaAici;
            diferite = std::min(diferite, diferiteAici);
        }
    EXPECT_GT(cerneala, 500);
    EXPECT_LT(diferite, cerneala / 10);
}
} // namespace
