// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the matcher. Input: a pattern, a newline, then the order (both UTF-8, anything goes).
// Besides not crashing, the matcher must agree with a plain re-reading of its own rules, and
// extra words around an order must never make a satisfied pattern fail.

#include "ConQt.h"
#include "Referencia.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *datos, std::size_t tam) {
    const std::string_view entrada(reinterpret_cast<const char *>(datos), tam);
    const std::size_t corte = entrada.find('\n');
    if (corte == std::string_view::npos)
        return -1; // keep only inputs that hold both halves in the corpus
    const QString patron = QString::fromUtf8(entrada.substr(0, corte));
    const QString orden = QString::fromUtf8(entrada.substr(corte + 1));

    const bool si = Coincide(patron, orden);
    // ProcesarOrden's path: the order normalised once, the table's Latin-1 pattern tried on it.
    const QByteArray latin1 = patron.toUpper().toLatin1();
    const bool esLatin1 = QString::fromLatin1(latin1) == patron.toUpper();
    const std::pair<bool, const char *> fallos[] = {
        {Coincide(patron, orden) != si, "dos respuestas distintas a la misma pregunta"},
        {coincidenciaDirecta(patron, orden) != si,
         "no coincide con la lectura directa de las reglas"},
        {esLatin1 && coincideNormalizada(std::string_view(latin1.constData(), latin1.size()),
                                         u16(normalizarOrden(orden))) != si,
         "la vía Latin-1 de ProcesarOrden da otra respuesta"},
        {si && !Coincide(patron, QStringLiteral("YA ") + orden + QStringLiteral(" Y MAS")),
         "palabras de más alrededor de la orden la estropean"},
    };
    for (const auto &[falla, que] : fallos) {
        if (falla) {
            std::fprintf(stderr, "fuzz_coincide: %s\n  patrón: %s\n  orden: %s\n", que,
                         patron.toUtf8().constData(), orden.toUtf8().constData());
            std::abort();
        }
    }
    return 0;
}
