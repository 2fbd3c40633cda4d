#pragma once

#include "entry/EditorGeneric.h"

#include <QFrame>
#include <QMap>
#include <QWidget>

class QLabel;
class QTabWidget;

// One titled group of editors.
class TFrmGrup : public QFrame {
    Q_OBJECT
public:
    explicit TFrmGrup(QWidget* parinte = nullptr);

    QFrame* RzPanel1;
    QLabel* EtichetaGrup;
    QWidget* PanelSuport; // the editors and lines of the group
    QString NumeGrup;     // compared exactly, case included
};

// The group frames of a build, over all tabs.
using TListaFrmGrup = TListaNeposedata<TFrmGrup>;

// Editors side by side, left to right in the order they were added, sharing the line's width
// by their LatimeSugerata.
class TLinieGrupare : public QWidget {
    Q_OBJECT
public:
    explicit TLinieGrupare(QWidget* parinte = nullptr);

    void AdaugaEditor(TEditorGeneric* editor);
    // Each editor gets W x its LatimeSugerata / the sum (at least 16 pixels); equal shares when
    // no editor asks for a width.
    void RecalculeazaLatimi();

    TListaEditorGeneric Editoare;

    static constexpr int LatimeMinima = 16;

protected:
    void resizeEvent(QResizeEvent* e) override;
};

// Every field of one record of a record table, built from the profile rows in the database: a
// tab per form, titled groups, lines of editors, and for a student one link list per other
// record table.
class TEditorGenericComplex : public QWidget {
    Q_OBJECT
public:
    explicit TEditorGenericComplex(QWidget* parinte = nullptr);

    // Builds and loads the editors of table numeTabel for the record IDs (their meaning is that
    // of TEditorGeneric::Incarca). Once, on an empty frame, with no transaction active.
    void Construieste(int idElev, int idAltaInregistrare, const QString& numeTabel);
    // Asks every editor in build order; stops at the first refusal.
    bool PotSalvaTot();
    // Saves every editor inside the caller's transaction, which must be active.
    void SalveazaTot(int idElev, int idAltaInregistrare, const QString& numeTabel);

    QTabWidget* PC;
    TListaEditorGeneric Editoare;

private:
    QWidget* Container(const QString& formular, const QString& grup, const QString& linie);
    QWidget* ScrollTab(const QString& formular);

    TListaFrmGrup grupuri_;
    QMap<QString, TLinieGrupare*> linii_; // key: group "." line, in lower case
};

// The title of a form's tab: a space before every capital letter A-Z.
QString TitluTab(const QString& codFormular);
// The title broken into lines at every space after its first 11 characters.
QString TitluPeLinii(const QString& titlu);
