// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The whole state of one game. Flags only ever go from 0 to 1.
struct Estado {
    std::int16_t Lugar = 0;
    std::int16_t MazoCogido = 0;
    std::int16_t MensajeLeido = 0;
    std::int16_t DestornilladorVisto = 0;
    std::int16_t TieneTornillo = 0;
    std::int16_t TieneDestornillador = 0;
    std::int16_t ClavoEncontrado = 0;
    std::int16_t TieneMazo = 0;
    std::int16_t TieneClavo = 0;

    friend bool operator==(const Estado &, const Estado &) = default;
};

using Bandera = std::int16_t Estado::*;

// Every flag, for code that has to walk all of them (tests, debugging output).
inline constexpr Bandera TodasLasBanderas[] = {
    &Estado::MazoCogido,    &Estado::MensajeLeido,        &Estado::DestornilladorVisto,
    &Estado::TieneTornillo, &Estado::TieneDestornillador, &Estado::ClavoEncontrado,
    &Estado::TieneMazo,     &Estado::TieneClavo,
};
