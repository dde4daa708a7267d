// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "referencepages.h"

#include <QAbstractScrollArea>
#include <QScrollArea>
#include <QTest>

void ShowPage(TForm1 &form, PagePath path)
{
    form.PageControl1->SetTabIndex(path.outer);
    TabSet *const galleries[] = {form.PageControl2, form.PageControl3, form.PageControl4};
    if (path.inner >= 0 && path.outer >= 1 && path.outer <= 3)
        galleries[path.outer - 1]->SetTabIndex(path.inner);
    QCoreApplication::processEvents();  // scroll bars follow their content through events
}

QRect PlacementIn(const QWidget *control, const QWidget *holder)
{
    if (const auto *box = qobject_cast<const QScrollArea *>(holder))
        holder = box->widget();
    return {control->mapTo(holder, QPoint(0, 0)), control->size()};
}

QImage Seen(QWidget *control, const QRect &rect)
{
    return control->grab(rect).toImage().convertToFormat(QImage::Format_RGB32);
}

::testing::AssertionResult SamePixels(const QImage &seen, const QImage &expected)
{
    if (seen.size() != expected.size())
        return ::testing::AssertionFailure() << "size " << seen.width() << 'x' << seen.height()
                                             << ", expected " << expected.width() << 'x'
                                             << expected.height();
    const QImage a = seen.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return ::testing::AssertionFailure()
                       << "first difference at " << x << ',' << y << ": "
                       << QColor(a.pixel(x, y)).name().toStdString() << " instead of "
                       << QColor(b.pixel(x, y)).name().toStdString();
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult AllOfColour(const QImage &image, const QRect &rect, const QColor &colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (QColor(image.pixel(x, y)).rgb() != colour.rgb())
                return ::testing::AssertionFailure()
                       << QColor(image.pixel(x, y)).name().toStdString() << " at " << x << ','
                       << y << " instead of " << colour.name().toStdString();
        }
    }
    return ::testing::AssertionSuccess();
}
