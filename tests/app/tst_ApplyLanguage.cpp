#include "Captions.h"
#include "app/shared/LanguageCaptions.h"
#include "i18n/LanguageApply.h"
#include "support/LanguageFixtures.h"

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using namespace korv;
using korv::test::captionOf;

namespace {
// Which controls each line re-captions, written out independently of the program's own table.
const QList<QPair<int, QStringList>> CaptionLines = {
    { 0, { "Arquivo1" } },
    { 1, { "Sair1" } },
    { 2, { "Opes1" } },
    { 3, { "Comunic1" } },
    { 4, { "UnidadeTemp1" } },
    { 5, { "Ajuda1" } },
    { 6, { "Topicos1" } },
    { 7, { "Sobre1" } },
    { 8, { "SensorRadioGroup" } },
    { 19, { "GroupBox2", "EscFaixaRHLb", "EscFaixaTempLb", "GroupBox10" } },
    { 20, { "Label2LimMin", "LimInfRHLb", "LimInfTempLb", "TempLowLimitLabel" } },
    { 21, { "Label1LimMax", "LimSupRHLb", "LimSupTempLb", "TempHighLimitLabel" } },
    { 22, { "Label3FaixaSen", "FaixaSensRHLb", "FaixaSensTempLb", "SensorRangeLabel" } },
    { 23, { "Label4FaixaMin", "FaixaMinRHLb", "FaixaMinTempLb", "MinSensorRangeLabel" } },
    { 24, { "GroupBox3" } },
    { 25, { "Label5Rede" } },
    { 26, { "GroupBox4", "FalhaSensRHLb", "FalhaSensTempLb", "GroupBox1" } },
    { 27, { "Label6SelecOut", "EstadoRHLb", "EstadoTempLb", "SelectLabel" } },
    { 28, { "Forca_SaidaMin", "MinRHRadioButton", "MinTempRadioButton", "MinFailOptionRadioButton" } },
    { 29, { "Forca_SaidaMax", "MaxRHRadioButton", "MaxTempRadioButton", "MaxFailOptionRadioButton" } },
    { 30, { "Corrzero", "ZeroRHLb", "ZeroTempLb", "GroupBox12" } },
    { 31, { "Label1", "MinRHLb", "MinTempLb", "ZeroAdjustMinLabel" } },
    { 32, { "Label2", "MaxRHLb", "MaxTempLb", "ZeroAdjustMaxLabel" } },
    { 33, { "GroupBox5", "GroupBox11", "GroupBox9" } },
    { 34, { "Ler_Config" } },
    { 35, { "Enviar_Config" } },
    { 60, { "UmidadeGroupBox" } },
    { 61, { "TemperaturaGroupBox" } },
};

// A stand-in for the main window with every re-captioned control, each of the kind the real window
// uses, all reading "original" until a language file changes them.
std::unique_ptr<QMainWindow> makeFakeWindow()
{
    auto window = std::make_unique<QMainWindow>();
    auto* central = new QWidget(window.get());
    auto* layout = new QVBoxLayout(central);
    window->setCentralWidget(central);
    const QString original = QStringLiteral("original");
    const QStringList menus = { "Arquivo1", "Opes1", "Comunic1", "UnidadeTemp1", "Ajuda1" };
    const QStringList actions = { "Sair1", "Topicos1", "Sobre1" };
    // The About box reads its lines itself; labels of those names on the main window must stay.
    QStringList names = { "Label1Sobre", "Label2Sobre" };
    for (const auto& row : CaptionLines)
        names += row.second;
    for (const QString& name : names) {
        QObject* object = nullptr;
        if (menus.contains(name)) {
            object = window->menuBar()->addMenu(original);
        } else if (actions.contains(name)) {
            object = new QAction(original, window.get());
        } else {
            QWidget* widget = nullptr;
            if (name.contains("GroupBox") || name == "SensorRadioGroup")
                widget = new QGroupBox(original);
            else if (name.startsWith("Forca_Saida") || name.endsWith("RadioButton"))
                widget = new QRadioButton(original);
            else if (name == "Ler_Config" || name == "Enviar_Config")
                widget = new QPushButton(original);
            else
                widget = new QLabel(original);
            layout->addWidget(widget);
            object = widget;
        }
        object->setObjectName(name);
    }
    return window;
}

LanguageLines linesOf(const QStringList& lines)
{
    return test::languageOf(lines);
}

}  // namespace

