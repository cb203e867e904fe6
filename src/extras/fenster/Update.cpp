#include "extras/fenster/Update.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <exception>

#include "methoden/Dateilesen.h"
#include "platform/Shell.h"

namespace kalvora {
namespace {

constexpr int kStreifenBreite = 229, kStreifenHoehe = 6;
// A server that answers nothing is given up after this long.
constexpr int kWartezeitMs = 20000;

QPushButton* Knopf(const QString& text, int x, QWidget* eltern) {
    auto* k = new QPushButton(text, eltern);
    k->setGeometry(x, 144, 73, 25);
    return k;
}

}  // namespace

const std::array<QPixmap, 10>& TForm28::Animationsbilder() {
    // A bright block running along a blue strip, one step per picture.
    static const std::array<QPixmap, 10> bilder = [] {
        std::array<QPixmap, 10> b;
        for (int n = 0; n < 10; ++n) {
            QPixmap p(kStreifenBreite, kStreifenHoehe);
            p.fill(QColor(0x1F, 0x4E, 0x8C));
            QPainter maler(&p);
            const int breite = 46, x = n * (kStreifenBreite - breite) / 9;
            QLinearGradient verlauf(x, 0, x + breite, 0);
            verlauf.setColorAt(0, QColor(0x1F, 0x4E, 0x8C));
            verlauf.setColorAt(0.5, QColor(0xC8, 0xE0, 0xFF));
            verlauf.setColorAt(1, QColor(0x1F, 0x4E, 0x8C));
            maler.fillRect(x, 0, breite, kStreifenHoehe, verlauf);
            b[static_cast<std::size_t>(n)] = p;
        }
        return b;
    }();
    return bilder;
}

QString TForm28::LokaleDatei() {
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(ordner);
    return QDir(ordner).filePath(QStringLiteral("version.txt"));
}

TForm28::TForm28(Shell& shell, Dateischreiber schreiben, QUrl adresse, std::string webseite,
                 std::string version, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      shell_(shell),
      schreiben_(std::move(schreiben)),
      adresse_(std::move(adresse)),
      webseite_(std::move(webseite)),
      version_(std::move(version)) {
    setObjectName(QStringLiteral("Form28"));
    setWindowTitle(QStringLiteral("Nach einer neuen Version suchen..."));
    setFixedSize(402, 189);
    streifen_ = new QLabel(this);
    streifen_->setGeometry(84, 40, kStreifenBreite, kStreifenHoehe);
    text_ = new QLabel(QString::fromUtf8(updatetexte::Suche), this);
    text_->setGeometry(56, 80, 281, 49);
    text_->setAlignment(Qt::AlignCenter);
    text_->setWordWrap(true);
    ja_ = Knopf(QStringLiteral("Ja"), 88, this);
    nein_ = Knopf(QStringLiteral("Nein"), 240, this);
    abbrechen_ = Knopf(QStringLiteral("Abbrechen"), 164, this);
    ja_->hide();
    nein_->hide();
    setCursor(Qt::WaitCursor);
    animation_ = new QTimer(this);
    animation_->setInterval(50);
    connect(animation_, &QTimer::timeout, this, [this] {
        bild_ = (bild_ + 1) % 10;
        streifen_->setPixmap(Animationsbilder()[static_cast<std::size_t>(bild_)]);
    });
    connect(ja_, &QPushButton::clicked, this, [this] {
        shell_.Oeffnen(webseite_);
        accept();
    });
    connect(nein_, &QPushButton::clicked, this, &QDialog::reject);
    connect(abbrechen_, &QPushButton::clicked, this, &TForm28::AbbrechenKlick);
    netz_ = new QNetworkAccessManager(this);
    frist_ = new QTimer(this);
    frist_->setSingleShot(true);
    connect(frist_, &QTimer::timeout, this, &TForm28::FristAbgelaufen);
}

TForm28::~TForm28() {
    // A download still under way ends here; nothing of it reaches this dialog any more.
    if (antwort_) {
        antwort_->disconnect(this);
        antwort_->abort();
    }
}

void TForm28::Loslassen() {
    frist_->stop();
    if (!antwort_) return;
    QNetworkReply* r = antwort_;
    antwort_ = nullptr;
    r->disconnect(this);
    r->abort();
    r->deleteLater();
}

void TForm28::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (gestartet_) return;
    gestartet_ = true;
    bild_ = 0;
    abbrechen_->setFocus();
    Starten();
}

void TForm28::Starten() {
    animation_->start();
    empfangen_.clear();
    QNetworkRequest anfrage(adresse_);
    anfrage.setTransferTimeout(kWartezeitMs);
    anfrage.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    antwort_ = netz_->get(anfrage);
    // The network layer holds no more than this either, however much the server sends.
    antwort_->setReadBufferSize(kHoechstensBytes);
    connect(antwort_, &QNetworkReply::readyRead, this, &TForm28::Lesen);
    connect(antwort_, &QNetworkReply::finished, this, &TForm28::Angekommen);
    frist_->start(gesamtzeitMs_);
}

void TForm28::Lesen() {
    if (!antwort_) return;
    empfangen_ += antwort_->read(kHoechstensBytes - empfangen_.size());
    // The first line is all the check needs; the rest is not waited for.
    if (!empfangen_.contains('\n') && empfangen_.size() < kHoechstensBytes) return;
    const int status = antwort_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool erfolg =
        antwort_->error() == QNetworkReply::NoError && (status == 0 || status == 200);
    Loslassen();
    Fertigstellen(erfolg);
}

void TForm28::Angekommen() {
    QNetworkReply* r = antwort_;
    if (!r) return;
    const int status = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool erfolg = r->error() == QNetworkReply::NoError && (status == 0 || status == 200);
    if (erfolg) empfangen_ += r->read(kHoechstensBytes - empfangen_.size());
    Loslassen();
    Fertigstellen(erfolg);
}

void TForm28::FristAbgelaufen() {
    if (!antwort_) return;
    Loslassen();
    Fertigstellen(false);
}

void TForm28::Fertigstellen(bool erfolg) {
    std::optional<std::string> inhalt;
    if (erfolg) {
        // The local copy is written, read back and deleted, as the check always did; it is
        // written and read like every other file of the program.
        const std::string bytes = empfangen_.toStdString();
        const std::string datei = LokaleDatei().toStdString();
        try {
            schreiben_(datei, bytes);
            inhalt = DateiEinlesen(datei, kHoechstensBytes);
        } catch (const std::exception&) {
            inhalt = bytes;
        }
        QFile::remove(QString::fromStdString(datei));
    }
    Auswerten(inhalt);
}

void TForm28::Auswerten(const std::optional<std::string>& inhalt) {
    const Updateergebnis e = UpdateAuswerten(inhalt, version_);
    text_->setText(QString::fromStdString(e.text).replace(QStringLiteral("\r\n"),
                                                          QStringLiteral("\n")));
    ja_->show();
    nein_->show();
    ja_->setFocus();
    if (!e.neuer) {
        animation_->stop();
        ja_->hide();
        nein_->setText(QStringLiteral("Ok"));
        nein_->move(width() / 2 - nein_->width() / 2, nein_->y());
        abbrechen_->hide();
        nein_->setFocus();
    }
    unsetCursor();
    if (fertig) fertig(e);
}

void TForm28::AbbrechenKlick() {
    Loslassen();
    animation_->stop();
    reject();
}

void TForm28::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        if (abbrechen_->isVisible()) AbbrechenKlick();
        else nein_->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

}  // namespace kalvora
