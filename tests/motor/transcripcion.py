#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs a transcript through jubo-texto and compares the output line by line.

A transcript is the exact expected output of a session; its actions are the lines that start with
"> " (the echo of each input line). Leading "#" lines are comments; "# semilla: N" fixes the random
draws, and "# crlf" ends every input line in CR LF.
Usage: transcripcion.py JUBO_TEXTO FILE [--escribir]   (--escribir rewrites FILE from the output)
"""
import difflib
import subprocess
import sys

programa, fichero = sys.argv[1], sys.argv[2]
with open(fichero, encoding="utf-8", newline="\n") as f:
    lineas = f.read().removesuffix("\n").split("\n")
cabecera = []
while lineas and lineas[0].startswith("#"):
    cabecera.append(lineas.pop(0))
argumentos = [a for c in cabecera if c.startswith("# semilla:")
              for a in ("--semilla", c.split(":", 1)[1].strip())]
fin = "\r\n" if "# crlf" in (c.strip() for c in cabecera) else "\n"

entrada = "".join(l[2:] + fin for l in lineas if l.startswith("> "))
r = subprocess.run([programa, *argumentos], input=entrada.encode("utf-8"), capture_output=True,
                   timeout=60)
salida = r.stdout.decode("utf-8").removesuffix("\n").split("\n")
if "--escribir" in sys.argv[3:]:
    with open(fichero, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(cabecera + salida) + "\n")
    sys.exit(0)
problemas = list(difflib.unified_diff(lineas, salida, "esperado", "obtenido", lineterm=""))
if r.returncode != 0:
    problemas.insert(0, f"exit status {r.returncode}, stderr: {r.stderr.decode(errors='replace')}")
print("\n".join(problemas) or f"{fichero}: {entrada.count(fin)} actions, output identical")
sys.exit(1 if problemas else 0)
