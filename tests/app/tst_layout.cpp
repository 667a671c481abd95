#include "Captions.h"
#include "LayoutCheck.h"
#include "app/mainwindow/MainWindowUi.h"
#include "headrail/RadioGroup.h"
#include "widgets/TypedInput.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace korv;
using korv::test::captionOf;
using layoutcheck::collectLayoutFaults;
using layoutcheck::settle;

namespace {

struct Expected {
    const char* name;
    const char* className;
    const char* text;
    const QObject* (*member)(const MainWindowUi&);
};

// clang-format off
#define CONTROL(m, cls, txt) Expected{#m, cls, txt, [](const MainWindowUi& u) -> const QObject* { return u.m; }}
// A control whose member name differs from its object name.
#define NAMED(m, name, cls, txt) Expected{name, cls, txt, [](const MainWindowUi& u) -> const QObject* { return u.m; }}

// Every control with its kind and its design-time text ("" where it has none).
const Expected Controls[] = {
    NAMED(tabs, "PageControl1", "QTabWidget", ""), CONTROL(Ler_Config, "QPushButton", "&Ler Configuração"),
    CONTROL(Enviar_Config, "QPushButton", "&Enviar Configuração"), NAMED(statusTimer, "Timer1", "QTimer", ""),
    NAMED(mainMenu, "MainMenu1", "QMenuBar", ""), NAMED(fileMenu, "Arquivo1", "QMenu", "&Arquivo"),
    NAMED(openConfigurationItem, "AbrirConfig1", "QAction", "&Abrir configuração…"),
    NAMED(saveConfigurationItem, "SalvarConfig1", "QAction", "&Salvar configuração…"), NAMED(quitItem, "Sair1", "QAction", "Sai&r"),
    NAMED(optionsMenu, "Opes1", "QMenu", "&Opções"),
    NAMED(portMenu, "Comunic1", "QMenu", "&Comunicação"), NAMED(temperatureUnitMenu, "UnidadeTemp1", "QMenu", "&Unidade de Temperatura"),
    NAMED(celsiusItem, "oC1", "QAction", "°&C"), NAMED(fahrenheitItem, "OF1", "QAction", "°&F"), NAMED(helpMenu, "Ajuda1", "QMenu", "A&juda"),
    NAMED(helpTopicsItem, "Topicos1", "QAction", "&Tópicos da Ajuda"), NAMED(aboutItem, "Sobre1", "QAction", "&Sobre o KOrvSetup"),
    // head and rail page
    CONTROL(HeadRailPanel, "QWidget", ""),
    CONTROL(SensorRadioGroup, "korv::RadioGroup", "Seleção de Sensor"),
    NAMED(rangeGroup, "GroupBox2", "QGroupBox", "Faixa de Medida"), NAMED(upperLimitLabel, "Label1LimMax", "QLabel", "  Limite Superior"),
    NAMED(lowerLimitLabel, "Label2LimMin", "QLabel", "Limite Inferior"), CONTROL(EdtLimitMaxSensor, "QLineEdit", ""),
    CONTROL(EdtLimitMinSensor, "QLineEdit", ""), NAMED(sensorRangeTitle, "Label3FaixaSen", "QLabel", "Faixa do Sensor"),
    CONTROL(Faixa_Maxima, "QLineEdit", ""), CONTROL(Faixa_Minima, "QLineEdit", ""),
    NAMED(minimumSpanTitle, "Label4FaixaMin", "QLabel", "Faixa Mínima"), CONTROL(Span_Minimo, "QLineEdit", ""),
    CONTROL(UnidMaxSensor, "QLabel", "mV"), CONTROL(UnidMinSensor, "QLabel", "mV"),
    CONTROL(UnidMaxFaixaUsuario, "QLabel", "mV"), CONTROL(UnidMinFaixaUsuario, "QLabel", "mV"),
    CONTROL(UnidFaixaMinima, "QLabel", "mV"), CONTROL(Corrzero, "QGroupBox", "Correção do Zero"),
    CONTROL(EdtCorrigeZero, "QLineEdit", ""), NAMED(zeroMinTitle, "Label1", "QLabel", "Mín:"),
    NAMED(zeroMaxTitle, "Label2", "QLabel", "Máx:"), CONTROL(LblZeroMin, "QLabel", "0,5"),
    CONTROL(LblZeroMax, "QLabel", "0,5"), CONTROL(UnidZero, "QLabel", "mV"),
    CONTROL(UnidZeroLimitMin, "QLabel", "mV"), CONTROL(UnidZeroLimitMax, "QLabel", "mV"),
    NAMED(informationGroup, "GroupBox5", "QGroupBox", "Informações do transmissor"),
    CONTROL(Config_Transmissor, "QPlainTextEdit", "\n\n"), CONTROL(EdtStatus, "QLineEdit", ""),
    NAMED(failureGroup, "GroupBox4", "QGroupBox", "Falha de Sensor"),
    NAMED(failureOutputLabel, "Label6SelecOut", "QLabel", "Selecione estado da saída"),
    CONTROL(Forca_SaidaMin, "QRadioButton", "Mínimo"), CONTROL(Forca_SaidaMax, "QRadioButton", "Máximo"),
    NAMED(filterGroup, "GroupBox3", "QGroupBox", "Otimização"),
    NAMED(mainsFrequencyLabel, "Label5Rede", "QLabel", "Selecione a frequência da rede"),
    CONTROL(Freq_50, "QRadioButton", "50 Hz"), CONTROL(Freq_60, "QRadioButton", "60 Hz"),
    // humidity page
    CONTROL(UmidadeGroupBox, "QGroupBox", "Entrada de Umidade"),
    CONTROL(EscFaixaRHLb, "QLabel", "Faixa de Medida"), CONTROL(LimInfRHLb, "QLabel", "Limite Inferior"),
    CONTROL(LimSupRHLb, "QLabel", "Limite Superior"), CONTROL(EdtLimInfRH, "QLineEdit", "0"),
    CONTROL(EdtLimSupRH, "QLineEdit", "100"), NAMED(humidityLowerUnit, "RH1Lb", "QLabel", "%RH"),
    NAMED(humidityUpperUnit, "RH2Lb", "QLabel", "%RH"), CONTROL(FaixaSensRHLb, "QLabel", "Faixa do Sensor"),
    NAMED(humiditySensorRange, "RH3Lb", "QLabel", "0 a 100%RH"), CONTROL(FaixaMinRHLb, "QLabel", "Faixa Mínima"),
    NAMED(humidityMinimumSpan, "RH4Lb", "QLabel", "5 %RH"), CONTROL(ZeroRHLb, "QLabel", "Correção do Zero"),
    CONTROL(EdtCorrZeroRH, "QLineEdit", ""), NAMED(humidityZeroUnit, "RH7Lb", "QLabel", "%RH"),
    CONTROL(MinRHLb, "QLabel", "Mín."), CONTROL(ValorMinZeroRHLb, "QLabel", "-10"),
    NAMED(humidityZeroMinUnit, "RH5Lb", "QLabel", "%RH"), CONTROL(MaxRHLb, "QLabel", "Máx."),
    CONTROL(ValorMaxZeroRHLb, "QLabel", "10"), NAMED(humidityZeroMaxUnit, "RH6Lb", "QLabel", "%RH"),
    CONTROL(FalhaSensRHLb, "QLabel", "Falha de sensor"),
    CONTROL(EstadoRHLb, "QLabel", "Selecione o estado da saída"),
    CONTROL(MinRHRadioButton, "QRadioButton", "Mínimo"), CONTROL(MaxRHRadioButton, "QRadioButton", "Máximo"),
    CONTROL(TemperaturaGroupBox, "QGroupBox", "Entrada de Temperatura"),
    CONTROL(EscFaixaTempLb, "QLabel", "Faixa de Medida"), CONTROL(LimInfTempLb, "QLabel", "Limite Inferior"),
    CONTROL(LimSupTempLb, "QLabel", "Limite Superior"), CONTROL(EdtLimInfTemp, "QLineEdit", "-35"),
    CONTROL(EdtLimSupTemp, "QLineEdit", "120"), NAMED(temperatureLowerUnit, "Temp1Lb", "QLabel", "°C"),
    NAMED(temperatureUpperUnit, "Temp2Lb", "QLabel", "°C"), CONTROL(FaixaSensTempLb, "QLabel", "Faixa do Sensor"),
    NAMED(temperatureSensorRange, "Temp3Lb", "QLabel", "-40 a 120°C"), CONTROL(FaixaMinTempLb, "QLabel", "Faixa Mínima"),
    NAMED(temperatureMinimumSpan, "Temp4Lb", "QLabel", "5 °C"), CONTROL(ZeroTempLb, "QLabel", "Correção do Zero"),
    CONTROL(EdtCorrZeroTemp, "QLineEdit", ""), NAMED(temperatureZeroUnit, "Temp7Lb", "QLabel", "°C"),
    CONTROL(MinTempLb, "QLabel", "Mín."), CONTROL(ValorMinZeroTempLb, "QLabel", "-5"),
    NAMED(temperatureZeroMinUnit, "Temp5Lb", "QLabel", "°C"), CONTROL(MaxTempLb, "QLabel", "Máx."),
    CONTROL(ValorMaxZeroTempLb, "QLabel", "5"), NAMED(temperatureZeroMaxUnit, "Temp6Lb", "QLabel", "°C"),
    CONTROL(FalhaSensTempLb, "QLabel", "Falha de sensor"),
    CONTROL(EstadoTempLb, "QLabel", "Selecione o estado da saída"),
    CONTROL(MinTempRadioButton, "QRadioButton", "Mínimo"),
    CONTROL(MaxTempRadioButton, "QRadioButton", "Máximo"),
    NAMED(humidityInformationGroup, "GroupBox11", "QGroupBox", "Informações do transmissor"),
    CONTROL(Config_OrvHu, "QPlainTextEdit", ""), CONTROL(ShowPVsMemo, "QPlainTextEdit", ""),
    CONTROL(EdtStatRHT, "QLineEdit", ""), CONTROL(EnviaBarRHT, "QProgressBar", ""),
    // ambient page
    NAMED(ambientRangeGroup, "GroupBox10", "QGroupBox", "Faixa de Medida"),
    CONTROL(TempLowLimitLabel, "QLabel", "Limite Inferior"),
    CONTROL(TempHighLimitLabel, "QLabel", "Limite Superior"), CONTROL(EdtTempLowLimit, "QLineEdit", "-50"),
    CONTROL(EdtTempHighLimit, "QLineEdit", "120"), NAMED(ambientLowerUnit, "Label7", "QLabel", "°C"),
    NAMED(ambientUpperUnit, "Label8", "QLabel", "°C"), CONTROL(SensorRangeLabel, "QLabel", "Faixa do Sensor"),
    NAMED(ambientSensorRange, "Label9", "QLabel", "-50 a 120 °C"), CONTROL(MinSensorRangeLabel, "QLabel", "Faixa Mínima"),
    NAMED(ambientMinimumSpan, "Label10", "QLabel", "5 °C"), NAMED(ambientZeroGroup, "GroupBox12", "QGroupBox", "Correção do Zero"),
    CONTROL(EdtTempZeroCorrection, "QLineEdit", ""), NAMED(ambientZeroUnit, "Label28", "QLabel", "°C"),
    CONTROL(ZeroAdjustMinLabel, "QLabel", "Mín."), CONTROL(TempUserOffsetInfValLb, "QLabel", "-5"),
    NAMED(ambientZeroMinUnit, "Label17", "QLabel", "°C"), CONTROL(ZeroAdjustMaxLabel, "QLabel", "Máx."),
    CONTROL(TempUserOffsetSupValLb, "QLabel", "5"), NAMED(ambientZeroMaxUnit, "Label20", "QLabel", "°C"),
    NAMED(ambientFailureGroup, "GroupBox1", "QGroupBox", "Falha de sensor"),
    CONTROL(SelectLabel, "QLabel", "Selecione o estado da saída"),
    CONTROL(MinFailOptionRadioButton, "QRadioButton", "Mínimo"),
    CONTROL(MaxFailOptionRadioButton, "QRadioButton", "Máximo"),
    NAMED(ambientInformationGroup, "GroupBox9", "QGroupBox", "Informações do transmissor"), CONTROL(Config_TxT, "QPlainTextEdit", ""),
    CONTROL(ShowTempPVMemo, "QPlainTextEdit", ""), CONTROL(EdtStatT, "QLineEdit", ""),
    CONTROL(EnviaBarT, "QProgressBar", ""),
};

#undef CONTROL
// clang-format on

struct MainWindow {
    QMainWindow window;
    MainWindowUi ui;
    MainWindow() { ui.setupUi(&window); }
};

// The longest texts the handlers put into the labels at run time, and the longest sensor list.
void showRunTimeTexts(MainWindowUi& ui)
{
    for (QLabel* unit : { ui.UnidMaxSensor, ui.UnidMinSensor, ui.UnidMaxFaixaUsuario, ui.UnidMinFaixaUsuario,
             ui.UnidFaixaMinima, ui.UnidZero, ui.UnidZeroLimitMin, ui.UnidZeroLimitMax })
        unit->setText(QStringLiteral("mA"));
    ui.LblZeroMin->setText(QStringLiteral("-163,8"));
    ui.LblZeroMax->setText(QStringLiteral("163,8"));
    for (QLabel* unit : { ui.humidityLowerUnit, ui.humidityUpperUnit, ui.humidityZeroMinUnit, ui.humidityZeroMaxUnit,
             ui.humidityZeroUnit })
        unit->setText(QStringLiteral("%RH"));
    ui.humiditySensorRange->setText(QStringLiteral("-76 a 221°F"));
    ui.humidityMinimumSpan->setText(QStringLiteral("9°F"));
    ui.temperatureSensorRange->setText(QStringLiteral("-40 a 248°F"));
    ui.ValorMinZeroRHLb->setText(QStringLiteral("-29,7"));
    ui.ValorMinZeroTempLb->setText(QStringLiteral("-0,25"));
    ui.ambientSensorRange->setText(QStringLiteral("-58 a 248 °F"));
    ui.TempUserOffsetInfValLb->setText(QStringLiteral("-14,4"));
    ui.SensorRadioGroup->setItems({ "0 - 50 mV", "Termopar K", "Termopar J", "Termopar R", "Termopar S", "Termopar T",
        "Termopar N", "Termopar E", "Termopar B", "Pt100 (0,00385)", "0 - 10 V", "0 - 20 mA", "4 - 20 mA" });
    ui.EnviaBarRHT->show();
    ui.EnviaBarT->show();
    ui.EdtLimitMinSensor->setText(QStringLiteral("-328"));
    ui.EdtLimitMaxSensor->setText(QStringLiteral("3308"));
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void controls_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(std::size(Controls)); ++i)
            QTest::newRow(Controls[i].name) << i;
    }
    void controls()
    {
        QFETCH(int, index);
        const Expected& expected = Controls[index];
        MainWindow w;
        const QObject* object = w.window.findChild<QObject*>(QLatin1String(expected.name));
        QVERIFY(object);
        QCOMPARE(expected.member(w.ui), object);
        QVERIFY2(object->inherits(expected.className), object->metaObject()->className());
        QCOMPARE(captionOf(object), QString::fromUtf8(expected.text));
    }

    void sheets()
    {
        MainWindow w;
        QTabWidget* tabs = w.ui.tabs;
        const auto& sheets = w.ui.sheets;
        const QStringList names
            = { "OrvHeadSheet", "OrvGalHeadSheet", "OrvDinSheet", "OrvGalDinSheet", "OrvHuSheet", "TxTSheet" };
        const QStringList captions = { "OrvHead", "OrvGalHead", "OrvDin", "OrvGalDin", " OrvHygrom", "OrvAmbient" };
        QCOMPARE(tabs->count(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(tabs->widget(i), sheets.at(static_cast<std::size_t>(i)));
            QCOMPARE(sheets.at(static_cast<std::size_t>(i))->objectName(), names.at(i));
            QCOMPARE(tabs->tabText(i), captions.at(i));
        }
        QCOMPARE(tabs->currentIndex(), 0);
        // The three other head/rail pages are empty until the head/rail controls follow the user.
        for (QWidget* empty : { sheets[1], sheets[2], sheets[3] })
            QVERIFY(empty->findChildren<QWidget*>().isEmpty());
    }

    void sensorList()
    {
        MainWindow w;
        QCOMPARE(w.ui.SensorRadioGroup->items(),
            QStringList({ "0 - 50 mV", "Termopar K", "Termopar J", "Termopar R", "Termopar S", "Termopar T",
                "Termopar N", "Termopar E", "Termopar B", "Pt 100 (0,00385)" }));
        QCOMPARE(w.ui.SensorRadioGroup->itemIndex(), 0);
        QVERIFY(w.ui.SensorRadioGroup->button(0)->isChecked());
    }

    void editsAndDisplays()
    {
        MainWindow w;
        MainWindowUi& ui = w.ui;
        // The limits hold for typing only: a text the program sets is never cut.
        QCOMPARE(typedMaxLength(ui.EdtCorrigeZero), 5);
        for (QLineEdit* limit : { ui.EdtLimInfRH, ui.EdtLimSupRH, ui.EdtLimInfTemp, ui.EdtLimSupTemp,
                 ui.EdtTempLowLimit, ui.EdtTempHighLimit })
            QCOMPARE(typedMaxLength(limit), 8);
        for (QLineEdit* edit : { ui.EdtCorrigeZero, ui.EdtLimInfRH, ui.EdtTempHighLimit }) {
            edit->setText(QStringLiteral("-1234567890,41"));
            QCOMPARE(edit->text(), QStringLiteral("-1234567890,41"));
        }
        for (QLineEdit* box : { ui.Faixa_Maxima, ui.Faixa_Minima, ui.Span_Minimo }) {
            QVERIFY(box->isReadOnly());
            QCOMPARE(box->focusPolicy(), Qt::NoFocus);
            QCOMPARE(box->cursor().shape(), Qt::ArrowCursor);
            QCOMPARE(box->palette().color(QPalette::Base), box->palette().color(QPalette::Button));
        }
        for (QLineEdit* edit : { ui.EdtLimitMinSensor, ui.EdtLimitMaxSensor, ui.EdtCorrigeZero })
            QVERIFY(!edit->isReadOnly() && edit->focusPolicy() != Qt::NoFocus);
        for (QLineEdit* status : { ui.EdtStatus, ui.EdtStatRHT, ui.EdtStatT }) {
            QVERIFY(status->isReadOnly());
            QVERIFY(!status->hasFrame());
            QVERIFY(status->font().bold());
            QCOMPARE(status->palette().color(QPalette::Text), QColor(Qt::red));
            QCOMPARE(status->palette().color(QPalette::Base), status->palette().color(QPalette::Button));
        }
        for (QPlainTextEdit* memo :
            { ui.Config_Transmissor, ui.Config_OrvHu, ui.ShowPVsMemo, ui.Config_TxT, ui.ShowTempPVMemo })
            QVERIFY(memo->isReadOnly());
        QCOMPARE(ui.Config_Transmissor->blockCount(), 3);
        for (QProgressBar* bar : { ui.EnviaBarRHT, ui.EnviaBarT }) {
            QCOMPARE(bar->minimum(), 0);
            QCOMPARE(bar->maximum(), 10);
            QVERIFY(!bar->isVisibleTo(&w.window));
        }
        QVERIFY(!ui.statusTimer->isActive());
    }

    // Each pair of option buttons is exclusive within its own box and independent of the others.
    void optionPairs_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("elsewhere");
        QTest::newRow("sensor failure") << "Forca_SaidaMin"
                                        << "Forca_SaidaMax"
                                        << "Freq_60";
        QTest::newRow("mains filter") << "Freq_50"
                                      << "Freq_60"
                                      << "Forca_SaidaMin";
        QTest::newRow("humidity failure") << "MinRHRadioButton"
                                          << "MaxRHRadioButton"
                                          << "MinTempRadioButton";
        QTest::newRow("temperature failure") << "MinTempRadioButton"
                                             << "MaxTempRadioButton"
                                             << "MinRHRadioButton";
        QTest::newRow("ambient failure") << "MinFailOptionRadioButton"
                                         << "MaxFailOptionRadioButton"
                                         << "Freq_50";
    }
    void optionPairs()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, elsewhere);
        MainWindow w;
        auto* a = w.window.findChild<QRadioButton*>(first);
        auto* b = w.window.findChild<QRadioButton*>(second);
        auto* other = w.window.findChild<QRadioButton*>(elsewhere);
        QVERIFY(a && b && other);
        QVERIFY(!a->isChecked() && !b->isChecked());
        other->setChecked(true);
        a->setChecked(true);
        b->setChecked(true);
        QVERIFY(!a->isChecked());
        QVERIFY(other->isChecked());
    }

    void mainWindow()
    {
        MainWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        settle();
        QCOMPARE(w.window.windowTitle(), QStringLiteral("KOrvSetup"));
        QCOMPARE(w.window.centralWidget(), w.ui.ClientArea);
        QCOMPARE(w.ui.ClientArea->size(), QSize(494, 464));
        QCOMPARE(w.window.minimumSize(), w.window.maximumSize());
        QCOMPARE(w.window.height(), w.ui.mainMenu->height() + 464);
        QVERIFY(!w.ui.mainMenu->geometry().intersects(w.ui.ClientArea->geometry()));
        const Qt::WindowFlags flags = w.window.windowFlags();
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
    }

    void menu()
    {
        MainWindow w;
        MainWindowUi& ui = w.ui;
        QCOMPARE(w.window.menuBar(), ui.mainMenu);
        QCOMPARE(ui.mainMenu->actions(),
            QList<QAction*>({ ui.fileMenu->menuAction(), ui.optionsMenu->menuAction(), ui.helpMenu->menuAction() }));
        // The configuration-file items come first, then the record between separators, then the
        // original exit item.
        const QList<QAction*> fileItems = ui.fileMenu->actions();
        QCOMPARE(fileItems.size(), 6);
        QCOMPARE(fileItems[0], ui.openConfigurationItem);
        QCOMPARE(fileItems[1], ui.saveConfigurationItem);
        QVERIFY(fileItems[2]->isSeparator());
        QCOMPARE(fileItems[3], ui.HistoryItem);
        QCOMPARE(captionOf(ui.HistoryItem), QStringLiteral("Re&gistro…"));
        QVERIFY(fileItems[4]->isSeparator());
        QCOMPARE(fileItems[5], ui.quitItem);
        // The fast exchange, the two diagnostic items and the language follow the specified ones,
        // which keep their places.
        QCOMPARE(ui.optionsMenu->actions(),
            QList<QAction*>({ ui.portMenu->menuAction(), ui.temperatureUnitMenu->menuAction(), ui.FastExchangeItem,
                ui.CheckConnectionItem, ui.FrameMonitorItem, ui.languageMenu->menuAction() }));
        QCOMPARE(captionOf(ui.CheckConnectionItem), QStringLiteral("&Verificar conexão…"));
        QCOMPARE(captionOf(ui.FrameMonitorItem), QStringLiteral("&Monitor de comunicação"));
        QVERIFY(ui.portMenu->actions().isEmpty());
        QCOMPARE(ui.temperatureUnitMenu->actions(), QList<QAction*>({ ui.celsiusItem, ui.fahrenheitItem }));
        QCOMPARE(ui.helpMenu->actions(), QList<QAction*>({ ui.helpTopicsItem, ui.aboutItem }));
        QVERIFY(!ui.helpTopicsItem->isVisible());
        QVERIFY(ui.aboutItem->isVisible());
        // The unit items keep independent check marks; the handlers move them.
        QVERIFY(ui.celsiusItem->isCheckable() && ui.fahrenheitItem->isCheckable());
        QVERIFY(!ui.celsiusItem->actionGroup() && !ui.fahrenheitItem->actionGroup());
        QVERIFY(ui.celsiusItem->isChecked());
        ui.fahrenheitItem->setChecked(true);
        QVERIFY(ui.celsiusItem->isChecked());
        ui.celsiusItem->setChecked(false);
        QVERIFY(ui.fahrenheitItem->isChecked());
    }

    void nothingClippedOrOverlapping_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<bool>("runTimeTexts");
        for (bool runTime : { false, true }) {
            const char* texts = runTime ? ", run-time texts" : ", design texts";
            QTest::newRow(qPrintable(QStringLiteral("default font") + QLatin1String(texts)))
                << QString() << 0 << runTime;
            QTest::newRow(qPrintable(QStringLiteral("DejaVu Sans 9") + QLatin1String(texts)))
                << "DejaVu Sans" << 9 << runTime;
            QTest::newRow(qPrintable(QStringLiteral("DejaVu Sans 10") + QLatin1String(texts)))
                << "DejaVu Sans" << 10 << runTime;
        }
    }
    void nothingClippedOrOverlapping()
    {
        QFETCH(QString, family);
        QFETCH(int, pointSize);
        QFETCH(bool, runTimeTexts);
        const QFont original = QApplication::font();
        if (!family.isEmpty())
            QApplication::setFont(QFont(family, pointSize));
        auto restore = qScopeGuard([&original] { QApplication::setFont(original); });

        MainWindow w;
        if (runTimeTexts)
            showRunTimeTexts(w.ui);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QStringList faults;
        settle();
        collectLayoutFaults(w.ui.ClientArea, faults);
        for (int page = 0; page < w.ui.tabs->count(); ++page) {
            w.ui.tabs->setCurrentIndex(page);
            settle();
            collectLayoutFaults(w.ui.tabs->widget(page), faults);
        }
        QCOMPARE(w.ui.ClientArea->size(), QSize(494, 464));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    // The page change hands the head/rail controls to another head/rail page; there they still
    // re-flow when the per-model set-up gives the sensor list its thirteen items.
    void headControlsOnAnotherPage()
    {
        MainWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        settle();
        QCOMPARE(w.ui.headRailSheet->findChildren<QWidget*>(Qt::FindDirectChildrenOnly),
            QList<QWidget*>({ w.ui.HeadRailPanel }));
        const QRect geometry = w.ui.HeadRailPanel->geometry();
        w.ui.tabs->setCurrentWidget(w.ui.sheetOf(Model::OrvGalDin));
        w.ui.HeadRailPanel->setParent(w.ui.sheetOf(Model::OrvGalDin));
        w.ui.HeadRailPanel->setGeometry(geometry);
        w.ui.HeadRailPanel->show();
        settle();
        w.ui.SensorRadioGroup->setItems(
            { "0 - 50 mV", "Termopar K", "Termopar J", "Termopar R", "Termopar S", "Termopar T", "Termopar N",
                "Termopar E", "Termopar B", "Pt100 (0,00385)", "0 - 10 V", "0 - 20 mA", "4 - 20 mA" });
        settle();
        QStringList faults;
        collectLayoutFaults(w.ui.sheetOf(Model::OrvGalDin), faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        QVERIFY(w.ui.SensorRadioGroup->button(12)->isVisible());
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
