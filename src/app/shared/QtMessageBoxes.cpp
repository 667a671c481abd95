#include "app/shared/QtMessageBoxes.h"

#include "common/StopRequest.h"

namespace korv {

std::unique_ptr<QMessageBox> makeMessageBox(
    QMessageBox::Icon icon, const QString& caption, const QString& text, QWidget* parent)
{
    // The whole text is shown however long a language file makes it; the box wraps it.
    auto box = std::make_unique<QMessageBox>(icon, caption, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    return box;
}

void QtMessageBoxes::warning(const QString& caption, const QString& text)
{
    // A command stopped by a quit fails on its way out; a box now would hold the quit until
    // someone answered it.
    if (StopRequest::requested())
        return;
    makeMessageBox(QMessageBox::Warning, caption, text, parent_)->exec();
}

void QtMessageBoxes::plain(const QString& title, const QString& text)
{
    if (StopRequest::requested())
        return;
    makeMessageBox(QMessageBox::NoIcon, title, text, parent_)->exec();
}

}  // namespace korv
