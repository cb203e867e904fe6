#!/usr/bin/env bash
# The program on a real X desktop: Xvfb with the openbox window manager and the trayer
# notification area, driven by xdotool like a user with keyboard and mouse. The offscreen
# window tests have no pointer, no window manager and no tray; these cases need all three.
#
#   desktop.sh FALL BUILDORDNER
#
# FALL: startansicht, trayrueckkehr, alarmfenster, popuptasten, meldungsstapel.
# Every process and display started here is ended again, and HOME and the XDG folders point
# into a private folder, so the user's settings are never touched. Every wait is bounded.
# With KALVORA_DESKTOP_BILDER=ORDNER the screen is saved there as FALL.png at the end.
set -uo pipefail

fall=${1:?Fall fehlt}
build=$(cd "${2:?Buildordner fehlt}" && pwd)
programm=$build/src/kalvora
cli=$build/src/kalvora-cli

for werkzeug in Xvfb openbox trayer xdotool xprop xwininfo wmctrl; do
    if ! command -v "$werkzeug" >/dev/null; then
        echo "Es fehlt $werkzeug: make deps installiert es (scripts/deps.sh)." >&2
        exit 1
    fi
done

tmp=$(mktemp -d /tmp/kalvora-desktop.XXXXXX)
pids=()
programmpid=
xvfbpid=

aufraeumen() {
    local p
    [ -n "$programmpid" ] && kill "$programmpid" 2>/dev/null
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    [ -n "$xvfbpid" ] && kill "$xvfbpid" 2>/dev/null
    for p in $programmpid "${pids[@]}" $xvfbpid; do
        # At most two seconds each, then for good.
        for _ in $(seq 20); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$p" 2>/dev/null
        wait "$p" 2>/dev/null
    done
    rm -rf "$tmp"
}
trap aufraeumen EXIT
trap 'exit 2' INT TERM HUP

fehler() {
    echo "FEHLER ($fall): $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        echo "--- Fenster:" >&2
        baum | grep -E '"' | head -40 >&2
    fi
    local log
    for log in "$tmp"/xvfb.log "$tmp"/openbox.log "$tmp"/trayer.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log"):"; tail -5 "$log"; } >&2
    done
    if [ -f "$tmp/programm.log" ]; then
        echo "--- Ausgabe des Programms:" >&2
        tail -20 "$tmp/programm.log" >&2
    fi
    bild
    exit 1
}

# warten SEKUNDEN WAS BEFEHL...: runs BEFEHL every 0.1 s until it succeeds.
warten() {
    local sekunden=$1 was=$2
    shift 2
    local ende=$((SECONDS + sekunden))
    until "$@"; do
        [ "$SECONDS" -ge "$ende" ] && fehler "nach ${sekunden} s nicht erreicht: $was"
        sleep 0.1
    done
}

bild() {
    [ -n "${KALVORA_DESKTOP_BILDER:-}" ] && [ -n "${DISPLAY:-}" ] || return 0
    mkdir -p "$KALVORA_DESKTOP_BILDER"
    if command -v import >/dev/null; then
        import -window root "$KALVORA_DESKTOP_BILDER/${1:-$fall}.png" 2>/dev/null
    fi
}

# ---- the desktop ---------------------------------------------------------------------

# The window tree. xwininfo stops with an error when a window goes while it walks the tree
# (the window manager makes and drops windows all the time), so it is asked again.
baum() {
    local i
    for i in 1 2 3 4 5 6 7 8 9 10; do
        xwininfo -root -tree 2>/dev/null >"$tmp/baum" && { cat "$tmp/baum"; return 0; }
        sleep 0.05
    done
    return 1
}

export HOME=$tmp/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
export XDG_CACHE_HOME=$HOME/.cache XDG_RUNTIME_DIR=$tmp/laufzeit
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# No session bus: the tray icon goes to the X notification area, and nothing of the
# user's session is reached.
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 TZ=${TZ:-UTC}

# Xvfb picks a free display number itself and writes it once it accepts connections.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$tmp/anzeige" \
    >"$tmp/xvfb.log" 2>&1 &
xvfbpid=$!
anzeige_bereit() { [ -s "$tmp/anzeige" ]; }
warten 15 "Xvfb gestartet" anzeige_bereit
DISPLAY=:$(tr -dc 0-9 <"$tmp/anzeige")
export DISPLAY

openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
pids+=($!)
# Ready once it has published the work area too: trayer places its panel by it and waits
# for nothing else.
wm_bereit() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
        xprop -root _NET_WORKAREA 2>/dev/null | grep -q '= '
}
warten 15 "Fenstermanager openbox läuft" wm_bereit

