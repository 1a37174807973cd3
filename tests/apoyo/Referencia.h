// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The matcher's rules written out the slow, obvious way, on the whole order at once, to catch the
// fast path (one pass for Latin-1, long orders in pieces, views, early exits) drifting from them.

inline QString normalizacionDirecta(const QString &orden) {
    QString t = orden.normalized(QString::NormalizationForm_C).toUpper();
    const char16_t *cambios[][2] = {
        {u",", u""},
        {u".", u""},
        {u"Á", u"A"},
        {u"É", u"E"},
        {u"Í", u"I"},
        {u"Ó", u"O"},
        {u"Ú", u"U"},
        {u"MOVER", u"SACAR"},
        {u"REMOVER", u"SACAR"},
        {u"VER", u"MIRAR"},
        {u"OBSERVAR", u"MIRAR"},
    };
    for (const auto &[busca, pon] : cambios)
        t.replace(QString::fromUtf16(busca), QString::fromUtf16(pon));
    return t;
}

// Every word of the pattern, with the space after it (the last has none), somewhere in the order.
inline bool coincidenciaDirecta(const QString &patron, const QString &orden) {
    const QString t = normalizacionDirecta(orden);
    const QString p = patron.toUpper();
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < p.size(); ++i) {
        if (p[i] == u' ' || i + 1 == p.size()) {
            if (!t.contains(p.mid(inicio, i - inicio + 1)))
                return false;
            inicio = i + 1;
        }
    }
    return true;
}
