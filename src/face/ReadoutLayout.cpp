#include "face/ReadoutLayout.h"

#include "face/FaceColors.h"
#include "face/FaceUnits.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QTextLayout>

namespace horavine {

namespace {

constexpr int kCornerSize = 16; // the rounded box's corner ellipses, pixels

int FloorDiv2(int value)
{
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

} // namespace

namespace {

// One line of text as Qt shapes it.
struct ShapedLine
{
    QList<QGlyphRun> runs;
    qreal advance = 0;
    qreal ascent = 0;
};

ShapedLine Shape(const QString& text, const QFont& font, QPaintDevice* device)
{
    QTextLayout layout(text, font, device);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    ShapedLine shaped;
    if (line.isValid()) {
        shaped.runs = layout.glyphRuns();
        // What QFontMetricsF::horizontalAdvance gives for the same text.
        shaped.advance = line.horizontalAdvance();
        shaped.ascent = line.ascent();
    }
    return shaped;
}

// Two neighbours, as the pairs are known by.
quint32 PairKey(QChar first, QChar second)
{
    return (quint32(first.unicode()) << 16) | second.unicode();
}

// A text in which every ordered pair of the alphabet's characters stands side by side exactly
// once (a de Bruijn sequence of order 2, closed into a line): n * n + 1 characters.
QString EveryPairOnce(const QString& alphabet)
{
    const int n = int(alphabet.size());
    QString text;
    if (n == 0)
        return text;
    text.reserve(n * n + 1);
    // The Lyndon words of length 1 and 2 in order, concatenated.
    for (int first = 0; first < n; ++first) {
        text.append(alphabet.at(first));
        for (int second = first + 1; second < n; ++second) {
            text.append(alphabet.at(first));
            text.append(alphabet.at(second));
        }
    }
    text.append(alphabet.at(0));
    return text;
}

} // namespace

void ReadoutLayout::prepare(const DigitalReadout& readout, int dpiY)
{
    if (qGuiApp == nullptr)
        return;
    Key key{readout.Label, readout.FontName, readout.FontSize, dpiY};
    if (m_prepared && key == m_key)
        return;
    const bool sameFont
        = m_prepared && key.fontName == m_key.fontName && key.fontSize == m_key.fontSize && key.dpiY == m_key.dpiY;
    if (!sameFont) {
        m_font = readout.font();
        // A QImage reports its resolution from its dots per metre; this one stands for any device
        // of that logical resolution, which is all that decides the font's pixel size.
        m_device = QImage(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(dpiY / 0.0254);
        m_device.setDotsPerMeterX(dotsPerMetre);
        m_device.setDotsPerMeterY(dotsPerMetre);
        const QFontMetrics metrics(m_font, &m_device);
        m_wWidth = metrics.horizontalAdvance(QLatin1Char('W'));
        m_height = metrics.height();
        m_ascent = metrics.ascent();
        m_characters.clear();
        m_pairs.clear();
        m_learnt.clear();
        m_rawFont = QRawFont();
    }

    qreal advance = 0;
    if (!layOutFromCharacters(readout.Label, advance)) {
        const ShapedLine line = Shape(readout.Label, m_font, &m_device);
        m_glyphs = line.runs;
        m_lineAscent = line.ascent;
        advance = line.advance;
        m_ink = QRectF();
        m_characterInk.clear();
        for (const QGlyphRun& run : m_glyphs)
            m_ink |= run.boundingRect();
    }
    // Rounded once, as QFontMetrics::horizontalAdvance rounds the sum of the advances.
    m_labelWidth = qRound(advance);
    m_key = std::move(key);
    m_dpiY = dpiY;
    m_prepared = true;
}

// A label differs from the one a second before in a character or two, and a clock's labels are
// made of a dozen characters. Each character is shaped once, each pair of neighbours once to see
// that the font neither kerns nor joins them; a label made only of such pairs is the characters'
// glyphs side by side, exactly as shaping the whole label would place them.
bool ReadoutLayout::layOutFromCharacters(const QString& label, qreal& advance)
{
    if (label.isEmpty())
        return false;
    for (const QChar c : label) {
        if (!m_learnt.contains(c)) {
            learnPairs(label);
            break;
        }
    }
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(label.size());
    positions.reserve(label.size());
    qreal x = 0;
    QRectF ink;
    QList<QRectF> characterInk;
    characterInk.reserve(label.size());
    for (qsizetype i = 0; i < label.size(); ++i) {
        const std::optional<Character> glyph = character(label.at(i));
        if (!glyph || (i > 0 && !plainPair(label.at(i - 1), label.at(i))))
            return false;
        indexes.append(glyph->index);
        positions.append(QPointF(x, m_characterAscent));
        // The outlines too: working them out from the font each second would load every glyph.
        characterInk.append(glyph->ink.translated(x, 0));
        ink |= characterInk.back();
        x += glyph->advance;
    }
    QGlyphRun run;
    run.setRawFont(m_rawFont);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    m_glyphs = {run};
    m_lineAscent = m_characterAscent;
    m_ink = ink;
    m_characterInk = std::move(characterInk);
    advance = x;
    return true;
}

std::optional<ReadoutLayout::Character> ReadoutLayout::character(QChar c)
{
    const auto known = m_characters.constFind(c.unicode());
    if (known != m_characters.cend())
        return *known;
    std::optional<Character> result;
    // Printable ASCII only: beyond it marks combine with their neighbours and scripts reorder.
    const ShapedLine line
        = c.unicode() >= 0x20 && c.unicode() < 0x7F ? Shape(QString(c), m_font, &m_device) : ShapedLine();
    if (line.runs.size() == 1 && line.runs[0].glyphIndexes().size() == 1) {
        const QGlyphRun& run = line.runs[0];
        // All from one font, or the glyphs of a fallback font would be drawn in the wrong one.
        if (m_rawFont.isValid() ? run.rawFont() == m_rawFont && line.ascent == m_characterAscent : true) {
            if (!m_rawFont.isValid()) {
                m_rawFont = run.rawFont();
                m_characterAscent = line.ascent;
            }
            result = Character{run.glyphIndexes()[0], line.advance, run.boundingRect()};
        }
    }
    m_characters.insert(c.unicode(), result);
    return result;
}

// Shaping a pair costs about as much as shaping a line; a clock meets its labels' pairs over its
// first minutes, a new pair or two each second. Every pair of the digits and of this label's
// characters is shaped at once instead, in one line where each pair stands once. A pair that
// line shows kerned (or next to a kerned one), or a line the font joins, is left to plainPair.
void ReadoutLayout::learnPairs(const QString& label)
{
    QString alphabet;
    for (const QChar c : QStringLiteral("0123456789") + m_learnt + label) {
        if (!alphabet.contains(c) && character(c))
            alphabet.append(c);
    }
    // Once per new character: the pairs this line leaves open are decided by plainPair.
    m_learnt += label;
    const QString text = EveryPairOnce(alphabet);
    if (text.size() < 2)
        return;
    const ShapedLine line = Shape(text, m_font, &m_device);
    if (line.runs.size() != 1 || line.runs[0].rawFont() != m_rawFont)
        return;
    const QList<quint32> indexes = line.runs[0].glyphIndexes();
    const QList<QPointF> positions = line.runs[0].positions();
    if (indexes.size() != text.size() || positions.size() != text.size())
        return;
    // Where a glyph stands after the one before it, and where the line ends after the last.
    const auto advanceAt = [&](qsizetype i) {
        return (i + 1 < positions.size() ? positions[i + 1].x() : line.advance) - positions[i].x();
    };
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const Character a = *character(text.at(i));
        const Character b = *character(text.at(i + 1));
        // Kerning may move either glyph of a pair: only a pair whose both glyphs keep their own
        // advance here is known plain; any other is left to plainPair.
        if (indexes[i] == a.index && indexes[i + 1] == b.index && advanceAt(i) == a.advance
            && advanceAt(i + 1) == b.advance)
            m_pairs.insert(PairKey(text.at(i), text.at(i + 1)), true);
    }
}

bool ReadoutLayout::plainPair(QChar first, QChar second)
{
    const quint32 key = PairKey(first, second);
    const auto known = m_pairs.constFind(key);
    if (known != m_pairs.cend())
        return *known;
    const std::optional<Character> a = character(first);
    const std::optional<Character> b = character(second);
    bool plain = false;
    if (a && b) {
        const ShapedLine line = Shape(QString(first) + second, m_font, &m_device);
        if (line.runs.size() == 1 && line.runs[0].rawFont() == m_rawFont) {
            const QList<quint32> indexes = line.runs[0].glyphIndexes();
            const QList<QPointF> positions = line.runs[0].positions();
            plain = indexes == QList<quint32>{a->index, b->index} && positions.size() == 2 && positions[0].x() == 0
                && positions[1].x() == a->advance && line.advance == a->advance + b->advance;
        }
    }
    m_pairs.insert(key, plain);
    return plain;
}

QRect ReadoutLayout::box(const DigitalReadout& readout, QSize surface) const
{
    if (!m_prepared)
        return QRect();
    const int px = FaceUnitColumn(0.0, surface.width());
    const int py = FaceUnitRow(readout.Y, surface.height());
    const int width = m_labelWidth + m_wWidth + 2;
    const int height = m_height + 2; // one line and the frame above and below
    const int left = px - FloorDiv2(width);
    const int top = py - height + 1 - readout.ArrowLength;
    return QRect(left, top, width, height);
}

QPointF ReadoutLayout::glyphOrigin(const QRect& box) const
{
    // Centred on (left + 2 + right) / 2, right being the first column past the box; the glyph
    // positions are the layout's, its first baseline m_lineAscent below its top.
    const int centre = FloorDiv2(box.left() + 2 + box.left() + box.width());
    const int textLeft = centre - FloorDiv2(m_labelWidth);
    const int baseline = box.top() + 1 + m_ascent;
    return QPointF(textLeft, baseline - m_lineAscent);
}

QRect ReadoutLayout::bounds(const DigitalReadout& readout, QSize surface) const
{
    const QRect box = this->box(readout, surface);
    if (m_ink.isEmpty())
        return box;
    // A pixel more round the ink for the rasteriser's rounding and antialiasing.
    return box | m_ink.translated(glyphOrigin(box)).toAlignedRect().adjusted(-1, -1, 1, 1);
}

QList<QRect> ReadoutLayout::characterBounds(const DigitalReadout& readout, QSize surface) const
{
    QList<QRect> areas;
    if (!m_prepared)
        return areas;
    const QPointF origin = glyphOrigin(box(readout, surface));
    areas.reserve(m_characterInk.size());
    for (const QRectF& ink : m_characterInk)
        areas.append(ink.isEmpty() ? QRect() : ink.translated(origin).toAlignedRect().adjusted(-1, -1, 1, 1));
    return areas;
}

void ReadoutLayout::paint(QPainter& painter, const DigitalReadout& readout, QSize surface) const
{
    if (!m_prepared)
        return;
    const QRect box = this->box(readout, surface);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(ToQRgb(readout.FrameColor)), 0));
    painter.setBrush(QColor(ToQRgb(readout.FillColor)));
    // A stroked rectangle covers one pixel more than its size each way; this one covers the box.
    const QRect outline(box.left(), box.top(), box.width() - 1, box.height() - 1);
    if (readout.ShapeStyle == fosRoundRectangle)
        painter.drawRoundedRect(outline, kCornerSize / 2, kCornerSize / 2);
    else
        painter.drawRect(outline);

    painter.setPen(QColor(ToQRgb(readout.FontColor)));
    const QPointF origin = glyphOrigin(box);
    for (const QGlyphRun& run : m_glyphs)
        painter.drawGlyphRun(origin, run);
}

} // namespace horavine
