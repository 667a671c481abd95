#pragma once

#include <QString>

class QWidget;

namespace korv {

// What a file dialog lists and which suffix a name typed without one gets.
enum class FileKind {
    Configuration,  // *.json
    Text,  // *.txt
    Csv,  // *.csv
    Pdf,  // *.pdf
};

// Where the windows ask the user for a file. The program shows real dialogs; tests answer with a
// path of their own, so that no test ever waits on a dialog.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The file to read, or empty when the user cancels.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& directory) = 0;
    // The file to write, or empty when the user cancels. A file that exists is only returned once
    // the user has agreed to replace it.
    virtual QString saveFileName(
        QWidget* parent, const QString& caption, const QString& suggestedPath, FileKind kind = FileKind::Configuration)
        = 0;
};

// The standard dialogs.
class QtFileDialogs final : public FileDialogs {
public:
    QString openFileName(QWidget* parent, const QString& caption, const QString& directory) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath, FileKind kind) override;
};

}  // namespace korv
