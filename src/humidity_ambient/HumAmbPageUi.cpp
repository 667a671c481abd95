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
    QLabel*& unitInf = humidity ? RH1Lb : Temp1Lb;
    QLabel*& unitSup = humidity ? RH2Lb : Temp2Lb;
    QLabel*& faixaSens = humidity ? FaixaSensRHLb : FaixaSensTempLb;
    QLabel*& sensorRange = humidity ? RH3Lb : Temp3Lb;
    QLabel*& faixaMin = humidity ? FaixaMinRHLb : FaixaMinTempLb;
    QLabel*& minSpan = humidity ? RH4Lb : Temp4Lb;
    QLabel*& zeroTitle = humidity ? ZeroRHLb : ZeroTempLb;
    QLineEdit*& edtZero = humidity ? EdtCorrZeroRH : EdtCorrZeroTemp;
    QLabel*& unitZero = humidity ? RH7Lb : Temp7Lb;
    QLabel*& minTitle = humidity ? MinRHLb : MinTempLb;
    QLabel*& minBound = humidity ? ValorMinZeroRHLb : ValorMinZeroTempLb;
    QLabel*& unitMin = humidity ? RH5Lb : Temp5Lb;
    QLabel*& maxTitle = humidity ? MaxRHLb : MaxTempLb;
    QLabel*& maxBound = humidity ? ValorMaxZeroRHLb : ValorMaxZeroTempLb;
    QLabel*& unitMax = humidity ? RH6Lb : Temp6Lb;
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

    GroupBox11 = makeGroup(sheet, QStringLiteral("GroupBox11"), QStringLiteral("Informações do transmissor"));
    Config_OrvHu = makeMemo(GroupBox11, QStringLiteral("Config_OrvHu"), 4);
    ShowPVsMemo = makeMemo(GroupBox11, QStringLiteral("ShowPVsMemo"), 4);
    EdtStatRHT = makeStatusEdit(GroupBox11, QStringLiteral("EdtStatRHT"));
    EnviaBarRHT = makeTransferBar(GroupBox11, QStringLiteral("EnviaBarRHT"));
    arrangeInfoBox(GroupBox11, Config_OrvHu, ShowPVsMemo, EdtStatRHT, EnviaBarRHT);

    auto* page = new QVBoxLayout(sheet);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);
    auto* inputs = new QHBoxLayout;
    inputs->setSpacing(6);
    inputs->addWidget(UmidadeGroupBox, 1);
    inputs->addWidget(TemperaturaGroupBox, 1);
    page->addLayout(inputs);
    page->addWidget(GroupBox11, 1);
}

