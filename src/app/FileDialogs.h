#pragma once

#include <QString>

class QWidget;

namespace korv {

// Where the window asks the user for a file. The program shows real dialogs; tests answer with a
// path of their own, so that no test ever waits on a dialog.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The file to read, or empty when the user cancels.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& directory) = 0;
    // The file to write, or empty when the user cancels. A file that exists is only returned once
    // the user has agreed to replace it.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath) = 0;
};

// The standard dialogs, showing configuration files.
class QtFileDialogs final : public FileDialogs {
public:
    QString openFileName(QWidget* parent, const QString& caption, const QString& directory) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath) override;
};

}  // namespace korv
