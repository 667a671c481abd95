#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

// Checks shared by the layout tests of the hand-made windows.
namespace korv::layoutcheck {

// Width an edit needs to show its text in full, frame and margins included.
inline int neededEditWidth(const QLineEdit* edit)
{
    const QFontMetrics metrics(edit->font());
    return edit->sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'))
        + metrics.horizontalAdvance(edit->text());
}

// Every visible control inside its container, no two siblings on top of each other, and no label,
// button or edit smaller than its text needs.
inline void collectLayoutFaults(const QWidget* parent, QStringList& faults)
{
    const QRect area = qobject_cast<const QGroupBox*>(parent) ? parent->contentsRect() : parent->rect();
    QList<QWidget*> children;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(parent) && !child->isWindow())
            children.append(child);
    }
    for (int i = 0; i < children.size(); ++i) {
        const QWidget* child = children.at(i);
        const QString name = child->objectName();
        if (!area.contains(child->geometry()))
            faults << QStringLiteral("%1 leaves %2").arg(name, parent->objectName());
        const QSize hint = child->sizeHint();
        if (qobject_cast<const QLabel*>(child) || qobject_cast<const QAbstractButton*>(child)) {
            if (child->width() < hint.width() || child->height() < hint.height())
                faults << QStringLiteral("%1 clipped").arg(name);
        }
        if (auto* edit = qobject_cast<const QLineEdit*>(child)) {
            if (edit->height() < hint.height() || edit->width() < neededEditWidth(edit))
                faults << QStringLiteral("%1 clipped").arg(name);
        }
        for (int j = i + 1; j < children.size(); ++j) {
            if (child->geometry().intersects(children.at(j)->geometry()))
                faults << QStringLiteral("%1 overlaps %2").arg(name, children.at(j)->objectName());
        }
        if (qobject_cast<const QGroupBox*>(child) || child->metaObject() == &QWidget::staticMetaObject)
            collectLayoutFaults(child, faults);
    }
}

inline void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
}

}  // namespace korv::layoutcheck
