#include "library/libraryeditdialog.h"
#include "library/librarynamedialog.h"
#include "library/thumbnail.h"
#include "library/thumbnailcolumn.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace qm;
using namespace Qt::StringLiterals;

namespace {

QImage filled(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void hover(QWidget &widget)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&widget, &enter);
}

void press(Thumbnail *thumbnail, Qt::MouseButton button)
{
    QTest::mouseClick(thumbnail, button, {}, QPoint(5, 5));
}

QStringList itemTexts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

} // namespace

class TestLibraryWidgets : public QObject
{
    Q_OBJECT

private slots:
    void thumbnailPainting()
    {
        Thumbnail thumbnail;
        thumbnail.resize(40, 40);
        thumbnail.setPicture(filled(10, 10, Qt::green));
        // A picture that fits sits unscaled at (40 - 10) div 2 = 15; the outline runs along
        // pixels 1 and 40 - 2.
        QImage shown = thumbnail.grab().toImage();
        QCOMPARE(shown.pixel(15, 24), qRgb(0, 255, 0));
        QVERIFY(shown.pixel(14, 20) != qRgb(0, 255, 0) && shown.pixel(25, 20) != qRgb(0, 255, 0));
        QCOMPARE(shown.pixel(1, 20), qRgb(0xEF, 0xB0, 0x40));
        QCOMPARE(shown.pixel(20, 38), qRgb(0xEF, 0xB0, 0x40));
        hover(thumbnail);
        QCOMPARE(thumbnail.grab().toImage().pixel(1, 20), qRgb(0, 0, 255));
        thumbnail.setSelected(true);
        const QRgb highlight = thumbnail.palette().color(QPalette::Active, QPalette::Highlight).rgb();
        shown = thumbnail.grab().toImage();
        QVERIFY(shown.pixel(0, 20) == highlight && shown.pixel(2, 20) == highlight);
        QVERIFY(shown.pixel(3, 20) != highlight);

        // 80 x 40 into 36 x 36: the width limits, 36 x Round(40 * 36 / 80) = 36 x 18 at
        // ((40 - 36) div 2, (40 - 18) div 2) = (2, 11).
        thumbnail.setPicture(filled(80, 40, Qt::red));
        shown = thumbnail.grab().toImage();
        QVERIFY(shown.pixel(20, 11) == qRgb(255, 0, 0) && shown.pixel(20, 28) == qRgb(255, 0, 0));
        QVERIFY(shown.pixel(20, 10) != qRgb(255, 0, 0) && shown.pixel(20, 29) != qRgb(255, 0, 0));
        // Without a picture only the mouse shows, as a dotted frame round the whole control.
        thumbnail.setPicture({});
        shown = thumbnail.grab().toImage();
        QVERIFY(shown.pixel(0, 0) == qRgb(0, 255, 255) && shown.pixel(39, 1) == qRgb(0, 255, 255));
        QVERIFY(shown.pixel(1, 0) != qRgb(0, 255, 255) && shown.pixel(20, 20) != qRgb(0, 255, 255));
    }

