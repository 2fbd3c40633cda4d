// certaliv-pdf: the certificates of one, several or all students as one PDF file, filled and
// printed exactly as the program prints them.

#include "app/ButonFormular.h"
#include "app/ListaElevi.h"
#include "app/cil/PluginuriCIL.h"
#include "app/cil/PrintCertificatForm.h"
#include "layout/FormularDePrintat.h"
#include "print/TiparirePagina.h"
#include "profile/ProfilDiploma.h"
#include "profile/Registru.h"
#include "store/DM.h"
#include "store/Interogare.h"
#include "util/Eroare.h"
#include "util/Mesaje.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPrinter>
#include <cstdio>

namespace {
void Scrie(const QString& text) {
    std::fprintf(stderr, "certaliv-pdf: %s\n", qPrintable(QString(text).replace(u'\n', u' ')));
}

struct TOptiuni {
    QStringList Cnp;
    double StangaMm = 0.0;
    double SusMm = 0.0;
    bool Roteste = false;
    QString Iesire;
};

TOptiuni CitesteOptiuni(const QApplication& aplicatie) {
    QCommandLineParser linie;
    linie.setApplicationDescription(QStringLiteral(
        "Writes the certificates of the students of Certaliv's database, one A4 landscape page "
        "each, to a PDF file, exactly as they are printed on the blank.\n"
        "Without --cnp every student is written, in the order of the student list."));
    linie.addHelpOption();
    linie.addOption({QStringLiteral("cnp"),
                     QStringLiteral("The student with this personal numeric code; repeat it for "
                                    "more students, written in the order given."),
                     QStringLiteral("CNP")});
    linie.addOption({QStringLiteral("margins"),
                     QStringLiteral("Left and top margins in millimetres, \".\" as decimal point "
                                    "(default 0,0)."),
                     QStringLiteral("LEFT,TOP")});
    linie.addOption({QStringLiteral("rotate"), QStringLiteral("Turn every page by 180 degrees.")});
    linie.addPositionalArgument(QStringLiteral("OUTPUT.pdf"), QStringLiteral("The file to write."));
    linie.process(aplicatie);

    TOptiuni optiuni;
    optiuni.Cnp = linie.values(QStringLiteral("cnp"));
    optiuni.Roteste = linie.isSet(QStringLiteral("rotate"));
    if (linie.isSet(QStringLiteral("margins"))) {
        const QStringList margini = linie.value(QStringLiteral("margins")).split(u',');
        bool okStanga = false, okSus = false;
        if (margini.size() == 2) {
            optiuni.StangaMm = margini[0].trimmed().toDouble(&okStanga);
            optiuni.SusMm = margini[1].trimmed().toDouble(&okSus);
        }
        if (!okStanga || !okSus)
            throw Eroare(QStringLiteral("--margins asteapta doua numere, de exemplu 1.5,0"));
    }
    const QStringList pozitionale = linie.positionalArguments();
    if (pozitionale.size() != 1)
        throw Eroare(QStringLiteral("dati un singur fisier de iesire (vezi --help)"));
    optiuni.Iesire = pozitionale.first();
    return optiuni;
}

// The students with the given codes, in the order given; the code is the profile's first field
// of type CNP, as the student editor and the import use it.
std::vector<int> EleviDupaCnp(const QStringList& coduri) {
    TCitire citire(DM().Tr());
    TInterogare camp(QStringLiteral("SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP FROM PROFIL_DIPLOMA "
                                    "WHERE TIP_DE_DATE = 'CNP'"));
    camp.Executa();
    if (!camp.Urmator())
        throw Eroare(QStringLiteral("profilul diplomei nu are nici un camp de tip CNP"));
    const QString formular = camp.Text(QStringLiteral("COD_FORMULAR"));
    const QString pagina = camp.Text(QStringLiteral("COD_PAGINA"));
    const QString cod = camp.Text(QStringLiteral("COD_CAMP"));
    QHash<QString, int> dupaCnp;
    for (int id : IdElevi())
        dupaCnp.insert(DM().ValoareCamp(formular, pagina, cod, id, -1).trimmed(), id);
    std::vector<int> chei;
    for (const QString& cnp : coduri) {
        const auto gasit = dupaCnp.constFind(cnp.trimmed());
        if (gasit == dupaCnp.cend())
            throw Eroare(QStringLiteral("nici un elev nu are CNP-ul %1").arg(cnp));
        chei.push_back(*gasit);
    }
    return chei;
}
// The program's database; the running program holds it exclusively while it is open.
std::unique_ptr<TDM> DeschideBaza() {
    try {
        return std::make_unique<TDM>();
    } catch (const Eroare& e) {
        if (e.Mesaj().contains(QStringLiteral("already opened")) ||
            e.Mesaj().contains(QStringLiteral("\"lock\"")))
            throw Eroare(QStringLiteral("baza de date este deschisa de programul Certaliv; "
                                        "inchideti programul si incercati din nou (%1)")
                             .arg(e.Mesaj()));
        throw;
    }
}
} // namespace

int main(int argc, char** argv) {
    // A command-line tool: no display is needed to lay out and print the page.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // stderr carries the tool's own one-line messages only, not the toolkit's notes.
    qInstallMessageHandler([](QtMsgType tip, const QMessageLogContext&, const QString& text) {
        if (tip == QtCriticalMsg || tip == QtFatalMsg)
            Scrie(text);
    });
    QApplication aplicatie(argc, argv);
    QApplication::setApplicationName(QStringLiteral("certaliv-pdf"));
    // No one is there to answer a message box: say it on stderr and answer no.
    InlocuiesteMesaje(
        [](QWidget*, QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons butoane) {
            Scrie(text);
            return butoane.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
        });
    try {
        const TOptiuni optiuni = CitesteOptiuni(aplicatie);
        InregistreazaPluginuriCIL();
        const std::unique_ptr<TDM> dm = DeschideBaza();
        const std::vector<int> elevi =
            optiuni.Cnp.isEmpty() ? IdElevi() : EleviDupaCnp(optiuni.Cnp);
        if (elevi.empty())
            throw Eroare(QStringLiteral("nu exista nici un elev in baza de date"));

        TPrintCertificatCicluInferiorForm fereastra;
        const bool cuProgres = elevi.size() > 5;
        ScriePdfIntreg(optiuni.Iesire, [&](QPrinter& pdf) {
            pdf.setDocName(QStringLiteral("Diploma de examen national - fata"));
            TDocumentTiparit document(pdf);
            for (size_t i = 0; i < elevi.size(); ++i) {
                CompleteazaDocument(&fereastra, elevi[i]);
                document.Pagina(*fereastra.FormularDePrintat1, optiuni.Roteste, optiuni.StangaMm,
                                optiuni.SusMm);
                if (cuProgres && ((i + 1) % 50 == 0 || i + 1 == elevi.size()))
                    Scrie(QStringLiteral("%1 din %2").arg(i + 1).arg(elevi.size()));
            }
        });
    } catch (const TIesireProgram& iesire) {
        return iesire.Cod();
    } catch (const std::exception& e) {
        Scrie(MesajExceptie(e));
        return 1;
    }
    return 0;
}
