#pragma once
// HTTP through QNetworkAccessManager, one request at a time in a local event loop (the
// command line has no other; the window runs it on a worker). Needs a QCoreApplication.
#include <memory>

#include "platform/Http.h"

class QNetworkAccessManager;

namespace kalvora {

class QtHttp : public Http {
public:
    QtHttp();
    ~QtHttp() override;
    HttpAntwort Senden(const HttpAnfrage& anfrage) override;

private:
    std::unique_ptr<QNetworkAccessManager> netz_;
};

}  // namespace kalvora