    void columnPressRule()
    {
        // S = 30: thumbnail k at (2, 32k), the column 34 wide, its client 38 wide.
        ThumbnailColumn column(30, ThumbnailColumn::PressRule::EveryButton, u"印章库"_s);
        for (int k = 0; k < 5; ++k)
            column.appendThumbnail(u"/lib/"_s + QString::number(k) + u".YZL"_s, {}, false, QString::number(k));
        column.resize(column.width(), 70 + 2 * column.frameWidth());
        column.show();
        QVERIFY(QTest::qWaitForWindowExposed(&column));
        const QList<Thumbnail *> t = column.thumbnails();
        QCOMPARE(t.at(3)->geometry(), QRect(2, 96, 30, 30));
        QCOMPARE(t.at(3)->accessibleName(), u"3"_s);
        QCOMPARE(column.accessibleName(), u"印章库"_s);
        QCOMPARE(column.viewport()->width(), 38);
        QCOMPARE(column.column()->size(), QSize(34, 160));

        QSignalSpy changed(&column, &ThumbnailColumn::selectionChanged);
        press(t.at(0), Qt::LeftButton);
        press(t.at(1), Qt::LeftButton);
        press(t.at(1), Qt::LeftButton);
        QVERIFY(!t.at(0)->isSelected() && t.at(1)->isSelected());
        QCOMPARE(changed.count(), 2);
        // Every button chooses in the library, the right one without drawing it selected; the
        // bottom of 2 (94) is below 70 + 0, so the column scrolls by 30 + 2.
        press(t.at(2), Qt::RightButton);
        QCOMPARE(column.selectedThumbnail(), t.at(2));
        QVERIFY(!t.at(1)->isSelected() && !t.at(2)->isSelected());
        QCOMPARE(column.verticalScrollBar()->value(), 32);
        press(t.at(1), Qt::LeftButton); // 32..62 is within view
        QCOMPARE(column.verticalScrollBar()->value(), 32);
        press(t.at(0), Qt::LeftButton); // its top 0 is above 32
        QCOMPARE(column.verticalScrollBar()->value(), 0);
        QSignalSpy chosen(&column, &ThumbnailColumn::thumbnailDoubleClicked);
        QTest::keyClick(&column, Qt::Key_End);
        QTest::keyClick(&column, Qt::Key_Up);
        QTest::keyClick(&column, Qt::Key_Return);
        QVERIFY(column.selectedThumbnail() == t.at(3) && t.at(3)->isSelected() && !t.at(4)->isSelected());
        // End brought the bottom of 4 (4 x 32 + 30) to the bottom of the view; 3 is in view.
        QVERIFY(chosen.count() == 1 && column.verticalScrollBar()->value() == 4 * 32 + 30 - 70);

        ThumbnailColumn emblems(30, ThumbnailColumn::PressRule::LeftButtonOnly, u"徽标集"_s);
        Thumbnail *a = emblems.appendThumbnail(u"B0"_s, {}, false, u"B0"_s);
        press(a, Qt::LeftButton);
        press(emblems.appendThumbnail(u"B1"_s, {}, false, u"B1"_s), Qt::RightButton);
        QVERIFY(emblems.selectedThumbnail() == a && a->isSelected());
    }

    void columnRestacksAndFilters()
    {
        ThumbnailColumn column(30, ThumbnailColumn::PressRule::EveryButton, u"印章库"_s);
        column.resize(column.width(), 50 + 2 * column.frameWidth());
        column.show();
        QVERIFY(QTest::qWaitForWindowExposed(&column));
        for (const QString &name : {u"abc"_s, u"Abd"_s, u"xyz"_s, u"qab"_s})
            column.appendThumbnail(u"/lib/"_s + name + u".YZL"_s, {}, false, name);
        const QList<Thumbnail *> t = column.thumbnails();
        column.selectThumbnail(t.at(1));
        QSignalSpy changed(&column, &ThumbnailColumn::selectionChanged);

        column.setFilter(u"AB"_s);
        QVERIFY(t.at(2)->isHidden());
        QCOMPARE(t.at(3)->pos(), QPoint(2, 64));
        column.setFilter(QString());
        QCOMPARE(t.at(3)->pos(), QPoint(2, 96));

        column.keepOnly({u"/lib/abc.YZL"_s, u"/lib/qab.YZL"_s, u"/elsewhere.YZL"_s});
        QCOMPARE(column.thumbnails(), (QList<Thumbnail *>{t.at(0), t.at(3)}));
        QCOMPARE(t.at(3)->pos(), QPoint(2, 32));
        QCOMPARE(column.selectedThumbnail(), nullptr);
        QCOMPARE(changed.count(), 1);
        Thumbnail *added = column.appendThumbnail(u"/lib/new.YZL"_s, {}, false, u"new"_s);
        QCOMPARE(added->pos(), QPoint(2, 64));
        column.removeThumbnail(t.at(0));
        QCOMPARE(added->pos(), QPoint(2, 32));
        // Never lower than the client area.
        column.clear();
        QCOMPARE(column.column()->height(), 50);
    }

