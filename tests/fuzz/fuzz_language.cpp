// The language file as read from disk: any bytes, any encoding, any line endings.
#include "i18n/LanguageFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = korv::decodeLanguageText(bytes);
    const QStringList lines = korv::splitLanguageLines(text);
    // No line keeps an ending of its own.
    for (const QString& line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n'))
            __builtin_trap();
    }
    // The program splits only as far as the lines it uses: the same lines as the whole split.
    if (korv::splitLanguageLines(text, korv::LanguageLineCount) != lines.mid(0, korv::LanguageLineCount))
        __builtin_trap();
    return 0;
}
