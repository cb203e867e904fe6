#pragma once
// "Nach einer neuen Version suchen...": downloads the version file, compares it with this
// program's version and offers the web site when a newer one is there. The download runs in
// the network layer's own thread; "Abbrechen" aborts it at any moment, and a dialog that is
// gone or cancelled is never touched by its end.
#include <QDialog>
#include <QNetworkReply>
#include <QPointer>
#include <QUrl>
#include <array>
#include <functional>

#include "extras/Versionspruefung.h"
#include "platform/Dateischreiber.h"

class QLabel;
class QNetworkAccessManager;

class QPushButton;
class QTimer;

namespace kalvora {

class Shell;

class TForm28 : public QDialog {
    Q_OBJECT
public:
    // adresse: the version file; webseite: opened by "Ja"; version: this program's version;
    // schreiben writes the local copy of the version file.
    TForm28(Shell& shell, Dateischreiber schreiben, QUrl adresse, std::string webseite,
            std::string version, QWidget* parent = nullptr);
    ~TForm28() override;

    QLabel* Text() const { return text_; }
    QPushButton* Ja() const { return ja_; }
    QPushButton* Nein() const { return nein_; }
    QPushButton* Abbrechen() const { return abbrechen_; }
    QLabel* Streifen() const { return streifen_; }
    QTimer* Animation() const { return animation_; }
    int Bildnummer() const { return bild_; }
    bool Laeuft() const { return antwort_ != nullptr; }
    // The local copy of the version file (in the per-user cache folder).
    static QString LokaleDatei();
    // The ten pictures of the strip.
    static const std::array<QPixmap, 10>& Animationsbilder();

    // The check has ended (with a result, not when cancelled).
    std::function<void(const Updateergebnis&)> fertig;

    // At most this many bytes of the reply are read: the version is in its first line.
    static constexpr qint64 kHoechstensBytes = 64 * 1024;
    // The whole exchange ends after this long, however slowly the server keeps sending
    // (20 s of silence end it earlier). Tests set a shorter time before the dialog shows.
    void GesamtzeitSetzen(int ms) { gesamtzeitMs_ = ms; }

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Starten();
    void Lesen();
    void Angekommen();
    void FristAbgelaufen();
    // Ends the download without waiting for its end; nothing of it reaches the dialog.
    void Loslassen();
    void Fertigstellen(bool erfolg);
    void Auswerten(const std::optional<std::string>& inhalt);
    void AbbrechenKlick();

    Shell& shell_;
    Dateischreiber schreiben_;
    QUrl adresse_;
    std::string webseite_;
    std::string version_;
    QLabel* text_ = nullptr;
    QLabel* streifen_ = nullptr;
    QPushButton* ja_ = nullptr;
    QPushButton* nein_ = nullptr;
    QPushButton* abbrechen_ = nullptr;
    QTimer* animation_ = nullptr;
    int bild_ = 0;
    bool gestartet_ = false;
    QNetworkAccessManager* netz_ = nullptr;
    QPointer<QNetworkReply> antwort_;
    QByteArray empfangen_;
    QTimer* frist_ = nullptr;
    int gesamtzeitMs_ = 30000;
};

}  // namespace kalvora
