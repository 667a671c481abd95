#include "app/startup/SplashFormUi.h"

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

    splashImage = new QLabel(SplashForm);
    splashImage->setObjectName(QStringLiteral("Image1"));
    splashImage->setAlignment(Qt::AlignCenter);
    splashImage->setPixmap(QPixmap(QStringLiteral(":/assets/product.bmp")));
    splashImage->setGeometry(0, 0, Width, 281);

    // The logo is drawn over the lower band of the product picture. Scaled down to the frame, not
    // cropped, as the picture is a little larger than the space the window leaves for it.
    logo = new QLabel(SplashForm);
    logo->setObjectName(QStringLiteral("Image2"));
    logo->setAlignment(Qt::AlignCenter);
    logo->setGeometry(8, 190, 281, 83);
    const QPixmap picture(QStringLiteral(":/assets/logo.jpg"));
    if (!picture.isNull())
        logo->setPixmap(picture.scaled(logo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

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
