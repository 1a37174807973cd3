// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// Does the typed order satisfy the pattern? Every word of the pattern must occur somewhere in the
// normalised order; a word carries its trailing space, so only the last one may run on into a
// longer word. Both are UTF-16, as typed; lone surrogates are taken as they come.
bool Coincide(std::u16string_view patron, std::u16string_view orden);

// The order as the matcher compares it: NFC, upper case, no commas or full stops, no accents on
// capital vowels, and the verb synonyms folded (VER/OBSERVAR -> MIRAR, MOVER/REMOVER -> SACAR).
std::u16string normalizarOrden(std::u16string_view orden);

// The matching step alone, for callers that normalise an order once and try many patterns.
// The pattern must already be upper case; the rule tables' patterns are plain ASCII.
bool coincideNormalizada(std::u16string_view patron, std::u16string_view texto);
bool coincideNormalizada(std::string_view patronAscii, std::u16string_view texto);
