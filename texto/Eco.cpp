// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Eco.h"

#include "Utf8.h"

std::string ecoParaTerminal(std::string_view linea) {
    if (linea.ends_with('\r'))
        linea.remove_suffix(1);
    // Read as the game reads it, so the echo differs from the transcript's only where it must.
    std::u16string visible;
    for (const char16_t c : utf16DeUtf8(linea)) {
        if ((c < 0x20 && c != u'\t') || c == 0x7F) {
            visible += u'^';
            visible += char16_t(c ^ 0x40); // ^@ ... ^_, and ^? for Delete
        } else if (c >= 0x80 && c < 0xA0) {
            visible += u'\uFFFD'; // CSI and the other C1 controls
        } else {
            visible += c;
        }
    }
    return "> " + utf8DeUtf16(visible);
}
