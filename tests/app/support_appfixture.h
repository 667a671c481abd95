#pragma once

#include "app/mainwindow/MainWindow.h"
#include "app/shared/FileDialogs.h"
#include "common/MessageBoxes.h"
#include "core/link/SerialLink.h"
#include "support/EmulatorFixture.h"

#include <QString>

#include <functional>
#include <memory>

// A main window started against the emulator on a pseudo-terminal, with its settings, language file
// and backups in the emulator's temporary folder and every box recorded instead of shown.
struct AppFixture {
    AppFixture();
    ~AppFixture();

    // Starts the emulator for `seed`, writes a settings file naming its port and shows the window.
    bool start(const korv::emu::Seed& seed, const QString& unit = QStringLiteral("C"));
    // Shows the window with the given settings text (no emulator needed), and waits for the end
    // of its start-up.
    void startWithSettings(const QByteArray& iniText);
    bool waitForStartUp();
    // Until nothing runs in the window (a port change ends after its pause, from the event loop).
    bool waitUntilIdle();
    // The same without showing it: the program's start-up order, splash first, is the test's.
    void createWithSettings(const QByteArray& iniText);
    QString settingsPath() const { return dir.filePath(QStringLiteral("OrvSetup.ini")); }
    QString historyPath() const { return rig.historyPath(); }

    // Helpers for the usual commands.
    void read() { form->Ler_ConfigClick(); }
    void send() { form->Enviar_ConfigClick(); }
    QStringList boxTexts() const { return boxes.texts(); }

    // Applied to the window's surroundings just before it is created (a port list, a save dialog).
    std::function<void(korv::MainWindowEnvironment&)> adjustEnvironment;

    korv::test::EmulatorFixture rig;  // first, so that the window is gone before the emulator
    QTemporaryDir& dir = rig.dir;
    std::unique_ptr<korv::emu::TransmitterEmulator>& emulator = rig.emulator;
    korv::RecordingMessageBoxes boxes;
    korv::FileDialogs* fileDialogs = nullptr;  // null: every dialog is cancelled

    struct CancellingFileDialogs final : korv::FileDialogs {
        QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
        QString saveFileName(QWidget*, const QString&, const QString&, korv::FileKind) override { return {}; }
    } cancellingDialogs;
    std::unique_ptr<korv::MainWindow> form;
};

using korv::test::seedFor;

// Delays of a late answer across the whole window, 150 ms to 1200 ms in steps of 50 ms, shortened
// with every other wait of the program so that each lands in the same phase of the exchanges.
QList<int> lateAnswerDelaysMs();
