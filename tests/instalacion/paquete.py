#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Builds the Debian package as a packager would (packaging/empaquetar), unpacks it into a scratch
folder and checks what a user and a Debian developer would get: the control fields and Depends, no
maintainer scripts, the programs in /usr/games built with Debian's hardening, the sound module in
its private folder, every picture and sound of the source tree byte for byte, a valid menu entry
that starts a program of the package, the icons at every size, the AppStream page, the manual
pages that man finds, and the documentation with a machine-readable copyright and a changelog.
Writes the .deb's path into LISTO for the tests that use the package.

usage: paquete.py SOURCE_DIR PACKAGE_BUILD_DIR LISTO"""

import gzip
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

fuente, compilacion, listo = sys.argv[1:4]
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from copyright_dep5 import leer_dep5  # noqa: E402

fallos = []


def comprobar(condicion, mensaje):
    if not condicion:
        fallos.append(mensaje)
        print("FALLO:", mensaje)


def salida(*orden, **kw):
    return subprocess.run(orden, check=True, capture_output=True, text=True, **kw).stdout


def version_del_proyecto():
    with open(os.path.join(fuente, "CMakeLists.txt")) as f:
        return re.search(r"project\(jubo VERSION ([0-9.]+)", f.read()).group(1)


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


def nombres(campo):
    """The package names of a relationship field, alternatives included, versions dropped."""
    encontrados = set()
    for grupo in campo.split(","):
        for alternativa in grupo.split("|"):
            if alternativa.strip():
                encontrados.add(alternativa.split()[0])
    return encontrados


def control(deb, version):
    campo = lambda nombre: salida("dpkg-deb", "-f", deb, nombre).strip()  # noqa: E731
    comprobar(campo("Package") == "jubo", "el paquete no se llama jubo")
    comprobar(campo("Version") == version,
              f"Version es {campo('Version')!r}, el proyecto {version}")
    arquitectura = salida("dpkg", "--print-architecture").strip()
    comprobar(campo("Architecture") == arquitectura, f"la arquitectura no es {arquitectura}")
    comprobar(campo("Section") == "games", f"Section es {campo('Section')!r}")
    comprobar(re.fullmatch(r"[^<>@]+ <[^<>@ ]+@[^<>@ ]+\.[a-z]+>", campo("Maintainer")) is not None,
              f"Maintainer no es «Nombre <dirección>»: {campo('Maintainer')!r}")
    descripcion = campo("Description").splitlines()
    comprobar(bool(descripcion) and descripcion[0].isascii() and "Spanish" in descripcion[0],
              f"la sinopsis no está en inglés: {descripcion[:1]}")
    comprobar(len(descripcion) > 4 and all(len(l) <= 80 for l in descripcion),
              "la descripción larga falta o tiene líneas de más de 80 caracteres")

    depende = nombres(campo("Depends"))
    for p in ("libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
              "libqt6multimedia6", "qt6-qpa-plugins", "fonts-liberation"):
        comprobar(p in depende, f"Depends no nombra {p}: {sorted(depende)}")
    recomienda = nombres(campo("Recommends"))
    comprobar("qt6-translations-l10n" in recomienda, f"Recommends es {sorted(recomienda)}")
    # A sound server is the desktop's choice: the package may suggest one, never pull one in.
    servidores = {p for p in depende | recomienda if p.startswith(("pulseaudio", "pipewire"))}
    comprobar(not servidores, f"Depends o Recommends traen un servidor de sonido: {servidores}")
    return depende


def sin_guiones(deb, tmp):
    """No maintainer scripts, triggers or conffiles: nothing for dpkg to run, nothing left as 'rc'
    after apt-get remove."""
    ctrl = os.path.join(tmp, "control")
    subprocess.run(["dpkg-deb", "-e", deb, ctrl], check=True)
    sobran = sorted(set(os.listdir(ctrl)) - {"control", "md5sums"})
    comprobar(not sobran,
              f"el paquete trae {sobran}: dpkg los ejecutaría o los dejaría como 'rc'")


def elf(ruta, nombre):
    """Built for this machine with Debian's hardening, and free of build paths."""
    dinamica = salida("readelf", "-d", ruta)
    comprobar("RPATH" not in dinamica and "RUNPATH" not in dinamica, f"{nombre} lleva un RPATH")
    comprobar("BIND_NOW" in dinamica, f"{nombre} no está enlazado con -z now")
    comprobar("GNU_RELRO" in salida("readelf", "-lW", ruta), f"{nombre} no tiene RELRO")
    comprobar("__stack_chk_fail" in salida("nm", "-D", ruta),
              f"{nombre} no está compilado con protección de pila")
    comprobar(".comment" not in salida("readelf", "-SW", ruta),
              f"{nombre} conserva la sección .comment")


