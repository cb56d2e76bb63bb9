#pragma once

// A main window stand-in for document window tests: it answers every question at once, so no
// dialog ever blocks, and records what the window told it.

#include "document/clipboardstream.h"
#include "page/documentwindow.h"
#include "page/pagehost.h"
#include "seal/seal.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QUndoStack>

#include <array>

namespace qm {

class FakeHost : public PageHost
{
public:
    std::optional<Tool> tool;
    Colour swatch = clRed;
    std::array<QString, 4> status;
    QString zoomText;
    const Seal *toggles = nullptr;
    QString lockCaption;
    QString pictureFile;
    QByteArray emblem;
    QString pictureError;
    ClipboardStream stream;
    SaveAnswer answer = SaveAnswer::No;
    bool saveSucceeds = false;
    int questions = 0;
    DocumentWindow *child = nullptr;

    std::optional<Tool> checkedDrawAction() const override { return tool; }
    void uncheckDrawAction() override { tool.reset(); }
    void triggerDrawAction(Tool t) override
    {
        tool = tool == t ? std::nullopt : std::optional<Tool>(t);
        if (child)
            child->applyToolCursor();
    }
    QByteArray fontFaceGbk() const override { return QByteArray("\xCB\xCE\xCC\xE5"); } // 宋体
    Colour swatchColor() const override { return swatch; }
    void setSwatchColor(Colour c) override { swatch = c; }
    void setStatusText(int panel, const QString &text) override { status[size_t(panel)] = text; }
    void setZoomText(const QString &text) override { zoomText = text; }
    void showSealToggles(const Seal *seal) override { toggles = seal; }
    QCursor cursorSlot(int slot) const override
    {
        switch (slot) {
        case 2:
            return QCursor(Qt::OpenHandCursor);
        case 4:
            return QCursor(Qt::UpArrowCursor);
        case 5:
            return QCursor(Qt::PointingHandCursor);
        default:
            return QCursor(Qt::CrossCursor);
        }
    }
    void setSealLockCaption(const QString &caption) override { lockCaption = caption; }
    QString askPictureFile() override { return pictureFile; }
    QByteArray emblemPicture() override { return emblem; }
    void reportPictureError(const QString &message) override { pictureError = message; }
    ClipboardStream &clipboard() override { return stream; }
    SaveAnswer askSaveOnClose(DocumentWindow &) override
    {
        ++questions;
        return answer;
    }
    bool saveDocument(DocumentWindow &c) override
    {
        if (saveSucceeds)
            c.document().setSaved();
        return saveSucceeds;
    }
};

// A shown window with an A4 page at 100 %.
inline DocumentWindow *newWindow(FakeHost &host, int ppi = 96, QSize size = QSize(1000, 1300))
{
    auto *w = new DocumentWindow(host, ppi);
    host.child = w;
    w->document().page().setPageWidth(210);
    w->document().page().setPageHeight(297);
    w->resize(size);
    w->show();
    w->zoomPage(100);
    return w;
}

// A seal of the kind, width × height mm, centred at (cx, cy) mm, on top of the stack. The
// document's history is cleared, so it counts as unmodified.
inline Seal *addSeal(DocumentWindow &w, SealType type, float width, float height, float cx, float cy)
{
    SealDocument &doc = w.document();
    auto seal = doc.createSeal();
    seal->setZoom(doc.page().zoom());
    seal->setSealType(type);
    seal->setRealWidth(width);
    seal->setRealHeight(height);
    seal->setRealCenterX(cx);
    seal->setRealCenterY(cy);
    Seal *raw = doc.appendCreatedSeal(std::move(seal));
    doc.clearSelection();
    doc.clearHistory();
    return raw;
}

inline QRect boxOf(const Seal *s)
{
    return QRect(s->left(), s->top(), s->width(), s->height());
}

inline void press(DocumentWindow &w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
{
    QTest::mousePress(w.pagePanel(), b, Qt::NoModifier, p);
}

inline void release(DocumentWindow &w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
{
    QTest::mouseRelease(w.pagePanel(), b, Qt::NoModifier, p);
}

// A move with the buttons held, sent straight to the page (QTest moves the cursor instead when
// no button is down).
inline void moveTo(DocumentWindow &w, QPoint p, Qt::MouseButtons buttons = Qt::LeftButton)
{
    QWidget *page = w.pagePanel();
    QMouseEvent e(QEvent::MouseMove, p, page->mapToGlobal(p), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(page, &e);
}

inline void click(DocumentWindow &w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
{
    press(w, p, b);
    release(w, p, b);
}

inline void drag(DocumentWindow &w, QPoint from, QPoint to)
{
    press(w, from);
    moveTo(w, (from + to) / 2);
    moveTo(w, to);
    release(w, to);
}

} // namespace qm
