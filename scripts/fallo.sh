# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the build scripts: fallo MESSAGE says what failed and shows it from $registro, the
# log that holds everything CMake and the compiler said: the first step the build stopped at
# (Ninja marks it FAILED), else the log's last lines. Then the script ends with status 1.
fallo() {
  echo "$1; lo que dice $registro:" >&2
  if grep -q '^FAILED: ' "$registro"; then
    sed -n '/^FAILED: /,$p' "$registro" | head -n 40 >&2
  else
    tail -n 30 "$registro" >&2
  fi
  exit 1
}