void AmbientWidgets::setupUi(QWidget* sheet)
{
    GroupBox10 = makeGroup(sheet, QStringLiteral("GroupBox10"), QStringLiteral("Faixa de Medida"));
    TempLowLimitLabel = makeLabel(GroupBox10, QStringLiteral("TempLowLimitLabel"), QStringLiteral("Limite Inferior"));
    EdtTempLowLimit = makeEdit(GroupBox10, QStringLiteral("EdtTempLowLimit"), QStringLiteral("-50"), LimitSample, 8);
    Label7 = makeUnit(GroupBox10, QStringLiteral("Label7"), QStringLiteral("°C"), TemperatureUnits);
    TempHighLimitLabel = makeLabel(GroupBox10, QStringLiteral("TempHighLimitLabel"), QStringLiteral("Limite Superior"));
    EdtTempHighLimit = makeEdit(GroupBox10, QStringLiteral("EdtTempHighLimit"), QStringLiteral("120"), LimitSample, 8);
    Label8 = makeUnit(GroupBox10, QStringLiteral("Label8"), QStringLiteral("°C"), TemperatureUnits);
    SensorRangeLabel = makeLabel(GroupBox10, QStringLiteral("SensorRangeLabel"), QStringLiteral("Faixa do Sensor"));
    Label9 = makeUnit(
        GroupBox10, QStringLiteral("Label9"), QStringLiteral("-50 a 120 °C"), { QStringLiteral("-58 a 248 °F") });
    MinSensorRangeLabel = makeLabel(GroupBox10, QStringLiteral("MinSensorRangeLabel"), QStringLiteral("Faixa Mínima"));
    Label10 = makeUnit(GroupBox10, QStringLiteral("Label10"), QStringLiteral("5 °C"), { QStringLiteral("9 °F") });
    QGridLayout* range = makeGrid(GroupBox10);
    range->addWidget(TempLowLimitLabel, 0, 0);
    range->addLayout(makeRow({ EdtTempLowLimit, Label7 }), 0, 1);
    range->addWidget(TempHighLimitLabel, 1, 0);
    range->addLayout(makeRow({ EdtTempHighLimit, Label8 }), 1, 1);
    range->addWidget(SensorRangeLabel, 2, 0);
    range->addWidget(Label9, 2, 1);
    range->addWidget(MinSensorRangeLabel, 3, 0);
    range->addWidget(Label10, 3, 1);
    range->setColumnStretch(1, 1);

    GroupBox12 = makeGroup(sheet, QStringLiteral("GroupBox12"), QStringLiteral("Correção do Zero"));
    EdtTempZeroCorrection = makeEdit(GroupBox12, QStringLiteral("EdtTempZeroCorrection"), QString(), ZeroSample);
    Label28 = makeUnit(GroupBox12, QStringLiteral("Label28"), QStringLiteral("°C"), TemperatureUnits);
    ZeroAdjustMinLabel = makeLabel(GroupBox12, QStringLiteral("ZeroAdjustMinLabel"), QStringLiteral("Mín."));
    TempUserOffsetInfValLb = makeBound(GroupBox12, QStringLiteral("TempUserOffsetInfValLb"), QStringLiteral("-5"));
    Label17 = makeUnit(GroupBox12, QStringLiteral("Label17"), QStringLiteral("°C"), TemperatureUnits);
    ZeroAdjustMaxLabel = makeLabel(GroupBox12, QStringLiteral("ZeroAdjustMaxLabel"), QStringLiteral("Máx."));
    TempUserOffsetSupValLb = makeBound(GroupBox12, QStringLiteral("TempUserOffsetSupValLb"), QStringLiteral("5"));
    Label20 = makeUnit(GroupBox12, QStringLiteral("Label20"), QStringLiteral("°C"), TemperatureUnits);
    QGridLayout* zero = makeGrid(GroupBox12);
    zero->addLayout(makeRow({ EdtTempZeroCorrection, Label28 }), 0, 0);
    zero->addLayout(makeBoundsGrid({ ZeroAdjustMinLabel, TempUserOffsetInfValLb, Label17 },
                        { ZeroAdjustMaxLabel, TempUserOffsetSupValLb, Label20 }),
        1, 0);

    GroupBox1 = makeGroup(sheet, QStringLiteral("GroupBox1"), QStringLiteral("Falha de sensor"));
    SelectLabel = makeLabel(GroupBox1, QStringLiteral("SelectLabel"), QStringLiteral("Selecione o estado da saída"));
    MinFailOptionRadioButton
        = makeRadio(GroupBox1, QStringLiteral("MinFailOptionRadioButton"), QStringLiteral("Mínimo"));
    MaxFailOptionRadioButton
        = makeRadio(GroupBox1, QStringLiteral("MaxFailOptionRadioButton"), QStringLiteral("Máximo"));
    QGridLayout* failure = makeGrid(GroupBox1);
    failure->addWidget(SelectLabel, 0, 0);
    failure->addLayout(makeRow({ MinFailOptionRadioButton, MaxFailOptionRadioButton }), 1, 0);

    GroupBox9 = makeGroup(sheet, QStringLiteral("GroupBox9"), QStringLiteral("Informações do transmissor"));
    // Serial number, firmware, model and output type, separated by empty lines.
    Config_TxT = makeMemo(GroupBox9, QStringLiteral("Config_TxT"), 7);
    ShowTempPVMemo = makeMemo(GroupBox9, QStringLiteral("ShowTempPVMemo"), 3);
    EdtStatT = makeStatusEdit(GroupBox9, QStringLiteral("EdtStatT"));
    EnviaBarT = makeTransferBar(GroupBox9, QStringLiteral("EnviaBarT"));
    arrangeInfoBox(GroupBox9, Config_TxT, ShowTempPVMemo, EdtStatT, EnviaBarT);

    auto* page = new QVBoxLayout(sheet);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(6);
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(GroupBox10);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(GroupBox12);
    right->addWidget(GroupBox1);
    right->addStretch(1);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    page->addLayout(columns);
    page->addWidget(GroupBox9, 1);
}

}  // namespace korv
