#pragma once

#include "common/Messages.h"
#include "i18n/LanguageFile.h"

#include <QCoreApplication>
#include <QString>

namespace korv::cli {

// The one translation context of the command line's own texts (its options, reports and
// problems), beside the message table it shares with the window.
struct CliText {
    Q_DECLARE_TR_FUNCTIONS(korv::Cli)
};

// The texts the command line prints: the window's message table (so that a language file replaces
// them here as well) and the window's captions for the values it lists, taken from the language
// file's caption lines when one is loaded and from the window's built-in Portuguese otherwise.
class CliTexts {
public:
    // The file is looked for as the window looks for it: in `directory` (the working directory
    // when empty), then in `fallbackDirectory`.
    CliTexts(const QString& directory, const QString& fallbackDirectory);

    const MessageTable& messages() const { return messages_; }
    QString message(int number) const { return messages_[number]; }
    // A language file that was found but not used, named with its reason; empty otherwise.
    QString languageProblem() const { return language_.problem; }

    QString sensorSelection() const;
    QString lowerLimit() const;
    QString upperLimit() const;
    QString sensorRange() const;
    QString minimumSpan() const;
    QString mainsFilter() const;
    QString sensorFailure() const;
    QString minimum() const;
    QString maximum() const;
    QString zeroCorrection() const;
    QString zeroMinimum() const;
    QString zeroMaximum() const;
    QString humidityInput() const;
    QString temperatureInput() const;
    QString sensorName(int code) const;

private:
    QString caption(int line, const QString& builtIn) const;

    MessageTable messages_;
    LanguageLines language_;
};

}  // namespace korv::cli
