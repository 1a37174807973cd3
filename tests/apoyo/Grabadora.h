// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConQt.h"
#include "Pantalla.h"

#include <QStringList>
#include <utility>

// A screen that keeps what the game did to it, in order, and the list as a player would see it.
// The desktop tests log here too (escuchar() in ApoyoVentanas.h).
class Grabadora : public Pantalla {
  public:
    // "vaciar", "linea <text>", "pista 1", "botones", "dibujo cuarto.jpg", "lugar Cuarto",
    // "sonido Ver", "ganar", "terminar"; from the desktop also "aviso <title>|<text>|<icon>" and
    // "fin".
    QStringList hechos;
    QStringList lista;
    Botones botones;

    void vaciar() override {
        hechos << QStringLiteral("vaciar");
        lista.clear();
    }
    void anadirLinea(std::string_view utf8) override {
        const QString l = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
        hechos << QStringLiteral("linea ") + l;
        lista << l;
    }
    void mostrarPista(bool v) override { hechos << QStringLiteral("pista %1").arg(int(v)); }
    void ponerBotones(const Botones &b) override {
        hechos << QStringLiteral("botones");
        botones = b;
    }
    void cargarDibujo(const char *f) override {
        hechos << QStringLiteral("dibujo ") + QString::fromUtf8(f);
    }
    void sonar(Sonido s) override {
        hechos << QStringLiteral("sonido ") + QString::fromLatin1(nombreSonido(s));
    }
    void ganar() override { hechos << QStringLiteral("ganar"); }
    void terminar() override { hechos << QStringLiteral("terminar"); }
    void entrarLugar(const Sitio &s) override {
        hechos << QStringLiteral("lugar ") + QString::fromUtf8(s.nombre);
    }

    // What happened since the last call.
    QStringList tomar() { return std::exchange(hechos, {}); }
};
