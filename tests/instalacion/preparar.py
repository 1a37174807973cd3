#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What ./jugar and ./probar install. Runs both in a copy of their set-up scripts with apt-get,
dpkg-query, sudo and the build steps replaced by recorders, and checks that ./jugar asks apt for
the play list only and builds without the tests, that ./probar asks for both lists and builds
with them, and that nothing already installed is asked for again. Then lets apt work out, from an
empty system, everything the play list brings in, and checks that it holds no sound server and
none of the test tools.

usage: preparar.py SOURCE_DIR"""

import os
import shutil
import subprocess
import sys
import tempfile

# Also imported by scripts/paquete-limpio, for the lists and what counts as a sound server.
fuente = sys.argv[1] if __name__ == "__main__" else \
    os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
fallos = []


def comprobar(condicion, mensaje):
    if not condicion:
        fallos.append(mensaje)
        print("FALLO:", mensaje)


def lista(nombre):
    with open(os.path.join(fuente, "scripts", nombre)) as f:
        return [linea.split()[0] for linea in f
                if linea.strip() and not linea.lstrip().startswith("#")]


JUEGO = lista("paquetes-juego.txt")
PRUEBAS = lista("paquetes-pruebas.txt")

# Each recorder appends one line "name arg arg..." to $REGISTRO.
GRABADOR = """#!/bin/sh
printf '%s' "$(basename "$0")" >> "$REGISTRO"
for a in "$@"; do printf ' %s' "$a" >> "$REGISTRO"; done
echo >> "$REGISTRO"
"""
# Says installed only for the packages named in $INSTALADOS.
DPKG_QUERY = """#!/bin/sh
for paquete; do :; done
for p in $INSTALADOS; do
  if [ "$p" = "$paquete" ]; then printf 'install ok installed'; exit 0; fi
