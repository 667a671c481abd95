#include "core/files/SettingsText.h"

#include "core/files/PlantConnection.h"

#include <QList>
#include <QStringDecoder>

#include <array>

namespace korv {

namespace {

enum OwnedKey { Port, Unit, Fast, Language };
constexpr int OwnedKeyCount = 4;

QByteArray ownedKeyName(int key)
{
    const QString& name = key == Port ? AppSettings::PortKey
        : key == Unit                 ? AppSettings::UnitKey
        : key == Fast                 ? AppSettings::FastKey
                                      : AppSettings::LanguageKey;
    return name.toLatin1();
}

struct Line {
    enum Kind { Other, Header, Key };
    Kind kind = Other;
    qsizetype begin = 0;
    qsizetype contentEnd = 0;  // where the line ending starts
    qsizetype end = 0;  // after the line ending
    QByteArray name;  // a header's section, a key line's key
    qsizetype valueBegin = 0;  // a key line's first byte after "=" and the blanks that follow it
    QByteArray value;
};

// Where the program's values are in the text.
struct Layout {
    QList<Line> lines;
    int header = -1;  // the first header of the section; -1 when the file has none
    int insertAfter = -1;  // the section's last key line in its first block, else its header
    std::array<int, OwnedKeyCount> keys { -1, -1, -1, -1 };
    QList<int> fastLines;  // every Rapida of the section, whatever its spelling
};

// A carriage return that ends no line, a vertical tab and a form feed are blanks as well.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

QByteArray trimmedBlanks(QByteArrayView bytes)
{
    qsizetype from = 0;
    qsizetype to = bytes.size();
    while (from < to && isBlank(bytes[from]))
        ++from;
    while (to > from && isBlank(bytes[to - 1]))
        --to;
    return bytes.sliced(from, to - from).toByteArray();
}

bool isQuote(char c)
{
    return c == '"' || c == '\'';
}

QByteArray unquoted(const QByteArray& value)
{
    if (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

bool isText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return false;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        // Tab, line feed, vertical tab, form feed, carriage return and the old end-of-file mark.
        if (byte < 0x20 && (byte < 0x09 || byte > 0x0D) && byte != 0x1A)
            return false;
    }
    return true;
}

bool isUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)decoder.decode(bytes);
    return !decoder.hasError();
}

