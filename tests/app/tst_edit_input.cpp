#include "support_appfixture.h"

#include "widgets/TypedInput.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <optional>

using namespace korv;

// What reaches the filtered edits of every page: typing within each edit's limit, and no text that
// bypasses the key rules (paste, drop, the middle button, an input method).
class EditInputTest : public QObject {
    Q_OBJECT

    static QLineEdit* edit(const AppFixture& app, const QString& name) { return app.form->findChild<QLineEdit*>(name); }

    // Offers "12,5x" to the edit in every way that does not type it; returns what the edit holds.
    static QString offerUntypedText(QLineEdit* target)
    {
        target->clear();
        QApplication::clipboard()->setText(QStringLiteral("12,5x"));
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
        QMimeData mime;
        mime.setText(QStringLiteral("12,5x"));
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return target->text();
    }

    // Whether the edit's context menu offers to paste; no value when it shows no paste item at all.
    static std::optional<bool> contextMenuOffersPaste(QLineEdit* target)
    {
        QApplication::clipboard()->setText(QStringLiteral("12,5x"));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), target->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(target, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return std::nullopt;
        std::optional<bool> pasteEnabled;
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(QLineEdit::tr("&Paste")))
                pasteEnabled = action->isEnabled();
        }
        menu->close();
        return pasteEnabled;
    }

private Q_SLOTS:
    void filteredEditsTakeNoUntypedText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typedThroughTheRules");  // what "-12,5x" from an input method leaves
        for (const char* name : { "EdtCorrigeZero", "EdtCorrZeroRH", "EdtCorrZeroTemp", "EdtTempZeroCorrection" })
            QTest::newRow(name) << QString::fromLatin1(name) << QStringLiteral("-12,5");
        for (const char* name :
            { "EdtLimInfRH", "EdtLimSupRH", "EdtLimInfTemp", "EdtLimSupTemp", "EdtTempLowLimit", "EdtTempHighLimit" })
            QTest::newRow(name) << QString::fromLatin1(name) << QStringLiteral("-125");
    }
    void filteredEditsTakeNoUntypedText()
    {
        QFETCH(QString, name);
        QFETCH(QString, typedThroughTheRules);
        AppFixture app;
        app.startWithSettings("[Parametros]\nPort=COM1\nTemperatura=C\n");
        QLineEdit* target = edit(app, name);
        QVERIFY(target);
        QCOMPARE(offerUntypedText(target), QString());
        QCOMPARE(contextMenuOffersPaste(target), std::optional<bool>(false));
        // An input method's commit goes through the key rules like typing.
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("-12,5x"));
        QApplication::sendEvent(target, &commit);
        QCOMPARE(target->text(), typedThroughTheRules);
        // Copying out of the edit still works.
        target->setText(QStringLiteral("12"));
        target->selectAll();
        QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12"));
    }

    // The head/rail limits are free text until a transmitter of the family is identified.
    void headRailLimitsFollowTheModel()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        QLineEdit* lower = app.form->ui.EdtLimitMinSensor;
        // Before any identification the model is unknown: paste (two keys) and drop pass unfiltered.
        QCOMPARE(offerUntypedText(lower), QStringLiteral("12,5x12,5x12,5x"));
        QCOMPARE(contextMenuOffersPaste(lower), std::optional<bool>(true));
        app.read();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(offerUntypedText(lower), QString());
        QCOMPARE(contextMenuOffersPaste(lower), std::optional<bool>(false));
    }

    void typingStopsAtTheLimit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("typed");
        QTest::newRow("head/rail zero") << "EdtCorrigeZero"
                                        << "-12,345"
                                        << "-12,3";
        QTest::newRow("head/rail zero, two decimals") << "EdtCorrigeZero"
                                                      << "12,345"
                                                      << "12,34";
        QTest::newRow("humidity limit") << "EdtLimInfRH"
                                        << "1234567890"
                                        << "12345678";
        QTest::newRow("humidity temperature limit") << "EdtLimSupTemp"
                                                    << "-1234567890"
                                                    << "-1234567";
        QTest::newRow("ambient limit") << "EdtTempHighLimit"
                                       << "1234567890"
                                       << "12345678";
        QTest::newRow("ambient zero has no limit") << "EdtTempZeroCorrection"
                                                   << "-1234567,891"
                                                   << "-1234567,89";
    }
    void typingStopsAtTheLimit()
    {
        QFETCH(QString, name);
        QFETCH(QString, keys);
        QFETCH(QString, typed);
        AppFixture app;
        app.startWithSettings("[Parametros]\nPort=COM1\nTemperatura=C\n");
        QLineEdit* target = edit(app, name);
        target->clear();
        QTest::keyClicks(target, keys);
        QCOMPARE(target->text(), typed);
    }

    // A text the program put there is longer than typing may make it: it stays whole, a key that
    // would lengthen it is refused, and one that replaces a selection is taken.
    void programTextBeyondTheLimit()
    {
        AppFixture app;
        app.startWithSettings("[Parametros]\nPort=COM1\nTemperatura=C\n");
        QLineEdit* zero = app.form->ui.EdtCorrigeZero;
        zero->setText(QStringLiteral("-120,41"));
        QCOMPARE(zero->text(), QStringLiteral("-120,41"));
        zero->end(false);
        QTest::keyClick(zero, Qt::Key_Backspace);
        QCOMPARE(zero->text(), QStringLiteral("-120,4"));
        QTest::keyClick(zero, Qt::Key_7);
        QCOMPARE(zero->text(), QStringLiteral("-120,4"));
        zero->setSelection(2, 3);  // "20,"
        QTest::keyClick(zero, Qt::Key_5);
        QCOMPARE(zero->text(), QStringLiteral("-154"));
        QTest::keyClick(zero, Qt::Key_Minus);
        QCOMPARE(zero->text(), QStringLiteral("-"));
        QCOMPARE(typedMaxLength(zero), 5);
    }

    // A send by Alt+E while the zero edit was entered and left untyped writes the correction the
    // edit showed, as a click on Enviar (which takes the focus first) does.
    void sendByMnemonicFromAnUntypedZeroEdit()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        app.emulator->setParameter(15, 26);
        app.read();
        QLineEdit* zero = app.form->ui.EdtCorrigeZero;
        const QString shown = zero->text();
        app.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.form.get()));
        zero->setFocus(Qt::TabFocusReason);
        QCOMPARE(zero->text(), QString());
        QTest::keyClick(zero, Qt::Key_E, Qt::AltModifier);
        QCOMPARE(app.boxTexts(), QStringList {});
        QCOMPARE(zero->text(), shown);
        QCOMPARE(app.emulator->parameter(15), qint16(26));
    }
};

QTEST_MAIN(EditInputTest)
#include "tst_edit_input.moc"
