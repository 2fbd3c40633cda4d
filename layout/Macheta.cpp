#include "layout/Macheta.h"

#include "layout/FormularDePrintat.h"
#include "util/Eroare.h"

#include <QFile>
#include <QSet>
#include <QWidget>
#include <functional>
#include <map>

const QString MachetaCertificatCIL = QStringLiteral(":/macheta/CertificatCIL.macheta");

namespace {
class TCititorMacheta {
public:
    TCititorMacheta(const QString& sursa)
        : sursa_(sursa) {}

    [[noreturn]] void Eroare_(const QString& mesaj) const {
        throw Eroare(QStringLiteral("%1, linia %2: %3").arg(sursa_).arg(linie_).arg(mesaj));
    }

    QStringList Coloane(const QString& rand, int numar) {
        QStringList coloane = rand.split(u'|');
        if (coloane.size() != numar)
            Eroare_(QStringLiteral("%1 coloane in loc de %2").arg(coloane.size()).arg(numar));
        for (QString& coloana : coloane) {
            coloana = coloana.trimmed();
            if (coloana.size() >= 2 && coloana.startsWith(u'"') && coloana.endsWith(u'"'))
                coloana = coloana.mid(1, coloana.size() - 2);
        }
        return coloane;
    }

    double Real(const QString& text, const char* ce) const {
        bool ok = false;
        const double valoare = text.toDouble(&ok);
        if (!ok)
            Eroare_(QStringLiteral("%1: \"%2\" nu este un numar").arg(QLatin1String(ce), text));
        return valoare;
    }

    int Intreg(const QString& text, const char* ce) const {
        bool ok = false;
        const int valoare = text.toInt(&ok);
        if (!ok)
            Eroare_(
                QStringLiteral("%1: \"%2\" nu este un numar intreg").arg(QLatin1String(ce), text));
        return valoare;
    }

    bool DaNu(const QString& text, const char* ce) const {
        if (text == QStringLiteral("da"))
            return true;
        if (text == QStringLiteral("nu"))
            return false;
        Eroare_(QStringLiteral("%1: \"%2\" nu este da sau nu").arg(QLatin1String(ce), text));
    }

    TAliniere Aliniere(const QString& text) const {
        if (text == QStringLiteral("stanga"))
            return TAliniere::Stanga;
        if (text == QStringLiteral("dreapta"))
            return TAliniere::Dreapta;
        if (text == QStringLiteral("centru"))
            return TAliniere::Centru;
        Eroare_(QStringLiteral("alinierea \"%1\" nu este stanga, centru sau dreapta").arg(text));
    }

    void Pagina(const QString& rand, TDescrierePagina& pagina) {
        const int egal = rand.indexOf(u'=');
        if (egal < 0)
            Eroare_(QStringLiteral("lipseste \"=\""));
        const QString cheie = rand.left(egal).trimmed();
        const QString valoare = rand.mid(egal + 1).trimmed();
        const std::map<QString, std::function<void()>> chei = {
            {QStringLiteral("Nume"),
             [&] {
                 pagina.Nume = valoare;
             }},
            {QStringLiteral("CodFormular"),
             [&] {
                 pagina.CodFormular = valoare;
             }},
            {QStringLiteral("CodPagina"),
             [&] {
                 pagina.CodPagina = valoare;
             }},
            {QStringLiteral("Zoom"),
             [&] {
                 pagina.Zoom = Real(valoare, "Zoom");
             }},
            {QStringLiteral("Latime"),
             [&] {
                 pagina.LatimeMm = Real(valoare, "Latime");
             }},
            {QStringLiteral("Inaltime"),
             [&] {
                 pagina.InaltimeMm = Real(valoare, "Inaltime");
             }},
            {QStringLiteral("TextAreaBaseLine2_delta"),
             [&] {
                 pagina.BaseLine2DeltaMm = Real(valoare, "TextAreaBaseLine2_delta");
             }},
            {QStringLiteral("TextAreaTopLine1_delta"),
             [&] {
                 pagina.TopLine1DeltaMm = Real(valoare, "TextAreaTopLine1_delta");
             }},
            {QStringLiteral("BkImage_FileName"),
             [&] {
                 pagina.BkImage_FileName = valoare;
             }},
        };
        const auto gasita = chei.find(cheie);
        if (gasita == chei.end())
            Eroare_(QStringLiteral("proprietatea necunoscuta \"%1\"").arg(cheie));
        gasita->second();
    }

