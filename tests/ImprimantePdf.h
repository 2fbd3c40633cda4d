#pragma once

#include "print/Imprimanta.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QStringList>

// Printers that print into PDF files named after them, with no unprintable margins.
class ImprimantePdf : public TSistemImprimante {
public:
    ImprimantePdf(QString dosar, QStringList nume)
        : dosar_(std::move(dosar))
        , nume_(std::move(nume)) {}
    QStringList Nume() const override { return nume_; }
    QString Implicita() const override { return nume_.value(0); }
    void Selecteaza(QPrinter& imprimanta, const QString& nume) const override {
        imprimanta.setOutputFormat(QPrinter::PdfFormat);
        imprimanta.setOutputFileName(Fisier(nume));
        imprimanta.setPageMargins(QMarginsF(0, 0, 0, 0));
    }
    QString Fisier(const QString& nume) const {
        return dosar_ + u'/' +
               QString(nume).replace(QRegularExpression(QStringLiteral("\\W")),
                                     QStringLiteral("_")) +
               QStringLiteral(".pdf");
    }

private:
    QString dosar_;
    QStringList nume_;
};
