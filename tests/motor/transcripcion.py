#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs a transcript through jubo-texto and compares the output line by line.

A transcript is the exact expected output of a session; its actions are the lines that start with
"> " (the echo of each input line). Leading "#" lines are comments; "# semilla: N" fixes the random
draws, and "# crlf" ends every input line in CR LF. The session runs in an empty folder of its own,
which is also its HOME and holds its XDG_DATA_HOME (datos/); "# disco lleno" mounts there a folder
lleno/ with room for one saved game only (a private mount: root, or user namespaces, needed);
"# fichero NAME: TEXT" writes TEXT and a newline to NAME there first. The folder reads as "~" in
the output. A line "#-- jubo-texto otra vez" ends one run of the program and starts another in the
same folder, as a player who comes back later.
Usage: transcripcion.py JUBO_TEXTO FILE [--escribir]   (--escribir rewrites FILE from the output)
"""
import difflib
import os
import subprocess
import sys
import tempfile

programa, fichero = sys.argv[1], sys.argv[2]
with open(fichero, encoding="utf-8", newline="\n") as f:
    lineas = f.read().removesuffix("\n").split("\n")
cabecera = []
while lineas and lineas[0].startswith("#"):
    cabecera.append(lineas.pop(0))
argumentos = [a for c in cabecera if c.startswith("# semilla:")
              for a in ("--semilla", c.split(":", 1)[1].strip())]
fin = "\r\n" if "# crlf" in (c.strip() for c in cabecera) else "\n"

OTRA_VEZ = "#-- jubo-texto otra vez"
sesiones = [[]]
for l in lineas:
    if l == OTRA_VEZ:
        sesiones.append([])
    elif l.startswith("> "):
        sesiones[-1].append(l[2:] + fin)
orden = [os.path.abspath(programa), *argumentos]
if "# disco lleno" in (c.strip() for c in cabecera):
    # One page of tmpfs: the first save fits, a second beside it does not.
    guion = 'mkdir -p lleno && mount -t tmpfs -o size=4k tmpfs lleno && exec "$@"'
    unshare = ["unshare", "--mount"] if os.geteuid() == 0 else ["unshare", "-rm"]
    orden = [*unshare, "sh", "-c", guion, "sh", *orden]
salida, fallos = [], []
with tempfile.TemporaryDirectory() as carpeta:
    entorno = dict(os.environ, HOME=carpeta, XDG_DATA_HOME=os.path.join(carpeta, "datos"),
                   LC_ALL="C.UTF-8")
    for c in cabecera:
        if c.startswith("# fichero "):
            nombre, texto = c.removeprefix("# fichero ").split(": ", 1)
            os.makedirs(os.path.dirname(os.path.join(carpeta, nombre)), exist_ok=True)
            with open(os.path.join(carpeta, nombre), "w", encoding="utf-8") as f:
                f.write(texto + "\n")
    for i, sesion in enumerate(sesiones):
        r = subprocess.run(orden, input="".join(sesion).encode("utf-8"), capture_output=True,
                           timeout=60, cwd=carpeta, env=entorno)
        if i > 0:
            salida.append(OTRA_VEZ)
        texto = r.stdout.replace(carpeta.encode(), b"~").decode("utf-8").removesuffix("\n")
        salida += texto.split("\n")
        if r.returncode != 0:
            fallos.append(f"exit status {r.returncode}, stderr: {r.stderr.decode(errors='replace')}")
entrada = "".join(sum(sesiones, []))
if "--escribir" in sys.argv[3:]:
    with open(fichero, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(cabecera + salida) + "\n")
    sys.exit(0)
problemas = list(difflib.unified_diff(lineas, salida, "esperado", "obtenido", lineterm=""))
problemas[:0] = fallos
print("\n".join(problemas) or f"{fichero}: {entrada.count(fin)} actions, output identical")
sys.exit(1 if problemas else 0)
