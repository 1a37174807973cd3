// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Consola.h"

#include "Atajos.h"
#include "Guardar.h"
#include "Textos.h"
#include "Utf8.h"

namespace {

// The greeting names the buttons' lines from the one table of them.
std::string saludo() {
    std::string mueven, resto;
    std::vector<const Atajo *> direcciones;
    for (const Atajo &a : Atajos)
        if (a.mueve)
            direcciones.push_back(&a);
    for (std::size_t i = 0; i < direcciones.size(); ++i)
        mueven += (i == 0                        ? ""
                   : i + 1 == direcciones.size() ? " y "
                                                 : ", ") +
                  std::string(direcciones[i]->linea);
    for (const Atajo &a : Atajos)
        if (!a.mueve)
            resto += (resto.empty() ? "" : " y ") + std::string(a.linea) + ' ' + a.hace;
    return "(Las rozozerad der Jubo. Escribe órdenes como MIRAR COCHE; " + mueven + " te mueven, " +
           resto + ")";
}

} // namespace

Consola::Consola(std::ostream &salida, Sorteo sorteo, bool eco, std::string partidaGuardada)
    : salida_(salida), eco_(eco), ficheroPorDefecto_(std::move(partidaGuardada)),
      partida_(*this, std::move(sorteo)) {}

void Consola::escribir(std::string_view linea) {
    salida_.write(linea.data(), std::streamsize(linea.size()));
    salida_.put('\n');
}

void Consola::escribirLugar() {
    if (!sitio_)
        return;
    escribir(std::string("== ") + sitio_->nombre + " ==");
    std::string salidas;
    for (const Atajo &a : Atajos)
        if (a.mueve && usable(botonesDe(*sitio_), *a.mueve))
            salidas += (salidas.empty() ? "" : ", ") + std::string(a.linea);
    escribir("(salidas: " + salidas + ")");
}

void Consola::escribirSonidos() {
    for (const std::string &s : sonidos_)
        escribir("(suena " + s + ")");
    sonidos_.clear();
}

void Consola::empezar() {
    escribir(saludo());
    partida_.Cargar();
    escribirLugar();
    escribirSonidos();
    salida_.flush();
}

bool Consola::partidaGuardada(std::u16string_view linea) {
    const auto orden = [&](std::u16string_view nombre) {
        return linea.starts_with(nombre) &&
               (linea.size() == nombre.size() || linea[nombre.size()] == u' ');
    };
    const bool guardar = orden(u"/guardar");
    if (!guardar && !orden(u"/cargar"))
        return false;
    std::u16string_view resto = linea.substr(guardar ? 8 : 7);
    while (!resto.empty() && resto.front() == u' ')
        resto.remove_prefix(1);
    const std::string fichero = resto.empty() ? ficheroPorDefecto_ : utf8DeUtf16(resto);
    if (fichero.empty()) {
        escribir("(no sé dónde guardar la partida: di un fichero, o pon HOME o XDG_DATA_HOME)");
        return true;
    }
    if (guardar) {
        escribir(guardarPartida(fichero, partida_.guardar()));
        return true;
    }
    std::string ficha;
    if (const std::string fallo = leerPartida(fichero, ficha); !fallo.empty()) {
        escribir(fallo);
        return true;
    }
    if (const char *motivo = partida_.restaurar(ficha)) {
        // A refused game tells the screen nothing: the one in progress goes on as it was.
        escribir("(la partida de " + fichero + " no vale: " + motivo + ")");
        return true;
    }
    escribir("(partida cargada de " + fichero + ")");
    escribirLugar();
    escribirSonidos();
    if (pista_)
        escribir(std::string("** ") + TextoPista + " **");
    return true;
}

bool Consola::accion(const std::string &bytes) {
    std::string_view sinRetorno(bytes);
    if (sinRetorno.ends_with('\r'))
        sinRetorno.remove_suffix(1);
    const std::u16string linea = utf16DeUtf8(sinRetorno);
    if (eco_)
        escribir("> " + utf8DeUtf16(linea));

    if (partidaGuardada(linea)) {
        salida_.flush();
        return true;
    }
    movido_ = false;
    jugarLinea(partida_, linea);

    if (terminado_) {
        salida_.flush();
        return false;
    }
    if (ganado_) {
        escribirSonidos();
        escribir("== Final ==");
        escribir(TextoEnhorabuena);
        escribir(TextoFinal);
        salida_.flush();
        return false;
    }
    if (movido_)
        escribirLugar();
    escribirSonidos();
    for (const std::string &l : lista_)
        escribir(l);
    if (pista_)
        escribir(std::string("** ") + TextoPista + " **");
    salida_.flush();
    return true;
}
