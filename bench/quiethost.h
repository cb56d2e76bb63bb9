#pragma once

// The page host the benchmarks give their document windows: it answers every question at once
// and shows nothing.

#include "document/clipboardstream.h"
#include "page/documentwindow.h"
#include "page/pagehost.h"

#include <QCursor>

namespace qm::bench {

class QuietHost : public qm::PageHost
{
public:
    std::optional<qm::Tool> checkedDrawAction() const override { return std::nullopt; }
    void uncheckDrawAction() override {}
    void triggerDrawAction(qm::Tool) override {}
    QByteArray fontFaceGbk() const override { return QByteArray("\xCB\xCE\xCC\xE5"); }
    qm::Colour swatchColor() const override { return qm::clRed; }
    void setSwatchColor(qm::Colour) override {}
    void setStatusText(int, const QString &) override {}
    void setZoomText(const QString &) override {}
    void showSealToggles(const qm::Seal *) override {}
    QCursor cursorSlot(int) const override { return QCursor(Qt::CrossCursor); }
    void setSealLockCaption(const QString &) override {}
    QString askPictureFile() override { return {}; }
    QByteArray emblemPicture() override { return {}; }
    void reportPictureError(const QString &) override {}
    qm::ClipboardStream &clipboard() override { return m_clipboard; }
    SaveAnswer askSaveOnClose(qm::DocumentWindow &) override { return SaveAnswer::No; }
    bool saveDocument(qm::DocumentWindow &) override { return false; }

private:
    qm::ClipboardStream m_clipboard;
};

} // namespace qm::bench
