// SPDX-License-Identifier: MIT
#include "UserInput.h"

#include <QListWidget>
#include <QTest>

namespace UserInput {

void typeText(QWidget *widget, const QString &text)
{
    for (const char32_t codePoint : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown,
                            QString::fromUcs4(&codePoint, 1), Qt::NoModifier);
}

void clickRow(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

} // namespace UserInput