    TDescriereMacheta Citeste(const QByteArray& text) {
        TDescriereMacheta macheta;
        std::map<QString, QStringList> surse;
        QSet<QString> nume;
        QString sectiune;
        const QStringList randuri = QString::fromUtf8(text).split(u'\n');
        for (linie_ = 1; linie_ <= randuri.size(); ++linie_) {
            const QString rand = randuri[linie_ - 1].trimmed();
            if (rand.isEmpty() || rand.startsWith(u'#'))
                continue;
            if (rand.startsWith(u'[') && rand.endsWith(u']')) {
                sectiune = rand.mid(1, rand.size() - 2);
                if (!QStringList{"pagina", "surse", "fonturi", "zone"}.contains(sectiune))
                    Eroare_(QStringLiteral("sectiunea necunoscuta \"%1\"").arg(sectiune));
                continue;
            }
            if (sectiune == QStringLiteral("pagina")) {
                Pagina(rand, macheta.Pagina);
            } else if (sectiune == QStringLiteral("surse")) {
                const QStringList c = Coloane(rand, 3);
                surse[c[0]] = {c[1], c[2]};
            } else if (sectiune == QStringLiteral("fonturi")) {
                const QStringList c = Coloane(rand, 8);
                if (nume.contains(c[0]))
                    Eroare_(QStringLiteral("numele \"%1\" apare de doua ori").arg(c[0]));
                nume.insert(c[0]);
                macheta.Fonturi.push_back({c[0], c[1], Real(c[2], "Size"), DaNu(c[3], "Bold"),
                                           DaNu(c[4], "Italic"), Intreg(c[5], "CharSet"),
                                           Intreg(c[6], "CodePage"), c[7]});
            } else if (sectiune == QStringLiteral("zone")) {
                const QStringList c = Coloane(rand, 12);
                if (nume.contains(c[0]))
                    Eroare_(QStringLiteral("numele \"%1\" apare de doua ori").arg(c[0]));
                nume.insert(c[0]);
                TDescriereZona zona;
                zona.Nume = c[0];
                zona.Camp = c[1];
                zona.Denumire2 = c[2];
                zona.LeftMm = Real(c[3], "_Left");
                zona.TopMm = Real(c[4], "_Top");
                zona.WidthMm = Real(c[5], "_Width");
                zona.HeightMm = Real(c[6], "_Height");
                zona.Font = c[7];
                const bool fontCunoscut =
                    zona.Font.isEmpty() ||
                    std::any_of(macheta.Fonturi.begin(), macheta.Fonturi.end(),
                                [&](const TDescriereFont& f) { return f.Nume == zona.Font; });
                if (!fontCunoscut)
                    Eroare_(QStringLiteral("fontul \"%1\" nu este definit").arg(zona.Font));
                zona.Aliniere = Aliniere(c[8]);
                if (!c[9].isEmpty()) {
                    const auto sursa = surse.find(c[9]);
                    if (sursa == surse.end())
                        Eroare_(QStringLiteral("sursa \"%1\" nu este definita").arg(c[9]));
                    zona.SursaText = sursa->second;
                }
                zona.ZoomLock = Real(c[10], "ZoomLock");
                zona.Text = c[11];
                macheta.Zone.push_back(zona);
            } else {
                Eroare_(QStringLiteral("rand in afara oricarei sectiuni"));
            }
        }
        return macheta;
    }

private:
    QString sursa_;
    int linie_ = 0;
};

// Areas refuse to move while their page is being built.
class TCitireInCurs {
public:
    explicit TCitireInCurs(TFormularDePrintat& pagina)
        : pagina_(pagina) {
        pagina_.SeteazaCitire(true);
    }
    ~TCitireInCurs() { pagina_.SeteazaCitire(false); }

private:
    TFormularDePrintat& pagina_;
};
} // namespace

