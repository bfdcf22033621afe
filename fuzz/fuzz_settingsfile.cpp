// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as zedo.ini, read straight from memory by the settings
// reader, with no window and no file. All but the last byte are the file; the
// last byte chooses how it is read: as the record, in the colouring program's
// order, or as seven fields of the types its other bits give, so that any
// field type is asked for after any other. Every reading must end in values
// or in core::Error naming the file and the field; a record that reads whole
// must read back the same once written.
#include "core/colortable.h"
#include "core/error.h"
#include "core/settingsfile.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace {

const QString FileName = QStringLiteral("/fuzz/zedo.ini");

void expect(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// A failure must say where: the file and the field whose reading failed.
void expectNamed(const core::Error &error, const QString &field)
{
    expect(error.message().contains(FileName));
    expect(error.message().contains(field));
}

// Field names are made once: making them for each input would take longer
// than the reading.
const QString &name(const QString &prefix, int i)
{
    static std::map<QString, std::vector<QString>> names;
    std::vector<QString> &made = names[prefix];
    while (int(made.size()) <= i)
        made.push_back(prefix.arg(made.size()));
    return made[i];
}

bool operator==(const core::ZedoSettings &a, const core::ZedoSettings &b)
{
    return a.PicturePath == b.PicturePath && a.Colors == b.Colors && a.PenWidth == b.PenWidth &&
           a.StartInFillMode == b.StartInFillMode && a.ShowQuit == b.ShowQuit &&
           a.ShowPrint == b.ShowPrint && a.ShowToolToggle == b.ShowToolToggle;
}

// The fields in the colouring program's order; each colour is also taken
// through the colour table, as the program applies it. `field` names the
// field being read, for the caller's check of a failure.
core::ZedoSettings readRecord(core::SettingsReader &reader, QString &field, bool applyColors)
{
    core::ZedoSettings settings;
    const auto integer = [&](const QString &name) {
        field = name;
        return reader.readInteger(name);
    };
    field = QStringLiteral("PicturePath");
    settings.PicturePath = reader.readString(field);
    const qint16 count = integer(QStringLiteral("ColorCount"));
    for (int i = 0; i < count; ++i) {
        const qint16 c = integer(name(QStringLiteral("Colors(%1)"), i));
        if (applyColors)
            reader.apply(field, [c] { core::QBColor(c); });
        settings.Colors.push_back(c);
    }
    settings.PenWidth = integer(QStringLiteral("PenWidth"));
    settings.StartInFillMode = integer(QStringLiteral("StartInFillMode"));
    settings.ShowQuit = integer(QStringLiteral("ShowQuit"));
    settings.ShowPrint = integer(QStringLiteral("ShowPrint"));
    settings.ShowToolToggle = integer(QStringLiteral("ShowToolToggle"));
    return settings;
}

// What the writer makes of a record read whole reads back as the same record,
// unless the writer refuses the name, saying which.
void expectRoundTrip(const core::ZedoSettings &settings)
{
    QByteArray written;
    try {
        written = core::formatSettings(settings);
    } catch (const core::Error &error) {
        expect(error.message().contains(settings.PicturePath));
        return;
    }
    core::SettingsReader reader(written, FileName);
    QString field;
    try {
        expect(readRecord(reader, field, false) == settings);
    } catch (const core::Error &) {
        expect(false);
    }
}

void readAsRecord(const QByteArray &file)
{
    core::SettingsReader reader(file, FileName);
    QString field;
    try {
        expectRoundTrip(readRecord(reader, field, true));
    } catch (const core::Error &error) {
        expectNamed(error, field);
    }
}

// Seven fields, or fewer if the file ends, of the types the bits of `types`
// give, a string for each bit that is set.
void readAsFields(const QByteArray &file, quint8 types)
{
    core::SettingsReader reader(file, FileName);
    QString field;
    try {
        for (int i = 0; i < 7; ++i) {
            field = name(QStringLiteral("F%1"), i);
            if (types >> i & 1)
                expect(reader.readString(field).size() <= 4096);
            else
                reader.readInteger(field);
        }
    } catch (const core::Error &error) {
        expectNamed(error, field);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray file =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size - 1));
    const quint8 how = data[size - 1];
    if (how & 1)
        readAsFields(file, how >> 1);
    else
        readAsRecord(file);
    return 0;
}
