// A program's start-up window in a temporary folder of its own, for the tests
// of the windows of both programs.
#pragma once

#include "error.h"
#include "runtime.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

namespace bench {

// Makes a temporary folder the current one. The error report, the end of the
// program and message boxes are recorded instead of acting, so a test sees
// them and goes on.
template <typename Form> class FormBench
{
public:
    FormBench() : m_previousDir(QDir::currentPath())
    {
        QDir::setCurrent(m_dir.path());
        forms::setErrorHandler([this](const QString &message) { errors << message; });
        forms::setEndHandler([this] { ++ends; });
        forms::setMessageHandler([this](const QString &message) { messages << message; });
    }

    ~FormBench()
    {
        m_form.reset();
        const auto unexpected = [](const QString &message) {
            qWarning("after the test: %s", qPrintable(message));
        };
        forms::setErrorHandler(unexpected);
        forms::setMessageHandler(unexpected);
        forms::setEndHandler([] { qWarning("after the test: End"); });
        QDir::setCurrent(m_previousDir);
    }

    FormBench(const FormBench &) = delete;
    FormBench &operator=(const FormBench &) = delete;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
    }

    // The bytes of a file of the folder, or nothing when it does not exist.
    std::optional<QByteArray> read(const QString &name) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }

    // Builds the window and runs its load handler. Returns the message of the
    // failure, or nothing when the load succeeded.
    std::optional<QString> load()
    {
        m_form = std::make_unique<Form>();
        try {
            m_form->Form_Load();
        } catch (const core::Error &error) {
            return error.message();
        }
        return std::nullopt;
    }

    // Shows the loaded window and waits until it is on the screen.
    bool show()
    {
        m_form->show();
        return QTest::qWaitForWindowExposed(m_form.get());
    }

    Form &form() { return *m_form; }

    QStringList errors;
    QStringList messages;
    int ends = 0;

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    std::unique_ptr<Form> m_form;
};

} // namespace bench
