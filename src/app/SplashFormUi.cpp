#include "app/SplashFormUi.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QWidget>

namespace korv {

void SplashFormUi::setupUi(QWidget* SplashForm)
{
    SplashForm->setObjectName(QStringLiteral("SplashForm"));
    SplashForm->setWindowTitle(QStringLiteral("KOrvSetup"));
    SplashForm->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    SplashForm->setFixedSize(Width, Height);

    Image1 = new QLabel(SplashForm);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(QPixmap(QStringLiteral(":/assets/product.bmp")));
    Image1->setGeometry(0, 0, Width, 281);

    // The logo is drawn over the lower band of the product picture. Scaled down to the frame, not
    // cropped, as the picture is a little larger than the space the window leaves for it.
    Image2 = new QLabel(SplashForm);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setAlignment(Qt::AlignCenter);
    Image2->setGeometry(8, 190, 281, 83);
    const QPixmap logo(QStringLiteral(":/assets/logo.jpg"));
    if (!logo.isNull())
        Image2->setPixmap(logo.scaled(Image2->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    CommunicationBar = new QProgressBar(SplashForm);
    CommunicationBar->setObjectName(QStringLiteral("CommunicationBar"));
    CommunicationBar->setGeometry(2, 280, 297, 25);
    CommunicationBar->setRange(0, BarMaximum);
    CommunicationBar->setValue(0);
    CommunicationBar->setTextVisible(false);

    // Along the bottom edge, below the bar, one line of bold text.
    CommunicationLabel = new QLabel(SplashForm);
    CommunicationLabel->setObjectName(QStringLiteral("CommunicationLabel"));
    // Its texts are messages the language file may replace: shown as written, never as markup.
    CommunicationLabel->setTextFormat(Qt::PlainText);
    QFont font = CommunicationLabel->font();
    font.setPointSize(12);
    font.setBold(true);
    CommunicationLabel->setFont(font);
    CommunicationLabel->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    const int labelHeight = QFontMetrics(font).height() + 2;
    CommunicationLabel->setGeometry(0, Height - labelHeight, Width, labelHeight);
}

}  // namespace korv