class TestApplyLanguage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fullFileRecaptionsEveryControl_data();
    void fullFileRecaptionsEveryControl();
    void fullFileReplacesMessages_data();
    void fullFileReplacesMessages();
    void isolatedInputNamesAreNeverReplaced();
    void linesWithoutTargetChangeNothing();
    void shortFileKeepsBuiltInTexts();
    void emptyLineGivesEmptyText();
    void nothingLoadedChangesNothing();
    void missingControlsAreSkipped();
    void otherWindowsKeepTheirTexts();
    void everyLoadStartsFromBuiltInTexts();
};

void TestApplyLanguage::fullFileRecaptionsEveryControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    for (const auto& [line, names] : CaptionLines) {
        for (const QString& name : names)
            QTest::addRow("%s", qPrintable(name)) << name << QStringLiteral("EN %1").arg(line);
    }
}

void TestApplyLanguage::fullFileRecaptionsEveryControl()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    auto window = makeFakeWindow();
    MessageTable messages;
    applyLanguage(window.get(), linesOf(test::englishLines()), messages);
    const QObject* object = window->findChild<QObject*>(name);
    QVERIFY(object);
    QCOMPARE(captionOf(object), caption);
}

void TestApplyLanguage::fullFileReplacesMessages_data()
{
    QTest::addColumn<int>("message");
    QTest::addColumn<QString>("text");
    QTest::newRow("communication error from line 38")
        << int(Msg::CommunicationError) << QStringLiteral("Communication error!");
    QTest::newRow("warning caption from line 39") << int(Msg::WarningCaption) << QStringLiteral("Warning");
    const auto block = [](int firstLine, int firstMessage, int count) {
        for (int i = 0; i < count; ++i)
            QTest::addRow("message %d from line %d", firstMessage + i, firstLine + i)
                << firstMessage + i << QStringLiteral("EN %1").arg(firstLine + i);
    };
    block(9, 18, 10);
    block(36, 0, 2);
    block(40, 4, 14);
    block(57, 31, 3);
    block(65, 34, 7);
}

void TestApplyLanguage::fullFileReplacesMessages()
{
    QFETCH(int, message);
    QFETCH(QString, text);
    MessageTable messages;
    applyLanguage(nullptr, linesOf(test::englishLines()), messages);
    QCOMPARE(messages.text(message), text);
}

void TestApplyLanguage::isolatedInputNamesAreNeverReplaced()
{
    MessageTable messages;
    applyLanguage(nullptr, linesOf(test::englishLines()), messages);
    QCOMPARE(messages.text(28), QStringLiteral("0 - 10 V"));
    QCOMPARE(messages.text(29), QStringLiteral("0 - 20 mA"));
    QCOMPARE(messages.text(30), QStringLiteral("4 - 20 mA"));
    for (const LanguageLineTarget& target : languageLineTargets())
        QVERIFY(target.message < 28 || target.message > 30);
}

void TestApplyLanguage::linesWithoutTargetChangeNothing()
{
    auto window = makeFakeWindow();
    MessageTable messages;
    applyLanguage(window.get(), linesOf(test::englishLines()), messages);
    const QStringList unused = { "EN 54", "EN 55", "EN 56", "EN 62", "EN 63", "EN 64" };
    for (const QObject* object : window->findChildren<QObject*>())
        QVERIFY2(!unused.contains(captionOf(object)), qPrintable(object->objectName()));
    for (int n = 0; n < MessageTable::Count; ++n)
        QVERIFY2(!unused.contains(messages.text(n)), qPrintable(QString::number(n)));
    QCOMPARE(window->findChild<QLabel*>("Label1Sobre")->text(), QStringLiteral("original"));
}

void TestApplyLanguage::shortFileKeepsBuiltInTexts()
{
    auto window = makeFakeWindow();
    MessageTable messages;
    applyLanguage(window.get(), linesOf(test::englishLines().mid(0, 37)), messages);
    QCOMPARE(window->findChild<QAction*>("Sair1")->text(), QStringLiteral("EN 1"));
    QCOMPARE(window->findChild<QPushButton*>("Enviar_Config")->text(), QStringLiteral("EN 35"));
    QCOMPARE(messages.text(Msg::LimitsIncorrect), QStringLiteral("EN 36"));
    QCOMPARE(messages.text(Msg::ZeroOutOfBounds), MessageTable::builtIn()[1]);
    QCOMPARE(messages.text(Msg::CommunicationError), QStringLiteral("Erro de comunicação!"));
    QCOMPARE(messages.text(Msg::RangeWord), QStringLiteral("a"));
    QCOMPARE(window->findChild<QGroupBox*>("UmidadeGroupBox")->title(), QStringLiteral("original"));
}

