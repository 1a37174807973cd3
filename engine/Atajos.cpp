// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Atajos.h"

#include <algorithm>

const Atajo *buscarAtajo(std::u16string_view linea) {
    for (const Atajo &a : Atajos) {
        const std::string_view l(a.linea);
        if (std::equal(l.begin(), l.end(), linea.begin(), linea.end(),
                       [](char c, char16_t u) { return char16_t(c) == u; }))
            return &a;
    }
    return nullptr;
}

void jugarLinea(Partida &partida, std::u16string_view linea) {
    if (const Atajo *a = buscarAtajo(linea))
        (partida.*a->pulsar)();
    else
        partida.ProcesarOrden(linea);
}
