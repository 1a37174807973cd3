// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Textos.h"

#include "Azar.h"

#include <QMessageBox>
#include <QString>
#include <functional>

class Menu;
class IntroAyuda;
class Juego;
class Sacabo;

// The four screens, one instance each, made the first time anything refers to them and kept until
// the program ends (or the application object goes, which deletes them first). Leaving a screen
// only hides it.
namespace Ventanas {

Menu &menu();
IntroAyuda &introAyuda();
Juego &juego();
Sacabo &sacabo();

// Show a screen without blocking and bring it to the front.
void mostrar(QWidget &ventana);

// A farewell: the Cagonto cue, the message box, then the end of the program.
void despedirse(const QString &texto, QMessageBox::Icon icono);
inline constexpr const char *Despedida = TextoDespedida;
inline constexpr const char *DespedidaEscape = TextoDespedidaEscape;

// A modal message box with an OK button only; returns when the player has pressed it.
using Aviso =
    std::function<void(const QString &texto, const QString &titulo, QMessageBox::Icon icono)>;
void avisar(const QString &texto, const QString &titulo, QMessageBox::Icon icono);

// Ends the program at once: no closing handler runs and no window gets a chance to object.
void terminar();

// Replaceable pieces, so tests can answer the boxes and survive the end of the program.
// Each returns what it replaces; an empty function restores the real one.
Aviso ponerAviso(Aviso nuevo);
std::function<void()> ponerFin(std::function<void()> nuevo);
// The draw for the game's random replies; takes effect when the game screen is made.
void ponerSorteo(Sorteo sorteo);
Sorteo sorteo();

// For tests: delete every screen now, so the next test starts as a fresh run would.
void olvidarTodas();

} // namespace Ventanas
