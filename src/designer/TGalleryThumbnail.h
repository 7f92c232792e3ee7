#pragma once

// One preview in the gallery grid: a button that paints its picture stretched over itself. A button, so that
// screen readers find it by the skin's name and can press it.

#include <QAbstractButton>
#include <QPixmap>

namespace horavine {

class TGalleryThumbnail : public QAbstractButton
{
    Q_OBJECT
public:
    // name: the skin's base name, the hint and the accessible name; skinPath: the file a click loads.
    TGalleryThumbnail(const QImage& picture, const QString& name, const QString& skinPath, QWidget* parent);

    QString skinName() const { return toolTip(); }
    const QString& skinPath() const { return m_skinPath; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QString m_skinPath;
};

} // namespace horavine
