#pragma once

#include "common/MessageBoxes.h"

#include <QMessageBox>

#include <memory>

class QWidget;

namespace korv {

// Every box the program shows is built here, one OK button each. The text is always plain: a
// language-file line that happens to begin with a tag must read as written, not as markup.
std::unique_ptr<QMessageBox> makeMessageBox(
    QMessageBox::Icon icon, const QString& caption, const QString& text, QWidget* parent);

// The real modal boxes of the program; none opens once a stop has been requested (StopRequest).
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent)
        : parent_(parent)
    {
    }
    void warning(const QString& caption, const QString& text) override;
    void plain(const QString& title, const QString& text) override;

private:
    QWidget* parent_;
};

}  // namespace korv
