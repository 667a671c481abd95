// A configuration file as the user gives it: any bytes. Nothing crashes, and a file with a key
// twice in one object is never taken as a configuration.
#include "core/configuration/ConfigurationFile.h"
#include "core/files/JsonObjectReader.h"

#include <QJsonDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const korv::config::Parsed parsed = korv::config::parseConfiguration(bytes);
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (document.isNull())
        return 0;
    if (parsed.configuration && korv::config::repeatedKey(bytes))
        __builtin_trap();
    // What the JSON writer makes of the document holds each key once, whatever escapes it needs
    // (when it writes the document faithfully: a lone surrogate half, say, it cannot).
    const QByteArray written = document.toJson(QJsonDocument::Compact);
    if (QJsonDocument::fromJson(written) == document && korv::config::repeatedKey(written))
        __builtin_trap();
    return 0;
}
