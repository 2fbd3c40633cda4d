#pragma once

#include "layout/FormularTextArea.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class QObject;
class QWidget;
class TFormularDePrintat;
class TFontFormular;

// A layout as its readable file describes it: one page, its named fonts and its text areas.
struct TDescrierePagina {
    QString Nume;
    QString CodFormular;
    QString CodPagina;
    double Zoom = 100.0;
    double LatimeMm = 10.0;
    double InaltimeMm = 10.0;
    double BaseLine2DeltaMm = 1.0;
    double TopLine1DeltaMm = 1.0;
    QString BkImage_FileName;
};

struct TDescriereFont {
    QString Nume;
    QString FontName;
    double SizeMm = 3.0;
    bool Bold = false;
    bool Italic = false;
    int CharSet = 238;
    int CodePage = 1250;
    QString DescrierePentruEditor;
};

struct TDescriereZona {
    QString Nume;
    QString Camp;
    QString Denumire2;
    double LeftMm = 0.0;
    double TopMm = 0.0;
    double WidthMm = 0.0;
    double HeightMm = 0.0;
    QString Font;
    TAliniere Aliniere = TAliniere::Stanga;
    QStringList SursaText;
    double ZoomLock = 0.0;
    QString Text;
};

struct TDescriereMacheta {
    TDescrierePagina Pagina;
    std::vector<TDescriereFont> Fonturi;
    std::vector<TDescriereZona> Zone;

    // The field code an area shows: form, page and field joined by points.
    QString Denumire1(const TDescriereZona& zona) const;
};

// The certificate's layout, compiled into the program.
extern const QString MachetaCertificatCIL;

// Reads a layout file; errors name the source and the line.
TDescriereMacheta CitesteMacheta(const QByteArray& text, const QString& sursa);
TDescriereMacheta CitesteFisierMacheta(const QString& cale);

// Builds the page with its text areas and the named fonts into `fereastra`, which owns them;
// the page is a child of `fereastra` too, ready to be placed in a scroll area.
TFormularDePrintat* ConstruiesteMacheta(const TDescriereMacheta& macheta, QWidget* fereastra);

// The named fonts a window owns, in their order, and one of them by name (nullptr if none).
QList<TFontFormular*> FonturiFormular(const QObject* fereastra);
TFontFormular* FontFormular(const QObject* fereastra, const QString& nume);
