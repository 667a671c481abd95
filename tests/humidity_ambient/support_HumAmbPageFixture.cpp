#include "HumAmbPageFixture.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <tuple>
#include <utility>

namespace korv::test {

Status ScriptedRegisters::scripted(QMap<int, QList<Status>>& failures, int address)
{
    auto it = failures.find(address);
    if (it == failures.end() || it->isEmpty())
        return Status::Ok;
    return it->takeFirst();
}

Status ScriptedRegisters::ReadParameter(qint16 address, qint16& value)
{
    if (address == 2 || address == 3) {
        if (address == 2 && serialFailures > 0) {
            --serialFailures;
            return Status::NoAnswer;
        }
        value = 0;
        return Status::Ok;
    }
    log << QStringLiteral("P%1").arg(address);
    const Status status = scripted(readFailures, address);
    if (status == Status::Ok)
        value = parameters.value(address, 0);
    return status;
}

Status ScriptedRegisters::ReadMemory(qint16 address, qint16& value)
{
    log << QStringLiteral("M%1").arg(address);
    const Status status = scripted(readFailures, address);
    if (status == Status::Ok)
        value = memory.value(address, 0);
    return status;
}

Status ScriptedRegisters::WriteParameter(qint16 address, qint16 value)
{
    log << QStringLiteral("W%1=%2").arg(address).arg(value);
    const Status status = scripted(writeFailures, address);
    if (status != Status::Ok)
        return status;
    writes << qMakePair(int { address }, int { value });
    parameters[address] = value;
    return Status::Ok;
}

QList<int> ScriptedRegisters::touched() const
{
    QList<int> out;
    for (const QString& entry : log) {
        const int address = entry.mid(1).section(u'=', 0, 0).toInt();
        if (!out.contains(address))
            out << address;
    }
    return out;
}

QList<int> ScriptedRegisters::writtenRegisters() const
{
    QList<int> out;
    for (const auto& w : writes)
        out << w.first;
    return out;
}

Status FakeForm::IdentifyTransmitter()
{
    IdentificationRecord& ident = transmitter.identification();
    if (!identifyAs.isEmpty())
        ident.TransmitterModel = identifyAs.takeFirst();
    if (isHumidity(ident.TransmitterModel))
        humidity->identified();
    else if (isAmbient(ident.TransmitterModel))
        ambient->identified();
    return Status::Ok;
}

void FakeForm::ShowWarning(const QString& text)
{
    for (QLineEdit* line : statusLines)
        line->clear();
    warnings << text;
}

PseudoTerminal::PseudoTerminal()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0)
        path = QString::fromLocal8Bit(ptsname(master_));
}

PseudoTerminal::~PseudoTerminal()
{
    if (master_ >= 0)
        ::close(master_);
}

namespace {

template <typename W> W* named(QWidget* parent, const char* name)
{
    auto* widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    parent->layout()->addWidget(widget);
    return widget;
}

QLineEdit* limitEdit(QWidget* parent, const char* name, const char* text)
{
    auto* edit = named<QLineEdit>(parent, name);
    edit->setMaxLength(8);
    edit->setText(QLatin1String(text));
    return edit;
}

// Each pair of failure buttons in a box of its own, as on the tabs, so that they exclude each
// other and nothing else.
std::pair<QRadioButton*, QRadioButton*> radioPair(QWidget* parent, const char* minName, const char* maxName)
{
    auto* box = named<QGroupBox>(parent, "box");
    box->setLayout(new QVBoxLayout);
    auto* minButton = named<QRadioButton>(box, minName);
    auto* maxButton = named<QRadioButton>(box, maxName);
    minButton->setChecked(true);
    return { minButton, maxButton };
}

template <std::size_t N> std::array<QLabel*, N> labels(QWidget* parent, const char* const (&names)[N])
{
    std::array<QLabel*, N> out {};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = named<QLabel>(parent, names[i]);
    return out;
}

}  // namespace

