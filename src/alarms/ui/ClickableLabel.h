#pragma once

#include <QLabel>

namespace horavine {

// A picture or text that does something when clicked. Screen readers see it as a picture or a text
// with a press action, so the click is theirs too.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace horavine
