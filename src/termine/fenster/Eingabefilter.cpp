#include "termine/fenster/Eingabefilter.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

#include "methoden/Eingaberegeln.h"

namespace kalvora {

QString Bereinigt(const QString& text) {
    return QString::fromStdString(EingabeBereinigen(text.toStdString()));
}

QValidator::State Eingabevalidator::validate(QString& text, int& pos) const {
    const QString sauber = Bereinigt(text);
    if (sauber != text) {
        pos = std::max(0, pos - int(text.size() - sauber.size()));
        text = sauber;
    }
    return Acceptable;
}

void Eingabefeld::TextSetzen(const QString& text) {
    const bool alt = blockSignals(true);
    setPlainText(text);
    blockSignals(alt);
}

void Eingabefeld::keyPressEvent(QKeyEvent* e) {
    if (isReadOnly()) {
        QPlainTextEdit::keyPressEvent(e);
        return;
    }
    const QTextCursor c = textCursor();
    if (e->key() == Qt::Key_Backspace && c.position() == 0 && !c.hasSelection()) return;
    const QString t = e->text();
    const bool zeichen = !t.isEmpty() && t.at(0).isPrint();
    if (zeichen && Bereinigt(t) != t) return;
    const QString vorher = toPlainText();
    QPlainTextEdit::keyPressEvent(e);
    if (toPlainText() != vorher) emit Bearbeitet();
}

void Eingabefeld::insertFromMimeData(const QMimeData* quelle) {
    if (!quelle->hasText() || isReadOnly()) return;
    insertPlainText(Bereinigt(quelle->text()));
    emit Bearbeitet();
}

}  // namespace kalvora
