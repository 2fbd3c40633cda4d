#include "settings/ObiectRegistru.h"

#include "settings/RegistruUtilizator.h"

#include <algorithm>

bool EsteDeTipIntreg(TipProprietate tip) {
    return tip == TipProprietate::Integer || tip == TipProprietate::Enumeration ||
           tip == TipProprietate::Set || tip == TipProprietate::Int64;
}

bool EsteDeTipText(TipProprietate tip) {
    return tip == TipProprietate::Char || tip == TipProprietate::String ||
           tip == TipProprietate::WChar || tip == TipProprietate::LString ||
           tip == TipProprietate::WString;
}

TQebRTTIShell::TQebRTTIShell(TQebRegistryClass& obiect)
    : obiect_(obiect) {
    const auto inainte = [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    };
    for (const TClasaPersistenta* clasa = &obiect.Clasa(); clasa; clasa = clasa->Parinte) {
        for (const TProprietatePersistenta& p : clasa->Proprietati) {
            auto loc = std::lower_bound(proprietati_.begin(), proprietati_.end(), p.Nume,
                                        [&](const TProprietatePersistenta* q, const QString& nume) {
                                            return inainte(q->Nume, nume);
                                        });
            if (loc != proprietati_.end() && !inainte(p.Nume, (*loc)->Nume))
                continue;
            proprietati_.insert(loc, &p);
        }
    }
}

QVariant TQebRTTIShell::GetValue(int index) const {
    return proprietati_.at(size_t(index))->Citeste(obiect_);
}

void TQebRTTIShell::SetValue(int index, const QVariant& valoare) {
    proprietati_.at(size_t(index))->Scrie(obiect_, valoare);
}

void TQebRegistryClass::Incarca() {
    TQebRTTIShell shell(*this);
    TCheieRegistru cheie(caleCheie_);
    for (int i = 0; i < shell.Count(); ++i) {
        const QString nume = shell.PropName(i);
        const TipProprietate tip = shell.PropKind(i);
        // A value of the other type is taken when it converts cleanly, else ignored.
        if (EsteDeTipIntreg(tip)) {
            if (auto numar = cheie.CitesteNumar(nume)) {
                shell.SetValue(i, *numar);
            } else if (auto text = cheie.CitesteText(nume)) {
                bool ok = false;
                const qint32 numarDinText = text->trimmed().toInt(&ok);
                if (ok)
                    shell.SetValue(i, numarDinText);
            }
        } else if (EsteDeTipText(tip)) {
            if (auto text = cheie.CitesteText(nume))
                shell.SetValue(i, *text);
            else if (auto numar = cheie.CitesteNumar(nume))
                shell.SetValue(i, QString::number(*numar));
        }
    }
}

void TQebRegistryClass::Salveaza() const {
    TQebRTTIShell shell(const_cast<TQebRegistryClass&>(*this));
    TCheieRegistru cheie(caleCheie_);
    for (int i = 0; i < shell.Count(); ++i) {
        const TipProprietate tip = shell.PropKind(i);
        if (EsteDeTipIntreg(tip))
            cheie.ScrieNumar(shell.PropName(i), qint32(shell.GetValue(i).toLongLong()));
        else if (EsteDeTipText(tip))
            cheie.ScrieText(shell.PropName(i), shell.GetValue(i).toString());
    }
}
