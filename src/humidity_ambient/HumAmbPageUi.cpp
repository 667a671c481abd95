// The controls of the humidity and the ambient transmitter's tabs.
#include "humidity_ambient/HumAmbPages.h"

#include "widgets/UiFactory.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>

#include <array>

namespace korv {

using namespace ui;

namespace {

const QString LimitSample = QStringLiteral("-88888");
const QString ZeroSample = QStringLiteral("-888,88");
const QString ZeroBoundSample = QStringLiteral("-88,88");
const QStringList TemperatureUnits = { QStringLiteral("°C"), QStringLiteral("°F") };

QLabel* makeSectionLabel(QWidget* parent, const QString& name, const QString& text)
{
    QLabel* label = makeLabel(parent, name, text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* makeBound(QWidget* parent, const QString& name, const QString& text)
{
    QLabel* label = makeLabel(parent, name, text);
    reserveWidth(label, { ZeroBoundSample });
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLabel* makeUnit(QWidget* parent, const QString& name, const QString& text, const QStringList& otherTexts)
{
    QLabel* label = makeLabel(parent, name, text);
    reserveWidth(label, otherTexts);
    return label;
}

// Zero-correction bounds as label, value and unit columns, so that both rows line up.
QGridLayout* makeBoundsGrid(const std::array<QWidget*, 3>& minRow, const std::array<QWidget*, 3>& maxRow)
{
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    for (int column = 0; column < 3; ++column) {
        grid->addWidget(minRow[static_cast<size_t>(column)], 0, column);
        grid->addWidget(maxRow[static_cast<size_t>(column)], 1, column);
    }
    grid->setColumnStretch(3, 1);
    return grid;
}

// Identification lines beside the live readings, with the status line and the transfer bar below.
void arrangeInfoBox(
    QGroupBox* box, QPlainTextEdit* identification, QPlainTextEdit* readings, QLineEdit* status, QProgressBar* bar)
{
    bar->setMinimumWidth(120);
    QGridLayout* grid = makeGrid(box);
    grid->addWidget(identification, 0, 0);
    grid->addWidget(readings, 0, 1);
    grid->addLayout(makeRow({ status, bar }, false), 1, 0, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
}

}  // namespace

QGroupBox* HumidityWidgets::setupInput(QWidget* sheet, bool humidity)
{
    const QString kind = humidity ? QStringLiteral("RH") : QStringLiteral("Temp");
    const auto name = [&kind](const char* prefix, const char* suffix) {
        return QString::fromLatin1(prefix) + kind + QString::fromLatin1(suffix);
    };
    const QString unit = humidity ? QStringLiteral("%RH") : QStringLiteral("°C");
    // The humidity input also measures dew point, in either temperature unit.
    const QStringList unitTexts = humidity
        ? QStringList { QStringLiteral("%RH"), QStringLiteral("°C"), QStringLiteral("°F") }
        : TemperatureUnits;
    const QStringList rangeTexts = humidity
        ? QStringList { QStringLiteral("0 a 100%RH"), QStringLiteral("-60 a 105°C"), QStringLiteral("-76 a 221°F") }
        : QStringList { QStringLiteral("-40 a 120°C"), QStringLiteral("-40 a 248°F") };
    const QStringList spanTexts = { QStringLiteral("5%RH"), QStringLiteral("5°C"), QStringLiteral("9°F") };

    QGroupBox*& box = humidity ? UmidadeGroupBox : TemperaturaGroupBox;
    box = makeGroup(sheet, humidity ? QStringLiteral("UmidadeGroupBox") : QStringLiteral("TemperaturaGroupBox"),
        humidity ? QStringLiteral("Entrada de Umidade") : QStringLiteral("Entrada de Temperatura"));

    QLabel*& escFaixa = humidity ? EscFaixaRHLb : EscFaixaTempLb;
    QLabel*& limInf = humidity ? LimInfRHLb : LimInfTempLb;
    QLabel*& limSup = humidity ? LimSupRHLb : LimSupTempLb;
    QLineEdit*& edtInf = humidity ? EdtLimInfRH : EdtLimInfTemp;
    QLineEdit*& edtSup = humidity ? EdtLimSupRH : EdtLimSupTemp;
    QLabel*& unitInf = humidity ? humidityLowerUnit : temperatureLowerUnit;
    QLabel*& unitSup = humidity ? humidityUpperUnit : temperatureUpperUnit;
    QLabel*& faixaSens = humidity ? FaixaSensRHLb : FaixaSensTempLb;
    QLabel*& sensorRange = humidity ? humiditySensorRange : temperatureSensorRange;
    QLabel*& faixaMin = humidity ? FaixaMinRHLb : FaixaMinTempLb;
    QLabel*& minSpan = humidity ? humidityMinimumSpan : temperatureMinimumSpan;
    QLabel*& zeroTitle = humidity ? ZeroRHLb : ZeroTempLb;
    QLineEdit*& edtZero = humidity ? EdtCorrZeroRH : EdtCorrZeroTemp;
    QLabel*& unitZero = humidity ? humidityZeroUnit : temperatureZeroUnit;
    QLabel*& minTitle = humidity ? MinRHLb : MinTempLb;
    QLabel*& minBound = humidity ? ValorMinZeroRHLb : ValorMinZeroTempLb;
    QLabel*& unitMin = humidity ? humidityZeroMinUnit : temperatureZeroMinUnit;
    QLabel*& maxTitle = humidity ? MaxRHLb : MaxTempLb;
    QLabel*& maxBound = humidity ? ValorMaxZeroRHLb : ValorMaxZeroTempLb;
    QLabel*& unitMax = humidity ? humidityZeroMaxUnit : temperatureZeroMaxUnit;
    QLabel*& falhaSens = humidity ? FalhaSensRHLb : FalhaSensTempLb;
    QLabel*& estado = humidity ? EstadoRHLb : EstadoTempLb;
    QRadioButton*& minRadio = humidity ? MinRHRadioButton : MinTempRadioButton;
    QRadioButton*& maxRadio = humidity ? MaxRHRadioButton : MaxTempRadioButton;

    escFaixa = makeSectionLabel(box, name("EscFaixa", "Lb"), QStringLiteral("Faixa de Medida"));
    limInf = makeLabel(box, name("LimInf", "Lb"), QStringLiteral("Limite Inferior"));
    limSup = makeLabel(box, name("LimSup", "Lb"), QStringLiteral("Limite Superior"));
    edtInf
        = makeEdit(box, name("EdtLimInf", ""), humidity ? QStringLiteral("0") : QStringLiteral("-35"), LimitSample, 8);
    unitInf = makeUnit(box, name("", "1Lb"), unit, unitTexts);
    edtSup = makeEdit(
        box, name("EdtLimSup", ""), humidity ? QStringLiteral("100") : QStringLiteral("120"), LimitSample, 8);
    unitSup = makeUnit(box, name("", "2Lb"), unit, unitTexts);
    faixaSens = makeLabel(box, name("FaixaSens", "Lb"), QStringLiteral("Faixa do Sensor"));
    sensorRange = makeUnit(box, name("", "3Lb"), rangeTexts.first(), rangeTexts);
    faixaMin = makeLabel(box, name("FaixaMin", "Lb"), QStringLiteral("Faixa Mínima"));
    minSpan = makeUnit(box, name("", "4Lb"), humidity ? QStringLiteral("5 %RH") : QStringLiteral("5 °C"), spanTexts);
    zeroTitle = makeSectionLabel(box, name("Zero", "Lb"), QStringLiteral("Correção do Zero"));
    edtZero = makeEdit(box, name("EdtCorrZero", ""), QString(), ZeroSample);
    unitZero = makeUnit(box, name("", "7Lb"), unit, unitTexts);
    minTitle = makeLabel(box, name("Min", "Lb"), QStringLiteral("Mín."));
    minBound = makeBound(box, name("ValorMinZero", "Lb"), humidity ? QStringLiteral("-10") : QStringLiteral("-5"));
    unitMin = makeUnit(box, name("", "5Lb"), unit, unitTexts);
    maxTitle = makeLabel(box, name("Max", "Lb"), QStringLiteral("Máx."));
    maxBound = makeBound(box, name("ValorMaxZero", "Lb"), humidity ? QStringLiteral("10") : QStringLiteral("5"));
    unitMax = makeUnit(box, name("", "6Lb"), unit, unitTexts);
    falhaSens = makeSectionLabel(box, name("FalhaSens", "Lb"), QStringLiteral("Falha de sensor"));
    estado = makeLabel(box, name("Estado", "Lb"), QStringLiteral("Selecione o estado da saída"));
    minRadio = makeRadio(box, name("Min", "RadioButton"), QStringLiteral("Mínimo"));
    maxRadio = makeRadio(box, name("Max", "RadioButton"), QStringLiteral("Máximo"));

    // Screen readers name an edit by its buddy label, in whatever language the label shows.
    limInf->setBuddy(edtInf);
    limSup->setBuddy(edtSup);
    zeroTitle->setBuddy(edtZero);

    QGridLayout* grid = makeGrid(box);
    grid->addWidget(escFaixa, 0, 0, 1, 2);
    grid->addWidget(limInf, 1, 0);
    grid->addWidget(limSup, 1, 1);
    grid->addLayout(makeRow({ edtInf, unitInf }), 2, 0);
    grid->addLayout(makeRow({ edtSup, unitSup }), 2, 1);
    grid->addWidget(faixaSens, 3, 0);
    grid->addWidget(faixaMin, 3, 1);
    grid->addWidget(sensorRange, 4, 0);
    grid->addWidget(minSpan, 4, 1);
    grid->addWidget(zeroTitle, 5, 0, 1, 2);
    grid->addLayout(makeRow({ edtZero, unitZero }), 6, 0, Qt::AlignTop);
    grid->addLayout(makeBoundsGrid({ minTitle, minBound, unitMin }, { maxTitle, maxBound, unitMax }), 6, 1, 2, 1);
    grid->addWidget(falhaSens, 8, 0, 1, 2);
    grid->addWidget(estado, 9, 0, 1, 2);
    grid->addLayout(makeRow({ minRadio, maxRadio }), 10, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

void HumidityWidgets::setupUi(QWidget* sheet)
{
    setupInput(sheet, true);
    setupInput(sheet, false);

    humidityInformationGroup
        = makeGroup(sheet, QStringLiteral("GroupBox11"), QStringLiteral("Informações do transmissor"));
    Config_OrvHu = makeMemo(humidityInformationGroup, QStringLiteral("Config_OrvHu"), 4);
    ShowPVsMemo = makeMemo(humidityInformationGroup, QStringLiteral("ShowPVsMemo"), 4);
    EdtStatRHT = makeStatusEdit(humidityInformationGroup, QStringLiteral("EdtStatRHT"));
    EnviaBarRHT = makeTransferBar(humidityInformationGroup, QStringLiteral("EnviaBarRHT"));
    arrangeInfoBox(humidityInformationGroup, Config_OrvHu, ShowPVsMemo, EdtStatRHT, EnviaBarRHT);

    auto* page = new QVBoxLayout(sheet);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);
    auto* inputs = new QHBoxLayout;
    inputs->setSpacing(6);
    inputs->addWidget(UmidadeGroupBox, 1);
    inputs->addWidget(TemperaturaGroupBox, 1);
    page->addLayout(inputs);
    page->addWidget(humidityInformationGroup, 1);
}

void AmbientWidgets::setupUi(QWidget* sheet)
{
    ambientRangeGroup = makeGroup(sheet, QStringLiteral("GroupBox10"), QStringLiteral("Faixa de Medida"));
    TempLowLimitLabel
        = makeLabel(ambientRangeGroup, QStringLiteral("TempLowLimitLabel"), QStringLiteral("Limite Inferior"));
    EdtTempLowLimit
        = makeEdit(ambientRangeGroup, QStringLiteral("EdtTempLowLimit"), QStringLiteral("-50"), LimitSample, 8);
    ambientLowerUnit = makeUnit(ambientRangeGroup, QStringLiteral("Label7"), QStringLiteral("°C"), TemperatureUnits);
    TempHighLimitLabel
        = makeLabel(ambientRangeGroup, QStringLiteral("TempHighLimitLabel"), QStringLiteral("Limite Superior"));
    EdtTempHighLimit
        = makeEdit(ambientRangeGroup, QStringLiteral("EdtTempHighLimit"), QStringLiteral("120"), LimitSample, 8);
    ambientUpperUnit = makeUnit(ambientRangeGroup, QStringLiteral("Label8"), QStringLiteral("°C"), TemperatureUnits);
    SensorRangeLabel
        = makeLabel(ambientRangeGroup, QStringLiteral("SensorRangeLabel"), QStringLiteral("Faixa do Sensor"));
    ambientSensorRange = makeUnit(ambientRangeGroup, QStringLiteral("Label9"), QStringLiteral("-50 a 120 °C"),
        { QStringLiteral("-58 a 248 °F") });
    MinSensorRangeLabel
        = makeLabel(ambientRangeGroup, QStringLiteral("MinSensorRangeLabel"), QStringLiteral("Faixa Mínima"));
    ambientMinimumSpan
        = makeUnit(ambientRangeGroup, QStringLiteral("Label10"), QStringLiteral("5 °C"), { QStringLiteral("9 °F") });
    TempLowLimitLabel->setBuddy(EdtTempLowLimit);
    TempHighLimitLabel->setBuddy(EdtTempHighLimit);
    QGridLayout* range = makeGrid(ambientRangeGroup);
    range->addWidget(TempLowLimitLabel, 0, 0);
    range->addLayout(makeRow({ EdtTempLowLimit, ambientLowerUnit }), 0, 1);
    range->addWidget(TempHighLimitLabel, 1, 0);
    range->addLayout(makeRow({ EdtTempHighLimit, ambientUpperUnit }), 1, 1);
    range->addWidget(SensorRangeLabel, 2, 0);
    range->addWidget(ambientSensorRange, 2, 1);
    range->addWidget(MinSensorRangeLabel, 3, 0);
    range->addWidget(ambientMinimumSpan, 3, 1);
    range->setColumnStretch(1, 1);

    // The zero edit has no label of its own: Qt names it by its group's title.
    ambientZeroGroup = makeGroup(sheet, QStringLiteral("GroupBox12"), QStringLiteral("Correção do Zero"));
    EdtTempZeroCorrection = makeEdit(ambientZeroGroup, QStringLiteral("EdtTempZeroCorrection"), QString(), ZeroSample);
    ambientZeroUnit = makeUnit(ambientZeroGroup, QStringLiteral("Label28"), QStringLiteral("°C"), TemperatureUnits);
    ZeroAdjustMinLabel = makeLabel(ambientZeroGroup, QStringLiteral("ZeroAdjustMinLabel"), QStringLiteral("Mín."));
    TempUserOffsetInfValLb
        = makeBound(ambientZeroGroup, QStringLiteral("TempUserOffsetInfValLb"), QStringLiteral("-5"));
    ambientZeroMinUnit = makeUnit(ambientZeroGroup, QStringLiteral("Label17"), QStringLiteral("°C"), TemperatureUnits);
    ZeroAdjustMaxLabel = makeLabel(ambientZeroGroup, QStringLiteral("ZeroAdjustMaxLabel"), QStringLiteral("Máx."));
    TempUserOffsetSupValLb = makeBound(ambientZeroGroup, QStringLiteral("TempUserOffsetSupValLb"), QStringLiteral("5"));
    ambientZeroMaxUnit = makeUnit(ambientZeroGroup, QStringLiteral("Label20"), QStringLiteral("°C"), TemperatureUnits);
    QGridLayout* zero = makeGrid(ambientZeroGroup);
    zero->addLayout(makeRow({ EdtTempZeroCorrection, ambientZeroUnit }), 0, 0);
    zero->addLayout(makeBoundsGrid({ ZeroAdjustMinLabel, TempUserOffsetInfValLb, ambientZeroMinUnit },
                        { ZeroAdjustMaxLabel, TempUserOffsetSupValLb, ambientZeroMaxUnit }),
        1, 0);

    ambientFailureGroup = makeGroup(sheet, QStringLiteral("GroupBox1"), QStringLiteral("Falha de sensor"));
    SelectLabel
        = makeLabel(ambientFailureGroup, QStringLiteral("SelectLabel"), QStringLiteral("Selecione o estado da saída"));
    MinFailOptionRadioButton
        = makeRadio(ambientFailureGroup, QStringLiteral("MinFailOptionRadioButton"), QStringLiteral("Mínimo"));
    MaxFailOptionRadioButton
        = makeRadio(ambientFailureGroup, QStringLiteral("MaxFailOptionRadioButton"), QStringLiteral("Máximo"));
    QGridLayout* failure = makeGrid(ambientFailureGroup);
    failure->addWidget(SelectLabel, 0, 0);
    failure->addLayout(makeRow({ MinFailOptionRadioButton, MaxFailOptionRadioButton }), 1, 0);

    ambientInformationGroup
        = makeGroup(sheet, QStringLiteral("GroupBox9"), QStringLiteral("Informações do transmissor"));
    // Serial number, firmware, model and output type, separated by empty lines.
    Config_TxT = makeMemo(ambientInformationGroup, QStringLiteral("Config_TxT"), 7);
    ShowTempPVMemo = makeMemo(ambientInformationGroup, QStringLiteral("ShowTempPVMemo"), 3);
    EdtStatT = makeStatusEdit(ambientInformationGroup, QStringLiteral("EdtStatT"));
    EnviaBarT = makeTransferBar(ambientInformationGroup, QStringLiteral("EnviaBarT"));
    arrangeInfoBox(ambientInformationGroup, Config_TxT, ShowTempPVMemo, EdtStatT, EnviaBarT);

    auto* page = new QVBoxLayout(sheet);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(6);
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(ambientRangeGroup);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(ambientZeroGroup);
    right->addWidget(ambientFailureGroup);
    right->addStretch(1);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    page->addLayout(columns);
    page->addWidget(ambientInformationGroup, 1);
}

}  // namespace korv
