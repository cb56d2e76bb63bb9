#include "documenttesting.h"

#include "document/binaryreader.h"
#include "document/clipboardstream.h"
#include "document/documentfile.h"
#include "document/sealdocument.h"
#include "document/sealentry.h"
#include "picture/gifencoder.h"
#include "seal/gbk.h"
#include "seal/seal.h"
#include "seal/sealpropertytable.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>
#include <new>
#include <thread>

#include <sys/resource.h>
#include <unistd.h>

using namespace qm;
using namespace qm::testing;
using namespace Qt::StringLiterals;

namespace {

constexpr int FirstEntry = 48;
constexpr int TextsAt = FirstEntry + 660; // counted texts of the first entry

// Lets this process map at most `headroom` bytes more than it has mapped now, until destroyed;
// no limit for a headroom of 0.
class AddressSpaceLimit
{
public:
    explicit AddressSpaceLimit(qint64 headroom)
    {
        if (headroom <= 0 || getrlimit(RLIMIT_AS, &m_old) != 0)
            return;
        QFile status(u"/proc/self/statm"_s);
        if (!status.open(QIODevice::ReadOnly))
            return;
        const qint64 pages = status.readAll().split(' ').value(0).toLongLong();
        rlimit limit = m_old;
        limit.rlim_cur = rlim_t(pages * sysconf(_SC_PAGESIZE) + headroom);
        if (m_old.rlim_max != RLIM_INFINITY && limit.rlim_cur > m_old.rlim_max)
            return;
        m_set = setrlimit(RLIMIT_AS, &limit) == 0;
    }
    ~AddressSpaceLimit()
    {
        if (m_set)
            setrlimit(RLIMIT_AS, &m_old);
    }
    bool isSet() const { return m_set; }
    AddressSpaceLimit(const AddressSpaceLimit &) = delete;
    AddressSpaceLimit &operator=(const AddressSpaceLimit &) = delete;

private:
    rlimit m_old{};
    bool m_set = false;
};

Seal &addSeal(SealDocument &doc, SealType type = SealType::stEllipse)
{
    auto seal = doc.createSeal();
    seal->setZoom(doc.page().zoom());
    seal->setSealType(type);
    doc.seals().push_back(std::move(seal));
    return *doc.seals().back();
}

void a4(SealDocument &doc)
{
    doc.setScreenPixelsPerMm(10);
    doc.page().setPageWidth(210);
    doc.page().setPageHeight(297);
    doc.page().setLeftMargin(6);
    doc.page().setTopMargin(6);
}

DocumentResult load(const QByteArray &bytes, SealDocument &doc)
{
    NoProgress progress;
    return loadDocumentData(bytes, doc, progress);
}

QByteArray pictureBytes(const char *format)
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(1, 1, qRgb(0, 0, 0));
    return QByteArray(format) == "GIF" ? encodeGif(image) : imageBytes(image, format);
}

// A seal with a distinct non-default value in every stored field, set in record order.
void fillEverything(Seal &seal, SealType type)
{
    int i = 0;
    for (const SealProperty *p : sealRecordFields()) {
        ++i;
        switch (p->type) {
        case SealProperty::Type::SealType:
            p->set(seal, int(type));
            break;
        case SealProperty::Type::Color:
            p->set(seal, QVariant::fromValue(uint(0x00102030 + i)));
            break;
        case SealProperty::Type::BrushStyle:
            p->set(seal, int(BrushStyle::bsSolid));
            break;
        case SealProperty::Type::FrameType:
            p->set(seal, int(FrameType::ftDiamond));
            break;
        case SealProperty::Type::Bool:
            p->set(seal, !p->get(seal).toBool());
            break;
        case SealProperty::Type::Float:
            p->set(seal, QVariant::fromValue(1.5f + 0.25f * float(i)));
            break;
        case SealProperty::Type::Int:
            p->set(seal, 10 + i);
            break;
        case SealProperty::Type::FontSlot:
            p->set(seal, Gbk::fromUnicode(u"楷体"_s));
            break;
        default:
            break;
        }
    }
    const QStringList texts = {u"北京市印章厂"_s, u"合同专用章"_s,    u"A"_s,
                               QString(),         u"1101000012345"_s, u"emblem.gif"_s};
    for (int t = 0; t < 6; ++t)
        sealTextFields()[t]->set(seal, Gbk::fromUnicode(texts[t]));
}

