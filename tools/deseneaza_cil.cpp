// Draws the picture of the blank certificate, the background of the print preview, from the
// certificate's layout: the printed captions stand beside the fields and the digit boxes around
// the digit areas, so the preview shows each text where the blank expects it.
// Usage: deseneaza_cil LAYOUT.macheta OUTPUT.bin [PREVIEW.png]

#include "layout/FormularDePrintat.h"
#include "layout/Macheta.h"
#include "util/Eroare.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>
#include <map>

namespace {
constexpr double Dpi = 200.0;
constexpr double PxPeMm = Dpi / 25.4;

const QColor Hartie(248, 246, 238);
const QColor Cerneala(28, 48, 74);
const QColor Chenar(46, 84, 72);
const QColor Model1(208, 226, 216);
const QColor Model2(228, 218, 198);

// The two parts of the sheet: the counterfoil on the left, the certificate on the right.
constexpr double CotorStanga = 6.0, CotorDreapta = 100.0;
constexpr double CertificatStanga = 116.0, CertificatDreapta = 284.3;
constexpr double ChenarSus = 7.0, ChenarJos = 202.6;

enum class Loc { Inainte, Deasupra, Dedesubt };
struct Eticheta {
    Loc loc;
    QString text;
};

// The captions the blank prints beside each field.
const std::multimap<QString, Eticheta>& Etichete() {
    static const std::multimap<QString, Eticheta> etichete = {
        {"C_AN_ABSOLVIRE", {Loc::Inainte, "a absolvit ciclul inferior al liceului în anul 200"}},
        {"C_UNITATEA_L1", {Loc::Inainte, "la"}},
        {"C_UNITATEA_L2", {Loc::Dedesubt, "(unitatea de învățământ)"}},
        {"C_COD_SIRUES", {Loc::Inainte, "cod SIRUES"}},
        {"C_LOCALITATEA", {Loc::Inainte, "localitatea"}},
        {"C_JUDETUL", {Loc::Inainte, "județul"}},
        {"C_FILIERA", {Loc::Inainte, "filiera"}},
        {"C_PROFILUL", {Loc::Inainte, "profilul"}},
        {"C_SPECIALIZAREA", {Loc::Inainte, "specializarea"}},
        {"C_CNP", {Loc::Inainte, "CNP"}},
        {"C_DIRECTOR", {Loc::Deasupra, "DIRECTOR,"}},
        {"C_SECRETAR", {Loc::Inainte, "SECRETAR,"}},
        {"C_REG_NR", {Loc::Inainte, "Nr."}},
        {"C_REG_AN", {Loc::Inainte, "din anul 200"}},
        {"C_REG_LUNA", {Loc::Inainte, "luna"}},
        {"C_REG_ZIUA", {Loc::Inainte, "ziua"}},
        {"A_AN_ABSOLVIRE", {Loc::Inainte, "a absolvit ciclul inferior al liceului în anul 200"}},
        {"A_UNITATEA_L1", {Loc::Inainte, "la"}},
        {"A_UNITATEA_L2", {Loc::Dedesubt, "(denumirea unității de învățământ)"}},
        {"A_COD_SIRUES", {Loc::Inainte, "cod SIRUES"}},
        {"A_LOCALITATEA_L1", {Loc::Inainte, "din localitatea"}},
        {"A_JUDETUL", {Loc::Inainte, "județul"}},
        {"A_FILIERA", {Loc::Inainte, "filiera"}},
        {"A_PROFILUL", {Loc::Inainte, "profilul"}},
        {"A_SPECIALIZAREA", {Loc::Inainte, "specializarea"}},
        {"A_CNP", {Loc::Inainte, "CNP"}},
        {"A_DIRECTOR", {Loc::Deasupra, "DIRECTOR,"}},
        {"A_SECRETAR", {Loc::Deasupra, "SECRETAR,"}},
        {"A_REG_NR", {Loc::Inainte, "Nr."}},
        {"A_REG_AN", {Loc::Inainte, "Eliberat la data de: anul 200"}},
        {"A_REG_LUNA", {Loc::Inainte, "luna"}},
        {"A_REG_ZIUA", {Loc::Inainte, "ziua"}},
    };
    return etichete;
}

double Px(double mm) {
    return mm * PxPeMm;
}
QPointF Px(double xMm, double yMm) {
    return {Px(xMm), Px(yMm)};
}
QRectF Px(const QRectF& mm) {
    return {Px(mm.x()), Px(mm.y()), Px(mm.width()), Px(mm.height())};
}

// A serif face whose capitals are about `majusculeMm` high.
QFont Font(double majusculeMm, bool bold = false, bool italic = false,
           const QString& fata = QStringLiteral("Liberation Serif")) {
    QFont font(fata);
    font.setPixelSize(qMax(1, qRound(Px(majusculeMm) / 0.66)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

class TDesen {
public:
    TDesen(const TDescriereMacheta& macheta)
        : macheta_(macheta)
        , imagine_(qRound(Px(macheta.Pagina.LatimeMm)), qRound(Px(macheta.Pagina.InaltimeMm)),
                   QImage::Format_RGB32) {
        imagine_.setDotsPerMeterX(qRound(Dpi / 0.0254));
        imagine_.setDotsPerMeterY(qRound(Dpi / 0.0254));
    }

    QImage Deseneaza() {
        imagine_.fill(Hartie);
        QPainter p(&imagine_);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        Model(p);
        Chenare(p);
        Antete(p);
        for (const TDescriereZona& zona : macheta_.Zone)
            Camp(p, zona);
        Subsol(p);
        return imagine_;
    }

private:
    // Fine wavy lines and a rosette, as security paper carries.
    void Model(QPainter& p) {
        const double latime = macheta_.Pagina.LatimeMm;
        p.setPen(QPen(Model1, Px(0.12)));
        for (double y0 = ChenarSus; y0 < ChenarJos; y0 += 2.4) {
            QPainterPath linie;
            for (double x = 0; x <= latime; x += 0.5) {
                const double y =
                    y0 + 0.9 * std::sin(x / 6.0 + y0 * 0.31) + 0.35 * std::sin(x / 1.7 + y0);
                if (x == 0)
                    linie.moveTo(Px(x, y));
                else
                    linie.lineTo(Px(x, y));
            }
            p.drawPath(linie);
        }
        Rozeta(p, QPointF((CertificatStanga + CertificatDreapta) / 2.0, 128.0), 44.0, Model2);
        Rozeta(p, QPointF((CotorStanga + CotorDreapta) / 2.0, 128.0), 30.0, Model2);
    }

    static void Rozeta(QPainter& p, QPointF centruMm, double razaMm, const QColor& culoare) {
        p.setPen(QPen(culoare, Px(0.15)));
        for (int k = 0; k < 24; ++k) {
            QPainterPath curba;
            const double faza = k * M_PI / 12.0;
            for (int i = 0; i <= 720; ++i) {
                const double t = i * M_PI / 360.0;
                const double r = razaMm * (0.62 + 0.38 * std::cos(7.0 * t));
                const QPointF punct(centruMm.x() + r * std::cos(t + faza) * 0.98,
                                    centruMm.y() + r * std::sin(t + faza) * 0.72);
                if (i == 0)
                    curba.moveTo(Px(punct.x(), punct.y()));
                else
                    curba.lineTo(Px(punct.x(), punct.y()));
            }
            p.drawPath(curba);
        }
    }

    static void ChenarDublu(QPainter& p, double stanga, double dreapta) {
        const QRectF exterior(stanga, ChenarSus, dreapta - stanga, ChenarJos - ChenarSus);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Chenar, Px(0.7)));
        p.drawRect(Px(exterior));
        p.setPen(QPen(Chenar, Px(0.2)));
        p.drawRect(Px(exterior.adjusted(1.4, 1.4, -1.4, -1.4)));
        // Small squares at the corners.
        p.setBrush(Chenar);
        for (const QPointF colt : {exterior.topLeft(), exterior.topRight(), exterior.bottomLeft(),
                                   exterior.bottomRight()})
            p.drawRect(Px(QRectF(colt.x() - 1.1, colt.y() - 1.1, 2.2, 2.2)));
        p.setBrush(Qt::NoBrush);
    }

    void Chenare(QPainter& p) {
        ChenarDublu(p, CotorStanga, CotorDreapta);
        ChenarDublu(p, CertificatStanga, CertificatDreapta);
        // Where the counterfoil is torn off.
        QPen perforatie(QColor(120, 120, 120), Px(0.25));
        perforatie.setDashPattern({6.0, 5.0});
        p.setPen(perforatie);
        const double x = (CotorDreapta + CertificatStanga) / 2.0;
        p.drawLine(Px(x, 3.0), Px(x, macheta_.Pagina.InaltimeMm - 3.0));
    }

    static void TextCentrat(QPainter& p, double xMm, double bazaMm, const QString& text,
                            const QFont& font, double latimeMaximaMm = 0.0) {
        QFont f = font;
        if (latimeMaximaMm > 0.0) {
            const double latime = QFontMetricsF(f).horizontalAdvance(text);
            if (latime > Px(latimeMaximaMm))
                f.setPixelSize(qMax(1, int(f.pixelSize() * Px(latimeMaximaMm) / latime)));
        }
        p.setFont(f);
        const double latime = QFontMetricsF(f).horizontalAdvance(text);
        p.drawText(QPointF(Px(xMm) - latime / 2.0, Px(bazaMm)), text);
    }

    static void Stema(QPainter& p, double xMm, double susMm, double latimeMm) {
        const double h = latimeMm * 1.2;
        QPainterPath scut;
        scut.moveTo(Px(xMm - latimeMm / 2, susMm));
        scut.lineTo(Px(xMm + latimeMm / 2, susMm));
        scut.lineTo(Px(xMm + latimeMm / 2, susMm + h * 0.55));
        scut.quadTo(Px(xMm + latimeMm / 2, susMm + h * 0.9), Px(xMm, susMm + h));
        scut.quadTo(Px(xMm - latimeMm / 2, susMm + h * 0.9),
                    Px(xMm - latimeMm / 2, susMm + h * 0.55));
        scut.closeSubpath();
        p.save();
        p.setClipPath(scut);
        const QColor culori[] = {QColor(0, 43, 127), QColor(252, 209, 22), QColor(206, 17, 38)};
        for (int i = 0; i < 3; ++i)
            p.fillRect(Px(QRectF(xMm - latimeMm / 2 + i * latimeMm / 3, susMm, latimeMm / 3, h)),
                       culori[i]);
        p.restore();
        p.setPen(QPen(Cerneala, Px(0.35)));
        p.drawPath(scut);
    }

    void Antet(QPainter& p, double stanga, double dreapta, double scara) {
        const double centru = (stanga + dreapta) / 2.0;
        const double latime = dreapta - stanga - 8.0;
        p.setPen(Cerneala);
        Stema(p, centru, 11.0, 8.0 * scara);
        double y = 11.0 + 9.6 * scara + 5.0 * scara;
        TextCentrat(p, centru, y, QStringLiteral("ROMÂNIA"), Font(3.6 * scara, true), latime);
        y += 5.0 * scara;
        TextCentrat(p, centru, y, QStringLiteral("MINISTERUL EDUCAȚIEI, CERCETĂRII ȘI INOVĂRII"),
                    Font(2.3 * scara), latime);
        y += 11.0 * scara;
        TextCentrat(p, centru, y, QStringLiteral("CERTIFICAT DE ABSOLVIRE"),
                    Font(5.2 * scara, true), latime);
        y += 7.5 * scara;
        TextCentrat(p, centru, y, QStringLiteral("A CICLULUI INFERIOR AL LICEULUI"),
                    Font(3.9 * scara, true), latime);
        y += 7.0 * scara;
        TextCentrat(p, centru, y, QStringLiteral("Seria ........  Nr. ..................."),
                    Font(2.6 * scara), latime);
    }

    void Antete(QPainter& p) {
        Antet(p, CotorStanga, CotorDreapta, 0.8);
        Antet(p, CertificatStanga, CertificatDreapta, 1.0);
        p.setFont(Font(2.5, false, true));
        p.drawText(Px(CertificatStanga + 6.0, 71.0),
                   QStringLiteral("Prin prezentul se certifică faptul că"));
        p.setFont(Font(2.2, false, true));
        p.drawText(Px(CotorStanga + 4.0, 72.0), QStringLiteral("Se certifică faptul că"));
    }

    // The left edge of the free space before an area: the part's inner frame or the right edge
    // of the nearest area on the same row.
    double InceputRand(const TDescriereZona& zona) const {
        double stanga = (zona.LeftMm < CotorDreapta ? CotorStanga : CertificatStanga) + 3.0;
        for (const TDescriereZona& alta : macheta_.Zone) {
            const double suprapunere =
                std::min(alta.TopMm + alta.HeightMm, zona.TopMm + zona.HeightMm) -
                std::max(alta.TopMm, zona.TopMm);
            const double dreapta = alta.LeftMm + alta.WidthMm;
            if (&alta != &zona && suprapunere > 0.5 * std::min(alta.HeightMm, zona.HeightMm) &&
                dreapta <= zona.LeftMm + 0.01)
                stanga = std::max(stanga, dreapta + 1.0);
        }
        return stanga;
    }

    double MarimeFont(const TDescriereZona& zona) const {
        for (const TDescriereFont& font : macheta_.Fonturi)
            if (font.Nume == zona.Font)
                return std::min(font.SizeMm, zona.HeightMm);
        return zona.HeightMm;
    }

    void Camp(QPainter& p, const TDescriereZona& zona) {
        const QRectF dreptunghi(zona.LeftMm, zona.TopMm, zona.WidthMm, zona.HeightMm);
        // The base line of the filled text: the area's bottom less the font's descent.
        const double baza = zona.TopMm + zona.HeightMm - 0.21 * MarimeFont(zona);
        if (!zona.Denumire2.isEmpty()) {
            // A box for one digit.
            p.setPen(QPen(Cerneala, Px(0.22)));
            p.setBrush(QColor(255, 255, 255, 150));
            p.drawRect(Px(dreptunghi.adjusted(-0.6, -0.3, 0.6, 0.5)));
            p.setBrush(Qt::NoBrush);
        } else {
            QPen punctat(Cerneala, Px(0.18));
            punctat.setDashPattern({1.0, 2.0});
            p.setPen(punctat);
            p.drawLine(Px(zona.LeftMm, baza + 0.5), Px(zona.LeftMm + zona.WidthMm, baza + 0.5));
        }

        const auto [inceput, sfarsit] = Etichete().equal_range(zona.Camp);
        for (auto it = inceput; it != sfarsit; ++it) {
            const Eticheta& eticheta = it->second;
            // Digit boxes after the first do not repeat the caption.
            if (!zona.Denumire2.isEmpty() && zona.Denumire2 != QStringLiteral("1") &&
                zona.Denumire2 != QStringLiteral("4"))
                continue;
            p.setPen(Cerneala);
            if (eticheta.loc == Loc::Inainte) {
                const double dreapta = zona.LeftMm - (zona.Denumire2.isEmpty() ? 1.0 : 1.2);
                QFont font = Font(2.4, false, true);
                const double disponibil = Px(dreapta - InceputRand(zona));
                double latime = QFontMetricsF(font).horizontalAdvance(eticheta.text);
                if (latime > disponibil) {
                    font.setPixelSize(qMax(1, int(font.pixelSize() * disponibil / latime)));
                    latime = QFontMetricsF(font).horizontalAdvance(eticheta.text);
                }
                p.setFont(font);
                p.drawText(QPointF(Px(dreapta) - latime, Px(baza)), eticheta.text);
            } else if (eticheta.loc == Loc::Deasupra) {
                TextCentrat(p, zona.LeftMm + zona.WidthMm / 2.0, zona.TopMm - 1.5, eticheta.text,
                            Font(2.6, true));
            } else {
                TextCentrat(p, zona.LeftMm + zona.WidthMm / 2.0, baza + 2.0, eticheta.text,
                            Font(1.25, false, true));
            }
        }
    }

    void Subsol(QPainter& p) {
        p.setPen(Cerneala);
        TextCentrat(p, 205.0, 168.0, QStringLiteral("L.S."), Font(2.6, true));
        p.setFont(Font(2.0, false, true));
        p.drawText(Px(CertificatStanga + 6.0, 196.0),
                   QStringLiteral("Certificatul se eliberează absolvenților ciclului inferior al "
                                  "liceului, conform legii."));
        p.drawText(Px(CotorStanga + 4.0, 197.0),
                   QStringLiteral("Am primit certificatul: ............................"));
    }

    const TDescriereMacheta& macheta_;
    QImage imagine_;
};

QByteArray Jpeg(const QImage& imagine) {
    QByteArray date;
    QBuffer tampon(&date);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter scriitor(&tampon, "JPEG");
    scriitor.setQuality(88);
    if (!scriitor.write(imagine))
        throw Eroare(
            QStringLiteral("Nu pot codifica imaginea JPEG: %1").arg(scriitor.errorString()));
    return date;
}
} // namespace

int main(int argc, char** argv) {
    // Draws without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicatie(argc, argv);
    const QStringList argumente = aplicatie.arguments();
    if (argumente.size() != 3 && argumente.size() != 4) {
        std::fprintf(stderr,
                     "folosire: deseneaza_cil MACHETA.macheta IESIRE.bin [PREVIZUALIZARE.png]\n");
        return 2;
    }
    try {
        const TDescriereMacheta macheta = CitesteFisierMacheta(argumente[1]);
        const QImage imagine = TDesen(macheta).Deseneaza();
        ScrieFisierFundal(argumente[2], Jpeg(imagine));
        if (argumente.size() == 4 && !imagine.save(argumente[3]))
            throw Eroare(QStringLiteral("Nu pot scrie in fisierul %1").arg(argumente[3]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "deseneaza_cil: %s\n", qPrintable(MesajExceptie(e)));
        return 1;
    }
    return 0;
}
