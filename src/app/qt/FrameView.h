#pragma once

// A caption-less frame: its inside filled with its BackColor, an etched
// border, and the widgets it contains as children, so they are placed
// relative to it and drawn only within it.

#include "app/Description.h"

#include <QColor>
#include <QWidget>

namespace qtshell {

class FrameView final : public QWidget {
    Q_OBJECT

public:
    FrameView(const app::WidgetDesc& desc, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_backColor;
};

} // namespace qtshell
