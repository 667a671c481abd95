#include "Captions.h"
#include "LayoutCheck.h"
#include "app/mainwindow/MainWindow.h"
#include "app/startup/AboutWindow.h"
#include "common/MessageBoxes.h"
#include "common/Messages.h"
#include "common/Timing.h"
#include "headrail/RadioGroup.h"
#include "i18n/LanguageApply.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace korv;
using korv::test::captionOf;
using layoutcheck::collectLayoutFaults;
using layoutcheck::settle;

namespace {

const QString LanguageFolder = QStringLiteral(KORV_SHIPPED_LANGUAGES);

QStringList rawLines(const QString& language)
{
    QFile file(QDir(LanguageFolder).filePath(language + QStringLiteral("/LANGUAGE.TRL")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return splitLanguageLines(decodeLanguageText(file.readAll()));
}

bool hasAccelerator(const QString& text)
{
    return QString(text).remove(QStringLiteral("&&")).contains(u'&');
}

QString edges(const QString& text)
{
    const qsizetype lead = text.size() - QString(text).remove(QRegularExpression(QStringLiteral("^\\s+"))).size();
    const qsizetype trail = text.size() - QString(text).remove(QRegularExpression(QStringLiteral("\\s+$"))).size();
    return QStringLiteral("%1 leading, %2 trailing").arg(lead).arg(trail);
}

void languageRows()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    QTest::newRow("es") << "es";
}

// The window as the program opens it, reading the language file from `language`'s folder.
struct Window {
    QTemporaryDir settings;
    RecordingMessageBoxes boxes;
    std::unique_ptr<MainWindow> form;

    explicit Window(const QString& language)
    {
        MainWindowEnvironment environment;
        environment.settingsPath = settings.filePath(QStringLiteral("OrvSetup.ini"));
        environment.boxes = &boxes;
        environment.languageDirectory = QDir(LanguageFolder).filePath(language);
        environment.listPorts = false;
        form = std::make_unique<MainWindow>(environment);
    }
};

}  // namespace

// The language files shipped with the program: complete, each line reaching its control or
// message, and every translated caption fitting the window.
class ShippedLanguagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The port change at start-up pauses a second; nothing here depends on its length.
    void initTestCase() { Timing::setScalePercent(5); }

    void everyLineIsThere_data() { languageRows(); }
    void everyLineIsThere()
    {
        QFETCH(QString, language);
        const QStringList lines = rawLines(language);
        QCOMPARE(lines.size(), LanguageLineCount);
        const auto& targets = languageLineTargets();
        for (int line = 0; line < LanguageLineCount; ++line) {
            const bool used = !targets[static_cast<size_t>(line)].objectNames.isEmpty()
                || targets[static_cast<size_t>(line)].message >= 0 || line == AboutCaptionLine
                || line == AboutProductLine || line == AboutVersionWordLine;
            QVERIFY2(lines.at(line).trimmed().isEmpty() != used, qPrintable(QStringLiteral("line %1").arg(line)));
        }
    }

    void everyLineLandsInTheWindow_data() { languageRows(); }
    void everyLineLandsInTheWindow()
    {
        QFETCH(QString, language);
        const QStringList lines = rawLines(language);
        QCOMPARE(lines.size(), LanguageLineCount);
        Window w(language);
        // The Portuguese captions of the design, before the file replaces them.
        QHash<QString, QString> designed;
        for (const auto& target : languageLineTargets()) {
            for (const QString& name : target.objectNames)
                designed.insert(name, captionOf(w.form->findChild<QObject*>(name)));
        }
        w.form->show();
        QVERIFY(w.form->languageLines().loaded);

        const auto& targets = languageLineTargets();
        for (int line = 0; line < LanguageLineCount; ++line) {
            const QString where = QStringLiteral("line %1").arg(line);
            const QString& text = lines.at(line);
            for (const QString& name : targets[static_cast<size_t>(line)].objectNames) {
                const QList<QObject*> controls = w.form->findChildren<QObject*>(name);
                QVERIFY2(!controls.isEmpty(), qPrintable(where + QStringLiteral(": no ") + name));
                for (const QObject* control : controls)
                    QCOMPARE(captionOf(control), text);
                // Alt+letter keeps working wherever the design had one.
                QVERIFY2(hasAccelerator(text) == hasAccelerator(designed.value(name)), qPrintable(where));
            }
            const int message = targets[static_cast<size_t>(line)].message;
            if (message >= 0) {
                QCOMPARE(w.form->messages()[message], text);
                // Prefixes and the range word are joined to other texts by their blanks.
                QVERIFY2(edges(text) == edges(MessageTable::builtIn()[static_cast<size_t>(message)]),
                    qPrintable(where + QStringLiteral(": ") + edges(text)));
            }
        }
        // The sensor list is rebuilt from the translated names.
        QCOMPARE(w.form->ui.SensorRadioGroup->items().first(), lines.at(9));

        AboutWindow about(&w.form->languageLines().lines, w.form.get());
        QCOMPARE(about.windowTitle(), lines.at(AboutCaptionLine));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label1Sobre"))->text(), lines.at(AboutProductLine));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label2Sobre"))->text(), lines.at(AboutVersionWordLine));
        QVERIFY2(edges(lines.at(AboutVersionWordLine)) == edges(QStringLiteral("Versão ")),
            qPrintable(edges(lines.at(AboutVersionWordLine))));
    }

    void nothingClipped_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("fahrenheit");
        for (const char* language : { "en", "es" }) {
            QTest::addRow("%s, default font, °C", language) << language << QString() << false;
            QTest::addRow("%s, DejaVu Sans 10, °F", language) << language << "DejaVu Sans" << true;
        }
    }
    void nothingClipped()
    {
        QFETCH(QString, language);
        QFETCH(QString, family);
        QFETCH(bool, fahrenheit);
        const QFont original = QApplication::font();
        if (!family.isEmpty())
            QApplication::setFont(QFont(family, 10));
        auto restore = qScopeGuard([&original] { QApplication::setFont(original); });

        Window w(language);
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        // The range texts are rebuilt with the translated range word when the unit changes.
        if (fahrenheit)
            w.form->onFahrenheit();
        QStringList faults;
        settle();
        collectLayoutFaults(w.form->ui.ClientArea, faults);
        auto* tabs = w.form->ui.tabs;
        for (QWidget* page : { w.form->ui.headRailSheet, w.form->ui.humiditySheet, w.form->ui.ambientSheet }) {
            tabs->setCurrentWidget(page);
            settle();
            collectLayoutFaults(page, faults);
        }
        QCOMPARE(w.form->ui.ClientArea->size(), QSize(494, 464));

        AboutWindow about(&w.form->languageLines().lines, w.form.get());
        about.show();
        settle();
        collectLayoutFaults(&about, faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(ShippedLanguagesTest)
#include "tst_shipped_languages.moc"
