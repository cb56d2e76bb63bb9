// Quillmark: opens a JSON seal file given on the command line, or shows the sample page.
// `--screenshot FILE` saves what the window shows and quits: the GUI smoke run of the tests.

#include "samplewindow.h"

#include "seal/sealjson.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QScrollArea>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(u"Lumenwerk"_s);
    QApplication::setApplicationName(u"Quillmark"_s);

    QStringList args = app.arguments();
    args.removeFirst();
    QString screenshot;
    if (const qsizetype at = args.indexOf(u"--screenshot"_s); at >= 0) {
        if (at + 1 >= args.size()) {
            std::fputs("usage: quillmark [FILE.json] [--screenshot OUT.png]\n", stderr);
            return 2;
        }
        screenshot = args.at(at + 1);
        args.remove(at, 2);
    }

    qm::SealJsonResult loaded;
    if (!args.isEmpty()) {
        loaded = qm::readSealJsonFile(args.first());
    } else {
        QFile sample(u":/quillmark/gallery.json"_s);
        if (sample.open(QIODevice::ReadOnly))
            loaded = qm::readSealJson(sample.readAll(), u":/quillmark"_s); // its pictures are resources too
    }
    if (!loaded.error.isEmpty()) {
        if (!screenshot.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(loaded.error));
            return 1;
        }
        QMessageBox::warning(nullptr, u"Quillmark"_s, loaded.error);
        return 1;
    }
    // The page is larger than most screens at 100 %: it scrolls.
    QScrollArea window;
    window.setWidget(new qm::SampleWindow(std::move(loaded.seals)));
    window.setWindowTitle(u"Quillmark"_s);
    window.resize(900, 700);
    window.show();
    if (!screenshot.isEmpty()) {
        int status = 1;
        QTimer::singleShot(0, &window, [&] {
            status = window.grab().save(screenshot) ? 0 : 1;
            app.quit();
        });
        app.exec();
        return status;
    }
    return app.exec();
}
