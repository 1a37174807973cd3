#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page's captions are the desktop's: every button, label and frame caption written in the
desktop screens (screens/*.cpp) and each window's title appear the same in web/sitio/index.html,
on the control of the same name in the same screen. (Texts the screens take from engine/Textos.h
reach the page through the engine, and are checked by playing it.) So are the texts of the game
screen's keys (screens/Teclas.h): each sentence of the help on keys is in the page's help, each
key is named in juego.js as the help reads it, the key of a way that is not there says the same,
and the order box's description (screens/CajaOrden.cpp) ends the same.

usage: rotulos.py SOURCE_DIR"""

import glob
import html
import html.parser
import os
import re
import sys

fuente = sys.argv[1]
# Where the page's id differs from the desktop's object name (ids are unique in a page).
OTRO_ID = {("Menu", "Label2"): "titulo-juego"}


class Pagina(html.parser.HTMLParser):
    """{(screen, id): text} of the page, and each screen's title (its h1)."""

    def __init__(self):
        super().__init__()
        self.textos, self.abiertos, self.pantalla = {}, [], None

    def handle_starttag(self, etiqueta, atributos):
        a = dict(atributos)
        if etiqueta == "main":
            self.pantalla = a["id"]
        clave = a.get("id") if etiqueta != "h1" else "titulo"
        if etiqueta == "legend":  # a frame's caption: the frame's own text is its legend's
            clave = self.abiertos[-1][0][1] + "/legend"
        if etiqueta not in ("img", "input", "br", "meta", "link"):
            self.abiertos.append(((self.pantalla, clave), etiqueta))

    def handle_endtag(self, etiqueta):
        if self.abiertos and self.abiertos[-1][1] == etiqueta:
            self.abiertos.pop()

    def handle_data(self, datos):
        if self.abiertos and self.abiertos[-1][0][1]:
            clave = self.abiertos[-1][0]
            self.textos[clave] = self.textos.get(clave, "") + datos


pagina = Pagina()
with open(os.path.join(fuente, "web", "sitio", "index.html"), encoding="utf-8") as f:
    pagina.feed(f.read())

fallos, vistos = [], 0
for fichero in sorted(glob.glob(os.path.join(fuente, "screens", "*.cpp"))):
    with open(fichero, encoding="utf-8") as f:
        codigo = f.read()
    ventana = re.search(r'prepararVentana\(this, QStringLiteral\("([^"]*)"\)', codigo)
    if not ventana:
        continue
    pantalla = os.path.basename(fichero)[:-4]
    rotulos = [("", "titulo", ventana.group(1))] + re.findall(
        r'(boton|etiqueta|marco)\(this, "(\w+)", QStringLiteral\("([^"]*)"\)', codigo)
    for tipo, nombre, texto in rotulos:
        clave = (pantalla, OTRO_ID.get((pantalla, nombre), nombre) + "/legend" * (tipo == "marco"))
        en_pagina = pagina.textos.get(clave)
        vistos += 1
        if en_pagina is None or en_pagina.replace("\xa0", " ") != texto:
            fallos.append(f"{pantalla}.{nombre}: «{texto}» en el escritorio, «{en_pagina}» en la página")


def leer(*ruta):
    with open(os.path.join(fuente, *ruta), encoding="utf-8") as f:
        return f.read()


def literales(codigo, constantes):
    """Each QStringLiteral of codigo, its adjacent pieces joined and the constant its .arg() names
    put in for %1."""
    patron = r'QStringLiteral\(((?:\s*"[^"]*")+)\)(\s*\.arg\(QString::fromUtf8\((\w+)\)\))?'
    for m in re.finditer(patron, codigo):
        texto = "".join(re.findall(r'"([^"]*)"', m.group(1)))
        yield texto.replace("%1", constantes[m.group(3)]) if m.group(3) else texto


teclas = leer("screens", "Teclas.h")
constantes = dict(re.findall(r'constexpr const char \*(\w+) = "([^"]*)";', teclas))
dichos = re.findall(r'\{"\w+", Qt::ALT \| Qt::Key_\w+, "([^"]*)"', teclas)
# %2 is each key's button, whose name the page takes from the button itself.
frases = [t.strip() for t in literales(teclas[teclas.index("textoTeclas"):], constantes)
          if "%2" not in t]
descripcion = list(literales(leer("screens", "CajaOrden.cpp"), constantes))
juego_js = leer("web", "sitio", "juego.js")
indice = leer("web", "sitio", "index.html")
ayuda = re.search(r'<section id="teclas".*?</section>', indice, re.S).group(0)
ayuda = " ".join(html.unescape(re.sub(r"<!--.*?-->|<[^>]*>", " ", ayuda, flags=re.S)).split())

pedidos = [(f"la tecla «{d}»", f'dicho: "{d}"' in juego_js) for d in dichos]
pedidos += [(f"la ayuda de teclas: «{f}»", f in ayuda) for f in frases]
pedidos.append((f"«{constantes.get('SinSalida')}»", f'"{constantes.get("SinSalida")}"' in juego_js))
pedidos.append((f"la descripción de «Orden»: «{' '.join(descripcion)}»",
                descripcion == [pagina.textos.get(("Juego", "text1-ayuda"))]))
fallos += [f"{que}, en el escritorio y no en la página" for que, bien in pedidos if not bien]
print("\n".join(f"MAL: {f}" for f in fallos) or
      f"ok: {vistos} rótulos y {len(pedidos)} textos de las teclas iguales en la página")
sys.exit(1 if fallos or vistos < 15 or len(dichos) < 7 or len(frases) < 3 else 0)