done
exit 1
"""
SUDO = """#!/bin/sh
echo "sudo $*" >> "$REGISTRO"
exec "$@"
"""
# The build step leaves a game that records how it was started.
COMPILAR = GRABADOR + """mkdir -p build/bin
printf '#!/bin/sh\\necho "jubo $*" >> "$REGISTRO"\\n' > build/bin/jubo
chmod +x build/bin/jubo
"""


def escribir(ruta, texto):
    os.makedirs(os.path.dirname(ruta), exist_ok=True)
    with open(ruta, "w") as f:
        f.write(texto)
    os.chmod(ruta, 0o755)


class Arbol:
    """A copy of the set-up scripts with every other command replaced by a recorder."""

    def __init__(self, tmp):
        self.raiz = os.path.join(tmp, "arbol")
        falsos = os.path.join(tmp, "falsos")
        for f in ("jugar", "probar", "scripts/preparar", "scripts/paquetes-juego.txt",
                  "scripts/paquetes-pruebas.txt"):
            os.makedirs(os.path.dirname(os.path.join(self.raiz, f)), exist_ok=True)
            shutil.copy2(os.path.join(fuente, f), os.path.join(self.raiz, f))
        escribir(os.path.join(self.raiz, "scripts", "compilar"), COMPILAR)
        for f in ("sanitizadores", "fuzz"):
            escribir(os.path.join(self.raiz, "scripts", f), GRABADOR)
        for f in ("apt-get", "ctest"):
            escribir(os.path.join(falsos, f), GRABADOR)
        escribir(os.path.join(falsos, "dpkg-query"), DPKG_QUERY)
        escribir(os.path.join(falsos, "sudo"), SUDO)
        self.registro = os.path.join(tmp, "registro")
        self.env = dict(os.environ, PATH=falsos + os.pathsep + os.environ["PATH"],
                        REGISTRO=self.registro, INSTALADOS="")

    def correr(self, *orden, instalados=()):
        open(self.registro, "w").close()
        env = dict(self.env, INSTALADOS=" ".join(instalados))
        r = subprocess.run(list(orden), cwd=self.raiz, env=env, capture_output=True, text=True)
        with open(self.registro) as f:
            lineas = [linea.split() for linea in f.read().splitlines()]
        return r, [l for l in lineas if l and l[0] != "sudo"]


def instalados_por_apt(lineas):
    """The packages of every 'apt-get install' call, after checking how apt was called."""
    paquetes = []
    for l in lineas:
        if l[0] == "apt-get" and "install" in l:
            comprobar("--no-install-recommends" in l,
                      f"apt-get install trae las recomendaciones: {l}")
            comprobar("-y" in l, f"apt-get install preguntaría: {l}")
            paquetes += [a for a in l[l.index("install") + 1:] if not a.startswith("-")]
    return paquetes


def guiones(tmp):
    arbol = Arbol(tmp)

    # A new machine: ./jugar asks for the play list, builds the game without its tests, plays.
    r, lineas = arbol.correr("./jugar", "--semilla", "3")
    comprobar(r.returncode == 0, f"./jugar terminó con {r.returncode}: {r.stderr}")
    pedidos = instalados_por_apt(lineas)
    comprobar(sorted(pedidos) == sorted(JUEGO),
              f"./jugar no pide la lista de juego: sobran {sorted(set(pedidos) - set(JUEGO))}, "
              f"faltan {sorted(set(JUEGO) - set(pedidos))}")
    compilar = [l for l in lineas if l[0] == "compilar"]
    comprobar(compilar == [["compilar", "-DBUILD_TESTING=OFF"]],
              f"./jugar en una carpeta nueva compila así: {compilar}")
    comprobar(["jubo", "--semilla", "3"] in lineas, f"./jugar no arrancó el juego: {lineas}")

    # Everything there already: nothing asked of apt, not even a refresh of its lists.
    r, lineas = arbol.correr("./jugar", instalados=JUEGO)
    comprobar(r.returncode == 0 and not [l for l in lineas if l[0] == "apt-get"],
              f"./jugar con todo instalado llama a apt-get: {lineas}")

    # Part installed: only the rest is asked for.
    r, lineas = arbol.correr("./jugar", instalados=JUEGO[::2])
    comprobar(sorted(instalados_por_apt(lineas)) == sorted(JUEGO[1::2]),
              f"./jugar pide otra vez lo instalado: {instalados_por_apt(lineas)}")

    # ./probar asks for both lists and builds the tests, even in the folder ./jugar made.
    os.makedirs(os.path.join(arbol.raiz, "build"), exist_ok=True)
    open(os.path.join(arbol.raiz, "build", "CMakeCache.txt"), "w").close()
    r, lineas = arbol.correr("./probar")
    comprobar(r.returncode == 0, f"./probar terminó con {r.returncode}: {r.stderr}")
    pedidos = instalados_por_apt(lineas)
    comprobar(sorted(pedidos) == sorted(set(JUEGO + PRUEBAS)),
              f"./probar no pide las dos listas: {sorted(set(JUEGO + PRUEBAS) ^ set(pedidos))}")
    compilar = [l for l in lineas if l[0] == "compilar"]
    comprobar(len(compilar) == 1 and {"-DBUILD_TESTING=ON", "-DJUBO_BENCH=ON"} <= set(compilar[0]),
              f"./probar compila así: {compilar}")
    comprobar(any(l[0] == "ctest" for l in lineas), "./probar no corrió ctest")

    # A build folder that exists keeps its settings when ./jugar runs again.
    r, lineas = arbol.correr("./jugar", instalados=JUEGO)
    comprobar(["compilar"] in lineas, f"./jugar cambió los ajustes de una carpeta hecha: {lineas}")

    r, lineas = arbol.correr("scripts/preparar", "--todo")
    comprobar(r.returncode == 2 and not lineas,
              f"scripts/preparar --todo: {r.returncode}, {lineas}")


def es_servidor_de_sonido(paquete):
    return paquete.startswith(("pulseaudio", "pipewire", "wireplumber", "jackd"))


def cierre(tmp):
    """Everything apt would install for the play list on a system with nothing installed."""
    listas = "/var/lib/apt/lists"
    if not (os.path.isdir(listas) and any("_Packages" in f for f in os.listdir(listas))):
        print("sin listas de apt: no se calcula lo que trae la lista de juego")
        return
    vacio = os.path.join(tmp, "status")
    open(vacio, "w").close()
    r = subprocess.run(["apt-get", "--simulate", "-o", f"Dir::State::status={vacio}",
                        "-o", "Debug::NoLocking=1", "install", "--no-install-recommends"] + JUEGO,
                       capture_output=True, text=True, env=dict(os.environ, LC_ALL="C"))
    if r.returncode != 0:
        comprobar(False, "apt no sabría instalar la lista de juego:\n" + r.stdout + r.stderr)
        return
    traidos = {l.split()[1] for l in r.stdout.splitlines() if l.startswith("Inst ")}
    comprobar(set(JUEGO) <= traidos, f"apt no instalaría {sorted(set(JUEGO) - traidos)}")
    servidores = sorted(p for p in traidos if es_servidor_de_sonido(p))
    comprobar(not servidores, f"la lista de juego trae un servidor de sonido: {servidores}")
    # python3 is the one test need that building brings anyway (GLib's development tools).
    herramientas = sorted(traidos & (set(PRUEBAS) - {"python3"}))
    comprobar(not herramientas, f"la lista de juego trae herramientas de pruebas: {herramientas}")
    print(f"la lista de juego instala {len(traidos)} paquetes en un sistema vacío")


def main():
    comprobar(not set(JUEGO) & set(PRUEBAS),
              f"paquetes en las dos listas: {sorted(set(JUEGO) & set(PRUEBAS))}")
    with tempfile.TemporaryDirectory(prefix="jubo-preparar-") as tmp:
        guiones(tmp)
        cierre(tmp)
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
