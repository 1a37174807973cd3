// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The long fixed texts of the intro/help screen, exactly as the player reads them.
inline constexpr const char *TextoAyuda =
    R"(Aventura conversacional. Usted tendrá en escribir las ordenes que quiera ejecutar, y )"
    R"(dependiendo de estas el protagonista las hará o no (según lo que escriba). Podrá utilizar )"
    R"(cuantos verbos quiera o piense que haga falta, por ejemplo: "Usar, Mirar, Coger...", )"
    R"(etc. Nunca sin modificar el verbo (si la orden es "Mirar la ventana", no podrá escribir )"
    R"("Mira la ventana", de lo contrario la orden será errónea). Si se aburre y no sabe que )"
    R"(hacer, hay un verbo que es "Vacilar", podrá usarlo con lo usted quiera.)";

inline constexpr const char *TextoHistoria =
    R"(Dorli Vánez, alias "Er Jubo". Un personaje incrédulo, vacilón y sabelotodo, en fin,  )"
    R"(¿qué decir de Dorli?. Dicho personaje es un pequeño aspirante a policía, cuando un buen )"
    R"(día recibe una llamada de su jefe diciéndole que el Gorvil alias "Er Bolco", ha puesto )"
    R"(una bomba en su propia casa que va a estallar en una hora. Tus compañeros han registrado )"
    R"(la mayoría de la casa, pero aún queda una pequeña parte sin registrar (Una habitación, )"
    R"(y el patio), que no se ha podido hacer ya que todos los policías se fueron a ver el fútbol, )"
    R"(y sólo quedas tú para seguir el trabajo. Por suerte "Er Bolco", ha dejado algunas pistas )"
    R"(para que la bomba sea fácilmente encontrada. Esto será un trabajo fácil para tus compañeros, )"
    R"(pero para tí es la primera vez ... ¿Podrás encontrar la bomba que "Er Bolco" ha escondio?, )"
    R"(¡¡usa tu cerebro, y ayudado por las pistas, desactiba esa bomba!!)";
