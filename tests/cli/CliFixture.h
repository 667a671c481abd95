#pragma once

#include "cli/Cli.h"
#include "support/EmulatorFixture.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace korv::test {

// The command line run in this process against the emulator on a pseudo-terminal, with its
// settings file, language file and backups in the emulator's temporary folder.
struct CliFixture {
    struct Result {
        int code = -1;
        QString out;
        QString err;
        QStringList lines() const { return out.split(u'\n', Qt::SkipEmptyParts); }
    };

    // Starts the emulator for the model code and writes a settings file naming its port.
    bool start(int modelCode, int firmware = 130, int outputType = 0);
    // Every run with --json has its output checked against its schema in docs/schemas.
    Result run(const QStringList& arguments) const;
    // A file in the working folder; its path, empty when it could not be written.
    QString file(const QString& name, const QByteArray& bytes) const;
    // How many register writes reached the transmitter since the log was last cleared.
    int writesReceived() const;

    EmulatorFixture rig;
    QTemporaryDir& dir = rig.dir;
    std::unique_ptr<emu::TransmitterEmulator>& emulator = rig.emulator;
    QString settingsPath = dir.filePath(QStringLiteral("config/OrvSetup.ini"));
    QString historyPath() const { return rig.historyPath(); }
};

}  // namespace korv::test
