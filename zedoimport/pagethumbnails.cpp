#include "zedoimport/pagethumbnails.h"

#include <QDateTime>
#include <QPainter>

#include <poppler-qt6.h>

namespace zedoimport {

namespace {

// A page that takes longer than this to draw small is shown blank.
constexpr qint64 MaxMilliseconds = 2'000;

bool pastDeadline(const QVariant &deadline)
{
    return QDateTime::currentMSecsSinceEpoch() > deadline.toLongLong();
}

} // namespace

PageThumbnails::PageThumbnails(const QByteArray &pdf, QObject *parent)
    : QAbstractListModel(parent), m_document(Poppler::Document::loadFromData(pdf))
{
    if (m_document && m_document->isLocked())
        m_document.reset();
    if (m_document)
        m_document->setRenderHint(Poppler::Document::Antialiasing);
}

PageThumbnails::~PageThumbnails() = default;

int PageThumbnails::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_document ? 0 : m_document->numPages();
}

QVariant PageThumbnails::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return QString::number(index.row() + 1);
    if (role != Qt::DecorationRole)
        return {};
    auto drawn = m_drawn.find(index.row());
    if (drawn == m_drawn.end())
        drawn = m_drawn.insert(index.row(), draw(index.row()));
    return *drawn;
}

QImage PageThumbnails::draw(int page) const
{
    QImage thumbnail(Room, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    const std::unique_ptr<Poppler::Page> pdfPage(m_document ? m_document->page(page) : nullptr);
    const QSizeF points = pdfPage ? pdfPage->pageSizeF() : QSizeF();
    if (points.isEmpty())
        return thumbnail;
    const QSize size = points.scaled(QSizeF(Room), Qt::KeepAspectRatio).toSize();
    const double dotsPerInch = 72.0 * size.width() / points.width();
    const QImage drawn = pdfPage->renderToImage(
        dotsPerInch, dotsPerInch, -1, -1, -1, -1, Poppler::Page::Rotate0, nullptr, nullptr,
        pastDeadline, QVariant(QDateTime::currentMSecsSinceEpoch() + MaxMilliseconds));
    QPainter painter(&thumbnail);
    painter.drawImage((Room.width() - drawn.width()) / 2, (Room.height() - drawn.height()) / 2,
                      drawn);
    return thumbnail;
}

} // namespace zedoimport
