#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The web edition's zip, for static hosts: index.html at its top, every file the page needs (as
the service worker lists them) byte for byte as in the folder, and the texts of the licences that
cover them, as in LICENSES/, with the note that says which covers what.

usage: zip.py BUILD_WEB_DIR SOURCE_DIR"""

import glob
import os
import re
import sys
import zipfile

web, fuente = sys.argv[1:3]
fallos = []
zips = glob.glob(os.path.join(web, "jubo-web-*.zip"))
if len(zips) != 1:
    sys.exit(f"MAL: {len(zips)} zips en {web}")
sitio = os.path.join(web, "sitio")
with open(os.path.join(sitio, "sw.js"), encoding="utf-8") as f:
    lista = re.search(r"const FICHEROS = \[(.*)\];", f.read()).group(1)
necesarios = [n for n in re.findall(r'"([^"]+)"', lista) if n != "./"] + ["sw.js"]
# The program's licence, and the pictures' and sounds' (CC0 covers only a file of the package).
licencias = ["LICENSES/GPL-3.0-or-later.txt", "LICENSES/CC-BY-SA-4.0.txt"]

with zipfile.ZipFile(zips[0]) as z:
    nombres = set(z.namelist())
    if "index.html" not in nombres:
        fallos.append(f"index.html no está arriba del todo: {sorted(nombres)[:5]}...")
    for n in necesarios:
        if n not in nombres:
            fallos.append(f"falta {n}")
        else:
            with open(os.path.join(sitio, n), "rb") as f:
                if z.read(n) != f.read():
                    fallos.append(f"{n} no es el de la carpeta")
    for l in licencias:
        with open(os.path.join(fuente, l), "rb") as f:
            if l not in nombres or z.read(l) != f.read():
                fallos.append(f"falta la licencia {l}, o no es la del código")
    leeme = z.read("LEEME.txt").decode() if "LEEME.txt" in nombres else ""
    for l in licencias:
        if os.path.basename(l) not in leeme:
            fallos.append(f"LEEME.txt no dice qué cubre {l}")
    sobran = nombres - set(necesarios) - set(licencias) - {"LEEME.txt"}
    if sobran:
        fallos.append(f"sobran {sorted(sobran)}")
print("\n".join(f"MAL: {f}" for f in fallos) or
      f"ok: {zips[0]}: {len(necesarios)} ficheros del juego, {len(licencias)} licencias")
sys.exit(1 if fallos else 0)
