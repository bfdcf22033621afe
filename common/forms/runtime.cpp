// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/runtime.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>

#include <cstdio>

namespace forms {

namespace {

// The text takes no selection, so a right click on it opens no menu of Qt's
// own; its one button is "OK". The same text goes to standard error, where
// it stays when the box is gone.
void showMessage(QMessageBox::Icon icon, QWidget *parent, const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    std::fflush(stderr);
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), message, QMessageBox::Ok,
                    parent);
    box.setTextInteractionFlags(Qt::NoTextInteraction);
    box.exec();
}

void closeEverything(int exitCode)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(exitCode);
}

std::function<void(const QString &)> &errorHandler()
{
    static std::function<void(const QString &)> handler = [](const QString &message) {
        showMessage(QMessageBox::Critical, nullptr, message);
        closeEverything(1);
    };
    return handler;
}

std::function<void()> &endHandler()
{
    static std::function<void()> handler = [] { closeEverything(0); };
    return handler;
}

std::function<void(const QString &)> &messageHandler()
{
    static std::function<void(const QString &)> handler = [](const QString &message) {
        showMessage(QMessageBox::Warning, QApplication::activeWindow(), message);
    };
    return handler;
}

std::function<bool(const QString &)> &questionHandler()
{
    static std::function<bool(const QString &)> handler = [](const QString &question) {
        return QMessageBox::question(QApplication::activeWindow(),
                                     QGuiApplication::applicationDisplayName(), question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    return handler;
}

FileChooser &fileChooser()
{
    static FileChooser chooser = [](const QString &title, const QString &folder,
                                    const QString &filter) {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter,
                                            nullptr, QFileDialog::DontUseNativeDialog);
    };
    return chooser;
}

// Watches a window for its first paint, then runs its action and goes.
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QWidget *window, std::function<void()> action)
        : QObject(window), m_action(std::move(action))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that it runs once the picture has gone to the screen.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_action();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

} // namespace

void afterFirstPaint(QWidget *window, std::function<void()> action)
{
    new FirstPaintWatch(window, std::move(action));
}

void reportError(const QString &message)
{
    errorHandler()(message);
}

void setErrorHandler(std::function<void(const QString &)> handler)
{
    errorHandler() = std::move(handler);
}

void End()
{
    endHandler()();
}

void setEndHandler(std::function<void()> handler)
{
    endHandler() = std::move(handler);
}

void MsgBox(const QString &message)
{
    messageHandler()(message);
}

void setMessageHandler(std::function<void(const QString &)> handler)
{
    messageHandler() = std::move(handler);
}

bool MsgBoxYesNo(const QString &question)
{
    return questionHandler()(question);
}

void setQuestionHandler(std::function<bool(const QString &)> handler)
{
    questionHandler() = std::move(handler);
}

QString ChooseFile(const QString &title, const QString &folder, const QString &filter)
{
    return fileChooser()(title, folder, filter);
}

void setFileChooser(FileChooser chooser)
{
    fileChooser() = std::move(chooser);
}

} // namespace forms
