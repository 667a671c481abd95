#include "app/mainwindow/parts/WindowFiles.h"

#include "app/mainwindow/Activity.h"
#include "app/shared/FileDialogs.h"
#include "common/NumberFormat.h"
#include "core/configuration/ConfigurationCheck.h"
#include "core/configuration/ConfigurationFile.h"
#include "core/protocol/TransmitterSession.h"
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

WindowFiles::WindowFiles(Surroundings surroundings)
    : with_(std::move(surroundings))
{
}

void WindowFiles::save()
{
    const ActivityScope file(with_.activity, Activity::Kind::File);
    if (!file.began())
        return;
    const IdentificationRecord& unit = with_.host.session().identification();
    const Model model = unit.TransmitterModel;
    if (!familyOf(model)) {
        with_.host.ShowWarning(noTransmitterText());
        return;
    }
    // The checks of a send come first: a file that no send would accept is not worth a name.
    config::Configuration configuration;
    configuration.model = model;
    configuration.fahrenheit = with_.host.fahrenheit();
    const auto values = with_.pageFor(model).configurationToSave(model, decimalSeparator());
    if (!values)
        return;
    configuration.values = *values;

    const QString suggested = QDir(with_.startDirectory).filePath(unit.SerialNumberText + QStringLiteral(".json"));
    const QString path = with_.dialogs->saveFileName(&with_.window, saveCaption(), suggested);
    if (path.isEmpty())
        return;
    const QString error = config::writeConfigurationFile(path, configuration);
    if (!error.isEmpty())
        with_.host.ShowWarning(
            QCoreApplication::translate("korv::MainWindow", "Não foi possível salvar a configuração em %1: %2")
                .arg(path, error));
}

void WindowFiles::open()
{
    const ActivityScope file(with_.activity, Activity::Kind::File);
    if (!file.began())
        return;
    const IdentificationRecord& unit = with_.host.session().identification();
    if (!familyOf(unit.TransmitterModel)) {
        with_.host.ShowWarning(noTransmitterText());
        return;
    }
    const QString path = with_.dialogs->openFileName(&with_.window, openCaption(), with_.startDirectory);
    if (path.isEmpty())
        return;
    const config::Parsed parsed = config::readConfigurationFile(path);
    if (!parsed.configuration) {
        with_.host.ShowWarning(QStringLiteral("%1: %2").arg(path, parsed.error));
        return;
    }
    const config::UnitCheck check = config::checkAgainstUnit(*parsed.configuration, unit);
    if (!check.mismatch.isEmpty()) {
        with_.host.ShowWarning(check.mismatch);
        return;
    }
    if (check.refusal) {
        with_.host.ShowWarning(with_.host.messages()[check.refusal->message] + u'\n'
            + config::refusedValue(*parsed.configuration, *check.refusal));
        return;
    }
    with_.pageFor(unit.TransmitterModel).showConfiguration(check.settings);
    // The next send is this file's, as its record says, until a read brings the unit's own values back.
    opened_ = path;
}

}  // namespace korv
