// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Fixed texts that both front ends show.
inline constexpr const char *TextoPista = "¡Capullo, la bomba está en el coche!";
inline constexpr const char *TextoEnhorabuena = "¡¡Enhorabuena, te has pasado el juego!!";
inline constexpr const char *TextoFinal =
    "Gracias a la extremada inteligencia suprema de Er Jubo, se ha evitado una tragedia que podría "
    "haber ocasionado miles de muertos, ahora, con este gran logro, podrás vacilar toda tu vida, "
    "¡¡enhorabuena!!";
