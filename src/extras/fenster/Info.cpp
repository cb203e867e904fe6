#include "extras/fenster/Info.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "extras/Versionspruefung.h"
#include "methoden/Methoden.h"
#include "platform/Shell.h"
#include "platform/qt/QtDaten.h"

namespace kalvora {

namespace {

// A symbol font such as a dingbat font (it writes letters as pictures), or one without Latin.
bool Symbolschrift(const QString& familie) {
    const QList<QFontDatabase::WritingSystem> s = QFontDatabase::writingSystems(familie);
    return s.contains(QFontDatabase::Symbol) || !s.contains(QFontDatabase::Latin);
}

}  // namespace

QFont NamensschriftWaehlen(const QString& familie, int pixel) {
    // Where the font asked for is missing, never the fallback of its style hint (for
    // "fantasy" fontconfig may offer a symbol font): the desktop's sans-serif font instead.
    QFont schrift;
    if (QFontDatabase::hasFamily(familie) && !Symbolschrift(familie)) {
        schrift.setFamily(familie);
    } else {
        schrift = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        schrift.setStyleHint(QFont::SansSerif);
        if (Symbolschrift(QFontInfo(schrift).family()))
            schrift.setFamilies(
                {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    }
    schrift.setPixelSize(pixel);
    schrift.setBold(false);
    schrift.setItalic(false);
    return schrift;
}

TForm6::TForm6(Shell& shell, std::string webseite, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      shell_(shell),
      webseite_(std::move(webseite)) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(320, 241);
    // 0xFF8566 with red in the low byte.
    setStyleSheet(QStringLiteral("QDialog#Form6 { background-color: #6685ff; }"));
    auto* symbol = new QLabel(this);
    symbol->setPixmap(Symbol(QStringLiteral("kalvora")).pixmap(32, 32));
    symbol->setGeometry(57, 16, 32, 32);
    auto* name = new QLabel(QStringLiteral("Kalvora"), this);
    name->setObjectName(QStringLiteral("Programmname"));
    name->setFont(NamensschriftWaehlen(QString::fromLatin1(Namensschrift), 33));
    name->move(101, 8);
    name->adjustSize();
    version_ = new QLabel(this);
    QFont fett = version_->font();
    fett.setBold(true);
    version_->setFont(fett);
    version_->move(0, 72);
    auto* hinweis = new QLabel(QStringLiteral("weitere Infos und neuere Versionen unter :"), this);
    hinweis->move(60, 136);
    hinweis->adjustSize();
    adresse_ = new QLabel(this);
    adresse_->setText(QStringLiteral("<a href=\"%1\" style=\"color:black\">%1</a>")
                          .arg(QString::fromStdString(webseite_).toHtmlEscaped()));
    adresse_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    adresse_->setCursor(Qt::PointingHandCursor);
    adresse_->move(102, 168);
    adresse_->adjustSize();
    if (adresse_->x() + adresse_->width() > width() - 4)
        adresse_->move(std::max(4, width() / 2 - adresse_->width() / 2), 168);
    connect(adresse_, &QLabel::linkActivated, this,
            [this](const QString& url) { shell_.Oeffnen(url.toStdString()); });
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setGeometry(123, 200, 75, 25);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm6::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Rebuilt on every showing: the version and the date of the program file.
    const QFileInfo programm(QCoreApplication::applicationFilePath());
    const QString datum = QLocale().toString(programm.lastModified().date(), QLocale::ShortFormat);
    const std::string version = Dateiversion();
    version_->setText(QString::fromStdString(kalvora::Versionszeile(
        version.empty() ? std::nullopt : std::optional<std::string>(version),
        datum.toStdString())));
    version_->adjustSize();
    version_->move(width() / 2 - version_->width() / 2, 72);
    ok_->setFocus();
}

}  // namespace kalvora