PagesFixture::PagesFixture(Model model, bool portOpens)
    : form(portOpens ? pty.path : QStringLiteral("/dev/no-such-port-korv"))
{
    window.setLayout(new QVBoxLayout);
    QWidget* w = &window;
    hw.EdtLimInfRH = limitEdit(w, "EdtLimInfRH", "0");
    hw.EdtLimSupRH = limitEdit(w, "EdtLimSupRH", "100");
    hw.EdtCorrZeroRH = limitEdit(w, "EdtCorrZeroRH", "0");
    std::tie(hw.MinRHRadioButton, hw.MaxRHRadioButton) = radioPair(w, "MinRHRadioButton", "MaxRHRadioButton");
    hw.ValorMinZeroRHLb = named<QLabel>(w, "ValorMinZeroRHLb");
    hw.ValorMaxZeroRHLb = named<QLabel>(w, "ValorMaxZeroRHLb");
    hw.rhLabels = labels(w, { "RH1Lb", "RH2Lb", "RH3Lb", "RH4Lb", "RH5Lb", "RH6Lb", "RH7Lb" });
    hw.EdtLimInfTemp = limitEdit(w, "EdtLimInfTemp", "-40");
    hw.EdtLimSupTemp = limitEdit(w, "EdtLimSupTemp", "120");
    hw.EdtCorrZeroTemp = limitEdit(w, "EdtCorrZeroTemp", "0");
    std::tie(hw.MinTempRadioButton, hw.MaxTempRadioButton) = radioPair(w, "MinTempRadioButton", "MaxTempRadioButton");
    hw.ValorMinZeroTempLb = named<QLabel>(w, "ValorMinZeroTempLb");
    hw.ValorMaxZeroTempLb = named<QLabel>(w, "ValorMaxZeroTempLb");
    hw.tempLabels = labels(w, { "Temp1Lb", "Temp2Lb", "Temp3Lb", "Temp4Lb", "Temp5Lb", "Temp6Lb", "Temp7Lb" });
    hw.Config_OrvHu = named<QPlainTextEdit>(w, "Config_OrvHu");
    hw.EdtStatRHT = named<QLineEdit>(w, "EdtStatRHT");
    hw.ShowPVsMemo = named<QPlainTextEdit>(w, "ShowPVsMemo");
    hw.EnviaBarRHT = named<QProgressBar>(w, "EnviaBarRHT");

    aw.EdtTempLowLimit = limitEdit(w, "EdtTempLowLimit", "-50");
    aw.EdtTempHighLimit = limitEdit(w, "EdtTempHighLimit", "120");
    aw.EdtTempZeroCorrection = limitEdit(w, "EdtTempZeroCorrection", "0");
    std::tie(aw.MinFailOptionRadioButton, aw.MaxFailOptionRadioButton)
        = radioPair(w, "MinFailOptionRadioButton", "MaxFailOptionRadioButton");
    aw.TempUserOffsetInfValLb = named<QLabel>(w, "TempUserOffsetInfValLb");
    aw.TempUserOffsetSupValLb = named<QLabel>(w, "TempUserOffsetSupValLb");
    aw.unitLabels = labels(w, { "Label7", "Label8", "Label9", "Label10", "Label17", "Label20", "Label28" });
    aw.Config_TxT = named<QPlainTextEdit>(w, "Config_TxT");
    aw.EdtStatT = named<QLineEdit>(w, "EdtStatT");
    aw.ShowTempPVMemo = named<QPlainTextEdit>(w, "ShowTempPVMemo");
    aw.EnviaBarT = named<QProgressBar>(w, "EnviaBarT");

    humidity = std::make_unique<HumidityPage>(form, state, hw);
    ambient = std::make_unique<AmbientPage>(form, state, aw);
    form.humidity = humidity.get();
    form.ambient = ambient.get();
    form.statusLines = { hw.EdtStatRHT, aw.EdtStatT };
    form.transmitter.identification().TransmitterModel = model;
    humidity->setMeasureMenu(&form.relativeItem, &form.dewPointItem);

    // As after start-up and a read of `model` with full ranges: the labels of the unit and the
    // kind, the limits of the model, then the zero limits, the model's own temperature input
    // last, as the two temperature inputs share one state.
    humidity->ShowHumidityTempUnit();
    ambient->ShowAmbientUnit();
    hw.EdtLimInfTemp->setText(QStringLiteral("-40"));
    hw.EdtLimSupTemp->setText(QStringLiteral("120"));
    aw.EdtTempLowLimit->setText(QStringLiteral("-50"));
    aw.EdtTempHighLimit->setText(QStringLiteral("120"));
    humidity->ShowHumidityKind();
    identify();
    humidity->UpdateHumidityZeroLimits();
    if (model == Model::OrvAmbient) {
        humidity->UpdateTemperatureZeroLimits();
        ambient->UpdateAmbientZeroLimits();
    } else {
        ambient->UpdateAmbientZeroLimits();
        humidity->UpdateTemperatureZeroLimits();
    }
}

PagesFixture::~PagesFixture()
{
    // The pages filter events of widgets that die with the window.
    humidity.reset();
    ambient.reset();
}

void PagesFixture::identify()
{
    form.IdentifyTransmitter();
}

void PagesFixture::seedTransmitter()
{
    form.regs.parameters = { { 1, 0 }, { 6, 0 }, { 7, 10000 }, { 8, 0 }, { 9, 10000 }, { 14, 0 }, { 15, 0 } };
    form.regs.memory = { { 58, 6000 }, { 60, 3500 } };
}

bool PagesFixture::showActive()
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void PagesFixture::leave(QLineEdit* edit, Qt::FocusReason reason)
{
    QFocusEvent out(QEvent::FocusOut, reason);
    QCoreApplication::sendEvent(edit, &out);
}

void PagesFixture::typeInto(QLineEdit* edit, const QString& keys)
{
    for (const QChar key : keys) {
        if (key == u'\b')
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClick(edit, key.toLatin1());
    }
}

}  // namespace korv::test
