#include "app/SaveFileDialog.h"

#include <QFileDialog>

namespace korv {

QString QtSaveFileDialog::chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggestedPath)
{
    QFileDialog dialog(parent, caption, suggestedPath, QStringLiteral("Texto (*.txt);;Todos os arquivos (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the suffix before it checks for an existing file, so the name it confirms is
    // the name written; nothing may append to it afterwards.
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

}  // namespace korv
