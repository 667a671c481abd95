// The controls of the head/rail tab.
#include "headrail/HeadRailPage.h"

#include "headrail/RadioGroup.h"
#include "widgets/UiFactory.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace korv {

using namespace ui;

namespace {

// Widest values the head/rail boxes show: limits reach four digits with a sign in °F, the zero
// correction is typed with at most five characters.
const QString LimitSample = QStringLiteral("-88888");
const QString ZeroSample = QStringLiteral("-88,88");
const QString ZeroBoundSample = QStringLiteral("-888,88");
const QStringList HeadUnits
    = { QStringLiteral("mV"), QStringLiteral("°C"), QStringLiteral("°F"), QStringLiteral("V"), QStringLiteral("mA") };

QLabel* makeHeadUnit(QWidget* parent, const QString& name)
{
    QLabel* label = makeLabel(parent, name, QStringLiteral("mV"));
    reserveWidth(label, HeadUnits);
    return label;
}

}  // namespace

void HeadRailWidgets::setupUi(QWidget* sheet)
{
    HeadRailPanel = new QWidget(sheet);
    HeadRailPanel->setObjectName(QStringLiteral("HeadRailPanel"));
    auto* page = new QVBoxLayout(sheet);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(HeadRailPanel);
    QWidget* panel = HeadRailPanel;

    SensorRadioGroup = new RadioGroup(QStringLiteral("Seleção de Sensor"), panel);
    SensorRadioGroup->setObjectName(QStringLiteral("SensorRadioGroup"));
    SensorRadioGroup->setItems({ QStringLiteral("0 - 50 mV"), QStringLiteral("Termopar K"),
        QStringLiteral("Termopar J"), QStringLiteral("Termopar R"), QStringLiteral("Termopar S"),
        QStringLiteral("Termopar T"), QStringLiteral("Termopar N"), QStringLiteral("Termopar E"),
        QStringLiteral("Termopar B"), QStringLiteral("Pt 100 (0,00385)") });
    SensorRadioGroup->setItemIndex(0);

    rangeGroup = makeGroup(panel, QStringLiteral("GroupBox2"), QStringLiteral("Faixa de Medida"));
    lowerLimitLabel = makeLabel(rangeGroup, QStringLiteral("Label2LimMin"), QStringLiteral("Limite Inferior"));
    upperLimitLabel = makeLabel(rangeGroup, QStringLiteral("Label1LimMax"), QStringLiteral("  Limite Superior"));
    EdtLimitMinSensor = makeEdit(rangeGroup, QStringLiteral("EdtLimitMinSensor"), QString(), LimitSample);
    UnidMinFaixaUsuario = makeHeadUnit(rangeGroup, QStringLiteral("UnidMinFaixaUsuario"));
    EdtLimitMaxSensor = makeEdit(rangeGroup, QStringLiteral("EdtLimitMaxSensor"), QString(), LimitSample);
    UnidMaxFaixaUsuario = makeHeadUnit(rangeGroup, QStringLiteral("UnidMaxFaixaUsuario"));
    sensorRangeTitle = makeLabel(rangeGroup, QStringLiteral("Label3FaixaSen"), QStringLiteral("Faixa do Sensor"));
    Faixa_Minima = makeDisplayBox(rangeGroup, QStringLiteral("Faixa_Minima"), LimitSample);
    UnidMinSensor = makeHeadUnit(rangeGroup, QStringLiteral("UnidMinSensor"));
    Faixa_Maxima = makeDisplayBox(rangeGroup, QStringLiteral("Faixa_Maxima"), LimitSample);
    UnidMaxSensor = makeHeadUnit(rangeGroup, QStringLiteral("UnidMaxSensor"));
    minimumSpanTitle = makeLabel(rangeGroup, QStringLiteral("Label4FaixaMin"), QStringLiteral("Faixa Mínima"));
    Span_Minimo = makeDisplayBox(rangeGroup, QStringLiteral("Span_Minimo"), LimitSample);
    UnidFaixaMinima = makeHeadUnit(rangeGroup, QStringLiteral("UnidFaixaMinima"));
    // Screen readers name an edit by its buddy label, in whatever language the label shows.
    lowerLimitLabel->setBuddy(EdtLimitMinSensor);
    upperLimitLabel->setBuddy(EdtLimitMaxSensor);
    QGridLayout* range = makeGrid(rangeGroup);
    range->addWidget(lowerLimitLabel, 0, 0);
    range->addWidget(upperLimitLabel, 0, 1);
    range->addLayout(makeRow({ EdtLimitMinSensor, UnidMinFaixaUsuario }), 1, 0);
    range->addLayout(makeRow({ EdtLimitMaxSensor, UnidMaxFaixaUsuario }), 1, 1);
    range->addWidget(sensorRangeTitle, 2, 0, 1, 2);
    range->addLayout(makeRow({ Faixa_Minima, UnidMinSensor }), 3, 0);
    range->addLayout(makeRow({ Faixa_Maxima, UnidMaxSensor }), 3, 1);
    range->addWidget(minimumSpanTitle, 4, 0);
    range->addLayout(makeRow({ Span_Minimo, UnidFaixaMinima }), 4, 1);

    // The zero edit has no label of its own: Qt names it by its group's title.
    Corrzero = makeGroup(panel, QStringLiteral("Corrzero"), QStringLiteral("Correção do Zero"));
    EdtCorrigeZero = makeEdit(Corrzero, QStringLiteral("EdtCorrigeZero"), QString(), ZeroSample, 5);
    UnidZero = makeHeadUnit(Corrzero, QStringLiteral("UnidZero"));
    zeroMinTitle = makeLabel(Corrzero, QStringLiteral("Label1"), QStringLiteral("Mín:"));
    LblZeroMin = makeLabel(Corrzero, QStringLiteral("LblZeroMin"), QStringLiteral("0,5"));
    UnidZeroLimitMin = makeHeadUnit(Corrzero, QStringLiteral("UnidZeroLimitMin"));
    zeroMaxTitle = makeLabel(Corrzero, QStringLiteral("Label2"), QStringLiteral("Máx:"));
    LblZeroMax = makeLabel(Corrzero, QStringLiteral("LblZeroMax"), QStringLiteral("0,5"));
    UnidZeroLimitMax = makeHeadUnit(Corrzero, QStringLiteral("UnidZeroLimitMax"));
    for (QLabel* bound : { LblZeroMin, LblZeroMax }) {
        reserveWidth(bound, { ZeroBoundSample });
        bound->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    QGridLayout* zero = makeGrid(Corrzero);
    zero->addLayout(makeRow({ EdtCorrigeZero, UnidZero }), 0, 0, 1, 4);
    zero->addWidget(zeroMinTitle, 1, 0);
    zero->addWidget(LblZeroMin, 1, 1);
    zero->addWidget(UnidZeroLimitMin, 1, 2);
    zero->addWidget(zeroMaxTitle, 2, 0);
    zero->addWidget(LblZeroMax, 2, 1);
    zero->addWidget(UnidZeroLimitMax, 2, 2);
    zero->setColumnStretch(3, 1);

    failureGroup = makeGroup(panel, QStringLiteral("GroupBox4"), QStringLiteral("Falha de Sensor"));
    failureOutputLabel
        = makeLabel(failureGroup, QStringLiteral("Label6SelecOut"), QStringLiteral("Selecione estado da saída"));
    Forca_SaidaMin = makeRadio(failureGroup, QStringLiteral("Forca_SaidaMin"), QStringLiteral("Mínimo"));
    Forca_SaidaMax = makeRadio(failureGroup, QStringLiteral("Forca_SaidaMax"), QStringLiteral("Máximo"));
    QGridLayout* failure = makeGrid(failureGroup);
    failure->addWidget(failureOutputLabel, 0, 0);
    failure->addLayout(makeRow({ Forca_SaidaMin, Forca_SaidaMax }), 1, 0);

    filterGroup = makeGroup(panel, QStringLiteral("GroupBox3"), QStringLiteral("Otimização"));
    mainsFrequencyLabel
        = makeLabel(filterGroup, QStringLiteral("Label5Rede"), QStringLiteral("Selecione a frequência da rede"));
    Freq_50 = makeRadio(filterGroup, QStringLiteral("Freq_50"), QStringLiteral("50 Hz"));
    Freq_60 = makeRadio(filterGroup, QStringLiteral("Freq_60"), QStringLiteral("60 Hz"));
    QGridLayout* filter = makeGrid(filterGroup);
    filter->addWidget(mainsFrequencyLabel, 0, 0);
    filter->addLayout(makeRow({ Freq_50, Freq_60 }), 1, 0);

    informationGroup = makeGroup(panel, QStringLiteral("GroupBox5"), QStringLiteral("Informações do transmissor"));
    // Serial number, firmware, model and output type.
    Config_Transmissor = makeMemo(informationGroup, QStringLiteral("Config_Transmissor"), 4);
    Config_Transmissor->setPlainText(QStringLiteral("\n\n"));
    EdtStatus = makeStatusEdit(informationGroup, QStringLiteral("EdtStatus"));
    QGridLayout* info = makeGrid(informationGroup);
    info->addWidget(Config_Transmissor, 0, 0);
    info->addWidget(EdtStatus, 1, 0);

    auto* columns = new QHBoxLayout(panel);
    columns->setContentsMargins(3, 3, 3, 3);
    columns->setSpacing(5);
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(SensorRadioGroup);
    left->addWidget(rangeGroup);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(Corrzero);
    right->addWidget(failureGroup);
    right->addWidget(filterGroup);
    right->addWidget(informationGroup, 1);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
}

}  // namespace korv
