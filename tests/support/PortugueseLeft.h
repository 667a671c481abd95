#pragma once

#include "i18n/Translation.h"

#include <QRegularExpression>
#include <QStringList>

namespace korv::test {

// The pieces of the translation sources' Portuguese that a text shown in `language` may carry
// word for word: each line of a source cut at its placeholders, long enough not to be a word the
// languages share, and not in the translation too (a command name, a path).
inline QStringList portuguesePieces(const QString& language)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList pieces;
    for (const CatalogueEntry& entry : translationCatalogue()) {
        const QString translation = entry.translation(language);
        for (const QString& line : entry.source.split(u'\n')) {
            for (QString piece : line.split(placeholder)) {
                piece = piece.trimmed();
                if (piece.size() >= 14 && !translation.contains(piece) && !pieces.contains(piece))
                    pieces << piece;
            }
        }
    }
    return pieces;
}

// The pieces of `text` left in Portuguese.
inline QStringList portugueseLeft(const QString& text, const QStringList& pieces)
{
    QStringList left;
    for (const QString& piece : pieces) {
        if (text.contains(piece))
            left << piece;
    }
    return left;
}

// A text in Portuguese by its spelling: letters Spanish does not have, or (in English, `strict`)
// any accented letter and the commonest Portuguese words.
inline bool looksPortuguese(const QString& text, bool strict)
{
    static const QRegularExpression portuguese(
        QStringLiteral("[ãõçâêôàÃÕÇÂÊÔÀ]|\\b(não|você|um|uma|do|da|dos|das|com|em|ou)\\b"),
        QRegularExpression::UseUnicodePropertiesOption | QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression english(QStringLiteral("[À-ÿ]|\\b(de|os|para|porta|arquivo|registro)\\b"),
        QRegularExpression::UseUnicodePropertiesOption | QRegularExpression::CaseInsensitiveOption);
    return text.contains(portuguese) || (strict && text.contains(english));
}

}  // namespace korv::test
