// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Coincide.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// Is the word anywhere in the text? Horspool's search: the table is indexed by the low byte of a
// character, holding the smallest shift of all characters that share it, so any text is handled
// exactly; pattern words are ASCII, so in practice each entry belongs to one letter. Very long
// orders are scanned once per word tried, which this keeps to a fraction of their length.
template <typename Vista> bool aparece(Vista palabra, QStringView texto) {
    const qsizetype m = palabra.size();
    const qsizetype n = texto.size();
    if (m > n)
        return false;
    if (n < 256) // the table would cost more than it saves
        return texto.contains(palabra);
    std::array<qsizetype, 256> salto;
    salto.fill(m);
    for (qsizetype k = 0; k + 1 < m; ++k)
        salto[palabra[k].unicode() & 0xFF] = m - 1 - k;
    const char16_t ultima = palabra[m - 1].unicode();
    const char16_t *t = texto.utf16();
    for (qsizetype j = 0; j + m <= n;) {
        const char16_t c = t[j + m - 1];
        if (c == ultima) {
            qsizetype k = m - 2;
            while (k >= 0 && t[j + k] == palabra[k].unicode())
                --k;
            if (k < 0)
                return true;
        }
        j += salto[c & 0xFF];
    }
    return false;
}

template <typename Vista> bool todasLasPalabrasEstan(Vista patron, QStringView texto) {
    // Walk the pattern; a word ends at a space (which belongs to it) or at the last character.
    qsizetype inicio = 0;
    const qsizetype n = patron.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (patron[i] != QLatin1Char(' ') && i != n - 1)
            continue;
        if (!aparece(patron.mid(inicio, i - inicio + 1), texto))
            return false; // one missing word decides it; the rest cannot change the answer
        inicio = i + 1;
    }
    return true;
}

