#include "HumAmbPageFixture.h"

#include <QBoxLayout>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <tuple>
#include <utility>

namespace korv::test {

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

PagesFixture::PagesFixture(Model model, bool portOpens)
    : form(portOpens ? pty.path : QStringLiteral("/dev/no-such-port-korv"))
{
    // Both tabs side by side, each built as the window builds it.
    auto* tabs = new QHBoxLayout(&window);
    for (QWidget* sheet : { &humiditySheet, &ambientSheet })
        tabs->addWidget(sheet);
    hw.setupUi(&humiditySheet);
    aw.setupUi(&ambientSheet);

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
    humidity->showInitialState();
    ambient->showInitialState();
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
