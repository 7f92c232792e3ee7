#include "controls/TDsFancyButton.h"

#include "controls/ColorKey.h"
#include "face/FaceColors.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcutEvent>
#include <algorithm>

namespace horavine {

namespace {

QColor toQColor(TColor color)
{
    return QColor::fromRgb(ToQRgb(color));
}

// A line without its last pixel, the way the window system draws lines; only horizontal and
// vertical ones occur here.
void drawOpenLine(QPainter& painter, int x1, int y1, int x2, int y2)
{
    if (x1 == x2 && y1 == y2)
        return;
    const int dx = (x2 > x1) - (x2 < x1);
    const int dy = (y2 > y1) - (y2 < y1);
    painter.drawLine(x1, y1, x2 - dx, y2 - dy);
}

} // namespace

TDsFancyButton::TDsFancyButton(QWidget* parent)
    : QAbstractButton(parent)
    , m_effects(new TDsEffect(this))
    , m_glyphs(new TDsGlyph(this))
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true); // hover follows the shape, not the bounding box
    resize(97, 25);
    connect(m_effects, &TDsEffect::OnEffectChange, this, &TDsFancyButton::repaintRequest);
    connect(m_glyphs, &TDsGlyph::OnGlyphChange, this, &TDsFancyButton::repaintRequest);
}

void TDsFancyButton::setFontColor(TColor color)
{
    if (m_fontColor == color)
        return;
    m_fontColor = color;
    repaintRequest();
}

bool TDsFancyButton::InShape(int x, int y) const
{
    const TDsEffect& fx = *m_effects;
    return fancyShape(fx.Shape(), width(), height(), fx.CornerRadius()).contains(QPointF(x + 0.5, y + 0.5));
}

QSize TDsFancyButton::sizeHint() const
{
    return {97, 25};
}

void TDsFancyButton::repaintRequest()
{
    update();
}

TColor TDsFancyButton::controlColor() const
{
    const QWidget* host = parentWidget() != nullptr ? parentWidget() : this;
    return FromQRgb(host->palette().color(host->backgroundRole()).rgb());
}

void TDsFancyButton::raiseClick()
{
    Q_EMIT clicked(isChecked());
}

bool TDsFancyButton::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Shortcut:
        // The caption's "&" letter. The button takes no focus, so a letter shared with another control
        // clicks as well instead of moving the focus; a disabled button leaves the key to others.
        if (!isEnabled())
            return false;
        raiseClick();
        return true;
    case QEvent::ToolTipChange:
        // A hint, where there is one, is what a screen reader announces.
        if (accessibleName().isEmpty() || m_nameFromHint) {
            setAccessibleName(toolTip());
            m_nameFromHint = !toolTip().isEmpty();
        }
        break;
    default:
        break;
    }
    return QAbstractButton::event(event);
}

bool TDsFancyButton::hitButton(const QPoint& pos) const
{
    return InShape(pos.x(), pos.y());
}

void TDsFancyButton::trackPointer(const QPoint& pos)
{
    const bool inside = InShape(pos.x(), pos.y());
    const int state = inside ? gsHover : gsNormal;
    if (inside == m_hovering && state == m_glyphState)
        return;
    m_hovering = inside;
    m_glyphState = state;
    update();
}

void TDsFancyButton::mouseMoveEvent(QMouseEvent* event)
{
    // Qt's own handling is left out: it would press and click with the left button only.
    event->accept();
    if (!m_pressed)
        trackPointer(event->position().toPoint());
}

void TDsFancyButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_pressed)
        return;
    trackPointer(event->position().toPoint()); // a press may come without a move before it
    if (!m_hovering)
        return;
    m_pressed = true;
    m_glyphState = gsPressed;
    setDown(true);
    update();
}

void TDsFancyButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        event->ignore();
        return;
    }
    event->accept();
    const QPoint pos = event->position().toPoint();
    // Qt holds the pointer for the pressed button, so the release can land anywhere: only a press
    // and a release both inside the shape click.
    const bool click = m_pressed && InShape(pos.x(), pos.y());
    m_pressed = false;
    setDown(false);
    trackPointer(pos);
    update();
    // Last, with the button at rest: the handler may open a modal window or close this one.
    if (click)
        raiseClick();
}

void TDsFancyButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    m_glyphState = isEnabled() ? gsNormal : gsDisabled;
    m_hovering = false;
    m_pressed = false;
    setDown(false);
    update();
}

void TDsFancyButton::changeEvent(QEvent* event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    m_glyphState = isEnabled() ? gsNormal : gsDisabled;
    // A disabled button gets no release, so a press held across disabling must not click later.
    if (!isEnabled())
        m_pressed = false;
    update();
}

void TDsFancyButton::paintGradientFrame(QPainter& painter) const
{
    const TDsEffect& fx = *m_effects;
    const TColor face = m_hovering ? MixColors(fx.FaceColor(), clWhite, 12) : fx.FaceColor();
    for (int i = 0; i < fx.FrameWidth(); ++i)
        painter.fillPath(fancyRing(fx.Shape(), width(), height(), fx.CornerRadius(), i),
                         toQColor(frameRingColor(fx.FrameColor(), face, fx.FrameWidth(), i)));
}