def banderas():
    """Every file of the package build compiled with Debian's hardening flags."""
    with open(os.path.join(compilacion, "compile_commands.json")) as f:
        ordenes = json.load(f)
    for o in ordenes:
        for bandera in ("-D_FORTIFY_SOURCE=2", "-fstack-protector-strong", "-O2"):
            comprobar(bandera in o["command"].split(),
                      f"{os.path.relpath(o['file'], fuente)} compilado sin {bandera}")
    comprobar(len(ordenes) > 10, f"sólo {len(ordenes)} órdenes de compilación")


def programas(raiz):
    for programa in ("jubo", "jubo-texto"):
        comprobar(not os.path.exists(os.path.join(raiz, "usr", "bin", programa)),
                  f"/usr/bin/{programa}: los juegos van en /usr/games")
        ruta = os.path.join(raiz, "usr", "games", programa)
        if not os.path.isfile(ruta):
            comprobar(False, f"falta /usr/games/{programa}")
            continue
        comprobar(os.access(ruta, os.X_OK), f"/usr/games/{programa} no es ejecutable")
        elf(ruta, f"/usr/games/{programa}")

    # The loudspeaker module, in the private <libdir>/jubo the README names.
    multiarch = salida("dpkg-architecture", "-qDEB_HOST_MULTIARCH").strip()
    carpeta = f"/usr/lib/{multiarch}/jubo"
    modulos = [os.path.join(d, f) for d, _, fs in os.walk(os.path.join(raiz, "usr", "lib"))
               for f in fs if f.endswith(".so")]
    esperado = os.path.join(raiz, carpeta.lstrip("/"), "libjubo_altavoz.so")
    comprobar(modulos == [esperado], f"el módulo de sonido no está solo en {carpeta}: {modulos}")
    for modulo in modulos:
        elf(modulo, modulo[len(raiz):])
    with open(os.path.join(fuente, "README.md"), encoding="utf-8") as f:
        comprobar(carpeta in f.read(), f"el README no dice que el módulo está en {carpeta}")


def datos(raiz):
    origen = os.path.join(fuente, "Archivos")
    instalados = os.path.join(raiz, "usr", "share", "jubo", "Archivos")
    cuenta = 0
    for dirpath, dirs, ficheros in os.walk(origen):
        dirs[:] = [d for d in dirs if not d.startswith(".")]
        for f in ficheros:
            if f.startswith("."):
                continue
            rel = os.path.relpath(os.path.join(dirpath, f), origen)
            instalado = os.path.join(instalados, rel)
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
        comprobar(os.path.isfile(os.path.join(instalados, nombre)), f"falta Archivos/{nombre}")
    return cuenta


def escritorio(raiz):
    """The menu entry: valid, starting a program of the package by its full path, with icons."""
    ruta = os.path.join(raiz, "usr", "share", "applications", "jubo.desktop")
    if not os.path.isfile(ruta):
        comprobar(False, "falta /usr/share/applications/jubo.desktop")
        return
    r = subprocess.run(["desktop-file-validate", ruta], capture_output=True, text=True)
    comprobar(r.returncode == 0 and not r.stdout.strip(),
              "desktop-file-validate: " + r.stdout + r.stderr)
    e = entrada_escritorio(ruta)
    comprobar(e.get("Type") == "Application", "la entrada no es Type=Application")
    comprobar(e.get("Name") == "Las rozozerad der Jubo", f"Name es {e.get('Name')!r}")
    comprobar({"Game", "AdventureGame"} <= set(e.get("Categories", "").split(";")),
              f"Categories es {e.get('Categories')!r}")
    comprobar(e.get("Terminal") == "false", "la entrada abriría una terminal")
    comprobar(e.get("Exec") == "/usr/games/jubo", f"Exec es {e.get('Exec')!r}, no /usr/games/jubo")
    comprobar("terminal" in e.get("Keywords", "").split(";"),
              "Keywords no lleva «terminal» para encontrar jubo-texto")
    icono = e.get("Icon", "")
    temas = os.path.join(raiz, "usr", "share", "icons", "hicolor")
    for lado in (16, 24, 32, 48, 64, 128, 256):
        png = os.path.join(temas, f"{lado}x{lado}", "apps", icono + ".png")
        comprobar(os.path.isfile(png) and tamano_png(png) == (lado, lado),
                  f"falta el icono {icono!r} de {lado}×{lado} o no mide eso")
    svg = os.path.join(temas, "scalable", "apps", icono + ".svg")
    es_svg = os.path.isfile(svg) and \
        ET.parse(svg).getroot().tag == "{http://www.w3.org/2000/svg}svg"
    comprobar(es_svg,
              f"falta el icono escalable {icono}.svg")


