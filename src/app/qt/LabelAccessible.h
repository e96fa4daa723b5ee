#pragma once

// How assistive technology reads a label: static text whose name is the
// current caption. The name is asked for when it is needed, so caption
// writes in a burst cost nothing extra.

#include <QAccessibleWidget>

namespace qtshell {

class LabelView;

class LabelAccessible final : public QAccessibleWidget {
public:
    explicit LabelAccessible(LabelView* view);

    QString text(QAccessible::Text t) const override;

    // Registers the factory that gives every label view this interface;
    // safe to call more than once.
    static void install();

private:
    static QAccessibleInterface* create(const QString& className, QObject* object);
};

} // namespace qtshell
