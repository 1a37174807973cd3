// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Partida.h"

#include <optional>
#include <string_view>

// The game screen's buttons written as lines of text: "/palante" presses Pa' Lante, and so on.
// jubo-texto reads its input this way, and tests and fuzzers play scripted games with it. Its
// help, its greeting and the manual pages list the buttons from this table (packaging reads the
// rows below, one to a line).
struct Atajo {
    const char *linea;          // "/palante"
    const char *boton;          // the button on the game screen, named as its handler: "PaLante"
    const char *leyenda;        // the button's caption
    void (Partida::*pulsar)();  // its handler
    std::optional<Boton> mueve; // the direction buttons
    const char *hace;           // what the others do, for the greeting
};

// clang-format off
inline constexpr Atajo Atajos[] = {
    {"/palante", "PaLante", "Pa' Lante", &Partida::PaLante, Boton::PaLante, nullptr},
    {"/patras", "Patras", "Pa' Tras", &Partida::Patras, Boton::Patras, nullptr},
    {"/izquierda", "Izquierda", "Pa' Ca <-----", &Partida::Izquierda, Boton::Izquierda, nullptr},
    {"/derecha", "Derecha", "Pa' ya ------>", &Partida::Derecha, Boton::Derecha, nullptr},
    {"/ver", "Ver", "Ver", &Partida::Ver, std::nullopt, "mira"},
    {"/inventario", "Inventario", "Pa' Ver lo que tienes", &Partida::Inventario, std::nullopt, "dice lo que llevas"},
};
// clang-format on

// The button a line stands for; null when the line is an order.
const Atajo *buscarAtajo(std::u16string_view linea);

// One line of a script: a button's line presses it, any other line is typed as an order.
void jugarLinea(Partida &partida, std::u16string_view linea);
