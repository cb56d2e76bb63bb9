#include "mainwindow/documentopening.h"

#include "seal/seal.h"

#include <QThread>

namespace qm {

DocumentOpening::DocumentOpening(const QString &fileName, float screenPixelsPerMm, int zoom, QObject *parent)
    : QObject(parent), m_fileName(fileName), m_screenPixelsPerMm(screenPixelsPerMm), m_zoom(zoom)
{
}

DocumentOpening::~DocumentOpening()
{
    if (m_thread) {
        cancel();
        m_thread->wait();
    }
}

void DocumentOpening::read()
{
    m_result = readDocumentContent(m_fileName, m_screenPixelsPerMm, m_zoom, &m_content, m_progress);
}

void DocumentOpening::start()
{
    if (m_thread)
        return;
    m_thread.reset(QThread::create([this] { read(); }));
    // Emitted by the worker as it ends, delivered on this object's thread.
    connect(m_thread.get(), &QThread::finished, this, &DocumentOpening::finished);
    m_thread->start();
}

void DocumentOpening::runHere()
{
    read();
}

bool DocumentOpening::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

} // namespace qm
