#pragma once

#include <QString>
#include <QStringList>

#include <functional>

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

    void warning(const QString& caption, const QString& text) override { record({ caption, text, true }); }
    void plain(const QString& title, const QString& text) override { record({ title, text, false }); }

    QStringList texts() const
    {
        QStringList out;
        for (const auto& s : shown)
            out << s.text;
        return out;
    }
    void clear() { shown.clear(); }

    QList<Shown> shown;
    // Called as each box would open, for tests that look at the screen at that moment.
    std::function<void(const Shown&)> onShown;

private:
    void record(const Shown& box)
    {
        if (onShown)
            onShown(box);
        shown.push_back(box);
    }
};

}  // namespace korv
