#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs lintian, pedantic, on the package instalacion.paquete built: no tag of any level may be
left, except those the package overrides, and every override says why in one comment line right
above it. Exits 77 (skipped) where lintian is not installed.

usage: lintian.py LISTO OVERRIDES"""

import os
import shutil
import subprocess
import sys

listo, anulaciones = sys.argv[1:3]
OMITIDA = 77


def anulaciones_sin_motivo():
    """Override lines whose line above is not a one-line comment of their own."""
    with open(anulaciones, encoding="utf-8") as f:
        lineas = [l.rstrip("\n") for l in f]
    sin_motivo = []
    for i, linea in enumerate(lineas):
        if linea.strip() and not linea.startswith("#"):
            anterior = lineas[i - 1] if i > 0 else ""
            antes = lineas[i - 2] if i > 1 else ""
            motivo = anterior.startswith("#") and "SPDX-" not in anterior
            if not motivo or len(anterior.strip("# ")) < 10 or antes.startswith("#"):
                sin_motivo.append(linea)
    return sin_motivo


def main():
    if not shutil.which("lintian"):
        print("lintian no está instalado (./probar lo instala): no se revisa el paquete")
        return OMITIDA
    if not os.path.isfile(listo):
        print("FALLO: instalacion.paquete no dejó un paquete que revisar")
        return 1
    with open(listo) as f:
        deb = f.read().strip()
    r = subprocess.run(["lintian", "--pedantic", "--display-info", "--display-experimental",
                        "--show-overrides", "--tag-display-limit", "0", deb],
                       capture_output=True, text=True)
    print(r.stdout, end="")
    # E error, W warning, I info, P pedantic, X experimental, C classification, M masked;
    # O is an overridden tag and N the note that explains it.
    niveles = ("E:", "W:", "I:", "P:", "X:", "C:", "M:")
    etiquetas = [l for l in r.stdout.splitlines() if l[:2] in niveles]
    fallos = 0
    if etiquetas or r.returncode != 0:
        print(f"FALLO: lintian deja {len(etiquetas)} etiquetas (estado {r.returncode})\n{r.stderr}")
        fallos += 1
    sin_motivo = anulaciones_sin_motivo()
    if sin_motivo:
        print("FALLO: anulaciones sin un comentario que diga por qué:\n" + "\n".join(sin_motivo))
        fallos += 1
    if fallos:
        return 1
    print(f"bien: lintian --pedantic no tiene nada que decir de {os.path.basename(deb)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
