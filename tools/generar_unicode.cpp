// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes engine/TablasUnicode.cpp, the data of engine/Unicode.cpp, by asking the Qt it is linked
// with about every code point: QChar for combining classes and canonical decompositions, and
// QString's own NFC and upper-casing for everything else. It refuses data that the algorithms of
// Unicode.cpp were not written for, rather than write tables that would quietly give other
// results than Qt.
//   generar_unicode SALIDA.cpp

#include <QChar>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr char32_t Ultimo = 0x10FFFF;
constexpr char32_t SBase = 0xAC00, SCount = 11172;

bool esSustituto(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

[[noreturn]] void fallar(const char *que, char32_t c) {
    std::fprintf(stderr, "generar_unicode: %s (U+%04X)\n", que, unsigned(c));
    std::exit(1);
}

// One code point as a string, unit by unit: QString::fromUcs4 and fromUtf16 would drop a BOM.
QString cadena(char32_t c) {
    return QStringView(QChar::fromUcs4(c)).toString();
}

std::vector<char32_t> puntos(const QString &s) {
    std::vector<char32_t> r;
    for (qsizetype i = 0; i < s.size(); ++i) {
        char32_t u = s[i].unicode();
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            u = QChar::surrogateToUcs4(s[i], s[i + 1]);
            ++i;
        }
        r.push_back(u);
    }
    return r;
}

// Runs of equal values as a step function: one entry per run, its first code point above `bits`
// bits of value.
std::vector<std::uint32_t> escalones(const std::vector<std::uint32_t> &valor, int bits) {
    std::vector<std::uint32_t> r;
    for (char32_t c = 0; c <= Ultimo; ++c) {
        if (valor[c] >= (1u << bits))
            fallar("valor demasiado grande para su tabla", c);
        if (c == 0 || valor[c] != valor[c - 1])
            r.push_back((std::uint32_t(c) << bits) | valor[c]);
    }
    return r;
}

