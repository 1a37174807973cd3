#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""lintian --pedantic leaves no tag of any level on the package instalacion.paquete built but
those overridden, and each override has its reason in one comment line right above it.

usage: lintian.py LISTO OVERRIDES"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from comun import comprobar, fallos, necesita  # noqa: E402

listo, anulaciones = sys.argv[1:3]
necesita("lintian")
with open(listo) as f:
    deb = f.read().strip()
r = subprocess.run(["lintian", "--pedantic", "--display-info", "--display-experimental",
                    "--show-overrides", "--tag-display-limit", "0", deb],
                   capture_output=True, text=True)
print(r.stdout, end="")
# Error, warning, info, pedantic, experimental, classification, masked; O and N are overrides.
etiquetas = [l for l in r.stdout.splitlines() if l[:2] in ("E:", "W:", "I:", "P:", "X:", "C:",
                                                            "M:")]
comprobar(not etiquetas and r.returncode == 0, f"lintian: {len(etiquetas)} etiquetas {r.stderr}")

with open(anulaciones, encoding="utf-8") as f:
    lineas = ["", ""] + [l.rstrip("\n") for l in f]
for antes, motivo, linea in zip(lineas, lineas[1:], lineas[2:]):
    if linea.strip() and not linea.startswith("#"):
        comprobar(motivo.startswith("#") and "SPDX-" not in motivo and
                  len(motivo.strip("# ")) >= 10 and not antes.startswith("#"),
                  f"anulación sin un comentario de una línea que diga por qué: {linea}")
sys.exit(1 if fallos else 0)
