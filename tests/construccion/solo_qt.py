#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The package's configuration (preset "paquete", no tests) needs Qt alone: it succeeds with
Qt Test and Google Benchmark hidden from CMake, and, to show they were hidden, fails with the
tests on. The terminal game alone needs neither Qt Widgets, Qt Multimedia nor libpulse: with
them hidden it configures, builds and plays.

usage: solo_qt.py CMAKE SOURCE_DIR"""

import os
import shutil
import subprocess
import sys
import tempfile

cmake, fuente = sys.argv[1:3]
OCULTOS = ["-DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON", "-DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON"]
with tempfile.TemporaryDirectory(prefix="jubo-solo-qt-") as tmp:
    sin = subprocess.run([cmake, "--preset", "paquete", "-S", fuente, "-B", f"{tmp}/sin", *OCULTOS],
                         capture_output=True, text=True, timeout=240)
    con = subprocess.run([cmake, "--preset", "paquete", "-S", fuente, "-B", f"{tmp}/con", *OCULTOS,
                          "-DBUILD_TESTING=ON"], capture_output=True, text=True, timeout=240)
    # Only libedit left where pkg-config looks; Qt's parts hidden from CMake.
    os.mkdir(f"{tmp}/pc")
    pc = subprocess.run(["pkg-config", "--variable=pcfiledir", "libedit"], capture_output=True,
                        text=True, check=True).stdout.strip()
    shutil.copy(f"{pc}/libedit.pc", f"{tmp}/pc")
    entorno = dict(os.environ, PKG_CONFIG_LIBDIR=f"{tmp}/pc")
    solo = ["-DJUBO_ESCRITORIO=OFF", "-DJUBO_SONIDO=OFF", "-DCMAKE_DISABLE_FIND_PACKAGE_Qt6Widgets=ON",
            "-DCMAKE_DISABLE_FIND_PACKAGE_Qt6Multimedia=ON", "-DCMAKE_DISABLE_FIND_PACKAGE_Qt6Gui=ON"]
    terminal = subprocess.run([cmake, "--preset", "paquete", "-S", fuente, "-B", f"{tmp}/terminal",
                               *OCULTOS, *solo], capture_output=True, text=True, timeout=240,
                              env=entorno)
    if terminal.returncode != 0:
        print(terminal.stdout[-2000:], terminal.stderr[-3000:])
        sys.exit("MAL: el juego de terminal solo pide más que QtCore y libedit")
    hecho = subprocess.run([cmake, "--build", f"{tmp}/terminal", "--target", "jubo-texto"],
                           capture_output=True, text=True, timeout=600)
    juego = subprocess.run([f"{tmp}/terminal/bin/jubo-texto"], input="/palante\n",
                           capture_output=True, text=True, timeout=60)
    if hecho.returncode != 0 or "== Cuarto ==" not in juego.stdout:
        print(hecho.stdout[-3000:], hecho.stderr[-3000:], juego.stdout, juego.stderr)
        sys.exit("MAL: el juego de terminal solo no se construye o no juega")
if sin.returncode != 0:
    print(sin.stdout[-2000:], sin.stderr[-3000:])
    sys.exit("MAL: sin pruebas, la configuración pide más que Qt")
if con.returncode == 0 or not ("Qt6Test" in con.stdout + con.stderr
                               or "benchmark" in con.stdout + con.stderr):
    print(con.stdout[-3000:], con.stderr[-3000:])
    sys.exit("MAL: con pruebas también se configura: Qt Test y Benchmark no estaban ocultos")
print("ok: sin pruebas basta Qt; con pruebas falta lo oculto; el terminal solo juega")
