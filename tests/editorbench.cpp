#include "editorbench.h"

#include "checkbox3d.h"
#include "commandbutton3d.h"
#include "filelistbox.h"
#include "optionbutton3d.h"
#include "panel3d.h"
#include "runtime.h"
#include "vscrollbar.h"

#include <QDir>
#include <QImage>
#include <QTest>

namespace bench {

void EditorBench::addPicture(const QString &name, QRgb color) const
{
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(color);
    if (!picture.save(path(name), "BMP"))
        qFatal("cannot write %s", qPrintable(path(name)));
}

bool EditorBench::start()
{
    return !load() && show();
}

void EditorBench::run(const QStringList &steps)
{
    for (const QString &words : steps) {
        const QStringList parts = words.split(u' ');
        step(parts[0], parts.size() > 1 ? parts[1].toInt() : -1);
    }
}

void EditorBench::step(const QString &action, int number)
{
    zedoconf::Form2 &f = form();
    forms::FileListBox *list = f.File1;
    const auto entry = [&] { return list->visualItemRect(list->item(number)).center(); };
    const int arrow = f.VScroll1->width() / 2;
    if (action == u"up")
        click(f.VScroll1, QPoint(arrow, 2));
    else if (action == u"down")
        click(f.VScroll1, QPoint(arrow, f.VScroll1->height() - 3));
    else if (action == u"cell")
        click(f.Panel3D4[number]);
    else if (action == u"dblcell")
        doubleClick(f.Panel3D4[number]);
    else if (action == u"pen")
        click(f.Option3D2[number]);
    else if (action == u"tool")
        click(f.Option3D1[number]);
    else if (action == u"box")
        click(QList<QWidget *>{f.Check3D1, f.Check3D2, f.Check3D3}[number - 1]);
    else if (action == u"pick")
        click(list->viewport(), entry());
    else if (action == u"dblpick")
        doubleClick(list->viewport(), entry());
    else if (action == u"key")
        QTest::keyClick(list, Qt::Key_Down);
    else if (action == u"ok")
        click(f.Command3D1);
    else if (action == u"cancel")
        click(f.Command3D2);
    else
        qFatal("unknown step %s", qPrintable(action));
}

void click(QWidget *widget, QPoint at)
{
    if (at == QPoint(-1, -1))
        at = widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

void doubleClick(QWidget *widget, QPoint at)
{
    if (at == QPoint(-1, -1))
        at = widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace bench
