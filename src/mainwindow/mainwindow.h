#pragma once

#include "companions/componentloaderror.h"
#include "document/clipboardstream.h"
#include "page/pagehost.h"
#include "properties/propertyhost.h"

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace qm {

class Configuration;
class DocumentOpening;
class DrawActions;
class EditorKeyGuard;
class ProgressDisplay;
class ProgressPanel;
class ToolPalette;
class DocumentWindow;
class DetailView;
class TabButton;
class FlatPanel;
class StatusBar;
class Thumbnail;
class ThumbnailColumn;
class UserDialogs;
class WallpaperMdiArea;
enum class SealAlignment;

// What the main window is started with. The program passes the user's settings, the platform's
// dialogs and the companion components; tests pass their own of each.
struct MainWindowOptions {
    UserDialogs *dialogs = nullptr;
    Configuration *configuration = nullptr;
    // The folder of the dialog component; where the program was installed by default.
    QString dialogFolder;
    // The per-user data folder that holds the four working folders.
    QString dataFolder;
    // The command line after the program name.
    QStringList arguments;
    // Shows a start-up stage on the splash ("检查系统配置……").
    std::function<void(const QString &stage)> splashStage;
    // Whether the system lists a printer; the printer service by default.
    std::function<bool()> printerPresent;
    // Width of the screen in pixels; the primary screen by default.
    std::function<int()> screenWidth;
    // The first show shows the drawing tools palette; tests that do not look at it leave it hidden.
    bool showDrawTools = true;
};

// The program's one top-level window: the multi-document area with its wallpaper, the tool bar
// with the zoom and font lists and the seal toggles, the status bar, the internal clipboard
// and the commands that create, open, save and close documents.
class MainWindow : public QMainWindow, public PageHost, public PropertyHost
{
    Q_OBJECT

public:
    explicit MainWindow(const MainWindowOptions &options, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The screen was too small and the user chose to end the program at start.
    bool terminateRequested() const { return m_terminateRequested; }
    // The first show has run: the program folder is set.
    const QString &programFolder() const { return m_programFolder; }
    // The working folder of that name ("我的印章" …) under the data folder, with a trailing '/'.
    QString workFolder(const QString &name) const;
    static QStringList workFolderNames();

    // --- Documents ---
    QList<DocumentWindow *> documentWindows() const;
    DocumentWindow *activeDocument() const;
    static QString caption(const DocumentWindow *child);
    static bool isUntitled(const QString &caption);
    // "文件" + (window count + 1) + ".dyz"; the lowest free number when that caption is open.
    QString untitledCaption() const;
    // The window whose file is fileName (the same file by its canonical path), other than except.
    DocumentWindow *documentHolding(const QString &fileName, const DocumentWindow *except = nullptr) const;
    DocumentWindow *newDocumentWindow(const QString &caption);
    // Opens the file into a new window; none when it is missing or cannot be read (the user is
    // told why). The file is read before this returns.
    DocumentWindow *openDocumentFile(const QString &fileName);
    // The same with the file read on a worker thread while the event loop runs and the
    // progress display counts the seals; the window comes when the seals are there (or the
    // user is told why not). False when the file is missing (said so) and nothing started.
    bool beginOpeningFile(const QString &fileName);
    // Files being read for windows still to come.
    bool isOpening() const { return !m_openings.empty(); }
    bool isBeingOpened(const QString &fileName) const;
    // The open command after a file was chosen: an open document is brought forward instead,
    // and a file already being opened is not read twice. Otherwise the file is read on a
    // worker and none is returned.
    DocumentWindow *openChosenFile(const QString &fileName);
    // The path the command line names: the first argument, or the first two joined by a blank
    // when the first has no extension (a path with a blank split in two).
    static QString commandLinePath(const QStringList &arguments);
    // The files the command line opens, each in its own window: every argument that names
    // something that exists; the first two joined (commandLinePath) only when the first names
    // nothing and the joined path does.
    static QStringList commandLineFiles(const QStringList &arguments);
    // A command-line document could not be opened.
    bool commandLineOpenFailed() const { return m_commandLineOpenFailed; }

    void fileNew();
    void fileOpen();
    // Each true when the document was written.
    bool fileSave();
    bool fileSaveAs();
    bool saveChild(DocumentWindow &child);
    bool saveChildAs(DocumentWindow &child);
    // Closes every document window, the last first; false when one of them stayed open.
    bool closeAllDocuments();

    // Every command's enabled state from its precondition (a document, a selection, the current
    // seal, something in the clipboard, a step to undo …), and the captions that name the next
    // undo, redo and lock step. Runs whenever one of them may have changed.
    void updateCommandStates();
    // Undo and redo on the active document, from any window.
    void undo();
    void redo();

    // --- Operations for other windows ---
    void showDocumentStatus(bool modified, int count);
    QAction *checkedToolAction() const;
    DrawActions &drawActions() const { return *m_drawActions; }
    void updateSealToggles(const Seal *seal);
    // The last valid zoom of the zoom list.
    int zoomChoice() const { return m_zoomChoice; }
    ProgressDisplay &progress() override;
    QString statusText(int panel) const;

    // The property window (PropertyWindow following the active document unless a factory says
    // otherwise); ShowPropertyWindow places it below the right end of the tool bar.
    void setPropertyWindowFactory(std::function<QWidget *(MainWindow &)> factory);
    void showPropertyWindow();
    void togglePropertyWindow();
    // F6: the keyboard goes from the page to the property window and back.
    void switchPane();
    QWidget *propertyWindow() const { return m_propertyWindow; }
    // The print window, shown modally while the main window is hidden.
    void setPrintWindowFactory(std::function<std::unique_ptr<QDialog>(MainWindow &)> factory);
    void openPrintWindow(bool preview);
    bool printPreview() const { return m_printPreview; }

    void showAboutBox();
    void showHelp();
    // "盖章到PDF": a PDF file the user chooses, shown at true size in a window of its own with the
    // selected seals of the active document (all of them when none is selected) over its page;
    // a file the stamping core cannot stamp is refused with its reason.
    void stampOntoPdf();
    // That window while it is open.
    QDialog *stampWindow() const { return m_stampWindow; }
    // The export command: the selected seals of the active document as a picture file or on
    // the clipboard.
    void exportSelectionToImage();
    // The set colour command: every selected seal gets the chosen pen colour, as does the
    // palette's colour square.
    void setSelectionColour();
    // The detail view of the selected seals, filling the screen, shown modally.
    void showDetailView();
    // That view, made but not shown; none without a document, a selection or a finite zoom.
    std::unique_ptr<DetailView> buildDetailView();
    // The drawing tools palette; it lives from start-up to shut-down and is only shown and hidden.
    ToolPalette *drawTools() const { return m_drawTools; }
    // Shows a component's error through the dialogs of this window.
    ErrorBox errorBox();

    // --- Commands of the menus, tool bar and palette (mainwindowcommands.cpp) ---
    // Print or preview the active document; without a printer the user is told that only the
    // preview is of use, and the window opens all the same.
    void printOrPreview(bool preview);
    // Zoom of the active page: in and out by 10 while below 600 (above 25), normal 100; the
    // zoom list shows the new zoom.
    void viewZoomIn();
    void viewZoomOut();
    void viewZoomNormal();
    // The chosen face into the five font slots of the current seal, as one undo step.
    void applyFont();
    // The next face of the font list (the first after the last), applied.
    void nextFont();
    // A picture file as the current seal's emblem; a file that cannot be decoded is reported
    // and changes nothing.
    void changePicture();
    // The user ticked or unticked one of the seal toggles (0 阳章, 1 五星, 2 有图符).
    void sealToggleClicked(int box, bool checked);
    // Lines up the selected seals of the active document.
    void alignSelection(SealAlignment how);
    void toggleDrawTools();
    void toggleToolBar();
    void toggleStatusBar();
    void toggleGrid();
    // Double buffering of every page panel, open ones and those still to come; kept in the
    // settings.
    void setPagesDoubleBuffered(bool on);
    // A new wallpaper; the old one stays unless the chosen picture loads.
    void changeWallpaper();
    void mailToMaker();
    // The home page that travels inside the program, in the user's browser.
    void openHomePage();
    // --- The seal library and the emblem collection (mainwindowlibrary.cpp) ---
    // The side panels at the right edge, each open while its tab is down: the emblem column,
    // and the library column under its search box.
    ThumbnailColumn *emblemColumn() const { return m_emblemColumn; }
    ThumbnailColumn *libraryColumn() const { return m_libraryColumn; }
    QWidget *libraryPanel() const { return m_libraryPanel; }
    QLineEdit *librarySearchBox() const { return m_librarySearch; }
    // A column is filled on the first opening of its panel.
    bool emblemsLoaded() const { return m_emblemsLoaded; }
    bool libraryLoaded() const { return m_libraryLoaded; }
    // A tab was released: a tab left down closes the other one's panel and opens its own, so
    // that at most one panel shows and clicking a down tab closes it.
    void tabReleased(TabButton *tab);
    // Stores the selection of the active document in the library under a name the user gives.
    void addSelectionToLibrary();
    // The library editing dialog; the column keeps the entries still on disk.
    void editLibrary();
    // The selected library entry into the active document, as one undo step.
    void insertLibrarySeal();
    // Deletes the file of the selected library entry, after asking.
    void deleteLibrarySeal();
    // An emblem thumbnail double-clicked: the current seal gets the emblem when its kind carries
    // one; otherwise the picture placing mode is armed with it.
    void applyEmblem(Thumbnail *thumbnail);

    // Menus that follow the documents.
    QMenu *sealMenu() const { return m_popupMenus[0]; }
    QMenu *pageMenu() const { return m_popupMenus[1]; }
    QMenu *libraryMenu() const { return m_popupMenus[2]; }
    QMenu *viewMenu() const { return m_viewMenu; }
    QMenu *toolsMenu() const { return m_toolsMenu; }
    QMenu *drawMenu() const { return m_drawMenu; }

    // Controls, for tests.
    WallpaperMdiArea *mdiArea() const { return m_mdi; }
    QComboBox *zoomBox() const { return m_zoomBox; }
    QComboBox *fontBox() const { return m_fontBox; }
    QCheckBox *raisedTextBox() const { return m_toggles[0]; }
    QCheckBox *starBox() const { return m_toggles[1]; }
    QCheckBox *emblemBox() const { return m_toggles[2]; }
    QCheckBox *chineseOnlyBox() const { return m_chineseOnly; }
    QToolBar *toolBar() const { return m_toolBar; }
    FlatPanel *tabPanel() const { return m_tabPanel; }
    TabButton *emblemTab() const { return m_tabs[0]; }
    TabButton *libraryTab() const { return m_tabs[1]; }
    StatusBar *statusPanelBar() const { return m_statusBar; }
    QMenu *windowMenu() const { return m_windowMenu; }
    QMenu *recentMenu() const { return m_recentMenu; }
    ProgressPanel *progressPanel() const { return m_progress; }
    QAction *action(const QString &name) const;

    // Applies the zoom list's text to the active document; a text that is no zoom is reported
    // and the last valid zoom shown again.
    void applyZoomText(const QString &text);
    // Fills the font list again, filtered or not, keeping the chosen face where it is listed.
    void fillFontList(bool chineseOnlyFilter);
    // Reads the lock keys into status panels 5 … 7.
    void showKeyStates();
    void layOutBars();
    // The tabs on their band, from the tool bar's right-hand panel.
    void layoutTabs();

    // PageHost
    std::optional<Tool> checkedDrawAction() const override;
    void uncheckDrawAction() override;
    void triggerDrawAction(Tool tool) override;
    QByteArray fontFaceGbk() const override;
    Colour swatchColor() const override { return m_swatch; }
    // The palette's colour square shows it too.
    void setSwatchColor(Colour colour) override;
    void setStatusText(int panel, const QString &text) override;
    void setZoomText(const QString &text) override;
    void showSealToggles(const Seal *seal) override { updateSealToggles(seal); }
    QCursor cursorSlot(int slot) const override;
    void setSealLockCaption(const QString &caption) override;
    QString askPictureFile() override;
    // The selected emblem thumbnail's picture; empty (and reported) when it cannot be read.
    QByteArray emblemPicture() override;
    QString libraryItemFormat() const override;
    void reportPictureError(const QString &message) override;
    ClipboardStream &clipboard() override { return *m_clipboard; }
    SaveAnswer askSaveOnClose(DocumentWindow &child) override;
    bool saveDocument(DocumentWindow &child) override { return saveChild(child); }
    QMenu *pagePopupMenu() override { return m_popupMenus[1]; }
    QMenu *sealPopupMenu() override { return m_popupMenus[0]; }
    bool pageDoubleBuffered() const override;

    // PropertyHost (setStatusText is shared)
    void placeHandles() override;
    void showRefusal(const QString &message) override;
    bool propertyWindowPinned() const override;
    void setPropertyWindowPinned(bool pinned) override;

signals:
    // Another document window became the active one; none when the last one closed. The
    // property window follows it.
    void activeDocumentChanged(qm::DocumentWindow *child);
    // The last file being read has its window, or was refused.
    void openingsFinished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // Construction, split by concern.
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createCommandActions();
    void createPopupMenus();
    void showingViewMenu();
    void showingToolsMenu();
    // The interface language: the choice is kept in the settings and applies at the next start.
    void createLanguageMenu(QMenu *parent);
    void chooseLanguage(const QString &value);
    bool printerPresent() const;
    void setUpWindow();
    void onFirstShow();
    void createDrawTools();
    // The palette and the property window (toolwindows.cpp): transient for this window, so that
    // every window manager keeps them above it, and kept on its screen when it moves.
    QList<QWidget *> toolWindows() const;
    void keepAboveMainWindow(QWidget *tool);
    // After the first show has mapped this window: maps the tool windows shown with it again.
    void remapToolWindows();
    // The palette below the tool bar's left end. It stays there, following this window as the
    // window manager places and maximises it, until the user moves it elsewhere.
    void placePaletteBelowToolBar();
    void keepToolWindowsOnScreen();
    // Their frames in the document area's viewport coordinates, for those shown.
    QList<QRect> toolWindowFrames() const;
    // A document window just made goes into the area the tool windows leave free.
    void placeNewDocumentWindow(QMdiSubWindow &window);
    std::unique_ptr<DocumentOpening> makeOpening(const QString &path);
    bool startOpening(const QString &fileName, bool fromCommandLine);
    // The window of a finished read, or the user told why there is none.
    DocumentWindow *finishOpening(DocumentOpening &opening);
    void onOpeningFinished(DocumentOpening *opening);
    void showOpeningProgress();
    // Readers stop and their threads end; no window comes of them.
    void cancelOpenings();
    void showSplashStage(const QString &stage);
    void fillZoomList();
    void openHomePageOnce();
    void createWorkFolders();
    // The two side panels, beside the document area (mainwindowlibrary.cpp).
    void createSidePanels();
    // Each fills its column and names the files it could not show.
    QStringList fillEmblemColumn();
    QStringList fillLibraryColumn();
    Thumbnail *appendLibraryThumbnail(const QString &path);
    // The picture an emblem thumbnail stands for, as a seal stores it; empty with *refusal set
    // when it cannot be had.
    QByteArray emblemBytes(const Thumbnail &thumbnail, QString *refusal) const;
    static bool carriesEmblem(SealType type);
    // The picture as the seal's emblem, one undo step; a picture that cannot be decoded or that
    // the document's picture budget refuses is reported (under `name`) and changes nothing. The
    // seal's Image text becomes imageText when one is given.
    bool giveEmblem(DocumentWindow &child, Seal &seal, const QByteArray &bytes, const QString &name,
                    const std::optional<QByteArray> &imageText);

    QAction *makeAction(const QString &name, const QString &caption, const QString &hint,
                        const QKeySequence &shortcut = QKeySequence());
    void subWindowActivated(QMdiSubWindow *window);
    // Command states follow the active document's stack, selection and locks.
    void followDocument(DocumentWindow *child);
    void createCommandStates();
    // The window no longer stands for its file: untitled, and modified so closing asks.
    void detachDocument(DocumentWindow &child);
    void documentCountChanged();
    void fillWindowMenu();
    void fillRecentMenu();
    QMdiSubWindow *subWindowOf(const DocumentWindow *child) const;
    bool writeChild(DocumentWindow &child, const QString &fileName);

    MainWindowOptions m_options;
    UserDialogs &m_dialogs;
    Configuration &m_config;

    WallpaperMdiArea *m_mdi = nullptr;
    QToolBar *m_toolBar = nullptr;
    QComboBox *m_zoomBox = nullptr;
    QComboBox *m_fontBox = nullptr;
    QCheckBox *m_chineseOnly = nullptr;
    QCheckBox *m_toggles[3] = {};
    QWidget *m_zoomPanel = nullptr;
    QWidget *m_fontPanel = nullptr;
    QWidget *m_togglePanel = nullptr;
    QWidget *m_rightPanel = nullptr;
    FlatPanel *m_tabPanel = nullptr;
    TabButton *m_tabs[2] = {};
    StatusBar *m_statusBar = nullptr;
    ProgressPanel *m_progress = nullptr;
    QMenu *m_windowMenu = nullptr;
    QMenu *m_recentMenu = nullptr;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_toolsMenu = nullptr;
    QMenu *m_drawMenu = nullptr;
    QMenu *m_popupMenus[3] = {};
    EditorKeyGuard *m_editorKeys = nullptr;
    QList<QAction *> m_windowListActions;
    std::map<QString, QAction *> m_actions;
    DrawActions *m_drawActions = nullptr;
    ToolPalette *m_drawTools = nullptr;
    QTimer m_keyTimer;

    std::unique_ptr<ClipboardStream> m_clipboard;
    std::map<int, QCursor> m_cursors;
    QString m_programFolder;
    bool m_terminateRequested = false;
    bool m_commandLineOpenFailed = false;
    // Files read on workers, oldest first; the command line's are marked so that their failure
    // counts as the command line's.
    struct PendingOpening {
        std::unique_ptr<DocumentOpening> opening;
        bool fromCommandLine = false;
        bool finished = false;
    };
    std::vector<PendingOpening> m_openings;
    QTimer m_openingProgress;
    int m_zoomChoice = 100;
    Colour m_swatch = clRed;
    QString m_sealLockCaption;
    QPointer<DocumentWindow> m_activeChild;
    // Context of the connections to the followed document; replaced when another is followed.
    std::unique_ptr<QObject> m_documentWatch;

    std::function<QWidget *(MainWindow &)> m_propertyFactory;
    QPointer<QWidget> m_propertyWindow;
    std::function<std::unique_ptr<QDialog>(MainWindow &)> m_printFactory;
    bool m_printPreview = false;
    QPointer<QDialog> m_stampWindow;
    std::optional<QPoint> m_paletteHome;

    ThumbnailColumn *m_emblemColumn = nullptr;
    ThumbnailColumn *m_libraryColumn = nullptr;
    QWidget *m_libraryPanel = nullptr;
    QLineEdit *m_librarySearch = nullptr;
    bool m_emblemsLoaded = false;
    bool m_libraryLoaded = false;
};

} // namespace qm
