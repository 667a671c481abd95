// Every family's decoders on register values as a transmitter might hold them: the input is read
// as the registers a read finds (and the choices the window offers), and nothing may crash, trap
// on undefined behaviour or yield a value that is not a number.
#include "core/families/headrail/HeadRailConfigWord.h"
#include "core/families/headrail/HeadRailRange.h"
#include "core/families/headrail/HeadRailSensors.h"
#include "core/families/headrail/HeadRailZero.h"
#include "core/families/humamb/HumAmbConfigWord.h"
#include "core/families/humamb/HumAmbLimits.h"
#include "core/families/humamb/HumAmbLive.h"
#include "core/families/humamb/HumAmbRanges.h"
#include "core/families/humamb/HumAmbScales.h"
#include "core/protocol/Identification.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace korv;

namespace {

class Registers {
public:
    Registers(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }
    qint16 next()
    {
        quint16 value = 0;
        for (int i = 0; i < 2; ++i)
            value = static_cast<quint16>(value << 8 | (at_ < size_ ? data_[at_++] : 0));
        return static_cast<qint16>(value);
    }
    bool flag() { return next() & 1; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void finite(long double value)
{
    if (!std::isfinite(value))
        __builtin_trap();
}

void headRail(Registers& r)
{
    const IdentityWord id = splitIdentityWord(r.next());
    const Model model = modelFromCode(id.modelCode);
    const bool fahrenheit = r.flag();
    const auto fields = headrail::splitConfigWord(static_cast<quint16>(r.next()));
    (void)headrail::positionForCode(model, id.firmware, r.flag(), fields.code);
    const auto sensor = headrail::sensorRangeInUnit(model, id.firmware, fields.code, fahrenheit);
    const headrail::Group group = headrail::groupOf(model);
    const int sensorMin = sensor ? sensor->min : r.next();
    const int sensorMax = sensor ? sensor->max : r.next();
    const qint16 offset = r.next();
    const qint16 gain = r.next();
    if (const auto range = headrail::decodeRange(group, id.firmware, sensorMin, sensorMax, offset, gain)) {
        finite(range->lower);
        finite(range->upper);
        (void)headrail::rangeLimitText(range->lower);
        (void)headrail::rangeLimitText(range->upper);
    }
    const int lower = r.next();
    const int upper = r.next();
    if (const auto texts = headrail::zeroTexts(group, id.firmware, lower, upper, r.next(), u',')) {
        if (const auto correction = headrail::parseZeroCorrection(texts->zeroText, u','))
            (void)headrail::encodeZero(group, id.firmware, *correction, texts->span);
    }
    (void)headrail::encodeRange(group, id.firmware, sensorMin, sensorMax, float(r.next()) / 8, float(r.next()) / 8);
    (void)serialNumberText(r.next(), r.next());
    (void)firmwareText(id.firmware);
}

void humidityAmbient(Registers& r)
{
    const qint16 word = r.next();
    const humamb::ConfigFlags flags = humamb::decodeConfigWord(word);
    const bool fahrenheit = r.flag();
    const humamb::HumidityKind kind = flags.kind.value_or(humamb::HumidityKind::Relative);
    for (const humamb::InputLimits& sensor : { humamb::humidityLimits(kind, fahrenheit),
             humamb::humTempLimits(fahrenheit), humamb::ambientLimits(fahrenheit) }) {
        const qint16 offset = r.next();
        const qint16 gain = r.next();
        for (const auto& range :
            { humamb::decodeHumTempRange(sensor, offset, gain), humamb::decodeAmbientRange(sensor, offset, gain) }) {
            if (!range)
                continue;
            const humamb::DecodedRange shown = humamb::clampUpperToSensor(*range, sensor);
            finite(shown.lower);
            finite(shown.upper);
            (void)humamb::limitEditText(shown.lower);
            (void)humamb::limitEditText(shown.upper);
        }
    }
    const int span = r.next();
    for (const humamb::ZeroScale& scale :
        { humamb::HumidityZeroScale, humamb::HumTempZeroScale, humamb::AmbientZeroScale }) {
        const QString text = humamb::zeroCorrectionText(scale, span, r.next(), u',');
        if (const auto correction = humamb::parseZeroCorrection(text, u','))
            (void)humamb::encodeZero(scale, *correction, span);
    }
    const humamb::HumidityReading reading = humamb::convertHumidityReading(r.next(), r.next(), kind, fahrenheit);
    finite(reading.temperature);
    finite(reading.humidity);
    finite(humamb::ambientLiveValue(r.next(), fahrenheit));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Registers registers(data, size);
    headRail(registers);
    humidityAmbient(registers);
    return 0;
}
