#include "app/shared/LanguageCaptions.h"

#include "i18n/LanguageApply.h"
#include "i18n/Translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace korv {

namespace {

const char* const BuiltInCaption = "korvBuiltInCaption";

QString captionOf(const QObject* object)
{
    if (const auto* menu = qobject_cast<const QMenu*>(object))
        return menu->title();
    if (const auto* action = qobject_cast<const QAction*>(object))
        return action->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(object))
        return box->title();
    if (const auto* label = qobject_cast<const QLabel*>(object))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(object))
        return button->text();
    return {};
}

void setCaption(QObject* object, const QString& text)
{
    if (!object->property(BuiltInCaption).isValid())
        object->setProperty(BuiltInCaption, captionOf(object));
    if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(object))
        box->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(object)) {
        // The file's text as written: a line that looks like markup must not show pictures or
        // fonts of its own.
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(text);
}

// Controls of the main window itself, in the order findChildren would give them. Other windows
// parented to the main window (the service window, the About box) have controls of the same names
// whose texts are their own, so the search stops at them; menus are windows to Qt but belong to
// the main window's menu bar.
void collectOwnControls(const QObject* parent, const QString& name, QList<QObject*>& found)
{
    for (QObject* child : parent->children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget))
            continue;
        if (child->objectName() == name)
            found.append(child);
        collectOwnControls(child, name, found);
    }
}

}  // namespace

void applyLanguage(QObject* mainWindow, const LanguageLines& language, MessageTable& messages)
{
    applyLanguageMessages(language, messages);
    if (!mainWindow)
        return;
    forEachLanguageCaption(language, [mainWindow](const QStringList& objectNames, const QString& text) {
        for (const QString& name : objectNames) {
            QList<QObject*> controls;
            collectOwnControls(mainWindow, name, controls);
            for (QObject* object : controls)
                setCaption(object, text);
        }
    });
}

void restoreBuiltInCaptions(QObject* mainWindow)
{
    if (!mainWindow)
        return;
    for (const LanguageLineTarget& target : languageLineTargets()) {
        for (const QString& name : target.objectNames) {
            QList<QObject*> controls;
            collectOwnControls(mainWindow, name, controls);
            for (QObject* object : controls) {
                const QVariant builtIn = object->property(BuiltInCaption);
                if (builtIn.isValid())
                    setCaption(object, retranslated(builtIn.toString()));
            }
        }
    }
}

LanguageLines loadAndApplyLanguage(
    QObject* mainWindow, MessageTable& messages, const QString& directory, const QString& fallbackDirectory)
{
    LanguageLines language = loadLanguage(messages, directory, fallbackDirectory);
    // Said once, not at every identification: the window goes on with its built-in texts, as it
    // does without a file.
    if (!language.problem.isEmpty() && !language.unchanged)
        qWarning("%s", qUtf8Printable(language.problem));
    applyLanguage(mainWindow, language, messages);
    return language;
}

}  // namespace korv
