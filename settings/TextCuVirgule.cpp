#include "settings/TextCuVirgule.h"

namespace {
bool EsteBlanc(QChar c) {
    return c.unicode() >= 1 && c.unicode() <= u' ';
}
} // namespace

QString ScrieTextCuVirgule(const QStringList& elemente) {
    QStringList scrise;
    for (const QString& element : elemente) {
        const bool cuGhilimele = std::any_of(element.begin(), element.end(), [](QChar c) {
            return c.unicode() <= u' ' || c == u'"' || c == u',';
        });
        if (cuGhilimele)
            scrise << u'"' + QString(element).replace(u'"', QStringLiteral("\"\"")) + u'"';
        else
            scrise << element;
    }
    return scrise.join(u',');
}

QStringList CitesteTextCuVirgule(const QString& text) {
    QStringList elemente;
    qsizetype p = 0;
    const qsizetype n = text.size();
    auto sariBlancuri = [&] {
        while (p < n && EsteBlanc(text[p]))
            ++p;
    };
    sariBlancuri();
    while (p < n && text[p] != QChar(0)) {
        QString element;
        if (text[p] == u'"') {
            // A quoted item ends at a lone quote; a doubled one stands for one quote.
            for (++p; p < n; ++p) {
                if (text[p] == u'"') {
                    if (p + 1 < n && text[p + 1] == u'"') {
                        element += u'"';
                        ++p;
                    } else {
                        ++p;
                        break;
                    }
                } else {
                    element += text[p];
                }
            }
        } else {
            const qsizetype inceput = p;
            while (p < n && text[p].unicode() > u' ' && text[p] != u',')
                ++p;
            element = text.mid(inceput, p - inceput);
        }
        elemente << element;
        sariBlancuri();
        if (p < n && text[p] == u',') {
            if (p + 1 == n)
                elemente << QString();
            ++p;
            sariBlancuri();
        }
    }
    return elemente;
}