void compareStored(const Seal &a, const Seal &b)
{
    for (const SealProperty *p : sealRecordFields())
        QVERIFY2(p->get(a) == p->get(b), p->name);
    for (const SealProperty *p : sealTextFields())
        QVERIFY2(p->get(a) == p->get(b), p->name);
    QVERIFY(a.Picture() == b.Picture());
}

// One seal with texts and a GIF picture: every part of an entry is present.
QByteArray fullDocument()
{
    SealDocument doc;
    a4(doc);
    Seal &seal = addSeal(doc);
    seal.setText(Gbk::fromUnicode(u"印章"_s));
    seal.setHaveImage(true);
    seal.loadPictureData(pictureBytes("GIF"));
    return savedDocument(doc);
}

} // namespace

class TestDocumentFormat : public QObject
{
    Q_OBJECT

private slots:
    void headerAndEntries()
    {
        SealDocument doc;
        a4(doc);
        for (int i = 0; i < 3; ++i)
            addSeal(doc);
        const QByteArray b = savedDocument(doc);
        // 48 bytes of header, then three entries of 660 + 6 * 4 + 1 bytes.
        QCOMPARE(b.size(), 48 + 3 * (660 + 6 * 4 + 1));
        QCOMPARE(b.left(4), hex("00 00 00 41"));
        QCOMPARE(b.mid(4, 10), hex("00 00 00 00 00 00 00 D2 06 40"));  // 210
        QCOMPARE(b.mid(14, 10), hex("00 00 00 00 00 00 80 94 07 40")); // 297
        QCOMPARE(b.mid(24, 10), hex("00 00 00 00 00 00 00 C0 01 40")); // 6
        QCOMPARE(b.mid(34, 10), hex("00 00 00 00 00 00 00 C0 01 40")); // 6
        QCOMPARE(int32At(b, 44), 3);
    }

    void emptyEntry()
    {
        Seal seal;
        QByteArray entry;
        writeSeal(entry, seal, SealFlavour::File);
        QCOMPARE(entry.size(), 660 + 6 * 4 + 1);
        QCOMPARE(entry.right(25), QByteArray(25, '\0'));
    }

