// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the fuzzers' seed inputs and dictionary from the rule tables themselves, so a new or
// changed rule is in the seeds at the next build without anyone copying it by hand.
//
//   semillas <output folder> <walkthrough file>
//
// <output>/coincide/: "pattern\norder" pairs, each pattern with an order that satisfies it.
// <output>/partida/:  jubo-texto scripts: the buttons that reach a place, then one of its orders;
//                     and the walkthrough.
// <output>/juego.dict: every pattern word and every front-end command, for -dict=.

#include "Reglas.h"
#include "Sitios.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char *comando(Boton b) {
    switch (b) {
    case Boton::PaLante: return "/palante";
    case Boton::Patras: return "/patras";
    case Boton::Izquierda: return "/izquierda";
    case Boton::Derecha: return "/derecha";
    }
    return "";
}

// The shortest button sequence from the entrance to every place, found on the move table.
std::map<int, std::vector<Boton>> caminos() {
    std::map<int, std::vector<Boton>> camino{{Entrada, {}}};
    std::vector<int> frontera{Entrada};
    while (!frontera.empty()) {
        std::vector<int> siguiente;
        for (int desde : frontera)
            for (const Movimiento &m : Movimientos)
                if (m.desde == desde && !camino.contains(m.hasta)) {
                    camino[m.hasta] = camino[desde];
                    camino[m.hasta].push_back(m.boton);
                    siguiente.push_back(m.hasta);
                }
        frontera = std::move(siguiente);
    }
    return camino;
}

void escribir(const fs::path &fichero, const std::string &contenido) {
    std::ofstream f(fichero, std::ios::binary);
    f << contenido;
    if (!f)
        throw std::runtime_error("no se pudo escribir " + fichero.string());
}

std::string minusculas(std::string s) {
    for (char &c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

std::string entrecomillado(const std::string &s) {
    std::string r = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\' || c < 0x20 || c >= 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            r += hex;
        } else {
            r += char(c);
        }
    }
    return r + "\"";
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::cerr << "uso: semillas <carpeta de salida> <solución>\n";
        return 2;
    }
    try {
        const fs::path salida = argv[1];
        fs::remove_all(salida);
        fs::create_directories(salida / "coincide");
        fs::create_directories(salida / "partida");

        std::ifstream f(argv[2], std::ios::binary);
        std::stringstream solucion;
        solucion << f.rdbuf();
        if (!f || solucion.str().empty())
            throw std::runtime_error(std::string("no se pudo leer ") + argv[2]);
        escribir(salida / "partida" / "solucion", solucion.str());

        const auto camino = caminos();
        std::set<std::string> palabras;
        int n = 0;
        for (int lugar = 0; lugar <= int(Sitios.size()); ++lugar) {
            // The last round holds the rules valid everywhere, tried from the entrance.
            const bool generales = lugar == int(Sitios.size());
            const auto tabla = generales ? ReglasGenerales : reglasDe(qint16(lugar));
            std::string ruta;
            for (Boton b : camino.at(generales ? 0 : lugar))
                ruta += std::string(comando(b)) + "\n";
            for (const Regla &regla : tabla) {
                for (const char *p : regla.patrones) {
                    const std::string patron = p;
                    ++n;
                    const std::string nombre = "regla-" + std::to_string(n);
                    escribir(salida / "coincide" / nombre, patron + "\n" + patron);
                    escribir(salida / "coincide" / (nombre + "-minusculas"),
                             patron + "\n" + minusculas(patron) + ".");
                    escribir(salida / "partida" / nombre, ruta + minusculas(patron) + "\n");
                    std::string palabra;
                    for (char c : patron) {
                        palabra += c;
                        if (c == ' ') {
                            palabras.insert(palabra);
                            palabra.clear();
                        }
                    }
                    palabras.insert(palabra);
                }
            }
        }
        if (n == 0)
            throw std::runtime_error("las tablas de reglas están vacías");

        std::string diccionario;
        for (const std::string &w : palabras)
            diccionario += entrecomillado(w) + "\n";
        for (const char *c :
             {"/palante", "/patras", "/izquierda", "/derecha", "/ver", "/inventario", "\n", "\r\n"})
            diccionario += entrecomillado(c) + "\n";
        escribir(salida / "juego.dict", diccionario);
        std::cout << "semillas: " << n << " patrones, " << palabras.size() << " palabras\n";
    } catch (const std::exception &e) {
        std::cerr << "semillas: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
