#include "platform/qt/netz/QtHttp.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kalvora {
namespace {

std::string Text(const QString& s) { return s.toStdString(); }

std::string Sekunden(int ms) {
    const int s = (ms + 999) / 1000;
    return std::to_string(s) + (s == 1 ? " Sekunde" : " Sekunden");
}

// The network's reason in German; Qt's own text where there is no better one.
std::string Fehlertext(QNetworkReply::NetworkError f, const QString& qt) {
    switch (f) {
    case QNetworkReply::ConnectionRefusedError: return "Verbindung abgelehnt";
    case QNetworkReply::RemoteHostClosedError:
        return "der Server hat die Verbindung ohne Antwort geschlossen";
    case QNetworkReply::HostNotFoundError: return "Rechnername unbekannt";
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError: return "kein Netz";
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError: return "der Proxy antwortet nicht (" + Text(qt) + ")";
    case QNetworkReply::ProtocolFailure: return "fehlerhafte HTTP-Antwort";
    default: return Text(qt);
    }
}

// The certificate's fault in German; Qt's own text for the rare ones.
std::string TlsText(const QSslError& f) {
    switch (f.error()) {
    case QSslError::SelfSignedCertificate:
        return "das Zertifikat ist selbst signiert und nicht vertrauenswürdig";
    case QSslError::SelfSignedCertificateInChain:
    case QSslError::UnableToGetLocalIssuerCertificate:
    case QSslError::UnableToGetIssuerCertificate:
    case QSslError::UnableToVerifyFirstCertificate:
    case QSslError::CertificateUntrusted:
        return "der Aussteller des Zertifikats ist nicht vertrauenswürdig";
    case QSslError::HostNameMismatch:
        return "das Zertifikat gilt nicht für diesen Rechnernamen";
    case QSslError::CertificateExpired: return "das Zertifikat ist abgelaufen";
    case QSslError::CertificateNotYetValid: return "das Zertifikat ist noch nicht gültig";
    case QSslError::CertificateRevoked: return "das Zertifikat wurde widerrufen";
    default: return Text(f.errorString());
    }
}

}  // namespace

QtHttp::QtHttp() : netz_(std::make_unique<QNetworkAccessManager>()) {
    netz_->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

QtHttp::~QtHttp() = default;

HttpAntwort QtHttp::Senden(const HttpAnfrage& anfrage) {
    HttpAntwort antwort;
    // Letters beyond ASCII (a path typed with umlauts) travel percent-encoded as UTF-8.
    QByteArray roh;
    for (const char c : anfrage.url) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            roh.append(c);
        } else {
            static const char ziffern[] = "0123456789ABCDEF";
            roh.append('%').append(ziffern[b >> 4]).append(ziffern[b & 15]);
        }
    }
    const QUrl url = QUrl::fromEncoded(roh, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != "http" && url.scheme() != "https")) {
        antwort.fehler = "ungültige Adresse";
        return antwort;
    }
    QNetworkRequest req(url);
    req.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                     QNetworkRequest::ManualRedirectPolicy);
    req.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    req.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                     QNetworkRequest::AlwaysNetwork);
    // Credentials are sent by the caller; Qt must neither cache nor ask for any.
    req.setAttribute(QNetworkRequest::AuthenticationReuseAttribute,
                     QNetworkRequest::Manual);
    for (const auto& k : anfrage.kopfzeilen)
        req.setRawHeader(QByteArray::fromStdString(k.name), QByteArray::fromStdString(k.wert));

    const QByteArray inhalt = QByteArray::fromStdString(anfrage.inhalt);
    std::unique_ptr<QNetworkReply> reply(
        netz_->sendCustomRequest(req, QByteArray::fromStdString(anfrage.methode), inhalt));
    std::vector<std::string> tlsFehler;
    bool zuGross = false;
    bool zeitUm = false;
    QEventLoop schleife;
    QTimer uhr;
    uhr.setSingleShot(true);
    QObject::connect(reply.get(), &QNetworkReply::sslErrors,
                     [&](const QList<QSslError>& fehler) {
                         // Never ignored: the connection fails and the reasons are told.
                         for (const auto& f : fehler) {
                             const std::string t = TlsText(f);
                             if (std::find(tlsFehler.begin(), tlsFehler.end(), t) ==
                                 tlsFehler.end())
                                 tlsFehler.push_back(t);
                         }
                     });
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, [&](qint64 n, qint64) {
        if (static_cast<std::uint64_t>(n) > kGroessteHttpAntwort) {
            zuGross = true;
            reply->abort();
        }
    });
    QObject::connect(&uhr, &QTimer::timeout, [&] {
        zeitUm = true;
        reply->abort();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &schleife, &QEventLoop::quit);
    uhr.start(anfrage.zeitgrenzeMs);
    if (!reply->isFinished()) schleife.exec();
    uhr.stop();

    if (zeitUm) {
        antwort.fehler = "keine Antwort innerhalb von " + Sekunden(anfrage.zeitgrenzeMs);
        return antwort;
    }
    if (zuGross) {
        antwort.fehler = "die Antwort ist größer als " +
                         std::to_string(kGroessteHttpAntwort >> 20) + " MB";
        return antwort;
    }
    if (!tlsFehler.empty()) {
        antwort.fehler = "TLS-Fehler: ";
        for (std::size_t i = 0; i < tlsFehler.size(); ++i)
            antwort.fehler += (i ? "; " : "") + tlsFehler[i];
        return antwort;
    }
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) {
        antwort.fehler = Fehlertext(reply->error(), reply->errorString());
        return antwort;
    }
    antwort.status = status.toInt();
    for (const auto& [name, wert] : reply->rawHeaderPairs())
        antwort.kopfzeilen.push_back({name.toStdString(), wert.toStdString()});
    antwort.inhalt = reply->readAll().toStdString();
    return antwort;
}

}  // namespace kalvora
