#include "MasuraPdf.h"

#include "layout/MasuriDispozitiv.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

void TiparestePdf(const QString& cale, int dpi,
                  const std::function<void(QPainter&, const TMasuriDispozitiv&)>& deseneaza,
                  const QMarginsF& marginiMm) {
    QPrinter imprimanta(QPrinter::HighResolution);
    imprimanta.setOutputFormat(QPrinter::PdfFormat);
    imprimanta.setOutputFileName(cale);
    imprimanta.setPageSize(QPageSize(QPageSize::A4));
    imprimanta.setPageOrientation(QPageLayout::Landscape);
    imprimanta.setResolution(dpi);
    imprimanta.setFullPage(marginiMm.isNull());
    if (!marginiMm.isNull())
        imprimanta.setPageMargins(marginiMm, QPageLayout::Millimeter);
    QPainter pictor(&imprimanta);
    deseneaza(pictor, MasuriImprimanta(imprimanta));
}

std::vector<TCuvantPdf> CuvintePdf(const QString& cale) {
    const QString html = cale + QStringLiteral(".html");
    QProcess proces;
    proces.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), cale, html});
    EXPECT_TRUE(proces.waitForFinished(30000));
    EXPECT_EQ(proces.exitCode(), 0) << proces.readAllStandardError().toStdString();
    QFile fisier(html);
    EXPECT_TRUE(fisier.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(fisier.readAll());

    constexpr double MmPePunct = 25.4 / 72.0;
    static const QRegularExpression cuvant(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<TCuvantPdf> cuvinte;
    for (const QRegularExpressionMatch& m : cuvant.globalMatch(text)) {
        TCuvantPdf c;
        c.StangaMm = m.captured(1).toDouble() * MmPePunct;
        c.SusMm = m.captured(2).toDouble() * MmPePunct;
        c.DreaptaMm = m.captured(3).toDouble() * MmPePunct;
        c.JosMm = m.captured(4).toDouble() * MmPePunct;
        c.Text = m.captured(5)
                     .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
                     .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        cuvinte.push_back(c);
    }
    return cuvinte;
}
