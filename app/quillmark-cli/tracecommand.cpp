#include "tracecommand.h"

#include "document/documentfile.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "seal/recordingsurface.h"
#include "seal/sealjson.h"
#include "seal/tseal.h"


#include <cstdio>

using namespace Qt::StringLiterals;

namespace qm::cli {
namespace {

void printLine(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
}

int usageError(const QString &why)
{
    std::fprintf(stderr, "quillmark-cli trace: %s\n", qPrintable(why));
    std::fputs("usage: quillmark-cli trace FILE.json|FILE.dyz [--ppm P] [--zoom Z] [--seal I] [--black]\n", stderr);
    return 2;
}

} // namespace

int runTrace(const QStringList &args)
{
    QString file;
    double ppm = 10;
    int zoom = 100;
    int only = -1;
    bool black = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&](QString *out) {
            if (i + 1 >= args.size())
                return false;
            *out = args[++i];
            return true;
        };
        QString v;
        bool ok = true;
        if (a == u"--ppm"_s) {
            ok = value(&v);
            ppm = v.toDouble(&ok);
            ok = ok && ppm > 0 && ppm < 1e6;
        } else if (a == u"--zoom"_s) {
            ok = value(&v);
            zoom = v.toInt(&ok);
            ok = ok && zoom > 0 && zoom <= 100000;
        } else if (a == u"--seal"_s) {
            ok = value(&v);
            only = v.toInt(&ok);
            ok = ok && only >= 0;
        } else if (a == u"--black"_s) {
            black = true;
        } else if (a.startsWith(u"--"_s) || !file.isEmpty()) {
            return usageError(u"unexpected argument %1"_s.arg(a));
        } else {
            file = a;
        }
        if (!ok)
            return usageError(u"bad value for %1"_s.arg(a));
    }
    if (file.isEmpty())
        return usageError(u"no input file"_s);

    SealJsonResult loaded;
    if (file.endsWith(u".dyz"_s, Qt::CaseInsensitive)) {
        SealDocument document;
        NoProgress progress;
        const DocumentResult opened = OpenDocument(file, document, progress);
        if (!opened.ok()) {
            QString text = opened.message();
            text.replace(u'\r', u'\n'); // a terminal breaks lines at a newline
            std::fprintf(stderr, "%s\n", text.toUtf8().constData());
            return 1;
        }
        loaded.seals = std::move(document.seals());
    } else {
        loaded = readSealJsonFile(file);
    }
    if (!loaded.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(loaded.error));
        return 1;
    }
    if (only >= 0 && only >= int(loaded.seals.size())) {
        std::fprintf(stderr, "there is no seal %d\n", only);
        return 1;
    }
    for (int i = 0; i < int(loaded.seals.size()); ++i) {
        if (only >= 0 && i != only)
            continue;
        TSeal &seal = *loaded.seals[size_t(i)];
        seal.placeAtScale(float(ppm), zoom);
        printLine(QByteArray("{\"seal\":") + QByteArray::number(i) + ",\"op\":\"Begin\",\"left\":"
                  + QByteArray::number(seal.Left()) + ",\"top\":" + QByteArray::number(seal.Top())
                  + ",\"width\":" + QByteArray::number(seal.Width()) + ",\"height\":"
                  + QByteArray::number(seal.Height()) + "}");
        RecordingSurface surface;
        seal.PaintTo(0, 0, surface, !black);
        for (const TraceOp &op : surface.ops())
            printLine(op.toJsonLine(i));
    }
    std::fflush(stdout);
    return 0;
}

} // namespace qm::cli
