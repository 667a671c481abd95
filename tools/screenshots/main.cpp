// Builds the program's windows as the program does, against the transmitter on the given port, and
// saves pictures of them: the splash as the start-up search begins, the main window once the
// search has read the transmitter, and on request the service window and the record window.
#include "HistoryPicture.h"
#include "app/mainwindow/MainWindow.h"
#include "app/service/ServiceMode.h"
#include "app/startup/SplashForm.h"
#include "common/MessageBoxes.h"
#include "core/files/Settings.h"
#include "i18n/Translation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QKeyEvent>
#include <QPalette>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// Long enough for the first paint of a window that has just been shown.
constexpr int PaintDelayMs = 400;
// Far above a full read at 9600 baud; a stalled search must not hang the script that runs us.
constexpr int GiveUpMs = 60000;

bool save(QWidget& window, const QString& path)
{
    if (path.isEmpty())
        return true;
    if (window.grab().save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

namespace {

// A dark desktop theme's colours, as Fusion draws them: what the program takes from the palette
// must stay readable there.
void useDarkPalette()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 32));
    dark.setColor(QPalette::AlternateBase, QColor(53, 53, 56));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(60, 60, 64));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    dark.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
    QApplication::setPalette(dark);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KOrvSetup"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Saves pictures of the KOrvSetup windows."));
    parser.addHelpOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("Serial port of the transmitter."), QStringLiteral("path"));
    const QCommandLineOption mainOption(
        QStringLiteral("main"), QStringLiteral("PNG of the main window."), QStringLiteral("file"));
    const QCommandLineOption splashOption(
        QStringLiteral("splash"), QStringLiteral("PNG of the splash window."), QStringLiteral("file"));
    const QCommandLineOption serviceOption(
        QStringLiteral("service"), QStringLiteral("PNG of the service window."), QStringLiteral("file"));
    const QCommandLineOption historyOption(QStringLiteral("history"),
        QStringLiteral("PNG of the record window over made-up events (needs no port)."), QStringLiteral("file"));
    const QCommandLineOption darkOption(QStringLiteral("dark"),
        QStringLiteral("Draw the windows under a dark desktop palette, as a dark theme gives them."));
    const QCommandLineOption languageOption(QStringLiteral("language"),
        QStringLiteral("Draw the windows in this language (pt, en, es), as Options > Language chooses it."),
        QStringLiteral("code"), korv::PortugueseCode);
    parser.addOptions(
        { portOption, mainOption, splashOption, serviceOption, historyOption, darkOption, languageOption });
    parser.process(application);
    const QString language = parser.value(languageOption);
    if (!korv::LanguageCodes.contains(language)) {
        std::fprintf(stderr, "--language takes pt, en or es\n");
        return 2;
    }
    korv::useLanguage(language, korv::qtLanguageFor(language));
    if (parser.isSet(darkOption))
        useDarkPalette();
    if (parser.isSet(historyOption)) {
        const int result = saveHistoryPicture(parser.value(historyOption));
        if (result != 0 || !parser.isSet(portOption))
            return result;
    }
    if (!parser.isSet(portOption)) {
        std::fprintf(stderr, "--port is required\n");
        return 2;
    }

    // A settings file of our own, so that the user's is neither read nor rewritten, in a folder that
    // holds the shipped language file of the chosen language only (none for Portuguese).
    QTemporaryDir folder;
    const QString settingsPath = folder.filePath(QStringLiteral("OrvSetup.ini"));
    korv::AppSettings settings;
    settings.PortSetting = parser.value(portOption);
    settings.LanguageSetting = language;
    if (!korv::writeSettings(settingsPath, settings))
        return 2;
    QString problem;
    if (!korv::placeLanguageFile(language, folder.path(), korv::shippedLanguageFolder(), &problem)) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 2;
    }

    // Any box means the transmitter was not read, and a picture of that would mislead.
    korv::RecordingMessageBoxes boxes;
    boxes.onShown = [](const korv::RecordingMessageBoxes::Shown& box) {
        std::fprintf(stderr, "box: %s\n", qPrintable(box.text));
        QCoreApplication::exit(1);
    };
    korv::MainWindowEnvironment environment;
    environment.settingsPath = settingsPath;
    environment.boxes = &boxes;
    environment.languageDirectory = folder.path();
    // The pictures' commands leave their events in a record of their own, never the user's.
    environment.historyPath = folder.filePath(QStringLiteral("history.sqlite"));
    environment.listPorts = false;

    korv::MainWindow form(environment);
    form.show();
    korv::TSplashForm splash(form);
    form.setEnabled(false);

    bool saved = true;
    QTimer::singleShot(PaintDelayMs, &splash, [&] { saved = save(splash, parser.value(splashOption)) && saved; });

    // Connected before the service window's own handler, which blocks in its modal loop: the timer
    // then fires inside that loop, once the window has painted.
    std::unique_ptr<korv::ServiceMode> service;
    QObject::connect(&form, &korv::MainWindow::serviceModeRequested, &form, [&] {
        QTimer::singleShot(PaintDelayMs, &service->window(), [&] {
            saved = save(service->window(), parser.value(serviceOption)) && saved;
            service->window().reject();
            QCoreApplication::exit(saved ? 0 : 1);
        });
    });
    service = std::make_unique<korv::ServiceMode>(form);

    QObject::connect(&splash, &korv::TSplashForm::searchFinished, &form, [&] {
        form.setEnabled(true);
        QTimer::singleShot(PaintDelayMs, &form, [&] {
            saved = save(form, parser.value(mainOption)) && saved;
            if (!parser.isSet(serviceOption)) {
                QCoreApplication::exit(saved ? 0 : 1);
                return;
            }
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
            QApplication::sendEvent(target, &press);
        });
    });

    QTimer::singleShot(GiveUpMs, &application, [] {
        std::fprintf(stderr, "the windows never reached the state to picture\n");
        QCoreApplication::exit(1);
    });
    const int result = application.exec();
    form.close();
    return result;
}
