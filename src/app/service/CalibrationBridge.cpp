#include "app/service/CalibrationBridge.h"

#include "app/mainwindow/MainWindow.h"
#include "headrail/HeadRailPage.h"
#include "humidity_ambient/HumAmbPages.h"

namespace korv {

RegisterAccess& CalibrationBridge::registers()
{
    return form_.session().registers();
}

Model CalibrationBridge::model() const
{
    return form_.identification().TransmitterModel;
}

QString CalibrationBridge::serialNumberText() const
{
    return form_.identification().SerialNumberText;
}

int CalibrationBridge::transmitterSensorCode() const
{
    return form_.headRail().TransmitterSensorCode;
}

int CalibrationBridge::sensorMin() const
{
    return form_.headRail().SensorMin;
}

int CalibrationBridge::sensorMax() const
{
    return form_.headRail().SensorMax;
}

bool CalibrationBridge::celsiusChecked() const
{
    return form_.celsiusChecked();
}

HumidityConversion CalibrationBridge::convertHumidityReading(qint16 rawTemperature, qint16 rawHumidity) const
{
    const HumidityLiveValues values = form_.humidity().ConvertHumidityReading(rawTemperature, rawHumidity);
    return { values.temperature, values.humidity, values.humidityDefined };
}

void CalibrationBridge::ShowWarning(const QString& text)
{
    form_.ShowWarning(text);
}

QString CalibrationBridge::message(int number) const
{
    return form_.messages()[number];
}

void CalibrationBridge::recordBegins(const QString& command)
{
    form_.recordBegins(command);
}

void CalibrationBridge::recordEnds(const std::optional<history::CalibrationChange>& change)
{
    form_.endRecord(change);
}

}  // namespace korv
