# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the installation checks share: failures, commands, apt's lists and DEP-5 files."""

import os
import re
import shutil
import subprocess
import sys

fallos = []


def comprobar(condicion, mensaje):
    if not condicion:
        fallos.append(mensaje)
        print("FALLO:", mensaje)


def salida(*orden, **kw):
    return subprocess.run(orden, check=True, capture_output=True, text=True, **kw).stdout


def necesita(programa):
    """Ends the test as skipped (77) where programa is not installed."""
    if not shutil.which(programa):
        print(f"{programa} no está instalado (./probar lo instala): prueba omitida")
        sys.exit(77)


def hay_listas_apt():
    listas = "/var/lib/apt/lists"
    hay = os.path.isdir(listas) and any("_Packages" in f for f in os.listdir(listas))
    if not hay:
        print("sin listas de apt: no se pregunta a apt")
    return hay


def leer_dep5(ruta):
    """(header, Files paragraphs, {licence: text of its standalone paragraph}) of a DEP-5 file;
    continuation lines joined by newlines, " ." read as an empty line."""
    parrafos = []
    with open(ruta, encoding="utf-8") as f:
        bloques = re.split(r"\n\s*\n", f.read().strip())
    for bloque in bloques:
        campos, nombre = {}, None
        for linea in bloque.splitlines():
            if linea.startswith((" ", "\t")) and nombre:
                campos[nombre] += "\n" + ("" if linea.strip() == "." else linea.strip())
            elif ":" in linea:
                nombre, valor = linea.split(":", 1)
                campos[nombre] = valor.strip()
            else:
                raise ValueError(f"línea que no es un campo: {linea!r}")
        parrafos.append(campos)
    archivos, licencias = [], {}
    for p in parrafos[1:]:
        primera, _, texto = p.get("License", "").partition("\n")
        if "Files" in p:
            archivos.append({"Files": p["Files"].split(), "License": primera.strip()})
        elif primera:
            licencias[primera.strip()] = texto
    return parrafos[0], archivos, licencias


def licencia_de(archivos, ruta):
    """The licence of the last Files paragraph that matches ruta ("*" also matches "/")."""
    elegida = None
    for p in archivos:
        for glob in p["Files"]:
            patron = "".join(".*" if c == "*" else "." if c == "?" else re.escape(c) for c in glob)
            if re.fullmatch(patron, ruta):
                elegida = p["License"]
    return elegida
