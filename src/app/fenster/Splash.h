#pragma once
// The splash window shown while the program starts: a picture and the short version.
#include <QWidget>

#include <string>

namespace kalvora {

// The version up to, not including, its second dot: "3.3.0.12" -> "3.3".
std::string KurzeVersion(const std::string& version);

class TSplash : public QWidget {
    Q_OBJECT
public:
    explicit TSplash(QWidget* parent = nullptr);

    // Frees itself after the given time and then emits Fertig.
    void Starten(int millisekunden = 1000);

signals:
    void Fertig();

protected:
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace kalvora
