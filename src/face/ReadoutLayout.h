#pragma once

// The read-out's label laid out for painting, kept from one paint and one tick to the next.

#include "face/DigitalReadout.h"

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QList>
#include <QRawFont>
#include <QRect>
#include <QString>
#include <optional>

class QPainter;

namespace horavine {

// The label changes once a second and is painted more often than that (every exposure, every
// move of the marker underneath it); measuring and shaping it anew for each paint cost more than
// the rest of the tick together. So the glyphs are laid out once per label, font and resolution,
// and the box and the painting both use that one layout; and a new label is put together from
// the glyphs of its characters where the font allows it, without shaping it again.
class ReadoutLayout
{
public:
    // Lays the label out again when it, the font or the resolution (logical dots per inch, as
    // the painter's device has it) changed since the last call. Needs a QGuiApplication (fonts);
    // without one nothing is laid out and the box is empty.
    void prepare(const DigitalReadout& readout, int dpiY);
    int dpiY() const { return m_dpiY; } // 0 before the first prepare

    // The box's pixels (frame included) on a surface of that size, for the prepared label.
    QRect box(const DigitalReadout& readout, QSize surface) const;
    // What painting covers: the box and any part of a glyph that stands out of it.
    QRect bounds(const DigitalReadout& readout, QSize surface) const;
    // What each character's glyph covers, one area per character of the label; empty when the
    // label had to be shaped whole (its glyphs are then not the characters' own).
    QList<QRect> characterBounds(const DigitalReadout& readout, QSize surface) const;
    // The box, then the label centred in it.
    void paint(QPainter& painter, const DigitalReadout& readout, QSize surface) const;

private:
    struct Character
    {
        quint32 index = 0; // the glyph
        qreal advance = 0;
        QRectF ink; // the glyph's outline, drawn at the layout's origin
    };

    QPointF glyphOrigin(const QRect& box) const;
    bool layOutFromCharacters(const QString& label, qreal& advance);
    std::optional<Character> character(QChar c); // none when it cannot stand alone
    bool plainPair(QChar first, QChar second); // shaped side by side, neither kerned nor joined
    void learnPairs(const QString& label); // many pairs in one shaping

    struct Key
    {
        QString label;
        QString fontName;
        int fontSize = 0;
        int dpiY = 0;
        bool operator==(const Key&) const = default;
    };

    Key m_key;
    bool m_prepared = false;
    int m_dpiY = 0;
    QFont m_font;
    QImage m_device; // stands for a device of that resolution when laying out without one
    // What the font does with each character and each pair of neighbours met so far.
    QHash<char16_t, std::optional<Character>> m_characters;
    QHash<quint32, bool> m_pairs;
    QString m_learnt; // characters whose pairs learnPairs has shaped
    QRawFont m_rawFont; // the font of every character in m_characters
    qreal m_characterAscent = 0;
    QList<QGlyphRun> m_glyphs;
    qreal m_lineAscent = 0; // where the glyphs' baseline lies below the layout's top
    QRectF m_ink; // the glyphs' outlines, from the layout's top-left corner
    QList<QRectF> m_characterInk; // each character's outline, when laid out from characters
    int m_labelWidth = 0; // horizontalAdvance of the label
    int m_wWidth = 0; // of "W", the box's margin
    int m_height = 0; // one line
    int m_ascent = 0;
};

} // namespace horavine