// Upper-casing and the one-character replacements in a single pass, for the orders people type:
// every character below U+0100. Such text is already in NFC (nothing in that range combines), and
// each of its characters upper-cases to one character of the range, except µ, ß and ÿ; an order
// holding any of those or anything beyond the range returns false and takes the general path.
bool normalizarLatin1(QStringView orden, QString &t) {
    t.resize(orden.size());
    QChar *salida = t.data();
    qsizetype n = 0;
    for (const QChar c : orden) {
        char16_t u = c.unicode();
        if (u >= 0x100 || u == 0xB5 || u == 0xDF || u == 0xFF)
            return false;
        if ((u >= u'a' && u <= u'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
            u -= 0x20;
        switch (u) {
        case u',':
        case u'.': continue;
        case u'Á': u = u'A'; break;
        case u'É': u = u'E'; break;
        case u'Í': u = u'I'; break;
        case u'Ó': u = u'O'; break;
        case u'Ú': u = u'U'; break;
        default: break;
        }
        salida[n++] = QChar(u);
    }
    t.truncate(n);
    return true;
}

// Characters that NFC may join to what comes before them although they are not combining marks
// (vowel signs of some Indic scripts, Hangul vowels and final consonants). A piece of an order
// never starts with one.
bool seUneAlAnterior(char32_t c) {
    static constexpr char32_t sueltos[] = {
        0x09BE,  0x09D7,  0x0B3E,  0x0B56,  0x0B57,  0x0BBE,  0x0BD7,  0x0CC2,
        0x0CD5,  0x0CD6,  0x0D3E,  0x0D57,  0x0DCF,  0x0DDF,  0x102E,  0x1B35,
        0x11127, 0x1133E, 0x11357, 0x114B0, 0x114BA, 0x114BD, 0x115AF, 0x11930,
    };
    if ((c >= 0x1161 && c <= 0x1175) || (c >= 0x11A8 && c <= 0x11C2))
        return true;
    return std::find(std::begin(sueltos), std::end(sueltos), c) != std::end(sueltos);
}

// NFC, then upper case. Qt takes time that grows with the square of the length for both on some
// texts (long runs of combining marks, many compositions, ß or ligatures that grow when upper-
// cased): a pasted order of a megabyte froze the game for minutes. Both come out the same piece by
// piece when every piece starts at a character that nothing before it can join, so long orders go
// in pieces; and, as in Unicode's stream-safe format, a combining grapheme joiner breaks runs of
// more than 30 combining marks, which no keyboard produces and no pattern can match.
QString mayusculasNfc(const QString &orden) {
    constexpr qsizetype TamPieza = 256;
    constexpr int MaxMarcas = 30;
    QString resultado;
    resultado.reserve(orden.size());
    QString pieza;
    auto cerrar = [&] {
        resultado += pieza.normalized(QString::NormalizationForm_C).toUpper();
        pieza.clear();
    };
    int marcas = 0;
    for (qsizetype i = 0; i < orden.size();) {
        char32_t c = orden[i].unicode();
        qsizetype n = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < orden.size() && orden[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(orden[i], orden[i + 1]);
            n = 2;
        }
        // Three Tibetan signs are no marks themselves but come apart into two.
        const bool tibetano = c == 0x0F73 || c == 0x0F75 || c == 0x0F81;
        const int marcasDeC = tibetano ? 2 : QChar::combiningClass(c) != 0 ? 1 : 0;
        if (marcasDeC > 0) {
            marcas += marcasDeC;
            if (marcas > MaxMarcas) {
                if (pieza.size() >= TamPieza)
                    cerrar(); // nothing joins a joiner, so a piece may start with it
                pieza += QChar(0x034F);
                marcas = marcasDeC;
            }
        } else {
            marcas = 0;
            if (pieza.size() >= TamPieza && !seUneAlAnterior(c))
                cerrar();
        }
        pieza.append(orden.constData() + i, n);
        i += n;
    }
    cerrar();
    return resultado;
}

} // namespace

QString normalizarOrden(const QString &orden) {
    static const QString signos[][2] = {
        {QStringLiteral(","), QString()},           {QStringLiteral("."), QString()},
        {QStringLiteral("Á"), QStringLiteral("A")}, {QStringLiteral("É"), QStringLiteral("E")},
        {QStringLiteral("Í"), QStringLiteral("I")}, {QStringLiteral("Ó"), QStringLiteral("O")},
        {QStringLiteral("Ú"), QStringLiteral("U")},
    };
    static const QString verbos[][2] = {
        {QStringLiteral("MOVER"), QStringLiteral("SACAR")},
        {QStringLiteral("REMOVER"), QStringLiteral("SACAR")},
        {QStringLiteral("VER"), QStringLiteral("MIRAR")},
        {QStringLiteral("OBSERVAR"), QStringLiteral("MIRAR")},
    };
    QString t;
    if (!normalizarLatin1(orden, t)) {
        // Composing first means a vowel typed as letter plus combining accent counts as the
        // accented vowel, and so as the plain one after the replacements below.
        t = mayusculasNfc(orden);
        for (const auto &[busca, pon] : signos)
            t.replace(busca, pon, Qt::CaseSensitive);
    }
    // The verb replacements run in this order, each over the result of the one before. Every word
    // they look for holds a V and none they put in does, so without a V there is nothing to do.
    if (t.contains(QLatin1Char('V'))) {
        for (const auto &[busca, pon] : verbos)
            t.replace(busca, pon, Qt::CaseSensitive);
    }
    return t;
}

bool coincideNormalizada(QStringView patron, QStringView texto) {
    return todasLasPalabrasEstan(patron, texto);
}

bool coincideNormalizada(QLatin1StringView patron, QStringView texto) {
    return todasLasPalabrasEstan(patron, texto);
}

bool Coincide(const QString &patron, const QString &orden) {
    return coincideNormalizada(QStringView(patron.toUpper()), normalizarOrden(orden));
}
