// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSize>

#include <memory>

namespace Poppler {
class Document;
}

namespace zedoimport {

// The pages of a PDF file as small pictures, so that the adult picks a page
// of a book of fifty by sight. The file is read once; a page is drawn only
// when a view first shows it, so a book of a thousand pages opens at once.
// Each row is a page: its number as text, its picture as decoration.
class PageThumbnails : public QAbstractListModel
{
    Q_OBJECT
public:
    // The room each page is drawn to fit.
    static constexpr QSize Room{96, 136};

    explicit PageThumbnails(const QByteArray &pdf, QObject *parent = nullptr);
    ~PageThumbnails() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Page `page` (from 0) drawn to fit Room, on white; a page that cannot be
    // drawn is a white one.
    QImage draw(int page) const;

private:
    std::unique_ptr<Poppler::Document> m_document;
    mutable QHash<int, QImage> m_drawn;
};

} // namespace zedoimport