void TestApplyLanguage::emptyLineGivesEmptyText()
{
    QStringList lines = test::englishLines();
    lines[38].clear();
    lines[34].clear();
    auto window = makeFakeWindow();
    MessageTable messages;
    applyLanguage(window.get(), linesOf(lines), messages);
    QCOMPARE(messages.text(Msg::CommunicationError), QString());
    QCOMPARE(window->findChild<QPushButton*>("Ler_Config")->text(), QString());
}

void TestApplyLanguage::nothingLoadedChangesNothing()
{
    auto window = makeFakeWindow();
    MessageTable messages;
    applyLanguage(window.get(), test::languageOf(test::englishLines(), false), messages);
    QCOMPARE(window->findChild<QMenu*>("Arquivo1")->title(), QStringLiteral("original"));
    QCOMPARE(messages.text(Msg::WarningCaption), QStringLiteral("Atenção"));
}

void TestApplyLanguage::missingControlsAreSkipped()
{
    QMainWindow window;
    auto* only = new QLabel(&window);
    only->setObjectName("Label5Rede");
    MessageTable messages;
    applyLanguage(&window, linesOf(test::englishLines()), messages);
    QCOMPARE(only->text(), QStringLiteral("EN 25"));
    QCOMPARE(messages.text(Msg::WarningCaption), QStringLiteral("Warning"));
}

void TestApplyLanguage::otherWindowsKeepTheirTexts()
{
    // A dialog parented to the main window, with controls named like the main window's own, as the
    // service window is.
    auto window = makeFakeWindow();
    auto* dialog = new QDialog(window.get());
    auto* warning = new QLabel(QStringLiteral("fixed"), dialog);
    warning->setObjectName(QStringLiteral("Label1"));
    auto* inner = new QGroupBox(dialog);
    auto* limits = new QLabel(QStringLiteral("fixed"), inner);
    limits->setObjectName(QStringLiteral("Label2"));
    auto* button = new QPushButton(QStringLiteral("fixed"), dialog);
    button->setObjectName(QStringLiteral("Ler_Config"));
    MessageTable messages;
    applyLanguage(window.get(), linesOf(test::englishLines()), messages);
    QCOMPARE(warning->text(), QStringLiteral("fixed"));
    QCOMPARE(limits->text(), QStringLiteral("fixed"));
    QCOMPARE(button->text(), QStringLiteral("fixed"));
    // The main window's own controls of those names, its menus and their items still change.
    const QWidget* central = window->centralWidget();
    QCOMPARE(central->findChild<QLabel*>("Label1")->text(), QStringLiteral("EN 31"));
    QCOMPARE(central->findChild<QLabel*>("Label2")->text(), QStringLiteral("EN 32"));
    QCOMPARE(central->findChild<QPushButton*>("Ler_Config")->text(), QStringLiteral("EN 34"));
    QCOMPARE(window->findChild<QMenu*>("Ajuda1")->title(), QStringLiteral("EN 5"));
}

void TestApplyLanguage::everyLoadStartsFromBuiltInTexts()
{
    QTemporaryDir dir;
    MessageTable messages;
    QVERIFY(test::writeFile(dir.path(), test::joinLines(test::englishLines())));
    LanguageLines language = loadAndApplyLanguage(nullptr, messages, dir.path());
    QVERIFY(language.loaded);
    QCOMPARE(messages.text(Msg::CommunicationError), QStringLiteral("Communication error!"));

    // The file is cut short on disk before the next identification: the lost lines fall back.
    QVERIFY(test::writeFile(dir.path(), test::joinLines(test::englishLines().mid(0, 38))));
    language = loadAndApplyLanguage(nullptr, messages, dir.path());
    QVERIFY(language.loaded);
    QCOMPARE(messages.text(Msg::CommunicationError), QStringLiteral("Erro de comunicação!"));
    QCOMPARE(messages.text(Msg::LimitsIncorrect), QStringLiteral("EN 36"));

    QVERIFY(QFile::remove(QDir(dir.path()).filePath(LanguageFileName)));
    language = loadLanguage(messages, dir.path());
    QVERIFY(!language.loaded);
    QCOMPARE(messages.text(Msg::LimitsIncorrect), MessageTable::builtIn()[0]);
}

QTEST_MAIN(TestApplyLanguage)
#include "tst_ApplyLanguage.moc"
