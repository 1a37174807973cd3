// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "../Reglas.h"

// The random answers: a refusal for orders no rule takes, and the villain's boasts for VACILAR.

const std::array<const char *, 3> Negativas = {
    "No puedo hacer eso, viene contra mi religión",
    "Esa es la chorrada más grande que he leído en mi vida",
    "No creo que eso sea posible ...",
};
const std::array<Lista<const char *, 3>, 10> Vaciles = {{
    {"Mira chaval, yo soy encargao de la mejor empresa der mundo, así que chúpame la poya antes de "
     "que con mi poder",
     "te destroze para siempre y no seas má que un sel inmundo y te pise como un escarabajo "
     "pelotero, je, je, que",
     "listo soy ..."},
    {"Es que la gente del sur son todos unos estúpidos como tú, je, je, que tont ... eh ... que "
     "listo soy."},
    {"Yo lo sé todo, tu no eres nada. Soy la inteligencia suprema, soy el tío má guapo der mundo, "
     "soy er",
     "tío más extremadamente útil der mundo, y es que sin mí, la vida no sería igual para la gente "
     "de",
     "este mísero planeta Mart ... eh ... Tierra, je, je, que listo soy ..."},
    {"¿Sabías que las pantallas de ordenaó se arrugan?, oh sí ... yo lo sé porque soy mu listo, y "
     "lo he vito con mis",
     "propio ojos, y andispué de verl-lo, me dí cuenta de que soy un ser iluminado por Dió"},
    {"Ché, voy a montarme una empresa para hacel la competencia a la NASA, sí, con los estudios "
     "que tengo de E.G.B.",
     "yo sé que pueo hasel-lo, joé, a veces me impresiono de lo rematadamente listo que llego a "
     "sel ..."},
    {"Oh sí ... Yo todo lo sé, ¿sabías?, si no me preguntas algo a mí, es que eres tonto, porque "
     "yo lo sé todo chaval,",
     "sois todos escoria, je, je, que listo soy ..."},
    {"Bueno, resulta que como soy tan listo con la informática esa, voy a programal un juego que "
     "se llame la Poya de",
     "Cristal, joé, que gran título, y que gran juego, me caguen la leche, que listo soy ..."},
    {"Bueno, que dicir de mi extrema inteligencia, pué ques un pecado de la naturaleza que yo sea "
     "tan listo, y tú",
     "tan extramadamente imbesil, ché, es que dibiría dalme vergüenza ..."},
    {"Ché, a mi todo er mundo me quiere, ¿sabias?, por eso tengo tantos amigos, y lo sé todo, joé, "
     "es que ya me toy",
     "cansando de didir to lo listo que soy, ¿me vas a ser ya el puto monumento o que?"},
    {"No vale la pena que te compare conmigo, yo soy tó, y nadie sabe má que yo, ¿entiende? pue, "
     "ahora agáshate y",
     "chupame er nabo, esclavo ..."},
}};
