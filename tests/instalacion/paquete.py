#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Builds the Debian package with packaging/empaquetar, unpacks it and checks what lintian,
appstreamcli and desktop-file-validate do not know: our fields and Depends, our file list, the
hardening flags, the man pages against --help, the copyright file. Writes the .deb's path into
LISTO for the tests that use the package.

usage: paquete.py SOURCE_DIR PACKAGE_BUILD_DIR LISTO"""

import filecmp
import gzip
import itertools
import json
import os
import re
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

fuente, compilacion, listo = sys.argv[1:4]
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from comun import comprobar, fallos, hay_listas_apt, leer_dep5, salida  # noqa: E402
from preparar import es_servidor_de_sonido  # noqa: E402


def tamano_png(ruta):
    with open(ruta, "rb") as f:
        cabecera = f.read(24)
    return struct.unpack(">II", cabecera[16:]) if cabecera[:8] == b"\x89PNG\r\n\x1a\n" else None


def nombres(campo):
    """The package names of a relationship field, alternatives included, versions dropped."""
    return {a.split()[0] for g in campo.split(",") for a in g.split("|") if a.strip()}


def control(deb, version):
    def campo(nombre):
        return salida("dpkg-deb", "-f", deb, nombre).strip()

    esperados = {"Package": "jubo", "Version": version, "Section": "games",
                 "Architecture": salida("dpkg", "--print-architecture").strip()}
    for nombre, valor in esperados.items():
        comprobar(campo(nombre) == valor, f"{nombre} es {campo(nombre)!r}, no {valor!r}")
    # lintian checks the form; the language and the length are ours.
    descripcion = campo("Description").splitlines()
    comprobar(len(descripcion) > 4 and descripcion[0].isascii() and "Spanish" in descripcion[0],
              f"la descripción no es inglesa o es corta: {descripcion[:1]}")

    depende = nombres(campo("Depends"))
    for p in ("libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
              "libqt6multimedia6", "qt6-qpa-plugins", "fonts-liberation"):
        comprobar(p in depende, f"Depends no nombra {p}: {sorted(depende)}")
    recomienda = nombres(campo("Recommends"))
    comprobar("qt6-translations-l10n" in recomienda, f"Recommends es {sorted(recomienda)}")
    # A sound server is the desktop's choice: the package may suggest one, never pull one in.
    servidores = sorted(p for p in depende | recomienda if es_servidor_de_sonido(p))
    comprobar(not servidores, f"Depends o Recommends traen un servidor de sonido: {servidores}")


def binarios(raiz):
    with open(os.path.join(compilacion, "compile_commands.json")) as f:
        ordenes = json.load(f)
    comprobar(len(ordenes) > 10, f"sólo {len(ordenes)} órdenes de compilación")
    for o in ordenes:
        for bandera in ("-D_FORTIFY_SOURCE=2", "-fstack-protector-strong", "-O2"):
            comprobar(bandera in o["command"].split(), f"{o['file']} compilado sin {bandera}")

    programas = [f"{raiz}/usr/games/jubo", f"{raiz}/usr/games/jubo-texto"]
    for ruta in programas:
        comprobar(os.access(ruta, os.X_OK), f"falta {ruta} o no es ejecutable")
        comprobar(not os.path.exists(ruta.replace("/games/", "/bin/")), f"{ruta} en /usr/bin")
    # The loudspeaker module, alone in the private <libdir>/jubo the README names.
    carpeta = f"/usr/lib/{salida('dpkg-architecture', '-qDEB_HOST_MULTIARCH').strip()}/jubo"
    modulos = [os.path.join(d, f) for d, _, fs in os.walk(f"{raiz}/usr/lib")
               for f in fs if f.endswith(".so")]
    comprobar(modulos == [f"{raiz}{carpeta}/libjubo_altavoz.so"], f"módulos: {modulos}")
    with open(os.path.join(fuente, "README.md"), encoding="utf-8") as f:
        comprobar(carpeta in f.read(), f"el README no dice que el módulo está en {carpeta}")
    # lintian checks RELRO, bind-now, RPATH and stripped sections, not the stack protector.
    for ruta in filter(os.path.isfile, programas + modulos):
        comprobar("__stack_chk_fail" in salida("nm", "-D", ruta), f"{ruta} sin protección de pila")


def datos(raiz):
    """Every picture and sound of the source tree, byte for byte; tst_archivos checks the names."""
    origen = os.path.join(fuente, "Archivos")
    for dirpath, dirs, ficheros in os.walk(origen):
        dirs[:] = [d for d in dirs if not d.startswith(".")]
        for f in (f for f in ficheros if not f.startswith(".")):
            rel = os.path.relpath(os.path.join(dirpath, f), origen)
            instalado = f"{raiz}/usr/share/jubo/Archivos/{rel}"
            comprobar(os.path.isfile(instalado) and
                      filecmp.cmp(os.path.join(dirpath, f), instalado, shallow=False),
                      f"Archivos/{rel} falta o no es el del código")


def escritorio(raiz):
    """The menu entry (desktop-file-validate also says it is an application) and its icons."""
    ruta = f"{raiz}/usr/share/applications/jubo.desktop"
    r = subprocess.run(["desktop-file-validate", ruta], capture_output=True, text=True)
    comprobar(r.returncode == 0 and not r.stdout.strip(), "desktop-file-validate: " + r.stdout)
    if r.returncode != 0:
        return
    with open(ruta, encoding="utf-8") as f:
        seccion = f.read().split("[Desktop Entry]", 1)[1].split("\n[", 1)[0]
    e = dict(l.split("=", 1) for l in seccion.splitlines() if "=" in l)
    esperado = {"Name": "Las rozozerad der Jubo", "Terminal": "false", "Exec": "/usr/games/jubo"}
    for clave, valor in esperado.items():
        comprobar(e.get(clave) == valor, f"{clave} es {e.get(clave)!r}, no {valor!r}")
    comprobar({"Game", "AdventureGame"} <= set(e.get("Categories", "").split(";")),
              f"Categories es {e.get('Categories')!r}")
    comprobar("terminal" in e.get("Keywords", "").split(";"), "Keywords sin «terminal»")
    temas = f"{raiz}/usr/share/icons/hicolor"
    for lado in (16, 24, 32, 48, 64, 128, 256):
        png = f"{temas}/{lado}x{lado}/apps/{e.get('Icon')}.png"
        comprobar(os.path.isfile(png) and tamano_png(png) == (lado, lado), f"icono {lado}: {png}")
    svg = f"{temas}/scalable/apps/{e.get('Icon')}.svg"
    comprobar(os.path.isfile(svg) and
              ET.parse(svg).getroot().tag == "{http://www.w3.org/2000/svg}svg", f"falta {svg}")


def metainfo(raiz, version):
    ruta = f"{raiz}/usr/share/metainfo/io.github.rozozerad.jubo.metainfo.xml"
    # --strict fails on any finding but the pedantic ones, which the pattern catches.
    r = subprocess.run(["appstreamcli", "validate", "--no-net", "--pedantic", "--strict", ruta],
                       capture_output=True, text=True)
    comprobar(r.returncode == 0 and not re.search(r"^\w: ", r.stdout, re.M),
              "appstreamcli validate: " + r.stdout + r.stderr)
    if r.returncode != 0:
        return
    pagina = ET.parse(ruta).getroot()
    comprobar(pagina.findtext("project_license") == "GPL-3.0-or-later AND CC-BY-SA-4.0",
              f"project_license es {pagina.findtext('project_license')!r}")
    versiones = [r.get("version") for r in pagina.iter("release")]
    comprobar(versiones[:1] == [version], f"la última versión es {versiones[:1]}, no {version}")
    # Every screenshot is one of the README's pictures, with its real size.
    imagenes = list(pagina.iter("image"))
    comprobar(len(imagenes) >= 3, f"sólo {len(imagenes)} capturas")
    for imagen in imagenes:
        local = os.path.join(fuente, "docs", "capturas", imagen.text.rsplit("/docs/capturas/")[-1])
        medida = (int(imagen.get("width", 0)), int(imagen.get("height", 0)))
        comprobar(imagen.text.startswith("https://") and os.path.isfile(local) and
                  tamano_png(local) == medida, f"{imagen.text} no es una captura de {medida}")


def manuales(raiz):
    """Each program's page in section 6, in English and in Spanish, free of groff warnings at 80
    columns (lintian renders wider), explaining every option the program's --help names. man finds
    the Spanish ones by language, and under LANG=C their accented letters read as plain ones."""
    for carpeta, programa in itertools.product(("man6", "es/man6"), ("jubo", "jubo-texto")):
        pagina = f"{raiz}/usr/share/man/{carpeta}/{programa}.6.gz"
        r = subprocess.run(["man", "--warnings", "-l", pagina], capture_output=True, text=True,
                           env=dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8"))
        comprobar(r.returncode == 0 and not r.stderr.strip(),
                  f"{carpeta}/{programa}.6: {r.stderr}")
        texto = r.stdout.replace("\u2010", "-")
        # Without a display: --help must not need one.
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        ayuda = subprocess.run([f"{raiz}/usr/games/{programa}", "--help"], capture_output=True,
                               text=True, env=env, timeout=20)
        comprobar(ayuda.returncode == 0, f"{programa} --help terminó con {ayuda.returncode}")
        # Long options, and the one-dash words of Qt's own (-platform).
        for opcion in set(re.findall(r"(?<![\w-])--?[a-z][a-z-]+", ayuda.stdout)):
            comprobar(opcion in texto, f"{carpeta}/{programa}.6 no explica {opcion}")
    for local, esperado in (("C.UTF-8", "DESCRIPCIÓN"), ("C", "DESCRIPCION")):
        # Through MANPATH: man looks in a folder's language subfolders only on its search path.
        r = subprocess.run(["man", "-L", "es", "6", "jubo"], capture_output=True, text=True,
                           errors="replace", env=dict(os.environ, MANPATH=f"{raiz}/usr/share/man",
                                                      MANWIDTH="80", LC_ALL=local, LANG=local))
        nombre = r"Dorli\s+Vánez" if local == "C.UTF-8" else r"Dorli\s+Vanez"
        comprobar(r.returncode == 0 and esperado in r.stdout and re.search(nombre, r.stdout)
                  and (local != "C" or r.stdout.isascii()),
                  f"man -L es 6 jubo con LC_ALL={local}: {r.stdout[:300]!r} {r.stderr}")


def documentacion(raiz, version):
    doc = f"{raiz}/usr/share/doc/jubo"
    comprobar(os.path.isfile(f"{doc}/README.md"), "falta /usr/share/doc/jubo/README.md")
    # The changelog: without name or time stamp (lintian flags only a later one), newest first.
    with open(f"{doc}/changelog.gz", "rb") as f:
        cabecera = f.read(10)
    comprobar(cabecera[3] & 0x08 == 0 and cabecera[4:8] == b"\0\0\0\0",
              "changelog.gz lleva nombre o fecha")
    with gzip.open(f"{doc}/changelog.gz") as f:
        r = subprocess.run(["dpkg-parsechangelog", "-l", "-"], input=f.read(),
                           capture_output=True)
    comprobar({"Source: jubo", f"Version: {version}"} <= set(r.stdout.decode().splitlines()),
              f"dpkg-parsechangelog: {r.stdout!r} {r.stderr!r}")

    cabecera, archivos, licencias = leer_dep5(f"{doc}/copyright")
    formato = "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0"
    comprobar(cabecera.get("Format", "").startswith(formato), "copyright no es DEP-5")
    textos = os.path.join(fuente, "LICENSES")
    esperadas = {f[:-4] for f in os.listdir(textos) if f.endswith(".txt")}
    usadas = {a["License"] for a in archivos}
    comprobar(usadas == esperadas == set(licencias),
              f"licencias en LICENSES {esperadas}, usadas {usadas}, explicadas {set(licencias)}")
    # A licence Debian does not keep in /usr/share/common-licenses goes whole into the file.
    for nombre, texto in licencias.items():
        comunes = re.search(r"/usr/share/common-licenses/[\w.+-]+", texto)
        if comunes:
            comprobar(os.path.isfile(comunes.group()), f"{nombre}: falta {comunes.group()}")
        elif os.path.isfile(f"{textos}/{nombre}.txt"):
            with open(f"{textos}/{nombre}.txt", encoding="utf-8") as f:
                comprobar(texto.split() == f.read().split(), f"{nombre} no es el de LICENSES/")


def empaquetar(**entorno):
    """Builds the package with packaging/empaquetar, with or without its maintainer given."""
    env = {k: v for k, v in os.environ.items() if k not in ("DEBEMAIL", "DEBFULLNAME")}
    r = subprocess.run([os.path.join(fuente, "packaging", "empaquetar"), compilacion],
                       capture_output=True, text=True, env=dict(env, **entorno))
    deb = (r.stdout.strip().splitlines() or [""])[-1]
    if r.returncode != 0 or not deb.endswith(".deb") or not os.path.isfile(deb):
        sys.exit("FALLO: packaging/empaquetar no hizo el paquete\n" + r.stdout + r.stderr[-4000:])
    return deb, salida("dpkg-deb", "-f", deb, "Maintainer").strip()


def main():
    with open(os.path.join(fuente, "CMakeLists.txt")) as f:
        version = re.search(r"project\(jubo VERSION ([0-9.]+)", f.read()).group(1)
    if os.path.exists(listo):
        os.remove(listo)
    # As for Debian's tools, DEBEMAIL names the maintainer; the next build without it is ours.
    _, mantenedor = empaquetar(DEBFULLNAME="Ana Empaquetadora", DEBEMAIL="ana@example.net")
    comprobar(mantenedor == "Ana Empaquetadora <ana@example.net>", f"con DEBEMAIL: {mantenedor}")
    deb, mantenedor = empaquetar()
    comprobar("Ana" not in mantenedor, f"sin DEBEMAIL, Maintainer sigue siendo {mantenedor!r}")

    with tempfile.TemporaryDirectory(prefix="jubo-paquete-") as tmp:
        raiz = os.path.join(tmp, "raiz")
        subprocess.run(["dpkg-deb", "-x", deb, raiz], check=True)
        control(deb, version)
        # No maintainer scripts, triggers or conffiles: nothing to run, nothing left as 'rc'.
        subprocess.run(["dpkg-deb", "-e", deb, f"{tmp}/control"], check=True)
        sobran = set(os.listdir(f"{tmp}/control")) - {"control", "md5sums"}
        comprobar(not sobran, f"el paquete trae {sorted(sobran)}")
        if hay_listas_apt():
            r = subprocess.run(["apt-get", "install", "--simulate", "--no-install-recommends", deb],
                               capture_output=True, text=True)
            comprobar(r.returncode == 0, "apt-get no sabría instalarlo:\n" + r.stdout + r.stderr)
        fuera = [os.path.relpath(d, raiz) for d, _, fs in os.walk(raiz)
                 if fs and not (os.path.relpath(d, raiz) + "/").startswith("usr/")]
        comprobar(not fuera, f"ficheros fuera de /usr: {fuera}")

        binarios(raiz)
        datos(raiz)
        escritorio(raiz)
        metainfo(raiz, version)
        manuales(raiz)
        documentacion(raiz, version)

    if fallos:
        return 1
    with open(listo, "w") as f:
        f.write(deb + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
