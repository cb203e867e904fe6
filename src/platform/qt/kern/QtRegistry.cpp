#include "platform/qt/kern/QtRegistry.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cctype>
#include <climits>

#include "methoden/Fehler.h"

namespace kalvora {

namespace {

// The group of a key path: "" for the main key, "X/Y" for "Software\Kalvora\X\Y".
QString Gruppe(const std::string& schluessel) {
    const std::string haupt = HauptSchluessel;
    auto gleich = [](const std::string& a, const std::string& b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(a[i])) !=
                std::tolower(static_cast<unsigned char>(b[i])))
                return false;
        return true;
    };
    if (gleich(schluessel, haupt)) return {};
    if (schluessel.size() > haupt.size() + 1 && schluessel[haupt.size()] == '\\' &&
        gleich(schluessel.substr(0, haupt.size()), haupt)) {
        QString rest = QString::fromStdString(schluessel.substr(haupt.size() + 1));
        return rest.replace(u'\\', u'/');
    }
    throw KalvoraFehler("Der Registrierungsschlüssel \"" + schluessel +
                        "\" liegt nicht unter \"" + haupt + "\".");
}

// QSettings reads '/' and '\' in a name as key separators.
QString Name(const std::string& name) {
    if (name.empty() || name.find_first_of("/\\") != std::string::npos)
        throw KalvoraFehler("Ungültiger Name eines Registrierungswerts: \"" + name + "\"");
    return QString::fromStdString(name);
}

// Enters the key's group for the lifetime of the object.
class InGruppe {
public:
    InGruppe(QSettings& s, const std::string& schluessel) : s_(s) {
        const QString g = Gruppe(schluessel);
        if (!g.isEmpty()) {
            s_.beginGroup(g);
            offen_ = true;
        }
    }
    ~InGruppe() {
        if (offen_) s_.endGroup();
    }
    InGruppe(const InGruppe&) = delete;
    InGruppe& operator=(const InGruppe&) = delete;

private:
    QSettings& s_;
    bool offen_ = false;
};

Registrywert AusVariant(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::QString:
        return v.toString().toStdString();
    case QMetaType::QStringList:
        // An unquoted comma in a hand-edited settings file splits the text; join it again.
        return v.toStringList().join(QStringLiteral(", ")).toStdString();
    case QMetaType::QByteArray: {
        const QByteArray a = v.toByteArray();
        return Binaerwert(a.begin(), a.end());
    }
    case QMetaType::Bool:
        return int32_t{v.toBool() ? 1 : 0};
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        // A registry number is an unsigned 32-bit word; keep its bits.
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        if (ok && n >= INT32_MIN && n <= static_cast<qlonglong>(UINT32_MAX))
            return static_cast<int32_t>(static_cast<uint32_t>(n));
        return Fremdwert{};
    }
    default:
        return Fremdwert{};
    }
}

}  // namespace

QtRegistry::QtRegistry()
#ifdef Q_OS_WIN
    : settings_(std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Kalvora"),
                                            QSettings::NativeFormat)) {
}
#else
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Kalvora"),
                                            QStringLiteral("Kalvora"))) {
}
#endif

QtRegistry::QtRegistry(const std::string& dateipfad)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(dateipfad),
                                            QSettings::IniFormat)) {}

QtRegistry::~QtRegistry() = default;

void QtRegistry::SchluesselOeffnen(const std::string& schluessel) {
    // Groups exist through their values; only the path is checked.
    Gruppe(schluessel);
}

std::optional<Registrywert> QtRegistry::Lesen(const std::string& schluessel,
                                              const std::string& name) const {
    InGruppe g(*settings_, schluessel);
    const QString n = Name(name);
    if (!settings_->contains(n)) return std::nullopt;
    return AusVariant(settings_->value(n));
}

void QtRegistry::Schreiben(const std::string& schluessel, const std::string& name,
                           const Registrywert& wert) {
    InGruppe g(*settings_, schluessel);
    const QString n = Name(name);
    if (const auto* z = std::get_if<int32_t>(&wert)) {
        settings_->setValue(n, int{*z});
    } else if (const auto* t = std::get_if<std::string>(&wert)) {
        settings_->setValue(n, QString::fromStdString(*t));
    } else if (const auto* b = std::get_if<Binaerwert>(&wert)) {
        settings_->setValue(n, QByteArray(reinterpret_cast<const char*>(b->data()),
                                          static_cast<qsizetype>(b->size())));
    }
}

void QtRegistry::Loeschen(const std::string& schluessel, const std::string& name) {
    InGruppe g(*settings_, schluessel);
    settings_->remove(Name(name));
}

std::vector<std::string> QtRegistry::Wertnamen(const std::string& schluessel) const {
    InGruppe g(*settings_, schluessel);
    std::vector<std::string> namen;
    for (const QString& n : settings_->childKeys()) namen.push_back(n.toStdString());
    return namen;
}

std::string QtRegistry::Ablage() const { return settings_->fileName().toStdString(); }

void QtRegistry::Sichern() {
    settings_->sync();
    if (settings_->status() != QSettings::NoError)
        throw KalvoraFehler("Die Einstellungen konnten nicht nach \"" + Ablage() +
                            "\" geschrieben werden.");
}

}  // namespace kalvora
