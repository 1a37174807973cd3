#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The sound plug-in: it exports Qt's two entry points and nothing else, and holds nothing of the
game's engine or cue routines. Beside the game's program, in the build tree and in a tree installed
with `cmake --install`, sonar (two cues, then which plug-in file it loaded) loads it and prints
nothing on stderr. Then the installed plug-in is taken away, emptied, cut short, replaced by
garbage and by a Qt plug-in of another kind: each time the program plays on silently, ends
normally, and says so in exactly one line on stderr.

Usage: cargar_altavoz.py BUILD_DIR path/to/sonar path/to/jubo
"""
import glob
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from escritorio import Informe  # noqa: E402

CONSTRUCCION, PROGRAMA, JUBO = (os.path.realpath(a) for a in sys.argv[1:4])
AVISO = "jubo: no se puede cargar el altavoz ("
informe = Informe()


def correr(caso, programa, entorno=None):
    """Status, plug-ins loaded and stderr lines of programa."""
    try:
        r = subprocess.run([programa], capture_output=True, text=True, timeout=60, env=entorno)
    except subprocess.TimeoutExpired:
        return "colgado 60 s", [], []
    cargados = [l.split(" ", 1)[1] for l in r.stdout.splitlines() if l.startswith("cargado ")]
    print(f"{caso}: estado {r.returncode}, cargado {cargados}, stderr {r.stderr.splitlines()}")
    return r.returncode, cargados, r.stderr.splitlines()


def fin_cargable(elf):
    """Where the last loadable segment of a 64-bit little-endian ELF file ends: what the dynamic
    loader maps. Cut before that, a file the loader took would fault with SIGBUS when touched."""
    phoff, = struct.unpack_from("<Q", elf, 0x20)
    phentsize, phnum = struct.unpack_from("<HH", elf, 0x36)
    fin = 0
    for i in range(phnum):
        tipo, _, offset, _, _, filesz = struct.unpack_from("<IIQQQQ", elf, phoff + i * phentsize)
        if tipo == 1:  # PT_LOAD
            fin = max(fin, offset + filesz)
    return fin


def simbolos(fichero, *opciones):
    salida = subprocess.run(["nm", "--defined-only", *opciones, fichero], check=True,
                            capture_output=True, text=True).stdout
    return [l.split(maxsplit=2)[-1] for l in salida.splitlines() if l.strip()]


altavoz = os.path.join(os.path.dirname(JUBO), "libjubo_altavoz.so")
exportados = sorted(simbolos(altavoz, "-D"))
informe(exportados == ["qt_plugin_instance", "qt_plugin_query_metadata_v2"],
        f"exporta {exportados}")
juego = re.compile(r"\b(Module1|HiloSonido|Partida|Coincide|Sonido|Ventanas|Juego)\b")
del_juego = [n for n in simbolos(altavoz, "-C") if juego.search(n)]
informe(del_juego == [], f"código del juego en el altavoz: {del_juego[:5]}")
informe(correr("construcción", PROGRAMA) == (0, [altavoz], []), "cargado sin ruido al construir")

with tempfile.TemporaryDirectory(prefix="jubo-altavoz-") as prefijo:
    subprocess.run(["cmake", "--install", CONSTRUCCION, "--prefix", prefijo],
                   check=True, capture_output=True)
    programas = [p for p in glob.glob(os.path.join(prefijo, "**", "jubo"), recursive=True)
                 if os.path.isfile(p) and os.access(p, os.X_OK)]
    altavoces = glob.glob(os.path.join(prefijo, "**", "libjubo_altavoz.so"), recursive=True)
    if len(programas) != 1 or len(altavoces) != 1:
        sys.exit(f"MAL: instalados {programas} y {altavoces}")
    altavoz = altavoces[0]
    instalado = os.path.join(os.path.dirname(programas[0]), "sonar")
    shutil.copy(PROGRAMA, instalado)
    informe(correr("instalado", instalado) == (0, [altavoz], []), "cargado sin ruido instalado")

    with open(altavoz, "rb") as f:
        bueno = f.read()
    fin = fin_cargable(bueno)
    casos = [("ausente", None), ("vacío", b""), ("basura", bytes(range(256)) * 64)]
    casos += [(f"cortado a {p} % de lo cargable", bueno[:fin * p // 100]) for p in (10, 50, 90, 99)]
    ajeno = glob.glob("/usr/lib/*/qt6/plugins/imageformats/libqgif.so")
    if ajeno:  # loaded, then refused; the loader may keep it mapped
        with open(ajeno[0], "rb") as f:
            casos.append(("otro complemento de Qt", f.read()))
    for caso, contenido in casos:
        if os.path.exists(altavoz):
            os.remove(altavoz)
        if contenido is not None:
            with open(altavoz, "wb") as f:
                f.write(contenido)
        estado, cargados, errores = correr(caso, instalado)
        informe(estado == 0 and len(errores) == 1 and errores[0].startswith(AVISO)
                and (cargados == [] or caso.startswith("otro")), f"{caso}: un aviso y sigue")
    # Asked for, Qt's own account of the loading comes back.
    open(altavoz, "wb").close()
    _, _, errores = correr("con jubo.sonido.debug", instalado,
                           dict(os.environ, QT_LOGGING_RULES="jubo.sonido.debug=true"))
    informe(len(errores) > 1, "QT_LOGGING_RULES=jubo.sonido.debug=true muestra lo de Qt")
sys.exit(informe.fin())
