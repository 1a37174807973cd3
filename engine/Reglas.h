// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Lista.h"
#include "Regla.h"

#include <array>
#include <cstdint>
#include <span>

// One table per place (found through its row in Sitios), tried in order before the rules that
// hold everywhere.
extern const std::span<const Regla> ReglasEntrada;
extern const std::span<const Regla> ReglasCuarto;
extern const std::span<const Regla> ReglasComedor;
extern const std::span<const Regla> ReglasJardin;
extern const std::span<const Regla> ReglasParque;
extern const std::span<const Regla> ReglasCercanias;
extern const std::span<const Regla> ReglasGenerales;

// The table of a place; empty for a place number outside the map.
std::span<const Regla> reglasDe(std::int16_t lugar);

// The three refusals and the ten boasts of the villain (one to three lines each).
extern const std::array<const char *, 3> Negativas;
extern const std::array<Lista<const char *, 3>, 10> Vaciles;
