// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Partida.h"

#include <ostream>
#include <string>
#include <vector>

// The terminal front end: one action per input line, the game's output as plain UTF-8 lines.
// Lines that are not the game's own (exits, cues, help, saving) start with "(".
class Consola : private Pantalla {
  public:
    // partidaGuardada: where /guardar and /cargar write and read when given no file.
    Consola(std::ostream &salida, Sorteo sorteo, bool eco, std::string partidaGuardada = {});

    void empezar();
    // Runs one line of input; false once the program has ended (won, or "SALIR").
    bool accion(const std::string &bytes);

  private:
    void vaciar() override { lista_.clear(); }
    void anadirLinea(std::string_view linea) override { lista_.emplace_back(linea); }
    void mostrarPista(bool visible) override { pista_ = visible; }
    void ponerBotones(const Botones &) override {} // the ways on come with the place
    void cargarDibujo(const char *) override {}
    void sonar(Sonido s) override { sonidos_.emplace_back(nombreSonido(s)); }
    void ganar() override { ganado_ = true; }
    void terminar() override { terminado_ = true; }
    void entrarLugar(const Sitio &sitio) override {
        sitio_ = &sitio;
        movido_ = true;
    }

    // /guardar and /cargar, with the rest of the line as the file; false when the line is neither.
    bool partidaGuardada(std::u16string_view linea);

    void escribir(std::string_view linea);
    void escribirLugar();
    void escribirSonidos();

    std::ostream &salida_;
    bool eco_;
    std::string ficheroPorDefecto_;
    Partida partida_;
    std::vector<std::string> lista_;
    std::vector<std::string> sonidos_;
    const Sitio *sitio_ = nullptr; // set by entrarLugar: where the player now is
    bool movido_ = false;          // the action running took the player to another place
    bool pista_ = false;
    bool ganado_ = false;
    bool terminado_ = false;
};
