#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What ./jugar, ./jugar --web, ./probar and scripts/preparar install and build, run with apt-get,
dpkg-query, sudo and the build steps replaced by recorders: which lists each asks for, apt's output
kept out of sight in a log that a failure shows, and what to do without root or sudo.
scripts/compilar with a CMake that fails. The README names exactly the packages of each list. And
what apt brings for the play list and for the web list on an empty system holds no sound server and
no test tool.

usage: preparar.py SOURCE_DIR"""

import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from comun import comprobar, fallos, hay_listas_apt  # noqa: E402

# Also imported by scripts/paquete-limpio, for the lists and what counts as a sound server.
fuente = sys.argv[1] if __name__ == "__main__" else \
    os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def lista(nombre):
    with open(os.path.join(fuente, "scripts", nombre)) as f:
        return [linea.split()[0] for linea in f
                if linea.strip() and not linea.lstrip().startswith("#")]


LISTAS = {n: lista(f"paquetes-{n}.txt") for n in ("juego", "paquete", "pruebas", "web")}
JUEGO, PAQUETE, PRUEBAS, WEB = (LISTAS[n] for n in ("juego", "paquete", "pruebas", "web"))

# Each recorder appends one line "name arg arg..." to $REGISTRO.
GRABADOR = """#!/bin/sh
printf '%s\\n' "$(basename "$0") $*" >> "$REGISTRO"
"""
FALSOS = {
    "ctest": GRABADOR,
    # apt talks a lot; with $APT_FALLA it fails to install, as for a package it cannot find.
    "apt-get": GRABADOR + """for i in 1 2 3 4 5 6 7 8 9 10; do echo "Des:$i ruido de apt"; done
if [ -n "$APT_FALLA" ] && [ "$1" != update ]; then
  echo "E: No se ha podido localizar el paquete $APT_FALLA" >&2
  exit 100
fi
""",
    "sudo": GRABADOR + 'exec "$@"\n',
    # Not root, for $NO_ROOT.
    "id": '#!/bin/sh\nif [ -n "$NO_ROOT" ]; then echo 1000; else exec /usr/bin/id "$@"; fi\n',
    # Says installed only for the packages named in $INSTALADOS.
    "dpkg-query": """#!/bin/sh
for paquete; do :; done
for p in $INSTALADOS; do
  if [ "$p" = "$paquete" ]; then printf 'install ok installed'; exit 0; fi
done
exit 1
""",
    "scripts/sanitizadores": GRABADOR, "scripts/fuzz": GRABADOR,
    "scripts/compilar-web": GRABADOR, "scripts/servir-web": GRABADOR,
    # The build step leaves a game that records how it was started.
    "scripts/compilar": GRABADOR + """mkdir -p build/bin
