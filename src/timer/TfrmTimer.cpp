#include "timer/TfrmTimer.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QToolBar>
#include <QToolButton>

namespace horavine {

namespace {

enum class Glyph { Start, Pause, Stop };

// The three pictures are simple enough to draw: no image files to ship or lose.
QIcon GlyphIcon(Glyph glyph)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    switch (glyph) {
    case Glyph::Start: {
        QPainterPath path;
        path.moveTo(6, 4);
        path.lineTo(20, 12);
        path.lineTo(6, 20);
        path.closeSubpath();
        painter.setBrush(QColor(0x2E, 0x9E, 0x3C));
        painter.drawPath(path);
        break;
    }
    case Glyph::Pause:
        painter.setBrush(QColor(0x2F, 0x5F, 0xC0));
        painter.drawRect(QRectF(6, 5, 4, 14));
        painter.drawRect(QRectF(14, 5, 4, 14));
        break;
    case Glyph::Stop:
        painter.setBrush(QColor(0xC8, 0x30, 0x30));
        painter.drawRect(QRectF(5, 5, 14, 14));
        break;
    }
    return QIcon(pixmap);
}

QToolButton* MakeButton(QToolBar* bar, const char* name, const QString& hint, Glyph glyph)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setIcon(GlyphIcon(glyph));
    button->setIconSize(QSize(24, 24));
    button->setFixedSize(31, 30);
    button->setAutoRaise(true);
    return button;
}

} // namespace

TfrmTimer::TfrmTimer(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmTimer"));
    //: The timer toolbar's caption.
    setWindowTitle(tr("  Timer"));
    setModal(true);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setIconSize(QSize(24, 24));
    tbRun = MakeButton(ToolBar1, "tbRun", tr("Start"), Glyph::Start);
    tbPause = MakeButton(ToolBar1, "tbPause", tr("Pause"), Glyph::Pause);
    tbPause->setCheckable(true);
    tbStop = MakeButton(ToolBar1, "tbStop", tr("Stop"), Glyph::Stop);
    auto* indent = new QWidget(ToolBar1);
    indent->setFixedWidth(12);
    ToolBar1->addWidget(indent);
    ToolBar1->addWidget(tbRun);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(tbPause);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(tbStop);
    ToolBar1->addSeparator();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ToolBar1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TfrmTimer::Timer1Timer);
    connect(tbRun, &QToolButton::clicked, this, &TfrmTimer::tbRunClick);
    connect(tbStop, &QToolButton::clicked, this, &TfrmTimer::tbStopClick);
    connect(tbPause, &QToolButton::toggled, this, [this](bool down) { m_state.setPaused(down); });
}

TDateTime TfrmTimer::Elapsed() const
{
    return m_state.Elapsed();
}

void TfrmTimer::showEvent(QShowEvent* event)
{
    m_state.show();
    syncTimer();
    QDialog::showEvent(event);
}

void TfrmTimer::tbRunClick()
{
    m_state.start();
    syncTimer();
    tbPause->setChecked(m_state.paused());
}

void TfrmTimer::tbStopClick()
{
    m_state.stop();
    syncTimer();
    tbPause->setChecked(m_state.paused());
}

void TfrmTimer::Timer1Timer()
{
    m_state.tick();
}

// A start while running keeps the timer's rhythm: it is only started when it was off.
void TfrmTimer::syncTimer()
{
    if (m_state.running() && !Timer1.isActive())
        Timer1.start();
    else if (!m_state.running())
        Timer1.stop();
}

} // namespace horavine
