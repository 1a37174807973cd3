// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Fixed texts that every front end shows.
inline constexpr const char *TextoPista = "¡Capullo, la bomba está en el coche!";
inline constexpr const char *TextoEnhorabuena = "¡¡Enhorabuena, te has pasado el juego!!";
inline constexpr const char *TextoFinal =
    "Gracias a la extremada inteligencia suprema de Er Jubo, se ha evitado una tragedia que podría "
    "haber ocasionado miles de muertos, ahora, con este gran logro, podrás vacilar toda tu vida, "
    "¡¡enhorabuena!!";

// The menu's authorship line and the farewell message box.
inline constexpr const char *TextoAutoria = "Una aventura de Er Jubo, año 2026";
inline constexpr const char *TituloSalir = "Salir";
inline constexpr const char *TextoDespedida = "Gracias por jugar";
inline constexpr const char *TextoDespedidaEscape = "¡Gracias por jugar!, y vuelva pronto";

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

// What a screen reader says for what is only seen: the pictures of the menu and the portrait (each
// place's picture is described in its row of Sitios) and the arrows of the direction buttons.
inline constexpr const char *DescripcionLogo =
    "El título, Las rozozerad der Jubo, sobre un estallido de tebeo amarillo y rojo, con una "
    "gorra de policía y una bomba con la mecha encendida.";

inline constexpr const char *DescripcionRetrato =
    "Er Jubo, poli novato con gorra, guiña un ojo con sonrisa de pillo; debajo, su mote.";

// The direction buttons as a listener understands them; on screen they keep their captions.
inline constexpr const char *NombrePaLante = "Pa' Lante";
inline constexpr const char *NombrePatras = "Pa' Tras";
inline constexpr const char *NombreDerecha = "Pa' ya, a la derecha";
inline constexpr const char *NombreIzquierda = "Pa' Ca, a la izquierda";
