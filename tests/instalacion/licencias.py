#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Every file of the source tree says its licence (reuse lint), and the package's copyright file
gives each of them that same licence.

usage: licencias.py SOURCE_DIR"""

import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from comun import comprobar, fallos, leer_dep5, licencia_de, necesita, salida  # noqa: E402

fuente = sys.argv[1]
necesita("reuse")
r = subprocess.run(["reuse", "lint"], cwd=fuente, capture_output=True, text=True)
comprobar(r.returncode == 0, "reuse lint\n" + r.stdout + r.stderr)

_, archivos, _ = leer_dep5(os.path.join(fuente, "packaging", "copyright"))
# {path: licences} of every file reuse covers, from its SPDX report.
segun_reuse = {}
for bloque in salida("reuse", "spdx", cwd=fuente).split("\n\n"):
    nombre = re.search(r"^FileName: \./(.+)$", bloque, re.M)
    if nombre:
        segun_reuse[nombre.group(1)] = set(re.findall(r"^LicenseInfoInFile: (\S+)$", bloque, re.M))
comprobar(len(segun_reuse) >= 100, f"reuse spdx sólo dio {len(segun_reuse)} ficheros")
for ruta, licencias in sorted(segun_reuse.items()):
    en_paquete = licencia_de(archivos, ruta)
    comprobar({en_paquete} == licencias,
              f"{ruta}: {licencias or 'ninguna'} según reuse, {en_paquete} en packaging/copyright")
sys.exit(1 if fallos else 0)
