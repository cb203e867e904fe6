#include "platform/qt/QtKlang.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace kalvora {

QtKlang::QtKlang(QObject* parent) : QObject(parent) {}

QtKlang::~QtKlang() = default;

void QtKlang::Anlegen() {
    if (spieler_) return;
    spieler_ = new QMediaPlayer(this);
    ausgabe_ = new QAudioOutput(this);
    spieler_->setAudioOutput(ausgabe_);
    connect(spieler_, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus s) {
                if (s == QMediaPlayer::EndOfMedia) emit Beendet();
            });
    connect(spieler_, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& text) {
                fehler_ = text;
                emit Fehler(text);
                // The device may have been held by another player: open the file once more.
                if (nochmal_) {
                    nochmal_ = false;
                    spieler_->setSource(QUrl());
                    Starten();
                }
            });
}

void QtKlang::Starten() {
    spieler_->setSource(QUrl::fromLocalFile(datei_));
    spieler_->play();
}

void QtKlang::Abspielen(const std::string& datei) {
    const QString pfad = QString::fromStdString(datei);
    // A missing file stays silent; the alarm window shows all the same.
    if (!QFileInfo(pfad).isFile()) return;
    Anlegen();
    if (pfad != datei_) {
        datei_ = pfad;
        nochmal_ = true;
        Starten();
        return;
    }
    if (spieler_->playbackState() == QMediaPlayer::PlayingState) return;
    nochmal_ = true;
    if (spieler_->source().isEmpty()) {
        Starten();
        return;
    }
    spieler_->setPosition(0);
    spieler_->play();
}

void QtKlang::Anhalten() {
    if (!spieler_) return;
    spieler_->stop();
    spieler_->setSource(QUrl());
    datei_.clear();
    nochmal_ = false;
}

bool QtKlang::Spielt() const {
    return spieler_ && spieler_->playbackState() == QMediaPlayer::PlayingState;
}

}  // namespace kalvora
