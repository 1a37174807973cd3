#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs a transcript through jubo-texto and compares the output line by line.

A transcript is the exact expected output of a session. Its actions are the lines that start
with "> " (the echo of each input line); leading lines starting with "#" are comments, and a
comment "# semilla: N" fixes the random draws, and "# crlf" sends every line ending in CR LF.
Usage: transcripcion.py JUBO_TEXTO FILE [--escribir]   (--escribir rewrites FILE from the output)
"""
import difflib
import subprocess
import sys


def main():
    programa, fichero = sys.argv[1], sys.argv[2]
    escribir = "--escribir" in sys.argv[3:]
    with open(fichero, encoding="utf-8", newline="\n") as f:
        lineas = f.read().split("\n")
    if lineas and lineas[-1] == "":
        lineas.pop()

    cabecera = []
    while lineas and lineas[0].startswith("#"):
        cabecera.append(lineas.pop(0))
    argumentos = []
    fin = "\n"
    for c in cabecera:
        if c.strip() == "# crlf":
            fin = "\r\n"
        if c.startswith("# semilla:"):
            argumentos += ["--semilla", c.split(":", 1)[1].strip()]

    entrada = "".join(l[2:] + fin for l in lineas if l.startswith("> "))
    r = subprocess.run([programa] + argumentos, input=entrada.encode("utf-8"),
                       capture_output=True, timeout=60)
    salida = r.stdout.decode("utf-8").split("\n")
    if salida and salida[-1] == "":
        salida.pop()

    if escribir:
        with open(fichero, "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(cabecera + salida) + "\n")
        return 0
    problemas = []
    if r.returncode != 0:
        problemas.append(f"exit status {r.returncode}, stderr: {r.stderr.decode(errors='replace')}")
    if salida != lineas:
        problemas.extend(difflib.unified_diff(lineas, salida, "esperado", "obtenido", lineterm=""))
    if problemas:
        print("\n".join(problemas))
        return 1
    print(f"{fichero}: {sum(1 for l in lineas if l.startswith('> '))} actions, output identical")
    return 0


if __name__ == "__main__":
    sys.exit(main())
