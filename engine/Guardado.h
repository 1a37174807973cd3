// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Estado.h"

#include <string>
#include <string_view>

// Could a player be in this game: the place on the map, each flag 0 or 1, the objects in the
// order the one chain of progress gives them, and the hint only where it can be up?
bool partidaPosible(const Estado &e, bool pista);

// A game as a short, versioned line of text, and back. leerFicha leaves e and pista alone and
// says why (UTF-8, Spanish) when the text is not a game this version can resume.
std::string escribirFicha(const Estado &e, bool pista);
const char *leerFicha(std::string_view ficha, Estado &e, bool &pista);
