#include "app/qt/LabelAccessible.h"

#include "app/qt/LabelView.h"

namespace qtshell {

LabelAccessible::LabelAccessible(LabelView* view)
    : QAccessibleWidget(view, QAccessible::StaticText)
{
}

QString LabelAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return static_cast<const LabelView*>(widget())->caption();
    return QAccessibleWidget::text(t);
}

void LabelAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&LabelAccessible::create);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface* LabelAccessible::create(const QString& className, QObject* object)
{
    // The factory is asked once per class of the object's ancestry; answer
    // for the most derived one only.
    if (className != QLatin1String(LabelView::staticMetaObject.className()))
        return nullptr;
    if (auto* view = qobject_cast<LabelView*>(object))
        return new LabelAccessible(view);
    return nullptr;
}

} // namespace qtshell