template <typename T>
void escribir(std::string &o, const char *tipo, const char *nombre, const std::vector<T> &v,
              int digitos, std::size_t porLinea) {
    o += "const " + std::string(tipo) + " " + nombre + "[] = {\n";
    for (std::size_t i = 0; i < v.size(); ++i) {
        char num[32];
        std::snprintf(num, sizeof num, "0x%0*llX,", digitos, static_cast<unsigned long long>(v[i]));
        o += i % porLinea == 0 ? "    " : " ";
        o += num;
        if (i % porLinea == porLinea - 1 || i + 1 == v.size())
            o += "\n";
    }
    o += "};\n\n";
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: generar_unicode SALIDA.cpp\n");
        return 2;
    }

    // Combining class and NFC quick check (0 yes, 1 no, 2 maybe), per code point.
    std::vector<std::uint32_t> clase(Ultimo + 1), rapida(Ultimo + 1);
    // Canonical decompositions, one level deep as Qt applies them; Hangul is left to arithmetic.
    std::map<char32_t, std::vector<char32_t>> descomposicion;
    std::vector<char32_t>
        compuestos;              // code points that NFC builds from their two-part decomposition
    std::set<char32_t> segundos; // what can join what stands before it
    std::map<char32_t, QString> mayuscula;

    for (char32_t c = 0; c <= Ultimo; ++c) {
        clase[c] = QChar::combiningClass(c);
        if (esSustituto(c))
            continue; // Qt gives them nothing but class 0; the algorithms handle them alone
        const QString s = cadena(c);
        const QString nfc = s.normalized(QString::NormalizationForm_C);
        rapida[c] = nfc != s ? 1 : 0;
        if (QChar::decompositionTag(c) == QChar::Canonical) {
            const std::vector<char32_t> d = puntos(QChar::decomposition(c));
            if (nfc == s) {
                for (std::size_t k = 1; k < d.size(); ++k)
                    segundos.insert(d[k]);
            }
            if (c < SBase || c >= SBase + SCount) {
                if (d.empty() || d.size() > 2)
                    fallar("descomposición canónica de más de dos caracteres", c);
                descomposicion[c] = d;
                if (d.size() == 2 && nfc == s) {
                    compuestos.push_back(c);
                    // Qt writes a composite over its first part and deletes as many units as it
                    // takes from the second.
                    if (QChar::requiresSurrogates(d[0]) != QChar::requiresSurrogates(c) ||
                        QChar::requiresSurrogates(d[1]) != QChar::requiresSurrogates(c))
                        fallar("composición que cambia de plano", c);
                    const char32_t par[] = {d[0], d[1]};
                    if (QString::fromUcs4(par, 2).normalized(QString::NormalizationForm_C) != s)
                        fallar("NFC no vuelve a componer la descomposición", c);
                }
            }
        }
        const QString m = s.toUpper();
        if (m != s) {
            if (QChar::requiresSurrogates(c) ? m.size() != 2 || m[0] != s[0]
                                             : m.size() > 1 && m[0] == s[0])
                fallar("mayúscula que Qt no sabría escribir en su sitio", c);
            mayuscula[c] = m;
        }
        // Qt converts from the first character whose case changes, and from there on writes lone
        // surrogates as U+FFFD; which characters start it must be exactly those that change.
        const QString conSuelto = s + QChar(0xDC00);
        if ((conSuelto.toUpper().back() == QChar(0xFFFD)) != (m != s))
            fallar("el cambio de caso no empieza donde cambia el carácter", c);
    }
    for (const char32_t c : segundos) {
        if (rapida[c] != 0)
            fallar("un segundo de composición que NFC no deja tal cual", c);
        rapida[c] = 2;
    }

    // Upper case in runs: one value covers a run of code points with the same difference, or
    // every other one of them (the alternating upper and lower case of many scripts); mappings of
    // more than one character are each a run of their own.
    enum Modo { Todos, Pares, Impares, Especial };
    std::vector<std::int32_t> cambios{0};
    std::vector<std::uint16_t> especiales;
    std::vector<std::uint32_t> indice(Ultimo + 1, 0);
    auto diferencia = [&](char32_t c) -> std::int64_t {
        const auto it = mayuscula.find(c);
        if (it == mayuscula.end())
            return 0;
        const std::vector<char32_t> p = puntos(it->second);
        return p.size() == 1 ? std::int64_t(p[0]) - c : INT64_MAX;
    };
    auto valorDe = [&](std::int32_t v) {
        const auto it = std::find(cambios.begin(), cambios.end(), v);
        if (it != cambios.end())
            return std::uint32_t(it - cambios.begin());
        cambios.push_back(v);
        return std::uint32_t(cambios.size() - 1);
    };
    for (char32_t c = 0; c <= Ultimo;) {
        const std::int64_t d = diferencia(c);
        if (d == INT64_MAX) {
            const QString &m = mayuscula[c];
            const std::int32_t v = std::int32_t(especiales.size() << 2) | Especial;
            especiales.push_back(std::uint16_t(m.size()));
            for (const QChar u : m)
                especiales.push_back(u.unicode());
            indice[c++] = valorDe(v);
            continue;
        }
        // A run holds every code point from c with difference d, or every other one of them when
        // the one after c is unchanged and the next has d again.
        const bool alterno =
            d != 0 && c + 2 <= Ultimo && diferencia(c + 1) == 0 && diferencia(c + 2) == d;
        const Modo modo = !alterno ? Todos : c % 2 == 0 ? Pares : Impares;
        const std::uint32_t v = valorDe(std::int32_t(d * 4) | modo);
        char32_t f = c;
        while (f <= Ultimo && diferencia(f) == (!alterno || (f - c) % 2 == 0 ? d : 0))
            indice[f++] = v;
        c = f;
    }

    // Decompositions sorted by code point, and the composites by their two parts.
    std::vector<std::uint64_t> descomp;
    for (const auto &[c, d] : descomposicion)
        descomp.push_back(std::uint64_t(c) << 42 | std::uint64_t(d[0]) << 21 |
                          (d.size() > 1 ? d[1] : 0));
    std::vector<std::uint16_t> composiciones;
    for (const char32_t c : compuestos)
        composiciones.push_back(
            std::uint16_t(std::lower_bound(descomp.begin(), descomp.end(), std::uint64_t(c) << 42) -
                          descomp.begin()));
    constexpr std::uint64_t Partes = (std::uint64_t(1) << 42) - 1;
    std::sort(composiciones.begin(), composiciones.end(),
              [&](auto a, auto b) { return (descomp[a] & Partes) < (descomp[b] & Partes); });

    std::vector<std::uint32_t> propiedad(Ultimo + 1);
    for (char32_t c = 0; c <= Ultimo; ++c)
        propiedad[c] = rapida[c] << 8 | clase[c];
    // Written as unsigned: the hexadecimal of a negative difference is no int literal.
    const std::vector<std::uint32_t> cambiosSinSigno(cambios.begin(), cambios.end());

    std::string o;
    o += "// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo\n"
         "//\n"
         "// SPDX-License-Identifier: GPL-3.0-or-later\n\n";
    o += "// GENERATED by tools/generar_unicode.cpp from Qt " + std::string(qVersion()) +
         ": do not edit. To regenerate,\n"
         "// configure with BUILD_TESTING=ON and run: cmake --build build --target "
         "regenerar_unicode\n\n";
    o += "#include \"TablasUnicode.h\"\n\n// clang-format off\nnamespace {\n\n";
    escribir(o, "std::uint32_t", "propiedadesDatos", escalones(propiedad, 11), 8, 8);
    escribir(o, "std::uint64_t", "descomposicionesDatos", descomp, 16, 4);
    escribir(o, "std::uint16_t", "composicionesDatos", composiciones, 4, 12);
    escribir(o, "std::uint32_t", "mayusculasDatos", escalones(indice, 11), 8, 8);
    escribir(o, "std::uint32_t", "cambiosDatos", cambiosSinSigno, 8, 8);
    escribir(o, "std::uint16_t", "especialesDatos", especiales, 4, 12);
    o += "} // namespace\n// clang-format on\n\n"
         "const std::span<const std::uint32_t> tablas_unicode::propiedades(propiedadesDatos);\n"
         "const std::span<const std::uint64_t> "
         "tablas_unicode::descomposiciones(descomposicionesDatos);\n"
         "const std::span<const std::uint16_t> tablas_unicode::composiciones(composicionesDatos);\n"
         "const std::span<const std::uint32_t> tablas_unicode::mayusculas(mayusculasDatos);\n"
         "const std::span<const std::uint32_t> tablas_unicode::cambios(cambiosDatos);\n"
         "const std::span<const std::uint16_t> tablas_unicode::especiales(especialesDatos);\n";

    std::FILE *f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(o.data(), 1, o.size(), f) != o.size() || std::fclose(f) != 0) {
        std::fprintf(stderr, "generar_unicode: no se puede escribir %s\n", argv[1]);
        return 1;
    }
    return 0;
}
