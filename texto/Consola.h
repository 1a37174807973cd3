// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Partida.h"

#include <QStringList>
#include <ostream>
#include <string>

// The terminal front end: one action per input line, the game's output as plain UTF-8 lines.
// Lines that are not the game's own (exits, cues, help) start with "(".
class Consola : private Pantalla {
  public:
    Consola(std::ostream &salida, Sorteo sorteo, bool eco);

    void empezar();
    // Runs one line of input; false once the program has ended (won, or "SALIR").
    bool accion(const std::string &bytes);

  private:
    void vaciar() override { lista_.clear(); }
    void anadirLinea(const QString &linea) override { lista_.append(linea); }
    void mostrarPista(bool visible) override { pista_ = visible; }
    void ponerBotones(const Botones &b) override { botones_ = b; }
    void cargarDibujo(const char *) override {}
    void sonar(Sonido s) override { sonidos_.append(QString::fromLatin1(nombreSonido(s))); }
    void ganar() override { ganado_ = true; }
    void terminar() override { terminado_ = true; }

    void escribir(const QString &linea);
    void escribirLugar();
    void escribirSonidos();

    std::ostream &salida_;
    bool eco_;
    Partida partida_;
    QStringList lista_;
    QStringList sonidos_;
    Botones botones_;
    bool pista_ = false;
    bool ganado_ = false;
    bool terminado_ = false;
};
