#pragma once

#include "properties/propertycontrols.h"
#include "properties/propertyhost.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class QAbstractButton;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QToolButton;

namespace qm {

class SealDocument;
class TabButton;
class FlatPanel;
class Seal;

// The property window "印章属性": four pages of labelled boxes for every property of the
// selected element of the active document, the boxes its kind does not use disabled and empty.
// It shows the document's CurrentSeal and follows the document: a new selection, an edit made
// elsewhere, undo and redo show at once. Showing never writes; every edit is one step on the
// document's undo stack, and typing or holding a spin box merges into that step until the box
// is left or another property is edited. Once the user has worked in it, the window rolls up to
// its tab strip when it loses the focus, unless it is pinned.
class PropertyWindow : public QWidget
{
    Q_OBJECT

public:
    // pixelsPerInch: the screen's horizontal resolution, which sizes the tabs and margins; 0
    // takes the screen's.
    explicit PropertyWindow(PropertyHost &host, QWidget *parent = nullptr, int pixelsPerInch = 0);
    ~PropertyWindow() override;

    // The document of the active document window; none (no document window) disables and
    // empties every control. The window keeps no seal, only the document, and asks it for
    // CurrentSeal.
    void setDocument(SealDocument *document);
    SealDocument *document() const;
    // Shows the document's CurrentSeal again.
    void refresh();

    // Fills the whole window from a seal, or disables and empties everything for none.
    void showSealProperties(const Seal *seal);
    // Fills page C for the text line chosen in the line choice.
    void showTextLine(const Seal *seal);
    // Enables position p of the general (50 digits) or text (18 digits) mask, with its label,
    // when digit p is not '0'.
    void applyControlMask(const QString &mask);
    void applyTextMask(const QString &mask);
    // The one change handler of every editing control: writes the control's value into the
    // CurrentSeal as one undo step. Does nothing for a disabled control, without a current seal,
    // or while values are being shown.
    void onNumberBoxChanged(QWidget *sender);

    // Tabs: a press shows the tab's page and releases the others; the release marks the tab
    // pressed, opens the window to its full height and shows the CurrentSeal.
    void tabPressed(int tab);
    void tabReleased(int tab);
    // Shrinks the window to its tab strip and releases the pressed tab (on losing the focus).
    void rollUp();
    // A pinned window stays open when it loses the focus; pinning opens a rolled-up window.
    // The host keeps the choice.
    void setPinned(bool pinned);
    bool isPinned() const;
    QAbstractButton *pinButton() const;
    // Opens the current page, rolled up or not, with the keyboard in its first box that can be
    // edited: how the keyboard reaches the window from the page.
    void focusPage();
    bool isRolledUp() const { return m_rolledUp; }
    int currentPage() const { return m_page; }
    // The text line page C edits, 0 … 3.
    int textLine() const;

    // The controls, by their tag, for the main window and tests.
    QWidget *control(int tag) const;
    QLabel *controlLabel(int tag) const;
    QGroupBox *groupBox(int number) const;
    QWidget *Panel(int number) const;
    TabButton *QMVButton(int number) const;
    FlatPanel *strip() const;

    // Layout from the screen resolution.
    int pixelsPerInch() const { return m_ppi; }
    int labelMargin() const { return m_ppi / 24; }
    int tabStripHeight() const { return m_ppi / 6 + 4; }
    int pageAHeight() const { return m_pageAHeight; }
    int fullHeight() const { return m_fullHeight; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    struct Slot {
        const PropertyControl *control = nullptr;
        QWidget *box = nullptr;
        QLabel *label = nullptr;
        ControlBinding binding;
        bool enabled = false;
    };

    // Construction (propertywindow.cpp).
    void buildTabs();
    void buildPages();
    QWidget *createBox(const PropertyControl &control, QWidget *parent);
    void connectBox(QWidget *box);
    void watch(QWidget *box);
    void layoutTabs();
    void setClientHeight(int height);
    bool pageKey(const QKeyEvent *event);
    void focusFirstBox();

    // Showing (propertywindowshow.cpp).
    void applyMask(MaskKind mask, const QString &digits);
    void bindSlot(Slot &slot, SealType kind, int line);
    void showSlot(Slot &slot, const Seal &seal);
    void clearDisabled(MaskKind mask);
    void nameSlot(Slot &slot);
    void documentEdited(const QList<int> &indices);

    // Editing (propertywindowedit.cpp).
    bool valueOf(Slot &slot, QVariant &value);
    void endEdit(QWidget *box);
    QString undoText(const Slot &slot) const;

    Slot *slotOf(const QObject *box);
    Slot *slotByTag(int tag);
    const Slot *slotByTag(int tag) const;
    Seal *currentSeal() const;

    PropertyHost &m_host;
    QPointer<SealDocument> m_document;
    int m_ppi;
    std::vector<Slot> m_slots;
    std::vector<QGroupBox *> m_groups;
    std::vector<QWidget *> m_pages;
    std::vector<TabButton *> m_tabs;
    FlatPanel *m_strip = nullptr;
    QToolButton *m_pin = nullptr;
    int m_clientWidth = 0;
    int m_pageAHeight = 0;
    int m_fullHeight = 0;
    int m_page = 1;
    bool m_rolledUp = false;
    // Focus lost before the user has worked in the window (a window manager that hands the
    // focus to a new window and back) leaves it open.
    bool m_engaged = false;
    int m_showing = 0;            // values are being shown: changes are not edits
    QWidget *m_editing = nullptr; // the control whose edit is being written
};

} // namespace qm
