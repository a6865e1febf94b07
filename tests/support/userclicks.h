#pragma once

#include <QString>

class QComboBox;
class QListWidget;

// Picks items the way a user does: opening a drop-down and clicking an item
// of its popup, or clicking a line of a list box. Failures are reported
// through QtTest; check QTest::currentTestFailed() where it matters.
namespace UserClicks {

void pickComboItem(QComboBox *combo, int index);
void pickComboText(QComboBox *combo, const QString &text);
void pickListRow(QListWidget *list, int row);

} // namespace UserClicks
