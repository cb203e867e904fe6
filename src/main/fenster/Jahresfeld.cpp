#include "main/fenster/Jahresfeld.h"

#include <QRegularExpression>

namespace kalvora {

QValidator::State TJahresfeld::validate(QString& text, int&) const {
    static const QRegularExpression ziffern(QStringLiteral("[0-9]{0,4}"));
    if (!ziffern.match(text).hasMatch() || ziffern.match(text).capturedLength() != text.size())
        return QValidator::Invalid;
    bool ok = false;
    const int wert = text.toInt(&ok);
    return ok && wert >= minimum() && wert <= maximum() ? QValidator::Acceptable
                                                        : QValidator::Intermediate;
}

}  // namespace kalvora
