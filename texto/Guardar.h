// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Saved games on disk, for /guardar and /cargar. Each returns the one line the player reads.

// $XDG_DATA_HOME/jubo/partida, or ~/.local/share/jubo/partida; empty when neither is known.
std::string ficheroPorDefecto();

// Writes the token to a new file beside the old one and puts it in its place in one step, so a
// full disk or a crash leaves the previous save whole. Private to the player.
std::string guardarPartida(const std::string &fichero, const std::string &ficha);

// Reads a token back: empty when read, the line to show otherwise.
std::string leerPartida(const std::string &fichero, std::string &ficha);
