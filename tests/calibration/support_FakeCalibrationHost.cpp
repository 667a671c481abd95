#include "FakeCalibrationHost.h"

namespace korv::test {

FakeCalibrationHost::FakeCalibrationHost()
{
    fake.reportNotKept = [this] { ShowWarning(table.text(Msg::WriteError)); };
}

void FakeCalibrationHost::setUp(Model model, int code, int sensorLow, int sensorHigh)
{
    transmitterModel = model;
    sensorCode = code;
    low = sensorLow;
    high = sensorHigh;
    fake.parameters = { { 4, -3250 }, { 5, 12875 }, { 6, -300 }, { 7, 15000 }, { 8, -1200 }, { 9, 13000 }, { 16, 10 },
        { 17, -20 }, { 18, 9500 }, { 19, 250 }, { 20, 10100 } };
    fake.memory = { { 55, 8184 }, { 58, 6000 }, { 60, 3500 }, { 103, 11000 } };
}

HumidityConversion FakeCalibrationHost::convertHumidityReading(qint16 rawTemperature, qint16 rawHumidity) const
{
    float t = static_cast<float>(rawTemperature * 160 - 160000) / 10000.0f - 40.0f;
    const float h = static_cast<float>(rawHumidity * 100 - 100000) / 10000.0f;
    if (!celsius)
        t = t * 9.0f / 5.0f + 32.0f;
    return { t, h, h > 0.0f };
}

}  // namespace korv::test
