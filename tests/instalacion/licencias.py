#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Every file of the source tree says its licence (reuse lint), and the Debian package's copyright
file gives each of them that same licence. Exits 77 (skipped) where reuse is not installed.

usage: licencias.py SOURCE_DIR"""

import os
import re
import shutil
import subprocess
import sys

fuente = sys.argv[1]
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from copyright_dep5 import leer_dep5, licencia_de  # noqa: E402

OMITIDA = 77


def licencias_segun_reuse():
    """{path: set of licences} for every file reuse covers, from its SPDX report."""
    texto = subprocess.run(["reuse", "spdx"], cwd=fuente, check=True, capture_output=True,
                           text=True).stdout
    resultado = {}
    for bloque in texto.split("\n\n"):
        nombre = re.search(r"^FileName: \./(.+)$", bloque, re.M)
        if nombre:
            licencias = re.findall(r"^LicenseInfoInFile: (\S+)$", bloque, re.M)
            resultado[nombre.group(1)] = set(licencias)
    return resultado


def main():
    if not shutil.which("reuse"):
        print("reuse no está instalado (paquete reuse de Debian; ./probar lo instala): "
              "no se comprueban las licencias")
        return OMITIDA
    fallos = 0
    r = subprocess.run(["reuse", "lint"], cwd=fuente, capture_output=True, text=True)
    if r.returncode != 0:
        print("FALLO: reuse lint\n" + r.stdout + r.stderr)
        fallos += 1

    _, archivos, _ = leer_dep5(os.path.join(fuente, "packaging", "copyright"))
    segun_reuse = licencias_segun_reuse()
    distintos = []
    for ruta, licencias in sorted(segun_reuse.items()):
        en_paquete = licencia_de(archivos, ruta)
        if {en_paquete} != licencias:
            distintos.append(f"{ruta}: {' '.join(sorted(licencias)) or 'ninguna'} según reuse, "
                             f"{en_paquete} según packaging/copyright")
    if distintos:
        print(f"FALLO: packaging/copyright no da su licencia a {len(distintos)} ficheros:")
        print("\n".join(distintos[:40]))
        fallos += 1
    if len(segun_reuse) < 100:
        print(f"FALLO: reuse spdx sólo dio {len(segun_reuse)} ficheros")
        fallos += 1
    if fallos:
        return 1
    print(f"bien: {len(segun_reuse)} ficheros con su licencia, la misma en packaging/copyright")
    return 0


if __name__ == "__main__":
    sys.exit(main())
