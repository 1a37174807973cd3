// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// The whole state of one game. Flags only ever go from 0 to 1.
struct Estado {
    qint16 Lugar = 0;
    qint16 MazoCogido = 0;
    qint16 MensajeLeido = 0;
    qint16 DestornilladorVisto = 0;
    qint16 TieneTornillo = 0;
    qint16 TieneDestornillador = 0;
    qint16 ClavoEncontrado = 0;
    qint16 TieneMazo = 0;
    qint16 TieneClavo = 0;

    friend bool operator==(const Estado &, const Estado &) = default;
};

using Bandera = qint16 Estado::*;

// Every flag, for code that has to walk all of them (tests, debugging output).
inline constexpr Bandera TodasLasBanderas[] = {
    &Estado::MazoCogido,    &Estado::MensajeLeido,        &Estado::DestornilladorVisto,
    &Estado::TieneTornillo, &Estado::TieneDestornillador, &Estado::ClavoEncontrado,
    &Estado::TieneMazo,     &Estado::TieneClavo,
};
