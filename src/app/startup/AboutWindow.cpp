#include "app/startup/AboutWindow.h"

#include "i18n/LanguageApply.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>

namespace korv {

namespace {

constexpr int ClientWidth = 327;
constexpr int ClientHeight = 176;

QLabel* makeTextLabel(QWidget* parent, const char* name, const QString& text, int pointSize, bool bold)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    // Two of the texts come from the language file: shown as written, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

}  // namespace

AboutWindow::AboutWindow(const QStringList* languageLines, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SobreForm"));
    setWindowTitle(QCoreApplication::translate("korv::AboutWindow", "Sobre"));
    setModal(false);

    logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image2"));
    logo->setAlignment(Qt::AlignCenter);
    logo->setPixmap(QPixmap(QStringLiteral(":/assets/logo.jpg")));
    logo->setGeometry(24, 8, 286, 97);

    productLabel = makeTextLabel(
        this, "Label1Sobre", QCoreApplication::translate("korv::AboutWindow", "Configurador KOrvSetup"), 12, true);
    versionWordLabel
        = makeTextLabel(this, "Label2Sobre", QCoreApplication::translate("korv::AboutWindow", "Versão "), 10, false);
    LabelNumVersao = makeTextLabel(this, "LabelNumVersao", QStringLiteral("1.39"), 10, false);

    okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("Button1"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &AboutWindow::onOk);

    if (languageLines)
        applyLanguage(*languageLines);
    arrange();
}

void AboutWindow::onOk()
{
    hide();
}

void AboutWindow::applyLanguage(const QStringList& lines)
{
    if (lines.size() > AboutCaptionLine)
        setWindowTitle(lines.at(AboutCaptionLine));
    if (lines.size() > AboutProductLine)
        productLabel->setText(lines.at(AboutProductLine));
    if (lines.size() > AboutVersionWordLine)
        versionWordLabel->setText(lines.at(AboutVersionWordLine));
}

// The classic positions, moved only as far as the texts of the current font (or of a language
// file) need, and the box grown rather than anything cut off.
void AboutWindow::arrange()
{
    productLabel->setGeometry(QRect(QPoint(24, 112), productLabel->sizeHint()));
    const int versionTop = std::max(136, productLabel->geometry().bottom() + 5);
    versionWordLabel->setGeometry(QRect(QPoint(56, versionTop), versionWordLabel->sizeHint()));
    LabelNumVersao->setGeometry(
        QRect(QPoint(std::max(120, versionWordLabel->geometry().right() + 2), versionTop), LabelNumVersao->sizeHint()));

    const QSize buttonSize = okButton->sizeHint().expandedTo(QSize(75, 25));
    QPoint buttonPos(224, 144);
    const int textBottom = std::max(versionWordLabel->geometry().bottom(), LabelNumVersao->geometry().bottom());
    if (LabelNumVersao->geometry().right() + 8 >= buttonPos.x())
        buttonPos.setY(textBottom + 8);  // a long version word: the button goes below it
    else
        buttonPos.setY(std::max(buttonPos.y(), productLabel->geometry().bottom() + 6));
    okButton->setGeometry(QRect(buttonPos, buttonSize));

    const int right = std::max({ productLabel->geometry().right() + 17, LabelNumVersao->geometry().right() + 17,
        okButton->geometry().right() + 28, ClientWidth });
    const int bottom = std::max({ okButton->geometry().bottom() + 8, textBottom + 8, ClientHeight });
    setFixedSize(right, bottom);
}

void AboutWindow::showEvent(QShowEvent* event)
{
    // Centred on the screen when first opened; after that it stays where the user put it.
    if (!centred_ && !event->spontaneous()) {
        if (QScreen* shown = screen())
            move(shown->availableGeometry().center() - rect().center());
        centred_ = true;
    }
    QDialog::showEvent(event);
}

}  // namespace korv
