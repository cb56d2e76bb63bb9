#include "printwindow/pagesetupcommand.h"

#include "document/pagemodel.h"
#include "page/documentwindow.h"

#include <QCoreApplication>

namespace qm {

PageGeometry PageGeometry::of(const PageModel &page)
{
    return {page.pageWidth(), page.pageHeight(),  page.leftMargin(),
            page.topMargin(), page.rightMargin(), page.bottomMargin()};
}

void PageGeometry::applyTo(PageModel &page) const
{
    page.setPageWidth(width);
    page.setPageHeight(height);
    page.setTopMargin(top);
    page.setBottomMargin(bottom);
    page.setLeftMargin(left);
    page.setRightMargin(right);
}

PageSetupCommand::PageSetupCommand(DocumentWindow &document, const PageGeometry &after)
    : QUndoCommand(QCoreApplication::translate("PrintWindow", "打印机设置")), m_document(&document),
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
    m_document->zoomPage(m_document->document().page().zoom());
}

} // namespace qm
