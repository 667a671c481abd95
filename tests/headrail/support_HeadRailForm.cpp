#include "support_HeadRailForm.h"

#include "core/families/headrail/HeadRailSensors.h"
#include "core/link/SerialLink.h"
#include "core/protocol/Identification.h"
#include "headrail/RadioGroup.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest/QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace korv::test {

HeadRailForm::HeadRailForm()
{
    transmitter.reportNotKept = [this] { ShowWarning(table[Msg::WriteError]); };
    transmitter.parameters = { { 2, 123 }, { 3, 45 } };

    widgets.setupUi(&window);

    ptyMaster_ = posix_openpt(O_RDWR | O_NOCTTY);
    QString path;
    if (ptyMaster_ >= 0 && grantpt(ptyMaster_) == 0 && unlockpt(ptyMaster_) == 0)
        path = QString::fromLocal8Bit(ptsname(ptyMaster_));
    transmitterSession = std::make_unique<TransmitterSession>(path);
    transmitterSession->useRegisters(transmitter);
    page = std::make_unique<HeadRailPage>(*this, widgets);
    page->showInitialState();
}

HeadRailForm::~HeadRailForm()
{
    page.reset();
    transmitterSession.reset();
    if (ptyMaster_ >= 0)
        ::close(ptyMaster_);
}

void HeadRailForm::usePortThatDoesNotOpen()
{
    transmitterSession->dropLink();
    transmitterSession->setPortName(QStringLiteral("/dev/korv-no-such-port"));
}

void HeadRailForm::ShowWarning(const QString& text)
{
    widgets.EdtStatus->clear();
    warnings << text;
}

Status HeadRailForm::IdentifyTransmitter()
{
    const Status status = transmitterSession->identify();
    if (status != Status::Ok)
        return status;
    const IdentificationRecord& id = transmitterSession->identification();
    if (id.TransmitterModel == Model::Unknown)
        return Status::Ok;
    QStringList names;
    for (int code : headrail::sensorListCodes(id.TransmitterModel, id.FirmwareVersion, id.NoThermocoupleB))
        names << table[headrail::sensorMessage(code)];
    widgets.SensorRadioGroup->setItems(names);
    sendAllowed = firmwareCompatible(id.TransmitterModel, id.FirmwareVersion);
    return Status::Ok;
}

void HeadRailForm::identify(int identityWord)
{
    transmitter.parameters[0] = static_cast<qint16>(identityWord);
    QCOMPARE(IdentifyTransmitter(), Status::Ok);
}

void HeadRailForm::select(int position)
{
    // Cleared first, so that choosing the item already selected still runs the handler.
    widgets.SensorRadioGroup->setItemIndex(-1);
    widgets.SensorRadioGroup->setItemIndex(position);
}

void HeadRailForm::setLimits(const QString& lower, const QString& upper)
{
    widgets.EdtLimitMinSensor->setText(lower);
    widgets.EdtLimitMaxSensor->setText(upper);
}

void HeadRailForm::leave(QWidget* edit, Qt::FocusReason reason)
{
    QFocusEvent out(QEvent::FocusOut, reason);
    QCoreApplication::sendEvent(edit, &out);
}

}  // namespace korv::test
