#include "platform/qt/QtShell.h"

#include <QDesktopServices>
#include <QFile>
#include <QString>
#include <QUrl>

namespace kalvora {

bool QtShell::Oeffnen(const std::string& ziel) {
    const QString text = QString::fromStdString(ziel).trimmed();
    if (text.isEmpty()) return false;
    return QDesktopServices::openUrl(QUrl::fromUserInput(text));
}

bool QtShell::InPapierkorb(const std::string& pfad) {
    return QFile::moveToTrash(QString::fromStdString(pfad));
}

}  // namespace kalvora
