// The window that puts seals onto a PDF, offscreen: the seals at true size over the page,
// dragged, nudged, turned and moved to another page, each step undone and redone; saving
// through the core into a new file and never into the PDF that was opened; files the core
// refuses; and the main window's command that opens it.

#include "mainwindow/mainwindowtesting.h"
#include "pdfwindow/pdfpageview.h"
#include "pdfwindow/pdfstampwindow.h"
#include "testing/testhelpers.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

// Two pages whose sizes are whole points, so millimetres and pixels follow exactly:
// 288 × 432 pt = 101.6 × 152.4 mm, then the same turned, 152.4 × 101.6 mm. The first page has
// a black square 5 … 15 mm from its top-left corner.
bool writeTwoPagePdf(const QString &path)
{
    QPdfWriter writer(path);
    writer.setResolution(254); // 10 dots per millimetre
    writer.setPageMargins(QMarginsF());
    if (!writer.setPageSize(QPageSize(QSize(288, 432), QString(), QPageSize::ExactMatch)))
        return false;
    QPainter painter(&writer);
    painter.fillRect(QRect(50, 50, 100, 100), Qt::black);
    writer.setPageSize(QPageSize(QSize(432, 288), QString(), QPageSize::ExactMatch));
    writer.newPage();
    painter.drawLine(0, 0, 100, 100);
    return painter.end();
}

