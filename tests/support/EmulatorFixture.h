#pragma once

#include "emulator/TransmitterEmulator.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <functional>
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

    // Another unit takes the place of the running one behind the same open port, at once after the
    // first frame `when` accepts (given every frame received so far, that one last), as if a
    // technician swapped units between two frames.
    void swapUnitAfter(std::function<bool(const QList<QByteArray>& frames)> when, const emu::Seed& other);
    // The registers each unit was sent write frames for: the first until the swap, the second after.
    QList<int> writtenTo(bool firstUnit) const;

    QTemporaryDir dir;
    // The record of the commands run here, apart from the folder whose files the tests compare.
    QTemporaryDir recordDir;
    QString historyPath() const { return recordDir.filePath(QStringLiteral("history.sqlite")); }
    QString previousDirectory;
    std::unique_ptr<emu::TransmitterEmulator> emulator;

private:
    std::atomic<int> swappedAfter_ { -1 };  // frames the first unit received; -1 before the swap
};

emu::Seed seedFor(int modelCode, int firmware, int outputType = 0);

// A moment for swapUnitAfter: the `writes`-th write frame; or, with `thenReadOf`, the first read of
// that register once at least `writes` write frames were received.
std::function<bool(const QList<QByteArray>& frames)> afterWrites(int writes, int thenReadOf = -1);

}  // namespace korv::test
