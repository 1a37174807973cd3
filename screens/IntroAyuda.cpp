// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "IntroAyuda.h"

#include "Disposicion.h"
#include "Menu.h"
#include "Module1.h"
#include "Teclas.h"
#include "Textos.h"
#include "Ventanas.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace Disposicion;

namespace {

QGroupBox *marco(QWidget *padre, const char *nombre, const QString &titulo, int izquierda,
                 int arriba, int ancho, int alto) {
    auto *m = new Marco(titulo, padre);
    m->setObjectName(QLatin1String(nombre));
    m->setAccessibleName(titulo.trimmed());
    m->setFont(fuente(8.25, true));
    colocar(m, izquierda, arriba, ancho, alto);
    return m;
}

// Liberation Sans sets these two long texts a little wider than the font they were laid out for,
// and their last words would fall below the labels; a hair less space between letters (same
// glyphs, same size) keeps them whole.
QFont fuenteTextoLargo() {
    QFont f = fuente();
    f.setLetterSpacing(QFont::AbsoluteSpacing, -0.3);
    return f;
}

} // namespace

IntroAyuda::IntroAyuda() {
    setObjectName(QStringLiteral("IntroAyuda"));
    prepararVentana(this, QStringLiteral("Intro / Ayuda"), 6660, 6330);

    Volver = boton(this, "Volver", QStringLiteral("Volver"), 120, 6000, 855, 255);

    Frame2 = marco(this, "Frame2", QStringLiteral(" Introducción "), 120, 1800, 6375, 4095);
    Label2 = etiqueta(Frame2, "Label2", QString::fromUtf8(TextoHistoria), 120, 240, 3495, 3735);
    Label2->setFont(fuenteTextoLargo());
    Line1 = linea(Frame2, "Line1", 3720, 240, 3720, 3960);
    Image1 = dibujo(Frame2, "Image1", QStringLiteral(":/recursos/Retrato.gif"), 3840, 360,
                    QStringLiteral("Retrato de Er Jubo"));
    Image1->setAccessibleDescription(QString::fromUtf8(DescripcionRetrato));
    apilar({Label2, Line1, Image1});

    Frame1 = marco(this, "Frame1", QStringLiteral(" Ayuda "), 120, 120, 6375, 1575);
    Label1 = etiqueta(Frame1, "Label1", QString::fromUtf8(TextoAyuda), 120, 240, 6135, 1215);
    Label1->setFont(fuenteTextoLargo());
    Label1->setAccessibleDescription(textoTeclas());

    // Volver has the focus whenever this screen is shown: a screen reader reads its description
    // with it, so the help, the story and the keys are heard on arrival.
    Volver->setAccessibleDescription(QStringLiteral("%1: %2\n%3: %4\n%5")
                                         .arg(Frame1->accessibleName(), Label1->text(),
                                              Frame2->accessibleName(), Label2->text(),
                                              textoTeclas()));

    apilar({Volver, Frame2, Frame1});
    Volver->setFocus();

    connect(Volver, &QPushButton::clicked, this, [this] { Volver_Click(); });
}

void IntroAyuda::Volver_Click() {
    hide();
    Ventanas::mostrar(Ventanas::menu());
    Module1::Ayuda();
}

void IntroAyuda::closeEvent(QCloseEvent *evento) {
    // No farewell from here: the program just ends.
    Ventanas::terminar();
    evento->accept();
}
