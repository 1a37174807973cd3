// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Menu.h"

#include "Disposicion.h"
#include "IntroAyuda.h"
#include "Juego.h"
#include "Module1.h"
#include "Textos.h"
#include "Ventanas.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

using namespace Disposicion;

Menu::Menu() {
    setObjectName(QStringLiteral("Menu"));
    prepararVentana(this, QStringLiteral("Menú principal"), 8625, 6810);
    // The whole client area is painted in the menu-text colour: a black ground.
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, colorSistema(7));
    setPalette(fondo);
    setAutoFillBackground(true);

    Salir = boton(this, "Salir", QStringLiteral("Salir"), 7560, 5520, 855, 375);
    Intro = boton(this, "Intro", QStringLiteral("Intro / Ayuda"), 1320, 5520, 1095, 375);
    Eljuego = boton(this, "Eljuego", QStringLiteral("Juego"), 120, 5520, 1095, 375);
    // Buttons keep the ordinary look; only the window's ground is dark.
    for (QPushButton *b : {Salir, Intro, Eljuego})
        b->setPalette(QApplication::palette("QPushButton"));

    Label2 =
        etiqueta(this, "Label2", QStringLiteral("LAS ROZOZERAD DER JUBO"), 600, 6000, 7455, 615);
    Label2->setFont(fuente(24, true, true, true));
    QPalette titulo = Label2->palette();
    titulo.setColor(QPalette::WindowText, QColor(255, 0, 0));
    titulo.setColor(QPalette::Window, colorSistema(7));
    Label2->setPalette(titulo);
    Label2->setAutoFillBackground(true);

    Label1 = etiqueta(this, "Label1", QString::fromUtf8(TextoAutoria), 2760, 5520, 4575, 375);
    Label1->setFont(fuente(13.5, false, false, true));
    QPalette autoria = Label1->palette();
    autoria.setColor(QPalette::WindowText, colorSistema(20));
    autoria.setColor(QPalette::Window, colorSistema(18));
    Label1->setPalette(autoria);
    Label1->setAutoFillBackground(true);

    Image1 = dibujo(this, "Image1", QStringLiteral(":/recursos/Logo.jpg"), -240, -120,
                    QStringLiteral("Logotipo de Las rozozerad der Jubo"));
    Image1->setAccessibleDescription(QString::fromUtf8(DescripcionLogo));

    apilar({Salir, Intro, Eljuego, Label2, Label1, Image1});
    tabular({Eljuego, Intro, Salir});
    Eljuego->setFocus();

    connect(Eljuego, &QPushButton::clicked, this, [this] { Eljuego_Click(); });
    connect(Intro, &QPushButton::clicked, this, [this] { Intro_Click(); });
    connect(Salir, &QPushButton::clicked, this, [this] { Salir_Click(); });
}

void Menu::Eljuego_Click() {
    hide();
    Juego &juego = Ventanas::juego(); // the first time, this sets up the entrance
    Ventanas::mostrar(juego);
    juego.enfocarOrden();
    Module1::Empieza();
}

void Menu::Intro_Click() {
    hide();
    Ventanas::mostrar(Ventanas::introAyuda());
    Module1::Ayuda();
}

void Menu::Salir_Click() {
    Ventanas::despedirse(QString::fromUtf8(Ventanas::Despedida), QMessageBox::NoIcon);
}

void Menu::closeEvent(QCloseEvent *evento) {
    Ventanas::despedirse(QString::fromUtf8(Ventanas::Despedida), QMessageBox::NoIcon);
    evento->accept();
}
