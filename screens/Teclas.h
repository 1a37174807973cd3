// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Textos.h"

#include <QKeyCombination>
#include <QString>

// The game screen's keys: each clicks one button without moving the focus, so the order box
// keeps it. Alt leaves plain typing and the order history (Up and Down) to the order box.
struct Tecla {
    const char *boton; // the button's object name
    QKeyCombination tecla;
    const char *dicho; // the key as the help reads it
    const char *que;   // what it does, as the help reads it
};

inline constexpr Tecla Teclas[] = {
    {"PaLante", Qt::ALT | Qt::Key_Up, "Alt + flecha arriba", NombrePaLante},
    {"Patras", Qt::ALT | Qt::Key_Down, "Alt + flecha abajo", NombrePatras},
    {"Derecha", Qt::ALT | Qt::Key_Right, "Alt + flecha derecha", NombreDerecha},
    {"Izquierda", Qt::ALT | Qt::Key_Left, "Alt + flecha izquierda", NombreIzquierda},
    {"Ver", Qt::ALT | Qt::Key_V, "Alt + V", "Ver"},
    {"Inventario", Qt::ALT | Qt::Key_I, "Alt + I", "Pa' Ver lo que tienes"},
    {"PalMenu", Qt::ALT | Qt::Key_M, "Alt + M", "Pal' Menú"},
};

// The key that says again the last answer and where the player is. Orca's desktop and laptop
// layouts leave Alt + R alone, and so do Firefox's and Chromium's own keys.
inline constexpr QKeyCombination TeclaRepetir = Qt::ALT | Qt::Key_R;
inline constexpr const char *DichoRepetir = "Alt + R";

// What the key of a way that is not there says: it clicks nothing, and silence would leave the
// player wondering whether the key was heard.
inline constexpr const char *SinSalida = "Por ahí no hay salida.";

// Every key of the game, in one text for the help.
inline QString textoTeclas() {
    QString t = QStringLiteral(
        "Teclas del juego: escribe una orden y pulsa Intro; flecha arriba y flecha abajo "
        "recuerdan las órdenes anteriores; Escape se despide.");
    for (const Tecla &a : Teclas)
        t += QStringLiteral(" %1: %2.").arg(QString::fromUtf8(a.dicho), QString::fromUtf8(a.que));
    t += QStringLiteral(" %1: repite la última respuesta y dónde estás.")
             .arg(QString::fromUtf8(DichoRepetir));
    t += QStringLiteral(" Intro o espacio pulsan el botón que tiene el foco; las letras que "
                        "escribas en un botón van a la orden. El lector de pantalla lee cada "
                        "respuesta, y al cambiar de sitio dice dónde estás y por dónde puedes "
                        "seguir.");
    return t;
}
