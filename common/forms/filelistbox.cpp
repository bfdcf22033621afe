// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/filelistbox.h"

#include "core/error.h"
#include "core/nameorder.h"
#include "forms/design.h"
#include "forms/scrollbar.h"

#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>

namespace forms {

FileListBox::FileListBox(const QString &pattern, QWidget *parent)
    : QListWidget(parent), m_path(QDir::currentPath()), m_pattern(pattern)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBar(new ScrollBar(Qt::Vertical));
    setHorizontalScrollBar(new ScrollBar(Qt::Horizontal));
    // The pattern ignores case, as on the system the pictures come from,
    // where "BILD.BMP" is a bitmap as much as "bild.bmp".
    QStringList names = QDir(m_path, QString(), QDir::Unsorted, QDir::Files).entryList();
    names.removeIf([&](const QString &name) { return !core::matchesPattern(name, pattern); });
    addItems(core::sortedByName(names));
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (!m_selectingByProgram)
            emit Click();
    });
    // The first press of a double click may have been refused and the
    // selection put back; the second then chooses nothing.
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        if (item == currentItem())
            emit DblClick();
    });
}

void FileListBox::setListIndex(int index)
{
    if (index < 0 || index >= count()) {
        const QString folder = QDir::toNativeSeparators(m_path);
        if (count() == 0)
            throw core::Error(QStringLiteral("Det finns ingen fil som passar mönstret %1 i mappen "
                                             "%2.")
                                  .arg(m_pattern, folder));
        throw core::Error(QStringLiteral("Det finns ingen fil nummer %1 bland de %2 filer som "
                                         "passar mönstret %3 i mappen %4.")
                              .arg(index + 1)
                              .arg(count())
                              .arg(m_pattern, folder));
    }
    const QScopedValueRollback guard(m_selectingByProgram, true);
    setCurrentRow(index);
}

// Below the last entry there is nothing to choose, and the chosen entry
// stays marked as chosen.
void FileListBox::mousePressEvent(QMouseEvent *event)
{
    if (!indexAt(event->position().toPoint()).isValid()) {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    QListWidget::mousePressEvent(event);
}

// The style marks the chosen entry alike with and without the focus.
void FileListBox::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    if (!hasFocus() || !currentItem())
        return;
    QPainter painter(viewport());
    drawFocusMark(painter, visualItemRect(currentItem()));
}

QString FileListBox::FileName() const
{
    const QListWidgetItem *item = currentItem();
    return item ? item->text() : QString();
}

} // namespace forms
