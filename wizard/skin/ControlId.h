// Controls built from a template carry their id as a property, the way a
// dialog finds its child windows by id.
#pragma once

#include <QVariant>
#include <QWidget>

inline constexpr const char* kControlIdProperty = "controlId";
inline constexpr const char* kGroupStartProperty = "groupStart";

inline int ControlIdOf(const QWidget* control)
{
    const QVariant id = control->property(kControlIdProperty);
    return id.isValid() ? id.toInt() : 0;
}

inline void SetControlId(QWidget* control, int id)
{
    control->setProperty(kControlIdProperty, id);
}