void TDsFancyButton::paintHighlight(QPainter& painter) const
{
    const TDsEffect& fx = *m_effects;
    int rx = fx.CornerRadius();
    int ry = rx;
    if (fx.Shape() == btnOval) {
        rx = width() / 2;
        ry = height() / 2;
    } else if (fx.Shape() == btnCapsule) {
        rx = ry = std::min(width(), height()) / 2;
    }
    painter.setPen(toQColor(MixColors(fx.FrameColor(), clWhite, 65)));
    painter.setBrush(Qt::NoBrush);
    if (rx > 0 && ry > 0)
        painter.drawArc(QRect(2, 2, 2 * rx - 1, 2 * ry - 1), 90 * 16, 90 * 16); // the upper-left quarter
    drawOpenLine(painter, 2, ry + 1, 2, height() - ry - 1);
    drawOpenLine(painter, rx + 1, 2, width() - rx - 1, 2);
}

void TDsFancyButton::paintPressedFace(QPainter& painter) const
{
    const TDsEffect& fx = *m_effects;
    const QPainterPath face = fancyPressedFace(fx.Shape(), width(), height(), fx.CornerRadius());
    // Dark at the upper left, light at the lower right, face colour between: the face sinks in.
    painter.fillPath(face, toQColor(MixColors(fx.FaceColor(), fx.FrameColor(), 70)));
    painter.fillPath(face.translated(1, 1), toQColor(MixColors(fx.FaceColor(), fx.FrameColor(), 40)));
    painter.fillPath(face.translated(3, 3), toQColor(clBtnHighlight));
    painter.fillPath(face.translated(2, 2), toQColor(MixColors(fx.FaceColor(), fx.FrameColor(), 15)));
}

void TDsFancyButton::paintGlyph(QPainter& painter, bool pressed)
{
    const QImage strip = m_glyphs->Glyph().convertToFormat(QImage::Format_ARGB32);
    if (m_glyphState > m_glyphs->Number())
        m_glyphState = gsNormal;
    const int cell = m_glyphState - 1;
    const int gh = strip.height();
    if (gh <= 0)
        return;
    // The strip's bottom-left pixel names the colour that lets the face show through.
    const QImage image = ClearColorKey(strip.copy(cell * m_cellWidth, 0, m_cellWidth, gh), strip.pixel(0, gh - 1));
    const int shift = pressed ? 1 : 0;
    painter.drawImage(QPoint(m_layout.GlyphLeft + shift, m_layout.GlyphTop + shift), image);
}

void TDsFancyButton::paintCaption(QPainter& painter, bool pressed, QSize size) const
{
    const TTextStyle style = m_effects->TextStyle();
    const QRect box(QPoint(m_layout.CaptionLeft, m_layout.CaptionTop), size);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;

    QPoint reliefShift;
    TColor reliefColor = clBtnHighlight;
    switch (style) {
    case txNone:
        break;
    case txLowered:
        reliefShift = pressed ? QPoint(2, 2) : QPoint(1, 1);
        break;
    case txRaised:
        reliefShift = pressed ? QPoint(0, 0) : QPoint(-1, -1);
        break;
    case txShadowed:
        reliefShift = pressed ? QPoint(3, 3) : QPoint(2, 2);
        reliefColor = clBtnShadow;
        break;
    }
    if (style != txNone) {
        painter.setPen(toQColor(reliefColor));
        painter.drawText(box.translated(reliefShift), flags, text());
    }

    TColor color = m_fontColor;
    if (!isEnabled())
        color = style == txShadowed ? clBtnFace : clBtnShadow;
    else if (m_hovering && !pressed)
        color = m_effects->HoverColor();
    painter.setPen(toQColor(color));
    painter.drawText(pressed ? box.translated(1, 1) : box, flags, text());
}

void TDsFancyButton::paintEvent(QPaintEvent*)
{
    const TDsEffect& fx = *m_effects;
    const int w = width();
    const int h = height();
    // isDown() too: Qt's accessibility press shows the button sunk for a moment.
    const bool pressed = m_pressed || isDown();
    {
        QPainter painter(this);
        m_cellWidth = m_glyphs->CellWidth();
        painter.setFont(font());
        if (fx.FrameStyle() == fmGradient) {
            painter.fillPath(fancyShape(fx.Shape(), w, h, fx.CornerRadius()),
                             toQColor(MixColors(fx.FrameColor(), controlColor(), 80)));
            if (pressed) {
                paintPressedFace(painter);
            } else {
                paintGradientFrame(painter);
                paintHighlight(painter);
            }
        }
        // Measured as shown: without the "&" that marks the accelerator letter.
        const QSize caption(painter.fontMetrics().size(Qt::TextSingleLine | Qt::TextShowMnemonic, text()).width(),
                            painter.fontMetrics().height());
        m_layout = fancyLayout(m_glyphs->Layout(), w, h, m_cellWidth, m_glyphs->Glyph().height(), m_glyphs->Distance(),
                               caption.width(), caption.height());
        if (m_cellWidth > 0)
            paintGlyph(painter, pressed);
        paintCaption(painter, pressed, caption);
    }
    if (w > kMaxWidth || h > kMaxHeight)
        resize(std::min(w, kMaxWidth), std::min(h, kMaxHeight));
}

} // namespace horavine
