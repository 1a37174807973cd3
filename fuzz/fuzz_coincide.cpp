// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the matcher. Input: a pattern, a newline, then the order (both UTF-8, anything goes).
// Besides not crashing, the matcher must agree with a plain re-reading of its own rules, and
// extra words around an order must never make a satisfied pattern fail.

#include "Coincide.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void falla(const char *que, const QString &patron, const QString &orden) {
    std::fprintf(stderr, "fuzz_coincide: %s\n  patrón: %s\n  orden: %s\n", que,
                 patron.toUtf8().constData(), orden.toUtf8().constData());
    std::abort();
}

// The same rules written out the slow, obvious way on std::u16string, to catch the fast path
// (views, early exits, one normalisation shared by many patterns) drifting from them.
bool referencia(const QString &patron, const QString &orden) {
    std::u16string t = orden.normalized(QString::NormalizationForm_C).toUpper().toStdU16String();
    const std::pair<std::u16string, std::u16string> cambios[] = {
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
    for (const auto &[busca, pon] : cambios) {
        std::u16string r;
        std::size_t desde = 0;
        for (std::size_t en; (en = t.find(busca, desde)) != std::u16string::npos;
             desde = en + busca.size())
            r += t.substr(desde, en - desde) + pon;
        t = r + t.substr(desde);
    }
    const std::u16string p = patron.toUpper().toStdU16String();
    std::size_t inicio = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (p[i] == u' ' || i + 1 == p.size()) {
            if (t.find(p.substr(inicio, i - inicio + 1)) == std::u16string::npos)
                return false;
            inicio = i + 1;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *datos, std::size_t tam) {
    const std::string_view entrada(reinterpret_cast<const char *>(datos), tam);
    const std::size_t corte = entrada.find('\n');
    if (corte == std::string_view::npos)
        return -1; // keep only inputs that hold both halves in the corpus
    const QString patron = QString::fromUtf8(entrada.substr(0, corte));
    const QString orden = QString::fromUtf8(entrada.substr(corte + 1));

    const bool si = Coincide(patron, orden);
    if (Coincide(patron, orden) != si)
        falla("dos respuestas distintas a la misma pregunta", patron, orden);
    if (si != referencia(patron, orden))
        falla("no coincide con la lectura directa de las reglas", patron, orden);
    if (si != coincideNormalizada(patron.toUpper(), normalizarOrden(orden)))
        falla("el atajo de una sola normalización da otra respuesta", patron, orden);
    if (si && !Coincide(patron, QStringLiteral("YA ") + orden + QStringLiteral(" Y MAS")))
        falla("palabras de más alrededor de la orden la estropean", patron, orden);
    return 0;
}
