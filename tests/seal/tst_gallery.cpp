// The sample page shown when Quillmark starts without a file: it must hold every kind of element
// and paint each of them.

#include "testing/testhelpers.h"

#include "seal/paintersurface.h"
#include "seal/seal.h"
#include "seal/sealjson.h"

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using qm::SealType;

namespace {

const QString GalleryPath = QStringLiteral(QM_SOURCE_DIR "/examples/gallery.json");

// Frame shapes as the frame routine tells them apart.
enum class Shape { Rectangle, RoundRect, Diamond, Ellipse, Triangle, Rhomb, None };

Shape shapeOf(const qm::Seal &s)
{
    const int kind = int(s.SealType());
    if (kind <= int(SealType::stRect))
        return Shape(int(s.NameSealFrameType()));
    switch (s.SealType()) {
    case SealType::stEllipse:
    case SealType::stEpsCL:
        return Shape::Ellipse;
    case SealType::stTriangle:
        return Shape::Triangle;
    case SealType::stRhomb:
        return Shape::Rhomb;
    default:
        return Shape::None;
    }
}

QRectF pageBox(const qm::Seal &s)
{
    return QRectF(s.RealCenterX() - s.RealWidth() / 2, s.RealCenterY() - s.RealHeight() / 2, s.RealWidth(),
                  s.RealHeight());
}

bool isSealProper(const qm::Seal &s)
{
    return int(s.SealType()) <= int(SealType::stRhomb);
}

} // namespace

class TestGallery : public QObject
{
    Q_OBJECT

private:
    std::vector<std::unique_ptr<qm::Seal>> m_seals;

private slots:
    void initTestCase()
    {
        qm::SealJsonResult r = qm::readSealJsonFile(GalleryPath);
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QVERIFY(!r.seals.empty());
        m_seals = std::move(r.seals);
    }

    void showsEverything()
    {
        QSet<int> kinds;
        QSet<QPair<int, bool>> shapes; // shape, negative
        bool code = false, star = false, picture = false, patternLines = false, fourTexts = false;
        for (const auto &s : m_seals) {
            kinds.insert(int(s->SealType()));
            if (!isSealProper(*s))
                continue;
            shapes.insert({int(shapeOf(*s)), s->BrushStyle() == qm::BrushStyle::bsSolid});
            code |= !s->Code().isEmpty();
            star |= s->HaveImage() && s->ImageIsStar();
            picture |= s->HaveImage() && s->Picture().hasGraphic();
            patternLines |= s->LineCount() > 0;
            fourTexts |=
                !s->Text().isEmpty() && !s->Text1().isEmpty() && !s->Text2().isEmpty() && !s->Text3().isEmpty();
        }
        for (int kind = 0; kind < qm::SealTypeCount; ++kind)
            QVERIFY2(kinds.contains(kind), qPrintable(u"kind %1 missing"_s.arg(kind)));
        for (int shape = 0; shape < int(Shape::None); ++shape) {
            QVERIFY2(shapes.contains({shape, false}), qPrintable(u"positive shape %1 missing"_s.arg(shape)));
            QVERIFY2(shapes.contains({shape, true}), qPrintable(u"negative shape %1 missing"_s.arg(shape)));
        }
        QVERIFY(code);
        QVERIFY(star);
        QVERIFY(picture);
        QVERIFY(patternLines);
        QVERIFY(fourTexts);
    }

    void elementsDoNotOverlapAndStayOnTheSheet()
    {
        const QRectF a4(0, 0, 210, 297);
        for (size_t i = 0; i < m_seals.size(); ++i) {
            const QRectF box = pageBox(*m_seals[i]);
            QVERIFY2(a4.contains(box), qPrintable(u"element %1 leaves the sheet"_s.arg(i)));
            for (size_t j = i + 1; j < m_seals.size(); ++j)
                QVERIFY2(!box.intersects(pageBox(*m_seals[j])),
                         qPrintable(u"elements %1 and %2 overlap"_s.arg(i).arg(j)));
        }
    }

    // Painted alone on a white image with a margin, every element leaves ink inside its own box.
    void everyElementPaintsInk()
    {
        constexpr int margin = 8;
        for (size_t i = 0; i < m_seals.size(); ++i) {
            qm::Seal &seal = *m_seals[i];
            qm::testing::atTenPixelsPerMm(seal); // the loaded element still has the placeholder zoom 1
            const QRect box(margin, margin, seal.width(), seal.height());
            QVERIFY(box.width() > 0 && box.height() > 0);

            QImage image(box.width() + 2 * margin, box.height() + 2 * margin, QImage::Format_RGB32);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                qm::PainterSurface surface(&painter);
                seal.paintTo(margin, margin, surface, true);
            }
            int ink = 0;
            for (int y = box.top(); y <= box.bottom(); ++y) {
                const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
                for (int x = box.left(); x <= box.right(); ++x)
                    ink += (line[x] & 0xFFFFFF) != 0xFFFFFF;
            }
            QVERIFY2(ink > 0, qPrintable(u"element %1 (kind %2) paints nothing"_s.arg(i).arg(int(seal.SealType()))));
        }
    }
};

QTEST_MAIN(TestGallery)
#include "tst_gallery.moc"
