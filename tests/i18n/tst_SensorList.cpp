#include "i18n/LanguageApply.h"
#include "i18n/SensorList.h"
#include "support/LanguageFixtures.h"

#include <QTest>

using namespace korv;

namespace {

// The list as the form is designed, before any set-up (note the blank in "Pt 100").
const QStringList DesignList = { "0 - 50 mV", "Termopar K", "Termopar J", "Termopar R", "Termopar S", "Termopar T",
    "Termopar N", "Termopar E", "Termopar B", "Pt 100 (0,00385)" };
const QStringList Ten = { "0 - 50 mV", "Termopar K", "Termopar J", "Termopar R", "Termopar S", "Termopar T",
    "Termopar N", "Termopar E", "Termopar B", "Pt100 (0,00385)" };
const QStringList NineWithoutB = { "0 - 50 mV", "Termopar K", "Termopar J", "Termopar R", "Termopar S", "Termopar T",
    "Termopar N", "Termopar E", "Pt100 (0,00385)" };
const QStringList Six = { "0 - 50 mV", "Termopar K", "Termopar J", "Termopar S", "Termopar T", "Pt100 (0,00385)" };
const QStringList Thirteen = Ten + QStringList { "0 - 10 V", "0 - 20 mA", "4 - 20 mA" };

}  // namespace

class TestSensorList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sensorList_data();
    void sensorList();
    void identificationsInOneRun();
    void languageFileNamesAppearAtNextSetUp();
    void sendEnabled_data();
    void sendEnabled();
};

void TestSensorList::sensorList_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<int>("firmware");
    QTest::addColumn<bool>("noThermocoupleB");
    QTest::addColumn<QStringList>("current");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("OrvHead with B") << Model::OrvHead << 130 << false << DesignList << Ten;
    QTest::newRow("OrvDin with B") << Model::OrvDin << 129 << false << DesignList << Ten;
    QTest::newRow("OrvHead without B ends with Pt100") << Model::OrvHead << 128 << true << DesignList << NineWithoutB;
    QTest::newRow("OrvDin without B") << Model::OrvDin << 130 << true << DesignList << NineWithoutB;
    QTest::newRow("OrvHead with B after nine") << Model::OrvHead << 130 << false << NineWithoutB << Ten;
    QTest::newRow("OrvHead without B after nine") << Model::OrvHead << 128 << true << NineWithoutB << NineWithoutB;
    QTest::newRow("OrvDin without B after thirteen") << Model::OrvDin << 130 << true << Thirteen << NineWithoutB;
    QTest::newRow("OrvHead after six") << Model::OrvHead << 130 << false << Six << Ten;
    QTest::newRow("OrvHead after an empty list") << Model::OrvHead << 130 << false << QStringList {} << Ten;

    QTest::newRow("OrvGalHead fw 100 from ten") << Model::OrvGalHead << 100 << false << DesignList << Six;
    QTest::newRow("OrvGalHead fw 100 from nine") << Model::OrvGalHead << 100 << false << NineWithoutB << Six;
    QTest::newRow("OrvGalHead fw 100 from thirteen") << Model::OrvGalHead << 100 << false << Thirteen << Six;
    QTest::newRow("OrvGalHead fw 100 from six") << Model::OrvGalHead << 100 << false << Six << Six;
    QTest::newRow("OrvGalHead fw 100 from an empty list") << Model::OrvGalHead << 100 << false << QStringList {} << Six;
    QTest::newRow("OrvGalHead other fw") << Model::OrvGalHead << 110 << false << DesignList << Ten;
    QTest::newRow("OrvGalHead other fw from six") << Model::OrvGalHead << 101 << false << Six << Ten;
    QTest::newRow("OrvGalHead other fw from thirteen") << Model::OrvGalHead << 110 << false << Thirteen << Ten;

    QTest::newRow("OrvGalDin fw 100") << Model::OrvGalDin << 100 << false << DesignList << Thirteen;
    QTest::newRow("OrvGalDin fw 100 from six") << Model::OrvGalDin << 100 << false << Six << Thirteen;
    QTest::newRow("OrvGalDin fw 100 from nine") << Model::OrvGalDin << 100 << false << NineWithoutB << Thirteen;
    QTest::newRow("OrvGalDin other fw names all thirteen")
        << Model::OrvGalDin << 110 << false << DesignList << Thirteen;
    QTest::newRow("OrvGalDin other fw after thirteen") << Model::OrvGalDin << 101 << false << Thirteen << Thirteen;

    QTest::newRow("Desconhecido at start-up") << Model::Unknown << 0 << false << DesignList << Ten;
    QTest::newRow("Desconhecido after thirteen") << Model::Unknown << 0 << false << Thirteen << Thirteen;

    QTest::newRow("Orv-Hu leaves the list") << Model::OrvHu << 101 << false << DesignList << DesignList;
    QTest::newRow("Orv-H leaves the list") << Model::OrvH << 100 << false << Six << Six;
    QTest::newRow("OrvAmbient leaves the list") << Model::OrvAmbient << 100 << true << DesignList << DesignList;
}

