#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A WAV file cut short beside a good one, on the real player with a working sound server:
altavoz_truncado plays the short one, then the good one, then takes the player down. The good cue
is heard, and the player lets go of its effects at once (its own watchdog fails it otherwise).

Usage: altavoz_truncado.py path/to/altavoz_truncado
"""
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from escritorio import Escritorio, leer_wav  # noqa: E402


def main():
    with tempfile.TemporaryDirectory(prefix="jubo-truncado-") as tmp, \
            Escritorio(con_pantalla=False, con_sonido=True) as esc:
        grabacion = os.path.join(tmp, "grabacion.wav")
        grabar = esc.grabar(grabacion)
        try:
            time.sleep(0.5)
            r = subprocess.run([sys.argv[1]], env=esc.env, capture_output=True, text=True,
                               timeout=60)
            time.sleep(0.3)
        finally:
            esc.parar(grabar)
        pico = max((abs(m) for m in leer_wav(grabacion)), default=0)
    print(r.stdout.strip(), r.stderr.strip(), f"pico grabado {pico}", sep="\n")
    if r.returncode != 0 or "efectos soltados" not in r.stdout or pico < 3000:
        sys.exit("MAL: no acabó bien, no soltó sus efectos o no se oyó el sonido bueno")
    print("ok")


if __name__ == "__main__":
    main()
