#pragma once

// A label as the player sees it: its rectangle filled with BackColor, an
// optional single-line border and the caption, aligned left, right or
// centred at the top, wrapped at word boundaries and cut off at the edges.
//
// The view reads the label's current values when it paints, so a property
// write only asks for a repaint: a handler that recolours 36 key caps costs
// 36 cheap calls, and the throttle has them painted together once the
// handler has returned, at most once a display frame.

#include "app/Widgets.h"
#include "app/qt/RepaintThrottle.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <string>

namespace qtshell {

class LabelView final : public QWidget, public app::WidgetView {
    Q_OBJECT

public:
    LabelView(app::Label& label, QWidget* parent, RepaintThrottle& repaints);
    ~LabelView() override;

    void propertyChanged(app::Property property) override;

    // The label is being unloaded: stop reading it. The view itself lives on
    // until its window is deleted.
    void detach();

    // The caption shown, empty once detached.
    QString caption() const;
    QColor backColor() const;

    // From the throttle: repaints unless the last paint already showed the
    // current values, as it does for most key caps of the keyboard window,
    // which turn red and back within one frame while targets are drawn.
    void repaintIfChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void requestRepaint();

    app::Label* m_label;
    RepaintThrottle& m_repaints;
    Qt::Alignment m_alignment;
    bool m_border;
    bool m_pressed = false;
    bool m_repaintRequested = false;

    struct Shown {
        std::string caption;
        app::Color backColor;
        bool operator==(const Shown&) const = default;
    };
    std::optional<Shown> shownNow() const;
    std::optional<Shown> m_painted;
};

} // namespace qtshell