QString TDescriereMacheta::Denumire1(const TDescriereZona& zona) const {
    return QStringList{Pagina.CodFormular, Pagina.CodPagina, zona.Camp}.join(u'.');
}

TDescriereMacheta CitesteMacheta(const QByteArray& text, const QString& sursa) {
    return TCititorMacheta(sursa).Citeste(text);
}

TDescriereMacheta CitesteFisierMacheta(const QString& cale) {
    QFile fisier(cale);
    if (!fisier.open(QIODevice::ReadOnly))
        throw Eroare(QStringLiteral("Nu pot citi din fisierul %1").arg(cale));
    return CitesteMacheta(fisier.readAll(), cale);
}

TFormularDePrintat* ConstruiesteMacheta(const TDescriereMacheta& macheta, QWidget* fereastra) {
    for (const TDescriereFont& descriere : macheta.Fonturi) {
        auto* font = new TFontFormular(fereastra);
        font->setObjectName(descriere.Nume);
        font->SeteazaFontName(descriere.FontName);
        font->SeteazaSize(descriere.SizeMm);
        font->SeteazaBold(descriere.Bold);
        font->SeteazaItalic(descriere.Italic);
        font->SeteazaCharSet(descriere.CharSet);
        font->SeteazaCodePage(descriere.CodePage);
        font->SeteazaDescrierePentruEditor(descriere.DescrierePentruEditor);
    }

    auto* pagina = new TFormularDePrintat(fereastra);
    pagina->setObjectName(macheta.Pagina.Nume);
    {
        TCitireInCurs citire(*pagina);
        pagina->SeteazaZoom(macheta.Pagina.Zoom);
        pagina->SeteazaLatime(macheta.Pagina.LatimeMm);
        pagina->SeteazaInaltime(macheta.Pagina.InaltimeMm);
        pagina->SeteazaTextAreaBaseLine2_delta(macheta.Pagina.BaseLine2DeltaMm);
        pagina->SeteazaTextAreaTopLine1_delta(macheta.Pagina.TopLine1DeltaMm);
        pagina->SeteazaBkImage_FileName(macheta.Pagina.BkImage_FileName);

        for (const TDescriereZona& descriere : macheta.Zone) {
            auto* zona = new TFormularTextArea(pagina);
            zona->setObjectName(descriere.Nume);
            zona->SeteazaLeftMm(descriere.LeftMm);
            zona->SeteazaTopMm(descriere.TopMm);
            zona->SeteazaWidthMm(descriere.WidthMm);
            zona->SeteazaHeightMm(descriere.HeightMm);
            zona->SeteazaText(descriere.Text);
            zona->SeteazaFont(FontFormular(fereastra, descriere.Font));
            zona->SeteazaAlignment(descriere.Aliniere);
            zona->SeteazaZoomLock(descriere.ZoomLock);
            zona->SeteazaDenumire1(macheta.Denumire1(descriere));
            zona->SeteazaDenumire2(descriere.Denumire2);
            zona->SeteazaSursaText(descriere.SursaText);
            // The pixel bounds at the page's zoom, as a designer would have stored them.
            zona->AsazaDinMm();
        }
    }
    return pagina;
}

QList<TFontFormular*> FonturiFormular(const QObject* fereastra) {
    return fereastra->findChildren<TFontFormular*>(Qt::FindDirectChildrenOnly);
}

TFontFormular* FontFormular(const QObject* fereastra, const QString& nume) {
    if (nume.isEmpty())
        return nullptr;
    return fereastra->findChild<TFontFormular*>(nume, Qt::FindDirectChildrenOnly);
}
