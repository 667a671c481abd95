#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace korv {

// The program's texts are written in Portuguese; English and Spanish come from Qt translation
// files built into the program, Qt's own texts from the system's Qt translations.
inline const QStringList LanguageCodes = { QStringLiteral("pt"), QStringLiteral("en"), QStringLiteral("es") };
inline const QString PortugueseCode = QStringLiteral("pt");

// A saved choice names its language; anything else (no choice, a mistyped one) is Portuguese.
QString languageCodeOf(const QString& setting);

// Installs the program's translator for the language and Qt's for `qtLanguage` ("pt_BR", "en",
// "es"; empty: none, Qt's texts in English), in place of those installed before; Portuguese needs
// no translator of the program's. True when anything changed.
bool useLanguage(const QString& code, const QString& qtLanguage);
// Qt's language for the program's: Portugal's Portuguese is not among Qt's, Brazil's stands in.
QString qtLanguageFor(const QString& code);
QString currentLanguage();

// One text of the translation sources: its context, the Portuguese source, and its translation in
// each other language (empty when it has none).
struct CatalogueEntry {
    QString context;
    QString source;
    QString english;
    QString spanish;
    QString translation(const QString& code) const;
};
// Read from the translation sources built into the program.
const QList<CatalogueEntry>& translationCatalogue();

// A text the catalogue knows in any of its languages, in the language now in use; any other text
// as it is. This is how texts already on screen follow a change of language.
QString retranslated(const QString& text);

// Where the language files shipped with the program are: installed beside the program's data,
// else the source tree's share/lang of this build.
QString shippedLanguageFolder();

// Makes the settings folder's language file the one shipped for `code`, or takes it away for
// Portuguese. Only a file that is missing or the same as one the program ships is replaced or
// removed: one a user wrote there stays. False, with the reason in `problem`, when the file could
// not be placed or removed.
bool placeLanguageFile(
    const QString& code, const QString& settingsFolder, const QString& shippedFolder, QString* problem = nullptr);

}  // namespace korv
