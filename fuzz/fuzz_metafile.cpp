// Metafile emblem pictures (enhanced and placeable Windows metafiles): loading, playing onto a
// recording surface and rendering through a painter, as the seal picture decoder does.

#include "picture/metafile.h"
#include "seal/paintersurface.h"
#include "seal/recordingsurface.h"
#include "seal/sealpicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Painting wants an application object; one offscreen instance serves the whole run.
    static int argc = 1;
    static char name[] = "fuzz_metafile";
    static char *argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication *app = new QGuiApplication(argc, argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    qm::Metafile metafile;
    if (!metafile.load(bytes))
        return 0;
    qm::RecordingSurface recording;
    metafile.play(recording, QRect(0, 0, 300, 200));
    const QSize natural = metafile.naturalSize();
    if (qint64(natural.width()) * natural.height() <= 1024 * 1024) {
        (void)qm::SealPicture::fromData(bytes);
    } else {
        // Huge frames are as hostile, but filling megapixels only slows the search down.
        QImage image(256, 256, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        qm::PainterSurface surface(&painter);
        metafile.play(surface, QRect(0, 0, 256, 256));
    }
    return 0;
}
