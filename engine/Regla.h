// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Estado.h"
#include "Lista.h"
#include "Sonido.h"

#include <span>

// One test of a rule's condition: the flag is 1 (uno) or is not 1.
struct Condicion {
    Bandera bandera;
    bool uno;
};

enum class TipoEfecto { Poner, MostrarPista, Sonar, Ganar, Vacilar, Terminar };

struct Efecto {
    TipoEfecto tipo;
    Bandera bandera = nullptr;     // for Poner
    Sonido sonido = Sonido::Ayuda; // for Sonar
};

// How a rule fires. Usually the screen is cleared, the lines appended, then the effects run.
enum class Disparo {
    LineasYEfectos,
    EfectosYLineas, // effects first: the hint is up before the line that announces it
    SinLimpiar,     // effects alone, leaving the screen as it is
};

// A row of a rule table: fires when any pattern matches and every condition holds.
struct Regla {
    Lista<const char *, 10> patrones{}; // upper case, plain ASCII
    Lista<Condicion, 3> condicion{};
    Lista<const char *, 3> respuesta{}; // UTF-8, one list line each
    Lista<Efecto, 3> efectos{};
    Disparo disparo = Disparo::LineasYEfectos;
};

// Shorthands that keep the tables readable.
constexpr Condicion Si(Bandera b) {
    return {b, true};
}
constexpr Condicion NoSi(Bandera b) {
    return {b, false};
}
constexpr Efecto Pon(Bandera b) {
    return {TipoEfecto::Poner, b};
}
constexpr Efecto Suena(Sonido s) {
    return {TipoEfecto::Sonar, nullptr, s};
}
inline constexpr Efecto EnsenaPista{TipoEfecto::MostrarPista};
inline constexpr Efecto Gana{TipoEfecto::Ganar};
inline constexpr Efecto Vacila{TipoEfecto::Vacilar};
inline constexpr Efecto Termina{TipoEfecto::Terminar};