printf '#!/bin/sh\\necho "jubo $*" >> "$REGISTRO"\\n' > build/bin/jubo
chmod +x build/bin/jubo
""",
}


# What the scripts themselves call, for a PATH that holds no sudo.
HERRAMIENTAS = ("bash", "cat", "grep", "awk", "sort", "dirname", "basename", "mkdir", "tail", "sed",
                "head", "chmod", "env", "nproc")


def escribir(ruta, texto):
    os.makedirs(os.path.dirname(ruta), exist_ok=True)
    with open(ruta, "w") as f:
        f.write(texto)
    os.chmod(ruta, 0o755)


class Arbol:
    """A copy of the set-up scripts with every other command replaced by a recorder."""

    def __init__(self, tmp):
        self.raiz, self.registro = f"{tmp}/arbol", f"{tmp}/registro"
        for f in ("jugar", "probar", "scripts/preparar", "scripts/paquetes-juego.txt",
                  "scripts/paquetes-paquete.txt", "scripts/paquetes-pruebas.txt",
                  "scripts/paquetes-web.txt"):
            os.makedirs(os.path.dirname(f"{self.raiz}/{f}"), exist_ok=True)
            shutil.copy2(f"{fuente}/{f}", f"{self.raiz}/{f}")
        for nombre, texto in FALSOS.items():
            carpeta = "con_sudo" if nombre == "sudo" else "falsos"
            escribir(f"{self.raiz}/{nombre}" if "/" in nombre else f"{tmp}/{carpeta}/{nombre}",
                     texto)
        os.makedirs(f"{tmp}/herramientas")
        for h in HERRAMIENTAS:
            os.symlink(shutil.which(h), f"{tmp}/herramientas/{h}")
        self.env = dict(os.environ, PATH=f"{tmp}/falsos:{tmp}/con_sudo:{os.environ['PATH']}",
                        REGISTRO=self.registro)
        self.sin_sudo = f"{tmp}/falsos:{tmp}/herramientas"

    def correr(self, *orden, instalados=(), **entorno):
        """(exit status, recorded calls, apt-get install's packages, stdout, stderr) of one run."""
        open(self.registro, "w").close()
        r = subprocess.run(orden, cwd=self.raiz, capture_output=True, text=True,
                           env=dict(self.env, INSTALADOS=" ".join(instalados), **entorno))
        with open(self.registro) as f:
            lineas = [linea.split() for linea in f if linea.strip()]
        paquetes = []
        for l in (l for l in lineas if l[0] == "apt-get" and "install" in l):
            comprobar("--no-install-recommends" in l and "-y" in l, f"apt-get install así: {l}")
            paquetes += [a for a in l[l.index("install") + 1:] if not a.startswith("-")]
        return r.returncode, lineas, sorted(paquetes), r.stdout, r.stderr

    def log(self, nombre):
        with open(f"{self.raiz}/build/{nombre}") as f:
            return f.read()


def guiones(tmp):
    arbol = Arbol(tmp)
    # A new machine: ./jugar asks for the play list, builds the game without its tests, plays.
    # apt's output goes to the log, not the screen.
    estado, lineas, pedidos, salida, _ = arbol.correr("./jugar", "--semilla", "3")
    comprobar(estado == 0 and pedidos == sorted(JUEGO), f"./jugar: {estado}, pide {pedidos}")
    comprobar([l for l in lineas if l[0] == "compilar"] == [["compilar", "-DBUILD_TESTING=OFF"]]
              and ["jubo", "--semilla", "3"] in lineas, f"./jugar en una carpeta nueva: {lineas}")
    comprobar("ruido de apt" not in salida and arbol.log("preparar.log").count("ruido de apt")
              == 20 and f"Instalando {len(JUEGO)} paquetes" in salida,
              f"./jugar muestra lo que dice apt o no lo guarda: {salida}")

    # Everything there already: nothing asked of apt, not even a refresh of its lists.
    estado, lineas, _, _, _ = arbol.correr("./jugar", instalados=JUEGO)
    comprobar(estado == 0 and not [l for l in lineas if l[0] == "apt-get"],
              f"./jugar con todo instalado: {lineas}")
    # Part installed: only the rest is asked for.
    _, _, pedidos, _, _ = arbol.correr("./jugar", instalados=JUEGO[::2])
    comprobar(pedidos == sorted(JUEGO[1::2]), f"./jugar pide otra vez lo instalado: {pedidos}")

    # The web edition: only the web list, its own build, served on the port asked for.
    estado, lineas, pedidos, _, _ = arbol.correr("./jugar", "--web", "--puerto", "9000")
    comprobar(estado == 0 and pedidos == sorted(WEB), f"./jugar --web: {estado}, pide {pedidos}")
    comprobar([l[0] for l in lineas if l[0] != "apt-get"] == ["compilar-web", "servir-web"]
              and ["servir-web", "--puerto", "9000"] in lineas, f"./jugar --web: {lineas}")
    _, lineas, _, _, _ = arbol.correr("./jugar", "--web", instalados=WEB)
    comprobar(["servir-web", "--puerto", "8080"] in lineas, f"./jugar --web sin puerto: {lineas}")
    for malo in (["--puerto", "ochenta"], ["--puerto"], ["--semilla", "3"]):
        estado, lineas, _, _, _ = arbol.correr("./jugar", "--web", *malo, instalados=WEB)
        comprobar(estado == 2 and not lineas, f"./jugar --web {' '.join(malo)}: {estado}, {lineas}")

    # apt fails: the end of its output is shown, with where the rest is; nothing is built.
    estado, lineas, _, _, error = arbol.correr("./jugar", APT_FALLA="g++")
    comprobar(estado == 1 and "E: No se ha podido localizar el paquete g++" in error
              and "build/preparar.log" in error and not [l for l in lineas if l[0] == "compilar"],
              f"./jugar con apt fallando: {estado}, {error!r}, {lineas}")

    # Not root: through sudo. Without sudo, one line says what to do and the next is the command
    # to run as root, for exactly what is missing; status 1, nothing else run.
    _, lineas, pedidos, _, _ = arbol.correr("./jugar", NO_ROOT="1")
    comprobar(pedidos == sorted(JUEGO) and all(l[0] == "sudo" for l in lineas[::2][:2]),
              f"./jugar sin ser root no usa sudo: {lineas}")
    estado, lineas, _, salida, error = arbol.correr("./jugar", instalados=JUEGO[:3], NO_ROOT="1",
                                                    PATH=arbol.sin_sudo)
    orden = "apt-get update && apt-get install -y --no-install-recommends "
    comprobar(estado == 1 and len(error.splitlines()) == 2 and "root" in error
              and "sudo" in error.splitlines()[0] and error.splitlines()[1].startswith(orden)
              and sorted(error.splitlines()[1][len(orden):].split()) == sorted(JUEGO[3:])
              and not lineas and not salida,
              f"./jugar sin root ni sudo: {estado}, {error!r}, {lineas}")

    # scripts/preparar alone: what building and packaging need, as the README says.
    _, _, pedidos, _, _ = arbol.correr("scripts/preparar")
    comprobar(pedidos == sorted(JUEGO + PAQUETE), f"scripts/preparar pide {pedidos}")

    # ./probar asks for every list and builds the tests, even in the folder ./jugar made.
    os.makedirs(f"{arbol.raiz}/build", exist_ok=True)
    open(f"{arbol.raiz}/build/CMakeCache.txt", "w").close()
    estado, lineas, pedidos, _, _ = arbol.correr("./probar")
    comprobar(estado == 0 and pedidos == sorted(set(JUEGO + PAQUETE + PRUEBAS + WEB)),
              f"./probar: {estado}, pide {pedidos}")
    compilar = [l for l in lineas if l[0] == "compilar"]
    comprobar(len(compilar) == 1 and {"-DBUILD_TESTING=ON", "-DJUBO_BENCH=ON"} <= set(compilar[0])
              and any(l[0] == "ctest" for l in lineas), f"./probar: {lineas}")

    # A build folder that exists keeps its settings when ./jugar runs again.
    _, lineas, _, _, _ = arbol.correr("./jugar", instalados=JUEGO)
    comprobar(["compilar"] in lineas, f"./jugar cambió los ajustes de una carpeta hecha: {lineas}")
    estado, lineas, _, _, _ = arbol.correr("scripts/preparar", "--todo")
    comprobar(estado == 2 and not lineas, f"scripts/preparar --todo: {estado}, {lineas}")


def compilacion(tmp):
    """scripts/compilar and scripts/compilar-web with a CMake that talks, then fails to build: the
    compiler's error is shown from the log, which keeps everything; nothing else reaches the
    screen."""
    escribir(f"{tmp}/cmake/cmake", """#!/bin/sh
for i in $(seq 100); do echo "ruido $i"; done
if [ "$1" = --build ]; then
  echo "FAILED: motor/Partida.cpp.o"
  echo "Partida.cpp:7: error: falta un punto y coma"
  for i in $(seq 100); do echo "más ruido $i"; done
  exit 1
fi
""")
    escribir(f"{tmp}/cmake/emcmake", '#!/bin/sh\nexec "$@"\n')
    for guion, carpeta in (("compilar", "build"), ("compilar-web", "build-web")):
        raiz = f"{tmp}/{guion}"
        os.makedirs(f"{raiz}/scripts")
        for f in (guion, "fallo.sh"):
            shutil.copy2(f"{fuente}/scripts/{f}", f"{raiz}/scripts/{f}")
        r = subprocess.run([f"scripts/{guion}"], cwd=raiz, capture_output=True, text=True,
                           env=dict(os.environ, PATH=f"{tmp}/cmake:{os.environ['PATH']}"))
        with open(f"{raiz}/{carpeta}/compilar.log") as f:
            log = f.read()
        comprobar(r.returncode == 1 and "ruido" not in r.stdout
                  and f"{carpeta}/compilar.log" in r.stderr
                  and "Partida.cpp:7: error: falta un punto y coma" in r.stderr
                  and not re.search(r"^ruido", r.stderr, re.M) and log.count("ruido") == 300,
                  f"scripts/{guion} fallando: {r.returncode}, {r.stdout!r}, {r.stderr!r}")


def readme():
    """Wherever the README introduces a list ("`scripts/paquetes-juego.txt`: ..."), the packages
    it names in backticks up to the next list or the end of the paragraph are exactly those of the
    file."""
    with open(os.path.join(fuente, "README.md"), encoding="utf-8") as f:
        texto = f.read()
    for nombre, paquetes in LISTAS.items():
        fichero = f"`scripts/paquetes-{nombre}.txt`:"
        trozos = [re.split(r"`scripts/paquetes-|\n\n|\n- ", resto, maxsplit=1)[0]
                  for resto in texto.split(fichero)[1:]]
        comprobar(trozos, f"el README no presenta la lista {fichero}")
        for trozo in trozos:
            nombrados = set(re.findall(r"`([a-z0-9][a-z0-9.+-]+)`", trozo))
            comprobar(nombrados == set(paquetes),
                      f"el README, tras {fichero}, no nombra {sorted(set(paquetes) - nombrados)}"
                      f" y sí {sorted(nombrados - set(paquetes))}")


def es_servidor_de_sonido(paquete):
    return paquete.startswith(("pulseaudio", "pipewire", "wireplumber", "jackd"))


def cierre(tmp, nombre, paquetes):
    """Everything apt would install for a list on a system with nothing installed."""
    if not hay_listas_apt():
        return
    open(f"{tmp}/status", "w").close()
    r = subprocess.run(["apt-get", "--simulate", "-o", f"Dir::State::status={tmp}/status",
                        "-o", "Debug::NoLocking=1", "install", "--no-install-recommends"] + paquetes,
                       capture_output=True, text=True, env=dict(os.environ, LC_ALL="C"))
    traidos = {l.split()[1] for l in r.stdout.splitlines() if l.startswith("Inst ")}
    comprobar(r.returncode == 0 and set(paquetes) <= traidos,
              f"apt no sabría instalar la lista {nombre}:\n" + r.stdout + r.stderr)
    servidores = sorted(p for p in traidos if es_servidor_de_sonido(p))
    comprobar(not servidores, f"la lista {nombre} trae un servidor de sonido: {servidores}")
    # python3 is the one test need that building brings anyway (GLib's development tools,
    # emscripten itself).
    herramientas = sorted(traidos & (set(PAQUETE + PRUEBAS) - {"python3"}))
    comprobar(not herramientas, f"la lista {nombre} trae herramientas de pruebas: {herramientas}")


def main():
    # The web list shares CMake and Ninja with the play list; no other package is in two lists.
    todos = JUEGO + PAQUETE + PRUEBAS
    comprobar(len(todos) == len(set(todos)),
              f"en dos listas: {sorted({p for p in todos if todos.count(p) > 1})}")
    comprobar(not set(WEB) & set(PAQUETE + PRUEBAS),
              f"en la lista web y en otra: {set(WEB) & set(PAQUETE + PRUEBAS)}")
    readme()
    with tempfile.TemporaryDirectory(prefix="jubo-preparar-") as tmp:
        guiones(tmp)
        compilacion(tmp)
        cierre(tmp, "de juego", JUEGO)
        cierre(tmp, "web", WEB)
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
