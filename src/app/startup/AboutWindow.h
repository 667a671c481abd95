#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;
class QShowEvent;

namespace korv {

// The About box: program name and version, shown without blocking the main window and hidden
// again by its button.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    // languageLines: the lines of the language file when one was loaded; its lines 54 to 56 give
    // the caption, the product line and the version word. Lines the file lacks keep the built-in
    // texts; the version number itself is never translated.
    explicit AboutWindow(const QStringList* languageLines = nullptr, QWidget* parent = nullptr);

    void onOk();

    QLabel* logo = nullptr;  // Image2
    QLabel* productLabel = nullptr;  // Label1Sobre
    QLabel* versionWordLabel = nullptr;  // Label2Sobre
    QLabel* LabelNumVersao = nullptr;
    QPushButton* okButton = nullptr;  // Button1

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyLanguage(const QStringList& lines);
    void arrange();

    bool centred_ = false;
};

}  // namespace korv
