#include "i18n/Windows1252.h"

#include <array>

namespace korv {

namespace {

// 0x80..0x9F, the only block where the code page departs from Latin-1. The five positions the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control character of the same
// number, as Windows itself does, so that no byte is lost.
constexpr std::array<char16_t, 32> HighControlBlock = {
    u'\u20AC',
    u'\u0081',
    u'\u201A',
    u'\u0192',
    u'\u201E',
    u'\u2026',
    u'\u2020',
    u'\u2021',
    u'\u02C6',
    u'\u2030',
    u'\u0160',
    u'\u2039',
    u'\u0152',
    u'\u008D',
    u'\u017D',
    u'\u008F',
    u'\u0090',
    u'\u2018',
    u'\u2019',
    u'\u201C',
    u'\u201D',
    u'\u2022',
    u'\u2013',
    u'\u2014',
    u'\u02DC',
    u'\u2122',
    u'\u0161',
    u'\u203A',
    u'\u0153',
    u'\u009D',
    u'\u017E',
    u'\u0178',
};

}  // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F)
            text.append(QChar(HighControlBlock[byte - 0x80u]));
        else
            text.append(QChar(static_cast<char16_t>(byte)));
    }
    return text;
}

}  // namespace korv
