// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Lista.h"

#include <QtGlobal>
#include <array>
#include <span>

enum class Boton { Derecha, Izquierda, PaLante, Patras };

// Which direction buttons are usable (enabled and visible) in a place.
struct Botones {
    bool Derecha = false;
    bool Izquierda = false;
    bool PaLante = false;
    bool Patras = false;
    friend bool operator==(const Botones &, const Botones &) = default;
};

struct Sitio {
    const char *nombre; // as the player reads it: "Jardín", "Cercanías"...
    const char *dibujo; // picture file name, mixed case as stored on disk
    Botones usables;
    Lista<const char *, 3> vista; // what the look button prints
};

struct Movimiento {
    Boton boton;
    qint16 desde;
    qint16 hasta;
};

// Place numbers, as stored in Estado::Lugar.
enum NumeroLugar : qint16 { Entrada, Cuarto, Comedor, Jardin, Parque, Cercanias };

extern const std::array<Sitio, 6> Sitios;
extern const std::span<const Movimiento> Movimientos;

inline bool lugarValido(qint16 lugar) {
    return lugar >= 0 && lugar < qint16(Sitios.size());
}
