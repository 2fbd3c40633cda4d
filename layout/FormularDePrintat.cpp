#include "layout/FormularDePrintat.h"

#include "layout/FormularTextArea.h"
#include "util/Cale.h"
#include "util/DosarProgram.h"
#include "util/Eroare.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPaintEvent>
#include <QPainter>
#include <QSaveFile>
#include <cmath>

namespace {
// Any fixed value works; files written with one mask are only readable with the same one.
constexpr char MascaFundal = char(0xA5);

const QString PrefixTextArea = QStringLiteral("FormularTextArea");

QString NumeFisier(const QString& cale) {
    const QString normalizata = NormalizeazaCale(cale, u'/');
    return normalizata.mid(normalizata.lastIndexOf(u'/') + 1);
}

// A drive-letter path as layouts store it, or an absolute path of this platform; never a share.
bool EsteCaleLocala(const QString& cale) {
    if (cale.size() >= 3 && cale[1] == u':' && cale[2] == u'\\')
        return true;
    return cale.startsWith(u'/') && !cale.startsWith(QStringLiteral("//"));
}
} // namespace

int MmLaPixeli(double dpi, double mm) {
    return int(std::trunc(mm * dpi / 25.4));
}

double PixeliLaMm(int pixeli, double dpi) {
    return pixeli * 25.4 / dpi;
}

TImagineFundal TImagineFundal::DinJpeg(const QByteArray& jpeg) {
    TImagineFundal imagine;
    imagine.Imagine = QImage::fromData(jpeg, "JPEG");
    if (!imagine.Imagine.isNull()) {
        imagine.Format = "jpeg";
        imagine.DateJpeg = jpeg;
    }
    return imagine;
}

TImagineFundal TImagineFundal::DinImagine(const QImage& imagine, const QByteArray& format) {
    TImagineFundal rezultat;
    rezultat.Imagine = imagine;
    if (!imagine.isNull())
        rezultat.Format = format;
    return rezultat;
}

QByteArray MascheazaFundal(QByteArray date) {
    for (char& octet : date)
        octet ^= MascaFundal;
    return date;
}

void ScrieFisierFundal(const QString& cale, const QByteArray& jpeg) {
    const QString dosar = QFileInfo(cale).absolutePath();
    if (!QDir().mkpath(dosar))
        throw Eroare(QStringLiteral("Nu pot crea dosarul %1").arg(dosar));
    QSaveFile fisier(cale);
    if (!fisier.open(QIODevice::WriteOnly) || fisier.write(MascheazaFundal(jpeg)) != jpeg.size() ||
        !fisier.commit())
        throw Eroare(
            QStringLiteral("Nu pot scrie in fisierul %1: %2").arg(cale, fisier.errorString()));
}

TFormularDePrintat::TFormularDePrintat(QWidget* parinte)
    : QWidget(parinte) {
    RecalculeazaDimensiuni();
}

TFormularDePrintat::~TFormularDePrintat() = default;

double TFormularDePrintat::Dpi() const {
    // The reference screens drew a page at this scale whatever the monitor's resolution.
    return zoom_ * 96.0 / 100.0 * 1.051403996;
}

void TFormularDePrintat::SeteazaZoom(double zoom) {
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    RecalculeazaDimensiuni();
    for (TFormularTextArea* zona : TextAreas())
        zona->ZoomSchimbat();
    Redeseneaza();
}

void TFormularDePrintat::SeteazaLatime(double mm) {
    latimeMm_ = mm;
    RecalculeazaDimensiuni();
}

void TFormularDePrintat::SeteazaInaltime(double mm) {
    inaltimeMm_ = mm;
    RecalculeazaDimensiuni();
}

void TFormularDePrintat::RecalculeazaDimensiuni() {
    const QSize dimensiune(MmLaPixeli(Dpi(), latimeMm_), MmLaPixeli(Dpi(), inaltimeMm_));
    if (size() != dimensiune)
        resize(dimensiune);
}

