// Quillmark: opens a JSON seal file given on the command line, or shows the sample page.

#include "samplewindow.h"

#include "document/metafile.h"
#include "seal/sealjson.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QScrollArea>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(u"Lumenwerk"_s);
    QApplication::setApplicationName(u"Quillmark"_s);
    qm::registerMetafileDecoder();

    const QStringList args = app.arguments();
    qm::SealJsonResult loaded;
    if (args.size() > 1) {
        loaded = qm::readSealJsonFile(args.at(1));
    } else {
        QFile sample(u":/quillmark/gallery.json"_s);
        if (sample.open(QIODevice::ReadOnly))
            loaded = qm::readSealJson(sample.readAll(), u":/quillmark"_s); // its pictures are resources too
    }
    if (!loaded.error.isEmpty()) {
        QMessageBox::warning(nullptr, u"Quillmark"_s, loaded.error);
        return 1;
    }
    // The page is larger than most screens at 100 %: it scrolls.
    QScrollArea window;
    window.setWidget(new qm::SampleWindow(std::move(loaded.seals)));
    window.setWindowTitle(u"Quillmark"_s);
    window.resize(900, 700);
    window.show();
    return app.exec();
}
