#include "print/pagesetupcommand.h"

#include "document/pagemodel.h"
#include "page/tfrmchild.h"

namespace qm {

PageGeometry PageGeometry::of(const PageModel &page)
{
    return {page.PageWidth(), page.PageHeight(),  page.LeftMargin(),
            page.TopMargin(), page.RightMargin(), page.BottomMargin()};
}

void PageGeometry::applyTo(PageModel &page) const
{
    page.SetPageWidth(width);
    page.SetPageHeight(height);
    page.SetTopMargin(top);
    page.SetBottomMargin(bottom);
    page.SetLeftMargin(left);
    page.SetRightMargin(right);
}

PageSetupCommand::PageSetupCommand(TfrmChild &document, const PageGeometry &after)
    : QUndoCommand(QStringLiteral("打印机设置")), m_document(&document),
      m_before(PageGeometry::of(document.document().page())), m_after(after)
{
}

void PageSetupCommand::redo()
{
    apply(m_after);
}

void PageSetupCommand::undo()
{
    apply(m_before);
}

void PageSetupCommand::apply(const PageGeometry &geometry)
{
    if (!m_document)
        return;
    geometry.applyTo(m_document->document().page());
    m_document->ZoomPage(m_document->document().page().Zoom());
}

} // namespace qm