    void nameDialog()
    {
        QWidget mainWindow;
        mainWindow.setGeometry(100, 80, 800, 600);
        LibraryNameDialog dialog(&mainWindow, u"ABC"_s);
        auto *label = dialog.findChild<QLabel *>();
        QCOMPARE(label->buddy(), dialog.nameBox());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0x80, 0xFF));
        QVERIFY(dialog.storeButton()->isDefault());
        for (QWidget *w : dialog.findChildren<QWidget *>())
            QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());

        // P pixels per inch and L = P div 24.
        const int p = dialog.logicalDpiX();
        const int left = p / 24;
        QCOMPARE(dialog.width(), 2 * p);
        QCOMPARE(label->pos(), QPoint(left, p / 12));
        QCOMPARE(dialog.nameBox()->width(), 2 * p - 2 * left);
        const QRect store = dialog.storeButton()->geometry();
        QCOMPARE(store.left(), 3 * left);
        QCOMPARE(2 * p - 1 - dialog.cancelButton()->geometry().right(), 3 * left);
        QWidget *band = dialog.storeButton()->parentWidget();
        QCOMPARE(store.top(), (band->height() - store.height()) / 2);
        QCOMPARE(dialog.height(), band->geometry().bottom() + 1 + left);
        QCOMPARE(dialog.geometry().center(), mainWindow.geometry().center());
    }

    void editDialog()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const QString &name : {u"Zed.YZL"_s, u"abd.yzl"_s, u"ABC.YZL"_s, u"xyz.yzl"_s}) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QStringList asked;
        QStringList told;
        bool yes = false;
        LibraryEditPrompts prompts{[&](const QString &q) { return asked.append(q), yes; },
                                   [&](const QString &t) { told.append(t); }};
        LibraryEditDialog dialog(dir.path(), prompts);
        auto *label = dialog.findChild<QLabel *>();
        QCOMPARE(label->buddy(), dialog.entryList());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0x80, 0xC0));
        QCOMPARE(itemTexts(dialog.entryList()), (QStringList{u"ABC"_s, u"abd"_s, u"xyz"_s, u"Zed"_s}));
        QCOMPARE(dialog.entryList()->size(), QSize(dialog.logicalDpiX() * 5 / 3, 3 * dialog.logicalDpiX()));
        QVERIFY(!dialog.deleteButton()->isEnabled() && dialog.deleteAllButton()->isEnabled());

        dialog.entryList()->item(0)->setSelected(true);
        dialog.entryList()->item(2)->setSelected(true);
        QVERIFY(dialog.deleteButton()->isEnabled());
        QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
        QCOMPARE(asked, QStringList{u"确实要删除这些模板印章吗？"_s});
        QCOMPARE(dialog.entryList()->count(), 4);
        yes = true;
        QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
        QCOMPARE(itemTexts(dialog.entryList()), (QStringList{u"abd"_s, u"Zed"_s}));
        QCOMPARE(dialog.remainingPaths(), (QStringList{dir.filePath(u"abd.yzl"_s), dir.filePath(u"Zed.YZL"_s)}));
        QVERIFY(!QFile::exists(dir.filePath(u"ABC.YZL"_s)) && !QFile::exists(dir.filePath(u"xyz.yzl"_s)));
        QVERIFY(!dialog.deleteButton()->isEnabled());

        // Another program put a folder with something in it where an entry was: it stays.
        QVERIFY(QFile::remove(dir.filePath(u"abd.yzl"_s)));
        QVERIFY(QDir(dir.path()).mkpath(u"abd.yzl/inside"_s));
        QTest::mouseClick(dialog.deleteAllButton(), Qt::LeftButton);
        QCOMPARE(asked.last(), u"确实要删除所有模板印章吗？"_s);
        QCOMPARE(dialog.remainingPaths(), QStringList{dir.filePath(u"abd.yzl"_s)});
        QVERIFY(told.size() == 1 && told.first().contains(u"abd"_s));

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(dialog.entryList(), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible() && dialog.result() == QDialog::Rejected);
        QCOMPARE(dialog.remainingPaths(), QStringList{dir.filePath(u"abd.yzl"_s)});
    }
};

QTEST_MAIN(TestLibraryWidgets)
#include "tst_librarywidgets.moc"
