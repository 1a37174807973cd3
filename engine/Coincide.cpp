// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Coincide.h"

#include "Unicode.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <type_traits>

namespace {

bool esAlto(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool esBajo(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Is the word anywhere in the text? Horspool's search: the table is indexed by the low byte of a
// character, holding the smallest shift of all characters that share it, so any text is handled
// exactly; pattern words are ASCII, so in practice each entry belongs to one letter. Very long
// orders are scanned once per word tried, which this keeps to a fraction of their length.
template <typename Car>
bool aparece(std::basic_string_view<Car> palabra, std::u16string_view texto) {
    const std::size_t m = palabra.size();
    const std::size_t n = texto.size();
    if (m > n)
        return false;
    auto unidad = [](Car c) -> char16_t {
        if constexpr (std::is_same_v<Car, char16_t>)
            return c;
        else
            return char16_t(static_cast<unsigned char>(c));
    };
    if (n < 256) // the table would cost more than it saves
        return std::search(texto.begin(), texto.end(), palabra.begin(), palabra.end(),
                           [&](char16_t t, Car p) { return t == unidad(p); }) != texto.end();
    std::array<std::size_t, 256> salto;
    salto.fill(m);
    for (std::size_t k = 0; k + 1 < m; ++k)
        salto[unidad(palabra[k]) & 0xFF] = m - 1 - k;
    const char16_t ultima = unidad(palabra[m - 1]);
    for (std::size_t j = 0; j + m <= n;) {
        const char16_t c = texto[j + m - 1];
        if (c == ultima) {
            std::size_t k = m - 1;
            while (k > 0 && texto[j + k - 1] == unidad(palabra[k - 1]))
                --k;
            if (k == 0)
                return true;
        }
        j += salto[c & 0xFF];
    }
    return false;
}

template <typename Car>
bool todasLasPalabrasEstan(std::basic_string_view<Car> patron, std::u16string_view texto) {
    // Walk the pattern; a word ends at a space (which belongs to it) or at the last character.
    std::size_t inicio = 0;
    const std::size_t n = patron.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (patron[i] != Car(' ') && i != n - 1)
            continue;
        if (!aparece(patron.substr(inicio, i - inicio + 1), texto))
            return false; // one missing word decides it; the rest cannot change the answer
        inicio = i + 1;
    }
    return true;
}

// Upper-casing and the one-character replacements in a single pass, for the orders people type:
// every character below U+0100. Such text is already in NFC (nothing in that range combines), and
// each of its characters upper-cases to one character of the range, except µ, ß and ÿ; an order
// holding any of those or anything beyond the range returns false and takes the general path.
bool normalizarLatin1(std::u16string_view orden, std::u16string &t) {
    t.resize(orden.size());
    std::size_t n = 0;
    for (char16_t u : orden) {
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
        t[n++] = u;
    }
    t.resize(n);
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

// NFC, then upper case, in pieces of about 256 units that each start at a character nothing before
// it can join, so the work stays proportional to the length of a pasted order whatever it holds.
// As in Unicode's stream-safe format, a combining grapheme joiner breaks runs of more than 30
// combining marks, which no keyboard produces and no pattern can match.
std::u16string mayusculasNfcPorPiezas(std::u16string_view orden) {
    constexpr std::size_t TamPieza = 256;
    constexpr int MaxMarcas = 30;
    std::u16string resultado;
    resultado.reserve(orden.size());
    std::u16string pieza;
    auto cerrar = [&] {
        resultado += mayusculasNfc(pieza);
        pieza.clear();
    };
    int marcas = 0;
    for (std::size_t i = 0; i < orden.size();) {
        char32_t c = orden[i];
        std::size_t n = 1;
        if (esAlto(orden[i]) && i + 1 < orden.size() && esBajo(orden[i + 1])) {
            c = 0x10000 + ((char32_t(orden[i]) - 0xD800) << 10) + (char32_t(orden[i + 1]) - 0xDC00);
            n = 2;
        }
        // Three Tibetan signs are no marks themselves but come apart into two.
        const bool tibetano = c == 0x0F73 || c == 0x0F75 || c == 0x0F81;
        const int marcasDeC = tibetano ? 2 : claseCombinacion(c) != 0 ? 1 : 0;
        if (marcasDeC > 0) {
            marcas += marcasDeC;
            if (marcas > MaxMarcas) {
                if (pieza.size() >= TamPieza)
                    cerrar(); // nothing joins a joiner, so a piece may start with it
                pieza += char16_t(0x034F);
                marcas = marcasDeC;
            }
        } else {
            marcas = 0;
            if (pieza.size() >= TamPieza && !seUneAlAnterior(c))
                cerrar();
        }
        pieza.append(orden.substr(i, n));
        i += n;
    }
    cerrar();
    return resultado;
}

// Every occurrence of busca, left to right, without overlaps, becomes pon.
void reemplazar(std::u16string &t, std::u16string_view busca, std::u16string_view pon) {
    std::size_t desde = t.find(busca);
    if (desde == std::u16string::npos)
        return;
    std::u16string r;
    r.reserve(t.size());
    std::size_t copiado = 0;
    for (; desde != std::u16string::npos; desde = t.find(busca, copiado)) {
        r.append(t, copiado, desde - copiado);
        r.append(pon);
        copiado = desde + busca.size();
    }
    r.append(t, copiado);
    t = std::move(r);
}

} // namespace

std::u16string normalizarOrden(std::u16string_view orden) {
    static constexpr std::u16string_view signos[][2] = {
        {u",", u""},  {u".", u""},  {u"Á", u"A"}, {u"É", u"E"},
        {u"Í", u"I"}, {u"Ó", u"O"}, {u"Ú", u"U"},
    };
    static constexpr std::u16string_view verbos[][2] = {
        {u"MOVER", u"SACAR"},
        {u"REMOVER", u"SACAR"},
        {u"VER", u"MIRAR"},
        {u"OBSERVAR", u"MIRAR"},
    };
    std::u16string t;
    if (!normalizarLatin1(orden, t)) {
        // Composing first means a vowel typed as letter plus combining accent counts as the
        // accented vowel, and so as the plain one after the replacements below.
        t = mayusculasNfcPorPiezas(orden);
        for (const auto &[busca, pon] : signos)
            reemplazar(t, busca, pon);
    }
    // The verb replacements run in this order, each over the result of the one before. Every word
    // they look for holds a V and none they put in does, so without a V there is nothing to do.
    if (t.find(u'V') != std::u16string::npos) {
        for (const auto &[busca, pon] : verbos)
            reemplazar(t, busca, pon);
    }
    return t;
}

bool coincideNormalizada(std::u16string_view patron, std::u16string_view texto) {
    return todasLasPalabrasEstan(patron, texto);
}

bool coincideNormalizada(std::string_view patronAscii, std::u16string_view texto) {
    return todasLasPalabrasEstan(patronAscii, texto);
}

bool Coincide(std::u16string_view patron, std::u16string_view orden) {
    return coincideNormalizada(std::u16string_view(mayusculasSinNfc(patron)), normalizarOrden(orden));
}
