// Which commands can act: every command's enabled state follows its precondition, and the
// captions of undo, redo and the two locks name the step they take next. The active document
// (its stack, selection, seals and locks), the zoom and the internal clipboard drive them.

#include "mainwindow/mainwindow.h"

#include "document/sealalignment.h"
#include "library/thumbnailcolumn.h"
#include "mainwindow/accessiblelists.h"
#include "mainwindow/drawactions.h"
#include "page/documentwindow.h"
#include "page/pagetools.h"
#include "seal/seal.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// Undo and redo reach the document from every window: a text box does not keep the keys for an
// undo of its own, since each of its edits is already a step on the document's stack.
class UndoKeys : public QObject
{
public:
    UndoKeys(QObject *parent, QList<QAction *> actions) : QObject(parent), m_actions(std::move(actions))
    {
        qApp->installEventFilter(this);
    }
    ~UndoKeys() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return QObject::eventFilter(watched, event);
        auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
        for (const QAction *action : std::as_const(m_actions)) {
            // A disabled command leaves the key to the box.
            if (action->isEnabled() && action->shortcuts().contains(pressed)) {
                key->ignore();
                return true;
            }
        }
        return false;
    }

private:
    QList<QAction *> m_actions;
};

// Page Up and Page Down in the zoom list zoom the page as they do there, instead of stepping
// to a neighbouring item of the list.
class ZoomListKeys : public QObject
{
public:
    ZoomListKeys(QObject *parent, std::function<void(bool in)> zoom) : QObject(parent), m_zoom(std::move(zoom)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier ||
            (key->key() != Qt::Key_PageUp && key->key() != Qt::Key_PageDown))
            return false;
        m_zoom(key->key() == Qt::Key_PageUp);
        return true;
    }

private:
    std::function<void(bool in)> m_zoom;
};

} // namespace

void MainWindow::createCommandStates()
{
    installNamedListAccessibility();

    QAction *undoAction = action(u"actEditUndo"_s);
    QAction *redoAction = action(u"actEditRedo"_s);
    redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction *a : {undoAction, redoAction})
        a->setShortcutContext(Qt::ApplicationShortcut);
    connect(undoAction, &QAction::triggered, this, &MainWindow::undo);
    connect(redoAction, &QAction::triggered, this, &MainWindow::redo);
    new UndoKeys(this, {undoAction, redoAction});
    connect(action(u"actEditColor"_s), &QAction::triggered, this, &MainWindow::setSelectionColour);

    auto *zoomKeys = new ZoomListKeys(this, [this](bool in) { in ? viewZoomIn() : viewZoomOut(); });
    m_zoomBox->installEventFilter(zoomKeys);
    if (QLineEdit *edit = m_zoomBox->lineEdit())
        edit->installEventFilter(zoomKeys);

    // Copying fills the clipboard, which paste waits for.
    for (const QString &name : {u"actEditCopy"_s, u"actEditCut"_s})
        connect(action(name), &QAction::triggered, this, &MainWindow::updateCommandStates);
    connect(this, &MainWindow::activeDocumentChanged, this, &MainWindow::followDocument);
    followDocument(activeDocument());
}

void MainWindow::followDocument(DocumentWindow *child)
{
    m_documentWatch = std::make_unique<QObject>();
    if (child) {
        const QObject *watch = m_documentWatch.get();
        SealDocument &doc = child->document();
        auto update = [this] { updateCommandStates(); };
        connect(&doc, &SealDocument::selectionChanged, watch, update);
        connect(&doc, &SealDocument::sealsChanged, watch, update);
        connect(&doc, &SealDocument::modifiedChanged, watch, update);
        connect(&doc, &SealDocument::sealLockChanged, watch, update);
        connect(&doc, &SealDocument::pageLockChanged, watch, update);
        QUndoStack &stack = doc.undoStack();
        connect(&stack, &QUndoStack::indexChanged, watch, update);
        connect(&stack, &QUndoStack::cleanChanged, watch, update);
        connect(&stack, &QUndoStack::undoTextChanged, watch, update);
        connect(&stack, &QUndoStack::redoTextChanged, watch, update);
    }
    updateCommandStates();
}

