// The export command of the main window: what happens before the dialog component is loaded,
// its load failures, the options record it returns, the file dialog and its naming rule, the
// size limit, the clipboard, the TIFF kind without a file, and the warning about characters a
// seal's face cannot draw.

#include "mainwindowtesting.h"

#include "document/extendedfloat.h"
#include "export/exportkind.h"
#include "mainwindow/exportfiledialog.h"
#include "mainwindow/wallpapermdiarea.h"
#include "seal/gbk.h"
#include "testing/modaldialogdriver.h"
#include "testing/testhelpers.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

// The file dialog answers from a script of its own and records what it was asked.
class ExportDialogs : public ScriptedDialogs
{
public:
    struct PictureRequest {
        QString folder;
        ExportKind kind;
        QList<ExportKind> offered;
        QImage preview;
        QSize pictureSize;
    };
    std::vector<PictureRequest> pictureRequests;
    std::deque<QString> pictureFiles; // cancelled when empty

    ExportFileChoice pictureFileName(QWidget *, const QString &folder, ExportKind kind,
                                     const QList<ExportKind> &offered, const QImage &preview,
                                     const QSize &pictureSize) override
    {
        pictureRequests.push_back({folder, kind, offered, preview, pictureSize});
        if (pictureFiles.empty())
            return {QString(), kind};
        const QString f = pictureFiles.front();
        pictureFiles.pop_front();
        return exportFileChoice(f, kind, offered);
    }
};

struct ExportStart : Start {
    ExportDialogs exportDialogs;

    explicit ExportStart(const QString &dialogFolder = QStringLiteral(QM_SCRIPTED_DIALOGPACK_DIR))
    {
        options.dialogs = &exportDialogs;
        options.dialogFolder = dialogFolder;
        qApp->setProperty("exportCalls", 0);
        qApp->setProperty("exportAnswer", QVariant());
    }
    ~ExportStart() { close(); } // the window goes while its dialogs are still here

    QString exportFolder() const { return window->workFolder(u"我的导出图象"_s); }
    QStringList exported() const { return QDir(exportFolder()).entryList(QDir::Files); }
    std::vector<ScriptedDialogs::Message> &messages() { return exportDialogs.messages; }
};

// What the options dialog answers: confirmed, the resolution as an extended float, the kind,
// mirror and clipboard; with a later kind (6 … 8) its byte as the 15th.
void answer(long double pixelsPerMm, int kind, bool mirror = false, bool toClipboard = false, int laterKind = -1)
{
    QByteArray a(1, '\x01');
    const ExtendedBytes ppm = encodeExtended(pixelsPerMm);
    a.append(reinterpret_cast<const char *>(ppm.data()), qsizetype(ppm.size()));
    a.append(char(kind)).append(char(mirror)).append(char(toClipboard));
    if (laterKind >= 0)
        a.append(char(laterKind));
    qApp->setProperty("exportAnswer", a);
}

// A selected square seal of the side in millimetres centred at (cx, cy). At the offscreen
// screen's 96 dpi 6.35 mm are 24 pixels: sides and centres in such steps give a selection box
// of whole pixels, 25.4 mm for one seal of that side.
Seal *addSquare(DocumentWindow &child, float side = 25.4f, float cx = 50.8f, float cy = 50.8f, float height = 0)
{
    auto seal = child.document().createSeal();
    seal->setZoom(child.document().page().zoom());
    seal->setSealType(SealType::stRect);
    seal->setRealWidth(side);
    seal->setRealHeight(height > 0 ? height : side);
    seal->setRealCenterX(cx);
    seal->setRealCenterY(cy);
    return child.document().appendCreatedSeal(std::move(seal));
}

DocumentWindow &documentWithSquare(ExportStart &s)
{
    MainWindow &w = s.show();
    w.fileNew();
    DocumentWindow &child = *w.activeDocument();
    Seal *seal = addSquare(child);
    if (seal->width() != 96 || seal->Zoom() != 100)
        qWarning("the page is not at 96 dpi and 100 %%: the expected sizes do not hold");
    return child;
}

