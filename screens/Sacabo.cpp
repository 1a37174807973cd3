// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sacabo.h"

#include "Disposicion.h"
#include "Textos.h"
#include "Ventanas.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

using namespace Disposicion;

Sacabo::Sacabo() {
    setObjectName(QStringLiteral("Sacabo"));
    prepararVentana(this, QStringLiteral("Final"), 6420, 4065);

    Command1 = boton(this, "Command1", QStringLiteral("Final"), 960, 2520, 1575, 495);
    Label2 = etiqueta(this, "Label2", QString::fromUtf8(TextoFinal), 120, 480, 3615, 1095);
    Label1 = etiqueta(this, "Label1", QString::fromUtf8(TextoEnhorabuena), 120, 120, 3615, 255);
    Label1->setFont(fuente(8.25, true, false, true));
    Image1 = dibujo(this, "Image1", QStringLiteral(":/recursos/Retrato.gif"), 3960, 240,
                    QStringLiteral("Retrato de Er Jubo"));
    Image1->setAccessibleDescription(QString::fromUtf8(DescripcionRetrato));
    // Command1 has the focus when this screen is shown: a screen reader reads both texts with it.
    Command1->setAccessibleDescription(Label1->text() + u'\n' + Label2->text());

    apilar({Command1, Label2, Label1, Image1});
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, [] { Ventanas::terminar(); });
}

void Sacabo::closeEvent(QCloseEvent *evento) {
    // Menu and game are hidden for good by now: closing this window must end the program, as
    // its button does, rather than leave it running with nothing on screen.
    Ventanas::terminar();
    evento->accept();
}
