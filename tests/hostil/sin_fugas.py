#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs a whole scripted game under Valgrind and fails on any memory error or leak: lost blocks
through Valgrind's own exit status; blocks still reachable at exit only when our own code
allocated them (the C++ and Qt libraries keep their caches until the end, our code must not).

Usage: sin_fugas.py <source dir> <input file> <expected output line> <program> [args...]
"""
import pathlib
import re
import subprocess
import sys


def main():
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    fuente, entrada, esperada, programa = sys.argv[1:5]
    nuestros = {p.name for carpeta in ("engine", "texto", "screens", "media")
                for p in (pathlib.Path(fuente) / carpeta).rglob("*") if p.suffix in (".cpp", ".h")}
    orden = ["valgrind", "--leak-check=full", "--show-leak-kinds=all",
             "--errors-for-leak-kinds=definite,indirect,possible", "--error-exitcode=99",
             f"--suppressions={pathlib.Path(__file__).with_name('valgrind-ajenas.supp')}",
             programa, *sys.argv[5:]]
    with open(entrada, "rb") as f:
        p = subprocess.run(orden, stdin=f, capture_output=True, timeout=600)
    informe = p.stderr.decode(errors="replace")
    if p.returncode != 0:
        print(informe)
        sys.exit(f"valgrind: estado {p.returncode}")
    if esperada.encode() not in p.stdout.split(b"\n"):
        print(p.stdout.decode(errors="replace")[-2000:])
        sys.exit(f"the game did not reach {esperada!r}")

    # One loss record per blank-line-separated block; a frame reads "by 0x...: f (Fichero.cpp:12)".
    culpables = []
    for bloque in re.split(r"==\d+== \n", informe):
        if "still reachable" not in bloque:
            continue
        # The first "by" frame is the one that called the allocator.
        llamante = re.search(r"by 0x[0-9A-F]+: .*", bloque)
        fichero = llamante and re.search(r"\(([^():\s]+\.(?:cpp|h)):\d+\)$", llamante.group(0))
        if fichero and fichero.group(1) in nuestros:
            culpables.append(bloque)
    resumen = re.search(r"LEAK SUMMARY:.*?suppressed:[^\n]*", informe, re.S)
    print(resumen.group(0) if resumen else informe[-1500:])
    if culpables:
        print("\n".join(culpables))
        sys.exit(f"{len(culpables)} blocks of our own still held at exit")


if __name__ == "__main__":
    main()
