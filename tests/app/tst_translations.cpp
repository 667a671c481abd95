// Every text on screen follows the language chosen in Options > Language: none that the
// translation sources give in another language may stay Portuguese, and Portuguese brings back
// exactly the texts the windows started with.
#include "app/shared/WindowTexts.h"
#include "app/startup/AboutWindow.h"
#include "core/files/Settings.h"
#include "i18n/LanguageFile.h"
#include "i18n/Translation.h"
#include "support/PortugueseLeft.h"
#include "support_appfixture.h"

#include <QApplication>
#include <QDir>
#include <QMap>
#include <QPlainTextEdit>
#include <QTableView>
#include <QtTest>

using namespace korv;
using namespace korv::test;

namespace {

// Every text of every window, keyed by window and object.
QMap<QString, QString> allTexts()
{
    QMap<QString, QString> texts;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->parentWidget())
            continue;
        const QString prefix = window->objectName() + QLatin1Char('/');
        forEachWindowText(
            window, [&](const QString& where, const QString& text) { texts.insert(prefix + where, text); });
    }
    return texts;
}

// Opening a configuration file answers with the path a test gives it.
struct AnsweringDialogs final : FileDialogs {
    QString answer;
    QString openFileName(QWidget*, const QString&, const QString&) override { return answer; }
    QString saveFileName(QWidget*, const QString&, const QString&, FileKind) override { return {}; }
};

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyTextFollowsTheChosenLanguage_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("itemName");
        for (const int model : { 0, 4, 6 }) {
            QTest::addRow("model %d, English", model) << model << "en"
                                                      << "LanguageEnglishItem";
            QTest::addRow("model %d, Spanish", model) << model << "es"
                                                      << "LanguageSpanishItem";
        }
    }

    void everyTextFollowsTheChosenLanguage()
    {
        QFETCH(int, model);
        QFETCH(QString, language);
        QFETCH(QString, itemName);
        AppFixture app;
        AnsweringDialogs dialogs;
        app.fileDialogs = &dialogs;
        QVERIFY(app.start(seedFor(model, 130)));
        app.read();
        // The diagnostic and record windows open beside the main window; the About box is one of
        // the windows that live for the whole run.
        for (const char* item : { "FrameMonitorItem", "HistoryItem", "CheckConnectionItem" })
            app.form->findChild<QAction*>(QLatin1String(item))->trigger();
        AboutWindow about;
        // The read's event, selected: its detail is drawn in the language of the moment.
        auto* history = app.form->findChild<QTableView*>(QStringLiteral("HistoryView"));
        QVERIFY(history);
        history->selectRow(0);
        auto* summary = app.form->findChild<QPlainTextEdit*>(QStringLiteral("HistorySummary"));
        QVERIFY(summary && !summary->toPlainText().isEmpty());
        const QMap<QString, QString> portuguese = allTexts();

        app.form->findChild<QAction*>(itemName)->trigger();
        // Qt's own widgets follow the new translators when the event loop hands them the news.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(readSettings(app.settingsPath()).LanguageSetting, language);
        const QString placed = QFileInfo(app.settingsPath()).dir().filePath(LanguageFileName);
        QVERIFY(QFileInfo::exists(placed));
        QHash<QString, QString> untranslated;
        for (const CatalogueEntry& entry : translationCatalogue()) {
            if (entry.translation(language) != entry.source)
                untranslated.insert(entry.source, entry.context);
        }
        // A text the sources give in the language, the same text as in Portuguese where it reads
        // as Portuguese (one the sources lack), or a sentence built of the sources' Portuguese.
        const QStringList pieces = portuguesePieces(language);
        QStringList left;
        const QMap<QString, QString> chosen = allTexts();
        for (auto it = chosen.cbegin(); it != chosen.cend(); ++it) {
            // Each language's item in the menu keeps its own name.
            if (it.key().contains(QLatin1String("/Language")) && it.key().endsWith(QLatin1String("Item.text")))
                continue;
            if (untranslated.contains(it.value()) || !portugueseLeft(it.value(), pieces).isEmpty()
                || (portuguese.value(it.key()) == it.value() && looksPortuguese(it.value(), language == "en")))
                left << it.key() + QStringLiteral(": ") + it.value();
        }
        left << portugueseLeft(summary->toPlainText(), pieces);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        QVERIFY(chosen != portuguese);

        // The boxes a refused configuration file brings up.
        app.boxes.clear();
        for (const auto& [name, bytes] :
            { std::pair { "empty.json", QByteArray() }, std::pair { "cut.json", QByteArray("{\"format\": 1, ") },
                std::pair { "other.json", QByteArray("{\"format\": 1, \"family\": \"none\"}") } }) {
            dialogs.answer = app.rig.writeFile(QLatin1String(name), bytes);
            app.form->findChild<QAction*>(QStringLiteral("AbrirConfig1"))->trigger();
        }
        dialogs.answer = app.dir.filePath(QStringLiteral("missing.json"));
        app.form->findChild<QAction*>(QStringLiteral("AbrirConfig1"))->trigger();
        QCOMPARE(app.boxes.shown.size(), 4);
        for (const RecordingMessageBoxes::Shown& box : app.boxes.shown) {
            const QString text = box.caption + u'\n' + box.text;
            QVERIFY2(
                portugueseLeft(text, pieces).isEmpty() && !looksPortuguese(text, language == "en"), qPrintable(text));
        }

        app.form->findChild<QAction*>(QStringLiteral("LanguagePortugueseItem"))->trigger();
        QVERIFY(!QFileInfo::exists(placed));
        QCOMPARE(readSettings(app.settingsPath()).LanguageSetting, QStringLiteral("pt"));
        // Texts a running check or the monitor's count may have changed meanwhile aside.
        const QMap<QString, QString> back = allTexts();
        for (auto it = portuguese.cbegin(); it != portuguese.cend(); ++it) {
            if (untranslated.contains(it.value()))
                QCOMPARE(back.value(it.key()), it.value());
        }
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
