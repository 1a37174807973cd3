#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Builds the Debian package from a finished build, unpacks it into a scratch folder and checks
what a user would get: both programs, every picture and sound of the source tree byte for byte,
a valid menu entry whose program and icon are in the package, the icons at their sizes, and a
Depends field that names what the programs need at run time.

usage: paquete.py CPACK BUILD_DIR SOURCE_DIR"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile

cpack, compilacion, fuente = sys.argv[1:4]
fallos = []


def comprobar(condicion, mensaje):
    if not condicion:
        fallos.append(mensaje)
        print("FALLO:", mensaje)


def salida(*orden):
    return subprocess.run(orden, check=True, capture_output=True, text=True).stdout


def tamano_png(ruta):
    with open(ruta, "rb") as f:
        cabecera = f.read(24)
    if cabecera[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", cabecera[16:24])


def entrada_escritorio(ruta):
    claves = {}
    with open(ruta, encoding="utf-8") as f:
        seccion = None
        for linea in f:
            linea = linea.strip()
            if linea.startswith("["):
                seccion = linea
            elif seccion == "[Desktop Entry]" and "=" in linea:
                k, v = linea.split("=", 1)
                claves[k] = v
    return claves


def depends(campo):
    """The package names of a Depends field, alternatives included, versions dropped."""
    nombres = set()
    for grupo in campo.split(","):
        for alternativa in grupo.split("|"):
            if alternativa.strip():
                nombres.add(alternativa.split()[0])
    return nombres


def main():
    with tempfile.TemporaryDirectory(prefix="jubo-paquete-") as tmp:
        r = subprocess.run([cpack, "-G", "DEB", "--config",
                            os.path.join(compilacion, "CPackConfig.cmake"), "-B", tmp],
                           capture_output=True, text=True)
        if r.returncode != 0:
            print("FALLO: cpack no construyó el paquete\n" + r.stdout + r.stderr)
            return 1
        debs = [f for f in os.listdir(tmp) if f.endswith(".deb")]
        if len(debs) != 1:
            print("FALLO: se esperaba un .deb y hay", debs)
            return 1
        deb = os.path.join(tmp, debs[0])
        raiz = os.path.join(tmp, "raiz")
        subprocess.run(["dpkg-deb", "-x", deb, raiz], check=True)

        # Control fields.
        arquitectura = salida("dpkg", "--print-architecture").strip()
        comprobar(salida("dpkg-deb", "-f", deb, "Package").strip() == "jubo", "el paquete no se llama jubo")
        comprobar(salida("dpkg-deb", "-f", deb, "Architecture").strip() == arquitectura,
                  f"la arquitectura no es {arquitectura}")
        necesita = depends(salida("dpkg-deb", "-f", deb, "Depends"))
        for p in ("libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                  "libqt6multimedia6", "qt6-qpa-plugins", "fonts-liberation"):
            comprobar(p in necesita, f"Depends no nombra {p}: {sorted(necesita)}")

        # Every dependency names a package apt can find and install (only simulated: nothing changes).
        listas = "/var/lib/apt/lists"
        if os.path.isdir(listas) and any("_Packages" in f for f in os.listdir(listas)):
            r = subprocess.run(["apt-get", "install", "--simulate", "--no-install-recommends", deb],
                               capture_output=True, text=True)
            comprobar(r.returncode == 0, "apt-get no sabría instalar el paquete:\n" + r.stdout + r.stderr)
        else:
            print("sin listas de apt: no se simula la instalación")

        # Everything lives under /usr, nothing is left from the build machine.
        for dirpath, _, ficheros in os.walk(raiz):
            for f in ficheros:
                rel = os.path.relpath(os.path.join(dirpath, f), raiz)
                comprobar(rel.startswith("usr" + os.sep), f"{rel} queda fuera de /usr")

        # The programs, built for this machine, with no path into the build folder baked in.
        for programa in ("jubo", "jubo-texto"):
            ruta = os.path.join(raiz, "usr", "bin", programa)
            if not os.path.isfile(ruta):
                comprobar(False, f"falta /usr/bin/{programa}")
                continue
            comprobar(os.access(ruta, os.X_OK), f"/usr/bin/{programa} no es ejecutable")
            dinamica = salida("readelf", "-d", ruta)
            comprobar("RPATH" not in dinamica and "RUNPATH" not in dinamica,
                      f"/usr/bin/{programa} lleva un RPATH/RUNPATH")

        # The loudspeaker module, in <libdir>/jubo where the program loads it from, also free of
        # build paths.
        modulos = [os.path.join(d, f) for d, _, fs in os.walk(os.path.join(raiz, "usr", "lib"))
                   for f in fs if f == "libjubo_altavoz.so"]
        comprobar(len(modulos) == 1 and os.path.basename(os.path.dirname(modulos[0])) == "jubo",
                  f"el módulo de sonido no está en <libdir>/jubo: {modulos}")
        for modulo in modulos:
            dinamica = salida("readelf", "-d", modulo)
            comprobar("RPATH" not in dinamica and "RUNPATH" not in dinamica,
                      f"{modulo} lleva un RPATH/RUNPATH")

        # Every data file of the source tree, identical, where the program looks for it.
        origen = os.path.join(fuente, "Archivos")
        datos = os.path.join(raiz, "usr", "share", "jubo", "Archivos")
        cuenta = 0
        for dirpath, dirs, ficheros in os.walk(origen):
            dirs[:] = [d for d in dirs if not d.startswith(".")]
            for f in ficheros:
                if f.startswith("."):
                    continue
                rel = os.path.relpath(os.path.join(dirpath, f), origen)
                instalado = os.path.join(datos, rel)
                cuenta += 1
                if not os.path.isfile(instalado):
                    comprobar(False, f"falta Archivos/{rel}")
                    continue
                with open(os.path.join(dirpath, f), "rb") as a, open(instalado, "rb") as b:
                    comprobar(a.read() == b.read(), f"Archivos/{rel} no es igual al del código")
        for nombre in ("Dibujos/Entrada.jpg", "Dibujos/cuarto.jpg", "Dibujos/comedor.jpg",
                       "Dibujos/jardin.jpg", "Dibujos/Parque.jpg", "Dibujos/Cercanias.gif",
                       "Sonidos/Cagonto.wav", "Sonidos/Empieza.wav", "Sonidos/Direccion.wav",
                       "Sonidos/Ayuda.wav", "Sonidos/Objeto.wav", "Sonidos/Ver.wav"):
            comprobar(os.path.isfile(os.path.join(datos, nombre)), f"falta Archivos/{nombre}")

        # The menu entry: valid, in Spanish, starting a program and showing an icon that are there.
        escritorio = os.path.join(raiz, "usr", "share", "applications", "jubo.desktop")
        if not os.path.isfile(escritorio):
            comprobar(False, "falta /usr/share/applications/jubo.desktop")
        else:
            r = subprocess.run(["desktop-file-validate", escritorio], capture_output=True, text=True)
            comprobar(r.returncode == 0 and not r.stdout.strip(),
                      "desktop-file-validate: " + r.stdout + r.stderr)
            e = entrada_escritorio(escritorio)
            comprobar(e.get("Type") == "Application", "la entrada no es Type=Application")
            comprobar(e.get("Name") == "Las rozozerad der Jubo", f"Name es {e.get('Name')!r}")
            comprobar({"Game", "AdventureGame"} <= set(e.get("Categories", "").split(";")),
                      f"Categories es {e.get('Categories')!r}")
            comprobar(e.get("Terminal") == "false", "la entrada abriría una terminal")
            orden = e.get("Exec", "").split()
            comprobar(bool(orden) and os.path.isfile(os.path.join(raiz, "usr", "bin", orden[0])),
                      f"Exec={e.get('Exec')!r} no es un programa del paquete")
            icono = e.get("Icon", "")
            for lado in (32, 256):
                ruta = os.path.join(raiz, "usr", "share", "icons", "hicolor", f"{lado}x{lado}",
                                    "apps", icono + ".png")
                comprobar(tamano_png(ruta) == (lado, lado) if os.path.isfile(ruta) else False,
                          f"falta el icono {icono!r} de {lado}×{lado} o no mide eso")

        # The AppStream description, where a software centre reads the game's page from.
        metainfo = os.path.join(raiz, "usr", "share", "metainfo", "io.github.rozozerad.jubo.metainfo.xml")
        if not os.path.isfile(metainfo):
            comprobar(False, "falta el fichero de /usr/share/metainfo")
        elif shutil.which("appstreamcli"):
            r = subprocess.run(["appstreamcli", "validate", "--no-net", "--pedantic", metainfo],
                               capture_output=True, text=True)
            comprobar(r.returncode == 0, "appstreamcli validate: " + r.stdout + r.stderr)

        print(f"{debs[0]}: {cuenta} ficheros de datos; Depends: {', '.join(sorted(necesita))}")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
