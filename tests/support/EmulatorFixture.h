#pragma once

#include "emulator/TransmitterEmulator.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace korv::test {

// The emulated transmitter on a pseudo-terminal, reached through a link in a temporary folder that
// is the working folder meanwhile (settings, language files and backups land there), with the
// program's locale and every pause shortened: the sequences keep their real order and retry
// counts.
class EmulatorFixture {
public:
    EmulatorFixture();
    ~EmulatorFixture();

    // Starts the emulator for `seed` behind a link in the folder.
    bool start(const emu::Seed& seed);
    // A settings file's text naming the emulator's port and the temperature unit ("C" or "F").
    QByteArray settingsText(const QString& unit = QStringLiteral("C")) const;
    // Writes a file of the folder, making its folders; its path, empty when it could not be written.
    QString writeFile(const QString& name, const QByteArray& bytes) const;

    QTemporaryDir dir;
    // The record of the commands run here, apart from the folder whose files the tests compare.
    QTemporaryDir recordDir;
    QString historyPath() const { return recordDir.filePath(QStringLiteral("history.sqlite")); }
    QString previousDirectory;
    std::unique_ptr<emu::TransmitterEmulator> emulator;
};

emu::Seed seedFor(int modelCode, int firmware, int outputType = 0);

}  // namespace korv::test
