// Every text on screen follows the language chosen in Options > Language: none that the
// translation sources give in another language may stay Portuguese, and Portuguese brings back
// exactly the texts the windows started with.
#include "app/AboutWindow.h"
#include "app/WindowTexts.h"
#include "core/files/Settings.h"
#include "i18n/LanguageFile.h"
#include "i18n/Translation.h"
#include "support_appfixture.h"

#include <QApplication>
#include <QDir>
#include <QMap>
#include <QtTest>

using namespace korv;

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
        QVERIFY(app.start(seedFor(model, 130)));
        app.read();
        // The diagnostic and record windows open beside the main window; the About box is one of
        // the windows that live for the whole run.
        for (const char* item : { "FrameMonitorItem", "HistoryItem", "CheckConnectionItem" })
            app.form->findChild<QAction*>(QLatin1String(item))->trigger();
        AboutWindow about;
        const QMap<QString, QString> portuguese = allTexts();

        app.form->findChild<QAction*>(itemName)->trigger();
        QCOMPARE(readSettings(app.settingsPath()).LanguageSetting, language);
        const QString placed = QFileInfo(app.settingsPath()).dir().filePath(LanguageFileName);
        QVERIFY(QFileInfo::exists(placed));
        QHash<QString, QString> untranslated;
        for (const CatalogueEntry& entry : translationCatalogue()) {
            if (entry.translation(language) != entry.source)
                untranslated.insert(entry.source, entry.context);
        }
        QStringList left;
        const QMap<QString, QString> chosen = allTexts();
        for (auto it = chosen.cbegin(); it != chosen.cend(); ++it) {
            if (untranslated.contains(it.value()))
                left << it.key() + QStringLiteral(": ") + it.value();
        }
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        QVERIFY(chosen != portuguese);

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