void TFormularDePrintat::resizeEvent(QResizeEvent* eveniment) {
    QWidget::resizeEvent(eveniment);
    // The pixel size always follows the millimetres and the zoom.
    RecalculeazaDimensiuni();
}

void TFormularDePrintat::SeteazaTextAreaTransparent(bool valoare) {
    transparent_ = valoare;
    Redeseneaza();
}
void TFormularDePrintat::SeteazaTextAreaWithBorder(bool valoare) {
    cuChenar_ = valoare;
    Redeseneaza();
}
void TFormularDePrintat::SeteazaTextAreaBaseLine1(bool valoare) {
    baza1_ = valoare;
    Redeseneaza();
}
void TFormularDePrintat::SeteazaTextAreaBaseLine2(bool valoare) {
    baza2_ = valoare;
    Redeseneaza();
}
void TFormularDePrintat::SeteazaTextAreaTopLine1(bool valoare) {
    sus1_ = valoare;
    Redeseneaza();
}
void TFormularDePrintat::SeteazaTextAreaTopLine2(bool valoare) {
    sus2_ = valoare;
    Redeseneaza();
}
void TFormularDePrintat::SeteazaTextAreaBaseLine1_color(const QColor& culoare) {
    culoareBaza1_ = culoare;
    Redeseneaza();
}
void TFormularDePrintat::SeteazaTextAreaBaseLine2_color(const QColor& culoare) {
    culoareBaza2_ = culoare;
    Redeseneaza();
}
void TFormularDePrintat::SeteazaTextAreaTopLine1_color(const QColor& culoare) {
    culoareSus1_ = culoare;
    Redeseneaza();
}
void TFormularDePrintat::SeteazaTextAreaTopLine2_color(const QColor& culoare) {
    culoareSus2_ = culoare;
    Redeseneaza();
}
void TFormularDePrintat::SeteazaTextAreaBaseLine2_delta(double mm) {
    deltaBaza2Mm_ = mm;
    Redeseneaza();
}
void TFormularDePrintat::SeteazaTextAreaTopLine1_delta(double mm) {
    deltaSus1Mm_ = mm;
    Redeseneaza();
}

void TFormularDePrintat::SeteazaBkImage(const TImagineFundal& imagine) {
    cache_ = QImage();
    fundal_ = imagine;
    Redeseneaza();
    if (!numeFisierFundal_.isEmpty() && !seCiteste_)
        SalveazaFundal(numeFisierFundal_);
}

void TFormularDePrintat::SeteazaBkImage_FileName(const QString& cale) {
    ++atribuiriNumeFisier_;
    mesajFundal_.clear();
    QStringList note;
    QString nume = cale;
    if (cale.isEmpty()) {
        note << QStringLiteral("reset");
    } else {
        note << QStringLiteral("nonvid");
        mesajFundal_ = note.join(u'-');
        if (cale.size() < 3)
            throw Eroare(QStringLiteral("%1 nu este un nume valid").arg(cale));
        if (!EsteCaleLocala(cale))
            throw Eroare(QStringLiteral(
                             "%1 nu este un nume valid, vrea sa am un nume LOCAL (nu de pe retea)")
                             .arg(cale));
        if (seCiteste_ || (QFileInfo(cale).isFile() && fundal_.EsteGoala())) {
            note << QStringLiteral("loadfn");
            try {
                IncarcaFundal(cale);
            } catch (const std::exception&) {
                // A layout whose picture is missing still opens, without a background.
                nume.clear();
            }
        } else if (fundal_.EsteJpeg()) {
            note << QStringLiteral("savefn");
            SalveazaFundal(cale);
        } else {
            note << (fundal_.EsteGoala() ? QStringLiteral("nographic")
                                         : QString::fromLatin1(fundal_.Format));
            nume.clear();
        }
    }
    numeFisierFundal_ = nume;
    mesajFundal_ = QStringLiteral("%1: %2").arg(atribuiriNumeFisier_).arg(note.join(u'-'));
}

