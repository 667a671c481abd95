#include "app/shared/QtMessageBoxes.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace korv;

// The real boxes, built but never shown: a text is always shown as written, markup or not.
class MessageBoxesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textIsPlain_data()
    {
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("text");
        const QString tagged = QStringLiteral("<b>Communication</b> error!");
        const QString heading = QStringLiteral("<h1>Erro de comunicação!</h1>");
        QTest::newRow("warning, leading tag") << int(QMessageBox::Warning) << tagged;
        QTest::newRow("warning, whole text a heading") << int(QMessageBox::Warning) << heading;
        QTest::newRow("plain, leading tag") << int(QMessageBox::NoIcon) << tagged;
        QTest::newRow("critical, leading tag") << int(QMessageBox::Critical) << tagged;
        QTest::newRow("ampersand and angle") << int(QMessageBox::Warning) << QStringLiteral("a < b & c > d");
    }
    void textIsPlain()
    {
        QFETCH(int, icon);
        QFETCH(QString, text);
        const auto box
            = makeMessageBox(QMessageBox::Icon(icon), QStringLiteral("<i>Aten\u00e7\u00e3o</i>"), text, nullptr);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->text(), text);
        QCOMPARE(box->icon(), QMessageBox::Icon(icon));
        QCOMPARE(box->windowTitle(), QStringLiteral("<i>Aten\u00e7\u00e3o</i>"));
        QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        // The label that draws the text is the one that must not read it as markup.
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->text(), text);
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "tst_messageboxes.moc"
