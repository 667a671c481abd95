#include "core/protocol/Model.h"

#include <QTest>

using namespace korv;

// The identity word's model code, the name identification gives it, the tab caption and the
// family every model-dependent choice asks for.
class ModelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void models_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<Model>("model");
        QTest::addColumn<QString>("string");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("nonIsolated");
        QTest::addColumn<bool>("isolated");
        QTest::addColumn<bool>("humidity");
        QTest::addColumn<bool>("humidityTemperature");
        QTest::addColumn<bool>("ambient");
        // clang-format off
        QTest::newRow("0 head")              << 0  << Model::OrvHead    << "OrvHead"      << "KOrvHead"    << true  << false << false << false << false;
        QTest::newRow("1 rail")              << 1  << Model::OrvDin     << "OrvDin"       << "KOrvDin"     << true  << false << false << false << false;
        QTest::newRow("2 isolated head")     << 2  << Model::OrvGalHead << "OrvGalHead"   << "KOrvGalHead" << false << true  << false << false << false;
        QTest::newRow("3 isolated rail")     << 3  << Model::OrvGalDin  << "OrvGalDin"    << "KOrvGalDin"  << false << true  << false << false << false;
        QTest::newRow("4 humidity")          << 4  << Model::OrvHu      << "Orv-Hu"       << "OrvHygrom"   << false << false << true  << true  << false;
        QTest::newRow("5 humidity only")     << 5  << Model::OrvH       << "Orv-H"        << "OrvHygrom"   << false << false << true  << false << false;
        QTest::newRow("6 ambient")           << 6  << Model::OrvAmbient << "OrvAmbient"   << "OrvAmbient"  << false << false << false << false << true;
        QTest::newRow("7 first unknown")     << 7  << Model::Unknown    << "Desconhecido" << ""            << false << false << false << false << false;
        QTest::newRow("15 last unknown")     << 15 << Model::Unknown    << "Desconhecido" << ""            << false << false << false << false << false;
        QTest::newRow("negative is unknown") << -1 << Model::Unknown    << "Desconhecido" << ""            << false << false << false << false << false;
        // clang-format on
    }
    void models()
    {
        QFETCH(int, code);
        QFETCH(Model, model);
        QFETCH(QString, string);
        QFETCH(QString, caption);
        QFETCH(bool, nonIsolated);
        QFETCH(bool, isolated);
        QFETCH(bool, humidity);
        QFETCH(bool, humidityTemperature);
        QFETCH(bool, ambient);
        QCOMPARE(modelFromCode(code), model);
        QCOMPARE(modelString(model), string);
        QCOMPARE(displayCaption(model), caption);
        QCOMPARE(isNonIsolatedHeadRail(model), nonIsolated);
        QCOMPARE(isIsolatedHeadRail(model), isolated);
        QCOMPARE(isHeadRail(model), nonIsolated || isolated);
        QCOMPARE(isHumidity(model), humidity);
        QCOMPARE(hasHumidityTemperature(model), humidityTemperature);
        QCOMPARE(isAmbient(model), ambient);
        // A configuration file names the model as identification does; the unknown one has no name to give.
        QCOMPARE(modelNamed(string), model == Model::Unknown ? std::nullopt : std::optional<Model>(model));
    }
};

QTEST_GUILESS_MAIN(ModelTest)
#include "tst_model.moc"
