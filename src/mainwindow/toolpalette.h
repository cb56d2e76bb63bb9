#pragma once

#include "picture/drawingtypes.h"

#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QToolButton;

namespace qm {

class DrawActions;
class HoverImage;

// What the palette is built from: the placing and page tool commands, the other commands found
// by name (none when missing), what the colour square runs, and the screen's pixels per inch.
struct DrawToolsOptions {
    const DrawActions *drawActions = nullptr;
    std::function<QAction *(const QString &name)> namedAction;
    std::function<void()> setColor;
    // 0: the screen's.
    int pixelsPerInch = 0;
};

// The floating drawing tools palette: the placing and tool commands on 24 buttons in two
// switchable sets, and the colour square. Every button shows its command, so it is down
// exactly while the command is checked, in either set.
class ToolPalette : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ButtonCount = 24;
    // Tool buttons are 26 pixels square, two to a row.
    static constexpr int ButtonSide = 26;
    static constexpr QSize ModeButtonSize{52, 24};
    static constexpr QSize ModePictureSize{45, 18};

    explicit ToolPalette(const DrawToolsOptions &options, QWidget *parent = nullptr);

    int pixelsPerInch() const { return m_ppi; }
    // True in seal mode (ToolButton25 down).
    bool sealMode() const;
    // Switches the buttons to the seal or the drawing set, as a click on ToolButton25 does.
    void setSealMode(bool seals);
    // Binds the buttons again to the commands of the current set; for commands created after
    // the palette.
    void bindButtons();
    // The command the button (1 … 24) carries; none when it is missing.
    QAction *boundAction(int button) const;
    // Whether the tool buttons light up under the mouse (drawing mode only).
    bool hotImages() const { return m_hotImages; }

    Colour swatchColor() const { return m_swatch; }
    void setSwatchColor(Colour colour);

    // Puts the palette's top-left corner at a screen position (below the main tool bar).
    void placeAt(QPoint screenPosition);

    // Controls, by their names.
    HoverImage *banner() const { return m_banner; }
    QWidget *toolPanel() const { return m_toolPanel; }
    QWidget *toolBar(int number) const { return m_toolBars.at(size_t(number - 1)); }
    QToolButton *toolButton(int number) const;
    QToolButton *modeButton() const { return m_modeButton; }
    QWidget *colourPanel() const { return m_colourPanel; }
    QLabel *colourPicture() const { return m_colourPicture; }
    QWidget *colourSquare() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    class ColourSquare;
    class PaletteButton;

    void createControls();
    void layoutControls();
    void bindButton(int button, QAction *action, const QString &missingHint);
    void bannerPicture(bool hot);

    DrawToolsOptions m_options;
    int m_ppi;
    HoverImage *m_banner = nullptr;
    QWidget *m_toolPanel = nullptr;
    std::array<QWidget *, 6> m_toolBars{};
    std::array<PaletteButton *, ButtonCount> m_buttons{};
    QToolButton *m_modeButton = nullptr;
    QWidget *m_colourPanel = nullptr;
    QLabel *m_colourPicture = nullptr;
    ColourSquare *m_shape = nullptr;
    Colour m_swatch = clRed;
    bool m_hotImages = true;
};

} // namespace qm
