// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedoimport/pagethumbnails.h"

#include "zedoimport/pagereader.h"

#include <QPainter>

#include <poppler-qt6.h>

namespace zedoimport {

namespace {

// A page that takes longer than this to draw small is shown blank.
constexpr int MaxMilliseconds = 2'000;

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
    if (!pdfPage)
        return thumbnail;
    const QImage drawn = DrawPdfPage(*pdfPage, Room, MaxMilliseconds);
    QPainter painter(&thumbnail);
    painter.drawImage((Room.width() - drawn.width()) / 2, (Room.height() - drawn.height()) / 2,
                      drawn);
    return thumbnail;
}

} // namespace zedoimport
