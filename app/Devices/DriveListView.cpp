#include "DriveListView.h"

#include "HardDiskAndFolderSelectDelegate.h"

QModelIndex DriveListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex start = currentIndex();
    QModelIndex next = XListView::moveCursor(action, modifiers);
    if (!next.isValid() || !HardDiskAndFolderSelectDelegate::isHeader(next))
        return next;
    // Keep going the same way past the header; a move that only finds headers stays put.
    const bool forward = action == MoveDown || action == MoveRight || action == MoveNext || action == MovePageDown
                         || action == MoveEnd;
    const int rows = model()->rowCount(next.parent());
    for (int row = next.row(); row >= 0 && row < rows; row += forward ? 1 : -1) {
        const QModelIndex candidate = model()->index(row, 0, next.parent());
        if (!HardDiskAndFolderSelectDelegate::isHeader(candidate))
            return candidate;
    }
    return start;
}
