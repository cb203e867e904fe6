#include "platform/qt/QtDaten.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kalvora {

QString Datenpfad(const QString& relativ) {
    const QString ordner[] = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/daten"),
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/kalvora"),
#ifdef KALVORA_DATENVERZEICHNIS
        QStringLiteral(KALVORA_DATENVERZEICHNIS),
#endif
    };
    for (const QString& o : ordner) {
        const QString pfad = o + QLatin1Char('/') + relativ;
        if (QFileInfo::exists(pfad)) return QFileInfo(pfad).absoluteFilePath();
    }
    return {};
}

QIcon Symbol(const QString& datei, const QString& themenname) {
    if (!themenname.isEmpty() && QIcon::hasThemeIcon(themenname))
        return QIcon::fromTheme(themenname);
    const QString pfad = Datenpfad(QStringLiteral("icons/") + datei + QStringLiteral(".svg"));
    return pfad.isEmpty() ? QIcon() : QIcon(pfad);
}

}  // namespace kalvora
