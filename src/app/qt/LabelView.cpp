#include "app/qt/LabelView.h"

#include "app/Application.h"
#include "app/Screen.h"
#include "app/qt/CaptionLayout.h"
#include "app/qt/Colors.h"
#include "app/qt/Fonts.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace qtshell {

namespace {

Qt::Alignment alignmentOf(app::Align align)
{
    switch (align) {
    case app::Align::Right: return Qt::AlignRight | Qt::AlignTop;
    case app::Align::Center: return Qt::AlignHCenter | Qt::AlignTop;
    case app::Align::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

} // namespace

LabelView::LabelView(app::Label& label, QWidget* parent, RepaintThrottle& repaints)
    : QWidget(parent)
    , m_label(&label)
    , m_repaints(repaints)
    , m_alignment(alignmentOf(label.desc().align))
    , m_border(label.desc().border == app::Border::Single)
{
    const app::WidgetDesc& desc = label.desc();
    if (desc.fontSize != app::kDefaultFont)
        setFont(designFont(desc.fontSize));
    // Everything inside the rectangle is painted here, every time.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::NoFocus);
    setVisible(label.visible());
    label.setView(this);
}

LabelView::~LabelView()
{
    detach();
}

void LabelView::detach()
{
    if (m_label)
        m_label->setView(nullptr);
    m_label = nullptr;
}

QString LabelView::caption() const
{
    if (!m_label)
        return {};
    const std::string& text = m_label->caption();
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor LabelView::backColor() const
{
    return toQColor(m_label ? m_label->backColor() : app::kButtonFace);
}

std::optional<LabelView::Shown> LabelView::shownNow() const
{
    if (!m_label)
        return std::nullopt;
    return Shown{m_label->caption(), m_label->backColor()};
}

void LabelView::requestRepaint()
{
    // The toolkit paints a view in full when it is shown.
    if (m_repaintRequested || !isVisible())
        return;
    m_repaintRequested = true;
    m_repaints.request(*this);
}

void LabelView::repaintIfChanged()
{
    m_repaintRequested = false;
    if (m_painted && m_painted == shownNow())
        return;
    update();
}

void LabelView::propertyChanged(app::Property property)
{
    switch (property) {
    case app::Property::Caption:
        // Only assistive technology that is listening pays for the news.
        if (QAccessible::isActive()) {
            QAccessibleEvent event(this, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
        requestRepaint();
        break;
    case app::Property::BackColor:
        requestRepaint();
        break;
    case app::Property::Visible:
        setVisible(m_label && m_label->visible());
        break;
    case app::Property::Enabled:
        break;
    }
}

void LabelView::paintEvent(QPaintEvent*)
{
    m_painted = shownNow();
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    QRect textArea = rect();
    if (m_border) {
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        textArea.adjust(1, 1, -1, -1);
    }
    painter.setPen(Qt::black);
    // Line by line from the top, each aligned on its own; the painter clips
    // whatever runs past the rectangle.
    painter.setClipRect(textArea);
    const QFontMetrics metrics = fontMetrics();
    QRect line(textArea.left(), textArea.top(), textArea.width(), metrics.height());
    for (const QString& text : captionLines(caption(), metrics, textArea.width())) {
        if (line.top() > textArea.bottom())
            break;
        painter.drawText(line, static_cast<int>(m_alignment | Qt::AlignTop) | Qt::TextSingleLine, text);
        line.translate(0, metrics.height());
    }
}

void LabelView::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LabelView::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    // The handler may unload this label's screen; nothing here runs after it.
    if (click && m_label)
        m_label->screen().application().click(*m_label);
}

} // namespace qtshell
