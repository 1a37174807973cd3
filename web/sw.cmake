# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes SITIO/sw.js from PLANTILLA: the files of FICHEROS (paths inside SITIO), and a version
# that is the hash of their contents. Run with cmake -P.
set(suma "")
set(lista "\"./\"")
foreach(f ${FICHEROS})
  file(SHA256 ${SITIO}/${f} h)
  string(APPEND suma "${f} ${h}\n")
  string(APPEND lista ", \"${f}\"")
endforeach()
string(SHA256 version "${suma}")
string(SUBSTRING "${version}" 0 16 JUBO_WEB_VERSION)
set(JUBO_WEB_FICHEROS "${lista}")
configure_file(${PLANTILLA} ${SITIO}/sw.js @ONLY)
