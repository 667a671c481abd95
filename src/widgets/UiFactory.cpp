#include "widgets/UiFactory.h"

#include "widgets/KeyboardAccess.h"
#include "widgets/TypedInput.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTextDocument>

#include <algorithm>

namespace korv::ui {

namespace {

// Display-only controls take the colour of a button face, as the greyed boxes of the form do.
void greyBackground(QWidget* widget)
{
    QPalette palette = widget->palette();
    for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Button));
    widget->setPalette(palette);
}

}  // namespace

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    // Captions come from the language file too, and a label would otherwise render any text that
    // looks like markup (pictures from disk included).
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

void reserveWidth(QLabel* label, const QStringList& texts)
{
    const QString shown = label->text();
    int width = label->sizeHint().width();
    for (const QString& text : texts) {
        label->setText(text);
        width = std::max(width, label->sizeHint().width());
    }
    label->setText(shown);
    label->setMinimumWidth(width);
}

int editWidthFor(const QLineEdit* edit, const QString& text)
{
    // QLineEdit sizes itself for seventeen 'x'; swapping that allowance for the text keeps the
    // frame and margins of the current style. The extra pixels leave room for the text cursor.
    const QFontMetrics metrics(edit->font());
    return edit->sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x')) + metrics.horizontalAdvance(text)
        + 3;
}

QLineEdit* makeEdit(QWidget* parent, const QString& name, const QString& text, const QString& widestText, int maxLength)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    setTypedMaxLength(edit, maxLength);
    edit->setFixedWidth(editWidthFor(edit, widestText));
    return edit;
}

QLineEdit* makeDisplayBox(QWidget* parent, const QString& name, const QString& widestText)
{
    QLineEdit* box = makeEdit(parent, name, QString(), widestText);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setCursor(Qt::ArrowCursor);
    greyBackground(box);
    return box;
}

QLineEdit* makeStatusEdit(QWidget* parent, const QString& name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFrame(false);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setCursor(Qt::ArrowCursor);
    greyBackground(edit);
    QPalette palette = edit->palette();
    for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        palette.setColor(group, QPalette::Text, Qt::red);
    edit->setPalette(palette);
    QFont font = edit->font();
    font.setBold(true);
    edit->setFont(font);
    return edit;
}

QPlainTextEdit* makeMemo(QWidget* parent, const QString& name, int visibleLines)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    // Reached by the mouse, for copying, but no Tab stop: with neither cursor nor frame, the focus
    // would vanish into it. Screen readers find its text under its group's title, which names it.
    memo->setFocusPolicy(Qt::ClickFocus);
    memo->setFrameShape(QFrame::NoFrame);
    greyBackground(memo);
    const QFontMetrics metrics(memo->font());
    const int margin = static_cast<int>(memo->document()->documentMargin());
    memo->setMinimumHeight(visibleLines * metrics.lineSpacing() + 2 * margin + 2 * memo->frameWidth() + 2);
    return memo;
}

QRadioButton* makeRadio(QWidget* parent, const QString& name, const QString& text)
{
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    tabEntersOnChecked(radio);
    return radio;
}

QGroupBox* makeGroup(QWidget* parent, const QString& name, const QString& title)
{
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

QProgressBar* makeTransferBar(QWidget* parent, const QString& name)
{
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setRange(0, 10);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->hide();
    return bar;
}

QGridLayout* makeGrid(QWidget* box)
{
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(5, 2, 5, 5);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    return grid;
}

QHBoxLayout* makeRow(std::initializer_list<QWidget*> widgets, bool trailingStretch)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    if (trailingStretch)
        row->addStretch(1);
    return row;
}

}  // namespace korv::ui
