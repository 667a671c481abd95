#include "app/QtMessageBoxes.h"

#include <QMessageBox>

namespace korv {

void QtMessageBoxes::warning(const QString& caption, const QString& text)
{
    // The whole text is shown however long a language file makes it; the box wraps it.
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, parent_);
    box.exec();
}

void QtMessageBoxes::plain(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace korv
