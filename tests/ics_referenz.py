#!/usr/bin/python3
"""Independent reading of an .ics file for the tests: Python's icalendar with
recurring-ical-events (Debian: python3-icalendar, python3-recurring-ical-events).

Prints every occurrence of every VEVENT from 1901 to 2099 in the zone given (default
Europe/Berlin), one line each, sorted, in the form the C++ test builds from the calendar:
    TT.MM.JJJJ hh:mm DAUER     a timed occurrence (minutes, cut to the first day)
    TT.MM.JJJJ ganztags        every day an all-day occurrence covers
Exit 3 when the modules are missing, 4 when the reference cannot read the file.
"""
import datetime
import sys

try:
    import icalendar
    import recurring_ical_events
    from zoneinfo import ZoneInfo
except ImportError:
    sys.exit(3)


def main():
    pfad = sys.argv[1]
    zone = ZoneInfo(sys.argv[2] if len(sys.argv) > 2 else "Europe/Berlin")
    try:
        with open(pfad, "rb") as f:
            kal = icalendar.Calendar.from_ical(f.read())
        ereignisse = recurring_ical_events.of(kal, components=["VEVENT"]).between(
            datetime.date(1901, 1, 1), datetime.date(2100, 1, 1))
    except Exception:  # the reference's own refusal
        sys.exit(4)
    zeilen = []
    for e in ereignisse:
        if str(e.get("STATUS", "")).upper() == "CANCELLED":
            continue
        beginn = e["DTSTART"].dt
        ende = e["DTEND"].dt if "DTEND" in e else None
        if not isinstance(beginn, datetime.datetime):
            tage = 1
            if isinstance(ende, datetime.date) and not isinstance(ende, datetime.datetime):
                tage = max(1, (ende - beginn).days)
            for k in range(tage):
                d = beginn + datetime.timedelta(days=k)
                if 1901 <= d.year <= 2099:
                    zeilen.append(d.strftime("%d.%m.%Y") + " ganztags")
            continue
        if beginn.tzinfo is not None:
            beginn_ort = beginn.astimezone(zone)
        else:
            beginn_ort = beginn
        dauer = 0
        if ende is not None and isinstance(ende, datetime.datetime):
            dauer = max(0, int((ende - beginn).total_seconds()) // 60)
        minute = beginn_ort.hour * 60 + beginn_ort.minute
        if dauer > 1439:
            dauer = min(1439, 1440 - minute)
        if 1901 <= beginn_ort.year <= 2099:
            zeilen.append("%s %02d:%02d %d" % (beginn_ort.strftime("%d.%m.%Y"),
                                               beginn_ort.hour, beginn_ort.minute, dauer))
    for z in sorted(zeilen):
        print(z)


main()