// 300 dpi = 300 / 25.4 px/mm: a 25.4 mm box gives 300 + 2 × 8 pixels.
constexpr long double Dpi300 = 300 / 25.4L;
constexpr int Side300 = 316;

} // namespace

class TestExportCommand : public QObject
{
    Q_OBJECT

private slots:
    void emptySelectionStopsBeforeTheLibrary_data()
    {
        QTest::addColumn<bool>("libraryThere");
        QTest::newRow("scripted library") << true;
        QTest::newRow("no library: no message either") << false;
    }
    void emptySelectionStopsBeforeTheLibrary()
    {
        QFETCH(bool, libraryThere);
        ExportStart s(libraryThere ? QStringLiteral(QM_SCRIPTED_DIALOGPACK_DIR) : u"/nonexistent"_s);
        DocumentWindow &child = documentWithSquare(s);
        child.document().clearSelection();
        answer(Dpi300, 2);
        s.window->exportSelectionToImage();
        QCOMPARE(qApp->property("exportCalls").toInt(), 0);
        QVERIFY(s.messages().empty());
        QVERIFY(s.exportDialogs.pictureRequests.empty());
    }

    // Export is enabled exactly while the active document has a selection; print and preview
    // while there is a document.
    void outputCommandsFollowTheSelection()
    {
        ExportStart s;
        MainWindow &w = s.show();
        QAction *exportAction = w.action(u"actEditSealSaveToImage"_s);
        auto enabled = [&w](const QString &name) { return w.action(name)->isEnabled(); };
        QVERIFY(!exportAction->isEnabled());
        QVERIFY(!enabled(u"actFilePrint"_s) && !enabled(u"actFilePreView"_s));
        w.fileNew();
        DocumentWindow &first = *w.activeDocument();
        QVERIFY(!exportAction->isEnabled());
        QVERIFY(enabled(u"actFilePrint"_s) && enabled(u"actFilePreView"_s));
        addSquare(first);
        QVERIFY(exportAction->isEnabled());
        first.document().clearSelection();
        QVERIFY(!exportAction->isEnabled());
        first.document().setSelection({first.document().seals()[0].get()});
        QVERIFY(exportAction->isEnabled());
        w.fileNew(); // nothing selected in the new one
        QVERIFY(!exportAction->isEnabled());
        w.mdiArea()->setActiveSubWindow(w.mdiArea()->subWindowList().constFirst());
        QCOMPARE(w.activeDocument(), &first);
        QVERIFY(exportAction->isEnabled());
        QVERIFY(w.closeAllDocuments());
        flushDeletes();
        QVERIFY(!exportAction->isEnabled());
        QVERIFY(!enabled(u"actFilePrint"_s));
    }

    void noDocumentDoesNothing()
    {
        ExportStart s;
        s.show().exportSelectionToImage();
        QCOMPARE(qApp->property("exportCalls").toInt(), 0);
        QVERIFY(s.messages().empty());
    }

