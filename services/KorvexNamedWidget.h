#pragma once

#include <QString>

/// Gives a widget its object name and hands it back, so that a form names each widget where it
/// makes it (the program is also driven from outside, by object name).
template <typename Widget>
Widget* korvexNamed(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}
