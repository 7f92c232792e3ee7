#include "designer/TGalleryThumbnail.h"

#include <QPainter>

namespace horavine {

TGalleryThumbnail::TGalleryThumbnail(const QImage& picture, const QString& name, const QString& skinPath,
                                     QWidget* parent)
    : QAbstractButton(parent)
    , m_picture(QPixmap::fromImage(picture))
    , m_skinPath(skinPath)
{
    setToolTip(name);
    setAccessibleName(name);
    // A click loads the skin; it should not pull the keyboard away from the tabs.
    setFocusPolicy(Qt::NoFocus);
}

QSize TGalleryThumbnail::sizeHint() const
{
    return m_picture.size();
}

void TGalleryThumbnail::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

} // namespace horavine
