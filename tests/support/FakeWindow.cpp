#include "FakeWindow.h"

#include "core/families/headrail/HeadRailSensors.h"
#include "core/protocol/Identification.h"
#include "headrail/RadioGroup.h"

#include <QBoxLayout>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace korv::test {

FakeWindow::FakeWindow(Model identified, bool portOpens)
{
    registers.reportNotKept = [this] { ShowWarning(table[Msg::WriteError]); };
    registers.parameters = { { 2, 123 }, { 3, 45 } };
    ptyMaster_ = posix_openpt(O_RDWR | O_NOCTTY);
    QString path;
    if (ptyMaster_ >= 0 && grantpt(ptyMaster_) == 0 && unlockpt(ptyMaster_) == 0)
        path = QString::fromLocal8Bit(ptsname(ptyMaster_));
    session_ = std::make_unique<TransmitterSession>(path);
    session_->useRegisters(registers);
    if (!portOpens)
        usePortThatDoesNotOpen();

    // The tabs side by side, each built as the window builds it.
    auto* tabs = new QHBoxLayout(&window);
    for (QWidget* sheet : { &headRailSheet, &humiditySheet, &ambientSheet })
        tabs->addWidget(sheet);
    hrw.setupUi(&headRailSheet);
    hw.setupUi(&humiditySheet);
    aw.setupUi(&ambientSheet);
    headRail = std::make_unique<HeadRailPage>(*this, hrw);
    humidity = std::make_unique<HumidityPage>(*this, state, hw);
    ambient = std::make_unique<AmbientPage>(*this, state, aw);
    for (QAction* item : { &relativeItem, &dewPointItem })
        item->setCheckable(true);
    relativeItem.setChecked(true);
    humidity->setMeasureMenu(&relativeItem, &dewPointItem);
    modelFixed_ = identified != Model::Unknown;
    // A transmitter that identifies itself refuses the registers the test did not fill, so that an
    // unexpected read shows; one made for a model reads them as 0, as a blank one of it would.
    registers.refuseUnknown = !modelFixed_;
    session_->identification().TransmitterModel = identified;
    headRail->showInitialState();
    humidity->showInitialState();
    ambient->showInitialState();
    if (modelFixed_)
        showHumAmbModel(identified);
}

FakeWindow::~FakeWindow()
{
    // The pages filter events of widgets that die with the window.
    headRail.reset();
    humidity.reset();
    ambient.reset();
    session_.reset();
    if (ptyMaster_ >= 0)
        ::close(ptyMaster_);
}

void FakeWindow::showHumAmbModel(Model model)
{
    // The labels of the unit and the kind, the limits of the model, then the zero limits, the
    // model's own temperature input last, as the two temperature inputs share one state.
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

Status FakeWindow::IdentifyTransmitter()
{
    IdentificationRecord& id = session_->identification();
    if (!identifyAs.isEmpty()) {
        id.TransmitterModel = identifyAs.takeFirst();
    } else if (!modelFixed_) {
        const Status status = session_->identify();
        if (status != Status::Ok)
            return status;
        // Only a firmware read from the transmitter can close the send button.
        if (hasFirmwareRule(id.TransmitterModel))
            sendButtonEnabled = firmwareCompatible(id.TransmitterModel, id.FirmwareVersion);
    }
    if (isHeadRail(id.TransmitterModel)) {
        QStringList names;
        for (int code : headrail::sensorListCodes(id.TransmitterModel, id.FirmwareVersion, id.NoThermocoupleB))
            names << table[headrail::sensorMessage(code)];
        hrw.SensorRadioGroup->setItems(names);
    } else if (isHumidity(id.TransmitterModel)) {
        humidity->identified();
    } else if (isAmbient(id.TransmitterModel)) {
        ambient->identified();
    }
    return Status::Ok;
}

void FakeWindow::ShowWarning(const QString& text)
{
    for (QLineEdit* line : { hrw.EdtStatus, hw.EdtStatRHT, aw.EdtStatT })
        line->clear();
    warnings << text;
}

void FakeWindow::identify(int identityWord)
{
    registers.parameters[0] = static_cast<qint16>(identityWord);
    QCOMPARE(IdentifyTransmitter(), Status::Ok);
}

void FakeWindow::seedTransmitter()
{
    registers.parameters = { { 1, 0 }, { 6, 0 }, { 7, 10000 }, { 8, 0 }, { 9, 10000 }, { 14, 0 }, { 15, 0 } };
    registers.memory = { { 58, 6000 }, { 60, 3500 } };
}

void FakeWindow::usePortThatDoesNotOpen()
{
    session_->dropLink();
    session_->setPortName(QStringLiteral("/dev/korv-no-such-port"));
}

void FakeWindow::select(int sensorPosition)
{
    // Cleared first, so that choosing the item already selected still runs the handler.
    hrw.SensorRadioGroup->setItemIndex(-1);
    hrw.SensorRadioGroup->setItemIndex(sensorPosition);
}

void FakeWindow::setLimits(const QString& lower, const QString& upper)
{
    hrw.EdtLimitMinSensor->setText(lower);
    hrw.EdtLimitMaxSensor->setText(upper);
}

bool FakeWindow::showActive()
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void FakeWindow::leave(QWidget* edit, Qt::FocusReason reason)
{
    QFocusEvent out(QEvent::FocusOut, reason);
    QCoreApplication::sendEvent(edit, &out);
}

void FakeWindow::typeInto(QLineEdit* edit, const QString& keys)
{
    for (const QChar key : keys) {
        if (key == u'\b')
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClick(edit, key.toLatin1());
    }
}

}  // namespace korv::test
