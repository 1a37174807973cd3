#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The programs and the sound plug-in need Qt alone: the package's configuration (preset
"paquete", no tests) succeeds with Qt Test and Google Benchmark hidden from CMake. As a control,
the same configuration with the tests on must fail for want of them, which shows they really were
hidden.

Usage: solo_qt.py CMAKE SOURCE_DIR
"""
import subprocess
import sys
import tempfile

OCULTOS = ["-DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON", "-DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON"]


def configurar(cmake, fuente, carpeta, *extra):
    return subprocess.run([cmake, "--preset", "paquete", "-S", fuente, "-B", carpeta, *OCULTOS,
                           *extra], capture_output=True, text=True, timeout=240)


def main():
    cmake, fuente = sys.argv[1:3]
    with tempfile.TemporaryDirectory(prefix="jubo-solo-qt-") as tmp:
        r = configurar(cmake, fuente, f"{tmp}/sin")
        if r.returncode != 0:
            print(r.stdout[-2000:], r.stderr[-3000:])
            return "MAL: sin pruebas, la configuración pide más que Qt"
        control = configurar(cmake, fuente, f"{tmp}/con", "-DBUILD_TESTING=ON")
        salida = control.stdout + control.stderr
        if control.returncode == 0 or not ("Qt6Test" in salida or "benchmark" in salida):
            print(salida[-3000:])
            return "MAL: con pruebas también se configura: Qt Test y Benchmark no estaban ocultos"
    print("ok: sin pruebas basta Qt; con pruebas falta lo oculto, como debe")
    return 0


if __name__ == "__main__":
    sys.exit(main())