def metainfo(raiz, version):
    ruta = os.path.join(raiz, "usr", "share", "metainfo", "io.github.rozozerad.jubo.metainfo.xml")
    if not os.path.isfile(ruta):
        comprobar(False, "falta el fichero de /usr/share/metainfo")
        return
    if shutil.which("appstreamcli"):
        r = subprocess.run(["appstreamcli", "validate", "--no-net", "--pedantic", ruta],
                           capture_output=True, text=True)
        comprobar(r.returncode == 0, "appstreamcli validate: " + r.stdout + r.stderr)
    else:
        print("sin appstreamcli: no se valida la página de AppStream")
    pagina = ET.parse(ruta).getroot()
    comprobar(pagina.findtext("project_license") == "GPL-3.0-or-later AND CC-BY-SA-4.0",
              f"project_license es {pagina.findtext('project_license')!r}")
    comprobar(pagina.find("content_rating[@type='oars-1.1']") is not None, "falta content_rating")
    versiones = [r.get("version") for r in pagina.iter("release")]
    comprobar(versiones[:1] == [version],
              f"la última versión publicada es {versiones[:1]}, no {version}")
    # Every screenshot is one of the README's pictures, with its real size.
    imagenes = list(pagina.iter("image"))
    comprobar(len(imagenes) >= 3, f"sólo {len(imagenes)} capturas")
    for imagen in imagenes:
        nombre = imagen.text.rsplit("/docs/capturas/", 1)[-1]
        local = os.path.join(fuente, "docs", "capturas", nombre)
        if not imagen.text.startswith("https://") or not os.path.isfile(local):
            comprobar(False, f"la captura {imagen.text} no es una de docs/capturas")
            continue
        medida = (int(imagen.get("width", 0)), int(imagen.get("height", 0)))
        comprobar(medida == tamano_png(local), f"{nombre} mide {tamano_png(local)}, no {medida}")


def opciones_de_ayuda(programa):
    """The options a program's --help names (without a display: it must not need one)."""
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY",
                                                            "QT_QPA_PLATFORM")}
    r = subprocess.run([programa, "--help"], capture_output=True, text=True, env=env, timeout=20)
    comprobar(r.returncode == 0, f"{os.path.basename(programa)} --help terminó con {r.returncode}")
    # Long options, and the one-dash words of Qt's own (-platform).
    return set(re.findall(r"(?<![\w-])--?[a-z][a-z-]+", r.stdout))


# The programs whose --help lists their options.
CON_AYUDA = ("jubo", "jubo-texto")