tray_bereit() { baum | grep -q '"panel": ("panel" "trayer")'; }
# Should trayer end at once, it gets two more tries.
for _ in 1 2 3; do
    trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 \
        --SetDockType true --SetPartialStrut true >>"$tmp/trayer.log" 2>&1 &
    traypid=$!
    pids+=("$traypid")
    ende=$((SECONDS + 20))
    until tray_bereit || ! kill -0 "$traypid" 2>/dev/null || [ "$SECONDS" -ge "$ende" ]; do
        sleep 0.1
    done
    tray_bereit && break
    kill "$traypid" 2>/dev/null
done
tray_bereit || fehler "der Infobereich trayer läuft nicht"

# ---- helpers -------------------------------------------------------------------------

einstellung() { "$cli" einstellung "$1" "$2" >/dev/null || fehler "Einstellung $1"; }

# A calendar file: LINIEN are the lines of its [Termine] part (CR LF is added).
kalender() {
    local datei=$1
    shift
    {
        printf 'Ver 3.3\r\n[Farbnamen]\r\n'
        for _ in $(seq 20); do printf 'FFFFFF [frei]\r\n'; done
        printf '[Terminkategorie]\r\n[Linkliste]\r\n[Tagesfarben]\r\n[Termine]\r\n'
        for zeile in "$@"; do printf '%s\r\n' "$zeile"; done
        printf '\r\n'
    } >"$datei"
    "$cli" pruefen "$datei" >/dev/null || fehler "Testkalender $datei nicht lesbar"
}

# The day key of a file: the day number from 30.12.1899 in hex; argument a `date -d` text.
tagesschluessel() {
    local s
    s=$(date -d "$1" +%s) || return 1
    printf '%X' $(((s - s % 86400) / 86400 + 25569))
}

starten() {
    "$programm" "$@" >"$tmp/programm.log" 2>&1 &
    programmpid=$!
}

# The windows of the program (by _NET_WM_PID) that are mapped, one id a line.
fenster_sichtbar() {
    local w
    for w in $(xdotool search --pid "$programmpid" 2>/dev/null); do
        xwininfo -id "$w" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "$w"
    done
}

# The first mapped window of the program whose title matches the extended regex.
fenster_mit_titel() {
    local w
    for w in $(fenster_sichtbar); do
        xprop -id "$w" _NET_WM_NAME 2>/dev/null | sed -n 's/^[^"]*"\(.*\)"$/\1/p' |
            grep -qE "$1" && { echo "$w"; return 0; }
    done
    return 1
}

# The main window once the file is loaded (its title names the file, not "[unbenannt]").
hauptfenster() { fenster_mit_titel '^Kalvora - .*\.kvr$'; }
hauptfenster_sichtbar() { [ -n "$(hauptfenster)" ]; }
laeuft() { kill -0 "$programmpid" 2>/dev/null; }

abgebildet() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
nicht_abgebildet() { ! abgebildet "$1"; }

