#include "zedobench.h"

#include "colortable.h"
#include "printing.h"
#include "runtime.h"

#include <QDir>
#include <QPainter>
#include <QTest>

namespace bench {

QImage testPage()
{
    QImage page(300, 400, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setPen(Qt::black);
    for (const QRect &square : {SquareA, SquareB})
        painter.drawRect(square.adjusted(0, 0, -1, -1));
    return page;
}

QRgb rgbOf(int index)
{
    return core::toRgb(core::QBColor(index));
}

QStringList settings(const QList<int> &colors, int penWidth, int startInFillMode, int showQuit,
                     int showPrint, int showToolToggle, const QString &picture)
{
    QStringList values{'"' + picture + '"', QString::number(colors.size())};
    for (int color : colors)
        values << QString::number(color);
    for (int value : {penWidth, startInFillMode, showQuit, showPrint, showToolToggle})
        values << QString::number(value);
    return values;
}

ZedoBench::ZedoBench() : m_previousDir(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
    testPage().save(path(PageName));
    forms::setErrorHandler([this](const QString &message) { errors << message; });
    forms::setEndHandler([this] { ++ends; });
    forms::setMessageHandler([this](const QString &message) { messages << message; });
    setNoPrinter();
}

ZedoBench::~ZedoBench()
{
    m_form.reset();
    const auto unexpected = [](const QString &message) {
        qWarning("after the test: %s", qPrintable(message));
    };
    forms::setErrorHandler(unexpected);
    forms::setMessageHandler(unexpected);
    forms::setEndHandler([] { qWarning("after the test: End"); });
    setNoPrinter();
    QDir::setCurrent(m_previousDir);
}

// A test that prints chooses its own printer; no other reaches a real one.
void ZedoBench::setNoPrinter()
{
    forms::setPrinterSource([] { return forms::printerFor(QPrinterInfo()); });
}

QString ZedoBench::path(const QString &name) const
{
    return m_dir.filePath(name);
}

void ZedoBench::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
}

void ZedoBench::writeSettings(const QStringList &values) const
{
    write(QStringLiteral("zedo.ini"), values.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
}

std::optional<QString> ZedoBench::load()
{
    m_form = std::make_unique<zedo::Form1>();
    try {
        m_form->Form_Load();
    } catch (const core::Error &error) {
        return error.message();
    }
    return std::nullopt;
}

bool ZedoBench::show()
{
    m_form->show();
    return QTest::qWaitForWindowExposed(m_form.get());
}

bool ZedoBench::start(const QStringList &values)
{
    writeSettings(values);
    if (const auto failure = load()) {
        qWarning("load failed: %s", qPrintable(*failure));
        return false;
    }
    return show();
}

} // namespace bench
