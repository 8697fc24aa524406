// SPDX-License-Identifier: MIT
#include "controls/Accessibility.h"

#include "controls/AccessibleButton.h"
#include "controls/LabelButton.h"
#include "controls/PictureButton.h"

#include <QAccessibleWidget>

namespace {

// Qt asks once per class of the object, the most derived first, and this
// before its own description of Qt's classes.
QAccessibleInterface *describe(const QString &className, QObject *object)
{
    if (className == u"LabelButton") {
        auto *const button = qobject_cast<LabelButton *>(object);
        return new AccessibleButton(button, [button] { Q_EMIT button->clicked(); });
    }
    if (className == u"PictureButton") {
        auto *const button = qobject_cast<PictureButton *>(object);
        return new AccessibleButton(button, [button] { Q_EMIT button->clicked(); });
    }
    if (className == u"Picture")
        return new QAccessibleWidget(qobject_cast<Picture *>(object), QAccessible::Graphic);
    // Reached only by classes Qt has no description of, such as the windows.
    auto *const widget = qobject_cast<QWidget *>(object);
    if (widget && className == u"QWidget" && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

namespace Accessibility {

void install()
{
    QAccessible::installFactory(describe);
}

} // namespace Accessibility