# The program's icon inside trayer's panel: "X Y" of its centre, nothing when there is none.
traysymbol() {
    baum | awk '
        { match($0, /^ */); tiefe = RLENGTH }
        /"panel": \("panel" "trayer"\)/ { panel = tiefe; next }
        panel && tiefe <= panel { exit }
        panel && /\("kalvora" / {
            n = split($0, t, " "); g = t[n - 1]
            split(g, a, /[x+]/)
            split(t[n], b, "+")
            print b[2] + int(a[1] / 2), b[3] + int(a[2] / 2); exit }'
}
traysymbol_da() { [ -n "$(traysymbol)" ]; }
traysymbol_weg() { [ -z "$(traysymbol)" ]; }

# A menu is open: a mapped window of the program that the window manager does not manage.
popup_offen() {
    local w
    for w in $(fenster_sichtbar); do
        xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
    done
    return 1
}
popup_zu() { ! popup_offen; }

# The stacking order of the managed windows, bottom first.
stapel() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^.*# //; s/,//g'; }

hex() { printf '0x%x' "$1"; }

# ---- the cases -----------------------------------------------------------------------

monatsname() {
    local namen=(Januar Februar März April Mai Juni Juli August September Oktober November
                 Dezember)
    echo "${namen[$(( 10#$1 - 1 ))]}"
}

fall_startansicht() {
    # The month view opens on the selected day (today at start), whatever day of the year
    # view the pointer rests on meanwhile.
    kalender "$tmp/plan.kvr"
    local monat jahr zeile
    monat=$(date +%m)
    jahr=$(date +%Y)
    # A day of July, or of March in July (the rows of the 1280 x 1024 year view).
    if [ "$monat" = 07 ]; then zeile=272; else zeile=511; fi
    xdotool mousemove 640 "$zeile"
    starten "$tmp/plan.kvr" mona
    warten 30 "Hauptfenster sichtbar" hauptfenster_sichtbar
    # The pointer moves over the year while the start view is still to come.
    xdotool mousemove 642 "$zeile" mousemove 640 "$((zeile + 2))"
    monatsansicht() { fenster_mit_titel '^Monatsansicht : ' >/dev/null; }
    warten 30 "Monatsansicht geöffnet" monatsansicht
    local w titel
    w=$(fenster_mit_titel '^Monatsansicht : ')
    titel=$(xdotool getwindowname "$w")
    local erwartet
    erwartet="Monatsansicht : $(monatsname "$monat") $jahr"
    [ "$titel" = "$erwartet" ] || fehler "Startansicht zeigt \"$titel\" statt \"$erwartet\""
    echo "Startansicht: $titel"
}

fall_trayrueckkehr() {
    # The close box sends the program to the tray; the icon (or its menu's
    # "Wiederherstellen") brings it back, every time.
    einstellung "bei Close in Tray" 1
    kalender "$tmp/plan.kvr"
    starten "$tmp/plan.kvr"
    warten 30 "Hauptfenster sichtbar" hauptfenster_sichtbar
    local w runde xy
    w=$(hauptfenster)
    for runde in 1 2 3 4 5 6 7; do
        # The window must be settled before the next close, as a user's would be.
        sleep 0.5
        if [ "$runde" -lt 7 ]; then
            wmctrl -i -c "$(hex "$w")"
        else
            # "Termine" > "Terminüberwachung im Hintergrund".
            xdotool windowactivate --sync "$w"
            xdotool key alt+t
            warten 10 "Menü Termine offen" popup_offen
            xdotool key h
        fi
        warten 10 "Runde $runde: Hauptfenster verborgen" nicht_abgebildet "$w"
        warten 10 "Runde $runde: Symbol im Infobereich" traysymbol_da
        laeuft || fehler "Runde $runde: das Programm hat sich beendet"
        sleep 0.3
        xy=$(traysymbol)
        if [ "$runde" != 6 ]; then
            # shellcheck disable=SC2086
            xdotool mousemove $xy click 1
        else
            # The right button opens the menu; "Wiederherstellen" is its first entry.
            # shellcheck disable=SC2086
            xdotool mousemove $xy click 3
            warten 10 "Runde $runde: Traymenü offen" popup_offen
            xdotool key Down Return
        fi
        warten 10 "Runde $runde: Hauptfenster wiederhergestellt" abgebildet "$w"
        warten 10 "Runde $runde: Symbol entfernt" traysymbol_weg
        xprop -id "$w" _NET_WM_STATE | grep -q HIDDEN &&
            fehler "Runde $runde: Hauptfenster bleibt minimiert"
        echo "Runde $runde: zurück"
    done
}

fall_alarmfenster() {
    # A stay-on-top tool window without the window manager's title bar and its buttons.
    local termin schluessel uhrzeit
    termin='+10 minutes'
    schluessel=$(tagesschluessel "$termin")
    uhrzeit=$(date -d "$termin" +%H:%M)
    kalender "$tmp/alarm.kvr" "$schluessel" "${uhrzeit}X Zahnarzt#Praxis#30#"
    starten "$tmp/alarm.kvr"
    alarm() { fenster_mit_titel '^Termininformation$' >/dev/null; }
    warten 30 "Alarmfenster geöffnet" alarm
    local w typ zustand rand motif
    w=$(fenster_mit_titel '^Termininformation$')
    sleep 0.5
    typ=$(xprop -id "$w" _NET_WM_WINDOW_TYPE)
    zustand=$(xprop -id "$w" _NET_WM_STATE)
    rand=$(xprop -id "$w" _NET_FRAME_EXTENTS | sed 's/^.*= //')
    motif=$(xprop -id "$w" _MOTIF_WM_HINTS | sed 's/^.*= //')
    echo "Typ: $typ"
    echo "Zustand: $zustand"
    echo "Rahmen (links, rechts, oben, unten): $rand; Motif: $motif"
    grep -q _NET_WM_WINDOW_TYPE_UTILITY <<<"$typ" || fehler "kein Werkzeugfenster: $typ"
    grep -q _NET_WM_STATE_ABOVE <<<"$zustand" || fehler "nicht im Vordergrund: $zustand"
    local l o
    IFS=', ' read -r l _ o _ <<<"$rand"
    # A title bar (with its buttons) would make the top edge far wider than the others.
    [ "${o:-99}" -le "${l:-0}" ] || fehler "der Fenstermanager zeichnet eine Titelleiste ($rand)"
    local geo
    geo=$(xwininfo -id "$w" | awk '/Width:/ { b = $2 } /Height:/ { h = $2 } END { print b, h }')
    echo "Größe: $geo"
    bild alarmfenster-offen
    # "Nein" by the keyboard: Tab to it, then space; the window goes.
    xdotool key --window "$w" Tab space
    alarm_zu() { ! alarm; }
    warten 10 "Alarmfenster nach \"Nein\" geschlossen" alarm_zu
}

fall_popuptasten() {
    # Esc in the timetable's popup closes only the popup; Return there runs the entry.
    kalender "$tmp/plan.kvr"
    starten "$tmp/plan.kvr" stud
    stundenplan() { fenster_mit_titel '^Stundenplanansicht' >/dev/null; }
    warten 30 "Stundenplan geöffnet" stundenplan
    local w x y
    w=$(fenster_mit_titel '^Stundenplanansicht')
    sleep 0.5
    read -r x y < <(xwininfo -id "$w" | awk '/Absolute upper-left X/ { x = $4 }
        /Absolute upper-left Y/ { y = $4 } /Width:/ { b = $2 } /Height:/ { h = $2 }
        END { print x + int(b / 2), y + int(h * 2 / 3) }')
    xdotool mousemove "$x" "$y" click 3
    warten 10 "Popup-Menü offen" popup_offen
    bild popuptasten-menue
    xdotool key Escape
    warten 10 "Popup-Menü nach Esc geschlossen" popup_zu
    sleep 0.5
    abgebildet "$w" || fehler "Esc im Popup-Menü hat den Stundenplan geschlossen"
    echo "Esc: nur das Menü zu"
    # The last entry, "schließen", by Up and Return: it closes the timetable.
    xdotool mousemove "$x" "$y" click 3
    warten 10 "Popup-Menü wieder offen" popup_offen
    xdotool key Up Return
    warten 10 "Eintrag \"schließen\" mit Return ausgeführt" nicht_abgebildet "$w"
    warten 10 "Popup-Menü geschlossen" popup_zu
    echo "Return: Eintrag ausgeführt"
}

fall_meldungsstapel() {
    # A message of a modal dialog stands over that dialog, and the main window stays below.
    kalender "$tmp/plan.kvr"
    starten "$tmp/plan.kvr"
    warten 30 "Hauptfenster sichtbar" hauptfenster_sichtbar
    local haupt
    haupt=$(hauptfenster)
    sleep 1
    # "Extras" > "Optionen"; "Stärke der Monatsrahmen in Pixel" (1 to 3) gets 9, and "OK".
    xdotool windowactivate --sync "$haupt"
    xdotool key alt+e
    warten 10 "Menü Extras offen" popup_offen
    xdotool key o
    optionen() { fenster_mit_titel '^Optionen$' >/dev/null; }
    warten 15 "Optionen geöffnet" optionen
    local opt
    opt=$(fenster_mit_titel '^Optionen$')
    sleep 0.5
    xdotool mousemove --window "$opt" 430 313 click 1
    xdotool key ctrl+a
    xdotool type 9
    xdotool key Return
    meldung() { [ "$(fenster_sichtbar | wc -l)" -ge 3 ]; }
    warten 10 "Meldung zum Startjahr" meldung
    sleep 0.5
    local w box=
    for w in $(fenster_sichtbar); do
        [ "$w" = "$haupt" ] || [ "$w" = "$opt" ] || box=$w
    done
    [ -n "$box" ] || fehler "keine Meldung"
    echo "Meldung: $(xdotool getwindowname "$box")"
    bild meldungsstapel-meldung
    local transient
    transient=$(xprop -id "$box" WM_TRANSIENT_FOR | sed 's/^.*# //')
    [ "$((transient))" = "$opt" ] ||
        fehler "die Meldung gehört zum Fenster $transient, nicht zu den Optionen ($(hex "$opt"))"
    local reihe=() i ih=-1 io=-1 ib=-1 n=0
    read -r -a reihe <<<"$(stapel)"
    for i in "${reihe[@]}"; do
        [ "$((i))" = "$haupt" ] && ih=$n
        [ "$((i))" = "$opt" ] && io=$n
        [ "$((i))" = "$box" ] && ib=$n
        n=$((n + 1))
    done
    echo "Stapel (unten zuerst): Hauptfenster $ih, Optionen $io, Meldung $ib"
    [ "$ih" -lt "$io" ] && [ "$io" -lt "$ib" ] ||
        fehler "Stapel falsch: Hauptfenster $ih, Optionen $io, Meldung $ib"
}

case "$fall" in
    startansicht | trayrueckkehr | alarmfenster | popuptasten | meldungsstapel)
        "fall_$fall"
        ;;
    *)
        echo "unbekannter Fall: $fall" >&2
        exit 2
        ;;
esac
bild
echo "$fall: bestanden"