def manuales(raiz):
    man = os.path.join(raiz, "usr", "share", "man")
    for programa in ("jubo", "jubo-texto"):
        ruta = os.path.join(man, "man6", programa + ".6.gz")
        if not os.path.isfile(ruta):
            comprobar(False, f"falta la página de manual {programa}(6)")
            continue
        if shutil.which("man"):
            # What «man 6 jubo» would open once installed.
            r = subprocess.run(["man", "-M", man, "-w", "6", programa], capture_output=True,
                               text=True)
            comprobar(r.stdout.strip() == ruta,
                      f"man 6 {programa} no encuentra la página: {r.stdout}")
            r = subprocess.run(["man", "--warnings", "-l", ruta], capture_output=True, text=True,
                               env=dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8"))
            comprobar(r.returncode == 0 and not r.stderr.strip(),
                      f"{programa}(6) tiene errores: {r.stderr}")
            texto = r.stdout.replace("\u2010", "-")
            if programa in CON_AYUDA:
                for opcion in opciones_de_ayuda(os.path.join(raiz, "usr", "games", programa)):
                    comprobar(opcion in texto, f"{programa}(6) no explica {opcion}")
        else:
            print("sin man: no se comprueban las páginas de manual con man")


def documentacion(raiz, version):
    doc = os.path.join(raiz, "usr", "share", "doc", "jubo")
    comprobar(os.path.isfile(os.path.join(doc, "README.md")), "falta /usr/share/doc/jubo/README.md")
    # The changelog: gzip -9 without name or time stamp, its newest entry this version.
    ruta = os.path.join(doc, "changelog.gz")
    if not os.path.isfile(ruta):
        comprobar(False, "falta /usr/share/doc/jubo/changelog.gz")
    else:
        with open(ruta, "rb") as f:
            cabecera = f.read(10)
        comprobar(cabecera[3] & 0x08 == 0 and cabecera[4:8] == b"\0\0\0\0" and cabecera[8] == 2,
                  "changelog.gz lleva nombre o fecha, o no es gzip -9")
        with gzip.open(ruta, "rt", encoding="utf-8") as f:
            primera = f.readline()
        comprobar(primera.startswith(f"jubo ({version}) "), f"el changelog empieza por {primera!r}")
        with gzip.open(ruta) as f:
            r = subprocess.run(["dpkg-parsechangelog", "-l", "-", "-S", "Version"],
                               input=f.read(), capture_output=True)
        comprobar(r.returncode == 0 and r.stdout.decode().strip() == version,
                  f"dpkg-parsechangelog: {r.stdout!r} {r.stderr!r}")

    ruta = os.path.join(doc, "copyright")
    if not os.path.isfile(ruta):
        comprobar(False, "falta /usr/share/doc/jubo/copyright")
        return
    cabecera, archivos, licencias = leer_dep5(ruta)
    formato = "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0"
    comprobar(cabecera.get("Format", "").startswith(formato), "copyright no es DEP-5")
    textos = os.path.join(fuente, "LICENSES")
    esperadas = {f[:-4] for f in os.listdir(textos) if f.endswith(".txt")}
    usadas = {a["License"] for a in archivos}
    comprobar(usadas == esperadas == set(licencias),
              f"licencias: en LICENSES {sorted(esperadas)}, usadas {sorted(usadas)}, "
              f"explicadas {sorted(licencias)}")
    # A licence Debian does not keep in /usr/share/common-licenses goes whole into the file.
    for nombre, texto in licencias.items():
        comunes = re.search(r"/usr/share/common-licenses/([\w.+-]+)", texto)
        if comunes:
            comun = f"/usr/share/common-licenses/{comunes.group(1)}"
            comprobar(os.path.isfile(comun), f"{nombre} remite a {comun}, que no existe")
        elif os.path.isfile(os.path.join(textos, nombre + ".txt")):
            with open(os.path.join(textos, nombre + ".txt"), encoding="utf-8") as f:
                original = f.read().split()
            comprobar(texto.split() == original, f"el texto de {nombre} no es el de LICENSES/")


def empaquetar(**entorno):
    """Builds the package with packaging/empaquetar; its path, or None."""
    env = {k: v for k, v in os.environ.items() if k not in ("DEBEMAIL", "DEBFULLNAME")}
    r = subprocess.run([os.path.join(fuente, "packaging", "empaquetar"), compilacion],
                       capture_output=True, text=True, env=dict(env, **entorno))
    deb = r.stdout.strip().splitlines()[-1] if r.stdout.strip() else ""
    if r.returncode != 0 or not deb.endswith(".deb") or not os.path.isfile(deb):
        print("FALLO: packaging/empaquetar no hizo el paquete\n" + r.stdout + r.stderr[-4000:])
        return None
    return deb


def main():
    version = version_del_proyecto()
    if os.path.exists(listo):
        os.remove(listo)
    # Whoever builds may name themselves maintainer, as for Debian's tools; the next build without
    # DEBEMAIL is the project's own again.
    deb = empaquetar(DEBFULLNAME="Ana Empaquetadora", DEBEMAIL="ana@example.net")
    if deb is None:
        return 1
    mantenedor = salida("dpkg-deb", "-f", deb, "Maintainer").strip()
    comprobar(mantenedor == "Ana Empaquetadora <ana@example.net>",
              f"con DEBEMAIL, Maintainer es {mantenedor!r}")
    deb = empaquetar()
    if deb is None:
        return 1
    mantenedor = salida("dpkg-deb", "-f", deb, "Maintainer").strip()
    comprobar("Ana" not in mantenedor, f"sin DEBEMAIL, Maintainer sigue siendo {mantenedor!r}")

    with tempfile.TemporaryDirectory(prefix="jubo-paquete-") as tmp:
        raiz = os.path.join(tmp, "raiz")
        subprocess.run(["dpkg-deb", "-x", deb, raiz], check=True)
        depende = control(deb, version)
        sin_guiones(deb, tmp)

        # Every dependency names a package apt can find and install (only simulated).
        listas = "/var/lib/apt/lists"
        if os.path.isdir(listas) and any("_Packages" in f for f in os.listdir(listas)):
            r = subprocess.run(["apt-get", "install", "--simulate", "--no-install-recommends", deb],
                               capture_output=True, text=True)
            comprobar(r.returncode == 0,
                      "apt-get no sabría instalar el paquete:\n" + r.stdout + r.stderr)
        else:
            print("sin listas de apt: no se simula la instalación")

        for dirpath, _, ficheros in os.walk(raiz):
            for f in ficheros:
                rel = os.path.relpath(os.path.join(dirpath, f), raiz)
                comprobar(rel.startswith("usr" + os.sep), f"{rel} queda fuera de /usr")

        banderas()
        programas(raiz)
        cuenta = datos(raiz)
        escritorio(raiz)
        metainfo(raiz, version)
        manuales(raiz)
        documentacion(raiz, version)
        print(f"{os.path.basename(deb)}: {cuenta} ficheros de datos; "
              f"Depends: {', '.join(sorted(depende))}")

    if fallos:
        return 1
    with open(listo, "w") as f:
        f.write(deb + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
