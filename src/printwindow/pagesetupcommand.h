#pragma once

#include <QPointer>
#include <QUndoCommand>

namespace qm {

class PageModel;
class DocumentWindow;

// The size and margins of a page, as a printer set-up gives them.
struct PageGeometry {
    long double width = 0;
    long double height = 0;
    long double left = 0;
    long double top = 0;
    long double right = 0;
    long double bottom = 0;

    static PageGeometry of(const PageModel &page);
    void applyTo(PageModel &page) const;
};

// One undo step of the document: its page takes a printer's paper size and margins, and the
// document window lays the page out again. Undo brings the old page back.
class PageSetupCommand final : public QUndoCommand
{
public:
    PageSetupCommand(DocumentWindow &document, const PageGeometry &after);

    void redo() override;
    void undo() override;

private:
    void apply(const PageGeometry &geometry);

    QPointer<DocumentWindow> m_document;
    PageGeometry m_before;
    PageGeometry m_after;
};

} // namespace qm
