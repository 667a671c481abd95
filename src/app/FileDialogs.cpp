#include "app/FileDialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace korv {

namespace {

const QString ConfigurationFilter = QStringLiteral("Configuração (*.json);;Todos os arquivos (*)");

struct KindFilter {
    QString filter;
    QString suffix;
};

KindFilter filterOf(FileKind kind)
{
    switch (kind) {
    case FileKind::Configuration:
        break;
    case FileKind::Text:
        return { QStringLiteral("Texto (*.txt);;Todos os arquivos (*)"), QStringLiteral("txt") };
    case FileKind::Csv:
        return { QStringLiteral("Planilha CSV (*.csv);;Todos os arquivos (*)"), QStringLiteral("csv") };
    case FileKind::Pdf:
        return { QStringLiteral("PDF (*.pdf);;Todos os arquivos (*)"), QStringLiteral("pdf") };
    }
    return { ConfigurationFilter, QStringLiteral("json") };
}

}  // namespace

QString QtFileDialogs::openFileName(QWidget* parent, const QString& caption, const QString& directory)
{
    return QFileDialog::getOpenFileName(parent, caption, directory, ConfigurationFilter);
}

QString QtFileDialogs::saveFileName(
    QWidget* parent, const QString& caption, const QString& suggestedPath, FileKind kind)
{
    const KindFilter filter = filterOf(kind);
    QFileDialog dialog(parent, caption, suggestedPath, filter.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension still ends up as a file the dialog lists; the dialog adds
    // the suffix before it checks for an existing file, so the name it confirms is the name
    // written, and nothing may append to it afterwards.
    dialog.setDefaultSuffix(filter.suffix);
    // Replacing an existing file is the user's choice, never a silent one.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.constFirst();
}

}  // namespace korv
