#pragma once
// The year field of the bottom panel. While typing it takes any start of a four-digit number;
// the year view's rule decides what becomes of it.
#include <QSpinBox>

namespace kalvora {

class TJahresfeld : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& text, int& pos) const override;
};

}  // namespace kalvora
