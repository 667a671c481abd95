#pragma once

#include "common/MessageBoxes.h"

class QWidget;

namespace korv {

// The real modal boxes of the program.
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent) : parent_(parent) {}
    void warning(const QString& caption, const QString& text) override;
    void plain(const QString& title, const QString& text) override;

private:
    QWidget* parent_;
};

}  // namespace korv
