#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""jubo without a usable display: one line on stderr, exit status 1, no crash."""
import os
import subprocess
import sys

jubo = sys.argv[1]
base = {k: v for k, v in os.environ.items()
        if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
casos = {
    "sin DISPLAY": base,
    "DISPLAY inalcanzable": dict(base, DISPLAY=":4093"),
    "plataforma xcb sin servidor": dict(base, QT_QPA_PLATFORM="xcb", DISPLAY=":4093"),
}
fallos = 0
for nombre, entorno in casos.items():
    r = subprocess.run([jubo], env=entorno, capture_output=True, text=True, timeout=60)
    lineas = [l for l in r.stderr.splitlines() if l.strip()]
    bien = (r.returncode == 1 and len(lineas) == 1 and "jubo:" in lineas[0]
            and "pantalla" in lineas[0] and r.stdout == "")
    print(f"{'ok' if bien else 'MAL'}: {nombre}: estado {r.returncode}, stderr {lineas!r}")
    fallos += not bien
sys.exit(1 if fallos else 0)