    void missingLibraryIsTold()
    {
        QTemporaryDir empty;
        ExportStart s(empty.path());
        documentWithSquare(s);
        s.window->exportSelectionToImage();
        QCOMPARE(s.messages().size(), size_t(1));
        QCOMPARE(s.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(s.messages()[0].text, u"文件缺失！"_s);
        QVERIFY(s.exportDialogs.pictureRequests.empty());
    }

    void missingEntryDoesNothing()
    {
        ExportStart s(QStringLiteral(QM_STUB_DIALOGPACK_DIR)); // exports the about box only
        documentWithSquare(s);
        s.window->exportSelectionToImage();
        QVERIFY(s.messages().empty());
        QVERIFY(s.exportDialogs.pictureRequests.empty());
        QVERIFY(s.exported().isEmpty());
    }

    void cancelledDialogsWriteNothing()
    {
        ExportStart s;
        DocumentWindow &child = documentWithSquare(s);
        // The options dialog cancelled: the record comes back as the caller cleared it.
        s.window->exportSelectionToImage();
        QCOMPARE(qApp->property("exportCalls").toInt(), 1);
        QCOMPARE(qApp->property("exportOwner").value<QObject *>(), &child);             // over the document window
        QCOMPARE(qApp->property("exportRecordIn").toByteArray(), QByteArray(14, '\0')); // cleared first
        QVERIFY(s.exportDialogs.pictureRequests.empty());
        // Confirmed, then the file dialog cancelled; from the edit menu's command this time.
        answer(Dpi300, 2);
        s.window->action(u"actEditSealSaveToImage"_s)->trigger();
        QCOMPARE(qApp->property("exportCalls").toInt(), 2);
        QCOMPARE(s.exportDialogs.pictureRequests.size(), size_t(1));
        QVERIFY(s.messages().empty());
        QVERIFY(s.exported().isEmpty());
    }

    void writesByKindUnderTheRequiredExtension_data()
    {
        QTest::addColumn<int>("kindByte");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("JPEG") << 2 << u"seal"_s << u"seal.jpg"_s << QByteArray("\xFF\xD8\xFF");
        QTest::newRow("GIF") << 3 << u"seal.GIF"_s << u"seal.GIF"_s << QByteArray("GIF8");
        QTest::newRow("TIFF from a.tif") << 4 << u"a.tif"_s << u"a.tiff"_s << QByteArray("II*\0", 4);
        QTest::newRow("5 is a bitmap") << 5 << u"seal"_s << u"seal.bmp"_s << QByteArray("BM");
        QTest::newRow("0 is a bitmap") << 0 << u"seal.txt"_s << u"seal.bmp"_s << QByteArray("BM");
        // The name's extension is that of another offered kind: the export follows the name.
        QTest::newRow("bitmap named seal.jpg is a JPEG")
            << 5 << u"seal.jpg"_s << u"seal.jpg"_s << QByteArray("\xFF\xD8\xFF");
        QTest::newRow("JPEG named a.TIF is a TIFF") << 2 << u"a.TIF"_s << u"a.tiff"_s << QByteArray("II*\0", 4);
        // An older component offers no PNG: the five kinds' rule.
        QTest::newRow("EMF from seal.png") << 1 << u"seal.png"_s << u"seal.emf"_s << QByteArray("\x01\0\0\0", 4);
        QTest::newRow("200 is a bitmap") << 200 << u"seal"_s << u"seal.bmp"_s << QByteArray("BM");
    }
    void writesByKindUnderTheRequiredExtension()
    {
        QFETCH(int, kindByte);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(QByteArray, magic);
        ExportStart s;
        documentWithSquare(s);
        answer(Dpi300, kindByte);
        s.exportDialogs.pictureFiles.push_back(s.exportFolder() + chosen);
        s.window->exportSelectionToImage();

        QCOMPARE(s.exportDialogs.pictureRequests.size(), size_t(1));
        const ExportDialogs::PictureRequest &asked = s.exportDialogs.pictureRequests[0];
        QCOMPARE(asked.folder, s.exportFolder());
        QCOMPARE(asked.kind, exportKindFromOption(std::uint8_t(kindByte)));
        QVERIFY(!asked.preview.isNull());
        QCOMPARE(asked.preview.width(), asked.preview.height()); // the square box
        QCOMPARE(asked.pictureSize, QSize(Side300, Side300));
        QVERIFY(s.messages().empty());
        QCOMPARE(s.exported(), QStringList{written});

        QFile file(s.exportFolder() + written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith(magic));
        const ExportKind kind = *exportKindFromExtension(QFileInfo(written).suffix());
        if (kind == ExportKind::Tiff) // header, 3 bytes a pixel, count, 15 entries of 12, next offset
            QCOMPARE(bytes.size(), 40 + 3 * Side300 * Side300 + 2 + 15 * 12 + 4);
        if (kind != ExportKind::Emf && kind != ExportKind::Tiff)
            QCOMPARE(QImage::fromData(bytes).size(), QSize(Side300, Side300));
        // A switch of kind is told in the information panel, with the file's name.
        const bool switched = kind != asked.kind;
        QCOMPARE(s.window->statusText(4).contains(u"改为导出"_s + exportKindName(kind)), switched);
        QCOMPARE(s.window->statusText(4).contains(written), switched);
    }

    // A component that agreed on the 15-byte record hands the later kinds through their own
    // byte and offers them to the typed name; an older one's 15th byte is never read.
    void laterKindsThroughTheirOwnByte_data()
    {
        QTest::addColumn<bool>("agreed");
        QTest::addColumn<int>("kindByte");
        QTest::addColumn<int>("laterKind");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("magic");
        const QByteArray png("\x89PNG");
        QTest::newRow("PNG") << true << 5 << 6 << u"seal"_s << u"seal.png"_s << png;
        QTest::newRow("SVG") << true << 5 << 7 << u"seal"_s << u"seal.svg"_s << QByteArray("<?xml");
        QTest::newRow("PDF") << true << 5 << 8 << u"seal.pdf"_s << u"seal.pdf"_s << QByteArray("%PDF");
        QTest::newRow("no later kind: the option byte")
            << true << 3 << 0 << u"seal"_s << u"seal.gif"_s << QByteArray("GIF8");
        QTest::newRow("a first five value there is none")
            << true << 3 << 2 << u"seal"_s << u"seal.gif"_s << QByteArray("GIF8");
        QTest::newRow("EMF typed seal.png is a PNG") << true << 1 << 0 << u"seal.png"_s << u"seal.png"_s << png;
        QTest::newRow("older: the byte after the record is unread")
            << false << 5 << 6 << u"seal"_s << u"seal.bmp"_s << QByteArray("BM");
        QTest::newRow("older: a PDF byte neither")
            << false << 1 << 8 << u"seal"_s << u"seal.emf"_s << QByteArray("\x01\0\0\0", 4);
    }
    void laterKindsThroughTheirOwnByte()
    {
        QFETCH(bool, agreed);
        QFETCH(int, kindByte);
        QFETCH(int, laterKind);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(QByteArray, magic);
        ExportStart s(agreed ? QStringLiteral(QM_SCRIPTED2_DIALOGPACK_DIR)
                             : QStringLiteral(QM_SCRIPTED_DIALOGPACK_DIR));
        qApp->setProperty("exportVersionAsked", 0);
        documentWithSquare(s);
        answer(Dpi300, kindByte, false, false, laterKind);
        s.exportDialogs.pictureFiles.push_back(s.exportFolder() + chosen);
        s.window->exportSelectionToImage();

        // The caller cleared the whole longer record and said which version it knows.
        QCOMPARE(qApp->property("exportRecordIn").toByteArray(), QByteArray(agreed ? 15 : 14, '\0'));
        QCOMPARE(qApp->property("exportVersionAsked").toInt(), agreed ? 2 : 0);
        QCOMPARE(s.exportDialogs.pictureRequests.size(), size_t(1));
        QCOMPARE(s.exportDialogs.pictureRequests[0].offered.size(), agreed ? 8 : 5);
        QVERIFY(s.messages().empty());
        QCOMPARE(s.exported(), QStringList{written});
        QFile file(s.exportFolder() + written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith(magic));
    }

    void laterKindOnTheClipboard()
    {
        ExportStart s(QStringLiteral(QM_SCRIPTED2_DIALOGPACK_DIR));
        documentWithSquare(s);
        answer(Dpi300, 5, false, true, 8);
        s.window->exportSelectionToImage();
        QVERIFY(s.messages().empty());
        const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(Side300, Side300));
        QVERIFY(mime->data(u"application/pdf"_s).startsWith("%PDF"));
    }