void TFormularDePrintat::IncarcaFundal(const QString& cale) {
    QString deCitit = cale;
    if (!QFileInfo(deCitit).isFile())
        deCitit = DosarProgram() + u'/' + NumeFisier(cale);
    QFile fisier(deCitit);
    if (!QFileInfo(deCitit).isFile() || !fisier.open(QIODevice::ReadOnly))
        throw Eroare(QStringLiteral("Nu pot citi din fisierul %1").arg(deCitit));
    const TImagineFundal imagine = TImagineFundal::DinJpeg(MascheazaFundal(fisier.readAll()));
    if (imagine.EsteGoala())
        throw Eroare(QStringLiteral("Fisierul %1 nu contine o imagine JPEG").arg(deCitit));
    fundal_ = imagine;
    cache_ = QImage();
    Redeseneaza();
}

void TFormularDePrintat::SalveazaFundal(const QString& cale) const {
    if (fundal_.EsteJpeg()) {
        QByteArray jpeg = fundal_.DateJpeg;
        if (jpeg.isEmpty()) {
            QBuffer tampon(&jpeg);
            tampon.open(QIODevice::WriteOnly);
            QImageWriter scriitor(&tampon, "JPEG");
            if (!scriitor.write(fundal_.Imagine))
                throw Eroare(QStringLiteral("Nu pot codifica imaginea JPEG: %1")
                                 .arg(scriitor.errorString()));
        }
        ScrieFisierFundal(cale, jpeg);
    } else if (QFileInfo::exists(cale) && !QFile::remove(cale)) {
        throw Eroare(QStringLiteral("Nu pot sterge fisierul %1").arg(cale));
    }
}

void TFormularDePrintat::paintEvent(QPaintEvent* eveniment) {
    QPainter pictor(this);
    if (fundal_.EsteGoala()) {
        pictor.fillRect(rect(), palette().window());
        return;
    }
    // The stretched picture is kept until the size or the picture changes.
    if (cache_.size() != size()) {
        cache_ = QImage(size(), QImage::Format_RGB32);
        QPainter pictorCache(&cache_);
        pictorCache.setRenderHint(QPainter::SmoothPixmapTransform);
        pictorCache.drawImage(rect(), fundal_.Imagine);
    }
    pictor.drawImage(eveniment->rect(), cache_, eveniment->rect());
}

QList<TFormularTextArea*> TFormularDePrintat::TextAreas() const {
    QList<TFormularTextArea*> zone;
    for (QObject* copil : children())
        if (auto* zona = qobject_cast<TFormularTextArea*>(copil))
            zone << zona;
    return zone;
}

TFormularTextArea* TFormularDePrintat::TextAreaNumarul(int numar) const {
    const QString nume = PrefixTextArea + QString::number(numar);
    for (QObject* copil : children())
        if (copil->objectName() == nume)
            return qobject_cast<TFormularTextArea*>(copil);
    return nullptr;
}

int TFormularDePrintat::NumarMaximTextArea() const {
    int maxim = 0;
    for (QObject* copil : children()) {
        const QString nume = copil->objectName();
        if (nume.size() <= 16 || !nume.startsWith(PrefixTextArea))
            continue;
        QString cifre;
        for (QChar c : QStringView(nume).mid(PrefixTextArea.size()))
            if (c >= u'0' && c <= u'9')
                cifre += c;
        bool ok = false;
        const int numar = cifre.toInt(&ok);
        if (ok)
            maxim = std::max(maxim, numar);
    }
    return maxim;
}

void TFormularDePrintat::Tipareste(QPainter& pictor, const TMasuriDispozitiv& masuri, bool roteste,
                                   TDirectorModificari& director, double stangaMm,
                                   double susMm) const {
    stangaMm += deltaStangaMm_;
    susMm += deltaSusMm_;
    for (TFormularTextArea* zona : TextAreas())
        zona->TiparesteTextArea(pictor, masuri, roteste, stangaMm, susMm, inaltimeMm_, latimeMm_,
                                director);
}
