// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Each step follows the Qt 6.4 function it stands for (qt_string_normalize and its helpers, then
// QString::toUpper on a temporary), but writes to a new string instead of inserting and removing
// in place, so it takes linear time where Qt takes quadratic.

#include "Unicode.h"

#include "TablasUnicode.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

namespace t = tablas_unicode;

constexpr char32_t SBase = 0xAC00, LBase = 0x1100, VBase = 0x1161, TBase = 0x11A7;
constexpr char32_t LCount = 19, VCount = 21, TCount = 28, NCount = VCount * TCount;
constexpr char32_t SCount = LCount * NCount;
constexpr std::uint64_t Partes = (std::uint64_t(1) << 42) - 1, Punto = 0x1FFFFF;

bool alto(char32_t u) {
    return (u & 0xFC00) == 0xD800;
}
bool bajo(char32_t u) {
    return (u & 0xFC00) == 0xDC00;
}
// A surrogate read as a code point stands alone.
bool suelto(char32_t c) {
    return (c & 0xF800) == 0xD800;
}

// The code point at s[i] and its length in units; a lone surrogate stands for itself.
std::pair<char32_t, std::size_t> leer(std::u16string_view s, std::size_t i, std::size_t fin) {
    if (alto(s[i]) && i + 1 < fin && bajo(s[i + 1]))
        return {0x10000 + ((char32_t(s[i]) - 0xD800) << 10) + (s[i + 1] - 0xDC00), 2};
    return {s[i], 1};
}

void poner(std::u16string &s, char32_t c, std::size_t en) {
    if (c >= 0x10000)
        s[en++] = char16_t(0xD7C0 + (c >> 10)), c = 0xDC00 | (c & 0x3FF);
    s[en] = char16_t(c);
}

void poner(std::u16string &s, char32_t c) {
    s.resize(s.size() + 1 + (c >= 0x10000));
    poner(s, c, s.size() - 1 - (c >= 0x10000));
}

std::uint32_t escalon(std::span<const std::uint32_t> tabla, char32_t c) {
    return *(std::upper_bound(tabla.begin(), tabla.end(), std::uint32_t(c) << 11 | 0x7FF) - 1) &
           0x7FF;
}

// NFC quick check << 8 | combining class.
std::uint32_t propiedad(char32_t c);

// Appends c fully decomposed, with its combining class above the code point.
void descomponer(char32_t c, std::vector<std::uint32_t> &v) {
    if (c - SBase < SCount) {
        const char32_t s = c - SBase;
        v.push_back(LBase + s / NCount);
        v.push_back(VBase + s % NCount / TCount);
        if (s % TCount)
            v.push_back(TBase + s % TCount);
        return;
    }
    const auto d = std::lower_bound(t::descomposiciones.begin(), t::descomposiciones.end(),
                                    std::uint64_t(c) << 42);
    if (d == t::descomposiciones.end() || *d >> 42 != c) {
        v.push_back((propiedad(c) & 0xFF) << 21 | c);
        return;
    }
    descomponer(*d >> 21 & Punto, v);
    if (*d & Punto)
        descomponer(*d & Punto, v);
}

// What a starter and the character after it compose to, or 0.
char32_t ligar(char32_t a, char32_t b) {
    if (a - LBase < LCount && b - VBase < VCount)
        return SBase + ((a - LBase) * VCount + b - VBase) * TCount;
    if (a - SBase < SCount && (a - SBase) % TCount == 0 && b - TBase - 1 < TCount - 1)
        return a + b - TBase;
    const std::uint64_t clave = std::uint64_t(a) << 21 | b;
    const auto c = std::lower_bound(
        t::composiciones.begin(), t::composiciones.end(), clave,
        [](std::uint16_t i, std::uint64_t k) { return (t::descomposiciones[i] & Partes) < k; });
    if (c == t::composiciones.end() || (t::descomposiciones[*c] & Partes) != clave)
        return 0;
    return char32_t(t::descomposiciones[*c] >> 42);
}

