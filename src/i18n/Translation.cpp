#include "i18n/Translation.h"

#include "i18n/LanguageFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

namespace korv {

namespace {

struct Installed {
    bool applied = false;
    QString code = PortugueseCode;
    QString qtLanguage;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed state;
    return state;
}

std::unique_ptr<QTranslator> loadedTranslator(const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder))
        return nullptr;
    return translator;
}

void readSourceFile(const QString& path, bool english, QList<CatalogueEntry>& entries, QHash<QString, qsizetype>& index)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = xml.readElementText();
            const QString key = context + QChar(0) + source;
            qsizetype at = index.value(key, -1);
            if (at < 0) {
                at = entries.size();
                index.insert(key, at);
                entries.append({ context, source, {}, {} });
            }
            (english ? entries[at].english : entries[at].spanish) = finished ? text : QString();
        }
    }
}

}  // namespace

QString languageCodeOf(const QString& setting)
{
    return LanguageCodes.contains(setting) ? setting : PortugueseCode;
}

bool useLanguage(const QString& code, const QString& qtLanguage)
{
    Installed& state = installed();
    const QString wanted = languageCodeOf(code);
    if (state.applied && state.code == wanted && state.qtLanguage == qtLanguage)
        return false;
    for (auto* translator : { state.program.get(), state.qt.get() }) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
    }
    state.program.reset();
    state.qt.reset();
    state.applied = true;
    state.code = wanted;
    state.qtLanguage = qtLanguage;
    if (state.code != PortugueseCode) {
        state.program = loadedTranslator(QStringLiteral("korvsetup_") + state.code, QStringLiteral(":/i18n"));
        if (!state.program || !QCoreApplication::installTranslator(state.program.get()))
            qWarning("korvsetup_%s: translation not found", qUtf8Printable(state.code));
    }
    if (!qtLanguage.isEmpty()) {
        state.qt = loadedTranslator(
            QStringLiteral("qtbase_") + qtLanguage, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (state.qt)
            QCoreApplication::installTranslator(state.qt.get());
    }
    return true;
}

QString qtLanguageFor(const QString& code)
{
    const QString language = languageCodeOf(code);
    return language == PortugueseCode ? QStringLiteral("pt_BR") : language;
}

QString currentLanguage()
{
    return installed().code;
}

QString CatalogueEntry::translation(const QString& code) const
{
    if (code == QLatin1String("en"))
        return english.isEmpty() ? source : english;
    if (code == QLatin1String("es"))
        return spanish.isEmpty() ? source : spanish;
    return source;
}

const QList<CatalogueEntry>& translationCatalogue()
{
    static const QList<CatalogueEntry> entries = [] {
        QList<CatalogueEntry> list;
        QHash<QString, qsizetype> index;
        readSourceFile(QStringLiteral(":/i18n/sources/korvsetup_en.ts"), true, list, index);
        readSourceFile(QStringLiteral(":/i18n/sources/korvsetup_es.ts"), false, list, index);
        return list;
    }();
    return entries;
}

QString retranslated(const QString& text)
{
    static const QHash<QString, qsizetype> known = [] {
        QHash<QString, qsizetype> map;
        const QList<CatalogueEntry>& entries = translationCatalogue();
        // The source wins over a translation that happens to spell the same.
        for (qsizetype i = entries.size() - 1; i >= 0; --i) {
            for (const QString& translation : { entries[i].spanish, entries[i].english }) {
                if (!translation.isEmpty())
                    map.insert(translation, i);
            }
        }
        for (qsizetype i = entries.size() - 1; i >= 0; --i)
            map.insert(entries[i].source, i);
        return map;
    }();
    if (text.isEmpty())
        return text;
    const qsizetype at = known.value(text, -1);
    return at < 0 ? text : translationCatalogue().at(at).translation(currentLanguage());
}

QString shippedLanguageFolder()
{
    const QString installed
        = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../share/korvsetup/lang"));
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
    const QString data = QStandardPaths::locate(
        QStandardPaths::GenericDataLocation, QStringLiteral("korvsetup/lang"), QStandardPaths::LocateDirectory);
    if (!data.isEmpty())
        return data;
    return QStringLiteral(KORV_SOURCE_LANGUAGE_FOLDER);
}

bool placeLanguageFile(
    const QString& code, const QString& settingsFolder, const QString& shippedFolder, QString* problem)
{
    const auto fail = [problem](const QString& text) {
        if (problem)
            *problem = text;
        return false;
    };
    const QDir shipped(shippedFolder);
    const QString target = QDir(settingsFolder).filePath(LanguageFileName);
    QFile current(target);
    if (current.exists()) {
        bool ours = false;
        const QByteArray bytes = current.open(QIODevice::ReadOnly) ? current.readAll() : QByteArray();
        for (const QString& language : LanguageCodes) {
            QFile file(shipped.filePath(language + QLatin1Char('/') + LanguageFileName));
            ours = ours || (file.open(QIODevice::ReadOnly) && file.readAll() == bytes);
        }
        if (!ours)
            return true;
    }
    if (languageCodeOf(code) == PortugueseCode) {
        if (current.exists() && !current.remove())
            return fail(QDir::toNativeSeparators(target) + QStringLiteral(": ") + current.errorString());
        return true;
    }
    QFile source(shipped.filePath(code + QLatin1Char('/') + LanguageFileName));
    if (!source.open(QIODevice::ReadOnly))
        return fail(QDir::toNativeSeparators(source.fileName()) + QStringLiteral(": ") + source.errorString());
    QDir().mkpath(settingsFolder);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(source.readAll()) < 0 || !out.commit())
        return fail(QDir::toNativeSeparators(target) + QStringLiteral(": ") + out.errorString());
    return true;
}

}  // namespace korv