// The box of the seal's red ink; the group's blue outline and the page's black are left out.
QRect redInk(const QImage &image)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 160 && c.green() < 110 && c.blue() < 110)
                r |= QRect(x, y, 1, 1);
        }
    return r;
}

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void sendMouse(QWidget *w, QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, at, w->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestPdfStampWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_pdf;
    // A 42 mm round seal at (30, 40) mm and a 20 mm one 30 mm right of it.
    std::vector<std::unique_ptr<Seal>> m_seals;
    QList<const Seal *> m_list;
    QStringList m_warnings;
    QStringList m_answers;

    std::unique_ptr<PdfStampWindow> open(const QList<int> &chosen = {}, QString *refusal = nullptr,
                                         const QString &path = QString())
    {
        PdfStampWindowOptions options;
        options.screenPixelsPerMm = 10;
        options.warn = [this](QWidget *, const QString &text) { m_warnings.append(text); };
        options.askOutputFile = [this](QWidget *, const QString &) {
            return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
        };
        QString ignored;
        return PdfStampWindow::create(path.isEmpty() ? m_pdf : path, m_list, chosen, options,
                                      refusal ? refusal : &ignored);
    }

private slots:
    void initTestCase()
    {
        m_pdf = m_dir.filePath(u"两页.pdf"_s);
        QVERIFY(writeTwoPagePdf(m_pdf));
        m_seals.push_back(testing::newSealAt(SealType::stEllipse, 30, 40, 42, 42));
        m_seals.push_back(testing::newSealAt(SealType::stEllipse, 60, 40, 20, 20));
        for (const auto &s : m_seals)
            m_list.append(s.get());
    }
    void init()
    {
        m_warnings.clear();
        m_answers.clear();
    }

    void trueSizeAtEveryZoom_data()
    {
        QTest::addColumn<int>("zoom");
        // 10 px/mm at 100 %: the page 101.6 × 152.4 mm, the seal 42 mm; at 50 % half of each.
        QTest::newRow("100%") << 100;
        QTest::newRow("50%") << 50;
        QTest::newRow("200%") << 200;
        // 4064 × 6096 pixels are more than a page's picture gets: it is made smaller.
        QTest::newRow("400%") << 400;
    }
    void trueSizeAtEveryZoom()
    {
        QFETCH(int, zoom);
        auto window = open({0});
        QVERIFY(window);
        window->setZoom(zoom);
        const double k = 10.0 * zoom / 100;
        PdfPageView *view = window->pageView();
        QCOMPARE(view->size(), QSize(qRound(101.6 * k), qRound(152.4 * k)));
        if (zoom == 400) {
            QVERIFY(qreal(view->pageImage().width()) * view->pageImage().height() <= PdfStampWindow::MaxPagePixels);
            return;
        }
        const QImage shot = view->grab().toImage();
        // The page itself: the middle of its black square.
        QCOMPARE(shot.pixelColor(int(10 * k), int(10 * k)).lightness() < 60, true);
        const QRect ink = redInk(shot);
        QVERIFY(qAbs(ink.width() - 42 * k) <= 2);
        QVERIFY(qAbs(ink.height() - 42 * k) <= 2);
        // Where it stands on its document page: centre (30, 40) mm.
        QVERIFY(qAbs(ink.center().x() - 30 * k) <= 2);
        QVERIFY(qAbs(ink.center().y() - 40 * k) <= 2);
    }

    // Each change is one step: drag, nudge, coarse nudge, turn by key and by box, another page;
    // undoing walks back through every state and redoing forward again.
    void placingStepsUndoAndRedo()
    {
        auto window = open({0, 1});
        QVERIFY(window);
        window->show();
        PdfPageView *view = window->pageView();
        QCOMPARE(window->placement().seals, QList<int>({1, 2}));

        struct State {
            QPointF centre;
            double degrees;
            int page;
        };
        QList<State> states{{{30, 40}, 0, 1}};
        auto now = [&] {
            return State{window->placement().centreMm, window->placement().rotationDegrees, window->placement().page};
        };

        // A press on the seal and a release 50 px right and 20 px up: 5 mm and −2 mm at 10 px/mm.
        sendMouse(view, QEvent::MouseButtonPress, {300, 400}, Qt::LeftButton);
        sendMouse(view, QEvent::MouseMove, {330, 390}, Qt::LeftButton);
        sendMouse(view, QEvent::MouseMove, {350, 380}, Qt::LeftButton);
        QCOMPARE(window->placement().centreMm, QPointF(30, 40)); // no step before the release
        sendMouse(view, QEvent::MouseButtonRelease, {350, 380}, Qt::NoButton);
        states.append({{35, 38}, 0, 1});
        // A press beside the seals moves nothing.
        sendMouse(view, QEvent::MouseButtonPress, {900, 1400}, Qt::LeftButton);
        sendMouse(view, QEvent::MouseButtonRelease, {950, 1450}, Qt::NoButton);
        QCOMPARE(window->undoStack().count(), 1);

        QTest::keyClick(view, Qt::Key_Right);
        states.append({{35.1, 38}, 0, 1});
        QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
        states.append({{35.1, 39}, 0, 1});
        QTest::keyClick(view, Qt::Key_Left, Qt::ControlModifier);
        states.append({{35.1, 39}, 1, 1});
        QTest::keyClick(view, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        states.append({{35.1, 39}, 346, 1}); // 1° − 15° turns round to 346°
        window->rotationBox()->setValue(90);
        states.append({{35.1, 39}, 90, 1});
        // Page 2 is 152.4 × 101.6 mm. Turned by 90°, the seals' box runs from −21 to 21 mm
        // across and from −40 to 21 mm up and down about the first seal's centre, so at y = 39 it
        // would leave the page at the top: its middle (0, −9.5) goes to the page's, (76.2, 50.8).
        window->pageBox()->setValue(2);
        states.append({{76.2, 60.3}, 90, 2});
        QCOMPARE(window->undoStack().count(), states.size() - 1);

        for (int i = states.size() - 1;; --i) {
            const State s = now();
            QVERIFY2(qAbs(s.centre.x() - states[i].centre.x()) < 1e-9 &&
                         qAbs(s.centre.y() - states[i].centre.y()) < 1e-9,
                     qPrintable(u"step %1"_s.arg(i)));
            QCOMPARE(s.degrees, states[i].degrees);
            QCOMPARE(s.page, states[i].page);
            QCOMPARE(window->rotationBox()->value(), states[i].degrees);
            QCOMPARE(window->pageBox()->value(), states[i].page);
            if (i == 0)
                break;
            window->undoAction()->trigger();
        }
        QVERIFY(!window->undoAction()->isEnabled());
        // Back at the start the seals stand where they did; the first step again moves them (5, −2) mm.
        window->redoAction()->trigger();
        const QRect moved = redInk(view->grab().toImage());
        // The big seal's left and top edges: (35 − 21) mm and (38 − 21) mm at 10 px/mm.
        QVERIFY(qAbs(moved.left() - 140) <= 2);
        QVERIFY(qAbs(moved.top() - 170) <= 2);
        for (int i = 2; i < states.size(); ++i)
            window->redoAction()->trigger();
        QCOMPARE(now().page, 2);
        QCOMPARE(now().degrees, 90.0);
        QCOMPARE(view->size(), QSize(1524, 1016));
        // Counter-clockwise: the small seal, right of the big one, now stands above it. The ink
        // starts at its top, 60.3 − 40 = 20.3 mm, and the big seal's left edge, 76.2 − 21 mm.
        const QRect turned = redInk(view->grab().toImage());
        QVERIFY(qAbs(turned.top() - 203) <= 2);
        QVERIFY(qAbs(turned.left() - 552) <= 2);
    }

    // On a smaller page the seals that would stand off it go to its middle.
    void anotherPageKeepsTheSealsOnIt()
    {
        auto window = open({0});
        QVERIFY(window);
        window->moveBy({60, 100}); // (90, 140) mm on the 101.6 × 152.4 mm page
        window->pageBox()->setValue(2);
        // 152.4 × 101.6 mm: (90, 140) is below it, so the 42 mm seal goes to (76.2, 50.8).
        QCOMPARE(window->placement().page, 2);
        QCOMPARE(window->placement().centreMm, QPointF(76.2, 50.8));
    }

    void savingWritesANewFileOnly()
    {
        auto window = open({0, 1});
        QVERIFY(window);
        window->moveBy({10, 20});
        window->setRotation(30);
        const QByteArray before = fileHash(m_pdf);

        // The opened PDF itself, also through a link, is refused with the reason.
        const QString link = m_dir.filePath(u"link.pdf"_s);
        QVERIFY(QFile::link(m_pdf, link));
        for (const QString &answer : {m_pdf, link}) {
            m_answers = {answer};
            QVERIFY(!window->save());
            QCOMPARE(m_warnings.size(), 1);
            QVERIFY(m_warnings.takeFirst().contains(u"新文件"_s));
        }
        m_answers.clear();
        QVERIFY(!window->save()); // cancelled
        QVERIFY(m_warnings.isEmpty());

        const QString out = m_dir.filePath(u"盖好的.pdf"_s);
        m_answers = {out};
        QVERIFY2(window->save(), qPrintable(m_warnings.join(u'\n')));
        QCOMPARE(window->writtenFile(), out);
        QCOMPARE(fileHash(m_pdf), before);
        const PdfInspection written = inspectPdf(out);
        QVERIFY(written.ok);
        QCOMPARE(written.pages.size(), 2);
        QVERIFY(window->statusLabel()->text().contains(u"盖好的.pdf"_s));
        // The seals stand in the file where the window showed them: the red ink of its first
        // page, rendered at the view's 10 px/mm, covers the same box.
        QPdfDocument result;
        QCOMPARE(result.load(out), QPdfDocument::Error::None);
        const QImage page = result.render(0, window->pageView()->size());
        QImage onWhite(page.size(), QImage::Format_RGB32);
        onWhite.fill(Qt::white);
        QPainter(&onWhite).drawImage(0, 0, page);
        const QRect inFile = redInk(onWhite);
        const QRect shown = redInk(window->pageView()->grab().toImage());
        QVERIFY(!shown.isEmpty());
        for (const QPoint d : {inFile.topLeft() - shown.topLeft(), inFile.bottomRight() - shown.bottomRight()})
            QVERIFY2(qAbs(d.x()) <= 3 && qAbs(d.y()) <= 3, qPrintable(u"%1,%2"_s.arg(d.x()).arg(d.y())));

        // Off the page: the core refuses, and says so.
        window->moveBy({200, 0});
        m_answers = {m_dir.filePath(u"off.pdf"_s)};
        QVERIFY(!window->save());
        QCOMPARE(m_warnings.size(), 1);
        QVERIFY(!QFile::exists(m_dir.filePath(u"off.pdf"_s)));
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("no PDF") << QByteArray("just some text\n");
        QTest::newRow("empty") << QByteArray();
        QFile f(m_pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QTest::newRow("cut short") << f.read(f.size() / 3);
    }
    void refusedFiles()
    {
        QFETCH(QByteArray, content);
        const QString path = m_dir.filePath(u"bad.pdf"_s);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        QString refusal;
        QVERIFY(!open({}, &refusal, path));
        QVERIFY(!refusal.isEmpty());
    }

    // The command: enabled while the active document has seals; opens the window over the
    // chosen PDF with the selected seals, or refuses the file with the core's reason.
    void mainWindowCommand()
    {
        Start start;
        MainWindow &w = start.show();
        QAction *command = w.action(u"actFileStampPdf"_s);
        QVERIFY(command);
        QVERIFY(!command->isEnabled());
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        QVERIFY(!command->isEnabled());
        addSeal(*child, 30);
        addSeal(*child, 80);
        QVERIFY(command->isEnabled());

        child->document().selectSeal(child->document().seals()[1].get());
        start.dialogs.files = {m_pdf};
        command->trigger();
        auto *window = qobject_cast<PdfStampWindow *>(w.stampWindow());
        QVERIFY(window);
        QVERIFY(window->isModal());
        QCOMPARE(window->placement().seals, QList<int>{2});
        // Ctrl+Z undoes the window's step; the document's own steps stay where they are.
        window->moveBy({1, 0});
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->pageView(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window->undoStack().index(), 0);
        QCOMPARE(child->document().undoStack().index(), 2);
        window->close();
        QTRY_VERIFY(!w.stampWindow());

        const QString text = m_dir.filePath(u"text.pdf"_s);
        QFile f(text);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("no pdf");
        f.close();
        start.dialogs.files = {text};
        command->trigger();
        QVERIFY(!w.stampWindow());
        QCOMPARE(start.dialogs.messages.size(), size_t(1));
        QCOMPARE(start.dialogs.messages[0].icon, QMessageBox::Warning);
    }
};

QTEST_MAIN(TestPdfStampWindow)
#include "tst_pdfstampwindow.moc"
