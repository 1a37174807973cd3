// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Lista.h"
#include "Regla.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

enum class Boton { Derecha, Izquierda, PaLante, Patras };

// Which direction buttons are usable (enabled and visible) in a place.
struct Botones {
    bool Derecha = false;
    bool Izquierda = false;
    bool PaLante = false;
    bool Patras = false;
    friend bool operator==(const Botones &, const Botones &) = default;
};

// Place numbers, as stored in Estado::Lugar.
enum NumeroLugar : std::int16_t { Entrada, Cuarto, Comedor, Jardin, Parque, Cercanias };

// A way on: the button that takes it and the place it leads to.
struct Camino {
    Boton boton;
    NumeroLugar hasta;
};

// Everything about one place. Its buttons follow from its ways on.
struct Sitio {
    NumeroLugar numero;
    const char *nombre;           // as the player reads it: "Jardín", "Cercanías"...
    const char *dibujo;           // picture file name, mixed case as stored on disk
    const char *descripcion;      // what the picture shows, for a screen reader
    Lista<Camino, 2> salidas;     // each front end lists them in its own button order
    Lista<const char *, 3> vista; // what the look button prints
    std::span<const Regla> reglas;
};

extern const std::array<Sitio, 6> Sitios;

constexpr bool lugarValido(std::int16_t lugar) {
    return lugar >= 0 && lugar < std::int16_t(Sitios.size());
}

// The buttons that lead somewhere from the place.
Botones botonesDe(const Sitio &sitio);
bool usable(const Botones &b, Boton boton);

// Where the player is and which ways lead on, as a screen reader says it in every front end:
// "Cuarto. Salidas: Pa' Tras; Pa' Ca, a la izquierda."
std::string dondeEstoy(const Sitio &sitio);

// The place a button leads to from a place; null when it leads nowhere.
const Sitio *destino(std::int16_t desde, Boton boton);