    void fileThatCannotBeCreatedIsTold()
    {
        ExportStart s;
        documentWithSquare(s);
        answer(Dpi300, 5);
        const QString name = s.path(u"no such folder/seal.bmp"_s);
        s.exportDialogs.pictureFiles.push_back(name);
        s.window->exportSelectionToImage();
        QCOMPARE(s.messages().size(), size_t(1));
        QCOMPARE(s.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(s.messages()[0].text, exportErrorMessage(ExportError::CannotCreateFile, name));
    }

    void sizeLimit_data()
    {
        QTest::addColumn<float>("width"); // of the selected seal, mm
        QTest::addColumn<float>("height");
        QTest::addColumn<double>("pixelsPerMm");
        QTest::addColumn<QSize>("picture"); // invalid when refused
        // roundHalfEven(25.4 × 3584 / 25.4) + 16 = 3600: 3600 × 3600 = 12 960 000, not above the limit.
        QTest::newRow("3600 square, at the limit") << 25.4f << 25.4f << 3584 / 25.4 << QSize(3600, 3600);
        // 3585 + 16 = 3601: 3601 × 3601 = 12 967 201.
        QTest::newRow("3601 square, just over") << 25.4f << 25.4f << 3585 / 25.4 << QSize();
        // 25.4 × 199 = 5054.6 → 5055 + 16 = 5071; 12.7 × 199 = 2527.3 → 2527 + 16 = 2543;
        // 5071 × 2543 = 12 895 553.
        QTest::newRow("oblong at 199 px/mm") << 25.4f << 12.7f << 199.0 << QSize(5071, 2543);
        // 5080 + 16 = 5096 by 2540 + 16 = 2556: 13 025 376.
        QTest::newRow("oblong at 200 px/mm, over") << 25.4f << 12.7f << 200.0 << QSize();
    }
    void sizeLimit()
    {
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(double, pixelsPerMm);
        QFETCH(QSize, picture);
        ExportStart s;
        MainWindow &w = s.show();
        w.fileNew();
        addSquare(*w.activeDocument(), width, 50.8f, 50.8f, height);
        QGuiApplication::clipboard()->setText(u"before"_s);
        answer(pixelsPerMm, 5, false, true);
        w.exportSelectionToImage();
        if (picture.isValid()) {
            QVERIFY(s.messages().empty());
            QCOMPARE(QGuiApplication::clipboard()->image().size(), picture);
        } else {
            QCOMPARE(s.messages().size(), size_t(1));
            QCOMPARE(s.messages()[0].icon, QMessageBox::Warning);
            QCOMPARE(
                s.messages()[0].text,
                u"导出图象太大，系统无法处理！\r\r您可以这样来解决：\r\r  A、图象导出精度适当降低；\r\r  B、页面上选择面积适当减小；"_s);
            QCOMPARE(QGuiApplication::clipboard()->text(), u"before"_s);
        }
    }

    void tooLargeFileIsRefusedAfterTheName()
    {
        ExportStart s;
        documentWithSquare(s);
        answer(3585 / 25.4L, 2);
        s.exportDialogs.pictureFiles.push_back(s.exportFolder() + u"big"_s);
        s.window->exportSelectionToImage();
        QCOMPARE(s.exportDialogs.pictureRequests.size(), size_t(1));
        QVERIFY(!s.exportDialogs.pictureRequests[0].pictureSize.isValid()); // no size to show
        QCOMPARE(s.messages().size(), size_t(1));
        QVERIFY(s.messages()[0].text.startsWith(u"导出图象太大，系统无法处理！"_s));
        QVERIFY(s.exported().isEmpty());
    }

    void clipboardHoldsThePicture()
    {
        ExportStart s;
        DocumentWindow &child = documentWithSquare(s);
        addSquare(child, 12.7f, 76.2f, 44.45f); // top-aligned to its right: the picture is not symmetric
        child.document().setSelection({child.document().seals()[0].get(), child.document().seals()[1].get()});

        answer(Dpi300, 2, false, true);
        s.window->exportSelectionToImage();
        const QImage plain = QGuiApplication::clipboard()->image();
        // From 50.8 − 12.7 = 38.1 to 76.2 + 6.35 = 82.55 mm: 44.45 mm wide, roundHalfEven(525) + 16;
        // 25.4 mm high: 316.
        QCOMPARE(plain.size(), QSize(541, Side300));
        QCOMPARE(plain.pixelColor(0, 0), QColor(Qt::white));
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasFormat(u"image/x-emf"_s));

        answer(Dpi300, 2, true, true);
        s.window->exportSelectionToImage();
        const QImage mirrored = QGuiApplication::clipboard()->image();
        QVERIFY(mirrored != plain);
        QCOMPARE(mirrored.convertToFormat(QImage::Format_RGB32),
                 plain.convertToFormat(QImage::Format_RGB32).mirrored(true, false));
        QVERIFY(s.messages().empty());
        QVERIFY(s.exportDialogs.pictureRequests.empty()); // no file dialog for the clipboard
        QVERIFY(s.exported().isEmpty());
    }

