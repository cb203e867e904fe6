#pragma once
// The input rules of every text field as Qt pieces: a validator for one-line fields that drops
// '#' and characters Windows-1252 cannot hold, and a multi-line field that does the same.
#include <QPlainTextEdit>
#include <QValidator>

namespace kalvora {

class Eingabevalidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int& pos) const override;
};

// Multi-line text field with the same rules; Backspace at the start is discarded. It reports
// every change the user makes by Bearbeitet().
class Eingabefeld : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;
    // Sets the text without reporting a change.
    void TextSetzen(const QString& text);

signals:
    void Bearbeitet();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void insertFromMimeData(const QMimeData* quelle) override;
};

// text with every refused character removed.
QString Bereinigt(const QString& text);

}  // namespace kalvora