void TestSensorList::sensorList()
{
    QFETCH(Model, model);
    QFETCH(int, firmware);
    QFETCH(bool, noThermocoupleB);
    QFETCH(QStringList, current);
    QFETCH(QStringList, expected);
    const MessageTable messages;
    QCOMPARE(sensorListFor(model, firmware, noThermocoupleB, current, messages), expected);
}

// Each set-up starts from the list the previous one left.
void TestSensorList::identificationsInOneRun()
{
    const MessageTable messages;
    struct Step {
        Model model;
        int firmware;
        bool noThermocoupleB;
        QStringList expected;
    };
    const QList<Step> steps = {
        { Model::Unknown, 0, false, Ten },
        { Model::OrvHead, 128, true, NineWithoutB },
        { Model::OrvDin, 130, true, NineWithoutB },
        { Model::OrvHead, 130, false, Ten },
        { Model::OrvGalDin, 100, false, Thirteen },
        { Model::OrvGalHead, 100, false, Six },
        { Model::OrvGalDin, 110, false, Thirteen },
        { Model::OrvHead, 128, true, NineWithoutB },
        { Model::OrvGalHead, 100, false, Six },
    };
    QStringList items = DesignList;
    for (const Step& step : steps) {
        items = sensorListFor(step.model, step.firmware, step.noThermocoupleB, items, messages);
        QVERIFY2(items == step.expected, qPrintable(modelString(step.model)));
    }
}

void TestSensorList::languageFileNamesAppearAtNextSetUp()
{
    MessageTable messages;
    const QStringList before = sensorListFor(Model::OrvGalDin, 100, false, DesignList, messages);
    applyLanguageMessages(test::languageOf(test::englishLines()), messages);
    QStringList english;
    for (int line = 9; line <= 18; ++line)
        english << QStringLiteral("EN %1").arg(line);

    QCOMPARE(sensorListFor(Model::OrvHead, 130, false, before, messages), english);
    const QStringList isolated = english + QStringList { "0 - 10 V", "0 - 20 mA", "4 - 20 mA" };
    QCOMPARE(sensorListFor(Model::OrvGalDin, 100, false, before, messages), isolated);
    QCOMPARE(sensorListFor(Model::OrvGalHead, 100, false, before, messages),
        (QStringList { "EN 9", "EN 10", "EN 11", "EN 13", "EN 14", "EN 18" }));
    QCOMPARE(sensorListFor(Model::OrvDin, 130, true, before, messages).last(), QStringLiteral("EN 18"));
}

void TestSensorList::sendEnabled_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("unknown model") << Model::Unknown << false;
    for (Model model : { Model::OrvHead, Model::OrvDin, Model::OrvGalHead, Model::OrvGalDin, Model::OrvHu, Model::OrvH,
             Model::OrvAmbient })
        QTest::newRow(qPrintable(modelString(model))) << model << true;
}

void TestSensorList::sendEnabled()
{
    QFETCH(Model, model);
    QFETCH(bool, enabled);
    QCOMPARE(sendEnabledFor(model), enabled);
}

QTEST_GUILESS_MAIN(TestSensorList)
#include "tst_SensorList.moc"
