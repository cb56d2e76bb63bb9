#pragma once

// A main window stand-in for document window tests: it answers every question at once, so no
// dialog ever blocks, and records what the window told it.

#include "document/clipboardstream.h"
#include "page/pagehost.h"
#include "page/tfrmchild.h"
#include "seal/tseal.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QUndoStack>

#include <array>

namespace qm {

class FakeHost : public PageHost
{
public:
    int tag = 0;
    TColor swatch = clRed;
    std::array<QString, 4> status;
    QString zoomText;
    const TSeal *toggles = nullptr;
    QString lockCaption;
    QString pictureFile;
    QByteArray emblem;
    QString pictureError;
    ClipboardStream stream;
    SaveAnswer answer = SaveAnswer::No;
    bool saveSucceeds = false;
    int questions = 0;
    TfrmChild *child = nullptr;

    int checkedDrawAction() const override { return tag; }
    void uncheckDrawAction() override { tag = 0; }
    void triggerDrawAction(int t) override
    {
        tag = tag == t ? 0 : t;
        if (child)
            child->applyToolCursor();
    }
    QByteArray fontFaceGbk() const override { return QByteArray("\xCB\xCE\xCC\xE5"); } // 宋体
    TColor swatchColor() const override { return swatch; }
    void setSwatchColor(TColor c) override { swatch = c; }
    void setStatusText(int panel, const QString &text) override { status[size_t(panel)] = text; }
    void setZoomText(const QString &text) override { zoomText = text; }
    void showSealToggles(const TSeal *seal) override { toggles = seal; }
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
    SaveAnswer askSaveOnClose(TfrmChild &) override
    {
        ++questions;
        return answer;
    }
    bool saveDocument(TfrmChild &c) override
    {
        if (saveSucceeds)
            c.document().setSaved();
        return saveSucceeds;
    }
};

// A shown window with an A4 page at 100 %.
inline TfrmChild *newWindow(FakeHost &host, int ppi = 96, QSize size = QSize(1000, 1300))
{
    auto *w = new TfrmChild(host, ppi);
    host.child = w;
    w->document().page().SetPageWidth(210);
    w->document().page().SetPageHeight(297);
    w->resize(size);
    w->show();
    w->ZoomPage(100);
    return w;
}

// A seal of the kind, width × height mm, centred at (cx, cy) mm, on top of the stack. The
// document's history is cleared, so it counts as unmodified.
inline TSeal *addSeal(TfrmChild &w, TSealType type, float width, float height, float cx, float cy)
{
    SealDocument &doc = w.document();
    auto seal = doc.createSeal();
    seal->SetZoom(doc.page().Zoom());
    seal->SetSealType(type);
    seal->SetRealWidth(width);
    seal->SetRealHeight(height);
    seal->SetRealCenterX(cx);
    seal->SetRealCenterY(cy);
    TSeal *raw = doc.appendCreatedSeal(std::move(seal));
    doc.ClearSelection();
    doc.clearHistory();
    return raw;
}

inline QRect boxOf(const TSeal *s)
{
    return QRect(s->Left(), s->Top(), s->Width(), s->Height());
}

inline void press(TfrmChild &w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
{
    QTest::mousePress(w.QMVDrawPanel1(), b, Qt::NoModifier, p);
}

inline void release(TfrmChild &w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
{
    QTest::mouseRelease(w.QMVDrawPanel1(), b, Qt::NoModifier, p);
}

// A move with the buttons held, sent straight to the page (QTest moves the cursor instead when
// no button is down).
inline void moveTo(TfrmChild &w, QPoint p, Qt::MouseButtons buttons = Qt::LeftButton)
{
    QWidget *page = w.QMVDrawPanel1();
    QMouseEvent e(QEvent::MouseMove, p, page->mapToGlobal(p), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(page, &e);
}

inline void click(TfrmChild &w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
{
    press(w, p, b);
    release(w, p, b);
}

inline void drag(TfrmChild &w, QPoint from, QPoint to)
{
    press(w, from);
    moveTo(w, (from + to) / 2);
    moveTo(w, to);
    release(w, to);
}

} // namespace qm
