// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the pictures and sound cues the game loads by name: each must be there under its exact
// name, be what its extension says, decode, and have the size the screens are laid out for; each
// cue must be a short, loud-enough, unclipped 16-bit mono PCM WAV.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <cstdint>
#include <optional>

namespace {

QString raiz() {
    return QStringLiteral(JUBO_FUENTES);
}

// The file system may ignore case; the program's lookups on Linux do not, so compare listed names.
bool existeConEseNombre(const QString &carpeta, const QString &nombre) {
    return QDir(raiz() + u'/' + carpeta).entryList(QDir::Files).contains(nombre, Qt::CaseSensitive);
}

QByteArray leer(const QString &ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return f.readAll();
}

QSet<QRgb> coloresDistintos(const QImage &imagen, qsizetype tope) {
    QSet<QRgb> colores;
    const QImage rgb = imagen.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            colores.insert(rgb.pixel(x, y));
            if (colores.size() > tope) {
                return colores;
            }
        }
    }
    return colores;
}

struct Wav {
    quint16 formato = 0;
    quint16 canales = 0;
    quint32 frecuencia = 0;
    quint16 bits = 0;
    QByteArray datos;
};

// Walks the RIFF chunks instead of assuming a 44-byte header, and refuses a truncated file.
std::optional<Wav> leerWav(const QByteArray &b, QString &fallo) {
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") {
        fallo = QStringLiteral("no es RIFF/WAVE");
        return std::nullopt;
    }
    const auto *p = reinterpret_cast<const uchar *>(b.constData());
    if (qFromLittleEndian<quint32>(p + 4) + 8 != quint32(b.size())) {
        fallo = QStringLiteral("el tamaño RIFF no cuadra con el del archivo");
        return std::nullopt;
    }
    Wav w;
    bool hayFmt = false;
    bool hayDatos = false;
    qsizetype pos = 12;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const quint32 largo = qFromLittleEndian<quint32>(p + pos + 4);
        const qsizetype cuerpo = pos + 8;
        if (cuerpo + qsizetype(largo) > b.size()) {
            fallo = QStringLiteral("trozo '%1' cortado").arg(QString::fromLatin1(id));
            return std::nullopt;
        }
        if (id == "fmt " && largo >= 16) {
            w.formato = qFromLittleEndian<quint16>(p + cuerpo);
            w.canales = qFromLittleEndian<quint16>(p + cuerpo + 2);
            w.frecuencia = qFromLittleEndian<quint32>(p + cuerpo + 4);
            w.bits = qFromLittleEndian<quint16>(p + cuerpo + 14);
            hayFmt = true;
        } else if (id == "data") {
            w.datos = b.mid(cuerpo, largo);
            hayDatos = true;
        }
        pos = cuerpo + largo + (largo & 1);
    }
    if (!hayFmt || !hayDatos) {
        fallo = QStringLiteral("falta el trozo fmt o el data");
        return std::nullopt;
    }
    return w;
}

} // namespace

class TstArchivos : public QObject {
    Q_OBJECT

  private slots:
    void dibujos_data() {
        QTest::addColumn<QString>("carpeta");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QByteArray>("formato");
        QTest::addColumn<QSize>("tamano");
        const QSize sitio(617, 362);
        const QString d = QStringLiteral("Archivos/Dibujos");
        const QString r = QStringLiteral("screens/recursos");
        QTest::newRow("Entrada") << d << "Entrada.jpg" << QByteArray("jpeg") << sitio;
        QTest::newRow("cuarto") << d << "cuarto.jpg" << QByteArray("jpeg") << sitio;
        QTest::newRow("comedor") << d << "comedor.jpg" << QByteArray("jpeg") << sitio;
        QTest::newRow("jardin") << d << "jardin.jpg" << QByteArray("jpeg") << sitio;
        QTest::newRow("Parque") << d << "Parque.jpg" << QByteArray("jpeg") << sitio;
        QTest::newRow("Cercanias") << d << "Cercanias.gif" << QByteArray("gif") << sitio;
        QTest::newRow("Logo") << r << "Logo.jpg" << QByteArray("jpeg") << QSize(619, 362);
        QTest::newRow("Entrada del juego") << r << "Entrada.jpg" << QByteArray("jpeg") << sitio;
        QTest::newRow("Retrato") << r << "Retrato.gif" << QByteArray("gif") << QSize(150, 239);
        QTest::newRow("Icono") << r << "Icono.png" << QByteArray("png") << QSize(32, 32);
        QTest::newRow("Icono256") << r << "Icono256.png" << QByteArray("png") << QSize(256, 256);
    }

