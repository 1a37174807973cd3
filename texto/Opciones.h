// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// What jubo-texto's command line asks for.
struct Opciones {
    enum class Pide { Jugar, Ayuda, Version, Nada };
    Pide pide = Pide::Jugar;
    std::optional<std::uint32_t> semilla;
    QString problema; // with Pide::Nada: one line saying what is wrong, naming the option
};

// argumentos as the program got them, its own name first.
Opciones leerOpciones(const QStringList &argumentos);

QString textoAyuda();
QString textoVersion();
