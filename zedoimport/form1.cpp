// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedoimport/form1.h"

#include "core/error.h"
#include "forms/checkbox3d.h"
#include "forms/commandbutton3d.h"
#include "forms/imagebox.h"
#include "forms/label.h"
#include "forms/runtime.h"
#include "zedoimport/pagemaker.h"
#include "zedoimport/pagewriter.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>

namespace zedoimport {

namespace {

const QString Filter = QStringLiteral(
    "Bilder och PDF-filer (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.tif *.tiff *.svg *.pdf "
    "*.PNG *.JPG *.JPEG *.GIF *.BMP *.WEBP *.TIF *.TIFF *.SVG *.PDF);;Alla filer (*)");

const QString LastFolderKey = QStringLiteral("lastFolder");

QSettings remembered()
{
    return QSettings(QStringLiteral("Krumelo"), QStringLiteral("zedoimport"));
}

// Pages from the web land among the downloads; after that, the adult's
// pictures are where the last one was.
QString startFolder()
{
    const QString last = remembered().value(LastFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return QFileInfo(downloads).isDir() ? downloads : QDir::homePath();
}

} // namespace

Form1::Form1() : QWidget(nullptr, Qt::Window)
{
    buildDesign();
    connectHandlers();
    Label5->setCaption(QStringLiteral("Välj en bild eller en PDF-fil med \"Välj fil …\"."));
}

void Form1::connectHandlers()
{
    connect(Command3D1, &forms::CommandButton3D::Click, this, &Form1::Command3D1_Click);
    connect(Spin1, &QSpinBox::valueChanged, this, &Form1::Spin1_Change);
    connect(Command3D3, &forms::CommandButton3D::Click, this, &Form1::Command3D3_Click);
    connect(Check3D1, &forms::CheckBox3D::clicked, this, &Form1::Check3D1_Click);
    connect(Check3D2, &forms::CheckBox3D::clicked, this, &Form1::Check3D2_Click);
    connect(Command3D2, &forms::CommandButton3D::Click, this, &Form1::Command3D2_Click);
}

void Form1::Form_Load()
{
    Command3D1_Click();
}

void Form1::Command3D1_Click()
{
    const QString fileName =
        forms::ChooseFile(QStringLiteral("Välj en bild eller en PDF-fil"), startFolder(), Filter);
    if (fileName.isEmpty())
        return;
    remembered().setValue(LastFolderKey, QFileInfo(fileName).absolutePath());
    OpenFile(fileName);
}

void Form1::OpenFile(const QString &fileName)
{
    try {
        QByteArray bytes = ReadSourceBytes(fileName);
        const Source source = ReadSourceData(bytes, fileName, 1);
        m_fileName = fileName;
        m_bytes = std::move(bytes);
        ShowSource(source);
    } catch (const core::Error &error) {
        forms::MsgBox(error.message());
        return;
    }
    const QSignalBlocker quiet(Spin1);
    Spin1->setValue(1);
    Text1->setText(core::page::suggestedName(fileName));
    Command3D2->setEnabled(true);
    Label5->setCaption(QString());
    if (Spin1->maximum() > 1)
        Command3D3_Click();
}

void Form1::Spin1_Change()
{
    try {
        ShowSource(ReadSourceData(m_bytes, m_fileName, Spin1->value()));
    } catch (const core::Error &error) {
        forms::MsgBox(error.message());
    }
}

void Form1::Command3D3_Click()
{
    delete m_pageChooser;
    m_pageChooser = new Form2(m_bytes, Spin1->value(), this);
    m_pageChooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_pageChooser, &Form2::PageChosen, Spin1, &QSpinBox::setValue);
    m_pageChooser->open();
}

void Form1::Check3D1_Click()
{
    ShowPage();
}

void Form1::Check3D2_Click()
{
    InkPicture();
}

void Form1::ShowSource(const Source &source)
{
    m_picture = source.picture;
    const QSignalBlocker quiet(Spin1);
    Spin1->setRange(1, source.pageCount);
    Spin1->setEnabled(source.pageCount > 1);
    Command3D3->setEnabled(source.pageCount > 1);
    InkPicture();
}

void Form1::InkPicture()
{
    m_inked = InkOfPicture(m_picture, Check3D2->Value());
    Image1->setPicture(core::page::fitPreview(m_picture, m_inked.sheet));
    ShowPage();
}

void Form1::ShowPage()
{
    m_page = core::page::finishPage(m_inked.ink, {.closeGaps = Check3D1->Value()});
    Image2->setPicture(m_page);
}

// The name is made safe and shown as it is saved. A name that is taken is
// replaced only when the adult says so.
void Form1::Command3D2_Click()
{
    if (m_page.isNull())
        return;
    const QString name = core::page::suggestedName(Text1->text());
    Text1->setText(name);
    if (QFileInfo::exists(name) &&
        !forms::MsgBoxYesNo(QStringLiteral("Det finns redan en bild som heter %1 här. Vill du "
                                           "byta ut den mot den nya målarbilden?")
                                .arg(name)))
        return;
    SavePageAs(name);
}

void Form1::SavePageAs(const QString &name)
{
    try {
        SavePage(m_page, name);
    } catch (const core::Error &error) {
        forms::MsgBox(error.message());
        return;
    }
    Label5->setCaption(QStringLiteral("Sparad som %1. Välj den i \"Krumelo – inställningar\".")
                           .arg(QDir::toNativeSeparators(QFileInfo(name).absoluteFilePath())));
}

} // namespace zedoimport
