#pragma once

#include <QString>
#include <QStringList>

namespace korv {

// The modal boxes of the program. The program shows real boxes; tests record what would have been
// shown, so that no test ever waits on a box.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Exclamation icon, one OK button.
    virtual void warning(const QString& caption, const QString& text) = 0;
    // No icon, one OK button (the calibration window's boxes).
    virtual void plain(const QString& title, const QString& text) = 0;
};

class RecordingMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString caption;
        QString text;
        bool isWarning = true;
    };

    void warning(const QString& caption, const QString& text) override { shown.push_back({caption, text, true}); }
    void plain(const QString& title, const QString& text) override { shown.push_back({title, text, false}); }

    QStringList texts() const
    {
        QStringList out;
        for (const auto& s : shown)
            out << s.text;
        return out;
    }
    void clear() { shown.clear(); }

    QList<Shown> shown;
};

}  // namespace korv
