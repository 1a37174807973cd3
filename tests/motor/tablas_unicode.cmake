# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Are the checked-in Unicode tables byte for byte what the generator makes of the Qt installed
# now? A newer Qt may bring a newer Unicode; the tables must then be regenerated on purpose.
#   cmake -DGENERADOR=generar_unicode -DTABLAS=engine/TablasUnicode.cpp -DNUEVAS=nuevas.cpp
#         -P tablas_unicode.cmake
execute_process(COMMAND ${GENERADOR} ${NUEVAS} RESULT_VARIABLE salida)
if(NOT salida EQUAL 0)
  message(FATAL_ERROR "MAL: generar_unicode terminó con ${salida}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${NUEVAS} ${TABLAS}
                RESULT_VARIABLE distintas)
if(NOT distintas EQUAL 0)
  message(FATAL_ERROR "MAL: ${TABLAS} no es lo que genera el Qt instalado (véase ${NUEVAS}). "
                      "Regenérelo con `cmake --build build --target regenerar_unicode`, pase "
                      "motor.tst_unicode y confirme las tablas nuevas.")
endif()
message("ok: las tablas Unicode son las del Qt instalado")
