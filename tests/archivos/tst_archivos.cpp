// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures and sound cues the game loads by name: there under that exact name, what their
// content says they are, decoding to the size the screens are laid out for; each cue a short,
// loud-enough, unclipped 16-bit mono PCM WAV that the game's player takes.

#include "Wav.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QtEndian>
#include <QtTest>

#include <cmath>

namespace {

// The file system may ignore case; the program's lookups on Linux do not, so compare listed names.
QString ruta(const QString &carpeta, const QString &nombre) {
    const QString dir = QStringLiteral(JUBO_FUENTES "/") + carpeta;
    return QDir(dir).entryList(QDir::Files).contains(nombre, Qt::CaseSensitive)
               ? dir + u'/' + nombre
               : QString();
}

qsizetype coloresDistintos(const QImage &imagen, qsizetype tope) {
    QSet<QRgb> colores;
    const QImage rgb = imagen.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height() && colores.size() <= tope; ++y)
        for (int x = 0; x < rgb.width(); ++x)
            colores.insert(rgb.pixel(x, y));
    return colores.size();
}

struct Wav {
    quint16 formato = 0, canales = 0, bits = 0;
    quint32 frecuencia = 0;
    QByteArray datos;
};

// Walks the RIFF chunks instead of assuming a 44-byte header; an error, or empty.
QString leerWav(const QByteArray &b, Wav &w) {
    const auto *p = reinterpret_cast<const uchar *>(b.constData());
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return QStringLiteral("no es RIFF/WAVE");
    if (qFromLittleEndian<quint32>(p + 4) + 8 != quint32(b.size()))
        return QStringLiteral("el tamaño RIFF no cuadra con el del archivo");
    for (qsizetype pos = 12; pos + 8 <= b.size();) {
        const quint32 largo = qFromLittleEndian<quint32>(p + pos + 4);
        const qsizetype cuerpo = pos + 8;
        if (cuerpo + qsizetype(largo) > b.size())
            return QStringLiteral("trozo %1 cortado").arg(QLatin1String(b.mid(pos, 4)));
        if (b.mid(pos, 4) == "fmt " && largo >= 16) {
            w.formato = qFromLittleEndian<quint16>(p + cuerpo);
            w.canales = qFromLittleEndian<quint16>(p + cuerpo + 2);
            w.frecuencia = qFromLittleEndian<quint32>(p + cuerpo + 4);
            w.bits = qFromLittleEndian<quint16>(p + cuerpo + 14);
        } else if (b.mid(pos, 4) == "data") {
            w.datos = b.mid(cuerpo, largo);
        }
        pos = cuerpo + largo + (largo & 1);
    }
    return w.formato && !w.datos.isNull() ? QString() : QStringLiteral("falta fmt o data");
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
        const QByteArray jpeg("jpeg"), gif("gif"), png("png");
        for (const char *n : {"Entrada", "cuarto", "comedor", "jardin", "Parque"})
            QTest::newRow(n) << d << QString::fromLatin1(n) + QStringLiteral(".jpg") << jpeg
                             << sitio;
        QTest::newRow("Cercanias") << d << "Cercanias.gif" << gif << sitio;
        QTest::newRow("Logo") << r << "Logo.jpg" << jpeg << QSize(619, 362);
        QTest::newRow("Entrada del juego") << r << "Entrada.jpg" << jpeg << sitio;
        QTest::newRow("Retrato") << r << "Retrato.gif" << gif << QSize(150, 239);
        QTest::newRow("Icono") << r << "Icono.png" << png << QSize(32, 32);
        QTest::newRow("Icono256") << r << "Icono256.png" << png << QSize(256, 256);
    }

    void dibujos() {
        QFETCH(QString, carpeta);
        QFETCH(QString, nombre);
        QFETCH(QByteArray, formato);
        QFETCH(QSize, tamano);
        const QString archivo = ruta(carpeta, nombre);
        QVERIFY2(!archivo.isEmpty(), qPrintable(nombre + QStringLiteral(" no está")));

        // The content, not the extension, says what the file really is.
        QImageReader lector(archivo);
        lector.setDecideFormatFromContent(true);
        QCOMPARE(lector.format(), formato);
        const QImage imagen = lector.read();
        QVERIFY2(!imagen.isNull(), qPrintable(lector.errorString()));
        QCOMPARE(imagen.size(), tamano);
        if (formato == "jpeg") {
            QFile f(archivo);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY2(f.readAll().endsWith("\xFF\xD9"), "JPEG sin marca de fin");
        }
        // A failed render leaves a flat, empty canvas; every real drawing has many colours.
        QVERIFY2(coloresDistintos(imagen, 8) > 8, "dibujo casi de un solo color");
        if (formato == "png") { // the icons: each pixel one of at most 16 colours
            QCOMPARE(imagen.format(), QImage::Format_Indexed8);
            QVERIFY2(imagen.colorCount() <= 16, qPrintable(QString::number(imagen.colorCount())));
        }
    }

    void sonidos_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<double>("maxSegundos");
        for (const char *n : {"Cagonto", "Direccion", "Ayuda", "Objeto", "Ver"})
            QTest::newRow(n) << QString::fromLatin1(n) + QStringLiteral(".wav") << 2.0;
        QTest::newRow("Empieza") << "Empieza.wav" << 3.0;
    }

    void sonidos() {
        QFETCH(QString, nombre);
        QFETCH(double, maxSegundos);
        QFile f(ruta(QStringLiteral("Archivos/Sonidos"), nombre));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(nombre + QStringLiteral(" no está")));
        const QByteArray bytes = f.readAll();
        QVERIFY2(bytes.size() < 150 * 1024, qPrintable(QString::number(bytes.size())));

        QVERIFY(wavReproducible(bytes)); // the game's own check of what its player takes
        Wav wav;
        const QString fallo = leerWav(bytes, wav);
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
        QCOMPARE(wav.formato, quint16(1));
        QCOMPARE(wav.canales, quint16(1));
        QCOMPARE(wav.bits, quint16(16));
        QVERIFY2(wav.frecuencia == 22050 || wav.frecuencia == 44100,
                 qPrintable(QString::number(wav.frecuencia)));
        QCOMPARE(wav.datos.size() % 2, 0);

        const qsizetype muestras = wav.datos.size() / 2;
        const double segundos = double(muestras) / wav.frecuencia;
        QVERIFY2(segundos >= 0.1 && segundos <= maxSegundos, qPrintable(QString::number(segundos)));
        const auto *p = reinterpret_cast<const uchar *>(wav.datos.constData());
        int pico = 0;
        for (qsizetype i = 0; i < muestras; ++i)
            pico = std::max(pico, std::abs(int(qFromLittleEndian<qint16>(p + 2 * i))));
        // Full-scale samples mean the cue was clipped; below -3 dBFS it is too quiet beside the
        // others.
        QVERIFY2(pico < 32767 && 20.0 * std::log10(pico / 32768.0) >= -3.0,
                 qPrintable(QString::number(pico)));
    }
};

QTEST_GUILESS_MAIN(TstArchivos)
#include "tst_archivos.moc"
