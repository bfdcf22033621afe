// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedoimport/form2.h"

#include "forms/commandbutton3d.h"
#include "forms/design.h"
#include "forms/label.h"
#include "zedoimport/designparts.h"
#include "zedoimport/pagethumbnails.h"

#include <QListView>

namespace zedoimport {

using design::SansSerif;
using forms::place;

Form2::Form2(const QByteArray &pdf, int current, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Välj sida"));
    setFont(forms::designFont(SansSerif, 8.25, true));
    forms::setBackColor(this, forms::colors::lightYellow);
    forms::placeCentred(this, QSize(9615, 7830));
    Label1 =
        design::caption(this, QStringLiteral("Klicka på sidan du vill göra en målarbild av."), 12);
    place(Label1, 240, 120, 9135, 330);
    // Pages of one size in a grid: the view asks only for the pictures it
    // shows, so only those are drawn.
    m_pages = new PageThumbnails(pdf, this);
    List1 = new QListView(this);
    List1->setViewMode(QListView::IconMode);
    List1->setMovement(QListView::Static);
    List1->setResizeMode(QListView::Adjust);
    List1->setUniformItemSizes(true);
    List1->setIconSize(PageThumbnails::Room);
    List1->setGridSize(PageThumbnails::Room + QSize(24, 36));
    List1->setFont(forms::designFont(SansSerif, 12, false));
    List1->setModel(m_pages);
    List1->setCurrentIndex(m_pages->index(current - 1));
    place(List1, 240, 570, 9135, 6285);
    Command3D1 = design::command(this, QStringLiteral("Avbryt"));
    place(Command3D1, 7740, 7035, 1635, 600);
    // A click chooses, and so does Return on the page picked with the
    // arrow keys.
    connect(List1, &QListView::clicked, this, &Form2::List1_Click);
    connect(List1, &QListView::activated, this, &Form2::List1_Click);
    connect(Command3D1, &forms::CommandButton3D::Click, this, &Form2::Command3D1_Click);
}

void Form2::List1_Click(const QModelIndex &index)
{
    // Where a click also activates, the page is chosen once.
    if (!isVisible())
        return;
    emit PageChosen(index.row() + 1);
    accept();
}

void Form2::Command3D1_Click()
{
    reject();
}

} // namespace zedoimport