    void dibujos() {
        QFETCH(QString, carpeta);
        QFETCH(QString, nombre);
        QFETCH(QByteArray, formato);
        QFETCH(QSize, tamano);

        QVERIFY2(existeConEseNombre(carpeta, nombre),
                 qPrintable(carpeta + u'/' + nombre + QStringLiteral(" no está")));
        const QString ruta = raiz() + u'/' + carpeta + u'/' + nombre;
        const QByteArray bytes = leer(ruta);

        // The magic number, not the extension, says what the file really is.
        if (formato == "jpeg") {
            QVERIFY(bytes.startsWith("\xFF\xD8\xFF"));
            QVERIFY2(bytes.endsWith("\xFF\xD9"), "JPEG sin marca de fin");
        } else if (formato == "gif") {
            QVERIFY(bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"));
        } else {
            QVERIFY(bytes.startsWith("\x89PNG\r\n\x1A\n"));
        }

        QImageReader lector(ruta);
        lector.setDecideFormatFromContent(true);
        QCOMPARE(lector.format(), formato);
        const QImage imagen = lector.read();
        QVERIFY2(!imagen.isNull(), qPrintable(lector.errorString()));
        QCOMPARE(imagen.size(), tamano);

        // A failed render leaves a flat, empty canvas; every real drawing has many colours.
        QVERIFY2(coloresDistintos(imagen, 8).size() > 8, "dibujo casi de un solo color");
    }

    void iconoDeDieciseisColores_data() {
        QTest::addColumn<QString>("nombre");
        QTest::newRow("32") << "Icono.png";
        QTest::newRow("256") << "Icono256.png";
    }

    void iconoDeDieciseisColores() {
        QFETCH(QString, nombre);
        const QImage icono(raiz() + QStringLiteral("/screens/recursos/") + nombre);
        QVERIFY(!icono.isNull());
        QCOMPARE(icono.format(), QImage::Format_Indexed8);
        QVERIFY2(icono.colorCount() <= 16, qPrintable(QString::number(icono.colorCount())));
        QVERIFY(coloresDistintos(icono, 16).size() <= 16);
    }

    void sonidos_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<double>("maxSegundos");
        QTest::newRow("Cagonto") << "Cagonto.wav" << 2.0;
        QTest::newRow("Empieza") << "Empieza.wav" << 3.0;
        QTest::newRow("Direccion") << "Direccion.wav" << 2.0;
        QTest::newRow("Ayuda") << "Ayuda.wav" << 2.0;
        QTest::newRow("Objeto") << "Objeto.wav" << 2.0;
        QTest::newRow("Ver") << "Ver.wav" << 2.0;
    }

    void sonidos() {
        QFETCH(QString, nombre);
        QFETCH(double, maxSegundos);

        QVERIFY2(existeConEseNombre(QStringLiteral("Archivos/Sonidos"), nombre),
                 qPrintable(nombre + QStringLiteral(" no está")));
        const QByteArray bytes = leer(raiz() + QStringLiteral("/Archivos/Sonidos/") + nombre);
        QVERIFY2(bytes.size() < 150 * 1024, qPrintable(QString::number(bytes.size())));

        QString fallo;
        const std::optional<Wav> wav = leerWav(bytes, fallo);
        QVERIFY2(wav.has_value(), qPrintable(fallo));
        QCOMPARE(wav->formato, quint16(1));
        QCOMPARE(wav->canales, quint16(1));
        QCOMPARE(wav->bits, quint16(16));
        QVERIFY2(wav->frecuencia == 22050 || wav->frecuencia == 44100,
                 qPrintable(QString::number(wav->frecuencia)));
        QCOMPARE(wav->datos.size() % 2, 0);

        const qsizetype muestras = wav->datos.size() / 2;
        const double segundos = double(muestras) / wav->frecuencia;
        QVERIFY2(segundos <= maxSegundos, qPrintable(QString::number(segundos)));
        QVERIFY2(segundos >= 0.1, qPrintable(QString::number(segundos)));

        const auto *p = reinterpret_cast<const uchar *>(wav->datos.constData());
        int pico = 0;
        for (qsizetype i = 0; i < muestras; ++i) {
            pico = std::max(pico, std::abs(int(qFromLittleEndian<qint16>(p + 2 * i))));
        }
        // Full-scale samples mean the cue was clipped; below -3 dBFS it is too quiet beside the
        // others.
        QVERIFY2(pico < 32767, qPrintable(QString::number(pico)));
        const double dB = 20.0 * std::log10(pico / 32768.0);
        QVERIFY2(dB >= -3.0 && dB <= 0.0, qPrintable(QString::number(dB)));
    }
};

QTEST_GUILESS_MAIN(TstArchivos)
#include "tst_archivos.moc"
