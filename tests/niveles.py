#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Every test of the build belongs to exactly one tier and has a time limit, so that a tier can be
run alone and nothing can hang a run: checked on ctest's own list. Usage: niveles.py CTEST BUILD_DIR
"""
import json
import subprocess
import sys

NIVELES = {"rapido", "escritorio", "sonido", "fugas", "paquete", "web"}

ctest, carpeta = sys.argv[1:3]
pruebas = json.loads(subprocess.run([ctest, "--show-only=json-v1"], cwd=carpeta, check=True,
                                    capture_output=True, text=True, timeout=60).stdout)["tests"]
mal = []
for t in pruebas:
    propiedades = {p["name"]: p["value"] for p in t.get("properties", [])}
    niveles = sorted(NIVELES & set(propiedades.get("LABELS", [])))
    if len(niveles) != 1:
        mal.append(f"{t['name']}: niveles {niveles} (uno de {sorted(NIVELES)}; jubo_prueba)")
    if not propiedades.get("TIMEOUT"):
        mal.append(f"{t['name']}: sin TIMEOUT (jubo_prueba)")
print(f"{len(pruebas)} pruebas", *mal, sep="\n")
sys.exit(1 if mal else 0)
