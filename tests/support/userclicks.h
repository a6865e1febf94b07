// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QtTest>

// Picks items the way a user does: opening a drop-down and clicking an item
// of its popup, or clicking a line of a list box. Failures are reported
// through QtTest; check QTest::currentTestFailed() where it matters.
namespace UserClicks {

inline void pickComboItem(QComboBox *combo, int index)
{
    QVERIFY(index >= 0 && index < combo->count());
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(combo->currentIndex(), index);
}

inline void pickComboText(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(text));
    pickComboItem(combo, index);
}

inline void pickListRow(QListWidget *list, int row)
{
    QVERIFY(row >= 0 && row < list->count());
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace UserClicks
