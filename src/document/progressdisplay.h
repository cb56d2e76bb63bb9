#pragma once

#include <QString>

namespace qm {

// The captioned progress display that long document operations report through. The GUI
// implements it with its status caption and progress bar; the command-line tool and tests
// pass NoProgress or a recorder.
class ProgressDisplay
{
public:
    virtual ~ProgressDisplay() = default;
    virtual void showText(const QString &text) = 0;
    virtual void setMaximum(int maximum) = 0;
    virtual void setPosition(int position) = 0;
    virtual void advance(int by) = 0;
    virtual void hide() = 0;
    // Readers ask between seals whether to give up; a reader that gives up leaves its target
    // as it was.
    virtual bool cancelled() const { return false; }
};

class NoProgress final : public ProgressDisplay
{
public:
    void showText(const QString &) override {}
    void setMaximum(int) override {}
    void setPosition(int) override {}
    void advance(int) override {}
    void hide() override {}
};

// Hides the display when an operation ends, however it ends.
class ProgressHider
{
public:
    explicit ProgressHider(ProgressDisplay &progress) : m_progress(progress) {}
    ~ProgressHider() { m_progress.hide(); }
    ProgressHider(const ProgressHider &) = delete;
    ProgressHider &operator=(const ProgressHider &) = delete;

private:
    ProgressDisplay &m_progress;
};

} // namespace qm
