#include "app/shared/FileDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QStringList>

namespace korv {

namespace {

// Looked up at each use: the language can change while the program runs.
QString configurationFilter()
{
    return QCoreApplication::translate("korv::FileDialogs", "Configuração (*.json);;Todos os arquivos (*)");
}

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
        return { QCoreApplication::translate("korv::FileDialogs", "Texto (*.txt);;Todos os arquivos (*)"),
            QStringLiteral("txt") };
    case FileKind::Csv:
        return { QCoreApplication::translate("korv::FileDialogs", "Planilha CSV (*.csv);;Todos os arquivos (*)"),
            QStringLiteral("csv") };
    case FileKind::Pdf:
        return { QCoreApplication::translate("korv::FileDialogs", "PDF (*.pdf);;Todos os arquivos (*)"),
            QStringLiteral("pdf") };
    }
    return { configurationFilter(), QStringLiteral("json") };
}

}  // namespace

QString QtFileDialogs::openFileName(QWidget* parent, const QString& caption, const QString& directory)
{
    return QFileDialog::getOpenFileName(parent, caption, directory, configurationFilter());
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
