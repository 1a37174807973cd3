// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Sitios.h"
#include "Sonido.h"

#include <string_view>

// What the game tells whatever shows it: the desktop game screen, the terminal, the browser, or a
// test's recorder. Calls come in the order the player would see them happen; a front end learns
// everything from them and never has to read the game's state back.
class Pantalla {
  public:
    virtual ~Pantalla() = default;

    virtual void vaciar() = 0;                           // empty the order box and the output list
    virtual void anadirLinea(std::string_view utf8) = 0; // one new last line of the output list
    virtual void mostrarPista(bool visible) = 0;         // the hint label over the picture
    virtual void
    ponerBotones(const Botones &b) = 0; // direction buttons on (enabled, visible) or off
    virtual void cargarDibujo(const char *fichero) = 0; // replace the place picture
    virtual void sonar(Sonido s) = 0;                   // start a cue; never waits
    virtual void ganar() = 0;                           // hide the game, show the ending screen
    virtual void terminar() = 0;                        // end the program at once
    // The player is now in this place: at the start, after each move and after a restore. Comes
    // before the place's buttons, hint and cue.
    virtual void entrarLugar(const Sitio &sitio) = 0;
};
