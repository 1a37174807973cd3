// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the screen tests share: a log of everything the player would hear or see pop up, in order,
// stand-ins for the message box and the end of the program, and quick access to controls.

#include "Disposicion.h"
#include "Juego.h"
#include "Menu.h"
#include "Module1.h"
#include "Ventanas.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

// Every cue, message box and end of the program, as "sonido Empieza", "aviso Salir|texto|icono"
// and "fin".
struct Registro {
    QStringList sucesos;

    void instalar() {
        sucesos.clear();
        Module1::ponerSalida(
            [this](Sonido s) { sucesos << QStringLiteral("sonido ") + nombreSonido(s); });
        Ventanas::ponerAviso(
            [this](const QString &texto, const QString &titulo, QMessageBox::Icon icono) {
                sucesos << QStringLiteral("aviso %1|%2|%3").arg(titulo, texto).arg(int(icono));
            });
        Ventanas::ponerFin([this] { sucesos << QStringLiteral("fin"); });
    }

    QStringList sonidos() const {
        QStringList s;
        for (const QString &x : sucesos)
            if (x.startsWith(QLatin1String("sonido ")))
                s << x.mid(7);
        return s;
    }
};

// A control of a screen by its name; a missing one stops the test run loudly.
template <typename T = QWidget> T *control(QWidget &ventana, const char *nombre) {
    T *w = ventana.findChild<T *>(QLatin1String(nombre));
    if (!w)
        qFatal("%s no tiene el control %s", qPrintable(ventana.objectName()), nombre);
    return w;
}

// The screens that exist and those that are visible, by name, in a fixed order.
inline QStringList ventanas(bool soloVisibles) {
    QStringList nombres;
    for (const char *n : {"Menu", "IntroAyuda", "Juego", "Sacabo"})
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(n) && (!soloVisibles || w->isVisible()))
                nombres << QLatin1String(n);
    return nombres;
}

// Typing as a player does, accented letters included, one key press each.
inline void teclear(QWidget *w, const QString &texto) {
    for (QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The start of the program, as main() does it.
inline Menu &arrancar() {
    Menu &m = Ventanas::menu();
    Ventanas::mostrar(m);
    return m;
}
