#pragma once
// Doubles of the platform services of the alarm and the views: a sound that records its
// requests, a tray that keeps its icon, a shell that records the links it opens, and an
// alarm window that answers from a script.
#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "main/Alarmmonitor.h"
#include "platform/Klang.h"
#include "platform/Shell.h"
#include "platform/Tray.h"

namespace kalvora::test {

class Klangprotokoll : public Klang {
public:
    void Abspielen(const std::string& datei) override { gespielt.push_back(datei); }
    void Anhalten() override { ++angehalten; }
    std::vector<std::string> gespielt;
    int angehalten = 0;
};

class Testtray : public Tray {
public:
    bool Verfuegbar() const override { return verfuegbar; }
    void Zeigen(Traysymbol s, const std::string& t) override {
        sichtbar = true;
        symbol = s;
        tooltip = t;
        symbole.push_back(s);
    }
    void SymbolSetzen(Traysymbol s) override {
        symbol = s;
        symbole.push_back(s);
    }
    void Entfernen() override { sichtbar = false; }
    bool Sichtbar() const override { return sichtbar; }
    Traysymbol Symbol() const override { return symbol; }

    bool verfuegbar = true;
    bool sichtbar = false;
    Traysymbol symbol = Traysymbol::Programm;
    std::string tooltip;
    std::vector<Traysymbol> symbole;
};

// Records what it is asked to open.
class Shellprotokoll : public Shell {
public:
    bool Oeffnen(const std::string& ziel) override {
        geoeffnet.push_back(ziel);
        return true;
    }
    // Records the file and removes it, as the trash takes it away.
    bool InPapierkorb(const std::string& pfad) override {
        papierkorb.push_back(pfad);
        return std::remove(pfad.c_str()) == 0;
    }
    std::vector<std::string> geoeffnet;
    std::vector<std::string> papierkorb;
};

// Answers "Ja" unless the script says otherwise; waehrend runs while the window "is open".
class Skriptalarmfenster : public Alarmfenster {
public:
    Alarmantwort Zeigen(const Alarminhalt& inhalt) override {
        gezeigt.push_back(inhalt);
        offen = true;
        if (waehrend) waehrend(inhalt);
        offen = false;
        if (antworten.empty()) return Alarmantwort::Ja;
        const Alarmantwort a = antworten.front();
        antworten.pop_front();
        return a;
    }
    bool Sichtbar() const override { return offen; }
    void NachVorne() override { ++nachVorne; }

    std::vector<Alarminhalt> gezeigt;
    std::deque<Alarmantwort> antworten;
    std::function<void(const Alarminhalt&)> waehrend;
    bool offen = false;
    int nachVorne = 0;
};

}  // namespace kalvora::test