// A Windows-written file holds its code page's bytes: read as Latin-1 when they are not UTF-8.
QString decoded(const QByteArray& bytes)
{
    return isUtf8(bytes) ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

Line classified(const QByteArray& text, qsizetype begin, qsizetype contentEnd, qsizetype end)
{
    Line line;
    line.begin = begin;
    line.contentEnd = contentEnd;
    line.end = end;
    qsizetype from = begin;
    if (begin == 0 && text.startsWith("\xEF\xBB\xBF"))
        from = 3;
    const QByteArrayView content = QByteArrayView(text).sliced(from, contentEnd - from);
    const QByteArray trimmed = trimmedBlanks(content);
    if (trimmed.startsWith(';'))
        return line;
    if (trimmed.startsWith('[')) {
        const qsizetype close = trimmed.indexOf(']');
        if (close > 0) {
            line.kind = Line::Header;
            line.name = trimmedBlanks(QByteArrayView(trimmed).sliced(1, close - 1));
        }
        return line;
    }
    const qsizetype equals = content.indexOf('=');
    if (equals < 0)
        return line;
    line.kind = Line::Key;
    line.name = trimmedBlanks(content.first(equals));
    line.valueBegin = from + equals + 1;
    while (line.valueBegin < contentEnd && isBlank(text[line.valueBegin]))
        ++line.valueBegin;
    line.value = unquoted(trimmedBlanks(QByteArrayView(text).sliced(line.valueBegin, contentEnd - line.valueBegin)));
    return line;
}

QList<Line> splitLines(const QByteArray& text)
{
    QList<Line> lines;
    qsizetype begin = 0;
    while (begin < text.size()) {
        const qsizetype newline = text.indexOf('\n', begin);
        const qsizetype end = newline < 0 ? text.size() : newline + 1;
        qsizetype contentEnd = newline < 0 ? text.size() : newline;
        if (newline >= 0 && contentEnd > begin && text[contentEnd - 1] == '\r')
            --contentEnd;
        lines << classified(text, begin, contentEnd, end);
        begin = end;
    }
    return lines;
}

bool sameName(const QByteArray& a, const QByteArray& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The exact spelling when the file has it, else the first spelling in another letter case.
QByteArray spellingOf(const QList<Line>& lines, const QByteArray& wanted)
{
    QByteArray other;
    for (const Line& line : lines) {
        if (line.kind != Line::Header)
            continue;
        if (line.name == wanted)
            return wanted;
        if (other.isNull() && sameName(line.name, wanted))
            other = line.name;
    }
    return other;
}

Layout layoutOf(const QByteArray& text)
{
    Layout layout;
    layout.lines = splitLines(text);
    const QByteArray section = spellingOf(layout.lines, AppSettings::Section.toLatin1());
    if (section.isNull())
        return layout;
    std::array<int, OwnedKeyCount> exact { -1, -1, -1, -1 };
    std::array<int, OwnedKeyCount> other { -1, -1, -1, -1 };
    bool inSection = false;
    bool inFirstBlock = false;
    for (int i = 0; i < layout.lines.size(); ++i) {
        const Line& line = layout.lines[i];
        if (line.kind == Line::Header) {
            inSection = line.name == section;
            inFirstBlock = inSection && layout.header < 0;
            if (inFirstBlock) {
                layout.header = i;
                layout.insertAfter = i;
            }
            continue;
        }
        if (!inSection || line.kind != Line::Key)
            continue;
        if (inFirstBlock)
            layout.insertAfter = i;
        if (sameName(line.name, ownedKeyName(Fast)))
            layout.fastLines << i;
        for (int key = 0; key < OwnedKeyCount; ++key) {
            const QByteArray name = ownedKeyName(key);
            if (line.name == name && exact[key] < 0)
                exact[key] = i;
            else if (sameName(line.name, name) && other[key] < 0)
                other[key] = i;
        }
    }
    for (int key = 0; key < OwnedKeyCount; ++key)
        layout.keys[key] = exact[key] >= 0 ? exact[key] : other[key];
    return layout;
}

// A key of a section the program reads and never writes, found as its own keys are.
std::optional<QString> readOnlyValue(const QList<Line>& lines, const QString& sectionName, const QString& keyName)
{
    const QByteArray section = spellingOf(lines, sectionName.toLatin1());
    const QByteArray key = keyName.toLatin1();
    if (section.isNull())
        return std::nullopt;
    int exact = -1;
    int other = -1;
    bool inSection = false;
    for (int i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        if (line.kind == Line::Header)
            inSection = line.name == section;
        else if (inSection && line.kind == Line::Key && line.name == key && exact < 0)
            exact = i;
        else if (inSection && line.kind == Line::Key && sameName(line.name, key) && other < 0)
            other = i;
    }
    const int found = exact >= 0 ? exact : other;
    if (found < 0)
        return std::nullopt;
    return decoded(lines[found].value);
}

std::optional<QString> valueOf(const Layout& layout, int key)
{
    const int line = layout.keys[key];
    if (line < 0)
        return std::nullopt;
    return decoded(layout.lines[line].value);
}

// A value as a line can hold it: the reader takes blanks and one pair of quotes off, so a value
// that has them of its own is quoted; a line ending cannot be held at all.
QByteArray encodedValue(QString value, bool utf8File)
{
    for (QChar& c : value) {
        if (c == u'\r' || c == u'\n' || c == u'\0')
            c = u' ';
    }
    bool latin1 = !utf8File;
    for (const QChar c : value)
        latin1 = latin1 && c.unicode() < 0x100;
    QByteArray bytes = latin1 ? value.toLatin1() : value.toUtf8();
    const bool quoted = !bytes.isEmpty()
        && (isBlank(bytes.front()) || isBlank(bytes.back()) || unquoted(bytes).size() != bytes.size());
    return quoted ? '"' + bytes + '"' : bytes;
}

QByteArray lineEndingOf(const QByteArray& text, const QList<Line>& lines)
{
    for (const Line& line : lines) {
        if (line.end > line.contentEnd)
            return text.sliced(line.contentEnd, line.end - line.contentEnd);
    }
#ifdef Q_OS_WIN
    return "\r\n";
#else
    return "\n";
#endif
}

}  // namespace

std::optional<AppSettings> settingsFromText(const QByteArray& text)
{
    if (!isText(text))
        return std::nullopt;
    const Layout layout = layoutOf(text);
    AppSettings settings;
    settings.PortSetting = valueOf(layout, Port).value_or(AppSettings::DefaultPort);
    settings.UnitSetting = valueOf(layout, Unit).value_or(AppSettings::DefaultUnit);
    settings.FastExchange = valueOf(layout, Fast) == QStringLiteral("1");
    settings.LanguageSetting = valueOf(layout, Language).value_or(QString());
    const QString server
        = readOnlyValue(layout.lines, AppSettings::RecordSection, AppSettings::PlantServerKey).value_or(QString());
    settings.PlantServerRefused = holdsPassword(server);
    if (!settings.PlantServerRefused)
        settings.PlantServer = server;
    return settings;
}

std::optional<QByteArray> updatedSettingsText(const QByteArray& text, const AppSettings& settings)
{
    if (!isText(text))
        return std::nullopt;
    const Layout layout = layoutOf(text);
    const bool utf8File = isUtf8(text);
    const QByteArray ending = lineEndingOf(text, layout.lines);

    enum class Change { Keep, SetValue, Remove };
    QList<Change> changes(layout.lines.size(), Change::Keep);
    QList<QByteArray> newValues(layout.lines.size());
    QByteArray added;
    const std::array<std::optional<QString>, OwnedKeyCount> wanted { settings.PortSetting, settings.UnitSetting,
        settings.FastExchange ? std::optional<QString>(QStringLiteral("1")) : std::nullopt,
        settings.LanguageSetting.isEmpty() ? std::nullopt : std::optional<QString>(settings.LanguageSetting) };
    for (int key = 0; key < OwnedKeyCount; ++key) {
        const int line = layout.keys[key];
        const std::optional<QString> current = valueOf(layout, key);
        if (!wanted[key] && key == Language) {
            // No language was ever chosen: whatever the file says stays as it is.
        } else if (!wanted[key]) {
            // Rapida is unwanted when off. Every line that would turn it on goes (with the one
            // that counts gone, another spelling would count next); any other stays.
            for (const int fastLine : layout.fastLines) {
                if (decoded(layout.lines[fastLine].value) == QStringLiteral("1"))
                    changes[fastLine] = Change::Remove;
            }
        } else if (line >= 0 && current != wanted[key]) {
            changes[line] = Change::SetValue;
            newValues[line] = encodedValue(*wanted[key], utf8File);
        } else if (line < 0 && wanted[key]) {
            added += ownedKeyName(key) + '=' + encodedValue(*wanted[key], utf8File) + ending;
        }
    }

    QByteArray out;
    out.reserve(text.size() + added.size() + 32);
    const auto endLine = [&] {
        if (!out.isEmpty() && !out.endsWith('\n'))
            out += out.endsWith('\r') ? QByteArray("\n") : ending;
    };
    for (int i = 0; i < layout.lines.size(); ++i) {
        const Line& line = layout.lines[i];
        if (changes[i] == Change::SetValue)
            out += text.sliced(line.begin, line.valueBegin - line.begin) + newValues[i]
                + text.sliced(line.contentEnd, line.end - line.contentEnd);
        else if (changes[i] == Change::Keep)
            out += text.sliced(line.begin, line.end - line.begin);
        if (i == layout.insertAfter && !added.isEmpty()) {
            endLine();
            out += added;
        }
    }
    if (layout.header < 0) {
        endLine();
        // A blank line between the last section and the new one, as such files are laid out.
        if (!out.isEmpty() && !out.endsWith(ending + ending) && out != ending)
            out += ending;
        out += '[' + AppSettings::Section.toLatin1() + ']' + ending + added;
    }
    return out;
}

}  // namespace korv
