#pragma once

#include <QString>

namespace lccd {

// Gives a new control the name its window knows it by (tests find controls by that name).
template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace lccd
