// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Ventanas.h"

#include "Disposicion.h"
#include "IntroAyuda.h"
#include "Juego.h"
#include "Menu.h"
#include "Module1.h"
#include "Sacabo.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace Ventanas {

namespace {

// The windows belong to the application object: a post routine deletes them at the start of
// ~QApplication, while everything a widget needs on its way out still works. No static destructor
// owns them, because when the display is lost Qt calls exit(), and widgets torn down then crash.
template <typename T> T *&unica() {
    static T *ventana = nullptr;
    return ventana;
}

bool borradoPrevisto = false;

void borrarAlAcabar() {
    borradoPrevisto = false;
    olvidarTodas();
}

template <typename T> T &crear() {
    T *&v = unica<T>();
    if (!v) {
        if (!borradoPrevisto) {
            qAddPostRoutine(borrarAlAcabar);
            borradoPrevisto = true;
        }
        v = new T;
    }
    return *v;
}

template <typename T> void borrar() {
    delete std::exchange(unica<T>(), nullptr);
}

Aviso &avisoActual() {
    static Aviso a;
    return a;
}

std::function<void()> &finActual() {
    static std::function<void()> f;
    return f;
}

Sorteo &sorteoActual() {
    static Sorteo s = sorteoDelReloj;
    return s;
}

void avisoReal(const QString &texto, const QString &titulo, QMessageBox::Icon icono) {
    QMessageBox caja(icono, titulo, texto, QMessageBox::Ok);
    caja.exec();
}

[[noreturn]] void finReal() {
    // Not QCoreApplication::quit(): that closes every window first, and closing a window is
    // itself a way to quit with a farewell. The windows and any cue vanish with the process.
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace

Menu &menu() {
    return crear<Menu>();
}
IntroAyuda &introAyuda() {
    return crear<IntroAyuda>();
}
Juego &juego() {
    return crear<Juego>();
}
Sacabo &sacabo() {
    return crear<Sacabo>();
}

void mostrar(QWidget &ventana) {
    ventana.show();
    ventana.raise();
    ventana.activateWindow();
}

void despedirse(const QString &texto, QMessageBox::Icon icono) {
    Module1::Cagonto();
    avisar(texto, QString::fromUtf8(TituloSalir), icono);
    terminar();
}

void avisar(const QString &texto, const QString &titulo, QMessageBox::Icon icono) {
    if (avisoActual())
        avisoActual()(texto, titulo, icono);
    else
        avisoReal(texto, titulo, icono);
}

void terminar() {
    if (finActual())
        finActual()();
    else
        finReal();
}

Aviso ponerAviso(Aviso nuevo) {
    Aviso viejo = std::move(avisoActual());
    avisoActual() = std::move(nuevo);
    return viejo;
}

std::function<void()> ponerFin(std::function<void()> nuevo) {
    auto viejo = std::move(finActual());
    finActual() = std::move(nuevo);
    return viejo;
}

void ponerSorteo(Sorteo s) {
    sorteoActual() = s ? std::move(s) : Sorteo(sorteoDelReloj);
}

Sorteo sorteo() {
    return sorteoActual();
}

void olvidarTodas() {
    borrar<Sacabo>();
    borrar<Juego>();
    borrar<IntroAyuda>();
    borrar<Menu>();
}

} // namespace Ventanas
