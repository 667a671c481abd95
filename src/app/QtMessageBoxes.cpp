#include "app/QtMessageBoxes.h"

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
    makeMessageBox(QMessageBox::Warning, caption, text, parent_)->exec();
}

void QtMessageBoxes::plain(const QString& title, const QString& text)
{
    makeMessageBox(QMessageBox::NoIcon, title, text, parent_)->exec();
}

}  // namespace korv
