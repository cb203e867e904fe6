#pragma once
// The alarm sound through Qt Multimedia. The player is made at the first sound, so a start
// without alarms never loads the media backend.
#include <QObject>
#include <QString>

#include <memory>

#include "platform/Klang.h"

class QAudioOutput;
class QMediaPlayer;

namespace kalvora {

class QtKlang : public QObject, public Klang {
    Q_OBJECT
public:
    explicit QtKlang(QObject* parent = nullptr);
    ~QtKlang() override;

    void Abspielen(const std::string& datei) override;
    void Anhalten() override;

    // For tests: the file is being played now, and the last error the backend reported.
    bool Spielt() const;
    QString LetzterFehler() const { return fehler_; }

signals:
    void Beendet();  // the file has played to its end
    void Fehler(const QString& text);

private:
    void Anlegen();
    void Starten();

    QMediaPlayer* spieler_ = nullptr;
    QAudioOutput* ausgabe_ = nullptr;
    QString datei_;
    QString fehler_;
    bool nochmal_ = false;  // after an error the file is opened once more
};

}  // namespace kalvora
