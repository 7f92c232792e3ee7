#pragma once

// A self-painting push button: a shaped face (capsule, oval or rounded rectangle) whose frame shades
// from the frame colour into the face colour, a highlight on its upper left, a caption with an optional
// relief and an optional glyph strip. It lights up only while the pointer is inside the shape, and
// only a press and a release inside the shape click. It never takes the keyboard focus; the caption's
// "&" letter (Alt+letter) and the accessibility press action click it while it is enabled.

#include "controls/FancyDrawing.h"
#include "controls/TDsEffect.h"
#include "controls/TDsGlyph.h"

#include <QAbstractButton>

namespace horavine {

class TDsFancyButton : public QAbstractButton
{
    Q_OBJECT
public:
    static constexpr int kMaxWidth = 300;
    static constexpr int kMaxHeight = 145;

    // Cells of the glyph strip, counted from 1.
    enum GlyphStates : int { gsNormal = 1, gsDisabled = 2, gsPressed = 3, gsHover = 4 };

    explicit TDsFancyButton(QWidget* parent = nullptr);

    TDsEffect& FancyEffects() { return *m_effects; }
    const TDsEffect& FancyEffects() const { return *m_effects; }
    TDsGlyph& Glyphs() { return *m_glyphs; }
    const TDsGlyph& Glyphs() const { return *m_glyphs; }

    // The caption's colour while enabled and not lit; a system colour or 0x00BBGGRR.
    TColor FontColor() const { return m_fontColor; }
    void setFontColor(TColor color);

    // Whether the pixel (x, y) lies in the button's shape.
    bool InShape(int x, int y) const;

    bool Pressed() const { return m_pressed; }
    bool Hovering() const { return m_hovering; }
    int GlyphState() const { return m_glyphState; }

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void repaintRequest();
    void trackPointer(const QPoint& pos);
    void raiseClick();
    TColor controlColor() const;

    void paintGradientFrame(QPainter& painter) const;
    void paintHighlight(QPainter& painter) const;
    void paintPressedFace(QPainter& painter) const;
    void paintGlyph(QPainter& painter, bool pressed);
    void paintCaption(QPainter& painter, bool pressed, QSize size) const;

    TDsEffect* m_effects;
    TDsGlyph* m_glyphs;
    TColor m_fontColor = clWindowText;
    bool m_pressed = false;
    bool m_hovering = false;
    bool m_nameFromHint = false;
    int m_glyphState = gsNormal;
    int m_cellWidth = 0;
    TFancyLayout m_layout; // where the last paint put the glyph and the caption
};

} // namespace horavine
