// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up time and memory: the least a Qt Widgets program can do to show a
// window of the menu's size with one label in it.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char **argv) {
    QApplication aplicacion(argc, argv);
    QWidget ventana;
    ventana.setWindowTitle(QStringLiteral("Referencia"));
    ventana.setFixedSize(575, 454);
    QLabel etiqueta(QStringLiteral("Las rozozerad der Jubo"), &ventana);
    etiqueta.move(20, 20);
    ventana.show();
    return aplicacion.exec();
}
