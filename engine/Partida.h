// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Azar.h"
#include "Estado.h"
#include "Pantalla.h"
#include "Regla.h"

#include <string>
#include <string_view>

// One game: its state and every handler of the game screen that is not about layout.
// The screen forwards button clicks and Enter here; the game answers through Pantalla.
class Partida {
  public:
    explicit Partida(Pantalla &pantalla, Sorteo sorteo = sorteoDelReloj);

    // The load handler: set up the entrance. Runs once, when the game screen is created.
    void Cargar();

    void PaLante() { pulsar(Boton::PaLante); }
    void Patras() { pulsar(Boton::Patras); }
    void Izquierda() { pulsar(Boton::Izquierda); }
    void Derecha() { pulsar(Boton::Derecha); }
    void pulsar(Boton boton); // a direction button; does nothing where it does not apply
    void Ver();
    void Inventario();

    // Enter in the order box, with the box's text as it stands (UTF-16, as typed).
    void ProcesarOrden(std::u16string_view orden);

    // The whole game as a short text that restaurar() takes back, here or in another run.
    std::string guardar() const;
    // Puts the game where the token says and tells the screen as if the player had just walked
    // in. Null when done; otherwise why the token is refused (UTF-8, Spanish), the game untouched.
    const char *restaurar(std::string_view token);

    const Estado &estado() const { return estado_; }
    Estado &estado() { return estado_; } // for tests that start from a given state

  private:
    void EntrarLugar();
    void LimpiarPantalla();
    void RespuestaPorDefecto();
    void Vacilar();
    void ponerPista(bool visible);
    bool cumple(const Regla &regla) const;
    void disparar(const Regla &regla);
    void anadir(const char *utf8);
    int sortear(int casos);

    Pantalla &pantalla_;
    Sorteo sorteo_;
    Estado estado_;
    bool pista_ = false; // the hint is up; a saved game keeps it
};
