#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page's captions are the desktop's: every button, label and frame caption written in the
desktop screens (screens/*.cpp) and each window's title appear the same in web/sitio/index.html,
on the control of the same name in the same screen. (Texts the screens take from engine/Textos.h
reach the page through the engine, and are checked by playing it.)

usage: rotulos.py SOURCE_DIR"""

import glob
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
print("\n".join(f"MAL: {f}" for f in fallos) or f"ok: {vistos} rótulos iguales en la página")
sys.exit(1 if fallos or vistos < 15 else 0)
