// Configuration files from the window: what the form shows goes into a file, and a file comes back
// into the form the way a read of a transmitter holding it would bring it.
#include "app/mainwindow/MainWindow.h"
#include "app/shared/FileDialogs.h"
#include "common/NumberFormat.h"
#include "core/configuration/ConfigurationCheck.h"
#include "core/configuration/ConfigurationFile.h"
#include "widgets/PageHost.h"

#include <QCoreApplication>
#include <QDir>

namespace korv {

namespace {

// Looked up at each use: the language can change while the program runs.
QString openCaption()
{
    return QCoreApplication::translate("korv::MainWindow", "Abrir configuração");
}
// Looked up at each use: the language can change while the program runs.
QString saveCaption()
{
    return QCoreApplication::translate("korv::MainWindow", "Salvar configuração");
}
// A file needs a model: the form of an unidentified transmitter has no limits to hold it to.
QString noTransmitterText()
{
    return QCoreApplication::translate(
        "korv::MainWindow", "Leia a configuração do transmissor antes de abrir ou salvar uma configuração.");
}

}  // namespace

void MainWindow::onSaveConfiguration()
{
    const ActivityScope file(activity_, Activity::Kind::File);
    if (!file.began())
        return;
    const Model model = identification().TransmitterModel;
    if (!familyOf(model)) {
        ShowWarning(noTransmitterText());
        return;
    }
    // The checks of a send come first: a file that no send would accept is not worth a name.
    config::Configuration configuration;
    configuration.model = model;
    configuration.fahrenheit = fahrenheit();
    const auto values = pageFor(model).configurationToSave(model, decimalSeparator());
    if (!values)
        return;
    configuration.values = *values;

    const QString suggested
        = QDir(StartDirectory).filePath(identification().SerialNumberText + QStringLiteral(".json"));
    const QString path = fileDialogs_->saveFileName(this, saveCaption(), suggested);
    if (path.isEmpty())
        return;
    const QString error = config::writeConfigurationFile(path, configuration);
    if (!error.isEmpty())
        ShowWarning(QCoreApplication::translate("korv::MainWindow", "Não foi possível salvar a configuração em %1: %2")
                        .arg(path, error));
}

void MainWindow::onOpenConfiguration()
{
    const ActivityScope file(activity_, Activity::Kind::File);
    if (!file.began())
        return;
    if (!familyOf(identification().TransmitterModel)) {
        ShowWarning(noTransmitterText());
        return;
    }
    const QString path = fileDialogs_->openFileName(this, openCaption(), StartDirectory);
    if (path.isEmpty())
        return;
    const config::Parsed parsed = config::readConfigurationFile(path);
    if (!parsed.configuration) {
        ShowWarning(QStringLiteral("%1: %2").arg(path, parsed.error));
        return;
    }
    const config::UnitCheck check = config::checkAgainstUnit(*parsed.configuration, identification());
    if (!check.mismatch.isEmpty()) {
        ShowWarning(check.mismatch);
        return;
    }
    if (check.refusal) {
        ShowWarning(
            messages_[check.refusal->message] + u'\n' + config::refusedValue(*parsed.configuration, *check.refusal));
        return;
    }
    pageFor(identification().TransmitterModel).showConfiguration(check.settings);
    // The next send is this file's, as its record says, until a read brings the unit's own values back.
    openedFile_ = path;
}

}  // namespace korv
