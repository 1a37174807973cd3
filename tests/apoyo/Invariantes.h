// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Estado.h"
#include "Sitios.h"

#include <utility>

// What holds at every step of every game (the state-space test and the game fuzzer check it): the
// first rule the step from antes to ahora breaks, or null. The place is one of the six and changes
// only along the map, flags are 0 or 1 and never go back to 0, and the objects come in the order
// of the one chain of progress.
inline const char *reglaRota(const Estado &antes, const Estado &ahora) {
    if (!lugarValido(ahora.Lugar))
        return "Lugar fuera de 0..5";
    for (Bandera b : TodasLasBanderas) {
        if (ahora.*b != 0 && ahora.*b != 1)
            return "bandera distinta de 0 y 1";
        if (antes.*b > ahora.*b)
            return "bandera que vuelve a 0";
    }
    auto implica = [](std::int16_t a, std::int16_t b) { return a != 1 || b == 1; };
    const std::pair<bool, const char *> cadena[] = {
        {implica(ahora.TieneMazo, ahora.MazoCogido) && implica(ahora.MazoCogido, ahora.TieneMazo),
         "mazo cogido y mazo en la mano no van juntos"},
        {implica(ahora.ClavoEncontrado, ahora.TieneMazo), "clavo encontrado sin el mazo"},
        {implica(ahora.TieneClavo, ahora.ClavoEncontrado), "clavo sin haberlo encontrado"},
        {implica(ahora.TieneDestornillador, ahora.DestornilladorVisto),
         "destornillador sin haberlo visto"},
        {implica(ahora.TieneTornillo, ahora.TieneDestornillador), "tornillo sin destornillador"},
        {implica(ahora.MensajeLeido, ahora.TieneTornillo), "mensaje sin el tornillo"},
    };
    for (const auto &[cumple, que] : cadena)
        if (!cumple)
            return que;
    if (ahora.Lugar != antes.Lugar) {
        for (const Camino &s : Sitios[antes.Lugar].salidas)
            if (s.hasta == ahora.Lugar)
                return nullptr;
        return "salto entre sitios que no están unidos";
    }
    return nullptr;
}

// Where and with what the game may be won: at the car, with the mallet, the nail and the
// monument's message.
inline bool puedeGanar(const Estado &e) {
    return e.Lugar == Entrada && e.TieneMazo == 1 && e.TieneClavo == 1 && e.MensajeLeido == 1;
}
