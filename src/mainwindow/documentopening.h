#pragma once

#include "document/documentfile.h"
#include "document/progressdisplay.h"

#include <QObject>

#include <atomic>
#include <memory>

class QThread;

namespace qm {

// One document file read for the main window apart from the event loop: on a worker thread
// (start) or, for callers that need the window at once, on the calling thread (runHere). The
// reader touches nothing but this object's own content, which the main window then gives to a
// new document window on its own thread.
class DocumentOpening : public QObject
{
    Q_OBJECT

public:
    // The seals are made for a window of that resolution and zoom, so that adopting them
    // changes none of them.
    DocumentOpening(const QString &fileName, float screenPixelsPerMm, int zoom, QObject *parent = nullptr);
    // Cancels a read under way and waits for its thread, which then stops within one seal.
    ~DocumentOpening() override;

    const QString &fileName() const { return m_fileName; }
    int zoom() const { return m_zoom; }

    // Reads on a worker thread; finished() comes on this object's thread.
    void start();
    void runHere();
    // The reader stops at the next seal; finished() still comes, with the result of a refusal.
    void cancel() { m_progress.cancel(); }
    bool isCancelled() const { return m_progress.cancelled(); }
    bool isRunning() const;

    // What the reader reported so far: a position out of a maximum, both 0 before it counted.
    int progressMaximum() const { return m_progress.maximum(); }
    int progressPosition() const { return m_progress.position(); }

    // Valid once finished() came (or runHere returned).
    const DocumentResult &result() const { return m_result; }
    DocumentContent &content() { return m_content; }

signals:
    void finished();

private:
    // Counts for the GUI to read at its own pace; the reader never waits for the screen.
    class SharedProgress final : public ProgressDisplay
    {
    public:
        void showText(const QString &) override {}
        void setMaximum(int maximum) override { m_maximum.store(maximum, std::memory_order_relaxed); }
        void setPosition(int position) override { m_position.store(position, std::memory_order_relaxed); }
        void advance(int by) override { m_position.fetch_add(by, std::memory_order_relaxed); }
        void hide() override {}
        bool cancelled() const override { return m_cancelled.load(std::memory_order_relaxed); }
        void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
        int maximum() const { return m_maximum.load(std::memory_order_relaxed); }
        int position() const { return m_position.load(std::memory_order_relaxed); }

    private:
        std::atomic<int> m_maximum{0};
        std::atomic<int> m_position{0};
        std::atomic<bool> m_cancelled{false};
    };

    void read();

    QString m_fileName;
    float m_screenPixelsPerMm;
    int m_zoom;
    SharedProgress m_progress;
    DocumentResult m_result;
    DocumentContent m_content;
    std::unique_ptr<QThread> m_thread;
};

} // namespace qm