std::u16string nfc(std::u16string_view s) {
    // Qt begins one unit before the first non-ASCII one, and leaves text that passes its quick
    // check as it is; otherwise it works from the last character that passed as stable.
    const std::size_t n = s.size();
    std::size_t desde =
        std::find_if(s.begin(), s.end(), [](char16_t u) { return u >= 0x80; }) - s.begin();
    if (desde == n)
        return std::u16string(s);
    desde -= desde > 0; // the one before may join it
    std::size_t fin = n;
    while (fin > desde && alto(s[fin - 1]))
        --fin;
    int previa = 0;
    std::size_t i = desde;
    for (; i < fin; ++i) {
        const std::size_t pos = i;
        const auto [c, k] = leer(s, i, fin);
        i += k - 1;
        if (c >= 0x80 && !alto(c)) { // ASCII and lone high surrogates pass as stable
            const std::uint32_t p = propiedad(c);
            if (((p & 0xFF) > 0 && int(p & 0xFF) < previa) || p >> 8 != 0)
                break;
            previa = p & 0xFF;
            if (previa != 0)
                continue;
        } else {
            previa = 0;
        }
        desde = pos;
    }
    if (i >= fin)
        return std::u16string(s);

    std::vector<std::uint32_t> v;
    for (std::size_t j = desde; j < n;) {
        const auto [c, k] = leer(s, j, n);
        descomponer(c, v);
        j += k;
    }
    // Canonical order: each run of marks sorted by class, keeping the order within a class.
    for (auto a = v.begin(); a != v.end();) {
        const auto b = std::find_if(a, v.end(), [](std::uint32_t x) { return x >> 21 == 0; });
        std::stable_sort(a, b, [](std::uint32_t x, std::uint32_t y) { return x >> 21 < y >> 21; });
        a = b == v.end() ? b : b + 1;
    }

    std::u16string r(s.substr(0, desde));
    std::size_t inicial = std::u16string::npos, siguiente = inicial;
    char32_t codigo = 0;
    previa = 255;
    for (std::size_t k = 0; k < v.size(); ++k) {
        const char32_t c = v[k] & Punto;
        const int clase = v[k] >> 21;
        if (inicial != std::u16string::npos && (r.size() == siguiente || clase > previa)) {
            if (const char32_t l = ligar(codigo, c)) {
                poner(r, codigo = l, inicial); // a composite takes as many units as its parts
                if (c >= 0x10000 && k + 1 < v.size()) {
                    // Qt steps one unit too far here: the next unit stays as it is, and if it
                    // begins a pair, the pair's second half goes on as a lone surrogate.
                    const char32_t p = v[k + 1] & Punto;
                    r += char16_t(p < 0x10000 ? p : 0xD7C0 + (p >> 10));
                    if (p < 0x10000)
                        ++k;
                    else
                        v[k + 1] = 0xDC00 | (p & 0x3FF);
                }
                continue;
            }
        }
        if (clase == 0) {
            inicial = r.size();
            codigo = c;
            siguiente = inicial + (c >= 0x10000 ? 2 : 1);
        }
        previa = clase;
        poner(r, c);
    }
    return r;
}

// The upper case of c as Qt gives it for a string of that character alone.
struct Mayuscula {
    char16_t u[3];
    std::uint8_t n;
    bool cambia;
};

Mayuscula calcularMayuscula(char32_t c) {
    const std::int32_t v = std::int32_t(t::cambios[escalon(t::mayusculas, c)]);
    Mayuscula m{{}, 0, true};
    if ((v & 3) == 3) {
        m.n = std::uint8_t(t::especiales[v >> 2]);
        std::copy_n(t::especiales.begin() + (v >> 2) + 1, m.n, m.u);
        return m;
    }
    m.cambia = v >> 2 != 0 && ((v & 3) == 0 || (c % 2 == 0) == ((v & 3) == 1));
    const char32_t u = m.cambia ? c + (v >> 2) : c;
    m.n = u >= 0x10000 ? 2 : 1;
    m.u[0] = char16_t(m.n == 2 ? 0xD7C0 + (u >> 10) : u);
    m.u[1] = char16_t(0xDC00 | (u & 0x3FF));
    return m;
}

// The first 256 code points looked up once, since most orders hold nothing else.
struct Latin1 {
    std::uint32_t propiedad[256];
    Mayuscula mayuscula[256];
};

const Latin1 &latin1() {
    static const Latin1 l = [] {
        Latin1 r;
        for (char32_t c = 0; c < 256; ++c) {
            r.propiedad[c] = escalon(t::propiedades, c);
            r.mayuscula[c] = calcularMayuscula(c);
        }
        return r;
    }();
    return l;
}

Mayuscula mayuscula(char32_t c) {
    return c < 256 ? latin1().mayuscula[c] : calcularMayuscula(c);
}

std::uint32_t propiedad(char32_t c) {
    return c < 256 ? latin1().propiedad[c] : escalon(t::propiedades, c);
}

// QString::toUpper on a temporary. Nothing is touched before the first character that changes;
// from there on lone surrogates read as U+FFFD. Trailing high surrogates are left out of the
// conversion, until a character grows: then Qt reads on to the very end.
std::u16string mayusculas(std::u16string t) {
    const std::size_t n = t.size();
    std::size_t fin = n;
    while (fin > 0 && alto(t[fin - 1]))
        --fin;
    std::size_t i = 0;
    while (i < fin) {
        const auto [c, k] = leer(t, i, fin);
        if (!suelto(c) && mayuscula(c).cambia)
            break;
        i += k;
    }
    if (i >= fin)
        return t;
    std::u16string r = t.substr(0, i);
    r.reserve(n + n / 8);
    while (i < fin) {
        const auto [c, k] = leer(t, i, fin);
        const Mayuscula m = mayuscula(suelto(c) ? 0xFFFD : c);
        r.append(m.u, m.n);
        if (m.n > 1 && !(m.n == 2 && m.u[0] == t[i]))
            fin = n;
        i += k;
    }
    return r.append(t, fin);
}

} // namespace

int claseCombinacion(char32_t c) {
    return c > 0x10FFFF ? 0 : propiedad(c) & 0xFF;
}

std::u16string mayusculasNfc(std::u16string_view texto) {
    return mayusculas(nfc(texto));
}

std::u16string mayusculasSinNfc(std::u16string_view texto) {
    return mayusculas(std::u16string(texto));
}
