#include "app/qt/FrameView.h"

#include "app/qt/Colors.h"

#include <QPainter>

namespace qtshell {

FrameView::FrameView(const app::WidgetDesc& desc, QWidget* parent)
    : QWidget(parent)
    , m_backColor(toQColor(desc.backColor))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::NoFocus);
}

void FrameView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    // An etched line: a light rectangle one pixel below and to the right of
    // a dark one, the dark one drawn last so that it stays whole.
    const QRect outline = rect().adjusted(0, 0, -2, -2);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(outline.translated(1, 1));
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 0));
    painter.drawRect(outline);
}

} // namespace qtshell
