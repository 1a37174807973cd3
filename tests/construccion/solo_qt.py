#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The package's configuration (preset "paquete", no tests) needs Qt alone: it succeeds with
Qt Test and Google Benchmark hidden from CMake, and, to show they were hidden, fails with the
tests on.

usage: solo_qt.py CMAKE SOURCE_DIR"""

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
if sin.returncode != 0:
    print(sin.stdout[-2000:], sin.stderr[-3000:])
    sys.exit("MAL: sin pruebas, la configuración pide más que Qt")
if con.returncode == 0 or not ("Qt6Test" in con.stdout + con.stderr
                               or "benchmark" in con.stdout + con.stderr):
    print(con.stdout[-3000:], con.stderr[-3000:])
    sys.exit("MAL: con pruebas también se configura: Qt Test y Benchmark no estaban ocultos")
print("ok: sin pruebas basta Qt; con pruebas falta lo oculto")