    void clipboardFileOfTheKindBesideThePicture_data()
    {
        QTest::addColumn<int>("kindByte");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QByteArray>("magic");
        QTest::addColumn<int>("magicAt");
        QTest::newRow("EMF") << 1 << u"image/x-emf"_s << QByteArray(" EMF") << 40; // in the header record
        QTest::newRow("JPEG") << 2 << u"image/jpeg"_s << QByteArray("\xFF\xD8\xFF") << 0;
        QTest::newRow("GIF") << 3 << u"image/gif"_s << QByteArray("GIF8") << 0;
        QTest::newRow("bitmap") << 5 << u"image/bmp"_s << QByteArray("BM") << 0;
    }
    void clipboardFileOfTheKindBesideThePicture()
    {
        QFETCH(int, kindByte);
        QFETCH(QString, type);
        QFETCH(QByteArray, magic);
        QFETCH(int, magicAt);
        ExportStart s;
        documentWithSquare(s);
        answer(Dpi300, kindByte, false, true);
        s.window->exportSelectionToImage();
        QVERIFY(s.messages().empty());
        const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
        QVERIFY(mime->hasImage());
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(Side300, Side300));
        const QByteArray file = mime->data(type);
        QCOMPARE(file.mid(magicAt, magic.size()), magic);
        if (kindByte != 1)
            QCOMPARE(QImage::fromData(file).size(), QSize(Side300, Side300));
    }

    void unusableResolutionIsToldBeforeTheFileDialog_data()
    {
        QTest::addColumn<double>("pixelsPerMm");
        QTest::newRow("zero") << 0.0;
        QTest::newRow("negative") << -11.8;
        QTest::newRow("beyond a float") << 1e300;
    }
    void unusableResolutionIsToldBeforeTheFileDialog()
    {
        QFETCH(double, pixelsPerMm);
        ExportStart s;
        documentWithSquare(s);
        answer(pixelsPerMm, 2);
        s.exportDialogs.pictureFiles.push_back(s.exportFolder() + u"seal"_s);
        s.window->exportSelectionToImage();
        QVERIFY(s.exportDialogs.pictureRequests.empty());
        QCOMPARE(s.messages().size(), size_t(1));
        QCOMPARE(s.messages()[0].text, u"导出精度无效。"_s);
        QVERIFY(s.exported().isEmpty());
    }

    void tiffToTheClipboardIsTold()
    {
        ExportStart s;
        documentWithSquare(s);
        QGuiApplication::clipboard()->setText(u"before"_s);
        answer(Dpi300, 4, false, true);
        s.window->exportSelectionToImage();
        QCOMPARE(s.messages().size(), size_t(1));
        QCOMPARE(s.messages()[0].icon, QMessageBox::Information);
        QCOMPARE(
            s.messages()[0].text,
            u"TIFF格式的图象不能放到剪贴板上，没有导出任何内容。\r请选择其他图象格式，或者不选“放到剪贴板”而保存为文件。"_s);
        QVERIFY(s.exportDialogs.pictureRequests.empty());
        QCOMPARE(QGuiApplication::clipboard()->text(), u"before"_s);
        QVERIFY(s.exported().isEmpty());
    }

    void missingGlyphWarningNamesTheSeal_data()
    {
        QTest::addColumn<bool>("goOn");
        QTest::newRow("stop") << false;
        QTest::newRow("go on") << true;
    }
    void missingGlyphWarningNamesTheSeal()
    {
        QFETCH(bool, goOn);
        const QString lacking = testing::characterLackingIn(u"宋体"_s);
        if (lacking.isEmpty())
            QSKIP("the face of 宋体 has every GBK character");

        ExportStart s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow &child = *w.activeDocument();
        addSquare(child);
        Seal *named = addSquare(child, 20, 100, 50);
        named->setSealType(SealType::stHorzText);
        named->setText(Gbk::fromUnicode(u"样章"_s + lacking));
        child.document().setSelection({child.document().seals()[0].get(), named});

        answer(Dpi300, 5);
        s.exportDialogs.answers.push_back(goOn ? QMessageBox::Yes : QMessageBox::No);
        s.exportDialogs.pictureFiles.push_back(s.exportFolder() + u"seal"_s);
        w.exportSelectionToImage();
        QCOMPARE(s.messages().size(), size_t(1));
        QCOMPARE(s.messages()[0].icon, QMessageBox::Warning);
        QCOMPARE(s.messages()[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY2(s.messages()[0].text.contains(u"第2个印章“样章%1”：字体“宋体”缺少“%1”"_s.arg(lacking)),
                 qPrintable(s.messages()[0].text));
        QCOMPARE(s.exported(), goOn ? QStringList{u"seal.bmp"_s} : QStringList());
    }

    void throughTheRealDialog()
    {
        ExportStart s(QStringLiteral(QM_DIALOGPACK_DIR));
        documentWithSquare(s);
        s.exportDialogs.pictureFiles.push_back(s.exportFolder() + u"seal"_s);
        qm::testing::DialogDriver ok({}, true); // the dialog's own choices: 300 dpi JPEG to a file
        s.window->exportSelectionToImage();
        QCOMPARE(ok.objectName, u"ExportOptions"_s);
        QCOMPARE(ok.parent, s.window->activeDocument());
        QCOMPARE(s.exported(), QStringList{u"seal.jpg"_s});
        QCOMPARE(QImage(s.exportFolder() + u"seal.jpg"_s).size(), QSize(Side300, Side300));
    }

    void laterKindThroughTheRealDialog()
    {
        ExportStart s(QStringLiteral(QM_DIALOGPACK_DIR));
        documentWithSquare(s);
        s.exportDialogs.pictureFiles.push_back(s.exportFolder() + u"seal"_s);
        qm::testing::DialogDriver png(
            [](QDialog &d) {
                auto *kind = d.findChild<QComboBox *>(u"kind"_s);
                kind->setCurrentIndex(kind->findData(int(ExportKind::Png)));
            },
            true);
        s.window->exportSelectionToImage();
        QCOMPARE(s.exported(), QStringList{u"seal.png"_s});
        QCOMPARE(QImage(s.exportFolder() + u"seal.png"_s).size(), QSize(Side300, Side300));
    }
};

QTEST_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
