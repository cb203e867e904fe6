#!/usr/bin/python3
"""The independent second client of the CalDAV tests, on python3-caldav.

    fremdclient.py kalender URL BENUTZER PASSWORT ID ANZEIGENAME [FARBE]
        creates a calendar below the user's calendar home; prints its URL
    fremdclient.py termin KALENDER-URL BENUTZER PASSWORT UID SUMMARY DTSTART
        creates or replaces an event (DTSTART as 20040105T100000); prints its URL
    fremdclient.py loeschen KALENDER-URL BENUTZER PASSWORT UID
        deletes the event with that UID
    fremdclient.py uids KALENDER-URL BENUTZER PASSWORT
        prints the UIDs of the calendar's events, sorted, one a line

"-" as BENUTZER means no authentication (Xandikos).
"""
import sys

import caldav


def verbinden(url, benutzer, passwort):
    if benutzer == "-":
        return caldav.DAVClient(url)
    return caldav.DAVClient(url, username=benutzer, password=passwort)


def ereignis(uid, titel, beginn):
    return ("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//Fremdclient//DE\r\n"
            "BEGIN:VEVENT\r\n"
            f"UID:{uid}\r\nDTSTAMP:20040101T000000Z\r\nDTSTART:{beginn}\r\n"
            f"DURATION:PT1H\r\nSUMMARY:{titel}\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")


def main(a):
    befehl = a[0]
    if befehl == "kalender":
        url, benutzer, passwort, kid, anzeigename = a[1:6]
        farbe = a[6] if len(a) > 6 else None
        principal = verbinden(url, benutzer, passwort).principal()
        kal = principal.make_calendar(name=anzeigename, cal_id=kid,
                                      supported_calendar_component_set=["VEVENT"])
        if farbe:
            kal.set_properties([caldav.elements.ical.CalendarColor(farbe)])
        print(kal.url)
    elif befehl == "termin":
        url, benutzer, passwort, uid, titel, beginn = a[1:7]
        kal = caldav.Calendar(client=verbinden(url, benutzer, passwort), url=url)
        ev = kal.save_event(ereignis(uid, titel, beginn))
        print(ev.url)
    elif befehl == "loeschen":
        url, benutzer, passwort, uid = a[1:5]
        kal = caldav.Calendar(client=verbinden(url, benutzer, passwort), url=url)
        kal.event_by_uid(uid).delete()
    elif befehl == "uids":
        url, benutzer, passwort = a[1:4]
        kal = caldav.Calendar(client=verbinden(url, benutzer, passwort), url=url)
        uids = sorted(e.icalendar_component["UID"] for e in kal.events())
        print("\n".join(str(u) for u in uids))
    else:
        sys.exit(f"unbekannter Befehl {befehl}")


if __name__ == "__main__":
    main(sys.argv[1:])
