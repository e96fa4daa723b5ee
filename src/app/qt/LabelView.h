#pragma once

// A label as the player sees it: its rectangle filled with BackColor, an
// optional single-line border and the caption, aligned left, right or
// centred at the top, wrapped at word boundaries and cut off at the edges.
//
// The view reads the label's current values when it paints, so a property
// write only marks it dirty: a handler that recolours 36 key caps costs 36
// cheap calls, and the toolkit paints them together once the handler has
// returned.

#include "app/Widgets.h"

#include <QString>
#include <QWidget>

namespace qtshell {

class LabelView final : public QWidget, public app::WidgetView {
    Q_OBJECT

public:
    LabelView(app::Label& label, QWidget* parent);
    ~LabelView() override;

    void propertyChanged(app::Property property) override;

    // The label is being unloaded: stop reading it. The view itself lives on
    // until its window is deleted.
    void detach();

    // The caption shown, empty once detached.
    QString caption() const;
    QColor backColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    app::Label* m_label;
    Qt::Alignment m_alignment;
    bool m_border;
    bool m_pressed = false;
};

} // namespace qtshell
