// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <random>

// A uniform draw in [0, 1).
using Sorteo = std::function<double()>;

// The game's own draw: re-seeded from the time of day, at clock resolution, before every draw.
double sorteoDelReloj();

// A fixed sequence, for reproducible transcripts and tests.
class SorteoFijo {
  public:
    explicit SorteoFijo(std::uint32_t semilla) : generador_(semilla) {}
    double operator()() { return generador_() / 4294967296.0; }

  private:
    std::mt19937 generador_;
};
