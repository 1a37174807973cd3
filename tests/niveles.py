#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Every test of the build belongs to exactly one tier and has a time limit, so that a tier can be
run alone and nothing can hang a run: checked on ctest's own list of the tests.

Usage: niveles.py CTEST BUILD_DIR
"""
import json
import subprocess
import sys

NIVELES = {"rapido", "escritorio", "sonido", "fugas", "paquete"}


def main():
    ctest, carpeta = sys.argv[1:3]
    lista = subprocess.run([ctest, "--show-only=json-v1"], cwd=carpeta, capture_output=True,
                           text=True, check=True, timeout=60).stdout
    pruebas = json.loads(lista)["tests"]
    mal = []
    for t in pruebas:
        propiedades = {p["name"]: p["value"] for p in t.get("properties", [])}
        niveles = sorted(NIVELES & set(propiedades.get("LABELS", [])))
        if len(niveles) != 1:
            mal.append(f"{t['name']}: niveles {niveles} (uno de {sorted(NIVELES)}; jubo_prueba)")
        if not propiedades.get("TIMEOUT"):
            mal.append(f"{t['name']}: sin TIMEOUT (jubo_prueba)")
    print(f"{len(pruebas)} pruebas")
    if mal:
        print("\n".join(mal))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
