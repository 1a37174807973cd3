// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Partida.h"

#include <QString>
#include <QStringView>

// The game screen's buttons written as lines of text: "/palante" presses Pa' Lante, and so on.
// jubo-texto reads its input this way, and tests and fuzzers play scripted games with it.
struct Atajo {
    const char *linea;         // "/palante"
    const char *boton;         // the button on the game screen, named as its handler: "PaLante"
    void (Partida::*pulsar)(); // that handler
};

inline constexpr Atajo Atajos[] = {
    {"/palante", "PaLante", &Partida::PaLante},
    {"/patras", "Patras", &Partida::Patras},
    {"/izquierda", "Izquierda", &Partida::Izquierda},
    {"/derecha", "Derecha", &Partida::Derecha},
    {"/ver", "Ver", &Partida::Ver},
    {"/inventario", "Inventario", &Partida::Inventario},
};

// The button a line stands for; null when the line is an order.
const Atajo *buscarAtajo(QStringView linea);

// One line of a script: a button's line presses it, any other line is typed as an order.
void jugarLinea(Partida &partida, const QString &linea);
