#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders every picture and sound cue the game ships from the sources in art/.
# The results are committed; running this again must give the same bytes.
# Needs (Debian): librsvg2-bin, imagemagick, sox, espeak-ng, fonts-liberation, fonts-dejavu-core.
set -euo pipefail
cd "$(dirname "$0")/.."

# Call Debian's own ImageMagick, whatever wrapper may shadow it in PATH.
CONVERT=convert
if [[ -x /usr/bin/convert ]]; then CONVERT=/usr/bin/convert; fi
for herramienta in rsvg-convert "$CONVERT" sox espeak-ng; do
  command -v "$herramienta" >/dev/null || { echo "Falta $herramienta" >&2; exit 1; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

dibujos=Archivos/Dibujos
sonidos=Archivos/Sonidos
recursos=screens/recursos
mkdir -p "$dibujos" "$sonidos" "$recursos"

# SVG -> PNG at an exact pixel size, flattened onto an opaque ground.
# Usage: lienzo SVG WIDTH HEIGHT OUT.png [GROUND]
lienzo() {
  rsvg-convert -w "$2" -h "$3" "$1" -o "$tmp/crudo.png"
  "$CONVERT" "$tmp/crudo.png" -background "${5:-white}" -alpha remove -alpha off "$4"
}

# Full chroma (4:4:4) keeps the thin dark outlines and the reds crisp.
a_jpeg() {
  lienzo "$1" "$2" "$3" "$tmp/plano.png" "${5:-white}"
  "$CONVERT" "$tmp/plano.png" -strip -sampling-factor 1x1 -quality 92 "$4"
}

# No dithering: flat cartoon colours stay flat instead of turning grainy.
a_gif() {
  lienzo "$1" "$2" "$3" "$tmp/plano.png"
  "$CONVERT" "$tmp/plano.png" -strip +dither -colors 256 "$4"
}

# Palette PNG without the date chunks that would change on every run.
a_png_paleta() {
  lienzo "$1" "$2" "$3" "$tmp/plano.png" "${6:-white}"
  "$CONVERT" "$tmp/plano.png" -strip +dither -colors "$5" \
    -define png:exclude-chunks=date,time "PNG8:$4"
}

echo "Dibujos de los sitios"
a_jpeg art/dibujos/entrada.svg 617 362 "$dibujos/Entrada.jpg"
a_jpeg art/dibujos/cuarto.svg 617 362 "$dibujos/cuarto.jpg"
a_jpeg art/dibujos/comedor.svg 617 362 "$dibujos/comedor.jpg"
a_jpeg art/dibujos/jardin.svg 617 362 "$dibujos/jardin.jpg"
a_jpeg art/dibujos/parque.svg 617 362 "$dibujos/Parque.jpg"
a_gif art/dibujos/cercanias.svg 617 362 "$dibujos/Cercanias.gif"

echo "Dibujos de las pantallas"
cp "$dibujos/Entrada.jpg" "$recursos/Entrada.jpg"
a_jpeg art/recursos/logo.svg 619 362 "$recursos/Logo.jpg" black
a_gif art/recursos/retrato.svg 150 239 "$recursos/Retrato.gif"
a_png_paleta art/recursos/icono.svg 32 32 "$recursos/Icono.png" 16 "#1f1830"
a_png_paleta art/recursos/icono.svg 256 256 "$recursos/Icono256.png" 16 "#1f1830"

# The menu entry's icon, at every size a desktop looks for: full colour, the rounded corners left
# transparent. The window's own icon above keeps its 16 colours.
echo "Iconos del escritorio"
iconos=packaging/iconos
mkdir -p "$iconos"
for lado in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$lado" -h "$lado" art/recursos/icono.svg -o "$tmp/icono.png"
  "$CONVERT" "$tmp/icono.png" -strip -define png:exclude-chunks=date,time "PNG32:$iconos/jubo-$lado.png"
done

# ---------------------------------------------------------------------------
# Sound cues: 16-bit PCM mono at 22050 Hz, peaks normalised to -1 dBFS.
# -R seeds sox's noise generator with a fixed number and -D turns dithering
# off, so the same recipe always gives the same bytes.
# ---------------------------------------------------------------------------
SOX=(sox -D -R)
FORMATO=(-r 22050 -b 16 -c 1 -e signed-integer)

# A struck tone: sonar OUT SECONDS DECAY SYNTH-ARGS...
# (synth's "mix" stacks partials in one channel; the log fade gives the decay)
sonar() {
  local salida=$1 duracion=$2 caida=$3
  shift 3
  "${SOX[@]}" -n "${FORMATO[@]}" "$salida" synth "$duracion" "$@" \
    fade l 0.003 "$duracion" "$caida"
}

# Normalise to -1 dBFS and write the final cue: acabar IN OUT
acabar() {
  "${SOX[@]}" "$1" "${FORMATO[@]}" "$2" gain -n -1
}

echo "Sonidos"

# Empieza: four rising notes (C E G C) ending on a held, ringing top note.
sonar "$tmp/e1.wav" 0.12 0.08 triangle 523.25 sine mix 1046.5
sonar "$tmp/e2.wav" 0.12 0.08 triangle 659.26 sine mix 1318.5
sonar "$tmp/e3.wav" 0.12 0.08 triangle 783.99 sine mix 1568.0
sonar "$tmp/e4.wav" 0.70 0.60 triangle 1046.5 sine mix 2093.0
"${SOX[@]}" "$tmp/e1.wav" "$tmp/e2.wav" "$tmp/e3.wav" "$tmp/e4.wav" "$tmp/e_todo.wav" \
  tremolo 6 25 pad 0 0.25 reverb 30 50 70
acabar "$tmp/e_todo.wav" "$sonidos/Empieza.wav"

# Direccion: three footsteps, each a low thump of filtered noise plus a
# falling sine, the second foot a little lighter than the first.
"${SOX[@]}" -n "${FORMATO[@]}" "$tmp/paso_ruido.wav" synth 0.09 brownnoise lowpass 600 fade l 0.002 0.09 0.08
"${SOX[@]}" -n "${FORMATO[@]}" "$tmp/paso_golpe.wav" synth 0.09 sine 140:55 fade l 0.002 0.09 0.08
"${SOX[@]}" -m "$tmp/paso_ruido.wav" "$tmp/paso_golpe.wav" "$tmp/paso_a.wav" pad 0 0.17
"${SOX[@]}" "$tmp/paso_a.wav" "$tmp/paso_b.wav" vol 0.7 pitch 150
"${SOX[@]}" "$tmp/paso_a.wav" "$tmp/paso_b.wav" "$tmp/paso_a.wav" "$tmp/pasos.wav"
acabar "$tmp/pasos.wav" "$sonidos/Direccion.wav"

# Ayuda: a rising three-bell chime (C6 E6 G6) that rings out.
sonar "$tmp/c1.wav" 1.10 1.05 sine 1046.5 sine mix 2093.0 sine mix 3151.0
sonar "$tmp/c2.wav" 1.10 1.05 sine 1318.5 sine mix 2637.0 sine mix 3970.0
sonar "$tmp/c3.wav" 1.10 1.05 sine 1568.0 sine mix 3136.0 sine mix 4721.0
"${SOX[@]}" "$tmp/c2.wav" "$tmp/c2d.wav" pad 0.14 0
"${SOX[@]}" "$tmp/c3.wav" "$tmp/c3d.wav" pad 0.28 0
"${SOX[@]}" -m "$tmp/c1.wav" "$tmp/c2d.wav" "$tmp/c3d.wav" "$tmp/campanas.wav" reverb 20 50 60
acabar "$tmp/campanas.wav" "$sonidos/Ayuda.wav"

# Objeto: a two-note "coin" blip, as when something goes into the pocket.
sonar "$tmp/o1.wav" 0.07 0.02 triangle 987.77 sine mix 1975.5
sonar "$tmp/o2.wav" 0.38 0.34 triangle 1318.5 sine mix 2637.0
"${SOX[@]}" "$tmp/o1.wav" "$tmp/o2.wav" "$tmp/moneda.wav" lowpass 5000
acabar "$tmp/moneda.wav" "$sonidos/Objeto.wav"

# Ver: a short whoosh of filtered noise under a quick upward sweep.
"${SOX[@]}" -n "${FORMATO[@]}" "$tmp/v_aire.wav" synth 0.32 pinknoise highpass 700 lowpass 3500 \
  fade h 0.12 0.32 0.2 vol 0.6
"${SOX[@]}" -n "${FORMATO[@]}" "$tmp/v_barrido.wav" synth 0.22 sine 500:1500 fade h 0.02 0.22 0.12 pad 0.06 0
"${SOX[@]}" -m "$tmp/v_aire.wav" "$tmp/v_barrido.wav" "$tmp/vistazo.wav"
acabar "$tmp/vistazo.wav" "$sonidos/Ver.wav"

# Cagonto: the hero's comic grumble, spoken by espeak-ng's Spanish voice,
# pitched up like a cartoon and with the silence at both ends cut away.
espeak-ng -v es -s 150 -p 70 -a 160 -w "$tmp/voz.wav" "¡Cagontó, hombre!"
"${SOX[@]}" "$tmp/voz.wav" "${FORMATO[@]}" "$tmp/voz_aguda.wav" \
  gain -6 silence 1 0.02 1% reverse silence 1 0.02 1% reverse pitch 350 tempo 1.1 pad 0.02 0.05
acabar "$tmp/voz_aguda.wav" "$sonidos/Cagonto.wav"

echo "Hecho."