void MainWindow::updateCommandStates()
{
    // Not before the window is complete.
    if (!m_documentWatch)
        return;
    DocumentWindow *child = activeDocument();
    const SealDocument *doc = child ? &child->document() : nullptr;
    const bool open = doc != nullptr;
    const Seal *current = doc ? doc->currentSeal() : nullptr;
    const size_t selected = doc ? doc->selection().size() : 0;
    const int count = doc ? doc->sealCount() : 0;
    const int at = current ? doc->indexOf(current) : -1;
    const int zoom = doc ? doc->page().zoom() : 100;
    const QUndoStack *stack = doc ? &doc->undoStack() : nullptr;
    const bool libraryEntry = m_libraryColumn && m_libraryColumn->selectedThumbnail();

    const struct {
        const char16_t *name;
        bool enabled;
    } states[] = {
        {u"actFileSave", open},
        {u"actFileSaveAs", open},
        {u"actFilePreView", open},
        {u"actFilePrint", open},
        {u"actFileStampPdf", count > 0},
        {u"actEditUndo", stack && stack->canUndo()},
        {u"actEditRedo", stack && stack->canRedo()},
        {u"actEditCopy", selected > 0},
        {u"actEditCut", selected > 0},
        {u"actEditPaste", open && !m_clipboard->isEmpty()},
        {u"actEditDel", selected > 0},
        {u"actEditClear", count > 0},
        // Already on top (at the bottom), the seal cannot go further.
        {u"actEditBringToFront", current && at < count - 1},
        {u"actBringToFront", current && at < count - 1},
        {u"actEditSendToBack", current && at > 0},
        {u"actSendToBack", current && at > 0},
        {u"actEditChangeImage", current && carriesEmblem(current->SealType())},
        {u"actChangePicture", current && carriesEmblem(current->SealType())},
        {u"actEditColor", selected > 0},
        {u"actEditSetSameCenter", selected > 1},
        {u"actSameCenter", selected > 1},
        {u"actViewZoomAll", selected > 0},
        {u"actEditSealSaveToImage", selected > 0},
        {u"actViewOpenOrCloseGrid", open},
        {u"actViewZoomIn", open && zoom < MaxToolZoom},
        {u"actViewZoomOut", open && zoom > MinToolZoom},
        {u"actViewZoomNormal", open && zoom != 100},
        {u"actPageZoom", open && zoom != 100},
        {u"actToolsNextFont", m_fontBox->count() > 0},
        {u"actLockSeal", current != nullptr},
        {u"actLockPage", open},
        {u"WindowCascade1", open},
        {u"WindowTileHorizontal1", open},
        {u"WindowTileVertical1", open},
        {u"WindowMinimizeAll1", open},
        {u"WindowArrange1", open},
        {u"WindowClose1", open},
        {u"WindowsCloseAll", open},
        {u"actLibAdd", selected > 0},
        {u"actEditLibrary", true},
        {u"actInsertSeal", open && libraryEntry},
        {u"actDeleteLibrarySeal", libraryEntry},
    };
    for (const auto &state : states)
        action(QString::fromUtf16(state.name))->setEnabled(state.enabled);
    for (const auto &[name, a] : m_actions) {
        const QVariant how = a->property("alignment");
        if (how.isValid())
            a->setEnabled(selected >= size_t(sealsNeededFor(SealAlignment(how.toInt()))));
    }
    // A placing mode needs a page to place on.
    m_drawActions->group()->setEnabled(open);

    const QString undoText = stack && stack->canUndo() ? stack->undoText() : QString();
    action(u"actEditUndo"_s)->setText(undoText.isEmpty() ? tr("撤销(&Z)") : tr("撤销 %1(&Z)").arg(undoText));
    const QString redoText = stack && stack->canRedo() ? stack->redoText() : QString();
    action(u"actEditRedo"_s)->setText(redoText.isEmpty() ? tr("重做(&Y)") : tr("重做 %1(&Y)").arg(redoText));

    if (current)
        action(u"actLockSeal"_s)->setText(doc->isSealLocked(current) ? tr("解锁印章(&U)") : tr("锁定印章位置(&L)"));
    action(u"actLockPage"_s)->setText(doc && doc->pageLocked() ? tr("解锁页面(&P)") : tr("锁定页面(&P)"));
}

void MainWindow::undo()
{
    if (DocumentWindow *child = activeDocument())
        child->undo();
}

void MainWindow::redo()
{
    if (DocumentWindow *child = activeDocument())
        child->redo();
}

} // namespace qm
