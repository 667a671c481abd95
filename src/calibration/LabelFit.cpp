#include "calibration/LabelFit.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>

namespace korv {

namespace {
constexpr int SmallestPixelSize = 8;
}

bool labelTextFits(const QLabel* label)
{
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    return QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->contentsRect().width();
}

void fitLabelFont(QLabel* label, int basePixelSize)
{
    QFont font = label->font();
    for (int size = basePixelSize; size >= SmallestPixelSize; --size) {
        font.setPixelSize(size);
        label->setFont(font);
        if (labelTextFits(label))
            return;
    }
}

}  // namespace korv
