// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the desktop screen tests share: a log of what the player would hear or see pop up, and the
// screens and their controls, driven as a player drives them.

#include "Grabadora.h"

#include "CajaOrden.h"
#include "Dibujos.h"
#include "Disposicion.h"
#include "IntroAyuda.h"
#include "Juego.h"
#include "Menu.h"
#include "Module1.h"
#include "Sacabo.h"
#include "Ventanas.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QWidget>

// Logs into g, from an empty log, every cue as "sonido Empieza", every message box as
// "aviso <title>|<text>|<icon>" and the end of the program as "fin", instead of doing them.
inline void escuchar(Grabadora &g) {
    g.hechos.clear();
    Module1::ponerSalida([&g](Sonido s) { g.sonar(s); });
    Ventanas::ponerAviso([&g](const QString &texto, const QString &titulo, QMessageBox::Icon i) {
        g.hechos << QStringLiteral("aviso %1|%2|%3").arg(titulo, texto).arg(int(i));
    });
    Ventanas::ponerFin([&g] { g.hechos << QStringLiteral("fin"); });
}

// A control of a screen by its name; a missing one stops the run.
template <typename T = QWidget> T *control(QWidget &ventana, const char *nombre) {
    T *w = ventana.findChild<T *>(QLatin1String(nombre));
    if (!w)
        qFatal("%s no tiene el control %s", qPrintable(ventana.objectName()), nombre);
    return w;
}

inline void clic(QWidget &ventana, const char *boton) {
    QTest::mouseClick(control<QPushButton>(ventana, boton), Qt::LeftButton);
}

constexpr const char *NombresVentanas[] = {"Menu", "IntroAyuda", "Juego", "Sacabo"};

// A screen by its name, made if need be.
inline QWidget &ventana(const QString &nombre) {
    if (nombre == QLatin1String("Menu"))
        return Ventanas::menu();
    if (nombre == QLatin1String("IntroAyuda"))
        return Ventanas::introAyuda();
    if (nombre == QLatin1String("Juego"))
        return Ventanas::juego();
    return Ventanas::sacabo();
}

// The screens that exist, or only the visible ones, by name in a fixed order.
inline QStringList ventanas(bool soloVisibles) {
    QStringList nombres;
    for (const char *n : NombresVentanas)
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(n) && (!soloVisibles || w->isVisible()))
                nombres << QLatin1String(n);
    return nombres;
}

// An order typed key by key, accented letters included, then Enter.
inline void teclearOrden(Juego &juego, const QString &orden) {
    auto *caja = control<CajaOrden>(juego, "text1");
    for (QChar c : orden) {
        if (c.unicode() < 128)
            QTest::keyClick(caja, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, caja, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QTest::keyClick(caja, Qt::Key_Return);
}

// The start, as main() does it.
inline Menu &arrancar() {
    Menu &m = Ventanas::menu();
    Ventanas::mostrar(m);
    return m;
}

// From the start into the game by the menu's button.
inline Juego &entrar() {
    clic(arrancar(), "Eljuego");
    return Ventanas::juego();
}

// An order put into the box whole, as a paste, then Enter.
inline void ordenar(Juego &juego, const QString &orden) {
    auto *caja = control<CajaOrden>(juego, "text1");
    caja->setText(orden);
    QTest::keyClick(caja, Qt::Key_Return);
}

inline QStringList lineas(Juego &juego) {
    QStringList l;
    auto *lista = control<QListWidget>(juego, "List1");
    for (int i = 0; i < lista->count(); ++i)
        l << lista->item(i)->text();
    return l;
}

// Place pictures are read on a thread of their own: waits up to ten seconds for the last one asked
// for to be shown or refused.
inline bool esperarDibujos(Juego &juego) {
    auto *lector = juego.findChild<LectorDibujos *>();
    return lector && QTest::qWaitFor([lector] { return !lector->ocupado(); }, 10000);
}
