#pragma once

#include "cli/Cli.h"
#include "emulator/TransmitterEmulator.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace korv::test {

// The command line run in this process against the emulator on a pseudo-terminal, with its
// settings file, language file and backups in a temporary working folder and every pause shortened.
struct CliFixture {
    struct Result {
        int code = -1;
        QString out;
        QString err;
        QStringList lines() const { return out.split(u'\n', Qt::SkipEmptyParts); }
    };

    CliFixture();
    ~CliFixture();
    CliFixture(const CliFixture&) = delete;
    CliFixture& operator=(const CliFixture&) = delete;

    // Starts the emulator for the model code and writes a settings file naming its port.
    bool start(int modelCode, int firmware = 130, int outputType = 0);
    Result run(const QStringList& arguments) const;
    // A file in the working folder; its path.
    QString file(const QString& name, const QByteArray& bytes) const;
    // How many register writes reached the transmitter since the log was last cleared.
    int writesReceived() const;

    QTemporaryDir dir;
    QString previousDirectory;
    std::unique_ptr<emu::TransmitterEmulator> emulator;
    QString settingsPath;
};

}  // namespace korv::test
