#include "LayoutCheck.h"
#include "app/startup/AboutWindow.h"
#include "app/startup/SplashFormUi.h"

#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

using namespace korv;
using layoutcheck::collectLayoutFaults;

class AboutSplashTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aboutBox()
    {
        AboutWindow about;
        QCOMPARE(about.windowTitle(), QStringLiteral("Sobre"));
        QCOMPARE(about.productLabel->text(), QStringLiteral("Configurador KOrvSetup"));
        QCOMPARE(about.versionWordLabel->text(), QStringLiteral("Versão "));
        QCOMPARE(about.LabelNumVersao->text(), QStringLiteral("1.39"));
        QCOMPARE(about.okButton->text(), QStringLiteral("&OK"));
        QVERIFY(about.productLabel->font().bold());
        QCOMPARE(about.productLabel->font().pointSize(), 12);
        QCOMPARE(about.versionWordLabel->font().pointSize(), 10);
        QCOMPARE(about.LabelNumVersao->font().pointSize(), 10);
        QCOMPARE(about.logo->geometry(), QRect(24, 8, 286, 97));
        QVERIFY(!about.logo->pixmap().isNull());
        QVERIFY(!about.isModal());
        // The classic client size, grown a little only where the font needs it.
        QVERIFY(about.width() >= 327 && about.width() <= 360);
        QVERIFY(about.height() >= 176 && about.height() <= 200);
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QStringList faults;
        collectLayoutFaults(&about, faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.okButton, Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }

    void aboutBoxLanguage_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("versionWord");
        QTest::newRow("complete file") << 72 << "About"
                                       << "KOrvSetup configurator"
                                       << "Version ";
        QTest::newRow("file ends after the caption") << 55 << "About"
                                                     << "Configurador KOrvSetup"
                                                     << "Versão ";
        QTest::newRow("file ends before the About lines") << 54 << "Sobre"
                                                          << "Configurador KOrvSetup"
                                                          << "Versão ";
        QTest::newRow("no file") << 0 << "Sobre"
                                 << "Configurador KOrvSetup"
                                 << "Versão ";
    }
    void aboutBoxLanguage()
    {
        QFETCH(int, lineCount);
        QFETCH(QString, caption);
        QFETCH(QString, product);
        QFETCH(QString, versionWord);
        QStringList lines;
        for (int i = 0; i < lineCount; ++i)
            lines << QStringLiteral("line %1").arg(i);
        const QStringList aboutLines = { "About", "KOrvSetup configurator", "Version " };
        for (int i = 0; i < 3 && 54 + i < lineCount; ++i)
            lines[54 + i] = aboutLines.at(i);
        AboutWindow about(lineCount ? &lines : nullptr);
        QCOMPARE(about.windowTitle(), caption);
        QCOMPARE(about.productLabel->text(), product);
        QCOMPARE(about.versionWordLabel->text(), versionWord);
        QCOMPARE(about.LabelNumVersao->text(), QStringLiteral("1.39"));
    }

    void aboutBoxLongVersionWordStaysReadable()
    {
        QStringList lines(72);
        lines[54] = QStringLiteral("Acerca de");
        lines[55] = QStringLiteral("Configurador KOrvSetup para transmisores de campo");
        lines[56] = QStringLiteral("Versión del programa configurador ");
        AboutWindow about(&lines);
        QStringList faults;
        collectLayoutFaults(&about, faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void splash()
    {
        QWidget splash;
        SplashFormUi ui;
        ui.setupUi(&splash);
        QCOMPARE(splash.size(), QSize(301, 329));
        QCOMPARE(splash.minimumSize(), splash.maximumSize());
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(splash.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(splash.windowTitle(), QStringLiteral("KOrvSetup"));
        QCOMPARE(ui.splashImage->geometry(), QRect(0, 0, 301, 281));
        QCOMPARE(ui.logo->geometry(), QRect(8, 190, 281, 83));
        QCOMPARE(ui.splashImage->pixmap().size(), QSize(301, 281));
        const QSize logo = ui.logo->pixmap().size();
        QVERIFY(!logo.isEmpty() && logo.width() <= 281 && logo.height() <= 83);
        QCOMPARE(ui.CommunicationBar->geometry(), QRect(2, 280, 297, 25));
        QCOMPARE(ui.CommunicationBar->minimum(), 0);
        QCOMPARE(ui.CommunicationBar->maximum(), 7);
        QCOMPARE(ui.CommunicationBar->value(), 0);
        QVERIFY(!ui.CommunicationBar->isTextVisible());
        QVERIFY(ui.CommunicationLabel->text().isEmpty());
        QVERIFY(ui.CommunicationLabel->font().bold());
        QCOMPARE(ui.CommunicationLabel->font().pointSize(), 12);
        QCOMPARE(ui.CommunicationLabel->alignment(), Qt::AlignHCenter | Qt::AlignBottom);
        QCOMPARE(ui.CommunicationLabel->geometry().bottom(), 328);
        QCOMPARE(ui.CommunicationLabel->width(), 301);
        QVERIFY(ui.CommunicationLabel->y() >= ui.CommunicationBar->geometry().bottom());
        ui.CommunicationLabel->setText(QStringLiteral("Procurando Transmissor..."));
        QVERIFY(ui.CommunicationLabel->sizeHint().width() <= ui.CommunicationLabel->width());
        QVERIFY(ui.CommunicationLabel->sizeHint().height() <= ui.CommunicationLabel->height());
    }

    void pictures()
    {
        QImageReader reader(QStringLiteral(":/assets/logo.jpg"));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage logo = reader.read();
        QVERIFY2(!logo.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(logo.size(), QSize(286, 97));
        const QImage product(QStringLiteral(":/assets/product.bmp"));
        QVERIFY(!product.isNull());
        QCOMPARE(product.size(), QSize(301, 281));
    }
};

QTEST_MAIN(AboutSplashTest)
#include "tst_aboutsplash.moc"
