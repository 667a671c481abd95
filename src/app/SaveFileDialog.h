#pragma once

#include <QString>

class QWidget;

namespace korv {

// Where a text is to be saved, asked of the user. The program asks with the system's file dialog,
// which itself confirms before an existing file is replaced; tests answer without a dialog.
class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    // The chosen path, or empty when the user cancelled.
    virtual QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggestedPath) = 0;
};

class QtSaveFileDialog final : public SaveFileDialog {
public:
    QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggestedPath) override;
};

}  // namespace korv
