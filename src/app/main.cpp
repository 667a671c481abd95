#include "app/mainwindow/MainWindow.h"
#include "app/service/ServiceMode.h"
#include "app/shared/QtMessageBoxes.h"
#include "app/shared/QuitOnSignal.h"
#include "app/startup/AboutWindow.h"
#include "app/startup/SplashForm.h"
#include "core/files/FileRead.h"
#include "core/files/Settings.h"
#include "core/files/SettingsText.h"
#include "i18n/Translation.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

// --help and --version print and end before anything needs a display, so that they also answer on
// a machine without one.
int answeredWithoutWindow(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::printf("KOrvSetup %s\n", KORV_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            // In the language chosen in the window, read quietly: the settings file's problems are the
            // window's to tell. Translators need an application, though not a display.
            QCoreApplication application(argc, argv);
            const korv::FileBytes file = korv::readRegularFile(korv::settingsFilePath(), korv::MaxSettingsFileBytes);
            const std::optional<korv::AppSettings> settings
                = file.ok() ? korv::settingsFromText(file.bytes) : std::nullopt;
            const QString language = korv::languageCodeOf(settings ? settings->LanguageSetting : QString());
            korv::useLanguage(language, korv::qtLanguageFor(language));
            std::fputs(qUtf8Printable(QCoreApplication::translate("korv::main",
                           "Uso: KOrvSetup [opções do Qt, como -platform xcb]\n"
                           "\n"
                           "Configura transmissores de temperatura e umidade pela interface RS-232: procura o\n"
                           "transmissor na porta salva, lê, confere e envia sua configuração.\n"
                           "\n"
                           "  -h, --help       mostra este texto\n"
                           "  -v, --version    mostra a versão\n"
                           "\n"
                           "Sem janela: korvsetup-cli --help.\n")),
                stdout);
            return 0;
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (const int answered = answeredWithoutWindow(argc, argv); answered >= 0)
        return answered;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KOrvSetup"));
    QApplication::setApplicationVersion(QStringLiteral(KORV_VERSION));
    try {
        // The four windows live for the whole run. The splash comes first and is painted at once, so
        // that something is on screen while the main window's start-up steps (the port's pause
        // among them) run; its search timer runs meanwhile, and the search follows those steps.
        // The main window takes input once the search has ended. The About box comes after the
        // main window's first show, which loads the language file it reads its lines from.
        korv::QuitOnSignal quitOnSignal;
        korv::MainWindow form1;
        korv::TSplashForm splash(form1);
        QApplication::processEvents();
        // A window closed before the search has run ends the program without it.
        QObject::connect(&form1, &korv::MainWindow::closed, &splash, &korv::TSplashForm::cancel);
        form1.show();
        if (quitOnSignal.requested())
            return 0;
        korv::AboutWindow sobre(&form1.languageLines().lines, &form1);
        form1.setAboutBox(&sobre);
        korv::ServiceMode serviceMode(form1);
        if (quitOnSignal.requested())
            return 0;
        return application.exec();
    } catch (const std::exception& error) {
        korv::makeMessageBox(
            QMessageBox::Critical, QStringLiteral("KOrvSetup"), QString::fromLocal8Bit(error.what()), nullptr)
            ->exec();
        return 0;
    }
}
