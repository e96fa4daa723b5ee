#pragma once

// A command button drawn by the toolkit in the system's button colours, its
// access key underlined, greyed when disabled, with a focus rectangle while
// it holds the focus.
//
// The frame owns everything a button does with the keyboard (access keys,
// Space and Enter, Tab) and decides where the focus is, so this button
// never takes the focus itself, has no shortcut of its own and ignores
// keys: the shell gives it the focus the frame chose and turns its mouse
// clicks into the frame's clicks.

#include "app/Widgets.h"

#include <QPushButton>

namespace qtshell {

class ButtonView final : public QPushButton, public app::WidgetView {
    Q_OBJECT

public:
    ButtonView(app::Button& button, QWidget* parent);
    ~ButtonView() override;

    void propertyChanged(app::Property property) override;

    // The button is being unloaded: stop reading it and stop clicking it.
    void detach();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void clickedByMouse();

    app::Button* m_button;
};

} // namespace qtshell