    void recordField_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("SealType") << u"SealType"_s << QVariant(int(SealType::stRect)) << 0 << hex("09");
        QTest::newRow("PenColor") << u"PenColor"_s << QVariant::fromValue(0x00FF8040u) << 1 << hex("40 80 FF 00");
        QTest::newRow("BrushColor") << u"BrushColor"_s << QVariant::fromValue(0x00112233u) << 5 << hex("33 22 11 00");
        QTest::newRow("BrushStyle") << u"BrushStyle"_s << QVariant(int(BrushStyle::bsSolid)) << 9 << hex("00");
        QTest::newRow("CodeOn") << u"CodeOn"_s << QVariant(false) << 10 << hex("00");
        QTest::newRow("OutSide") << u"OutSide"_s << QVariant(false) << 20 << hex("00");
        // 40 = 1.25 * 2^5: 0x42200000
        QTest::newRow("RealWidth") << u"RealWidth"_s << QVariant(40.0f) << 21 << hex("00 00 20 42");
        QTest::newRow("LineWidth") << u"LineWidth"_s << QVariant(0.5f) << 49 << hex("00 00 00 3F");
        QTest::newRow("CodeHeight") << u"CodeHeight"_s << QVariant(2.0f) << 105 << hex("00 00 00 40");
        QTest::newRow("ImageCenterY") << u"ImageCenterY"_s << QVariant(1.0f) << 197 << hex("00 00 80 3F");
        QTest::newRow("CodeWeight") << u"CodeWeight"_s << QVariant(400) << 217 << hex("90 01 00 00");
        QTest::newRow("LineCount") << u"LineCount"_s << QVariant(48) << 221 << hex("30 00 00 00");
        QTest::newRow("TextAngle3") << u"TextAngle3"_s << QVariant(1200) << 237 << hex("B0 04 00 00");
        QTest::newRow("NameSealFrameType")
            << u"NameSealFrameType"_s << QVariant(int(FrameType::ftEllipse)) << 241 << hex("03");
        QTest::newRow("LineAngle") << u"LineAngle"_s << QVariant(2400) << 242 << hex("60 09 00 00");
        QTest::newRow("RowColCount3") << u"RowColCount3"_s << QVariant(5) << 262 << hex("05 00 00 00");
        QTest::newRow("CodeAngle") << u"CodeAngle"_s << QVariant(900) << 274 << hex("84 03 00 00");
        QTest::newRow("IsZhuanLunA") << u"IsZhuanLunA"_s << QVariant(true) << 278 << hex("01");
        QTest::newRow("LineABW") << u"LineABW"_s << QVariant(0.25f) << 283 << hex("00 00 80 3E");
        // 50 = 1.5625 * 2^5: 0x42480000; 60 = 1.875 * 2^5: 0x42700000
        QTest::newRow("RealCenterX") << u"RealCenterX"_s << QVariant(50.0f) << 287 << hex("00 00 48 42");
        QTest::newRow("RealCenterY") << u"RealCenterY"_s << QVariant(60.0f) << 291 << hex("00 00 70 42");
        QTest::newRow("FontName 宋体") << u"FontName"_s << QVariant(Gbk::fromUnicode(u"宋体"_s)) << 295
                                       << hex("CB CE CC E5 00");
        QTest::newRow("CodeFontName 黑体")
            << u"CodeFontName"_s << QVariant(Gbk::fromUnicode(u"黑体"_s)) << 551 << hex("BA DA CC E5 00");
        QTest::newRow("TextPenWidth") << u"TextPenWidth"_s << QVariant(20) << 615 << hex("14 00 00 00");
        QTest::newRow("CodePenWidth") << u"CodePenWidth"_s << QVariant(15) << 631 << hex("0F 00 00 00");
        QTest::newRow("CBlank") << u"CBlank"_s << QVariant(true) << 635 << hex("01");
        QTest::newRow("Italic3") << u"Italic3"_s << QVariant(true) << 649 << hex("01");
        QTest::newRow("RealSR") << u"RealSR"_s << QVariant(2.5f) << 650 << hex("00 00 20 40");
        QTest::newRow("PicTransParnt") << u"PicTransParnt"_s << QVariant(false) << 658 << hex("00");
        QTest::newRow("PicClrChange") << u"PicClrChange"_s << QVariant(false) << 659 << hex("00");
    }
    void recordField()
    {
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        Seal seal;
        const SealProperty *p = findSealProperty(property);
        QVERIFY(p);
        p->set(seal, value);
        const QByteArray record = sealRecord(seal, SealFlavour::File);
        QCOMPARE(record.size(), 660);
        QCOMPARE(record.mid(offset, bytes.size()), bytes);

        // Read back through the setters.
        QByteArray entry = record;
        entry.append(QByteArray(6 * 4 + 1, '\0'));
        SealDocument doc;
        Seal read;
        BinaryReader in(entry);
        QVERIFY(readSeal(in, read, doc));
        QCOMPARE(p->get(read), p->get(seal));
    }

    void streamFlavourMovesTwoMillimetres()
    {
        Seal seal;
        seal.setRealCenterX(50);
        seal.setRealCenterY(60);
        const QByteArray file = sealRecord(seal, SealFlavour::File);
        const QByteArray stream = sealRecord(seal, SealFlavour::Stream);
        QCOMPARE(singleAt(file, 287), 50.0f);
        QCOMPARE(singleAt(stream, 287), 50.0f + 2.0f);
        QCOMPARE(singleAt(stream, 291), 60.0f + 2.0f);
        QCOMPARE(stream.left(287), file.left(287));
        QCOMPARE(stream.mid(295), file.mid(295));
    }

    void roundTripEveryField_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("name seal") << int(SealType::stName22);
        QTest::newRow("round seal") << int(SealType::stEllipse);
        QTest::newRow("rhomb") << int(SealType::stRhomb);
        QTest::newRow("text block") << int(SealType::stHorzText);
        QTest::newRow("cells") << int(SealType::stCell);
        QTest::newRow("picture element") << int(SealType::stAnyImage);
        QTest::newRow("horizontal line") << int(SealType::stHorzLine);
        QTest::newRow("vertical line") << int(SealType::stVertLine);
        QTest::newRow("any-angle line") << int(SealType::stAnyAngleLine);
        QTest::newRow("any-angle text") << int(SealType::stAnyAngleText);
    }
    void roundTripEveryField()
    {
        QFETCH(int, type);
        SealDocument doc;
        a4(doc);
        Seal &seal = addSeal(doc);
        fillEverything(seal, SealType(type));
        const QByteArray first = savedDocument(doc);

        SealDocument read;
        read.setScreenPixelsPerMm(10);
        QVERIFY(load(first, read).ok());
        QCOMPARE(read.seals().size(), size_t(1));
        compareStored(seal, *read.seals()[0]);
        QCOMPARE(read.seals()[0]->PixelsPerMm(), 10.0f);
        QCOMPARE(read.seals()[0]->Zoom(), 100);
        QVERIFY(read.seals()[0]->isVisible());
        QCOMPARE(savedDocument(read), first);
    }

    // Fields set in another order than the record's: a three-row text block whose height was
    // set after its rows reads back as saved, not re-derived from a one-row default.
    void roundTripOutOfRecordOrder()
    {
        SealDocument doc;
        a4(doc);
        Seal &seal = addSeal(doc);
        seal.setSealType(SealType::stHorzText);
        seal.setRowColCount(3);
        seal.setTextHeight(4);
        seal.setRealHeight(42);
        QCOMPARE(seal.RealHeight(), 42.0f);
        const QByteArray first = savedDocument(doc);

        SealDocument read;
        read.setScreenPixelsPerMm(10);
        QVERIFY(load(first, read).ok());
        compareStored(seal, *read.seals()[0]);
        QCOMPARE(read.seals()[0]->RealHeight(), 42.0f);
        QCOMPARE(savedDocument(read), first);
    }

    void pictureKinds_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("code");
        QTest::newRow("bitmap") << QByteArray("BMP") << 0;
        QTest::newRow("JPEG") << QByteArray("JPG") << 1;
        QTest::newRow("icon") << QByteArray("ICO") << 3;
        QTest::newRow("GIF") << QByteArray("GIF") << 4;
    }
    void pictureKinds()
    {
        QFETCH(QByteArray, format);
        QFETCH(int, code);
        const QByteArray picture = pictureBytes(format.constData());
        QVERIFY(!picture.isEmpty());
        SealDocument doc;
        a4(doc);
        Seal &seal = addSeal(doc);
        seal.setHaveImage(true);
        QVERIFY(seal.loadPictureData(picture));
        const QByteArray b = savedDocument(doc);
        const int block = TextsAt + 6 * 4;
        QCOMPARE(b.at(block), '\1');
        QCOMPARE(int(uchar(b.at(block + 1))), code);
        QCOMPARE(int64At(b, block + 2), qint64(picture.size()));
        QCOMPARE(b.mid(block + 10), picture);

        SealDocument read;
        QVERIFY(load(b, read).ok());
        const SealPicture &p = read.seals()[0]->Picture();
        QCOMPARE(int(p.kind()), code);
        QCOMPARE(p.bytes(), picture);
        QCOMPARE(p.width(), 6);
        QCOMPARE(p.height(), 4);
        QVERIFY(!read.seals()[0]->pictureBitmap().isNull());
        QCOMPARE(savedDocument(read), b);
    }

    void kindCodes()
    {
        QCOMPARE(int(pictureKindCode(SealPicture())), 255);
        QVERIFY(!pictureKindFromCode(5));
        QVERIFY(!pictureKindFromCode(255));
        QCOMPARE(int(*pictureKindFromCode(2)), int(SealPicture::Kind::Metafile));
    }

    // Every truncation of a document is refused and leaves the target document as it was.
    void truncatedAnywhere()
    {
        const QByteArray full = fullDocument();
        for (qsizetype n = 0; n < full.size(); ++n) {
            SealDocument doc;
            doc.page().setPageWidth(100);
            const DocumentResult r = load(full.left(n), doc);
            QVERIFY2(r.error == DocumentError::BadFormat, qPrintable(QString::number(n)));
            QVERIFY(doc.seals().empty());
            QCOMPARE(double(doc.page().pageWidth()), 100.0);
        }
        SealDocument doc;
        QVERIFY(load(full, doc).ok());
    }

    void damaged_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray nan = hex("00 00 C0 7F");
        QTest::newRow("huge seal count") << 44 << hex("FF FF FF 7F");
        QTest::newRow("negative seal count") << 44 << hex("FF FF FF FF");
        QTest::newRow("one seal more than there") << 44 << hex("02 00 00 00");
        QTest::newRow("page width NaN") << 4 << hex("00 00 00 00 00 00 00 C0 FF 7F");
        QTest::newRow("page width 10^6 mm") << 4 << QByteArray::fromRawData("\0\0\0\0\0\0\x40\xF4\x12\x40", 10);
        // 10^6 = 0xF4240 · 2^0: mantissa F4 24 00 … shifted to its top bit, exponent 16383 + 19.
        QTest::newRow("top margin 10^6 mm") << 34 << hex("00 00 00 00 00 00 24 F4 12 40");
        QTest::newRow("unknown kind") << FirstEntry << hex("18");
        QTest::newRow("unknown brush") << FirstEntry + 9 << hex("08");
        QTest::newRow("unknown frame") << FirstEntry + 241 << hex("04");
        QTest::newRow("RealWidth NaN") << FirstEntry + 21 << nan;
        QTest::newRow("RealCenterX infinite") << FirstEntry + 287 << hex("00 00 80 7F");
        QTest::newRow("3601 pattern lines") << FirstEntry + 221 << hex("11 0E 00 00");
        QTest::newRow("-3601 pattern lines") << FirstEntry + 221 << hex("EF F1 FF FF");
        QTest::newRow("1001 cell rows") << FirstEntry + 254 << hex("E9 03 00 00");
        QTest::newRow("ring swept 36001 tenths") << FirstEntry + 225 << hex("A1 8C 00 00");
        QTest::newRow("negative text length") << TextsAt << hex("FF FF FF FF");
        QTest::newRow("text longer than the file") << TextsAt << hex("FF FF FF 7F");
        QTest::newRow("text of 65537 bytes") << TextsAt << hex("01 00 01 00");
        QTest::newRow("picture kind 255") << TextsAt + 4 + 4 + 20 + 1 << hex("FF");
        QTest::newRow("picture kind 5") << TextsAt + 4 + 4 + 20 + 1 << hex("05");
        QTest::newRow("GIF bytes called a bitmap") << TextsAt + 4 + 4 + 20 + 1 << hex("00");
        QTest::newRow("picture longer than the file") << TextsAt + 4 + 4 + 20 + 2 << hex("00 00 00 00 00 00 00 01");
        QTest::newRow("negative picture length") << TextsAt + 4 + 4 + 20 + 2 << hex("FF FF FF FF FF FF FF FF");
        QTest::newRow("picture bytes damaged") << TextsAt + 4 + 4 + 20 + 10 + 6 << hex("00 00 00 00 00 00 00");
    }
    void damaged()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QByteArray b = fullDocument();
        // The first text is 印章 (4 bytes), then five empty texts, then the picture block.
        QCOMPARE(int32At(b, TextsAt), 4);
        b.replace(offset, bytes.size(), bytes);
        SealDocument doc;
        addSeal(doc);
        doc.page().setPageWidth(100);
        QCOMPARE(load(b, doc).error, DocumentError::BadFormat);
        QCOMPARE(doc.seals().size(), size_t(1));
        QCOMPARE(double(doc.page().pageWidth()), 100.0);
    }

    void limitsThemselvesAccepted()
    {
        SealDocument doc;
        a4(doc);
        Seal &seal = addSeal(doc, SealType::stCell);
        seal.setLineCount(3600);
        seal.setRowColCount(1000);
        seal.setRowColCount1(1000);
        seal.setTextAngle(-36000);
        seal.setText(QByteArray(64 * 1024, 'A'));
        seal.setRealWidth(100000);
        SealDocument read;
        QVERIFY(load(savedDocument(doc), read).ok());
        compareStored(seal, *read.seals()[0]);
    }

    void versions_data()
    {
        QTest::addColumn<float>("version");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("message");
        const QString old = u".x+保存的文件，不能打开！"_s;
        QTest::newRow("4.0") << 4.0f << int(DocumentError::OldVersion) << u"Quillmark 4"_s + old;
        // Round half to even: 4.5 is 4, 0.4 is 0.
        QTest::newRow("4.5") << 4.5f << int(DocumentError::OldVersion) << u"Quillmark 4"_s + old;
        QTest::newRow("0.4") << 0.4f << int(DocumentError::OldVersion) << u"Quillmark 0"_s + old;
        QTest::newRow("7.6 is 8") << 7.6f << int(DocumentError::None) << QString();
        QTest::newRow("9") << 9.0f << int(DocumentError::None) << QString();
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << int(DocumentError::BadFormat)
                             << u"<v.dyz>文件不是Quillmark\r格式文档，打开失败！"_s;
    }
    void versions()
    {
        QFETCH(float, version);
        QFETCH(int, error);
        QFETCH(QString, message);
        QByteArray b = fullDocument();
        putSingle(b, 0, version);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"v.dyz"_s);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(b);
        f.close();
        const std::optional<float> stored = readFileVersion(path);
        QVERIFY(stored);
        QVERIFY(std::isnan(version) ? std::isnan(*stored) : *stored == version);
        SealDocument doc;
        NoProgress progress;
        const DocumentResult r = openDocument(path, doc, progress);
        QCOMPARE(int(r.error), error);
        QCOMPARE(r.message(), message);
        QCOMPARE(doc.seals().size(), size_t(r.ok() ? 1 : 0));
    }

    void openingMessages()
    {
        QTemporaryDir dir;
        SealDocument doc;
        NoProgress progress;
        DocumentResult r = openDocument(dir.filePath(u"missing.dyz"_s), doc, progress);
        QCOMPARE(r.error, DocumentError::FileNotFound);
        QCOMPARE(r.message(), u"文件不存在！"_s);

        const QString path = dir.filePath(u"印章.dyz"_s);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        // "ZZZZ" reads as a version of about 1.5e16, so the version 8 reader refuses the rest.
        f.write("ZZZZ is no seal document");
        f.close();
        r = openDocument(path, doc, progress);
        QCOMPARE(r.error, DocumentError::BadFormat);
        QCOMPARE(r.message(), u"<印章.dyz>文件不是Quillmark\r格式文档，打开失败！"_s);
        QCOMPARE(QFileInfo(path).size(), qint64(24)); // untouched

        // A folder exists but is no document, and is told so.
        r = openDocument(dir.path(), doc, progress);
        QCOMPARE(r.error, DocumentError::NotRegularFile);
        QVERIFY(doc.seals().empty());
    }

    void marginsAfterReading()
    {
        SealDocument doc;
        doc.page().setPageWidth(210);
        doc.page().setLeftMargin(7);
        doc.page().setTopMargin(8);
        doc.page().setRightMargin(9);
        doc.page().setBottomMargin(10);
        addSeal(doc);
        SealDocument read;
        QVERIFY(load(savedDocument(doc), read).ok());
        QCOMPARE(double(read.page().leftMargin()), 7.0);
        QCOMPARE(double(read.page().rightMargin()), 7.0);
        QCOMPARE(double(read.page().topMargin()), 8.0);
        QCOMPARE(double(read.page().bottomMargin()), 8.0);
    }

    // A document without seals is saved as one: the old content of the file does not survive
    // under a status that says it was saved.
    void savingNoSeals()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"a.dyz"_s);
        SealDocument doc;
        a4(doc);
        addSeal(doc);
        NoProgress progress;
        QVERIFY(writeDocument(path, doc, progress).ok());
        doc.seals().clear();
        QVERIFY(writeDocument(path, doc, progress).ok());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        QCOMPARE(b.size(), 48);
        QCOMPARE(int32At(b, 44), 0);
        SealDocument read;
        QVERIFY(openDocument(path, read, progress).ok());
        QVERIFY(read.seals().empty());
        QCOMPARE(double(read.page().pageWidth()), 210.0);
    }

    void failingSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        SealDocument doc;
        addSeal(doc);
        RecordingProgress progress;
        DocumentResult r = writeDocument(dir.filePath(u"no/such/folder/a.dyz"_s), doc, progress);
        QCOMPARE(r.error, DocumentError::WriteFailed);
        QVERIFY(!r.message().isEmpty());
        QCOMPARE(progress.events.last(), u"hide"_s);

        QBuffer readOnly;
        readOnly.open(QIODevice::ReadOnly);
        QCOMPARE(writeDocument(readOnly, doc, progress).error, DocumentError::WriteFailed);

        // The previous document stays when the target cannot be replaced.
        const QString path = dir.filePath(u"keep.dyz"_s);
        QVERIFY(writeDocument(path, doc, progress).ok());
        const QByteArray before = [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QVERIFY(QDir(dir.path()).mkdir(u"keep.dyz.d"_s));
        QCOMPARE(writeDocument(dir.filePath(u"keep.dyz.d"_s), doc, progress).error, DocumentError::WriteFailed);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void progress()
    {
        SealDocument doc;
        addSeal(doc);
        addSeal(doc);
        RecordingProgress save;
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(writeDocument(buffer, doc, save).ok());
        // Maximum N + 5, position 6, one step a seal.
        QCOMPARE(save.events, QStringList({u"show 正在保存："_s, u"max 7"_s, u"pos 6"_s, u"advance 1"_s, u"advance 1"_s,
                                           u"hide"_s}));
        RecordingProgress loadProgress;
        SealDocument read;
        QVERIFY(loadDocument(buffer.data(), read, loadProgress).ok());
        QCOMPARE(loadProgress.events, QStringList({u"show 正在载入："_s, u"max 7"_s, u"pos 6"_s, u"advance 1"_s,
                                                   u"advance 1"_s, u"hide"_s}));
        RecordingProgress failed;
        QCOMPARE(loadDocument(buffer.data().left(100), read, failed).error, DocumentError::BadFormat);
        QCOMPARE(failed.events.last(), u"hide"_s);
    }

    // Read apart on another thread and given to a document afterwards: the very document a
    // direct read gives, at the document's resolution and zoom, each seal heard by its page
    // from then on; a refusal is the same refusal.
    void readApart_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        SealDocument full;
        a4(full);
        for (const SealType type : {SealType::stEllipse, SealType::stName22, SealType::stRect, SealType::stCell}) {
            Seal &seal = addSeal(full, type);
            fillEverything(seal, type);
        }
        Seal &pictured = addSeal(full);
        pictured.setHaveImage(true);
        pictured.loadPictureData(pictureBytes("GIF"));
        QTest::newRow("version 8") << testing::savedDocument(full);
        QTest::newRow("version 7") << testing::legacyDocument(7.0f, 635);
        QTest::newRow("damaged") << testing::savedDocument(full).chopped(3);
        QTest::newRow("old version") << QByteArray("\x00\x00\x80\x40", 4);
    }
    void readApart()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"a.dyz"_s);
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        struct Listener : SealListener {
            void sealRepaint(Seal &) override {}
            void sealGeometryChanged(Seal &) override {}
        } listener;
        auto prepared = [&](SealDocument &doc) {
            doc.setScreenPixelsPerMm(5.5f);
            doc.page().setZoom(150);
            doc.setSealListener(&listener);
        };
        SealDocument direct;
        prepared(direct);
        NoProgress progress;
        const DocumentResult directResult = openDocument(file, direct, progress);

        DocumentContent content;
        DocumentResult apartResult;
        std::thread worker([&] { apartResult = readDocumentContent(file, 5.5f, 150, &content, progress); });
        worker.join();
        QCOMPARE(int(apartResult.error), int(directResult.error));
        QCOMPARE(apartResult.message(), directResult.message());
        if (!directResult.ok()) {
            QVERIFY(content.seals.empty());
            return;
        }
        SealDocument apart;
        prepared(apart);
        adoptDocumentContent(apart, std::move(content));
        QCOMPARE(testing::savedDocument(apart), testing::savedDocument(direct));
        QCOMPARE(apart.page().rightMargin(), direct.page().rightMargin());
        QCOMPARE(apart.page().bottomMargin(), direct.page().bottomMargin());
        QCOMPARE(apart.sealCount(), direct.sealCount());
        for (int i = 0; i < apart.sealCount(); ++i) {
            const Seal &a = *apart.seals()[size_t(i)];
            const Seal &b = *direct.seals()[size_t(i)];
            compareStored(a, b);
            QCOMPARE(QRect(a.left(), a.top(), a.width(), a.height()), QRect(b.left(), b.top(), b.width(), b.height()));
            QCOMPARE(a.linePoints(), b.linePoints());
            QCOMPARE(a.PixelsPerMm(), 5.5f);
            QCOMPARE(a.Zoom(), 150);
            QVERIFY(a.isVisible());
            QCOMPARE(a.listener(), &listener);
        }
    }

    // A reader told to give up stops and hands back nothing.
    void readApartCancelled()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"a.dyz"_s);
        SealDocument doc;
        addSeal(doc);
        addSeal(doc);
        NoProgress quiet;
        QVERIFY(doc.save(file, quiet).ok());
        struct Cancelled final : ProgressDisplay {
            void showText(const QString &) override {}
            void setMaximum(int) override {}
            void setPosition(int) override {}
            void advance(int) override {}
            void hide() override {}
            bool cancelled() const override { return true; }
        } cancelled;
        DocumentContent content;
        QVERIFY(!readDocumentContent(file, 4, 100, &content, cancelled).ok());
        QVERIFY(content.seals.empty());
    }

    void pasteTwice()
    {
        SealDocument source;
        Seal &seal = addSeal(source);
        seal.setRealCenterX(50);
        seal.setRealCenterY(60);
        ClipboardStream stream;
        copySealsToStream({&seal}, stream);
        // Moving the original afterwards does not move the copies.
        seal.setRealCenterX(80);

        SealDocument target;
        QVERIFY(pasteSealsFromStream(stream, target).ok());
        QVERIFY(pasteSealsFromStream(stream, target).ok());
        QCOMPARE(target.seals().size(), size_t(2));
        QCOMPARE(target.selection().size(), size_t(2));
        for (const auto &s : target.seals()) {
            QCOMPARE(s->RealCenterX(), 52.0f);
            QCOMPARE(s->RealCenterY(), 62.0f);
            QVERIFY(s->isVisible());
        }
        QCOMPARE(int32At(stream.data(), 0), 1);
    }

    void clipboardEdges()
    {
        ClipboardStream stream;
        SealDocument doc;
        QVERIFY(pasteSealsFromStream(stream, doc).ok());
        QVERIFY(doc.seals().empty());

        Seal &seal = addSeal(doc);
        copySealsToStream({&seal}, stream);
        const QByteArray copied = stream.data();
        copySealsToStream({}, stream);
        QCOMPARE(stream.data(), copied);
    }

    void clipboardDamaged_data()
    {
        QTest::addColumn<int>("cut");      // bytes taken off the end
        QTest::addColumn<qint32>("count"); // written over the seal count unless 1
        QTest::newRow("one byte short") << 1 << 1;
        QTest::newRow("negative count") << 0 << -1;
        QTest::newRow("one seal more than there") << 0 << 2;
        // Refused by comparing the count with the bytes there before anything is allocated; that
        // shows only where memory is limited, so an address-space limit is set around the paste.
        QTest::newRow("count 2^31 - 1") << 0 << std::numeric_limits<qint32>::max();
    }
    void clipboardDamaged()
    {
        QFETCH(int, cut);
        QFETCH(qint32, count);
        const bool huge = count == std::numeric_limits<qint32>::max();
#if defined(__SANITIZE_ADDRESS__)
        if (huge)
            QSKIP("the address sanitizer reserves more address space than the limit allows");
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
        if (huge)
            QSKIP("the address sanitizer reserves more address space than the limit allows");
#endif
#endif
        SealDocument doc;
        Seal &seal = addSeal(doc);
        ClipboardStream stream;
        copySealsToStream({&seal}, stream);
        QByteArray bytes = stream.data().left(stream.data().size() - cut);
        putInt32(bytes, 0, count);
        ClipboardStream damaged;
        damaged.setData(bytes);

        DocumentResult result;
        {
            // A list of 2^31 - 1 seals alone would take 16 GiB; 256 MiB more than now is plenty.
            const AddressSpaceLimit limit(huge ? 256 << 20 : 0);
            QVERIFY(limit.isSet() == huge);
            try {
                result = pasteSealsFromStream(damaged, doc);
            } catch (const std::bad_alloc &) {
                QFAIL("allocated for the seal count before checking it against the bytes there");
            }
        }
        QCOMPARE(result.error, DocumentError::BadFormat);
        QCOMPARE(doc.seals().size(), size_t(1));
        QVERIFY(doc.selection().empty());
    }
};

QTEST_MAIN(TestDocumentFormat)
#include "tst_documentformat.moc"
