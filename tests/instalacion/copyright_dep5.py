# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads a machine-readable copyright file (Debian's DEP-5, as in /usr/share/doc/*/copyright and
.reuse/dep5) and says which licence it gives a file of the source tree."""

import re


def parrafos(texto):
    """Each paragraph as a dict of fields; continuation lines joined by newlines, " ." empty."""
    salida = []
    for bloque in re.split(r"\n\s*\n", texto.strip()):
        campos = {}
        nombre = None
        for linea in bloque.splitlines():
            if linea.startswith((" ", "\t")) and nombre:
                resto = linea.strip()
                campos[nombre] += "\n" + ("" if resto == "." else resto)
            elif ":" in linea:
                nombre, valor = linea.split(":", 1)
                campos[nombre] = valor.strip()
            else:
                raise ValueError(f"línea que no es un campo: {linea!r}")
        salida.append(campos)
    return salida


def leer_dep5(ruta):
    """(header, Files paragraphs, {licence: text of its standalone paragraph})."""
    with open(ruta, encoding="utf-8") as f:
        todos = parrafos(f.read())
    archivos = []
    licencias = {}
    for p in todos[1:]:
        primera, _, texto = p.get("License", "").partition("\n")
        if "Files" in p:
            archivos.append({"Files": p["Files"].split(), "License": primera.strip(),
                             "Copyright": p.get("Copyright", "")})
        elif primera:
            licencias[primera.strip()] = texto
    return todos[0], archivos, licencias


def _patron(glob):
    # "*" also matches "/", "?" one character; nothing else is special.
    return re.compile("".join(".*" if c == "*" else "." if c == "?" else re.escape(c)
                              for c in glob))


def licencia_de(archivos, ruta):
    """The licence of the last Files paragraph that matches ruta, or None."""
    elegida = None
    for p in archivos:
        if any(_patron(g).fullmatch(ruta) for g in p["Files"]):
            elegida = p["License"]
    return elegida
