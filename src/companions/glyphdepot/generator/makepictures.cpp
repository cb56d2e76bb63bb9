// Draws the built-in pictures of the picture component and writes them as GIF files with the
// program's own encoder: glyphdepot-pictures OUTPUT_FOLDER. The results are kept with the
// sources; run it again after changing a drawing.

#include "companions/glyphdepot/generator/pictureart.h"
#include "companions/glyphdepot/picturesizes.h"
#include "picture/gifencoder.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

bool save(const QImage &image, const QString &path)
{
    QString error;
    const QByteArray gif = qm::encodeGif(image, &error);
    QSaveFile file(path);
    if (gif.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(gif) != gif.size() || !file.commit()) {
        std::fprintf(stderr, "cannot write %s %s\n", qPrintable(path), qPrintable(error));
        return false;
    }
    return true;
}

QImage canvas(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage emblem(const qm::EmblemArt &art, int side, const QColor &ink)
{
    QImage image = canvas({side, side});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 100.0, side / 100.0);
    art.draw(p, ink);
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: glyphdepot-pictures OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(u"."_s)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    QImage splash = canvas(qm::SplashSize);
    {
        QPainter p(&splash);
        qm::drawSplash(p, splash.size());
    }
    ok &= save(splash, out.filePath(u"Splash.gif"_s));
    QImage wallpaper = canvas(qm::WallpaperSize);
    {
        QPainter p(&wallpaper);
        qm::drawWallpaper(p, wallpaper.size());
    }
    ok &= save(wallpaper, out.filePath(u"Wallpaper.gif"_s));

    // Thumbnails in seal red as they will look; full emblems black on white, the form a seal
    // recolours into its own ink.
    const QList<qm::EmblemArt> &arts = qm::emblemArts();
    for (qsizetype i = 0; i < arts.size(); ++i) {
        const QString n = QString::number(i);
        ok &=
            save(emblem(arts.at(i), qm::EmblemThumbnailSide, QColor(204, 0, 0)), out.filePath(u"A"_s + n + u".gif"_s));
        ok &= save(emblem(arts.at(i), qm::EmblemSide, Qt::black), out.filePath(u"B"_s + n + u".gif"_s));
    }
    return ok ? 0 : 1;
}
