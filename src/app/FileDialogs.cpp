#include "app/FileDialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace korv {

namespace {

const QString ConfigurationFilter = QStringLiteral("Configuração (*.json);;Todos os arquivos (*)");

}  // namespace

QString QtFileDialogs::openFileName(QWidget* parent, const QString& caption, const QString& directory)
{
    return QFileDialog::getOpenFileName(parent, caption, directory, ConfigurationFilter);
}

QString QtFileDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath)
{
    QFileDialog dialog(parent, caption, suggestedPath, ConfigurationFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension still ends up as a configuration file the dialog lists.
    dialog.setDefaultSuffix(QStringLiteral("json"));
    // Replacing an existing file is the user's choice, never a silent one.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.constFirst();
}

}  // namespace korv
